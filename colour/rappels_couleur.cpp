#include "base/rappels.h"
#include "colour/fichiers_couleur.h"
#include "colour/services_couleur.h"
#include "colour/zone.h"

namespace Couleur {

void Installe_rappels() {
    Rappels::Init_Couleur = &Vistrane::Init_Couleur;
    Rappels::Ecrit_nuancier_scanner = &BGr::Ecrit_nuancier_scanner;
    Rappels::Mesure_Zone = &Vistrane::Mesure_Zone;
}

} // namespace Couleur
