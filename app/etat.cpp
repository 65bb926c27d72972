#include "app/etat.h"

#include "app/bgr.h"
#include "base/etat_demarrage.h"
#include "base/etat_partage.h"
#include "base/etat_struct.h"
#include "platform/programme.h"

namespace Etat {

void Valeurs_de_chargement() { Reinitialise_groupes(); }

void Demarrage_test(const QString& dossier) {
    Valeurs_de_chargement();
    Programme::Reprendre();
    DossierApplication = dossier;
    // The measuring window's load, but for the settings file: the calibration the file
    // would have given every image is the start-up one.
    PGr::Ouverture_fenetre(false);
    CalibrageImage[0] = CalibrageActuel;
}

} // namespace Etat
