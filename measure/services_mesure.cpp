#include "measure/services_mesure.h"

#include <cmath>

#include "base/etat_demarrage.h"
#include "base/etat_programme.h"
#include "base/tav.h"
#include "measure/etat_mesure.h"
#include "base/etat_partage.h"

namespace PGr {

void RAZ_etats_trace() {
    TraceOrigine = 0;
    TraceEnCours = 0;
    TraceSecondPoint = 0;
    TraceLargeur = 0;
}

void Restaure_image() {
    RAZ_etats_trace();
    ImageRestauree = -1;
    Tav::instance()->Frame(1).Visible = true;
}

double Distance_points(short x1, short y1, short x2, short y2) {
    const double dx = double(x2) - x1, dy = double(y2) - y1;
    if (DiviseurEchelle == 0) return 0;
    return std::sqrt(dx * dx + dy * dy) * FacteurZoom / DiviseurEchelle * KZoomCal;
}

double Pixels_en_microns(short longueur) { return longueur * CalibrageActuel; }

} // namespace PGr

namespace Mstat {
void Clic_Mesure(short, short, short&, short) {}
void Croix_Image(int, int) {}
} // namespace Mstat
