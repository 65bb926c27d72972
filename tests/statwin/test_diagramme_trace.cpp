// The dot diagram: grouping of the values into sticks, the window drawn, the scales and
// display options, checked on the picture's pixels.
#include "statwin/diagramme_calcul.h"
#include "tests/statwin/test_diagramme_commun.h"

namespace {

constexpr long Blanc = 0xFFFFFF, Noir = 0, Bleu = 0xFF0000, Rouge = 0x0000FF, Magenta = 0xFF00FF;

std::vector<std::pair<double, int>> batons(const std::vector<double>& v, double largeur) {
    std::vector<std::pair<double, int>> r;
    for (const auto& b : Diagramme::Batons(v, largeur)) r.emplace_back(b.x, b.nombre);
    return r;
}

TEST(BatonsDiagramme, GroupesDeValeursProches) {
    const std::vector<double> exemple = {0, 5.8, 5.8, 6, 6, 6, 6, 6, 6.2, 6.2, 6.2, 6.2, 6.2, 6.5, 6.5, 6.5, 6.5, 6.8};
    using V = std::vector<std::pair<double, int>>;
    EXPECT_EQ(batons(exemple, 1e-4), (V{{5.8, 2}, {6, 5}, {6.2, 5}, {6.5, 4}, {6.8, 1}}));
    // A width of 1: 6,8 lies exactly 1 above 5,8 and joins the first group.
    EXPECT_EQ(batons(exemple, 1.0), (V{{5.8, 17}}));
    EXPECT_EQ(batons(exemple, 0.25), (V{{5.8, 7}, {6.2, 5}, {6.5, 4}, {6.8, 1}}));
    // A group is measured from its first value, not from value to value.
    EXPECT_EQ(batons({0, 1, 1.08, 1.16, 1.2}, 0.1), (V{{1, 2}, {1.16, 2}}));
    EXPECT_TRUE(batons({0}, 1).empty());
}

TEST(BatonsDiagramme, FenetreDesDonnees) {
    auto f = [](double a, double b) {
        const auto w = Diagramme::Fenetre_donnees(a, b);
        return std::make_pair(w.xmin, w.xmax);
    };
    EXPECT_NEAR(f(5.8, 6.8).first, 5.7, 1e-12);
    EXPECT_NEAR(f(5.8, 6.8).second, 6.9, 1e-12);
    EXPECT_NEAR(f(-5, -1).first, -5.4, 1e-12);
    EXPECT_NEAR(f(-5, -1).second, -0.6, 1e-12);
    EXPECT_NEAR(f(3, 3).first, 2.7, 1e-12);
    EXPECT_NEAR(f(3, 3).second, 3.3, 1e-12);
    EXPECT_NEAR(f(-2, -2).first, -2.2, 1e-12);
    EXPECT_EQ(f(0, 0), std::make_pair(-1.0, 1.0));
}

class TraceDiagramme : public DiagrammeTest {
protected:
    static long px(FenHisto& f, double x, double y) { return f.MHistPic->surface().Point(x, y); }
};

TEST_F(TraceDiagramme, UnBatonParValeurDistincte) {
    FenHisto& f = ouvrir();
    calculer(f, Exemple);
    const Surface& s = f.MHistPic->surface();
    // 17 values: Y runs from 0 to (17 + 3) x 2 = 40, the axis stands at 2, a value is 2 high.
    EXPECT_DOUBLE_EQ(s.ScaleTop(), 40);
    EXPECT_NEAR(s.ScaleLeft(), 5.7, 1e-6);
    EXPECT_NEAR(s.ScaleLeft() + s.ScaleWidth(), 6.9, 1e-6);
    const double y0 = 2, h = 2;
    EXPECT_EQ(px(f, 5.75, y0), Noir);
    const std::pair<double, int> attendus[] = {{5.8, 2}, {6, 5}, {6.2, 5}, {6.5, 4}, {6.8, 1}};
    for (const auto& [x, n] : attendus) {
        EXPECT_EQ(px(f, x, y0 + (n - 0.5) * h), Bleu) << x;
        EXPECT_EQ(px(f, x, y0 + (n + 0.5) * h), Blanc) << x;
    }
    EXPECT_EQ(px(f, 6.1, y0 + h), Blanc);
    // The dominant value 5,8 as a magenta tick under the axis.
    EXPECT_EQ(px(f, 5.8, y0 - h / 2), Magenta);
    EXPECT_EQ(px(f, 6, y0 - h / 2), Blanc);

    // Resolution 8 groups within 1: one stick of 17 at 5,8.
    f.MVScroll2(5).setValue(8);
    EXPECT_EQ(S(f.groupe->text()), "1,000");
    EXPECT_EQ(px(f, 5.8, y0 + 10 * h), Bleu);
    EXPECT_EQ(px(f, 6, y0 + h), Blanc);
    f.MVScroll2(5).setValue(2);
    EXPECT_EQ(S(f.groupe->text()), ",001");
    f.MVScroll2(5).setValue(0);
    EXPECT_EQ(S(f.groupe->text()), "pixel");
}

TEST_F(TraceDiagramme, ValeursNegativesEtValeursEgalesDansLImage) {
    FenHisto& f = ouvrir();
    calculer(f, "-5;-3;-2,5;-1;");
    const Surface& s = f.MHistPic->surface();
    EXPECT_NEAR(s.ScaleLeft(), -5.4, 1e-6);
    EXPECT_NEAR(s.ScaleLeft() + s.ScaleWidth(), -0.6, 1e-6);
    // 4 values: Y to 14, axis and stick unit 0,7.
    for (double x : {-5.0, -3.0, -2.5, -1.0}) EXPECT_EQ(px(f, x, 0.7 + 0.35), Bleu) << x;
    EXPECT_EQ(px(f, -5.3, 0.7), Noir);
    EXPECT_EQ(px(f, -0.7, 0.7), Noir);
    // The smallest gap, 0,5, starts at -3: the dominant value.
    EXPECT_NEAR(f.PdmCourant, -3, 1e-12);
    EXPECT_EQ(px(f, -3, 0.35), Magenta);

    calculer(f, "3;3;3;");
    EXPECT_NEAR(s.ScaleLeft(), 2.7, 1e-6);
    EXPECT_NEAR(s.ScaleWidth(), 0.6, 1e-6);
    EXPECT_EQ(px(f, 3, 0.6 + 2.5 * 0.6), Bleu);
    EXPECT_EQ(px(f, 3, 0.6 + 3.5 * 0.6), Blanc);
}

TEST_F(TraceDiagramme, EscalierCumuleEtPlumeMasque) {
    FenHisto& f = ouvrir();
    calculer(f, "1;2;4;");
    f.MCheck1(1).setChecked(false);
    f.MCheck1(2).setChecked(true);
    // 3 values: axis at 0,6, one tread per value, 2 higher each time.
    EXPECT_EQ(px(f, 1.5, 0.6 + 2), Rouge);
    EXPECT_EQ(px(f, 3, 0.6 + 4), Rouge);
    EXPECT_EQ(px(f, 3, 0.6 + 2), Blanc);
    EXPECT_EQ(px(f, 4.2, 0.6 + 6), Rouge);

    // A fixed Y scale of 10 makes the sticks 2,5 per value: the stick of the two 1 crosses
    // the tread at 4,5, and blue on red leaves black.
    calculer(f, "1;1;2;");
    f.MCheck1(1).setChecked(true);
    f.MCheck1(4).setChecked(true);
    f.MVScroll2(4).setValue(10);
    EXPECT_EQ(f.EchelleYFixe, 10);
    EXPECT_EQ(S(f.MCheck1(4).text()), "Ech. Y fixe 10");
    EXPECT_DOUBLE_EQ(f.MHistPic->surface().ScaleTop(), 10);
    EXPECT_EQ(px(f, 1.5, 4.5), Rouge);
    EXPECT_EQ(px(f, 1, 3), Bleu);
    EXPECT_EQ(px(f, 1, 4.5), Noir);
}

TEST_F(TraceDiagramme, EchellesFixesEtOrigine) {
    FenHisto& f = ouvrir();
    calculer(f, "5,8;6;6,2;7,5;");
    EXPECT_FALSE(f.MText5->isEnabled());
    f.MCheck1(3).setChecked(true);
    // Twice 7,5 cut to one digit is 14; 100 / 14 = 7,14 gives the window 0 to 7.
    EXPECT_EQ(f.MVScroll2(3).value(), 14);
    EXPECT_EQ(f.EchelleXFixe, 7);
    EXPECT_EQ(S(f.MCheck1(3).text()), "Ech. X fixe 7,1");
    EXPECT_TRUE(f.MText5->isEnabled());
    const Surface& s = f.MHistPic->surface();
    EXPECT_DOUBLE_EQ(s.ScaleLeft(), 0);
    EXPECT_DOUBLE_EQ(s.ScaleWidth(), 7);
    EXPECT_EQ(px(f, 6, 0.7 + 0.35), Bleu);
    // The origin shifts every abscissa.
    f.MText5->setText(QStringLiteral("2"));
    EXPECT_EQ(px(f, 4, 0.7 + 0.35), Bleu);
    EXPECT_EQ(px(f, 6, 0.7 + 0.35), Blanc);

    f.MCheck1(3).setChecked(false);
    EXPECT_FALSE(f.MText5->isEnabled());
    f.MCheck1(4).setChecked(true);
    // With the fixed Y range of 50 the axis stands at 2,5.
    EXPECT_DOUBLE_EQ(s.ScaleTop(), 50);
    EXPECT_EQ(px(f, 6.1, 2.5), Noir);
}

TEST_F(TraceDiagramme, TexteVideEffaceLeResumeEtGardeLeDessin) {
    FenHisto& f = ouvrir();
    calculer(f, Exemple);
    const QImage avant = f.MHistPic->surface().Image().copy();
    f.MCommand1_Click(0);
    EXPECT_TRUE(f.MText3->text().isEmpty());
    EXPECT_TRUE(f.Texte_MText1().isEmpty());
    EXPECT_EQ(f.MHistPic->surface().Image(), avant);
}

} // namespace
