// Chained segments ("Poly"): a chain of sides clicked on the view, its length recorded as
// the item's first value, the straight segment that stands for it and the widths across it.
//
// Reference numbers (python3), E = 26458 / 9000 at level 0, origin 0:
//   sides 450 and 600 at a right angle: 1050 units; toward the last vertex (450, 600) from
//   the origin: (1500 + 1050 x 0.6, 1500 + 1050 x 0.8) = (2130, 2340) (the angle's turns by
//   3.14159 cancel); records round(1500 E) = 4410, round(2130 E) = 6262, round(2340 E) = 6879
//   width across slope 840 / 630 from (1900, 1700), mouse at (2100, 1600): foot
//   Fx = round((2100 p + 1700 - 1600 + 1900 / p) / (p + 1 / p)) = 2076, Fy = 1568; width 220
#include <gtest/gtest.h>

#include "tests/measure/aide_mesure.h"

namespace {

using namespace AideMesure;

class Chaines : public MesureTest {
protected:
    void Poly(bool coche) {
        tav.Check2.Value = coche ? 1 : 0;
        tav.Check2_Click();
    }
};

TEST_F(Chaines, DeuxCotesEnAngleDroitPuisUneLargeurEnTravers) {
    Poly(true);
    EXPECT_EQ(tav.Check2.BackColor, 255);
    Fonction(2);
    Clic(1500, 1500);   // the origin: its release is ignored
    EXPECT_TRUE(TraceOrigine && RelacheIgnoree);
    Clic(1950, 1500);   // a vertex; its own release lies on it and adds nothing
    EXPECT_EQ(tav.label(9).Caption, QStringLiteral("225"));
    Bouge(1950, 2100);
    EXPECT_EQ(tav.label(9).Caption, QStringLiteral("525,0000"));   // the running length
    Clic(1950, 2100, 2);   // the last vertex closes the chain
    EXPECT_EQ(cell(1, 1), "525,00");
    // The chain's length in image pixels, which a calibration divides by.
    EXPECT_EQ(LongueurPixels, 1050);
    EXPECT_EQ(EtapeMesure, 2);
    EXPECT_EQ(entree(1, 1), (SegmentTrame{4410, 4410, 6262, 6879}));
    // The straight equivalent's circle of 100 units around its end (142, 156) pixels.
    EXPECT_TRUE(Autour(Vue(), 147, 151, Trace0));
    EXPECT_TRUE(Autour(Vue(), 137, 161, Trace0));
    EXPECT_EQ(Px(Vue(), 145, 159), Gris);
    EXPECT_TRUE(Sortie(Vue(), QStringLiteral("mesure_chaine")));

    Glisse(1900, 1700, 2100, 1600);
    EXPECT_EQ(cell(1, 2), "110,00");
    EXPECT_EQ(NbLignesGrille, 2);
    // The next item starts a new chain while the box stays ticked.
    Clic(1500, 3000);
    EXPECT_TRUE(TraceOrigine && RelacheIgnoree);
    // The box keeps the chain under way in its style until the chain is abandoned.
    Poly(false);
    EXPECT_TRUE(ModePoly);
    Touche(27);
    Poly(false);
    EXPECT_FALSE(ModePoly);
    EXPECT_EQ(tav.Check2.BackColor, 0x8000000F);
}

TEST_F(Chaines, SommetsEtFermetures) {
    Poly(true);
    Fonction(1);
    // Closed at once: the straight distance.
    Clic(1500, 1500);
    Clic(2100, 1500, 2);
    EXPECT_EQ(cell(1, 1), "300,00");
    EXPECT_EQ(SegmentsEcran[1], (SegmentVue{1500, 1500, 2100, 1500}));
    // A side shorter than the tolerance is not added; a drag adds two vertices.
    Clic(1500, 2000);
    Clic(1510, 2010);
    Appui(1800, 2000);
    Bouge(1800, 2200);
    Relache(1800, 2400);
    Clic(1800, 2400, 2);
    EXPECT_EQ(cell(2, 1), "350,00");   // 300 + 400
    // Closed straight above the origin: a vertical equivalent pointing up, 600 long.
    Clic(1500, 3000);
    Clic(1500, 2400, 2);
    EXPECT_EQ(SegmentsEcran[1], (SegmentVue{1500, 3000, 1500, 2400}));
    EXPECT_EQ(PenteSegment, 34000);
    EXPECT_EQ(cell(3, 1), "300,00");
    // Esc abandons the chain; the next one keeps its first vertex, though dragged.
    Clic(1500, 1500);
    Clic(1800, 1500);
    tav.Picture1_KeyDown(27, 0);
    EXPECT_FALSE(TraceOrigine || MesureBloquee);
    EXPECT_TRUE(ImageRestauree);
    Clic(1500, 1000);
    Glisse(1580, 1080, 1540, 1040);
    Clic(1700, 1200, 2);
    EXPECT_EQ(cell(4, 1), "197,99");   // (80 + 40 + 160) x sqrt(2) units
}

TEST_F(Chaines, LeStyleSimpleMesureSesLargeursLibrement) {
    Bipoint();
    Poly(true);
    Fonction(2);
    Clic(1500, 1500);
    Clic(1950, 1500);
    Clic(1950, 2100, 2);
    EXPECT_EQ(cell(1, 1), "525,00");
    Glisse(1900, 1700, 2100, 1700);
    EXPECT_EQ(cell(1, 2), "100,00");
}

} // namespace
