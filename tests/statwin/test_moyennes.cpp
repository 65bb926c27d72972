// The comparisons of means: the figures against scipy, and the two views' labels.
//
// Two samples, against scipy 1.10:
//   /usr/bin/python3 -c "from scipy.stats import ttest_ind_from_stats as T, norm, t
//   for a, eq in [((10.9,1.2,30,10.5,1.3,30),True), ((10.9,1.2,30,10.5,1.3,30),False),
//                 ((5.3,0.8,12,4.6,1.9,20),True), ((5.3,0.8,12,4.6,1.9,20),False)]:
//       r = T(*a, equal_var=eq); print(r.statistic, r.pvalue / 2)"
// (pvalue is two-sided; the views show the one-sided 1 - F(|t|) and double it when
// two-sided.) The degrees of freedom are n1 + n2 - 2 or Welch-Satterthwaite's, and the
// risk of the second kind 1 - F(|t| - z(1 - alpha2)) is t.cdf(d, df) from scipy.
//
// One sample by hand: n = 5 (4 df), t = -1.75. With 4 degrees of freedom the Student law
// has the closed form F(t) = 1/2 + (3/4) x (1 - x^2 / 3), x = t / sqrt(4 + t^2):
//   x = 1.75 / sqrt(7.0625) = 0.658505..., F(1.75) = 0.5 + 0.75 x (1 - 0.144543...)
//   = 0.922492, so P = 1 - F(|t|) = 0.0775081055710835; the normal law would give
//   1 - Phi(1.75) = 0.0400591568638171 and reject H0 at 5 %.
#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <cmath>

#include "base/messages.h"
#include "base/vb.h"
#include "platform/prompts.h"
#include "statwin/moyennes.h"
#include "tests/statwin/test_tests_commun.h"

namespace {

struct CasDeux {
    int n1; double m1, s1; int n2; double m2, s2;
    bool welch;
    double t, P, df, S, beta5, beta25;
};

// scipy's figures (see the command above); beta5 and beta25 for alpha2 = 0.05 and 0.025.
const CasDeux CasScipy[] = {
    {30, 10.9, 1.2, 30, 10.5, 1.3, false, 1.2383643752460731, 0.11028495414084286, 58, 1.2509996003196804,
     0.6570604036072955, 0.7632801306717262},
    {30, 10.9, 1.2, 30, 10.5, 1.3, true, 1.2383643752460731, 0.11030079303697135, 57.63233056778302,
     0.3230067078766838, 0.6570556438352777, 0.7632709150385795},
    {12, 5.3, 0.8, 20, 4.6, 1.9, false, 1.207375194039891, 0.11836052540115792, 30, 1.587765725792064,
     0.6675510872232651, 0.7712189337681543},
    {12, 5.3, 0.8, 20, 4.6, 1.9, true, 1.4475875179891757, 0.07947661815982286, 27.708424564362502,
     0.4835631637473365, 0.5774703781035038, 0.6937760534477024},
};

TEST(Moyennes, TwoSamplesAgainstScipy) {
    for (const CasDeux& c : CasScipy) {
        SCOPED_TRACE(c.welch ? "Welch" : "pooled");
        const auto r = Moyennes::Compare_deux_moyennes(c.n1, c.m1, c.s1, c.n2, c.m2, c.s2, 0.05, c.welch);
        EXPECT_NEAR(r.t, c.t, 1e-12);
        EXPECT_NEAR(r.P, c.P, 1e-11);
        EXPECT_NEAR(r.df, c.df, 1e-10);
        EXPECT_NEAR(r.S, c.S, 1e-13);
        EXPECT_NEAR(r.beta, c.beta5, 1e-9);
        EXPECT_NEAR(r.puissance, 1 - c.beta5, 1e-6);
        EXPECT_TRUE(r.haut);
        EXPECT_TRUE(r.alerte.isEmpty());
        EXPECT_NEAR(Moyennes::Compare_deux_moyennes(c.n1, c.m1, c.s1, c.n2, c.m2, c.s2, 0.025, c.welch).beta, c.beta25,
                    1e-9);

        // The samples exchanged: the same figures, the other direction.
        const auto e = Moyennes::Compare_deux_moyennes(c.n2, c.m2, c.s2, c.n1, c.m1, c.s1, 0.05, c.welch);
        EXPECT_NEAR(e.t, r.t, 1e-14);
        EXPECT_NEAR(e.P, r.P, 1e-14);
        EXPECT_NEAR(e.beta, r.beta, 1e-14);
        EXPECT_FALSE(e.haut);
    }
}

TEST(Moyennes, WelchWithEqualSamplesAndRefusals) {
    const auto pooled = Moyennes::Compare_deux_moyennes(8, 3.0, 0.5, 8, 2.5, 0.5, 0.05, false);
    const auto welch = Moyennes::Compare_deux_moyennes(8, 3.0, 0.5, 8, 2.5, 0.5, 0.05, true);
    EXPECT_NEAR(welch.t, pooled.t, 1e-13);
    EXPECT_NEAR(welch.df, 14, 1e-12);
    // A zero deviation in both samples, or sizes leaving no degree of freedom, are refused.
    EXPECT_THROW(Moyennes::Compare_deux_moyennes(8, 3.0, 0, 8, 2.5, 0, 0.05, false), Vb::Erreur);
    EXPECT_THROW(Moyennes::Compare_deux_moyennes(1, 3.0, 0.5, 1, 2.5, 0.5, 0.05, false), Vb::Erreur);
    EXPECT_THROW(Moyennes::Compare_deux_moyennes(1, 3.0, 0.5, 8, 2.5, 0.5, 0.05, true), Vb::Erreur);
}

TEST(Moyennes, OneSampleUsesStudentsLaw) {
    const auto r = Moyennes::Compare_moyenne(9.3, 10, 0.4, 4, 0.05, false);
    EXPECT_NEAR(r.t, -1.75, 1e-14);
    EXPECT_FALSE(r.haut);
    EXPECT_NEAR(r.P, 0.0775081055710835, 1e-13);
    // scipy: 1 - t.cdf(1.75 - norm.ppf(0.95), 4)
    EXPECT_NEAR(r.beta, 0.46066066552444584, 1e-9);
    const auto n = Moyennes::Compare_moyenne(9.3, 10, 0.4, 4, 0.05, true);
    EXPECT_NEAR(n.P, 0.040059156863817086, 1e-13);
    // scipy: norm.sf(1.75 - norm.ppf(0.95))
    EXPECT_NEAR(n.beta, 0.4581298314225126, 1e-12);
    EXPECT_THROW(Moyennes::Compare_moyenne(9.3, 10, 0, 4, 0.05, false), Vb::Erreur);
}

class VueMoyennes : public VueStat {
protected:
    FenHisto& vue3() {
        FenHisto& f = fenetre();
        f.ChoixComp_Click(0);
        EXPECT_EQ(f.VueCourante(), 3);
        return f;
    }
    FenHisto& vue4() {
        FenHisto& f = fenetre();
        f.Mnstat3_Click(1);
        EXPECT_EQ(f.VueCourante(), 4);
        return f;
    }
};

TEST_F(VueMoyennes, OneSampleVerdictFromStudentsLaw) {
    FenHisto& f = vue3();
    f.Ctxt(2).setText(QStringLiteral("5"));
    f.Ctxt(0).setText(QStringLiteral("9,3"));
    f.Ctxt(5).setText(QStringLiteral("10"));
    f.COption1(0).click();
    EXPECT_TRUE(f.Ctxt(1).isEnabled());
    EXPECT_FALSE(f.Ctxt(6).isEnabled());
    f.Ctxt(1).setText(QStringLiteral("0,4"));
    f.Copt(4).setChecked(true);
    f.cmdCalcul(1).click();

    EXPECT_EQ(s(f.CLabel2->text()), "Ho : l'échantillon a même moyenne que le type ; \r\n"
                                    "H1 : l'échantillon a une moyenne inférieure à celle du type\r\n");
    EXPECT_EQ(s(f.CLabel3->text()), "Au risque de 1ère espèce Alpha = 5 % l'hypothèse H0 n'est pas rejetée ; \r\n"
                                    "Risque de 2ème espèce : Beta = 46,07 %");
    EXPECT_EQ(s(f.Clabel5(0).text()), "Probabilité critique 7,75 % Puissance du test : 54 %\r\n"
                                      "Nb : La puissance du test est très insuffisante");
    EXPECT_TRUE(f.Clabel5(1).text().isEmpty());
    EXPECT_EQ(s(f.CLabel1->text()), " t = -1,75000");

    // The normal law, when the user asks for it.
    f.chkLoiNormale(0).click();
    EXPECT_EQ(s(f.CLabel3->text()), "Au risque de 1ère espèce Alpha = 5 % l'hypothèse H0 est rejetée ; \r\n"
                                    "Risque de 2ème espèce : Beta = 45,81 %");
    EXPECT_TRUE(Vu_en_francais(f.Clabel5(0).text()).startsWith(QStringLiteral("Probabilité critique 4,01 %")));
    f.chkLoiNormale(0).click();

    // The standard error from the sample's deviation: 0.8 / sqrt(4) = 0.4, the same t.
    f.Ctxt(6).setText(QStringLiteral("0,8"));
    f.COption1(1).click();
    EXPECT_FALSE(f.Ctxt(1).isEnabled());
    EXPECT_EQ(s(f.Clabel5(1).text()), "E.T. estimé de la moyenne=,4\r\n");
    EXPECT_TRUE(Vu_en_francais(f.Clabel5(0).text()).startsWith(QStringLiteral("Probabilité critique 7,75 %")));

    // The mean on the other side: only the direction of H1 changes.
    const QString verdict = f.CLabel3->text();
    f.Ctxt(0).setText(QStringLiteral("10,7"));
    f.cmdCalcul(1).click();
    EXPECT_TRUE(f.CLabel2->text().endsWith(QStringLiteral("supérieure à celle du type\r\n")));
    EXPECT_EQ(f.CLabel3->text(), verdict);

    f.Tblcopie_Click(3);
    EXPECT_EQ(s(QApplication::clipboard()->text()), s(f.CLabel3->text() + QStringLiteral("\r\n") + f.Clabel5(0).text()));
}

TEST_F(VueMoyennes, OneSampleRiskBoxAndBadData) {
    FenHisto& f = vue3();
    f.Ctxt(0).setText(QStringLiteral("9,9"));
    f.Ctxt(6).setText(QStringLiteral("0,4"));
    f.cmdCalcul(1).click();
    const QString verdict = f.CLabel3->text();
    ASSERT_TRUE(verdict.startsWith(Lib_Stat[25] + QStringLiteral("5 % "))) << s(verdict);

    // The mean box does not recompute; a click in the risk box does.
    f.Ctxt(0).setText(QStringLiteral("10,5"));
    EXPECT_TRUE(f.CLabel2->text().contains(Lib_Stat[23]));
    QMouseEvent clic(QEvent::MouseButtonPress, QPointF(5, 5), f.Ctxt(3).mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&f.Ctxt(3), &clic);
    EXPECT_TRUE(f.CLabel2->text().contains(Lib_Stat[22]));
    f.Ctxt(0).setText(QStringLiteral("9,9"));
    f.cmdCalcul(1).click();

    // The risk box recomputes at once, only for a risk of 1 to 99 %.
    f.Ctxt(3).setText(QStringLiteral("10"));
    EXPECT_TRUE(f.CLabel3->text().startsWith(Lib_Stat[25] + QStringLiteral("10 % ")));
    EXPECT_EQ(f.CVScroll1(3).value(), 10);
    const QString dix = f.CLabel3->text();
    f.Ctxt(3).setText(QString());
    f.Ctxt(3).setText(QStringLiteral("0"));
    f.Ctxt(3).setText(QStringLiteral("150"));
    EXPECT_EQ(f.CLabel3->text(), dix);
    // Asked anyway, a risk of 0 % is said in the verdict: no message box while typing.
    f.Ctxt(3).setText(QStringLiteral("0"));
    f.cmdCalcul(1).click();
    EXPECT_TRUE(f.CLabel3->text().contains(QStringLiteral("alerte CLNI"))) << s(f.CLabel3->text());
    f.Ctxt(3).setText(QStringLiteral("5"));

    // A size of 1 beeps and keeps the results, the t display aside.
    f.Copt(4).setChecked(true);
    f.cmdCalcul(1).click();
    EXPECT_FALSE(f.CLabel1->text().isEmpty());
    f.Ctxt(2).setText(QStringLiteral("1"));
    f.cmdCalcul(1).click();
    EXPECT_EQ(f.CLabel3->text(), verdict);
    EXPECT_TRUE(f.CLabel1->text().isEmpty());

    // An empty size: "données incorrectes".
    f.Ctxt(2).setText(QString());
    f.cmdCalcul(1).click();
    EXPECT_EQ(s(f.CLabel3->text()), "données incorrectes");
    EXPECT_TRUE(f.Clabel5(0).text().isEmpty());
}

TEST_F(VueMoyennes, TwoSamplesDesignValues) {
    FenHisto& f = vue4();
    // The design values, equal variances: 58 degrees of freedom, H1 with ">".
    EXPECT_EQ(s(f.CLabel6(1).text()), "Ho : Moyenne de Ech1 =Moyenne de Ech 2 \r\n"
                                      "H1 : Moyenne de Ech1  > Moyenne de Ech 2 \r\n");
    EXPECT_EQ(s(f.CLabel6(3).text()), "Au risque 5 % ,l'hypothèse H0 n'est pas rejetée\r\n"
                                      "Risque de 2ème espèce : Beta = 65,71 %");
    EXPECT_EQ(s(f.CLabel6(4).text()), " Puissance du test : 34 %\r\nProbabilité critique 11,03 %\r\n"
                                      "Nb : La puissance du test est très insuffisante");
    f.Copt(3).click();
    EXPECT_EQ(s(f.CLabel6(11).text()), " nddl = 58,000\r\n S=1,25100\r\n t= 1,23836");

    // Two-sided: the critical probability doubles, the verdict and power use alpha / 2.
    f.Copt(2).click();
    EXPECT_TRUE(f.CLabel6(1).text().contains(QStringLiteral(" <> ")));
    EXPECT_EQ(s(f.CLabel6(3).text()), "Au risque 5 % ,l'hypothèse H0 n'est pas rejetée\r\n"
                                      "Risque de 2ème espèce : Beta = 76,33 %");
    EXPECT_TRUE(Vu_en_francais(f.CLabel6(4).text()).contains(QStringLiteral("Probabilité critique 22,06 %")));
    f.Copt(2).click();

    // Welch.
    f.Copt(0).click();
    EXPECT_EQ(s(f.CLabel6(11).text()), " nddl = 57,632\r\n S=,32301\r\n t= 1,23836");

    // The samples exchanged: only the sign in H1 changes.
    const QString verdict = f.CLabel6(3).text(), puissance = f.CLabel6(4).text();
    f.ctxt1(3).setText(QStringLiteral("10,5"));
    f.ctxt1(4).setText(QStringLiteral("10,9"));
    f.ctxt1(5).setText(QStringLiteral("1,3"));
    f.ctxt1(6).setText(QStringLiteral("1,2"));
    f.cmdCalcul(2).click();
    EXPECT_TRUE(f.CLabel6(1).text().contains(QStringLiteral(" < ")));
    EXPECT_EQ(f.CLabel6(3).text(), verdict);
    EXPECT_EQ(f.CLabel6(4).text(), puissance);

    f.Tblcopie_Click(4);
    EXPECT_EQ(s(QApplication::clipboard()->text()),
              s(f.CLabel6(3).text() + QStringLiteral("\r\n") + f.CLabel6(4).text() + QStringLiteral("\r\n")));
}

TEST_F(VueMoyennes, TwoSamplesWarningsAndBadData) {
    FenHisto& f = vue4();
    // Deviations more than twice apart, pooled: the warning; Welch: none.
    f.ctxt1(6).setText(QStringLiteral("3"));
    f.cmdCalcul(2).click();
    EXPECT_TRUE(f.CLabel6(4).text().endsWith(QStringLiteral(" EcT inégaux - voir options")));
    f.Copt(0).click();
    EXPECT_FALSE(f.CLabel6(4).text().contains(QStringLiteral("EcT inégaux")));

    // A strong difference: power above 80 %, no warning, H0 rejected.
    f.ctxt1(3).setText(QStringLiteral("12"));
    f.ctxt1(6).setText(QStringLiteral("1,3"));
    f.cmdCalcul(2).click();
    EXPECT_TRUE(f.CLabel6(3).text().contains(Lib_Stat[26]));
    EXPECT_FALSE(f.CLabel6(4).text().contains(Lib_Stat[32]));

    // The risk box recomputes from 1 to 99 only.
    f.ctxt1(10).setText(QStringLiteral("1"));
    EXPECT_TRUE(f.CLabel6(3).text().startsWith(QStringLiteral("Au risque 1 % ,")));
    EXPECT_EQ(f.CVScroll1(0).value(), 1);
    f.CVScroll1(0).setValue(2);
    EXPECT_EQ(s(f.ctxt1(10).text()), "2");
    EXPECT_TRUE(f.CLabel6(3).text().startsWith(QStringLiteral("Au risque 2 % ,")));
    // A risk far below 1 % is written as the program writes any single: "1E-05".
    f.ctxt1(10).setText(QStringLiteral("0,00001"));
    f.cmdCalcul(2).click();
    EXPECT_TRUE(f.CLabel6(3).text().startsWith(QStringLiteral("Au risque 1E-05 % ,")));

    f.ctxt1(1).setText(QStringLiteral("abc"));
    f.cmdCalcul(2).click();
    EXPECT_EQ(s(f.CLabel6(3).text()), "données incorrectes");
    EXPECT_TRUE(f.CLabel6(4).text().isEmpty());
    f.ctxt1(1).setText(QStringLiteral("40000"));
    f.cmdCalcul(2).click();
    EXPECT_EQ(s(f.CLabel6(3).text()), "données incorrectes");
}

TEST_F(VueMoyennes, DiagramSeriesIntoTheBoxes) {
    FenHisto& f = vue4();
    f.NbValeursDiag = 18;
    f.MoyenneDiag = 6.25;
    f.EcartTypeDiag = 0.5;
    f.cmdDonnes_Click(0);
    EXPECT_EQ(s(f.ctxt1(1).text()), "18");
    EXPECT_EQ(s(f.ctxt1(3).text()), "6,25");
    EXPECT_EQ(s(f.ctxt1(5).text()), "0,5");
    f.cmdDonnes_Click(1);
    EXPECT_EQ(s(f.Ctxt(2).text()), "18");
    EXPECT_EQ(s(f.Ctxt(0).text()), "6,25");
    EXPECT_EQ(s(f.Ctxt(6).text()), "0,5");
}

} // namespace
