// The calibration panel: its opening, its steps (pointing on a part of the picture, the
// file's list, saving, the correction, the objective standard), the correction frame and
// the panel's entry box.
#include <cmath>

#include "base/etat_partage.h"
#include "base/gen.h"
#include "base/messages.h"
#include "base/tav.h"
#include "base/vb.h"
#include "image/etat_image.h"
#include "image/image_affichee.h"
#include "image/services_image.h"
#include "measure/calibrage.h"
#include "measure/etat_calibrage.h"
#include "measure/item_en_cours.h"
#include "platform/prompts.h"

namespace {

constexpr long kBlanc = 0xFFFFFF;
constexpr long kJaune = 0xFFFF;

void Pointage_portion(Tav& t) {
    if (!Calibrage::Pointage_possible()) return;
    t.bout(4).Enabled = false;
    short methode = -1;
    if (t.Optn(3).Value) methode = 0;
    else if (t.Optn(4).Value) methode = 3;
    if (methode < 0) return;
    t.Frame(7).Visible = false;
    t.StatusBar.Text = Lib_Langue[165];
    Calibrage::Debut_pointage(methode);
    t.TBox(5).Text = methode == 0 ? QString::number(LongueurPixels) : Vb::CStr(LongueurPixels * CalibrageActuel);
}

void Pointage_objectif(Tav& t) {
    if (!Calibrage::Pointage_possible()) return;
    Calibrage::Debut_pointage(2);
    Chargeur::Echelle_resolution();
    t.Frame(7).Visible = false;
    t.StatusBar.Text = Lib_Langue[164];
}

void Bascule_correction(Tav& t) {
    Controle& cadre = t.Frame(14);
    cadre.Visible = !cadre.Visible;
    t.bout(44).Caption = QStringLiteral("Correction calibrage");
    t.TBox(0).Enabled = false;
    if (!cadre.Visible) return;
    cadre.Caption.clear();
    t.TBox(0).Enabled = true;
    cadre.Enabled = true;
    CalibrageAvantCorrection = CalibrageActuel;
    t.bout(44).Caption = QStringLiteral("fermer correction");
}

} // namespace

void Tav::Calibrage_Ouvre(short idx_cal) {
    for (int i = 21; i <= 26; ++i) bout(i).Enabled = true;
    bout(20).Enabled = false;
    TBox(0).BackColor = kBlanc;
    TBox(0).Text = Vb::CStr(CalibrageActuel);
    TBox(0).Enabled = false;
    label(7).Caption = Lib_Langue[110];
    Frame(7).Visible = true;
    Frame(14).Visible = false;
    bout(44).Caption = QStringLiteral("Correction calibrage");
    if (idx_cal == 0) {
        Bout_dial_Click(2);
        TBox(0).BackColor = kJaune;
    }
}

void Tav::Calibrage_Etape(short etape) {
    Optn(3).Enabled = true;
    Optn(4).Enabled = true;
    Frame(14).Enabled = true;
    EtapeCalibrage = etape;
    bout(20).Enabled = false;
    switch (etape) {
    case 2: Pointage_portion(*this); break;
    case 3:
        label(3).Caption = Lib_Langue[112];
        ListCalib.Visible = true;
        Calibrage_Charge();
        bout(20).Enabled = false;
        break;
    case 4:
        label(7).Caption = Lib_Langue[121];
        TBox(0).Text.clear();
        TBox(0).Visible = true;
        TBox(0).BackColor = kJaune;
        TBox(0).Enabled = true;
        bout(20).Enabled = true;
        break;
    case 5:
        bout(6).Enabled = false;
        TBox(0).Visible = true;
        TBox(0).Text = Vb::CStr(CalCorrection);
        bout(20).Enabled = true;
        label(3).Caption = Lib_Langue[113];
        break;
    case 6: Pointage_objectif(*this); break;
    case 23: Bascule_correction(*this); break;
    default: break;
    }
    if (etape != 2) bout(23).Enabled = false;
}

void Tav::Command1_Click(short index) {
    if (index != 0 && index != 1) return;
    if (!Item::Prepare(Item::Commande::Coefficient)) return;
    TBox(0).ForeColor = 0;
    double c = CalibrageActuel;
    if (index == 0) {
        // Both boxes must hold a number, whole: the entry box may still hold a comment
        // typed for a save ("40x huile"), which is no coefficient.
        double facteur = 0, coefficient = 0;
        const bool nombres = Gen::Nombre_lu(TBox(1).Text, facteur) && Gen::Nombre_lu(TBox(0).Text, coefficient);
        c = nombres ? facteur * coefficient : 0;
        label(7).Caption = Lib_Langue[110];
    } else {
        c = CalibrageAvantCorrection;
    }
    if (Gen::Coefficient_valable(c)) {
        CalibrageActuel = c;
    } else {
        CalibrageActuel = CalibrageAvantCorrection;
        Prompts::msgBox(Lib_Langue[208], Prompts::OkOnly);
    }
    TBox(0).Text = Vb::CStr(CalibrageActuel);
    TBox(0).ForeColor = CouleursBouton::Rouge;
    // The corrected coefficient is the displayed image's, as a pointing's is: the rows
    // measured with it are saved and reloaded under it.
    try {
        Calibrage::Retient_pour_image();
    } catch (const Vb::Erreur&) {
    }
}

void Tav::TBox_Change(short index) {
    if (index == 0) return;
    // The scale bar's value follows the box as it is typed; a text that is not yet a
    // length (empty, a sign alone) leaves the last one.
    if (index == 5 && (IllusReference || IllusReferenceValeur) && EtatSaisie == 1) {
        double v = 0;
        if (Gen::Nombre_lu(TBox(5).Text, v) && v > 0 && std::isfinite(float(v))) LongueurRef = float(v);
    }
    bout(20).Enabled = false;
}

void Tav::TBox_KeyPress(short index, short KeyAscii) {
    if (index == 0 && KeyAscii == 13) Calibrage_Valide();
}
