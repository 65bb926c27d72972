// The view's keyboard shortcuts: undo, grid, abandon, the view keys C, PageDown and Z, the
// magnifier's zone, the panel's position, the keys held for a click on the window, the
// hand mode on Ctrl, and the pointer speed that Shift slows down.
#include "base/etat_demarrage.h"
#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/rappels.h"
#include "grid/etat_grille.h"
#include "image/etat_image.h"
#include "image/vignette.h"
#include "measure/item_en_cours.h"
#include "measure/outils_mesure.h"
#include "measure/services_mesure.h"
#include "platform/souris.h"

using namespace Mesure;

namespace {

// The key codes the view handles.
namespace Code {
constexpr short Retour = 8, Majuscule = 16, Ctrl = 17, Echap = 27, Espace = 32, PageSuivante = 34, C = 67, E = 69,
                G = 71, V = 86, W = 87, Z = 90, Chevrons = 226;
} // namespace Code

// The magnifier repainted around the last click, with its cross.
void Loupe_au_clic() {
    Tav& t = tav();
    Surface& loupe = t.PLoupePic.surface();
    loupe.AutoRedraw = true;
    loupe.Cls();
    loupe.PaintPicture(t.Picture1.contenu(), 0, 0, TailleLoupeEcran, TailleLoupeEcran, double(ClicX) - DemiZoneLoupe,
                       double(ClicY) - DemiZoneLoupe, ZoneLoupe, ZoneLoupe);
    BGr::Croix_loupe(DemiLoupeEcran, DemiLoupeEcran);
}

// The end of a view key's mode: its flag and the view-mode flag cleared, and the drawing
// state left clean.
void Fin_mode_vue(short& drapeau) {
    // A key refused while an item was drawn set nothing: its release leaves the item alone.
    if (!drapeau) return;
    drapeau = 0;
    ToucheModeVue = 0;
    ImageRestauree = 0;
    PGr::RAZ_etats_trace();
}

} // namespace

namespace BGr {

void Touche_enfoncee(short KeyCode, short Shift) {
    Tav& t = tav();
    switch (KeyCode) {
    case Code::Retour: PGr::Annule_point_ou_ligne(); break;
    case Code::Majuscule: t.Vmouse(1); break;
    case Code::Ctrl:
        ModeDeplace = -1;
        t.DeplaceMain();
        break;
    case Code::Echap: static_cast<void>(Item::Prepare(Item::Commande::Echap)); break;
    case Code::Espace:
        t.Frame(6).Visible = !t.Frame(6).Visible;
        t.Calcul_stat();
        break;
    case Code::PageSuivante:
    case Code::C:
        if (Item::Prepare(Item::Commande::Vue)) {
            ToucheDeplacement = -1;
            ToucheModeVue = -1;
        }
        break;
    case Code::Z:
        if (Item::Prepare(Item::Commande::Vue)) {
            ToucheModeVue = -1;
            ToucheZoom = -1;
        }
        break;
    case Code::Chevrons:
        ZoneLoupe = ZoneLoupe == 500 ? 1000 : 500;
        DemiZoneLoupe = short(ZoneLoupe / 2);
        if (t.PLoupePic.Visible) Loupe_au_clic();
        break;
    case Code::V: ToucheV = -1; break;
    case Code::W: ToucheW = -1; break;
    case Code::G:
        PositionPanneau = short((PositionPanneau + 1) & 3);
        Rappels::Position_panneau();
        break;
    case Code::E: ToucheE = -1; break;
    default: break;
    }
    if (Shift == 0) t.Vmouse(0);
    else if (Shift == 1) t.Vmouse(1);
}

void Touche_relachee(short KeyCode) {
    Tav& t = tav();
    switch (KeyCode) {
    case Code::Majuscule: t.Vmouse(2); break;
    case Code::Ctrl:
        ModeDeplaceBascule = ModeDeplaceBascule ? 0 : -1;
        ModeDeplace = ModeDeplaceBascule;
        t.DeplaceMain();
        break;
    case Code::PageSuivante:
    case Code::C: Fin_mode_vue(ToucheDeplacement); break;
    case Code::Z: Fin_mode_vue(ToucheZoom); break;
    case Code::V: ToucheV = 0; break;
    case Code::W: ToucheW = 0; break;
    case Code::E: ToucheE = 0; break;
    default: break;
    }
}

} // namespace BGr

void Tav::Picture1_KeyDown(short KeyCode, short Shift) { BGr::Touche_enfoncee(KeyCode, Shift); }

void Tav::Picture1_KeyUp(short KeyCode, short) { BGr::Touche_relachee(KeyCode); }

// The pointer speed is the program's own: 1 slow, 0 normal, 2 the speed read at load.
void Tav::Vmouse(short code) {
    switch (code) {
    case 0: Souris::setVitesse(10); break;
    case 1: Souris::setVitesse(2); break;
    case 2: Souris::setVitesse(VitesseSouris); break;
    default: break;
    }
}
