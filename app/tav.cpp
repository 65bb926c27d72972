#include "base/tav.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <cmath>

#include "app/bgr.h"
#include "app/parametres.h"
#include "base/etat_demarrage.h"
#include "base/etat_programme.h"
#include "base/messages.h"
#include "platform/programme.h"
#include "colour/etat_couleur.h"
#include "grid/etat_grille.h"
#include "grid/fonction.h"
#include "base/grilles.h"
#include "image/etat_image.h"
#include "image/image_affichee.h"
#include "measure/etat_mesure.h"
#include "platform/prompts.h"
#include "base/etat_partage.h"

void Tav::Form_Load() { PGr::Demarrage_fenetre(); }

void Tav::Form_Activate() {
    // The box shows the setting the file kept, which is what the settings writer saves.
    Check(2).Value = AutoRetraceParam ? 1 : 0;
    if (!ActivationFaite) {
        // The first showing sets the grid up for the function held in NumFonction.
        Gen::Change_fonction();
        ActivationFaite = -1;
    }
    StatusBar.Text = NumFonction == 20 ? Lib_Langue[70] : Lib_Langue[169];
    // Lengths keep their scale when the window comes back: the factor follows the
    // resolution option and the picture shown.
    Chargeur::Echelle_resolution();
}

void Tav::Form_QueryUnload(short& Cancel, short) {
    const int r = Prompts::msgBox(Lib_Langue[161], Prompts::YesNo | Prompts::IconQuestion, Caption);
    if (r == Prompts::No) {
        Cancel = -1;
        return;
    }
    Programme::Terminer(0);
}

void Tav::Form_Unload(short& Cancel) {
    const int r = Prompts::msgBox(Lib_Langue[161], Prompts::YesNo | Prompts::IconQuestion, Caption);
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

void Tav::Bout_Click(short index) {
    // The buttons of the text frame and of the state report, and the calibration's; the
    // others are the measuring part's.
    constexpr long kFaceBouton = 0x8000000F;
    switch (index) {
    case 7: case 33: case 34:
        StatusBar.Text.clear();
        Bout_cadre_texte(index);
        break;
    case 6:
        StatusBar.Text.clear();
        Editeur(-1);
        break;
    case 10:
        StatusBar.Text.clear();
        Etalonner();
        break;
    case 19:
        StatusBar.Text.clear();
        Frame(7).Visible = false;
        LoupeFigee = 0;
        break;
    case 20:
        StatusBar.Text.clear();
        Calibrage_Valide();
        Frame(14).Visible = false;
        break;
    case 21: case 22: case 23: case 24: case 25: case 26: case 27: case 44:
        StatusBar.Text.clear();
        Calibrage_Etape(short(index == 44 ? 23 : index - 21));
        break;
    case 31:
        StatusBar.Text.clear();
        bout(10).BackColor = kFaceBouton;
        Dialogue_calibrage_OK();
        break;
    case 32:
        StatusBar.Text.clear();
        bout(10).BackColor = kFaceBouton;
        Dialogue_calibrage_Annule();
        break;
    default: break;
    }
}
