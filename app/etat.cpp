#include "app/etat.h"

#include "app/bgr.h"
#include "app/programme_rappels.h"
#include "base/etat_demarrage.h"
#include "base/etat_partage.h"
#include "base/etat_struct.h"
#include "base/messages.h"
#include "platform/programme.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"
#include "colour/etat_couleur.h"

namespace Etat {

void Valeurs_de_chargement() { Reinitialise_groupes(); }

void Demarrage_test(const QString& dossier) {
    Valeurs_de_chargement();
    Programme::Reprendre();
    Installe_rappels();
    DossierApplication = dossier;
    RepImage = RepData = RepProg = dossier;
    BGr::Init_programme();
    NomUtilisateur = Lib_Langue[105];
    DiviseurEchelle = 1.0;
    PGr::Grille_vide_initiale();
    CalibrageImage[0] = CalibrageActuel;
    ModeStatSeul = -1;
}

} // namespace Etat
