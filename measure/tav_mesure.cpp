// The measuring window's option buttons of the measuring (resolution, measuring style)
// and its cystidia menu.
#include "base/declarations.h"
#include "base/etat_partage.h"
#include "base/tav.h"
#include "grid/etat_grille.h"
#include "grid/fichier_trm.h"
#include "grid/fonction.h"
#include "image/image_affichee.h"
#include "measure/etat_mesure.h"
#include "measure/item_en_cours.h"
#include "measure/services_mesure.h"
#include "platform/prompts.h"

namespace PGr {

void Modes_fonction() {
    // The dispatcher tests these modes before the function's own builder: one left on
    // would take the new function's clicks.
    ModeTriangle = NumFonction == 15 ? -1 : 0;
    ModePolygone = NumFonction == 16 ? -1 : 0;
    ModeDensite = NumFonction == 13 || NumFonction == 14 ? -1 : 0;
    if (NumFonction != 10 && NumFonction != 11) {
        ModeComptage = 0;
    } else {
        ModeComptage = -1;
        ClicArme = -1;
    }
    // Nothing of the former function stays under way.
    NbSommets = 0;
    MesureBloquee = 0;
}

void Modes_fonction_chargee() {
    Tav& t = *Tav::instance();
    // The colour function's frame and buttons came with the file's reading.
    if (NumFonction != 20) Gen::RAZ_boutons_fonction();
    Modes_fonction();
    // A count never switches its count mode off, and neither a count nor a density is
    // calibrated or saved from the file menu, as their menus set them up.
    if (ModeComptage || ModeDensite) {
        t.bout(10).Enabled = false;
        t.MnuFIC(9).Enabled = false;
    }
    if (ModeComptage) {
        t.bout(9).Enabled = false;
        t.bout(41).Enabled = false;
    }
    if (NumFonction == 15 || NumFonction == 16) t.bout(42).Visible = true;
}

} // namespace PGr

void Tav::Optn_Click(short index) {
    if ((index == 1 || index == 2) && !Item::Prepare(Item::Commande::Resolution)) {
        // The option buttons show the resolution still in force.
        Optn(1).Value = IndResolution ? 0 : -1;
        Optn(2).Value = IndResolution ? -1 : 0;
        return;
    }
    if (index == 5 || index == 6) static_cast<void>(Item::Prepare(Item::Commande::Style));
    switch (index) {
    case 1:
    case 2: {
        // Every row follows the mode in force, as a measurement file keeps one for all.
        const auto avant = Gen::Facteurs_lignes();
        Calcul_K_Resolution();
        Gen::Recalcule_lignes(avant);
        break;
    }
    case 5:
        ModePalmer = 2;
        TraceOrigine = 0;
        TraceEnCours = 0;
        TraceSecondPoint = 0;
        break;
    case 6: ModePalmer = 1; break;
    // The objective's box serves the graduations; the objective standard, known lengths.
    case 3:
        TBox(2).Enabled = false;
        bout(27).Enabled = true;
        break;
    case 4:
        TBox(2).Enabled = true;
        bout(27).Enabled = false;
        break;
    default: break;
    }
}

void Tav::Calcul_K_Resolution() {
    if (Optn(1).Value) {
        Optn(2).Value = 0;
        IndResolution = 0;
    } else {
        Optn(1).Value = 0;
        IndResolution = -1;
    }
    // Under independence of the picture's dimension a length is counted in thousandths of
    // the picture's width in pixels.
    Chargeur::Echelle_resolution();
}

void Tav::Cyst_Click(short index) {
    if (index < 1 || index > 3) return;
    if (!Item::Prepare(Item::Commande::Fonction)) return;
    const short fonction = short(index + 3);
    // No to the question leaves the current function and its menus whole.
    if (NumFonction != fonction && NbLignesGrille > 0 && !Declarations::Confirme_changement()) return;
    MnuFonc(6).Enabled = true;
    MnuFonc(7).Enabled = true;
    // Choosing the function already in use keeps its grid.
    if (NumFonction == fonction) return;
    Gen::Change_fonction();
    Gen::RAZ_boutons_fonction();
    ImageRestauree = 0;
    NumFonction = fonction;
    PGr::Modes_fonction();
    PGr::Choix_fonction();
    Retrace(0);
}
