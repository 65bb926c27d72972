#include "colour/services_couleur.h"

#include "base/etat_partage.h"

namespace Vistrane {
void Init_Couleur() {}
} // namespace Vistrane

namespace BGr {
void Ecrit_nuancier_scanner() {
    SauveNuancier = 0;
    SauveScanner = 0;
}
} // namespace BGr
