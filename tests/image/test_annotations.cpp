// Scale bars and texts drawn on the view through the illustration menu, clicks on the
// view, the entry box and OK / Annule.
#include "tests/image/aide_annotations.h"

namespace {

using namespace AideAnnotations;

using Annotations = AnnotationTest;

// The horizontal bar, in the order the user goes: the click asks the length (10
// proposed), OK asks the unit ("microns" proposed), OK draws. Measured back between its
// ends with the measures' own distance, it has the typed length.
TEST_F(Annotations, HorizontalBarHasTheTypedLength) {
    Niveau(-4);
    tav.Illus_Click(1);
    Clic(1500, 1500);
    EXPECT_TRUE(tav.Frame(8).Visible);
    EXPECT_EQ(tav.TBox(5).Text, QStringLiteral("10"));
    EXPECT_EQ(tav.label(8).Caption, QStringLiteral("longueur de référence"));
    EXPECT_EQ(EtatSaisie, 1);
    Tape(QStringLiteral("150"));
    OK();
    EXPECT_EQ(tav.label(8).Caption, QStringLiteral("commentaire"));
    EXPECT_EQ(tav.TBox(5).Text, QStringLiteral("microns"));
    EXPECT_TRUE(tav.Bout_Symb.Visible);
    EXPECT_EQ(EtatSaisie, 3);
    OK();
    Dialogue_clos();
    Sortie(Vue(), QStringLiteral("annotations_barre_horizontale"));

    // Three pixels below the bar, only the two crosses' vertical arms: the bar's ends.
    const QList<int> marques = Colonnes_marquees(Vue(), 100 + 3, Gris);
    ASSERT_EQ(marques.size(), 2) << marques.size();
    EXPECT_EQ(marques[0], 100);
    const double mesure = Rappels::Distance_points(marques[0] * 15, 1500, marques[1] * 15, 1500) * 0.5;
    EXPECT_NEAR(mesure, 150.0, Microns_par_pixel());
    // The bar itself, three pixels thick, in the first drawing colour.
    EXPECT_EQ(Px(Vue(), (marques[0] + marques[1]) / 2, 100), Trace0);
}

// The oriented bar runs from the press toward the release, whichever quadrant; a
// vertical drag always runs downward. The dragged length is proposed.
TEST_F(Annotations, OrientedBarFollowsTheDrag) {
    const double L = 100;
    struct Cas {
        int dx, dy;        // the drag, view pixels
        double ux, uy;     // the direction expected
    };
    const Cas cas[] = {{60, 30, 2, 1}, {-60, 30, -2, 1}, {-60, -30, -2, -1}, {60, -30, 2, -1},
                       {0, -40, 0, 1}, {0, 40, 0, 1}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(testing::Message() << c.dx << ", " << c.dy);
        // A fresh view at a level where the bar is long.
        Niveau(-3);
        Niveau(-4);
        const double px_par_micron = 1 / Microns_par_pixel();
        const double lv = L * px_par_micron;
        const int x0 = 170, y0 = 125;
        tav.Illus_Click(2);
        Glisse(x0 * 15, y0 * 15, (x0 + c.dx) * 15, (y0 + c.dy) * 15);
        ASSERT_TRUE(IllusReferenceValeur);
        ASSERT_TRUE(tav.Frame(8).Visible);
        // The drag's length in microns is proposed.
        const double tire = std::hypot(c.dx, c.dy) / px_par_micron;
        EXPECT_NEAR(Gen::Val_decimal(tav.TBox(5).Text), tire, 2.0);
        Tape(QStringLiteral("100"));
        OK();
        ASSERT_EQ(EtatSaisie, 3);
        OK();
        Dialogue_clos();
        const double n = std::hypot(c.ux, c.uy);
        for (double t : {0.3, 0.6, 0.9}) {
            const int x = int(std::lround(x0 + c.ux / n * lv * t)), y = int(std::lround(y0 + c.uy / n * lv * t));
            // The bar is three pixels thick: most of the square around the point is red.
            int rouges = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) rouges += Px(Vue(), x + dx, y + dy) == Trace0;
            EXPECT_GE(rouges, 5) << t;
            // And nothing of it lies the other way.
            const int xo = int(std::lround(x0 - c.ux / n * lv * t)), yo = int(std::lround(y0 - c.uy / n * lv * t));
            int opposes = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) opposes += Px(Vue(), xo + dx, yo + dy) == Trace0;
            EXPECT_LT(opposes, 5) << t;
        }
    }
    Sortie(Vue(), QStringLiteral("annotations_barre_orientee"));
}

// Annule at each step wipes the unfinished marks and leaves no mode set; the view is
// the picture again.
TEST_F(Annotations, CancelAtEachStepLeavesNothing) {
    const QImage propre = Vue();
    const auto verifie = [&] {
        Dialogue_clos();
        EXPECT_EQ(Vue(), propre);
    };
    // Horizontal bar: at the length, at the unit.
    tav.Illus_Click(1);
    Clic(1500, 1500);
    Annule();
    verifie();
    tav.Illus_Click(1);
    Clic(1500, 1500);
    OK();
    Annule();
    verifie();
    // Oriented bar: before the drag, at the length, at the unit.
    tav.Illus_Click(2);
    Annule();
    verifie();
    tav.Illus_Click(2);
    Glisse(1500, 1500, 3000, 2000);
    Annule();
    verifie();
    tav.Illus_Click(2);
    Glisse(1500, 1500, 3000, 2000);
    OK();
    Annule();
    verifie();
    // Text.
    tav.Illus_Click(4);
    Clic(1500, 1500);
    Tape(QStringLiteral("Asci"));
    Annule();
    verifie();
}

// A length that is no number, zero, negative or beyond what the view can hold is
// refused on the flash panel, and the value step stays open for another one.
TEST_F(Annotations, ImpossibleLengthsAreRefused) {
    for (const char* texte : {"abc", "0", "-5", "1e30"}) {
        SCOPED_TRACE(texte);
        tav.Illus_Click(1);
        Clic(1500, 1500);
        Tape(QString::fromLatin1(texte));
        OK();
        EXPECT_EQ(EtatSaisie, 1);
        EXPECT_TRUE(tav.Frame(8).Visible);
        EXPECT_TRUE(IllusReference);
        Annule();
        Dialogue_clos();
    }
    // The oriented bar likewise: the view's snapshot is not left in charge of the moves.
    tav.Illus_Click(2);
    Glisse(1500, 1500, 3000, 2000);
    Tape(QStringLiteral("x"));
    OK();
    EXPECT_EQ(EtatSaisie, 1);
    EXPECT_TRUE(IllusReferenceValeur);
    EXPECT_TRUE(tav.Frame(8).Visible);
    Tape(QStringLiteral("20"));
    OK();
    OK();
    Dialogue_clos();
}

// A text lands at the click; the box starts empty with its prompt.
TEST_F(Annotations, TextAtTheClick) {
    tav.Illus_Click(4);
    Clic(3000, 3000);
    EXPECT_EQ(tav.label(8).Caption, QStringLiteral("texte à insérer***"));
    EXPECT_TRUE(tav.TBox(5).Text.isEmpty());
    Tape(QStringLiteral("Asci"));
    OK();
    Dialogue_clos();
    // Marks to the right of and below the click, none above it.
    int dessous = 0, dessus = 0;
    for (int y = 200; y < 230; ++y)
        for (int x = 200; x < 300; ++x) dessous += Px(Vue(), x, y) != Gris;
    for (int y = 150; y < 198; ++y)
        for (int x = 100; x < 300; ++x) dessus += Px(Vue(), x, y) != Gris;
    EXPECT_GT(dessous, 20);
    EXPECT_EQ(dessus, 0);
}

} // namespace
