#include "base/rappels.h"
#include "base/tav.h"
#include "image/services_image.h"

namespace Image {

void Installe_rappels() {
    Rappels::appel_img_listchar = [](const QString& chemin) { Tav::instance()->appel_img_listchar(chemin); };
    Rappels::Cherche_image = &Gen::Cherche_image;
    Rappels::Affiche_vue = &BGr::Affiche_vue;
}

} // namespace Image
