// Huge numbers a user can type: the diagram draws them where they stand (or nowhere,
// off its scale) without a pixel beyond the integers, the homogeneity test refuses sums
// beyond the doubles, and the Shapiro-Wilk test gives no verdict for a risk the risk box
// refuses.
#include <QTest>

#include "platform/prompts.h"
#include "tests/statwin/test_diagramme_commun.h"
#include "tests/statwin/test_tests_commun.h"

namespace {

constexpr long Bleu = 0xFF0000;

// The rows of a picture's column x holding the colour c.
int Lignes_de_couleur(const Surface& s, int x, long c) {
    const QImage& im = s.Image();
    int n = 0;
    for (int y = 0; y < im.height(); ++y)
        if (Surface::bgr(QColor(im.pixel(x, y))) == c) ++n;
    return n;
}

class GrandsNombres : public DiagrammeTest {};

TEST_F(GrandsNombres, UnDiagrammeDe1e308) {
    FenHisto& f = ouvrir();
    calculer(f, QStringLiteral("1e308;"));
    EXPECT_EQ(S(resume(f).mid(1, 3)), (std::vector<std::string>{"1 données", " Minimum = 1E+308", " Maximum = 1E+308"}));
    // The window runs from 0.9e308 to 1.1e308: the value's stick stands in the middle.
    const Surface& s = f.MHistPic->surface();
    const int milieu = s.Image().width() / 2;
    int batons = 0;
    for (int x = milieu - 2; x <= milieu + 2; ++x) batons += Lignes_de_couleur(s, x, Bleu);
    EXPECT_GT(batons, 0);
    // The axis crosses the whole picture.
    EXPECT_GT(Lignes_de_couleur(s, 1, 0), 0);
    EXPECT_GT(Lignes_de_couleur(s, s.Image().width() - 2, 0), 0);
}

TEST_F(GrandsNombres, UneValeurHorsDeLEchelleFixe) {
    FenHisto& f = ouvrir();
    calculer(f, QStringLiteral("1;2;3;"));
    f.MCheck1(3).setChecked(true);  // "Echelle X fixe": 0 to EchelleXFixe
    calculer(f, QStringLiteral("1e12;"));
    EXPECT_EQ(S(resume(f).mid(1, 1)), (std::vector<std::string>{"1 données"}));
    // The value lies far beyond the scale: no stick inside the picture, the axis whole.
    const Surface& s = f.MHistPic->surface();
    for (int x = 0; x < s.Image().width(); ++x) ASSERT_EQ(Lignes_de_couleur(s, x, Bleu), 0) << x;
    EXPECT_GT(Lignes_de_couleur(s, 1, 0), 0);
    EXPECT_GT(Lignes_de_couleur(s, s.Image().width() - 2, 0), 0);
}

class GrandsNombresTests : public VueStat {};

TEST_F(GrandsNombresTests, DesSommesAuDelaDesReelsSontRefusees) {
    FenHisto& f = fenetre();
    f.MText3->setText(QStringLiteral("1;2;3;4;1e160;"));
    Prompts::Script script;
    script.message(QStringLiteral("données incorrectes"));
    f.Mnstat3(2).trigger();
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(s(f.Tlabel1(2).text()), "Résultats");
    // The same values within the doubles split after the fourth, the outlier alone.
    f.MText3->setText(QStringLiteral("1;2;3;4;1e150;"));
    f.Command4(2).click();
    EXPECT_TRUE(f.Tlabel1(2).text().contains(QStringLiteral(" Pm=  4"))) << s(f.Tlabel1(2).text());
}

TEST_F(GrandsNombresTests, UnRisqueRefuseNeDonnePasDeVerdict) {
    FenHisto& f = fenetre();
    f.show();
    f.MText3->setText(QStringLiteral("1;2;3;4;5;"));
    f.Mnstat3(3).trigger();
    EXPECT_TRUE(Vu_en_francais(f.Tlabel1(3).text()).contains(QStringLiteral("risque du rejet  : 0,05"))) << s(f.Tlabel1(3).text());
    // Typed key by key, "1" is a risk of 1 %; the box refuses what follows (beyond its
    // 1 to 99), keeps the text typed and says so in place of the verdict.
    f.Ttxt2(3).selectAll();
    QTest::keyClicks(&f.Ttxt2(3), QStringLiteral("1e50"));
    EXPECT_EQ(s(f.Ttxt2(3).text()), "1e50");
    const QString verdict = f.Tlabel1(3).text();
    EXPECT_EQ(s(verdict), "risque = 1e50 : données incorrectes");
    // "Calcul" and the law options then say why they give no verdict.
    Prompts::Script script;
    script.message(QStringLiteral("risque = 1e50 : données incorrectes"))
        .message(QStringLiteral("risque = 1e50 : données incorrectes"));
    f.Command4(3).click();
    f.Option3(1).click();
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(f.Tlabel1(3).text(), verdict);
}

} // namespace
