// Stand-ins of the annotations that a later part of the program provides; see substituts.h.
#include "measure/substituts.h"

namespace BGr {
void Echelle_saisie() {}
void Texte_saisie() {}
void Echelle_valeur() {}
void Commentaire_saisie() {}
} // namespace BGr

