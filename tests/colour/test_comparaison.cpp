// Comparison and adjustment: a colour against the chart or the grid, the nearest swatch,
// the swatches within a tolerance, the automatic lists and the adjust command.
#include <gtest/gtest.h>

#include "base/grilles.h"
#include "base/messages.h"
#include "base/tav.h"
#include "colour/comparaison.h"
#include "colour/etat_couleur.h"
#include "tests/colour/aide_ajustement.h"

namespace {

using namespace CalculAjustement;

class Comparaison : public AjustementTest {
protected:
    void SetUp() override {
        AjustementTest::SetUp();
        // From (98.5, 108.5, 118.5): Ocre at 1.5, Sable and Sable bis at 3, Six at 3.256
        // (5.63956 / sqrt(3)), Noir and Clair far off.
        Nuancier(QStringLiteral("charte.Nua"),
                 {QStringLiteral("100;110;120;0;0;0;Ocre"), QStringLiteral("101,5;111,5;121,5;0;0;0;Sable"),
                  QStringLiteral("10;10;10;0;0;0;Noir"), QStringLiteral("101,5;111,5;121,5;0;0;0;Sable bis"),
                  QStringLiteral("250;110;120;0;0;0;Clair"), QStringLiteral("104,13956;108,5;118,5;0;0;0;Six")});
    }
    static EntreesAjustement Saisie(const QString& n = QStringLiteral("1")) {
        return Entrees(QStringLiteral("98,5"), QStringLiteral("108,5"), QStringLiteral("118,5"), n);
    }
    static QString Absolu() {
        return QStringLiteral("image : ") + SautLigne + QStringLiteral("Ajustement mode absolu ") + SautLigne;
    }
};

// The menu compares the chart with the colour of the boxes, each line labelled with its swatch.
TEST_F(Comparaison, ComparaisonAuNuancier) {
    auto e = Entrees(QStringLiteral("100"), QStringLiteral("110"), QStringLiteral("120"));
    const SortiesAjustement s = Fic_Ajust_Click(e);
    const QStringList l = s.Text2->split(SautLigne);
    ASSERT_EQ(l.size(), 8);
    EXPECT_EQ(l[0], QStringLiteral("image : "));
    EXPECT_EQ(l[1], QStringLiteral("Comparaison / Moyenne  : 100,0/110,0/120,0"));
    EXPECT_EQ(l[2], QStringLiteral("1:0,0   / 0,0   / 0,0  \t écart = 0,0   \\ Ocre"));
    EXPECT_EQ(l[3], QStringLiteral("2:-1,5  / -1,5  / -1,5 \t écart = 1,5   \\ Sable"));
    // sqrt((90² + 100² + 110²) / 3) = 100.33.
    EXPECT_EQ(l[4], QStringLiteral("3:90,0  / 100,0 / 110,0\t écart = 100,3 \\ Noir"));
    // Six characters or more are not padded.
    EXPECT_EQ(l[6], QStringLiteral("5:-150,0 / 0,0   / 0,0  \t écart = 86,6  \\ Clair"));
    EXPECT_EQ(s.TexteAjust, *s.Text2);
    // The other sources' headers.
    e.Option3 = 1;
    e.Text3[0] = QStringLiteral("100,5");
    EXPECT_EQ(Fic_Ajust_Click(e).Text2->split(SautLigne)[1],
              QStringLiteral("Comparaison / dernière mesure :100,5/110/120"));
    e.Option3 = 2;
    EXPECT_EQ(Fic_Ajust_Click(e).Text2->split(SautLigne)[1], QStringLiteral("Comparaison / valeurs :100,5/110,0/120,0"));
    e.Option3 = 3;
    EXPECT_TRUE(Fic_Ajust_Click(e).Text2->split(SautLigne)[1].startsWith(QStringLiteral("1:")));
    // No chart: said, and no line against black.
    Nuancier(QStringLiteral("vide.Nua"), {});
    const SortiesAjustement vide = Fic_Ajust_Click(e);
    EXPECT_EQ(vide.Messages, QStringList{Lib_Langue[221]});
    EXPECT_FALSE(vide.Text2);
}

TEST_F(Comparaison, ComparaisonALaGrille) {
    Mode_couleur();
    Tav::instance()->Lrg_Click(2);
    auto e = Entrees(QStringLiteral("100"), QStringLiteral("100"), QStringLiteral("100"));
    e.Option3 = 3;
    EXPECT_EQ(AjusteCompareColor(e, 2, 100, 100, 100).Text2, QStringLiteral("image : "));
    Clic(Image_unie(60, 60, qRgb(200, 100, 50)), 11, 11);
    Clic(Image_unie(60, 60, qRgb(90, 60, 30)), 11, 11);
    const QStringList l = AjusteCompareColor(e, 2, 100, 100, 100).Text2->split(SautLigne);
    ASSERT_EQ(l.size(), 3);
    // sqrt((100² + 0² + 50²) / 3) = 64.55; sqrt((10² + 40² + 70²) / 3) = 46.90.
    EXPECT_EQ(l[1], QStringLiteral("1:-100,0 / 0,0   / 50,0 \t écart = 64,5  \\ "));
    EXPECT_EQ(l[2], QStringLiteral("2:10,0  / 40,0  / 70,0 \t écart = 46,9  \\ "));
    EXPECT_EQ(GrilleRef.Row(), 2);
    EXPECT_EQ(GrilleRef.Col(), 3);
}

TEST_F(Comparaison, NuanceLaPlusProche) {
    SortiesAjustement s = AjusteTrouveRefColor(Saisie(), 0);
    EXPECT_EQ(*s.Text2, Absolu() + QStringLiteral(" / index 1  e= 15,0000 %") + SautLigne);
    // Two swatches at the same difference: the lower index.
    s = AjusteTrouveRefColor(Entrees(QStringLiteral("101.5"), QStringLiteral("111,5"), QStringLiteral("121,5")), 0);
    EXPECT_TRUE(s.Text2->contains(QStringLiteral(" / index 2  e= 0,0000 %")));
    int compte = 0;
    s = AjusteTrouveRefColor_XX(Saisie(), 3.0f, compte);
    EXPECT_EQ(compte, 3);
    EXPECT_EQ(*s.Text2, Absolu() + QStringLiteral(" /  e= 15,0000 %") + SautLigne + QStringLiteral(" /  e= 30,0000 %") +
                            SautLigne + QStringLiteral(" /  e= 30,0000 %") + SautLigne);
    // An input of zeros is counted but not listed.
    s = AjusteTrouveRefColor_XX(Entrees(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")), 20, compte);
    EXPECT_EQ(compte, 1);
    EXPECT_EQ(*s.Text2, Absolu());
    Nuancier(QStringLiteral("vide.Nua"), {});
    EXPECT_EQ(AjusteTrouveRefColor(Saisie(), 0).Messages, QStringList{Lib_Langue[221]});
}

TEST_F(Comparaison, ListeAutomatique) {
    SortiesAjustement s = AjusteAuto_aout09(Saisie(QStringLiteral("4")), 1);
    EXPECT_EQ(*s.Text2, QStringLiteral("ajustauto 09") + SautLigne + QStringLiteral("1  Cel.: 1 /ref:  Ocre\t écart : 01,50") +
                            SautLigne + QStringLiteral("2  Cel.: 2 /ref:  Sable\t écart : 03,00") + SautLigne +
                            QStringLiteral("3  Cel.: 4 /ref:  Sable bis\t écart : 03,00") + SautLigne +
                            QStringLiteral("4  Cel.: 6 /ref:  Six\t écart : 03,26"));
    EXPECT_FALSE(AjusteAuto_aout09(Saisie(), 2).Text2);
    // More asked than the chart holds: each swatch once.
    EXPECT_EQ(AjusteAuto_aout09(Saisie(QStringLiteral("20")), 1).TexteAjust.count(QStringLiteral("Cel.:")), 6);
    double K1 = 0;
    auto e = Saisie(QStringLiteral("2"));
    EXPECT_FALSE(xAppelAjustauto(e, K1).Text2);
    EXPECT_DOUBLE_EQ(K1, 3 / 325.5);
    e.Check5 = 1;
    EXPECT_TRUE(xAppelAjustauto(e, K1).Text2->startsWith(QStringLiteral("ajustauto 09")));
    e.Text3 = {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
    xAppelAjustauto(e, K1);
    EXPECT_DOUBLE_EQ(K1, 750);
}

TEST_F(Comparaison, RechercheDeTolerance) {
    // One swatch within 2: found while doubling from 1.
    double tolerance = 1;
    SortiesAjustement s = AjusteAutoXX(Saisie(QStringLiteral("1")), tolerance);
    EXPECT_TRUE(s.Messages.isEmpty());
    EXPECT_DOUBLE_EQ(tolerance, 2);
    EXPECT_EQ(*s.Text2, Absolu() + QStringLiteral(" /  e= 15,0000 %") + SautLigne + QStringLiteral(" tolerance 2") +
                            SautLigne + SautLigne);
    // Three swatches within 3: found by halving between 0 and 4.
    tolerance = 1;
    s = AjusteAutoXX(Saisie(QStringLiteral("3")), tolerance);
    EXPECT_TRUE(s.Messages.isEmpty());
    EXPECT_DOUBLE_EQ(tolerance, 3);
    EXPECT_EQ(s.Text2->count(QStringLiteral(" /  e= ")), 3);
    // Two swatches at the same difference: no tolerance holds exactly two.
    tolerance = 1;
    s = AjusteAutoXX(Saisie(QStringLiteral("2")), tolerance);
    EXPECT_EQ(s.Messages, QStringList{QStringLiteral("la recherche automatique a échoué pour 2 résultats ")});
    EXPECT_TRUE(s.Text2->startsWith(Absolu()));
    // More than the chart holds.
    tolerance = 1;
    s = AjusteAutoXX(Saisie(QStringLiteral("10")), tolerance);
    EXPECT_EQ(s.Messages, QStringList{QStringLiteral("pb recherche auto 101")});
    EXPECT_DOUBLE_EQ(tolerance, 256);
}

TEST_F(Comparaison, AjustementRelatif) {
    Nuancier(QStringLiteral("relatif.Nua"), {QStringLiteral("200;220;240;0;0;0;Double"),
                                             QStringLiteral("0;0;0;0;0;0;Noir"), QStringLiteral("100;100;100;0;0;0;Gris")});
    double K1 = 0;
    int compte = 0;
    SortiesAjustement s = AjusteTrouveRefColorRelatif(Saisie(), K1, 0.01, 100, 110, 120, compte);
    EXPECT_DOUBLE_EQ(K1, 3.0 / 330);
    EXPECT_EQ(compte, 1);
    EXPECT_EQ(*s.Text2, QStringLiteral("image : ") + SautLigne + QStringLiteral("Ajustement mode relatif") + SautLigne +
                            QStringLiteral(" /  e= 0,0000 %") + SautLigne);
    // Grey brought to 330: (110, 110, 110), sqrt(200 / 3) = 8.165 from the input, 0.0742 of a channel.
    s = AjusteTrouveRefColorRelatif(Saisie(), K1, 8.2 * K1, 100, 110, 120, compte);
    EXPECT_EQ(compte, 2);
    EXPECT_TRUE(s.Text2->endsWith(QStringLiteral(" /  e= 0,2474 %") + SautLigne));
    s = AjusteTrouveRefColorRelatif(Saisie(), K1, 1, 0, 0, 0, compte);
    EXPECT_EQ(s.Messages, QStringList{Lib_Langue[226]});
    EXPECT_EQ(compte, 0);
}

// The adjust command on the grid's mean, its luminance, the tolerance by kind, and the
// three ways it ends.
TEST_F(Comparaison, CommandeAjuster) {
    Mode_couleur();
    Tav::instance()->Lrg_Click(2);
    Clic(Image_unie(60, 60, qRgb(200, 100, 50)), 11, 11);
    Clic(Image_unie(60, 60, qRgb(90, 60, 30)), 11, 11);
    auto e = Entrees({}, {}, {});
    e.Option3 = 0;
    e.Option1 = 1;
    e.Text1[0] = QStringLiteral("10");
    SortiesAjustement s = Ajuster(e);
    ASSERT_TRUE(s.Text3);
    EXPECT_EQ(*s.Text3, (std::array<QString, 3>{QStringLiteral("145,00"), QStringLiteral("80,00"), QStringLiteral("40,00")}));
    EXPECT_EQ(s.Label4, QStringLiteral("Luminance  : 88,33"));
    EXPECT_EQ(s.ChKRelActif, true);
    // (145, 80, 40) is nearest to Six: 53.678288 (numpy, float32 red), Ocre next at 55.75.
    EXPECT_EQ(*s.Text2, Absolu() + QStringLiteral(" / index 6  e= 536,7829 %") + SautLigne);
    e.Check4 = 1;
    e.Text4 = QStringLiteral("2");
    EXPECT_TRUE(Ajuster(e).Text2->startsWith(QStringLiteral("ajustauto 09")));
    e.Check4 = 0;
    e.ChKRel = 1;
    EXPECT_TRUE(Ajuster(e).Text2->contains(QStringLiteral("Ajustement mode relatif")));
    // Sigma of luminance: a tolerance of 0 is refused.
    e.Option1 = 0;
    e.Text1[0] = QStringLiteral("0");
    EXPECT_EQ(Ajuster(e).Messages, QStringList{Lib_Langue[227]});
    // Typed values stay in the boxes; all zero, no luminance.
    e.Option3 = 2;
    e.Text3 = {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
    s = Ajuster(e);
    EXPECT_EQ((*s.Text3)[0], QStringLiteral("0"));
    EXPECT_EQ(s.Messages, QStringList{Lib_Langue[226]});
    // The colour of the last measured row for the last-measure source.
    e.Option3 = 1;
    s = xComparer(e);
    EXPECT_EQ(*s.Text3, (std::array<QString, 3>{QStringLiteral("90"), QStringLiteral("60"), QStringLiteral("30")}));
    EXPECT_DOUBLE_EQ(Maxi(2, 3), 3);
    EXPECT_TRUE(std::signbit(Maxi(0.0, -0.0)));
}

} // namespace
