// The picture surface: scale, lines, boxes, circles, arcs, points, text, draw modes,
// saved images and stretch-painting, checked pixel by pixel; and its widget's mouse units.
#include <QApplication>
#include <QMouseEvent>
#include <cmath>
#include <gtest/gtest.h>

#include "platform/surface.h"
#include "platform/surface_vue.h"

namespace {

constexpr long Noir = 0x000000, Blanc = 0xFFFFFF, Rouge = 0x0000FF;

long px(const Surface& s, int x, int y) { return Surface::bgr(QColor(s.Image().pixel(x, y))); }

// True when a pixel of that colour lies within one pixel of (x, y): curves may land on
// either neighbour of the exact place.
bool pres(const Surface& s, int x, int y, long couleur) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (s.Image().valid(x + dx, y + dy) && px(s, x + dx, y + dy) == couleur) return true;
    return false;
}

// A 200 x 100 picture whose units are its pixels.
Surface pixels() {
    Surface s(200, 100);
    s.Scale(0, 0, 200, 100);
    return s;
}

TEST(Surface, EchellesTwipsEtUtilisateur) {
    Surface s(100, 50);
    EXPECT_DOUBLE_EQ(s.ScaleWidth(), 1500);
    EXPECT_DOUBLE_EQ(s.ScaleHeight(), 750);
    s.Line(150, 0, 150, 735);  // 150 twips is pixel 10
    EXPECT_EQ(px(s, 10, 0), Noir);
    EXPECT_EQ(px(s, 10, 49), Noir);
    EXPECT_EQ(px(s, 11, 20), Blanc);

    // 0..1000 with y upwards: the bottom left corner is the origin.
    Surface u(200, 100);
    u.Scale(0, 1000, 1000, 0);
    const QPointF p = u.versPixels(500, 500);
    EXPECT_DOUBLE_EQ(p.x(), 100);
    EXPECT_DOUBLE_EQ(p.y(), 50);
    u.Line(100, 100, 900, 100);
    EXPECT_EQ(px(u, 20, 90), Noir);
    EXPECT_EQ(px(u, 180, 90), Noir);
    EXPECT_EQ(px(u, 19, 90), Blanc);
    EXPECT_EQ(px(u, 181, 90), Blanc);
    EXPECT_EQ(px(u, 100, 89), Blanc);
    const QPointF q = u.versUnites(20, 90);
    EXPECT_DOUBLE_EQ(q.x(), 100);
    EXPECT_DOUBLE_EQ(q.y(), 100);
    // The position ends on the line's second point.
    EXPECT_DOUBLE_EQ(u.CurrentX, 900);
    EXPECT_DOUBLE_EQ(u.CurrentY, 100);
}

TEST(Surface, BoitesContourEtPleines) {
    Surface s = pixels();
    s.Line(10, 10, 50, 30, Rouge, Surface::Boite);
    for (auto [x, y] : {std::pair{10, 10}, {50, 30}, {30, 10}, {10, 20}, {50, 20}, {30, 30}})
        EXPECT_EQ(px(s, x, y), Rouge) << x << "," << y;
    EXPECT_EQ(px(s, 30, 20), Blanc);
    EXPECT_EQ(px(s, 51, 20), Blanc);
    EXPECT_EQ(px(s, 30, 31), Blanc);

    // A box drawn from its lower right corner covers the same pixels.
    s.Line(150, 60, 110, 40, -1, Surface::BoitePleine);
    EXPECT_EQ(px(s, 110, 40), Noir);
    EXPECT_EQ(px(s, 130, 50), Noir);
    EXPECT_EQ(px(s, 150, 60), Noir);
    EXPECT_EQ(px(s, 151, 50), Blanc);
    EXPECT_EQ(px(s, 130, 39), Blanc);

    // A solid fill style fills a box with the fill colour inside its outline.
    s.FillStyle = Surface::Plein;
    s.FillColor = 0x00FF00;
    s.Line(10, 60, 50, 90, Noir, Surface::Boite);
    EXPECT_EQ(px(s, 30, 75), 0x00FF00);
    EXPECT_EQ(px(s, 10, 75), Noir);
}

TEST(Surface, LargeurDeTrait) {
    Surface s = pixels();
    s.DrawWidth = 3;
    s.Line(20, 50, 180, 50);
    EXPECT_EQ(px(s, 100, 49), Noir);
    EXPECT_EQ(px(s, 100, 50), Noir);
    EXPECT_EQ(px(s, 100, 51), Noir);
    EXPECT_EQ(px(s, 100, 53), Blanc);
    EXPECT_EQ(px(s, 100, 47), Blanc);
}

TEST(Surface, CerclesEllipsesEtArcs) {
    Surface s = pixels();
    s.Circle(100, 50, 40);
    EXPECT_TRUE(pres(s, 140, 50, Noir));
    EXPECT_TRUE(pres(s, 60, 50, Noir));
    EXPECT_TRUE(pres(s, 100, 10, Noir));
    EXPECT_TRUE(pres(s, 100, 90, Noir));
    EXPECT_EQ(px(s, 100, 50), Blanc);
    EXPECT_EQ(px(s, 128, 50), Blanc);
    EXPECT_DOUBLE_EQ(s.CurrentX, 100);  // the position ends at the centre

    // Aspect 0.5: the vertical radius is half the horizontal one.
    Surface a = pixels();
    a.Circle(100, 50, 40, Rouge, {}, {}, 0.5);
    EXPECT_TRUE(pres(a, 140, 50, Rouge));
    EXPECT_TRUE(pres(a, 100, 30, Rouge));
    EXPECT_FALSE(pres(a, 100, 10, Rouge));
    // Aspect 2: the radius is the vertical one, the horizontal is half of it.
    Surface b = pixels();
    b.Circle(100, 50, 40, Rouge, {}, {}, 2);
    EXPECT_TRUE(pres(b, 100, 10, Rouge));
    EXPECT_TRUE(pres(b, 120, 50, Rouge));
    EXPECT_FALSE(pres(b, 140, 50, Rouge));

    // The radius is in horizontal units: with 2 pixels a unit across and 1 down, a
    // circle stays round on screen.
    Surface c(200, 100);
    c.Scale(0, 0, 100, 100);
    c.Circle(50, 50, 10);
    EXPECT_TRUE(pres(c, 120, 50, Noir));
    EXPECT_TRUE(pres(c, 100, 30, Noir));
    EXPECT_FALSE(pres(c, 100, 40, Noir));

    // An arc from 0 to pi/2 is the upper right quarter; negative angles add the radii.
    Surface d = pixels();
    d.Circle(100, 50, 40, Noir, 0.0, M_PI / 2);
    EXPECT_TRUE(pres(d, 128, 22, Noir));
    EXPECT_FALSE(pres(d, 60, 50, Noir));
    EXPECT_FALSE(pres(d, 100, 90, Noir));
    EXPECT_EQ(px(d, 120, 50), Blanc);
    Surface e = pixels();
    e.Circle(100, 50, 40, Noir, -1e-9, -M_PI / 2);
    EXPECT_EQ(px(e, 120, 50), Noir);
    EXPECT_EQ(px(e, 100, 30), Noir);
    EXPECT_FALSE(pres(e, 72, 78, Noir));

    // A solid fill style fills the circle.
    Surface f = pixels();
    f.FillStyle = Surface::Plein;
    f.FillColor = Rouge;
    f.Circle(100, 50, 20);
    EXPECT_EQ(px(f, 100, 50), Rouge);
    EXPECT_EQ(px(f, 100, 20), Blanc);
}

TEST(Surface, PointsEtLectureDePixel) {
    Surface s(100, 100);
    s.Scale(0, 1000, 1000, 0);
    s.PSet(500, 500, Rouge);
    EXPECT_EQ(s.Point(500, 500), Rouge);
    EXPECT_EQ(px(s, 50, 50), Rouge);
    EXPECT_EQ(s.Point(520, 500), Blanc);
    EXPECT_EQ(s.Point(-50, 500), -1);
    EXPECT_EQ(s.Point(500, 1200), -1);
    s.ForeColor = 0x123456;
    s.PSet(100, 100);
    EXPECT_EQ(s.Point(100, 100), 0x123456);
    EXPECT_EQ(Surface::QBColor(12), 0x0000FF);
    EXPECT_EQ(Surface::RGB(255, 0, 0), 0x0000FF);
}

TEST(Surface, ModeInverseEffaceCeQuIlTrace) {
    Surface s = pixels();
    s.Line(0, 50, 199, 50, Rouge);
    const QImage avant = s.Image();
    s.DrawMode = Surface::Inverse;
    s.Line(20, 20, 120, 80, -1, Surface::Boite);
    EXPECT_EQ(px(s, 20, 20), Noir);          // white inverted
    EXPECT_EQ(px(s, 20, 50), 0xFFFF00);      // red inverted is cyan
    EXPECT_EQ(px(s, 60, 40), Blanc);         // inside untouched
    s.Line(20, 20, 120, 80, -1, Surface::Boite);
    s.Circle(100, 50, 30);
    s.Circle(100, 50, 30);
    EXPECT_EQ(s.Image(), avant);
}

TEST(Surface, TexteALaPositionCourante) {
    Surface s = pixels();
    s.FontSize = 8;
    const double h8 = s.TextHeight(QStringLiteral("X"));
    const double w = s.TextWidth(QStringLiteral("Max."));
    EXPECT_GT(h8, 6);
    EXPECT_LT(h8, 20);
    EXPECT_GT(w, 15);
    s.CurrentX = 40;
    s.CurrentY = 30;
    s.Print(QStringLiteral("Max."), true);
    EXPECT_DOUBLE_EQ(s.CurrentX, 40 + w);
    EXPECT_DOUBLE_EQ(s.CurrentY, 30);
    int encre = 0, dehors = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x) {
            if (px(s, x, y) == Blanc) continue;
            const bool dedans = x >= 40 && x <= 40 + w + 1 && y >= 30 && y <= 30 + h8 + 1;
            (dedans ? encre : dehors) += 1;
        }
    EXPECT_GT(encre, 10);
    EXPECT_EQ(dehors, 0);
    // Without the trailing mark the position goes to the start of the next line.
    s.Print(QStringLiteral("5"));
    EXPECT_DOUBLE_EQ(s.CurrentX, 0);
    EXPECT_DOUBLE_EQ(s.CurrentY, 30 + h8);
    s.FontSize = 16;
    EXPECT_GT(s.TextHeight(), 1.5 * h8);
}

TEST(Surface, ImageSauveeEtPeinteEtiree) {
    Surface s = pixels();
    s.Line(10, 10, 190, 90);
    const QImage copie = s.Image();
    s.Line(10, 90, 190, 10, Rouge);
    s.restaurer(copie);
    EXPECT_EQ(s.Image(), copie);

    QImage carreaux(2, 2, QImage::Format_RGB32);
    carreaux.setPixel(0, 0, qRgb(255, 0, 0));
    carreaux.setPixel(1, 0, qRgb(0, 255, 0));
    carreaux.setPixel(0, 1, qRgb(0, 0, 255));
    carreaux.setPixel(1, 1, qRgb(0, 0, 0));
    Surface t = pixels();
    t.PaintPicture(carreaux, 100, 0, 100, 100);
    EXPECT_EQ(px(t, 110, 10), 0x0000FF);
    EXPECT_EQ(px(t, 190, 10), 0x00FF00);
    EXPECT_EQ(px(t, 110, 90), 0xFF0000);
    EXPECT_EQ(px(t, 190, 90), Noir);
    EXPECT_EQ(px(t, 99, 50), Blanc);
    // A rectangle of the source only.
    t.PaintPicture(carreaux, 0, 0, 50, 50, 1, 0, 1, 1);
    EXPECT_EQ(px(t, 25, 25), 0x00FF00);
}

TEST(Surface, RedimensionnementGardeDessinEtEchelle) {
    Surface s(100, 100);
    s.Scale(0, 1000, 1000, 0);
    s.PSet(100, 900, Rouge);  // pixel (10, 10)
    s.redimensionner(200, 50);
    EXPECT_EQ(px(s, 10, 10), Rouge);
    EXPECT_DOUBLE_EQ(s.ScaleHeight(), -1000);
    EXPECT_EQ(px(s, 150, 40), Blanc);
    s.Cls();
    EXPECT_EQ(px(s, 10, 10), Blanc);
    EXPECT_DOUBLE_EQ(s.CurrentX, 0);
    EXPECT_DOUBLE_EQ(s.CurrentY, 1000);
    Surface t(10, 10);
    t.redimensionner(20, 10);
    EXPECT_DOUBLE_EQ(t.ScaleWidth(), 300);  // a twips scale follows the size
}

TEST(Surface, LaVueDonneLaSourisEnUnites) {
    VueSurface vue;
    vue.resize(200, 100);
    vue.surface().Scale(0, 1000, 1000, 0);
    struct Clic { int b, s; double x, y; };
    std::vector<Clic> bas, mouvements, hauts;
    vue.MouseDown = [&](int b, int s, double x, double y) { bas.push_back({b, s, x, y}); };
    vue.MouseMove = [&](int b, int s, double x, double y) { mouvements.push_back({b, s, x, y}); };
    vue.MouseUp = [&](int b, int s, double x, double y) { hauts.push_back({b, s, x, y}); };

    QMouseEvent appui(QEvent::MouseButtonPress, QPointF(100, 50), QPointF(100, 50), Qt::RightButton,
                      Qt::RightButton, Qt::ShiftModifier);
    QApplication::sendEvent(&vue, &appui);
    QMouseEvent glisse(QEvent::MouseMove, QPointF(20, 90), QPointF(20, 90), Qt::NoButton, Qt::LeftButton,
                       Qt::ControlModifier);
    QApplication::sendEvent(&vue, &glisse);
    QMouseEvent relache(QEvent::MouseButtonRelease, QPointF(20, 90), QPointF(20, 90), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&vue, &relache);

    ASSERT_EQ(bas.size(), 1u);
    EXPECT_EQ(bas[0].b, 2);
    EXPECT_EQ(bas[0].s, 1);
    EXPECT_DOUBLE_EQ(bas[0].x, 500);
    EXPECT_DOUBLE_EQ(bas[0].y, 500);
    ASSERT_EQ(mouvements.size(), 1u);
    EXPECT_EQ(mouvements[0].b, 1);
    EXPECT_EQ(mouvements[0].s, 2);
    EXPECT_DOUBLE_EQ(mouvements[0].x, 100);
    EXPECT_DOUBLE_EQ(mouvements[0].y, 100);
    ASSERT_EQ(hauts.size(), 1u);
    EXPECT_EQ(hauts[0].b, 1);
    // The surface follows the widget's size at once, even hidden.
    vue.resize(300, 120);
    EXPECT_EQ(vue.surface().largeurPx(), 300);
    EXPECT_EQ(vue.surface().Image().height(), 120);
}

} // namespace
