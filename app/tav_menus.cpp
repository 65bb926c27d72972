// The measuring window's menus and option controls: each array has one handler that
// dispatches on the item's index.
#include <QFile>

#include "app/menus_communs.h"
#include "app/aide.h"
#include "base/declarations.h"
#include "base/etat_programme.h"
#include "base/messages.h"
#include "app/parametres.h"
#include "base/tav.h"
#include "base/vb.h"
#include "colour/services_couleur.h"
#include "grid/commentaires.h"
#include "grid/deciles.h"
#include "grid/effacement.h"
#include "grid/etat_grille.h"
#include "grid/fichier_trm.h"
#include "grid/fonction.h"
#include "base/grilles.h"
#include "grid/import_csv.h"
#include "grid/rapport.h"
#include "image/etat_image.h"
#include "image/services_image.h"
#include "measure/etat_mesure.h"
#include "measure/item_en_cours.h"
#include "measure/outils_mesure.h"
#include "measure/services_mesure.h"
#include "platform/prompts.h"
#include "base/etat_partage.h"
#include "colour/etat_couleur.h"

void Tav::mnFormat_Click(short index) {
    Menus::Coche_seul(mnFormat, index);
    if (index == 0) ExtExport = QStringLiteral("csv");
    else if (index == 1) ExtExport = QStringLiteral("txt");
}

void Tav::Pclic_Click(short index) {
    if (index < 1 || index > 4) return;
    Menus::Coche_seul(Pclic, index);
    TolClic = short(10 * index);
}

void Tav::TTrace_Click(short index) {
    if (index != 1 && index != 2 && index != 5) return;
    for (int i : {1, 2, 5}) TTrace(i).Checked = false;
    TTrace(index).Checked = true;
    EpaisseurTrait = index;
}

void Tav::cmdStat_Click(short) { Gen::Calcule_deciles(); }

void Tav::MnuFIC_Click(short index) {
    switch (index) {
    case 1:
        Gen::Ouvre_image();
        if (FraListeImg.Visible) {
            FraListeImg.Visible = false;
            Bout_dial_Click(8);
        }
        break;
    case 4:
        Gen::Colle_image_presse_papier();
        break;
    case 8:
        Gen::Sauve_parametres(1);
        break;
    case 9:
        Gen::Sauve_mesures();
        break;
    case 10:
        // A file not loaded (No, Cancel, refused) leaves the view and the item as they were.
        if (!Item::Prepare(Item::Commande::Charge) || !Gen::Charge_mesures()) break;
        PGr::Modes_fonction_chargee();
        BGr::Boutons_zoom(2);
        if (AutoRetrace) Retrace(0);
        break;
    case 11:
        StatusBar.Text = Lib_Menu[5] + Lib_Menu[20] + Lib_Menu[21];
        FonctionRep = 0;
        Gest_FraRep(0);
        break;
    case 12: {
        const QString doc = Gen::Doc_temporaire();
        if (QFile::exists(doc)) QFile::remove(doc);
        short annule = 0;
        Form_QueryUnload(annule, 0);
        break;
    }
    default:
        break;
    }
}

void Tav::MnuEDit_Click(short index) {
    switch (index) {
    case 1:
        Text4.Visible = false;
        VScroll2.Visible = false;
        Gen::Ouvre_commentaire_grille();
        break;
    case 2:
        TBox(3).Text = FichierResultats;
        Gen::Exporte_resultats(0);
        break;
    case 4:
        Calibrage_Ouvre(1);
        break;
    case 7:
        Gen::Copie_resultats_affiches();
        break;
    case 8:
        if (!Item::Prepare(Item::Commande::Charge)) break;
        // The imported table has no function, set up as a load sets up its file's: the
        // former function's frames and modes go, so that no click records into the table.
        if (Gen::Charge_csv()) {
            PGr::Modes_fonction_chargee();
            if (AutoRetrace) Retrace(0);
        }
        Calcul_stat();
        break;
    default:
        break;
    }
}

void Tav::MnuFonc_Click(short index) {
    // The other items open the cystidia, surface, counting and density submenus: their
    // click leaves every mode alone, since a triangle or polygon mode cleared while its
    // function stays sends the next clicks to the length builders, which record " / 0,00"
    // in its grid.
    if (index != 20 && (index < 1 || index > 3)) return;
    if (!Item::Prepare(Item::Commande::Fonction)) return;
    // The question comes before any change, so that No leaves the function, its modes and
    // its buttons whole; the function already in use is kept without a question.
    if (NumFonction != index && NbLignesGrille > 1 && !Declarations::Confirme_changement()) return;
    ModeTriangle = 0;
    ModePolygone = 0;
    bout(42).Visible = false;
    if (index <= 3) {
        MnuFonc(6).Enabled = true;
        MnuFonc(7).Enabled = true;
        Gen::RAZ_boutons_fonction();
        if (NumFonction == index) return;
        Gen::Change_fonction();
        ImageRestauree = 0;
        NumFonction = index;
        bout(42).Visible = true;
        PGr::Choix_fonction();
        Retrace(0);
    } else if (index == 20) {
        if (NumFonction == 20) {
            Vistrane::Init_Couleur();
            return;
        }
        MnuFonc(6).Enabled = false;
        MnuFonc(7).Enabled = false;
        NbValeursLigne = 1;
        Gen::Change_fonction();
        NumFonction = 20;
        PGr::Modes_fonction();
        Vistrane::Init_Couleur();
        TBox(4).Visible = false;
        Retrace(0);
        PGr::Entetes_grille_fonction(20);
        CorrectionPrete = 0;
    }
}

void Tav::Mncp_Click(short index) {
    if (index != 1 && index != 2) return;
    if (!Item::Prepare(Item::Commande::Fonction)) return;
    // As for every function, No leaves the current one and its buttons whole.
    if (NumFonction != index + 9 && NbLignesGrille >= 2 && !Declarations::Confirme_changement()) return;
    bout(9).BackColor = CouleursBouton::Face;
    bout(10).Enabled = false;
    bout(41).Enabled = false;
    ComptageEnCours = 0;
    if (NumFonction == index + 9) return;
    // The former function's frames and modes go: the colour chart's frame would take
    // the counts' clicks.
    Gen::RAZ_boutons_fonction();
    bout(10).Enabled = false;
    NumFonction = short(index + 9);
    PGr::Modes_fonction();
    TBox(6).Text = QStringLiteral("0");
    ImageRestauree = 0;
    PGr::Choix_fonction();
    bout(9).Enabled = false;
    EtapeMesure = 1;
    Gen::RAZ_grille(1);
    short ligne = short(GrilleRef.Row());
    Efface_ligne(ligne);
    for (int i = 0; i <= 10; ++i) Trame(i).Image = 0;
    MnuFIC(9).Enabled = false;
    Retrace(0);
    StatusBar.Text = Lib_Langue[55];
}

void Tav::Fonction_Comptage() {
    Gen::Change_fonction();
    ImageRestauree = 0;
    NumFonction = 10;
    PGr::Modes_fonction();
    PGr::Choix_fonction();
    bout(9).Enabled = false;
    Bascule_Comptage(10);
}

void Tav::Bascule_Comptage(short mode) {
    if (mode == 1) {
        NumFonction = 10;
        ModeComptage = -1;
    } else if (mode == 2) {
        NumFonction = 11;
    }
    ClicArme = -1;
    TBox(6).Text = QStringLiteral("0");
}

void Tav::PopOrg_Click(short index) { Mesure::Choix_PopEtalon(index); }

void Tav::PopExt_Click(short index) { Mesure::Choix_pop3D(index); }

void Tav::Czoom_Click(short index) {
    if (index < 0 || index > 3) return;
    if (index < 3 && !Item::Prepare(Item::Commande::Vue)) return;
    BGr::Boutons_zoom(index);
    if (AutoRetrace) Retrace(0);
}

