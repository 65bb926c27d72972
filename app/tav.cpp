#include "app/tav.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <cmath>

#include "app/bgr.h"
#include "app/etat_demarrage.h"
#include "app/etat_programme.h"
#include "app/messages.h"
#include "app/programme.h"
#include "colour/etat_couleur.h"
#include "grid/etat_grille.h"
#include "grid/fonction.h"
#include "grid/grilles.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"
#include "platform/prompts.h"
#include "platform/souris.h"

Tav* Tav::instance() {
    static Tav* tav = new Tav;
    return tav;
}

Tav::Tav() {
    setWindowTitle(QStringLiteral("Tavirel"));
    // The picture box's designed size; the layout resizes it to the window.
    Picture1.Width = 9000;
    Picture1.Height = 6750;
    Picture1.ScaleWidth = 9000;
    Picture1.ScaleHeight = 6750;
}

void Tav::Form_Load() {
    const QString dossier = Dossier_application();
    RepImage = dossier;
    RepData = dossier;
    RepProg = dossier;
    NomUtilisateur = Lib_Langue[105];
    VitesseSouris = Souris::vitesse();
    PGr::Demarrage_fenetre();
}

void Tav::Form_Activate() {
    Check(2).Value = AutoRetrace ? 1 : 0;
    if (!ActivationFaite) {
        // The first showing sets the grid up for the function held in NumFonction.
        Gen::Change_fonction();
        ActivationFaite = -1;
    }
    StatusBar.Text = NumFonction == 20 ? Lib_Langue[70] : Lib_Langue[169];
    KZoomCal = 1.0;
}

void Tav::Form_QueryUnload(short& Cancel, short) {
    const int r = Prompts::msgBox(Lib_Langue[161], Prompts::YesNo | Prompts::IconQuestion, windowTitle());
    if (r == Prompts::No) {
        Cancel = -1;
        return;
    }
    Programme::Terminer(0);
}

void Tav::Form_Unload(short& Cancel) {
    const int r = Prompts::msgBox(Lib_Langue[161], Prompts::YesNo | Prompts::IconQuestion, windowTitle());
    if (r == Prompts::No) {
        Cancel = -1;
        return;
    }
    Programme::Terminer(0);
}

void Tav::TgrilleMax_Click(short index) {
    if (index < 0 || index > 2) return;
    // A smaller grid would cut off measured rows: refuse rather than lose them.
    if (NbLignesGrille > (64 << index)) {
        Prompts::msgBox(Lib_Langue[185], Prompts::OkOnly | Prompts::IconExclamation);
        return;
    }
    for (int i = 0; i <= 2; ++i) TgrilleMax(i).Checked = false;
    TgrilleMax(index).Checked = true;
    TailleGrille = short(64 << index);
    GrilleRef.setRows(TailleGrille + 1);
}

// --- measuring services: the least the grid and statistics parts rely on

void Tav::Retrace(short) {}
void Tav::PasCalibr(short) {}
void Tav::Calibrage_Ouvre(short) {}

void Tav::F_Img_Click(short index) {
    for (auto& [i, item] : F_Img.items()) item.Checked = false;
    F_Img(index).Checked = true;
    FormatImage = index;
}

void Tav::Lrg_Click(short index) {
    if (index < 1 || index > 6) return;
    for (int i = 1; i <= 6; ++i) Lrg(i).Checked = false;
    TailleZone = short(1 << (index + 2));
    IndexZoneCouleur = index;
    VScroll3.Value = index;
    Lrg(index).Checked = true;
}

void Tav::Optn_Click(short index) {
    switch (index) {
    case 1: IndResolution = 0; KZoomCal = 1.0; break;
    case 2: IndResolution = -1; KZoomCal = 1.0; break;
    case 5: ModePalmer = 2; break;
    case 6: ModePalmer = 1; break;
    default: break;
    }
}

void Tav::Vmouse(short code) {
    switch (code) {
    case 0: Souris::setVitesse(10); break;
    case 1: Souris::setVitesse(2); break;
    case 2: Souris::setVitesse(VitesseSouris); break;
    default: break;
    }
}

void Tav::Bout_Click(short index) {
    // The buttons of the text frame and of the state report; the others are the
    // measuring part's.
    if (index == 7 || index == 33 || index == 34) {
        StatusBar.Text.clear();
        Bout_cadre_texte(index);
    }
}
void Tav::appel_img_listchar(const QString&) {}
void Tav::Gest_FraRep(short) {}
