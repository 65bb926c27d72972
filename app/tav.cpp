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
#include "grid/taille_grille.h"
#include "base/grilles.h"
#include "image/annotations.h"
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

void Tav::TgrilleMax_Click(short index) { Gen::Taille_grille_max(index); }
