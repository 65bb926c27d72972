#include "app/programme_rappels.h"

#include "app/bgr.h"
#include "base/rappels.h"

#include "colour/services_couleur.h"
#include "image/services_image.h"
#include "measure/services_mesure.h"
#include "statwin/rappels_statwin.h"

void Installe_rappels() {
    Rappels::Dispose_zone_image = &BGr::Dispose_zone_image;
    Rappels::Position_panneau = &BGr::Position_panneau;
    Image::Installe_rappels();
    Mesure::Installe_rappels();
    Couleur::Installe_rappels();
    FenetreStat::Installe_rappels();
}
