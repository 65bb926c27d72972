// The measuring window's tools menu, its illustration and reference submenus, and the
// colour-chart options menu.
#include <QFile>

#include "platform/surface.h"
#include "base/etat_partage.h"
#include "base/gen.h"
#include "base/messages.h"
#include "base/tav.h"
#include "colour/etat_couleur.h"
#include "colour/fichiers_couleur.h"
#include "grid/fichier_trm.h"
#include "grid/import_csv.h"
#include "image/etat_image.h"
#include "image/services_image.h"
#include "measure/item_en_cours.h"
#include "platform/prompts.h"
#include "statwin/fenhisto.h"

namespace {

// "maj grille": the grid goes out to a file and comes back from it, which rebuilds every
// row from its record. Only a file just written is read back: an older one would replace
// the grid with rows of another time.
void Rafraichit_grille() {
    // Imported values have no points to be worked out from: the grid already shows all
    // that a reread could give, and the file would give them back empty.
    if (Gen::Lignes_sans_trame()) return;
    const QString chemin = Gen::Chemin_donnees(QStringLiteral("$$trame"));
    if (!Gen::Ecrit_trame(chemin)) {
        Prompts::msgBox(Lib_Langue[144] + QStringLiteral(" :  ") + chemin, Prompts::OkOnly);
        return;
    }
    short statut = 1;
    Gen::Lit_trame(chemin, statut);
    QFile::remove(chemin);
}

} // namespace

void Tav::Mntool_Click(short index) {
    switch (index) {
    case 1:
        Gen::Copie_ecran(QStringLiteral("essai"), 1);
        break;
    case 3:
        cmdChargeMC_Click();
        break;
    case 4:
        if (Item::Prepare(Item::Commande::Grille)) Rafraichit_grille();
        break;
    case 5: {
        FenHisto* fen = FenHisto::instance();
        fen->placer(1000, 500);
        fen->montrer_modal();
        break;
    }
    case 6:
        if (Item::Prepare(Item::Commande::Coefficient)) Gen::Calibrage_vers_groupe();
        break;
    case 10:
        commenter_grille();
        break;
    default:
        break;
    }
}

void Tav::Illus_Click(short index) {
    // A scale bar's or a text's point would take the drawing state of a point pending.
    if ((index == 1 || index == 2 || index == 4) && !Item::Prepare(Item::Commande::Annotation)) return;
    Bout_Symb.Visible = false;
    switch (index) {
    case 1:
        StatusBar.Text = Lib_Langue[194];
        IllusReference = -1;
        IllusTexte = 0;
        break;
    case 2:
        IllusReferenceOrientee = -1;
        IllusReferenceValeur = 0;
        Sauve_Ecran3();
        break;
    case 4:
        StatusBar.Text = Lib_Langue[194];
        IllusTexte = -1;
        break;
    case 5: {
        // The dialog opens at a size that reads well on the picture: 1 % of its height.
        Surface& vue = Picture1.surface();
        const Prompts::Police initiale{vue.FontName, 0.01 * picbase.Image().height(), vue.FontBold};
        const std::optional<Prompts::Police> choix = Prompts::fontDialog(initiale);
        if (!choix) break;
        if (!choix->nom.isEmpty()) vue.FontName = choix->nom;
        if (choix->taille > 0) vue.FontSize = choix->taille;
        vue.FontBold = choix->gras;
        Picture2.surface().FontName = vue.FontName;
        break;
    }
    default:
        break;
    }
}

void Tav::CalSrc_Click(short) {
    CalSrc(1).Checked = !CalSrc(1).Checked;
    ReferenceSurImage = CalSrc(1).Checked ? -1 : 0;
}

void Tav::MnuChrt_Click(short index) {
    switch (index) {
    case 2:
        BGr::Ouvre_nuancier();
        break;
    case 3:
        SauveNuancier = -1;
        BGr::Prepare_entete_nuancier();
        break;
    case 6:
        Vistrane::Choix_Etalon();
        break;
    case 7:
        Vistrane::Choix_Scanner();
        CheckCalibre.Enabled = true;
        CheckCalibre.Value = 0;
        break;
    case 8:
        SauveScanner = -1;
        BGr::Prepare_entete_nuancier();
        break;
    default:
        break;
    }
}
