// The scatter plot's scale and point picking without a window: where values land, the
// regression line's ends, and the rows each outline takes, all worked by hand.
#include <gtest/gtest.h>

#include "statwin/nuage_echelle.h"

using namespace Nuage;

namespace {

TEST(EchelleNuage, ValeursEtUnitesDuTrace) {
    // x from 1 to 5 and y from 2 to 5 over 750 units: 187.5 and 250 units per value.
    const auto e = Echelle_nuage(1, 5, 2, 5);
    ASSERT_TRUE(e);
    EXPECT_DOUBLE_EQ(e->EchelleX, 187.5);
    EXPECT_DOUBLE_EQ(e->EchelleY, 250);
    EXPECT_DOUBLE_EQ(e->X(3), 525);
    EXPECT_DOUBLE_EQ(e->Y(5), 900);
    EXPECT_DOUBLE_EQ(e->ValeurX(525), 3);
    EXPECT_DOUBLE_EQ(e->ValeurY(150), 2);
}

TEST(EchelleNuage, AxesConstantsEtAxeVide) {
    // Equal positive values: the axis runs from 0 to the value.
    auto e = Echelle_nuage(2, 2, 1, 3);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->minX, 0.0);
    EXPECT_DOUBLE_EQ(e->EchelleX, 375);
    EXPECT_DOUBLE_EQ(e->X(2), 900);
    // Zero or negative: a unit range around the value, which stands in the middle.
    e = Echelle_nuage(1, 3, 0, 0);
    EXPECT_DOUBLE_EQ(e->EchelleY, 750);
    EXPECT_DOUBLE_EQ(e->Y(0), 525);
    e = Echelle_nuage(-3, -3, 1, 3);
    EXPECT_EQ(e->minX, -3.5);
    EXPECT_EQ(e->maxX, -2.5);
    // A list with no value leaves its smallest value at 999999999: no plot.
    EXPECT_FALSE(Echelle_nuage(999999999, 0, 1, 3));
    EXPECT_FALSE(Echelle_nuage(1, 3, 999999999, 0));
}

TEST(EchelleNuage, BoutsDeLaDroite) {
    // y = 0.6 x + 2.2 on x from 1 to 5, y from 2 to 5: (1, 2.8) -> (150, 350) and
    // (5, 5.2) -> (900, 950).
    const auto e = Echelle_nuage(1, 5, 2, 5);
    const Segment d = Droite(*e, 0.6, 2.2);
    EXPECT_EQ(d.x1, 150);
    EXPECT_EQ(d.y1, 350);
    EXPECT_EQ(d.x2, 900);
    EXPECT_EQ(d.y2, 950);
}

// Points of known places: both axes from 1 to 5, so 1 -> 150, 2 -> 337.5, 3 -> 525,
// 4 -> 712.5, 5 -> 900.
std::vector<SeriesGrille::Point> points() {
    const double xy[8][2] = {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {1, 5}, {3, 4.6}, {4, 3.2}};
    std::vector<SeriesGrille::Point> r;
    for (int i = 0; i < 8; ++i) r.push_back({i + 1, xy[i][0], xy[i][1]});
    return r;
}

std::vector<int> lignes(const std::vector<SeriesGrille::Point>& p) {
    std::vector<int> r;
    for (const auto& q : p) r.push_back(q.ligne);
    return r;
}

Selection selection(Forme forme, double x, double y, double kx = 1, double ky = 1) {
    Selection s;
    s.forme = forme;
    s.x0 = 525;
    s.y0 = 525;
    s.x = x;
    s.y = y;
    s.kx = kx;
    s.ky = ky;
    return s;
}

TEST(ChoixDesPoints, RectangleCentreSurLePremierClic) {
    const auto e = *Echelle_nuage(1, 5, 1, 5);
    // Corners (300, 300) and (750, 750): x and y from 1.8 to 4.2.
    EXPECT_EQ(lignes(Points_choisis(points(), e, selection(Forme::Rectangle, 750, 750))), (std::vector<int>{2, 3, 4, 8}));
    // Its mirror image takes the same rows; so do corners on the points (2, 2) and (4, 4).
    EXPECT_EQ(lignes(Points_choisis(points(), e, selection(Forme::Rectangle, 300, 300))), (std::vector<int>{2, 3, 4, 8}));
    EXPECT_EQ(lignes(Points_choisis(points(), e, selection(Forme::Rectangle, 712.5, 712.5))),
              (std::vector<int>{2, 3, 4, 8}));
    EXPECT_EQ(lignes(Points_choisis(points(), e, selection(Forme::Rectangle, 530, 530))), (std::vector<int>{3}));
    EXPECT_TRUE(Points_choisis(points(), e, selection(Forme::Aucune, 900, 900)).empty());
}

TEST(ChoixDesPoints, CercleEnPixels) {
    const auto e = *Echelle_nuage(1, 5, 1, 5);
    // Equal pixels both ways, radius 200: (3, 3) at the centre and (4, 3.2), 191 away.
    EXPECT_EQ(lignes(Points_choisis(points(), e, selection(Forme::Cercle, 725, 525))), (std::vector<int>{3, 8}));
    // 0.566 pixels a unit across and 0.372 up: the radius is 113.2 pixels; (3, 4.6) lies
    // 300 * 0.372 = 111.6 pixels above the centre, inside; (2, 2) lies
    // sqrt(106.1^2 + 69.75^2) = 127 pixels away, outside.
    EXPECT_EQ(lignes(Points_choisis(points(), e, selection(Forme::Cercle, 725, 525, 0.566, 0.372))),
              (std::vector<int>{3, 7, 8}));
    // The circle takes what lies strictly inside; half the vertical offset counts.
    const Selection s = selection(Forme::Cercle, 712.5, 525);
    EXPECT_FALSE(Dans_forme(s, 712.5, 525));
    EXPECT_TRUE(Dans_forme(s, 712.4, 525));
    EXPECT_TRUE(Dans_forme(selection(Forme::Cercle, 525, 725), 525, 665));   // radius 200 / sqrt 2 = 141.4
    EXPECT_FALSE(Dans_forme(selection(Forme::Cercle, 525, 725), 525, 667));
}

TEST(ChoixDesPoints, EllipseDansLaBoiteDuRectangle) {
    const auto e = *Echelle_nuage(1, 5, 1, 5);
    // Semi-axes 225 across and 75 up: (4, 3.2) gives (187.5/225)^2 + (37.5/75)^2 = 0.94.
    EXPECT_EQ(lignes(Points_choisis(points(), e, selection(Forme::Ellipse, 750, 600))), (std::vector<int>{3, 8}));
    // Its edge is inside; a flat ellipse takes nothing.
    EXPECT_TRUE(Dans_forme(selection(Forme::Ellipse, 750, 600), 750, 525));
    EXPECT_TRUE(Points_choisis(points(), e, selection(Forme::Ellipse, 750, 525)).empty());
}

} // namespace
