#pragma once
// The one road of a finished measurement into the grid: its values in a grid row, the
// record beside it, the counters advanced, the automatic save and the full-grid rule.
#include <optional>

struct LigneTrame;

namespace Mstat {
// One measured value of a click measure (segments, spores, cystidia, polygons); reads
// LongueurPixels, or ValeursLigne(1) in density mode.
void Ajoute_Ligne_Grille_Mesure();
// The row set-up of the count, density and surface measures, followed by
// BGr::Inscrit_mesure_grille, which writes the values.
void Ajoute_Ligne_Grille();
// One sampled colour zone: RVBMesure, LabCouleur and TailleZone.
void Ajoute_Ligne_Grille_Couleur();

// What a colour row shows: R, V, B, L*, a*, b*, and the zone's half side.
struct CouleurLigne {
    float valeurs[6] = {};
    int zone = 0;
};
// Columns 1 to 7 of a colour row; raises Vb::Erreur when the grid has no such columns.
void Cellules_couleur(int ligne, const CouleurLigne& c);
// The record keeps the values in hundredths (entries EntreeCouleur and the next); values
// it cannot hold are not kept.
void Garde_couleur(LigneTrame& t, const CouleurLigne& c);
// The values a record keeps; none for a row recorded before they were kept.
std::optional<CouleurLigne> Couleur_gardee(const LigneTrame& t);
} // namespace Mstat

namespace BGr {
// Writes the values of the count, density, triangle and polygon functions.
void Inscrit_mesure_grille();
// A click on the picture while counting: button 1 left, 2 right.
void Clic_comptage(short bouton, short shift, float x, float y);
} // namespace BGr

namespace Gen {
// Saves the grid as "TrameSav.trm" in the data folder; on failure tells the user
// (entry 144 with the path). Returns whether the file was written.
bool Sauve_trame_auto();
} // namespace Gen
