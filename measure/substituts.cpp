// Stand-ins of the measures, redraw, calibration and annotations that later parts of the
// program provide; see substituts.h.
#include "measure/substituts.h"

#include "base/tav.h"

namespace BGr {
void Echelle_saisie() {}
void Texte_saisie() {}
void Echelle_valeur() {}
void Commentaire_saisie() {}
} // namespace BGr

// The calibration's steps.
void Tav::PasCalibr(short) {}
void Tav::Calibrage_Ouvre(short) {}
