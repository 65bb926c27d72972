// The picture surface: scale, lines, boxes, circles, arcs, points, text, draw modes,
// saved images and stretch-painting, checked pixel by pixel; and its widget's mouse units.
#include <QApplication>
#include <QMouseEvent>
#include <cmath>
#include <gtest/gtest.h>

#include "platform/surface.h"
#include "platform/surface_boite.h"
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

TEST(Surface, FusionDuCrayonAvecLInverseDeLImage) {
    // Pen OR NOT picture: red over white stays red, over black it becomes white.
    Surface s = pixels();
    s.Line(0, 60, 199, 99, Noir, Surface::BoitePleine);
    s.DrawMode = Surface::FusionPlumeNonEcran;
    s.Line(100, 0, 100, 99, Rouge);
    EXPECT_EQ(px(s, 100, 20), Rouge);
    EXPECT_EQ(px(s, 100, 80), Blanc);
    EXPECT_EQ(px(s, 99, 80), Noir);
    // Painting a picture copies whatever the draw mode.
    QImage bleu(2, 2, QImage::Format_RGB32);
    bleu.fill(QColor(0, 0, 255));
    s.PaintPicture(bleu, 0, 0, 50, 50);
    EXPECT_EQ(px(s, 20, 20), 0xFF0000);
}

TEST(Surface, CoucheTransitoireEffaceeParLeDessinSuivant) {
    Surface s = pixels();
    s.Line(0, 10, 199, 10, Rouge);
    s.AutoRedraw = false;
    s.Line(0, 50, 199, 50, Rouge);
    EXPECT_EQ(px(s, 20, 50), Blanc);  // the persistent picture has no such line
    EXPECT_EQ(Surface::bgr(QColor(s.ImageAffichee().pixel(20, 50))), Rouge);
    EXPECT_EQ(Surface::bgr(QColor(s.ImageAffichee().pixel(20, 10))), Rouge);
    s.AutoRedraw = true;
    s.PSet(5, 5, Rouge);
    EXPECT_EQ(Surface::bgr(QColor(s.ImageAffichee().pixel(20, 50))), Blanc);
    EXPECT_EQ(s.ImageAffichee(), s.Image());
}

TEST(Surface, PeintureDUneSourceFractionnaireDecoupee) {
    // Two source pixels, red then green, 15 twips each.
    QImage deux(2, 1, QImage::Format_RGB32);
    deux.setPixel(0, 0, qRgb(255, 0, 0));
    deux.setPixel(1, 0, qRgb(0, 255, 0));
    Surface source(1, 1);
    source.charger(deux);
    EXPECT_DOUBLE_EQ(source.ScaleWidth(), 30);

    // From 7.5 to 22.5 twips: half of each pixel, so half of the destination each.
    Surface s = pixels();
    s.PaintPicture(source, 0, 0, 100, 10, 7.5, 0, 15, 15);
    EXPECT_EQ(px(s, 45, 5), Rouge);
    EXPECT_EQ(px(s, 55, 5), 0x00FF00);
    EXPECT_EQ(px(s, 110, 5), Blanc);

    // A rectangle half outside the picture paints only the half inside, at its place.
    Surface t = pixels();
    t.PaintPicture(source, 0, 0, 100, 10, -30, 0, 60, 15);
    EXPECT_EQ(px(t, 25, 5), Blanc);
    EXPECT_EQ(px(t, 60, 5), Rouge);
    EXPECT_EQ(px(t, 90, 5), 0x00FF00);

    // A destination far larger than the surface: only what lands on it is painted.
    Surface u = pixels();
    u.PaintPicture(source, -100, -100, 400, 400, 0, 0, 30, 15);
    EXPECT_EQ(px(u, 10, 10), Rouge);    // source x (10 + 100) / 200 = 0.55
    EXPECT_EQ(px(u, 150, 90), 0x00FF00);  // source x 1.25
}

TEST(Surface, PoliceLogiqueTourneeEtRendue) {
    Surface s = pixels();
    Surface::PoliceLogique lf;
    lf.Hauteur = -13;
    lf.Echappement = -900;  // a quarter turn clockwise: the text runs down
    lf.Graisse = 700;
    lf.Nom = QStringLiteral("Arial");
    EXPECT_FALSE(s.SelectionnePolice(lf).has_value());
    s.CurrentX = 100;
    s.CurrentY = 10;
    s.Print(QStringLiteral("ABCDEF"));
    int haut = 100, bas = -1, gauche = 200, droite = -1;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x)
            if (px(s, x, y) != Blanc) {
                haut = std::min(haut, y);
                bas = std::max(bas, y);
                gauche = std::min(gauche, x);
                droite = std::max(droite, x);
            }
    EXPECT_GE(haut, 9);
    EXPECT_GT(bas - haut, 30);
    EXPECT_LE(droite, 100);
    EXPECT_GE(gauche, 100 - 13);
    const std::optional<Surface::PoliceLogique> avant = s.SelectionnePolice({});
    ASSERT_TRUE(avant.has_value());
    EXPECT_EQ(*avant, lf);
    EXPECT_FALSE(s.PoliceSelectionnee().has_value());
}

TEST(Surface, BoiteDImageTailleExterieureEtInterieure) {
    BoiteImage b(9060, 6810, 30);
    EXPECT_EQ(b.ScaleWidth, 9000);
    EXPECT_EQ(b.ScaleHeight, 6750);
    EXPECT_EQ(b.surface().largeurPx(), 600);
    EXPECT_EQ(b.surface().hauteurPx(), 450);
    b.surface().Line(0, 0, 150, 0, Rouge);
    // A layout that sets the outer size: the inner one follows when asked, the drawing stays.
    b.Width = 6060;
    EXPECT_EQ(b.ScaleWidth, 9000);
    b.Interieur_suit();
    EXPECT_EQ(b.ScaleWidth, 6000);
    EXPECT_EQ(px(b.surface(), 5, 0), Rouge);
    EXPECT_EQ(b.surface().largeurPx(), 400);
    // A user scale: 1000 units across, 100 down.
    b.Echelle_utilisateur(1000, 100);
    EXPECT_EQ(b.ScaleMode, 0);
    b.surface().PSet(500, 50, Rouge);
    EXPECT_EQ(px(b.surface(), 200, 225), Rouge);
    // A holder sizes itself to its picture, 15 twips a pixel.
    BoiteImage porteur;
    porteur.Charge_picture(QImage(30, 20, QImage::Format_RGB32));
    EXPECT_EQ(porteur.Width, 450);
    EXPECT_EQ(porteur.Height, 300);
    EXPECT_EQ(porteur.ScaleWidth, 450);
}

TEST(Surface, LaVueMontreUneAutreSurface) {
    Surface autre(120, 80);
    autre.Scale(0, 0, 1200, 800);
    {
        VueSurface vue;
        vue.resize(300, 300);
        vue.montrer(&autre);
        EXPECT_EQ(vue.size(), QSize(120, 80));
        EXPECT_EQ(&vue.surface(), &autre);
        double x = -1, y = -1;
        vue.MouseDown = [&](int, int, double ux, double uy) {
            x = ux;
            y = uy;
        };
        QMouseEvent appui(QEvent::MouseButtonPress, QPointF(30, 20), QPointF(30, 20), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&vue, &appui);
        EXPECT_DOUBLE_EQ(x, 300);
        EXPECT_DOUBLE_EQ(y, 200);
        // An assignment keeps the shown surface's observer; a copy takes none along.
        Surface copie = autre;
        autre = Surface(60, 40);
        autre.Line(0, 0, 300, 0);
        EXPECT_EQ(vue.size(), QSize(60, 40));
        copie.Line(0, 0, 300, 0);
        EXPECT_EQ(vue.size(), QSize(60, 40));
    }
    // The widget gone, the surface draws on alone.
    autre.Line(0, 0, 300, 300);
    EXPECT_EQ(Surface::bgr(QColor(autre.Image().pixel(5, 5))), Noir);
}

} // namespace
