#include "app/parametres.h"

#include "app/etat_programme.h"
#include "measure/etat_mesure.h"

namespace Gen {

void Lit_parametres() {
    // Until the settings file is read, the start-up values stand; the calibration of
    // image 0 follows the current one as it does after a read.
    CalibrageImage[0] = CalibrageActuel;
}

} // namespace Gen
