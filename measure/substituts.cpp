// Stand-ins of the measures, redraw, calibration and annotations that later parts of the
// program provide; see substituts.h.
#include "measure/substituts.h"

#include "base/tav.h"

namespace Mstat {
void Mesure_Angle(int, int, short&, short) {}
void Mesure_Polygone(int, int, short&, short) {}
void Numerote_Point(int, int) {}
} // namespace Mstat

namespace PGr {
void Mesure_surface(short&, int, int, short&, short) {}
} // namespace PGr

namespace BGr {
void Echelle_saisie() {}
void Texte_saisie() {}
void Echelle_valeur() {}
} // namespace BGr

// The redraw of every recorded measurement.
void Tav::Retrace(short) {}
