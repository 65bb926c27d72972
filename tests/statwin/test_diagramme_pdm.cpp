// Dominant values of the diagram: marking two limits, computing the values between
// them, storing, going on with the rest, cancelling and resetting.
#include <QClipboard>
#include <QGuiApplication>

#include "app/messages.h"
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
    static void limites(FenHisto& f, double a, double b) {
        f.MHistPic_MouseUp(1, 0, a, 10);
        f.MHistPic_MouseUp(2, 0, b, 10);
    }
    static bool contient(const FenHisto& f, const char* ligne) { return resume(f).contains(QString::fromUtf8(ligne)); }
};

TEST_F(PdmDiagramme, DeuxPlagesRetenuesPuisUneAnnulee) {
    FenHisto& f = marquer();
    EXPECT_EQ(f.ModeMarquagePdm, -1);
    EXPECT_EQ(f.MCommand2->palette().color(QPalette::Button), QColor(0, 255, 0));
    EXPECT_EQ(S(f.StatusBar2->text()), "marquer 2 points encadrant le PDM trouvé puis presser <Calcul>");
    EXPECT_FLOAT_EQ(f.TablePdm[0], 5.8f);

    // Clicks at 6,3 then 5,9 frame the five 6 and the five 6,2 (positions 3 to 12).
    f.MHistPic_MouseUp(1, 0, 6.3, 10);
    EXPECT_EQ(S(f.MLabel5(1).text()), "6,3 ");
    EXPECT_FALSE(f.MCommand5(3).isEnabled());
    f.MHistPic_MouseUp(1, 0, 5.9, 10);
    EXPECT_EQ(S(f.MLabel5(2).text()), "5,9 ");
    EXPECT_TRUE(f.MCommand5(3).isEnabled());
    f.MCommand5_Click(3);
    EXPECT_EQ(f.IndexBas, 3);
    EXPECT_EQ(f.IndexHaut, 12);
    // 10 values over 6,2 - 6 = 0,2: 50 a unit.
    EXPECT_EQ(S(f.lblNb->text()), "10 pts # 50,");
    EXPECT_EQ(f.NbValeursDiag, 10);
    EXPECT_DOUBLE_EQ(f.PdmCourant, 6);
    EXPECT_EQ(S(f.MFrame1(1).title()), "PDMS = 6,");
    EXPECT_TRUE(f.MCommand5(4).isEnabled());
    EXPECT_TRUE(f.MCommand5(5).isEnabled());

    f.MCommand5_Click(4);
    // "Ok" keeps the value of the range, not the one found before marking (5,8).
    EXPECT_FLOAT_EQ(f.TablePdm[1], 6.0f);
    EXPECT_EQ(f.CompteurPdm, 2);
    EXPECT_EQ(S(f.MCommand2->text()), "PDMS 2");
    EXPECT_EQ(f.NbValeursDiag, 17);
    EXPECT_EQ(S(f.StatusBar2->text()), "Résultats relatifs aux données restantes");
    EXPECT_TRUE(contient(f, " PDMS 1 = 6,"));

    // The four 6,5 and the 6,8: 5 values over 0,3 (16,7 a unit); their dominant value 6,5.
    limites(f, 6.4, 6.9);
    f.MCommand5_Click(3);
    EXPECT_EQ(S(f.lblNb->text()), "5 pts # 16,7");
    EXPECT_DOUBLE_EQ(f.PdmCourant, 6.5);
    f.MCommand5_Click(4);
    EXPECT_FLOAT_EQ(f.TablePdm[1], 6.0f);
    EXPECT_FLOAT_EQ(f.TablePdm[2], 6.5f);
    EXPECT_EQ(f.CompteurPdm, 3);
    EXPECT_TRUE(contient(f, " PDMS 1 = 6,"));
    EXPECT_TRUE(contient(f, " PDMS 2 = 6,5"));

    // A third range, the five 6,2, computed and then cancelled.
    limites(f, 6.1, 6.3);
    f.MCommand5_Click(3);
    EXPECT_NEAR(f.PdmCourant, 6.2, 1e-12);
    f.MCommand5_Click(5);
    EXPECT_FLOAT_EQ(f.TablePdm[1], 6.0f);
    EXPECT_FLOAT_EQ(f.TablePdm[2], 6.5f);
    EXPECT_EQ(f.CompteurPdm, 3);
    EXPECT_EQ(f.NbValeursDiag, 17);
    EXPECT_FALSE(contient(f, " PDMS 3 = 6,2"));
    EXPECT_TRUE(contient(f, " PDMS 2 = 6,5"));
    EXPECT_FALSE(f.MCommand5(4).isEnabled());

    // The global summary: the first summary's head, the stored values, its tail.
    f.cmdResumeTout_Click();
    EXPECT_TRUE(f.Texte_MText1().startsWith(f.TexteResume[1] + QStringLiteral(" PDMS 1 = 6,\r\n PDMS 2 = 6,5\r\n")));
    EXPECT_TRUE(f.Texte_MText1().endsWith(f.TexteResume[2]));
    EXPECT_EQ(S(f.StatusBar2->text()), "résultats relatif à l'ensemble des données");

    // Leaving the marking mode greys the button and blanks the limits.
    f.MCommand2_Click();
    EXPECT_EQ(f.ModeMarquagePdm, 0);
    EXPECT_EQ(f.MCommand2->palette().color(QPalette::Button), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(S(f.MLabel5(1).text()), " -");
}

TEST_F(PdmDiagramme, PlageSansValeurRefusee) {
    FenHisto& f = marquer();
    {
        Prompts::Script script;
        script.message(QStringLiteral("données insuffisantes"));
        // Between two neighbouring values.
        limites(f, 6.05, 6.15);
        f.MCommand5_Click(3);
        EXPECT_EQ(script.remaining(), 0);
    }
    EXPECT_FALSE(f.MCommand5(4).isEnabled());
    EXPECT_EQ(f.NbValeursDiag, 17);
    {
        Prompts::Script script;
        script.message(QStringLiteral("données insuffisantes"));
        // A lower limit above every value: no value, not the array's unused element 0.
        limites(f, 7.5, 7);
        f.MCommand5_Click(3);
        EXPECT_EQ(script.remaining(), 0);
    }
    EXPECT_FALSE(f.MCommand5(4).isEnabled());
    EXPECT_EQ(f.NbValeursDiag, 17);
    EXPECT_DOUBLE_EQ(f.ValeursDiag[1], 5.8);
    EXPECT_EQ(S(f.MstrData), S(Exemple));
}

TEST_F(PdmDiagramme, ValeursMarqueesEtValeursRestantes) {
    FenHisto& f = marquer();
    limites(f, 5.9, 6.3);
    f.MCommand5_Click(3);
    // "Xi" copies the values between the limits.
    f.MCommand5_Click(15);
    EXPECT_EQ(S(f.MText3->text()), "6;6;6;6;6;6,2;6,2;6,2;6,2;6,2;");
    // "/Xi" goes on with the values outside them.
    f.MCommand5_Click(16);
    EXPECT_EQ(S(f.MText3->text()), "5,8;5,8;6,5;6,5;6,5;6,5;6,8;");
    EXPECT_EQ(f.NbValeursDiag, 7);
    EXPECT_EQ(S(f.MstrDataTout), S(Exemple));

    // Every value marked: nothing remains.
    limites(f, 5, 7);
    f.MCommand5_Click(3);
    Prompts::Script script;
    script.message(QStringLiteral("il ne reste aucune donnée à calculer"));
    f.MCommand5_Click(16);
    EXPECT_EQ(script.remaining(), 0);
}

TEST_F(PdmDiagramme, OkAvecSGardeLaSerieReduite) {
    FenHisto& f = marquer();
    f.MCheck1(6).setChecked(true);
    limites(f, 5.9, 6.3);
    f.MCommand5_Click(3);
    f.MCommand5_Click(4);
    EXPECT_EQ(f.NbValeursDiag, 10);
    EXPECT_FLOAT_EQ(f.TablePdm[1], 6.0f);
}

TEST_F(PdmDiagramme, AutoPdmsContinueAvecLesValeursRestantes) {
    FenHisto& f = marquer();
    f.MCheck1(7).setChecked(true);
    limites(f, 5.9, 6.3);
    f.MCommand5_Click(3);
    f.MCommand5_Click(4);
    // " S" is ticked and the values outside the range become the series.
    EXPECT_TRUE(f.MCheck1(6).isChecked());
    EXPECT_EQ(S(f.MstrData), "5,8;5,8;6,5;6,5;6,5;6,5;6,8;");
    EXPECT_EQ(S(f.MstrDataTout), S(f.MstrData));
    EXPECT_EQ(f.NbValeursDiag, 7);
    EXPECT_EQ(f.ModeMarquagePdm, 0);
    EXPECT_EQ(f.CompteurPdm, 2);
    EXPECT_FLOAT_EQ(f.TablePdm[1], 6.0f);
    EXPECT_TRUE(contient(f, " PDMS 1 = 6,"));
}

TEST_F(PdmDiagramme, LimitesDeLaTableEtAlertes) {
    FenHisto& f = marquer();
    f.CompteurPdm = 11;
    limites(f, 5.9, 6.3);
    {
        Prompts::Script script;
        script.message(QStringLiteral(" 10 PDMS maximum"));
        f.MCommand5_Click(3);
        EXPECT_EQ(script.remaining(), 0);
    }
    EXPECT_EQ(f.NbValeursDiag, 17);

    // With a resolution above 0 and the alerts on, "calcul" warns and goes on.
    f.MVScroll2(5).setValue(3);
    f.Hopt(1).setChecked(true);
    f.MCommand2_Click();
    limites(f, 5.9, 6.3);
    {
        Prompts::Script script;
        script.message(Lib_Stat[17]);
        f.MCommand5_Click(3);
        EXPECT_EQ(script.remaining(), 0);
    }
    EXPECT_EQ(f.NbValeursDiag, 10);
}

TEST_F(PdmDiagramme, RazEnModeMarquageVideLaTable) {
    FenHisto& f = marquer();
    limites(f, 5.9, 6.3);
    f.MCommand5_Click(3);
    f.MCommand5_Click(4);
    ASSERT_EQ(f.CompteurPdm, 2);
    f.MCommand5_Click(14);
    EXPECT_EQ(f.CompteurPdm, 1);
    for (int i = 1; i <= 11; ++i) EXPECT_EQ(f.TablePdm[i], 0.0f) << i;
    EXPECT_EQ(S(f.MCommand2->text()), "PDMS ");
    EXPECT_TRUE(contient(f, " PDM  = 5,8"));
}

TEST_F(PdmDiagramme, ClicsHorsMarquageIgnoresEtOrigineDecalee) {
    FenHisto& f = ouvrir();
    calculer(f, Exemple);
    f.MHistPic_MouseUp(1, 0, 6, 10);
    EXPECT_EQ(f.LimiteSuivante, 0);
    EXPECT_EQ(S(f.MLabel5(1).text()), "-");
    // With the fixed X scale the click is read at its value: the drawn abscissa plus the origin.
    f.MCheck1(3).setChecked(true);
    f.MText5->setText(QStringLiteral("2,5"));
    f.MCommand2_Click();
    f.MHistPic_MouseUp(1, 0, 3.5, 10);
    EXPECT_FLOAT_EQ(f.LimiteBasse, 6.0f);
}

TEST_F(PdmDiagramme, ValeurDominanteDeSeriesConnues) {
    FenHisto& f = ouvrir();
    const struct { const char* serie; double pdm; } cas[] = {
        {"1;2;4;7;11;", 1}, {"1;2;3;4;5;", 1.5}, {"1;3;4;6;7;9;", 3}, {"0;2;5;6;7;10;", 5.5},
        {"4;9;", 6.5}, {"3;", 3},
        // The smallest gap is found among negative values too.
        {"-5;-3;-2,5;-1;", -3}};
    for (const auto& c : cas) {
        calculer(f, QString::fromUtf8(c.serie));
        EXPECT_NEAR(f.PdmCourant, c.pdm, 1e-12) << c.serie;
        EXPECT_EQ(f.NbValeursDiag, int(f.ValeursDiag.size()) - 1);
    }
    // "Presse papier" copies the summary.
    f.MCommand5_Click(2);
    EXPECT_EQ(S(QGuiApplication::clipboard()->text()), S(f.Texte_MText1()));
}

} // namespace
