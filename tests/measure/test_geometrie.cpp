// The geometry the measures share: whole pixels before calibration, foot points of the
// width guide, the triangle's angle and surface, and lengths in the normal and maximised
// window.
//
// Reference numbers (python3):
//   angle at P of P(0,0) Q(1000,0) R(500,866): degrees(atan2(866, 500)) = 59.99927;
//   R(0,1000): 90; R(-500,866): 120.00073; R(-1000,0): 180
//   3-4-5 triangle of 300, 400, 500 units at 0.5 micron a unit: sides 150, 200, 250,
//   surface 15000 square microns
//   (0,0) (7,33) (21,99) at 0.5: s (s - a) (s - b) (s - c) = -2.0e-10 by Heron in doubles
//   width foot points, axis then press and mouse: vertical axis, (1400,1800), (1700,1900):
//   (1700, 1800); 45 degrees, (2000,1600), (1700,2100): (1600, 2000)
//   normal window (9000-unit view) and maximised (16200 inside, 16260 outside, divisor
//   16260 / 9060), level -2 (factor 1 / 1.4142136), image points (6000, 4000) and
//   (12000, 4000): view x = i x 1.4142136 x 9000 / 26458 -> 2886, 5773, y 1924;
//   maximised i x 1.4142136 x 16200 / 26458 -> 5195, 10391, y 3464;
//   lengths 2887 / 1.4142136 = 2041.4 -> 2041, 5196 / 1.4142136 / (16260 / 9060) = 2047.2 -> 2047
#include <cmath>
#include <gtest/gtest.h>

#include "measure/services_mesure.h"
#include "tests/measure/aide_mesure.h"

namespace {

using namespace AideMesure;

class Geometrie : public MesureTest {};

TEST_F(Geometrie, DesPixelsEntiersAvantLeCalibrage) {
    // One unit at factor 1 is one pixel and exactly the calibration.
    Fonction(1);
    Appui(1500, 1500);
    Bouge(1501, 1500);
    EXPECT_EQ(LongueurPixels, 1);
    EXPECT_EQ(tav.label(9).Caption, QStringLiteral("0,50"));
    Relache(1501, 1500), Touche(27);  // the click left its segment open for a second one
    // A 500-pixel picture under "Ind. Dim.": half a pixel a unit, halves to even.
    Image(500, 375);
    tav.Optn(2).Value = 0;
    tav.Optn(1).Value = -1;
    tav.Optn_Click(1);
    ASSERT_EQ(KZoomCal, 0.5);
    Niveau(0);
    Appui(1500, 1500);
    for (auto [d, pixels] : {std::pair{3, 2}, {5, 2}, {7, 4}}) {
        Bouge(1500 + d, 1500);
        EXPECT_EQ(LongueurPixels, pixels) << d;
    }
}

TEST_F(Geometrie, PiedsDeLaLargeur) {
    Fonction(2);
    struct Cas {
        int ax, ay, bx, by;          // the length axis
        int px, py, mx, my;          // the width's press, the mouse
        int fx, fy;                  // the foot point
        int gx, gy;                  // a pixel of the guide through the mouse
    };
    const Cas cas[] = {
        {1500, 1500, 2100, 1500, 1650, 1400, 1700, 1600, 1650, 1600, 173, 107},
        {1500, 1500, 1500, 2100, 1400, 1800, 1700, 1900, 1700, 1800, 113, 150},
        {1500, 1500, 2100, 2100, 2000, 1600, 1700, 2100, 1600, 2000, 133, 160},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.by);
        Glisse(c.ax, c.ay, c.bx, c.by);
        Appui(c.px, c.py);
        Bouge(c.mx, c.my);
        EXPECT_EQ(DernierPointX, c.fx);
        EXPECT_EQ(DernierPointY, c.fy);
        EXPECT_TRUE(Autour(Vue(), c.gx, c.gy, Trace1));
        // The width drawn from its press to the foot point, halfway.
        EXPECT_TRUE(Autour(Vue(), (c.px + c.fx) / 30, (c.py + c.fy) / 30, Trace1));
        Relache(c.mx, c.my);
        EXPECT_EQ(NbLignesGrille, 1 + int(&c - cas) + 1);
    }
    // A 45-degree axis shortens the guide's extent in X by sqrt(2).
    EXPECT_EQ(DemiGuide, std::lround(DemiGuideDefaut / std::sqrt(2.0)));
}

TEST_F(Geometrie, AnglesEtSurfacesDuTriangle) {
    using Gen::PointVue;
    const PointVue P{0, 0}, Q{1000, 0};
    const double degre = 180 / M_PI;
    EXPECT_NEAR(Gen::Calcul_angle(0, P, Q, {500, 866}) * degre, 59.99927, 1e-4);
    EXPECT_NEAR(Gen::Calcul_angle(0, P, Q, {0, 1000}) * degre, 90, 1e-9);
    EXPECT_NEAR(Gen::Calcul_angle(0, P, Q, {-500, 866}) * degre, 120.00073, 1e-4);
    EXPECT_NEAR(Gen::Calcul_angle(0, P, Q, {-1000, 0}) * degre, 180, 1e-9);
    EXPECT_NEAR(Gen::Surface_triangle(P, {300, 0}, {0, 400}), 15000, 1e-6);
    // Collinear points have no surface, whatever the rounding of Heron's product.
    const double s = Gen::Surface_triangle(P, {7, 33}, {21, 99});
    EXPECT_FALSE(std::isnan(s));
    EXPECT_NEAR(s, 0, 1e-3);
    EXPECT_EQ(Gen::Surface_triangle(P, Q, {-1000, 0}), 0);
}

TEST_F(Geometrie, LesMemesPointsDeLImageEnFenetreNormaleEtAgrandie) {
    Fonction(1);
    Niveau(-2);
    Glisse(2886, 1924, 5773, 1924);
    EXPECT_EQ(cell(1, 1), "1020,50");
    Fenetre(19380, 12000, 2);
    ASSERT_EQ(tav.Picture1.ScaleWidth, 16200);
    ASSERT_EQ(NiveauZoom, -2);
    Glisse(5195, 3464, 10391, 3464);
    // The divisor is a ratio of the view's outer widths and the mapping uses the inner
    // ones: the two lengths differ by the border's share.
    EXPECT_EQ(cell(2, 1), "1023,50");
}

} // namespace
