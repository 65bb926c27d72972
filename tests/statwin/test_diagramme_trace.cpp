// The dot diagram: grouping of the values into sticks, the window drawn, the scales and
// display options, checked on the picture's pixels.
#include "statwin/diagramme_calcul.h"
#include "tests/statwin/test_diagramme_commun.h"

namespace {

constexpr long Blanc = 0xFFFFFF, Noir = 0, Bleu = 0xFF0000, Rouge = 0x0000FF, Magenta = 0xFF00FF;

TEST(BatonsDiagramme, UnGroupeSeMesureDepuisSaPremiereValeur) {
    std::vector<std::pair<double, int>> r;
    for (const auto& b : Diagramme::Batons({0, 1, 1.08, 1.16, 1.2, 3}, 0.1)) r.emplace_back(b.x, b.nombre);
    EXPECT_EQ(r, (std::vector<std::pair<double, int>>{{1, 2}, {1.16, 2}, {3, 1}}));
}

class TraceDiagramme : public DiagrammeTest {
protected:
    static long px(FenHisto& f, double x, double y) { return f.MHistPic->surface().Point(x, y); }
};

TEST_F(TraceDiagramme, UnBatonParValeurDistincte) {
    FenHisto& f = ouvrir();
    calculer(f, Exemple);
    const Surface& s = f.MHistPic->surface();
    // 17 values: Y from 0 to (17 + 3) x 2 = 40, axis at 2, a value 2 high; X from
    // 5,8 - 0,1 to 6,8 + 0,1.
    EXPECT_DOUBLE_EQ(s.ScaleTop(), 40);
    EXPECT_NEAR(s.ScaleLeft(), 5.7, 1e-6);
    EXPECT_NEAR(s.ScaleLeft() + s.ScaleWidth(), 6.9, 1e-6);
    EXPECT_EQ(px(f, 5.75, 2), Noir);
    const std::pair<double, int> attendus[] = {{5.8, 2}, {6, 5}, {6.2, 5}, {6.5, 4}, {6.8, 1}};
    for (const auto& [x, n] : attendus) {
        EXPECT_EQ(px(f, x, 2 + (n - 0.5) * 2), Bleu) << x;
        EXPECT_EQ(px(f, x, 2 + (n + 0.5) * 2), Blanc) << x;
    }
    // The dominant value 5,8, a magenta tick under the axis.
    EXPECT_EQ(px(f, 5.8, 1), Magenta);

    // Resolution 8 groups within 1: one stick of 17 at 5,8 (6,8 is exactly 1 above it).
    f.MVScroll2(5).setValue(8);
    EXPECT_EQ(S(f.groupe->text()), "1,000");
    EXPECT_EQ(px(f, 5.8, 2 + 20), Bleu);
    EXPECT_EQ(px(f, 6, 2 + 2), Blanc);
    f.MVScroll2(5).setValue(2);
    EXPECT_EQ(S(f.groupe->text()), ",001");

    // An empty text box clears the summary and leaves the picture as it was.
    const QImage avant = s.Image().copy();
    f.MCommand1_Click(0);
    EXPECT_TRUE(f.Texte_MText1().isEmpty());
    EXPECT_EQ(s.Image(), avant);
}

TEST_F(TraceDiagramme, ValeursNegativesEtValeursEgalesDansLImage) {
    FenHisto& f = ouvrir();
    calculer(f, "-5;-3;-2,5;-1;");
    const Surface& s = f.MHistPic->surface();
    EXPECT_NEAR(s.ScaleLeft(), -5.4, 1e-6);
    EXPECT_NEAR(s.ScaleLeft() + s.ScaleWidth(), -0.6, 1e-6);
    // 4 values: Y to 14, axis and stick unit 0,7; the axis crosses the whole picture.
    for (double x : {-5.0, -3.0, -2.5, -1.0}) EXPECT_EQ(px(f, x, 0.7 + 0.35), Bleu) << x;
    EXPECT_EQ(px(f, -5.3, 0.7), Noir);
    EXPECT_EQ(px(f, -0.7, 0.7), Noir);
    EXPECT_EQ(px(f, -3, 0.35), Magenta);

    calculer(f, "3;3;3;");
    EXPECT_NEAR(s.ScaleLeft(), 2.7, 1e-6);
    EXPECT_NEAR(s.ScaleWidth(), 0.6, 1e-6);
    EXPECT_EQ(px(f, 3, 0.6 + 2.5 * 0.6), Bleu);
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

    // A fixed Y scale of 10 makes a value 2,5 high: the stick of the two 1 crosses the
    // tread at 4,5, and blue masked by red leaves black.
    calculer(f, "1;1;2;");
    f.MCheck1(1).setChecked(true);
    f.MCheck1(4).setChecked(true);
    f.MVScroll2(4).setValue(10);
    EXPECT_EQ(S(f.MCheck1(4).text()), "Ech. Y fixe 10");
    EXPECT_DOUBLE_EQ(f.MHistPic->surface().ScaleTop(), 10);
    EXPECT_EQ(px(f, 1.5, 4.5), Rouge);
    EXPECT_EQ(px(f, 1, 3), Bleu);
    EXPECT_EQ(px(f, 1, 4.5), Noir);
}

TEST_F(TraceDiagramme, EchelleXFixeEtOrigine) {
    FenHisto& f = ouvrir();
    calculer(f, "5,8;6;6,2;7,5;");
    EXPECT_FALSE(f.MText5->isEnabled());
    f.MCheck1(3).setChecked(true);
    // Twice 7,5 cut to one digit is 14; 100 / 14 = 7,14 gives the window 0 to 7.
    EXPECT_EQ(f.MVScroll2(3).value(), 14);
    EXPECT_EQ(S(f.MCheck1(3).text()), "Ech. X fixe 7,1");
    EXPECT_TRUE(f.MText5->isEnabled());
    EXPECT_DOUBLE_EQ(f.MHistPic->surface().ScaleWidth(), 7);
    EXPECT_EQ(px(f, 6, 0.7 + 0.35), Bleu);
    f.MText5->setText(QStringLiteral("2"));
    EXPECT_EQ(px(f, 4, 0.7 + 0.35), Bleu);
    EXPECT_EQ(px(f, 6, 0.7 + 0.35), Blanc);
}

} // namespace
