#include "base/rappels.h"
#include "base/tav.h"
#include "measure/etat_mesure.h"
#include "measure/item_en_cours.h"
#include "measure/services_mesure.h"

namespace Mesure {

void Installe_rappels() {
    Rappels::Retrace = [](short mode) { Tav::instance()->Retrace(mode); };
    Rappels::PasCalibr = [](short etape) { Tav::instance()->PasCalibr(etape); };
    Rappels::Restaure_image = &PGr::Restaure_image;
    Rappels::RAZ_etats_trace = &PGr::RAZ_etats_trace;
    Rappels::Pixels_en_microns = &PGr::Pixels_en_microns;
    Rappels::Distance_points = &PGr::Distance_points;
    Rappels::Clic_Mesure = &Mstat::Clic_Mesure;
    Rappels::Croix_Image = &Mstat::Croix_Image;
    Item::Installe();
}

} // namespace Mesure
