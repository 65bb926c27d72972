#include "colour/services_couleur.h"

#include "base/gen.h"
#include "base/tav.h"
#include "colour/correction.h"
#include "colour/etat_couleur.h"
#include "colour/fichiers_couleur.h"
#include "grid/fonction.h"

namespace Vistrane {

void Init_Couleur() {
    Tav& tav = *Tav::instance();
    tav.FraCharte.Visible = true;
    tav.OptnVistrane.Visible = true;
    PGr::Prepare_grilles_fonction(20);
    tav.bout(14).Visible = false;
    tav.bout(10).Visible = false;
    CorrectionPrete = 0;
    NuancierOK = 0;
    CalibrageCol = 0;
    if (Gen::Fichier_existe(FicNuancier) && Lit_Nuancier(FicNuancier)) NuancierOK = -1;
    Charge_Calibrage(1);
    // A chart measured with the correction on asks for one: without the pair of the
    // settings, the program's own standard is tried with the scanner file.
    if (tav.CheckCalibre.Value == 1 && !CorrectionPrete)
        Construit_correction(Chemin_fichier_couleur(QStringLiteral("EtalonCouleur.Etl")),
                             Chemin_fichier_couleur(FicScanner));
}

} // namespace Vistrane
