#include "base/rappels.h"
#include "colour/fichiers_couleur.h"
#include "colour/services_couleur.h"

namespace Couleur {

void Installe_rappels() {
    Rappels::Init_Couleur = &Vistrane::Init_Couleur;
    Rappels::Ecrit_nuancier_scanner = &BGr::Ecrit_nuancier_scanner;
}

} // namespace Couleur
