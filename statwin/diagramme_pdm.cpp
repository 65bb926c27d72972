// The dominant values of the diagram: marking two limits on the picture, computing
// the values between them and their dominant value, storing it, going on with the
// values left outside, cancelling and resetting.
#include <QPalette>
#include <cmath>

#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/messages.h"
#include "base/vb.h"
#include "platform/prompts.h"
#include "platform/surface.h"
#include "stats/valeur_dominante.h"
#include "statwin/diagramme_calcul.h"
#include "statwin/fenhisto.h"
#include "platform/pressepapier.h"

namespace {
constexpr long Gris = 0xC0C0C0;
constexpr long Vert = 0x00FF00;
} // namespace

void PanneauDiagramme::construire_pdm(FenHisto& f) {
    QGroupBox* pdms = &MFrame1(1);
    Twips::placer(*pdms, 2640, 5160, 4200, 1650);
    MCommand2 = cree<QPushButton>(pdms, 60, 240, 900, 330, QStringLiteral("PDMS 1"));
    MCommand2->setAutoFillBackground(true);
    Couleur_MCommand2(false);
    QObject::connect(MCommand2, &QPushButton::clicked, &f, [this] { MCommand2_Click(); });

    struct Bouton {
        int index;
        const char* texte;
        QWidget* parent;
        int left, top, width;
    };
    QGroupBox* sortie = &MFrame1(5);
    Twips::placer(*sortie, 120, 5160, 2400, 1230);
    const Bouton boutons[] = {
        {3, "calcul", pdms, 1020, 240, 780},   {4, "Ok", pdms, 1830, 240, 540},
        {5, "Annule", pdms, 2400, 240, 780},   {14, "Raz", pdms, 3210, 240, 600},
        {15, "Xi", pdms, 2400, 630, 540},      {16, "/Xi", pdms, 2970, 630, 600},
        {0, "copie ecran", sortie, 60, 240, 1110}, {1, "fichier", sortie, 1200, 240, 1110},
        {2, "Presse papier", sortie, 60, 585, 2250},
    };
    for (const Bouton& b : boutons) {
        auto* w = cree<QPushButton>(b.parent, b.left, b.top, b.width, 330, QString::fromUtf8(b.texte));
        MCommand5.ajouter(b.index, w);
        const short i = short(b.index);
        QObject::connect(w, &QPushButton::clicked, &f, [this, i] { MCommand5_Click(i); });
    }
    // Nothing stands behind these two outputs.
    MCommand5(0).setEnabled(false);
    MCommand5(1).setEnabled(false);
    for (int i : {3, 4, 5, 15, 16}) MCommand5(i).setEnabled(false);
    cmdResumeTout = cree<QPushButton>(sortie, 60, 900, 2250, 315, QStringLiteral("Aperçu global"));
    QObject::connect(cmdResumeTout, &QPushButton::clicked, &f, [this] { cmdResumeTout_Click(); });

    MLabel5.ajouter(0, cree<QLabel>(pdms, 60, 675, 600, 255, QStringLiteral("limites")));
    MLabel5.ajouter(1, cree<QLabel>(pdms, 660, 675, 780, 255, QStringLiteral(" -")));
    MLabel5.ajouter(2, cree<QLabel>(pdms, 1470, 675, 780, 255, QStringLiteral(" -")));
    lblNb = cree<QLabel>(pdms, 60, 1035, 2850, 255);
}

void PanneauDiagramme::Couleur_MCommand2(bool marquage) {
    QPalette p = MCommand2->palette();
    p.setColor(QPalette::Button, Surface::couleur(marquage ? Vert : Gris));
    MCommand2->setPalette(p);
}

double PanneauDiagramme::MCalcul_Dominante(short flag, const std::vector<double>& valeurs) {
    NbValeursDiag = short(valeurs.empty() ? 0 : valeurs.size() - 1);
    try {
        return Mstat::Valeur_Dominante(flag, valeurs);
    } catch (const std::exception&) {
        return 0;
    }
}

void PanneauDiagramme::MCommand2_Click() {
    if (Bascule_marquage()) {
        Couleur_MCommand2(true);
        Statut(QStringLiteral("marquer 2 points encadrant le PDM trouvé puis presser <Calcul>"));
    } else {
        Couleur_MCommand2(false);
        for (int i : {3, 4, 15, 16}) MCommand5(i).setEnabled(false);
        MLabel5(1).setText(QStringLiteral(" -"));
        MLabel5(2).setText(QStringLiteral(" -"));
    }
}

void PanneauDiagramme::MHistPic_MouseUp(int, int, double X, double) {
    if (!ModeMarquagePdm) return;
    // The click is read on the same shifted abscissas as the drawing; an origin beyond
    // the doubles leaves no drawing to click on.
    double d = 0;
    try {
        if (MCheck1(3).isChecked()) d = Gen::Val_decimal(MText5->text());
    } catch (const Vb::Erreur&) {
        return;
    }
    const auto limite = Clic_limite(X + d);
    if (limite == Limite::Basse) {
        for (int i : {3, 4, 5}) MCommand5(i).setEnabled(false);
        MLabel5(1).setText(Vb::Format(LimiteBasse, QStringLiteral("##.##")) + QLatin1Char(' '));
        MLabel5(2).setText(QString());
    } else if (limite == Limite::Haute) {
        MCommand5(3).setEnabled(true);
        MLabel5(2).setText(Vb::Format(LimiteHaute, QStringLiteral("##.##")) + QLatin1Char(' '));
    }
}

int PanneauDiagramme::Mcherche_Xi(float x, short mode) { return Cherche_Xi(ValeursDiag, NbValeursDiag, x, mode); }

bool PanneauDiagramme::Mcalcul_dlms() {
    const auto plage = Prend_plage(ValeursDiag, NbValeursDiag);
    if (!plage) {
        Prompts::msgBox(Lib_Stat[1] + Lib_Stat[3]);
        return false;
    }
    MstrData = plage->serie;
    lblNb->setText(plage->compte);
    Mcalcul(MstrData, 1);
    return true;
}

bool PanneauDiagramme::Refuse(const QString& refus) {
    if (refus.isEmpty()) return false;
    Prompts::msgBox(refus);
    return true;
}

void PanneauDiagramme::Ferme_plage(bool acceptee) {
    MLabel5(1).setText(QStringLiteral("-"));
    MLabel5(2).setText(QStringLiteral("-"));
    MFrame1(1).setTitle(QStringLiteral("PDMS"));
    for (int i : {3, 4, 5}) MCommand5(i).setEnabled(false);
    Range(acceptee);
    Msto_texte();
}

void PanneauDiagramme::MCommand5_Click(short index) {
    switch (index) {
    case 2:
        PressePapier::mettre_texte(Texte_MText1());
        break;
    case 3:
        if (Refuse(Refus_calcul())) return;
        if (MVScroll2(5).value() > 0 && fen().Hopt(1).isChecked()) Prompts::msgBox(Lib_Stat[17]);
        // After a refusal there is no dominant value of a range to accept.
        if (!Mcalcul_dlms()) return;
        MFrame1(1).setTitle(QStringLiteral("PDMS = ") + Vb::Format(PdmCourant, QStringLiteral("##.##")));
        for (int i : {4, 5, 15, 16}) MCommand5(i).setEnabled(true);
        Statut(QStringLiteral("résultats données voisines du PDM / Presser <OK>"));
        break;
    case 4:
        if (Refuse(Refus_table_pleine())) return;
        Ferme_plage(true);
        if (!MCheck1(6).isChecked()) {
            MstrData = MstrDataTout;
            Mcalcul(MstrData, 0);
        }
        MCommand2->setText(Suivant());
        if (MCheck1(7).isChecked()) {
            MCheck1(6).setChecked(true);
            MCommand5_Click(16);
        }
        Statut(QStringLiteral("Résultats relatifs aux données restantes"));
        break;
    case 5:
        Annule_PDM();
        break;
    case 14:
        RazModes(0);
        break;
    case 15:
        MText3->setText(Valeurs_marquees());
        break;
    case 16: {
        MstrData = MstrDataTout;
        Mcalcul(MstrData, 0);
        // The values left are those of the series the limits were read on, which is
        // the one shown after an earlier "/Xi" rather than the whole series.
        const QString reste = Valeurs_restantes();
        if (reste.isEmpty()) {
            Prompts::msgBox(QStringLiteral("il ne reste aucune donnée à calculer"));
            return;
        }
        Mcalcul(reste, 1);
        MText3->setText(reste);
        if (MCheck1(6).isChecked()) ReCalcul(0);
        break;
    }
    default:
        break;
    }
}

void PanneauDiagramme::Annule_PDM() {
    if (Refuse(Refus_table_pleine())) return;
    Ferme_plage(false);
    MstrData = MstrDataTout;
    Mcalcul(MstrData, 0);
    MCommand2->setText(Legende_compteur());
}

void PanneauDiagramme::RazModes(short mode) {
    auto effacer = [this] {
        Efface();
        MCommand2->setText(QStringLiteral("PDMS "));
        MLabel5(1).setText(QStringLiteral("-"));
        MLabel5(2).setText(QStringLiteral("-"));
        Msto_texte();
    };
    if (mode == 0) {
        if (ModeMarquagePdm) {
            effacer();
        } else {
            Msto_texte();
            MstrData = MstrDataTout;
            Mcalcul(MstrData, 0);
        }
    } else if (mode == 1) {
        effacer();
        PremierTexte = -1;
    }
}

void PanneauDiagramme::ReCalcul(short index) {
    // The figures shown stay those of the series before.
    if (Refus_depassement(MText3->text())) return;
    MstrData = MText3->text();
    if (Diagramme::Limite_serie(MstrData)) Refus_longueur();
    if (ModeMarquagePdm) MCommand2_Click();
    MFrame1(1).setTitle(QString());
    MHistPic->surface().Cls();
    Mcalcul0();
    if (index == 1) RazModes(1);
}
