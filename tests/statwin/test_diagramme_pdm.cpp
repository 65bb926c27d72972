// Dominant values of the diagram: marking two limits, computing the values between
// them, storing, going on with the rest, cancelling and resetting.
#include <QClipboard>
#include <QGuiApplication>

#include "base/messages.h"
#include "platform/prompts.h"
#include "tests/statwin/test_diagramme_commun.h"

namespace {

class PdmDiagramme : public DiagrammeTest {
protected:
    // The example series computed, the marking mode on.
    FenHisto& marquer() {
        FenHisto& f = ouvrir();
        calculer(f, Exemple);
        f.MCommand2_Click();
        return f;
    }
    // Two clicks on the diagram, then "calcul".
    static void plage(FenHisto& f, double a, double b) {
        f.MHistPic_MouseUp(1, 0, a, 10);
        f.MHistPic_MouseUp(2, 0, b, 10);
        f.MCommand5_Click(3);
    }
    static bool contient(const FenHisto& f, const char* ligne) { return resume(f).contains(Nombre_local(QString::fromUtf8(ligne))); }
    // A prompt expected from an action.
    template <class F>
    static void avec_message(const QString& texte, F action) {
        Prompts::Script script;
        script.message(texte);
        action();
        EXPECT_EQ(script.remaining(), 0) << texte.toStdString();
    }
};

TEST_F(PdmDiagramme, DeuxPlagesRetenuesPuisUneAnnulee) {
    FenHisto& f = marquer();
    EXPECT_EQ(f.MCommand2->palette().color(QPalette::Button), QColor(0, 255, 0));
    EXPECT_FLOAT_EQ(f.TablePdm[0], 5.8f);

    // 6,3 then 5,9 frame the five 6 and the five 6,2 (positions 3 to 12).
    f.MHistPic_MouseUp(1, 0, 6.3, 10);
    EXPECT_EQ(S(f.MLabel5(1).text()), "6,3 ");
    EXPECT_FALSE(f.MCommand5(3).isEnabled());
    f.MHistPic_MouseUp(1, 0, 5.9, 10);
    EXPECT_TRUE(f.MCommand5(3).isEnabled());
    f.MCommand5_Click(3);
    EXPECT_EQ(f.IndexBas, 3);
    EXPECT_EQ(f.IndexHaut, 12);
    // 10 values over 6,2 - 6 = 0,2: 50 a unit; their dominant value is 6.
    EXPECT_EQ(S(f.lblNb->text()), "10 pts # 50,");
    EXPECT_EQ(f.NbValeursDiag, 10);
    EXPECT_EQ(S(f.MFrame1(1).title()), "PDMS = 6,");
    f.MCommand5_Click(4);
    // "Ok" keeps the value of the range, not the one found before marking (5,8).
    EXPECT_FLOAT_EQ(f.TablePdm[1], 6.0f);
    EXPECT_EQ(f.CompteurPdm, 2);
    EXPECT_EQ(S(f.MCommand2->text()), "PDMS 2");
    EXPECT_EQ(f.NbValeursDiag, 17);

    // The four 6,5 and the 6,8: 5 values over 0,3, dominant value 6,5.
    plage(f, 6.4, 6.9);
    EXPECT_EQ(S(f.lblNb->text()), "5 pts # 16,7");
    f.MCommand5_Click(4);
    EXPECT_FLOAT_EQ(f.TablePdm[1], 6.0f);
    EXPECT_FLOAT_EQ(f.TablePdm[2], 6.5f);
    EXPECT_TRUE(contient(f, " PDMS 1 = 6,"));
    EXPECT_TRUE(contient(f, " PDMS 2 = 6,5"));

    // A third range, the five 6,2, computed and cancelled.
    plage(f, 6.1, 6.3);
    EXPECT_NEAR(f.PdmCourant, 6.2, 1e-12);
    f.MCommand5_Click(5);
    EXPECT_FLOAT_EQ(f.TablePdm[2], 6.5f);
    EXPECT_EQ(f.CompteurPdm, 3);
    EXPECT_EQ(f.NbValeursDiag, 17);
    EXPECT_FALSE(contient(f, " PDMS 3 = 6,2"));
    EXPECT_FALSE(f.MCommand5(4).isEnabled());

    // The global summary: the first summary's head, the stored values, its tail.
    f.cmdResumeTout_Click();
    EXPECT_EQ(S(f.Texte_MText1()),
              S(f.TexteResume[1] + " PDMS 1 = 6,\r\n PDMS 2 = 6,5\r\n PDMS 3 = 5,8\r\n" + f.TexteResume[2]));
    f.MCommand5_Click(2);
    EXPECT_EQ(S(QGuiApplication::clipboard()->text()), S(f.Texte_MText1()));
}

TEST_F(PdmDiagramme, PlageSansValeurRefusee) {
    FenHisto& f = marquer();
    const QString insuffisantes = Lib_Stat[1] + Lib_Stat[3];
    // Between two neighbouring values; then a lower limit above every value, which
    // must not reach the array's unused element 0.
    avec_message(insuffisantes, [&] { plage(f, 6.05, 6.15); });
    avec_message(insuffisantes, [&] { plage(f, 7.5, 7); });
    EXPECT_FALSE(f.MCommand5(4).isEnabled());
    EXPECT_EQ(f.NbValeursDiag, 17);
    EXPECT_EQ(S(f.MstrData), S(Exemple));
}

TEST_F(PdmDiagramme, ValeursMarqueesEtValeursRestantes) {
    FenHisto& f = marquer();
    plage(f, 5.9, 6.3);
    f.MCommand5_Click(15);
    EXPECT_EQ(S(f.MText3->text()), "6;6;6;6;6;6,2;6,2;6,2;6,2;6,2;");
    f.MCommand5_Click(16);
    EXPECT_EQ(S(f.MText3->text()), "5,8;5,8;6,5;6,5;6,5;6,5;6,8;");
    EXPECT_EQ(f.NbValeursDiag, 7);
    // Every value of what is shown marked: nothing remains.
    plage(f, 5, 7);
    avec_message(QStringLiteral("il ne reste aucune donnée à calculer"), [&] { f.MCommand5_Click(16); });
}

TEST_F(PdmDiagramme, SEtAutoPdmsGardentLaSerieReduite) {
    FenHisto& f = marquer();
    f.MCheck1(6).setChecked(true);
    plage(f, 5.9, 6.3);
    f.MCommand5_Click(4);
    EXPECT_EQ(f.NbValeursDiag, 10);

    FenHisto::decharger();
    FenHisto& g = marquer();
    g.MCheck1(7).setChecked(true);
    plage(g, 5.9, 6.3);
    g.MCommand5_Click(4);
    // " S" is ticked and the values outside the range become the series.
    EXPECT_TRUE(g.MCheck1(6).isChecked());
    EXPECT_EQ(S(g.MstrDataTout), "5,8;5,8;6,5;6,5;6,5;6,5;6,8;");
    EXPECT_EQ(g.ModeMarquagePdm, 0);
    EXPECT_FLOAT_EQ(g.TablePdm[1], 6.0f);
}

TEST_F(PdmDiagramme, LimitesAlertesEtRaz) {
    FenHisto& f = marquer();
    f.CompteurPdm = 11;
    avec_message(QStringLiteral(" 10 PDMS maximum"), [&] { plage(f, 5.9, 6.3); });
    EXPECT_EQ(f.NbValeursDiag, 17);

    // A resolution above 0 with the alerts on: a warning, then the computation.
    f.MVScroll2(5).setValue(3);
    f.Hopt(1).setChecked(true);
    f.MCommand2_Click();
    avec_message(Lib_Stat[17], [&] { plage(f, 5.9, 6.3); });
    EXPECT_EQ(f.NbValeursDiag, 10);
    f.MCommand5_Click(4);

    // "Raz" in the marking mode empties the table.
    f.MCommand5_Click(14);
    EXPECT_EQ(f.CompteurPdm, 1);
    for (int i = 1; i <= 11; ++i) EXPECT_EQ(f.TablePdm[i], 0.0f) << i;
    EXPECT_TRUE(contient(f, " PDM  = 5,8"));
}

TEST_F(PdmDiagramme, ClicsEtValeurDominante) {
    FenHisto& f = ouvrir();
    calculer(f, Exemple);
    f.MHistPic_MouseUp(1, 0, 6, 10);  // the marking mode is off
    EXPECT_EQ(f.LimiteSuivante, 0);
    // With the fixed X scale the click is read at the drawn abscissa plus the origin.
    f.MCheck1(3).setChecked(true);
    f.MText5->setText(QStringLiteral("2,5"));
    f.MCommand2_Click();
    f.MHistPic_MouseUp(1, 0, 3.5, 10);
    EXPECT_FLOAT_EQ(f.LimiteBasse, 6.0f);
    // One smallest gap: its first value; two in a row: the first two values' mean;
    // among negative values too.
    const struct { const char* serie; double pdm; } cas[] = {
        {"1;2;4;7;11;", 1}, {"1;2;3;4;5;", 1.5}, {"4;9;", 6.5}, {"-5;-3;-2,5;-1;", -3}};
    for (const auto& c : cas) {
        calculer(f, QString::fromUtf8(c.serie));
        EXPECT_NEAR(f.PdmCourant, c.pdm, 1e-12) << c.serie;
    }
}

} // namespace
