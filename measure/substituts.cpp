// Stand-ins of the measures, redraw and calibration that later parts of the
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

// The redraw of every recorded measurement, and the calibration's steps.
void Tav::Retrace(short) {}
void Tav::PasCalibr(short) {}
void Tav::Calibrage_Ouvre(short) {}
