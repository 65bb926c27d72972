#include "base/rappels.h"
#include "base/tav.h"
#include "image/chargeur.h"
#include "image/services_image.h"
#include "image/vue.h"

namespace Image {

void Installe_rappels() {
    Rappels::Montre_premiere_image = &Chargeur::Montre_premiere_image;
    Rappels::Cherche_image = &Gen::Cherche_image;
    Rappels::Affiche_vue = &BGr::Affiche_vue;
    Rappels::Echelle_image = &BGr::Echelle_image;
}

} // namespace Image
