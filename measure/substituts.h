#pragma once
// Procedures the routing and the dispatcher call whose own work comes with later parts of
// the program: annotations. Each stands here with its interface and does nothing, so that
// the routing runs in full.

namespace BGr {
// The annotation dialogues: horizontal scale bar, text, and the oriented scale bar's value.
void Echelle_saisie();
void Texte_saisie();
void Echelle_valeur();
// The unit step of a scale bar, after OK on its value.
void Commentaire_saisie();
} // namespace BGr
