// The measuring window's function menus (density, surface, start-up function) and its
// options menu: decimals, default statistics view, auto-save, notation, screen copy and
// the slow-machine switch.
#include "base/declarations.h"
#include "app/menus_communs.h"
#include "app/parametres.h"
#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/messages.h"
#include "base/rappels.h"
#include "base/tav.h"
#include "grid/etat_grille.h"
#include "grid/fonction.h"
#include "measure/etat_mesure.h"
#include "measure/item_en_cours.h"
#include "measure/services_mesure.h"

namespace {

// The end of every surface item: a new figure starts, measured with the new function.
void Fin_surface() {
    NbSommets = 0;
    PGr::Choix_fonction();
    Rappels::Retrace(0);
}

// Sets a check box as a click would, running its handler only when its value changes.
void Decoche(Tav& tav, short index) {
    if (tav.Check(index).Value == 0) return;
    tav.Check(index).Value = 0;
    tav.Check_Click(index);
}

} // namespace

void Tav::MnDens_Click(short index) {
    if (index < 1 || index > 2) return;
    if (!Item::Prepare(Item::Commande::Fonction)) return;
    // The question comes before any change, so that No leaves the current function whole.
    if (NbLignesGrille > 1 && !Declarations::Confirme_changement()) return;
    // The former function's frames and modes go: the colour chart's frame would take
    // the surface's clicks.
    Gen::RAZ_boutons_fonction();
    Optn(5).Enabled = false;
    Optn(6).Enabled = false;
    ModeDensite = -1;
    TBox(6).Text = QStringLiteral("0");
    NumFonction = short(index + 12);
    PGr::Modes_fonction();
    Gen::Change_fonction();
    MnuFIC(9).Enabled = false;
    bout(10).Enabled = false;
    ImageRestauree = 0;
    PGr::Choix_fonction();
    StatusBar.Text = Lib_Langue[69];
    Rappels::Retrace(0);
}

void Tav::Mnusurf_Click(short index) {
    if (index < 1 || index > 3) return;
    if (!Item::Prepare(Item::Commande::Fonction)) return;
    if (NbLignesGrille > 1 && !Declarations::Confirme_changement()) return;
    Gen::RAZ_boutons_fonction();
    Gen::Change_fonction();
    bout(42).Visible = true;
    ModeTriangle = index == 1 ? -1 : 0;
    ModePolygone = index == 1 ? 0 : -1;
    if (index == 2) PolygoneCercles = -1;
    if (index == 3) PolygoneCercles = 0;
    NumFonction = index == 1 ? 15 : 16;
    Fin_surface();
    if (index == 2) Fin_surface();
}

void Tav::Fdemarrage_Click(short index) {
    if ((index < 0 || index > 5) && index != 20) return;
    Menus::Coche_parmi(Fdemarrage, {0, 1, 2, 3, 4, 5, 20}, index);
    FonctionDemarrage = index == 20 ? 20 : short(index + 1);
}

void Tav::Mndecim_Click(short index) {
    static const char* const formats[] = {"", "###0", "###0.0", "###0.00"};
    if (index < 0 || index > 3) return;
    Menus::Coche_parmi(Mndecim, {0, 1, 2, 3}, index);
    // A fixed number of decimals stops the calibration from choosing it.
    DecimalesAuto = index == 0 ? -1 : 0;
    if (index > 0) FormatDecimal = QString::fromLatin1(formats[index]);
}

void Tav::statdef_Click(short index) {
    if (index < 1 || index > 4) return;
    Menus::Coche_parmi(statdef, {1, 2, 3, 4}, index);
    StatDef = index;
}

void Tav::MNSav_Click(short index) {
    if (index < 0 || index > 2) return;
    Menus::Coche_parmi(MNSav, {0, 1, 2}, index);
    SauveAuto = short(index * 10);
}

void Tav::NoTexp_Click(short index) {
    if (index < 1 || index > 5) return;
    Menus::Coche_parmi(NoTexp, {1, 2, 3, 4, 5}, index);
}

void Tav::Mn_Copie_Ecran_Click(short index) {
    if (index < 1 || index > 2) return;
    Menus::Coche_parmi(Mn_Copie_Ecran, {1, 2}, index);
}

void Tav::MnuOpt_Click(short index) {
    if (index != 18) return;
    if (!Item::Prepare(Item::Commande::Style)) return;
    MnuOpt(18).Checked = !MnuOpt(18).Checked;
    ModeDeuxAxes = MnuOpt(18).Checked ? -1 : 0;
    Optn(5).Enabled = true;
    if (MnuOpt(18).Checked) return;
    // A slow machine measures in two points, without redraws or running statistics.
    Optn(5).Enabled = false;
    if (!Optn(6).Value) {
        Optn(5).Value = 0;
        Optn(6).Value = -1;
        Optn_Click(6);
    }
    Decoche(*this, 2);
    Decoche(*this, 3);
}
