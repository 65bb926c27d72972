#include "colour/services_couleur.h"

#include "colour/etat_couleur.h"

namespace Vistrane {
void Init_Couleur() {}
} // namespace Vistrane

namespace BGr {
void Ecrit_nuancier_scanner() {
    SauveNuancier = 0;
    SauveScanner = 0;
}
} // namespace BGr
