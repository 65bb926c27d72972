// The measuring window's option check boxes, its single buttons, its floating frames and
// the text boxes whose click or focus matters (the start-up warning is accepted here).
#include "app/aide.h"
#include "app/parametres.h"
#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/grilles.h"
#include "base/messages.h"
#include "base/rappels.h"
#include "base/tav.h"
#include "base/vb.h"
#include "colour/ajustement.h"
#include "colour/correction.h"
#include "colour/etat_couleur.h"
#include "image/etat_image.h"
#include "image/services_image.h"
#include "platform/bip.h"
#include "platform/prompts.h"

namespace {

// The warning counts as read once the caret stands within its last characters.
constexpr int kFinAvertissement = 15;

} // namespace

void Tav::Check_Click(short index) {
    Optn(5).Value = 0;
    Optn(6).Value = -1;
    Optn_Click(6);
    if (index == 2) {
        AutoRetrace = Check(2).Value == 1 ? -1 : 0;
        if (AutoRetrace) Rappels::Retrace(0);
    } else if (index == 3) {
        GrilleRefP.setBackColor(Check(3).Value == 1 ? 0xC0FFC0 : 0xE0E0E0);
        Calcul_stat();
    }
}

void Tav::Check3_Click() {
    if (Check3.Value == 1) {
        ReferenceSurImage = -1;
        Picture2.Width = picbase.Width;
        Picture2.Height = picbase.Height;
        return;
    }
    // Unticked, annotations stay on the view only and the command bar redraws it again.
    ReferenceSurImage = 0;
    CalSrc(1).Checked = false;
}

void Tav::CheckExpert_Click() {
    if (!CalibrageCol) CheckCalibre.Enabled = false;
    if (CheckExpert.Value == 1) CheckCalibre.Enabled = true;
}

void Tav::cmd_Ch_Click() { Ajustement::Ouvre(); }

void Tav::cmdAlerte_Click() {}

void Tav::Command2_Click() {
    CorrectionPrete = 0;
    Vistrane::Charge_Calibrage(1);
}

void Tav::Command3_Click() { Gen::Sauve_image_twain(1); }

void Tav::Command4_Click(short index) {
    StatusBar.Text.clear();
    if (index == 0) {
        Rappel_Ecran3();
        Bip::sonner();
        StatusBar.Text = QStringLiteral(" ***  Attention : faire 'retrace' avant de reprendre les mesures  ! ****");
    } else if (index == 1) {
        Sauve_Ecran3();
    }
}

void Tav::copie_Click() { Gen::Copie_ecran(QStringLiteral("essai"), 1); }

void Tav::Frame_MouseMove(short index, short Button, short, float X, float Y) {
    if (index < 6 || index > 13 || index == 11 || Button != 1) return;
    Controle& cadre = Frame(index);
    cadre.Left = Vb::CLng(cadre.Left / 2.0 + X * 1.2);
    cadre.Top = Vb::CLng(cadre.Top / 2.0 + Y * 1.2);
}

void Tav::TBox_GotFocus(short index) {
    if (index != 0 && index != 5) return;
    TBoxSelStart[index] = 0;
    TBoxSelLength[index] = int(TBox(index).Text.size());
    if (index == 5) StatusBar.Text.clear();
}

void Tav::TBox_Click(short index) {
    if ((index >= 1 && index <= 6) || index == 8) return;
    if (IllusTexte || IllusReference) return;
    bout(34).Caption = Lib_Langue[198];
    bout(33).Caption = Lib_Langue[197];
    if (bout(10).BackColor == CouleursBouton::Rouge) return;
    const QString& texte = TBox(7).Text;
    // An empty box means the warning file was missing: there is nothing to accept.
    if (texte.isEmpty()) {
        if (AvertissementAffiche)
            Prompts::msgBox(QStringLiteral("avert_") + CodeLangue + QStringLiteral(".txt") + Lib_Langue[177]);
        return;
    }
    if (TBoxSelStart[7] <= texte.size() - kFinAvertissement) return;
    Check(4).Enabled = false;
    bout(33).Enabled = true;
    bout(34).Enabled = true;
    bout(34).Caption = Lib_MenuStat[31];
    Prompts::msgBox(Lib_Menu[1], Prompts::OkOnly);
    AvertissementAccepte = -1;
    AvertissementAffiche = 0;
    Gen::Sauve_parametres(1);
}
