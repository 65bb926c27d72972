// The Student table and the normal-law calculator, driven through their boxes and
// option buttons as the user types. Reference values from mpmath (30 digits):
//   /usr/bin/python3 -c "import mpmath as mp; mp.mp.dps=30;
//     t=lambda v,n: 1-mp.betainc(n/2,0.5,0,n/(n+v*v),regularized=True)/2;
//     print(t(mp.mpf('1.812'),10), 2*t(mp.mpf('2.228'),10)-1, 1-t(mp.mpf('2.228'),10),
//           mp.findroot(lambda x: t(x,10)-mp.mpf('0.975'), 2),
//           2*mp.ncdf(1)-1, mp.sqrt(2)*mp.erfinv(2*mp.mpf('0.05')-1),
//           mp.sqrt(2)*mp.erfinv(2*mp.mpf('0.9')-1))"
#include <QApplication>
#include <QClipboard>

#include "base/messages.h"
#include "base/vb.h"
#include "platform/prompts.h"
#include "tests/statwin/test_tests_commun.h"

namespace {

constexpr double P_T_1812_10 = 0.949962368967076387;     // P(T <= 1.812), 10 df
constexpr double P_ABS_T_2228_10 = 0.949988228182888617;  // P(|T| <= 2.228), 10 df
constexpr double F_T_M2228_10 = 0.0250058859085556912660;  // P(T <= -2.228), 10 df
constexpr double T_0975_10 = 2.22813885198627474840;      // t with P(T <= t) = 0.975, 10 df
constexpr double DEUX_PHI_1_MOINS_1 = 0.682689492137085897;
constexpr double U_005 = -1.64485362695147271487;
constexpr double U_09 = 1.28155156554460046697;           // the ninth decile of N(0, 1)

class Tables : public VueStat {};

TEST_F(Tables, StudentProbabilitiesOneAndTwoSided) {
    FenHisto& f = fenetre();
    f.Mnstat4_Click(2);
    ASSERT_EQ(f.VueCourante(), 6);
    f.StText(2).setText(QStringLiteral("10"));

    f.StText(1).setText(QStringLiteral("0"));
    EXPECT_EQ(s(f.StLabel3(2).text()), "risque =0,5");
    f.StText(2).setText(QStringLiteral("3"));
    EXPECT_EQ(s(f.StLabel3(2).text()), "risque =0,5");
    f.StText(2).setText(QStringLiteral("10"));

    f.StText(1).setText(QStringLiteral("1,812"));
    EXPECT_NEAR(Nombre_apres(f.StLabel3(2).text(), Lib_Stat[5]), P_T_1812_10, 1e-12);

    f.StOption2(1).click();
    EXPECT_EQ(s(f.StlblLabel1->text()), "p(|T| <= t)");
    f.StText(1).setText(QStringLiteral("0"));
    EXPECT_EQ(s(f.StLabel3(2).text()), "risque =0");
    // Two-sided, the probability of |T| <= |t| is the same for -t: never negative.
    f.StText(1).setText(QStringLiteral("2,228"));
    EXPECT_NEAR(Nombre_apres(f.StLabel3(2).text(), Lib_Stat[5]), P_ABS_T_2228_10, 1e-12);
    f.StText(1).setText(QStringLiteral("-2,228"));
    EXPECT_NEAR(Nombre_apres(f.StLabel3(2).text(), Lib_Stat[5]), P_ABS_T_2228_10, 1e-12);

    f.StOption2(0).click();
    EXPECT_EQ(s(f.StlblLabel1->text()), "p(T <= t)");
    // One-sided, t = -2.228 gives the lower tail.
    EXPECT_NEAR(Nombre_apres(f.StLabel3(2).text(), Lib_Stat[5]), F_T_M2228_10, 1e-12);

    // A box being typed keeps the last result.
    const QString avant = f.StLabel3(2).text();
    f.StText(2).setText(QString());
    f.StText(2).setText(QStringLiteral("-"));
    EXPECT_EQ(f.StLabel3(2).text(), avant);
}

TEST_F(Tables, StudentInverseAndBack) {
    FenHisto& f = fenetre();
    f.Mnstat4_Click(2);
    f.StOptTInv(1).click();
    EXPECT_EQ(s(f.StLabel3(0).text()), s(Lib_Stat[5]));
    EXPECT_EQ(s(f.StLabel3(1).text()), " Nddl (N-1) = ");
    f.StOption2(1).click();
    f.StText(2).setText(QStringLiteral("10"));
    f.StText(1).setText(QStringLiteral("0.05"));
    const double t = Nombre_apres(f.StLabel3(2).text(), QStringLiteral(" t = "));
    EXPECT_NEAR(t, T_0975_10, 1e-11);

    // "tdist" gives back 1 - a for that t.
    f.StOptTInv(0).click();
    EXPECT_EQ(s(f.StLabel3(0).text()), "t= ");
    f.StText(1).setText(Vb::CStr(t));
    EXPECT_NEAR(Nombre_apres(f.StLabel3(2).text(), Lib_Stat[5]), 0.95, 1e-11);

    // A risk still being typed ("0" of "0,05") gives no message box and keeps the result.
    f.StOptTInv(1).click();
    const QString avant = f.StLabel3(2).text();
    f.StText(1).setText(QStringLiteral("0"));
    f.StText(1).setText(QStringLiteral("0,"));
    EXPECT_EQ(f.StLabel3(2).text(), avant);
    f.StText(1).setText(QStringLiteral("0,05"));
    EXPECT_NEAR(Nombre_apres(f.StLabel3(2).text(), QStringLiteral(" t = ")), T_0975_10, 1e-11);

    f.Tblcopie_Click(6);
    EXPECT_EQ(s(QApplication::clipboard()->text()), s(f.StLabel3(2).text() + QStringLiteral("\r\n")));
}

TEST_F(Tables, NormalLawLinesAndDeciles) {
    FenHisto& f = fenetre();
    f.Mnstat4_Click(1);
    ASSERT_EQ(f.VueCourante(), 5);
    f.LNTxt(1).setText(QStringLiteral("0"));
    f.LNTxt(2).setText(QStringLiteral("1"));
    f.LNTxt(3).setText(QStringLiteral("0"));
    EXPECT_EQ(Lignes(Vu_en_francais(f.LNLabel(7).text())),
              QStringList({" u = 0", "p(X< 0 ) = 0,5", "p(X > 0 ) = 0,5", "", "p(|X| < 0 ) = 0", ""}));
    const QStringList deciles = Lignes(f.LNLabel(4).text());
    ASSERT_EQ(deciles.size(), 4);
    EXPECT_EQ(s(deciles[0]), "Déciles: ");
    EXPECT_NEAR(Nombre_apres(deciles[1], QStringLiteral("D1 = ")), -U_09, 1e-14);
    EXPECT_NEAR(Nombre_apres(deciles[2], QStringLiteral("D9 = ")), U_09, 1e-14);

    // Below the mean the two-sided probability is that of |x - m|: positive.
    f.LNTxt(1).setText(QStringLiteral("2"));
    f.LNTxt(3).setText(QStringLiteral("1"));
    EXPECT_NEAR(Nombre_apres(f.LNLabel(7).text(), QStringLiteral("p(|X| < 1 ) = ")), DEUX_PHI_1_MOINS_1, 1e-14);
    EXPECT_NEAR(Nombre_apres(f.LNLabel(4).text(), QStringLiteral("D1 = ")), 2 - U_09, 1e-14);
    EXPECT_NEAR(Nombre_apres(f.LNLabel(4).text(), QStringLiteral("D9 = ")), 2 + U_09, 1e-14);

    // Emptying a box only beeps: the results stay. A zero deviation empties them.
    const QString lignes = f.LNLabel(7).text();
    f.LNTxt(3).setText(QString());
    EXPECT_EQ(f.LNLabel(7).text(), lignes);
    f.LNTxt(3).setText(QStringLiteral("1"));
    f.LNTxt(2).setText(QStringLiteral("0"));
    EXPECT_TRUE(f.LNLabel(7).text().isEmpty());
    EXPECT_TRUE(f.LNLabel(4).text().isEmpty());
    f.LNTxt(2).setText(QStringLiteral("1"));
    f.LNTxt(2).setText(QStringLiteral("x"));
    EXPECT_TRUE(f.LNLabel(7).text().isEmpty());
}

TEST_F(Tables, NormalInverseWhileTyping) {
    FenHisto& f = fenetre();
    f.Mnstat4_Click(1);
    f.LNTxt(1).setText(QStringLiteral("2"));
    f.LNTxt(2).setText(QStringLiteral("1"));
    f.LNOpt(2).click();
    EXPECT_EQ(s(f.LNLabel(3).text()), "p= ");

    // The unexpected-prompt guard fails the test if any of these opens a message box.
    f.LNTxt(3).setText(QStringLiteral("0"));
    EXPECT_TRUE(f.LNLabel(7).text().contains(QStringLiteral("alerte CLNI"))) << s(f.LNLabel(7).text());
    f.LNTxt(3).setText(QStringLiteral("0,"));
    EXPECT_TRUE(f.LNLabel(7).text().contains(QStringLiteral("alerte CLNI")));
    f.LNTxt(3).setText(QStringLiteral("0,0"));
    f.LNTxt(3).setText(QStringLiteral("0,05"));
    const QStringList l = Lignes(f.LNLabel(7).text());
    ASSERT_EQ(l.size(), 4) << s(f.LNLabel(7).text());
    EXPECT_NEAR(Nombre_apres(l[0], QStringLiteral(" u = ")), U_005, 1e-14);
    EXPECT_NEAR(Nombre_apres(l[1], QStringLiteral("X =")), 2 + U_005, 1e-14);
    EXPECT_TRUE(l[2].startsWith(QStringLiteral("p(X < "))) << s(l[2]);
    EXPECT_TRUE(Vu_en_francais(l[2]).endsWith(QStringLiteral(")= 0,05")));

    f.LNTxt(3).setText(QStringLiteral("0,5"));
    EXPECT_EQ(Lignes(Vu_en_francais(f.LNLabel(7).text())), QStringList({" u = 0", "X =2", "p(X < 2)= 0,5", ""}));

    f.LNOpt(1).click();
    EXPECT_EQ(s(f.LNLabel(3).text()), "X= ");
    f.Tblcopie_Click(5);
    EXPECT_EQ(s(QApplication::clipboard()->text()),
              s(f.LNLabel(7).text() + QStringLiteral("\r\n") + f.LNLabel(4).text() + QStringLiteral("\r\n")));
    // The diagram's summary, and nothing for a copy button of no view.
    f.Tblcopie_Click(2);
    EXPECT_EQ(s(QApplication::clipboard()->text()), s(f.Texte_MText1() + QStringLiteral("\r\n")));
    f.Tblcopie_Click(0);
    EXPECT_TRUE(QApplication::clipboard()->text().isEmpty());
}

} // namespace
