// The measuring window's command bar: every button of the `bout` array comes here, the
// compact copies of `Bout_C` forward here, and `Bout_Symb` writes the micron unit.
#include <optional>

#include "app/aide.h"
#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/grilles.h"
#include "base/messages.h"
#include "base/rappels.h"
#include "base/tav.h"
#include "grid/deciles.h"
#include "grid/effacement.h"
#include "grid/etat_grille.h"
#include "grid/rapport.h"
#include "grid/resultats.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"
#include "measure/item_en_cours.h"
#include "measure/services_mesure.h"
#include "image/annotations.h"
#include "platform/pressepapier.h"
#include "platform/surface.h"
#include "platform/waits.h"
#include "statwin/fenhisto.h"

namespace {


// Every redraw of the command bar goes through the hook the measuring part installs, the
// same road the grid and the image handling take to it.
void Redessine() { Rappels::Retrace(0); }

// The records of the first rows lose their image once the grid they belonged to is gone.
void Oublie_images_trame() {
    for (int i = 0; i <= 10; ++i) Trame(i).Image = 0;
}

// Deletes the grid's current row with its record, then detaches the first records.
void Efface_ligne_courante(Tav& tav) {
    short ligne = short(GrilleRef.Row());
    tav.Efface_ligne(ligne);
    Oublie_images_trame();
}

// What a button is for an item under way, asked before anything of it runs, its common
// ending too: "Etalonner" and the panel's pointings would take the item's next value for
// the micrometer, "Cherche" would show another picture. "<=" and the calibration's
// "Valider" ask for themselves; the text frame's buttons and the grid and results frames'
// toggles are taken; the clearing buttons clear the grid; every other button ends a
// pending point, as its common ending abandons it.
std::optional<Item::Commande> Commande_bouton(short index) {
    switch (index) {
    case 2: case 3: case 7: case 20: case 33: case 34: case 39: return std::nullopt;
    case 10: case 23: case 27: return Item::Commande::Pointage;
    case 14: return Item::Commande::Image;
    case 16: case 17: case 40: return Item::Commande::Raz;
    default: return Item::Commande::Bouton;
    }
}

// The pan toggle shared by `bout`(5) and `Bout_C`(5).
void Bascule_main(Tav& tav) {
    ModeDeplaceBascule = ModeDeplaceBascule ? 0 : -1;
    ModeDeplace = 0;
    if (ModeDeplaceBascule) {
        ModeDeplace = -1;
        tav.StatusBar.Text = Lib_Langue[65];
    }
}

} // namespace

void Tav::Bout_Click(short index) {
    if (const std::optional<Item::Commande> c = Commande_bouton(index); c && !Item::Prepare(*c)) return;
    // The text frame's buttons and the state report keep their own ending.
    if (index == 7 || index == 33 || index == 34) {
        StatusBar.Text.clear();
        Bout_cadre_texte(index);
        return;
    }
    StatusBar.Text.clear();
    if (index == 31 || index == 32) bout(10).BackColor = CouleursBouton::Face;
    // OK and Annule go to the annotation being entered, if any, before the calibration.
    if (index == 31) {
        // The oriented bar's value confirmed ends the bar's drawing as well.
        const bool fin_valeur = IllusReferenceValeur && EtatSaisie == 3;
        if (BGr::Saisie_OK()) {
            if (fin_valeur) TraceEnCours = 0;
            return;
        }
    }
    if (index == 32 && BGr::Saisie_Annule()) return;

    switch (index) {
    case 1:
        // Before any picture there is no bare view to go back to.
        if (!Image2.Image().isNull()) Picture1.surface().restaurer(Image2.Image());
        Redessine();
        break;
    case 2:
        StatusBar.Text = Lib_Menu[7];
        PGr::Annule_point_ou_ligne();
        Calcul_stat();
        Gen::Calcule_deciles();
        break;
    case 3:
        StatusBar.Text = Lib_Menu[19];
        GrilleRef.setRow(1);
        GrilleRef.setCol(1);
        // A grid without rows goes without a question; one with rows is kept whatever its
        // first cell holds.
        if (NbLignesGrille <= 1) {
            Gen::RAZ_grille(1);
            Efface_ligne_courante(*this);
            Redessine();
        }
        if (Frame(6).Visible) {
            Frame(6).Visible = false;
            return;
        }
        Frame(6).Visible = true;
        Calcul_stat();
        break;
    case 4:
        LoupeVisible = LoupeVisible ? 0 : -1;
        bout(4).BackColor = CouleursBouton::Face;
        PLoupePic.Visible = LoupeVisible != 0;
        if (LoupeVisible) bout(4).BackColor = CouleursBouton::VertClair;
        break;
    case 5:
        Bascule_main(*this);
        DeplaceMain();
        break;
    case 8:
        FraListeImg.Visible = !FraListeImg.Visible;
        aff_liste_images();
        if (FraListeImg.Visible) StatusBar.Text = Lib_Langue[67];
        break;
    case 9:
        ModeComptage = ModeComptage ? 0 : -1;
        bout(9).BackColor = CouleursBouton::Face;
        if (ModeComptage) {
            ClicArme = -1;
            TBox(6).Text = QStringLiteral("0");
            bout(9).BackColor = CouleursBouton::VertClair;
        }
        break;
    case 11: {
        FenHisto* fen = FenHisto::instance();
        fen->placer(1000, 500);
        fen->montrer_modal();
        break;
    }
    case 12:
    case 13: {
        const int k = index - 12;
        CouleursTrace[k] = (CouleursTrace[k] + 1) % 16;
        bout(index).BackColor = Surface::QBColor(int(CouleursTrace[k]));
        Redessine();
        break;
    }
    case 14:
        Cherche_spore();
        Frame(6).Visible = false;
        if (AutoRetrace) Redessine();
        break;
    case 15: {
        short ligne = short(GrilleRef.Row());
        Efface_ligne(ligne);
        Redessine();
        break;
    }
    case 16:
        // No to the question keeps the grid, and with it the selected row.
        if (Gen::RAZ_grille(0)) Efface_ligne_courante(*this);
        Redessine();
        break;
    case 17:
        RAZ_Grille_total();
        break;
    case 18:
        Frame(6).Visible = false;
        break;

    // ---- calibration: 6 the file's editor, 10 pointing, 19 to 27 and 44 the calibration
    // frames, and the OK (31) and Annule (32) of its dialogue once no annotation took them.
    case 6:
        Editeur(-1);
        break;
    case 10:
        Etalonner();
        break;
    case 19:
        Frame(7).Visible = false;
        LoupeFigee = 0;
        break;
    case 20:
        Calibrage_Valide();
        Frame(14).Visible = false;
        break;
    case 21: case 22: case 23: case 24: case 25: case 26: case 27: case 44:
        Calibrage_Etape(short(index == 44 ? 23 : index - 21));
        break;
    case 31:
        Dialogue_calibrage_OK();
        break;
    case 32:
        Dialogue_calibrage_Annule();
        break;
    // ---- end of the calibration's buttons

    case 37:
        PressePapier::mettre_texte(TBox(8).Text);
        break;
    case 38:
        Frame(12).Visible = false;
        break;
    case 39:
        if (Frame(12).Visible) {
            Frame(12).Visible = false;
            return;
        }
        Gen::Affiche_resultats();
        break;
    case 40:
        bout(40).BackColor = CouleursBouton::Rouge;
        if (Gen::RAZ_grille(0)) Efface_ligne_courante(*this);
        break;
    case 41:
        if (NbLignesGrille > 1) {
            GrilleRef.setCol(GrilleRef.Cols() - 1);
            GrilleRef.setRow(NbLignesGrille - 1);
            GrilleRef.setColAlignment(GrilleRef.Cols() - 1, int(Qt::AlignLeft | Qt::AlignTop));
            GrilleRef.setTextMatrix(NbLignesGrille - 1, GrilleRef.Cols() - 1, TBox(6).Text);
            TBox(6).Text = QStringLiteral("0");
            ComptageEnCours = -1;
        }
        break;
    case 42:
        Gen::Copie_texte_resultats();
        Flash(0x00FF00, QStringLiteral("         Notation enregistrée"), 1);
        break;
    case 43:
        Gen::Affiche_resultats();
        break;
    default:
        break;
    }

    PGr::Restaure_image();
    PGr::RAZ_etats_trace();
    bout(40).BackColor = CouleursBouton::Face;
    if (!ReferenceSurImage) Redessine();
}

void Tav::Bout_C_Click(short index) {
    if (index == 5) {
        Bascule_main(*this);
        DeplaceMain_bis();
        return;
    }
    // The compact "retrace" redraws, as its caption says.
    Bout_Click(index == 6 ? short(1) : index);
}

void Tav::Bout_Symb_Click() { TBox(5).Text = QStringLiteral(" µm"); }
