// The adjustment window's search and its settings: the formula, the number of results,
// the tolerance boxes and the automatic mode.
#include "base/messages.h"
#include "base/vb.h"
#include "colour/ajustement.h"
#include "colour/ajustement_calcul.h"
#include "colour/etat_couleur.h"
#include "platform/prompts.h"

void Ajustement::calcul_Ajust() { Applique(CalculAjustement::calcul_Ajust(Entrees())); }

void Ajustement::OpDelta_Click(short index) { Applique(CalculAjustement::OpDelta_Click(index, Entrees())); }

void Ajustement::ChKRel_Click() { calcul_Ajust(); }

void Ajustement::ComCalc_Click() { calcul_Ajust(); }

void Ajustement::Text4_Change() {
    double voulus = 0;
    try {
        voulus = Vb::Val(Text4.Text);
    } catch (const Vb::Erreur&) {
        calcul_Ajust();  // which refuses a count beyond the doubles
        return;
    }
    if (!(voulus > 0)) Fixe_texte(Text4, QStringLiteral("1"));
    // Too many asked: said, and the search lists what the chart holds.
    if (Vb::Val(Text4.Text) > NbCouleurs)
        Prompts::msgBox(Lib_Langue[224] + QString::number(NbCouleurs) + Lib_Langue[225], Prompts::OkOnly);
    calcul_Ajust();
}

void Ajustement::VScroll2_Change() { Fixe_texte(Text4, QString::number(VScroll2.Max - VScroll2.Value + 1)); }

void Ajustement::VScroll1_Change(short) {
    // Any of the three bars sets the three boxes from the first.
    Text1(0).Text = QString::number(VScroll1(0).Max - VScroll1(0).Value + 1);
    Text1(1).Text = Text1(0).Text;
    Text1(2).Text = Text1(0).Text;
}

void Ajustement::Option5_Click(short Index) {
    if (Index == 0) {
        Text4.Enabled = true;
        Text4.BackColor = CouleursAjustement::Blanc;
    } else if (Index == 1) {
        Text4.Enabled = false;
        Text4.BackColor = CouleursAjustement::Desactive;
    }
}

void Ajustement::Option1_Click(short Index) {
    for (int i = 0; i <= 2; ++i) Label2(i).Caption.clear();
    for (int i = 0; i <= 1; ++i) Option1(i).Value = i == Index ? -1 : 0;
    if (Index == 1) Label2(0).Caption = QStringLiteral("%");
}

void Ajustement::Check4_Click() {
    if (Check4.Value == 1) {
        for (int i = 0; i <= 2; ++i) {
            Text1(i).BackColor = CouleursAjustement::Automatique;
            Label2(i).Caption.clear();
        }
        Sources_par_defaut();
        Text4.BackColor = CouleursAjustement::Blanc;
        Text4.Enabled = true;
        VScroll2.Enabled = true;
        Text1(0).Enabled = false;
        VScroll1(0).Enabled = false;
        ActiveControl = QStringLiteral("Text4");
    } else {
        for (int i = 0; i <= 2; ++i) Label2(i).Caption.clear();
        Label2(0).Caption = QStringLiteral("%");
        Text1(1).Enabled = false;
        Option1(0).Enabled = true;
        Option1(1).Enabled = true;
        Selectionne(Option1, 1);
        Text1(0).BackColor = CouleursAjustement::Blanc;
        Text1(0).Enabled = true;
        Text4.Enabled = false;
        VScroll1(0).Enabled = true;
        ActiveControl = QStringLiteral("Text1(0)");
    }
}
