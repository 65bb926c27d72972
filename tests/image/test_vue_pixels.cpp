// The view, the thumbnail and the magnifier as a user would see them, pixel by pixel,
// driven through the window's handlers and real mouse events on the surface widget.
//
// Reference numbers (python3): R = math.sqrt(1.4142136), WH = 26458 for 1000 pixels.
//   view pixels per picture pixel = 9060 / (WH * R**L): level -2: 0.484268, level 0: 0.342430
//     level -2: x 500 -> 242.13, y 375 -> 181.60, x 1000 -> 484.27, y 750 -> 363.20
//     level 0:  x 500 -> 171.21, y 375 -> 128.41, x 1000 -> 342.43, y 750 -> 256.82
//   portrait 500 x 1000: WH = 13229, 9060 / (13229 * R**-2) = 0.968537, 1000 px -> 968.5
//   thumbnail rectangle at level -4: w = 2500 * WH/9000 * R**-4 * 9060/15000 = 2219.5 -> 2220,
//     h = 2220 / (9000/6750) = 1665; thumbnail 167 x 125 pixels for 2500 x 1875.05 units
#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include "app/etat.h"
#include "platform/surface_vue.h"
#include "tests/image/aide_vue.h"

namespace {

using namespace AideVue;

class Pixels : public VueTest {};

bool Vert_dans(const QImage& i, int x0, int y0, int x1, int y1) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (i.valid(x, y) && Px(i, x, y) == Vert) return true;
    return false;
}

void Clic(QWidget& w, QEvent::Type type, QPointF p, Qt::MouseButton b = Qt::LeftButton) {
    QMouseEvent e(type, p, p, type == QEvent::MouseMove ? Qt::NoButton : b,
                  type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(b), Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

TEST_F(Pixels, QuadrantsAuxNiveauxMoinsDeuxEtZero) {
    Ouvre(Quadrants(1000, 750));
    const QImage& v = Vue();
    ASSERT_EQ(v.width(), 600);
    ASSERT_EQ(v.height(), 450);
    EXPECT_EQ(Px(v, 240, 179), Rouge);
    EXPECT_EQ(Px(v, 244, 179), Magenta);
    EXPECT_EQ(Px(v, 240, 184), Bleu);
    EXPECT_EQ(Px(v, 244, 184), Noir);
    EXPECT_EQ(Px(v, 482, 361), Noir);
    EXPECT_EQ(Px(v, 487, 100), Blanc);  // beyond the picture's right edge
    EXPECT_EQ(Px(v, 100, 366), Blanc);  // below it
    Sortie(v, QStringLiteral("vue_z1"));
    // The copies the measures restore from hold the painted view.
    EXPECT_EQ(tav.ImageMem.Image(), v);
    EXPECT_EQ(tav.Image1.Image(), v);
    EXPECT_EQ(tav.Image2.Image(), v);

    tav.Czoom_Click(1);
    tav.Czoom_Click(1);
    EXPECT_EQ(Px(Vue(), 169, 126), Rouge);
    EXPECT_EQ(Px(Vue(), 173, 126), Magenta);
    EXPECT_EQ(Px(Vue(), 169, 131), Bleu);
    EXPECT_EQ(Px(Vue(), 173, 131), Noir);
    EXPECT_EQ(Px(Vue(), 340, 254), Noir);
    EXPECT_EQ(Px(Vue(), 345, 100), Blanc);
    EXPECT_EQ(Px(Vue(), 100, 259), Blanc);
}

TEST_F(Pixels, UneImageEnHauteurRemplitLaVue) {
    Ouvre(Quadrants(500, 1000), QStringLiteral("portrait.png"));
    // At 0.9685 view pixels a picture pixel, 968 pixels of height overfill the view.
    EXPECT_EQ(Px(Vue(), 100, 300), Rouge);
    EXPECT_EQ(Px(Vue(), 100, 449), Rouge);   // 302 pixels down the painted band would end
    EXPECT_EQ(Px(Vue(), 300, 449), Magenta);
    EXPECT_EQ(Px(Vue(), 486, 200), Blanc);   // 500 pixels wide: 484 view pixels
}

TEST_F(Pixels, VignetteEtRectangleDeLaVue) {
    Ouvre(Quadrants(1000, 750));
    tav.Czoom_Click(0);
    tav.Czoom_Click(0);
    ASSERT_EQ(NiveauZoom, -4);
    const BoiteImage& v = tav.VignP;
    EXPECT_EQ(v.Width, 2500);
    EXPECT_EQ(v.Height, 1875);
    EXPECT_NEAR(v.ScaleHeight, 1875.047, 1e-3);
    const QImage& vu = v.contenu().ImageAffichee();
    ASSERT_EQ(vu.width(), 167);
    ASSERT_EQ(vu.height(), 125);
    // The rectangle in the second drawing colour, over the picture's quadrants.
    EXPECT_EQ(Px(vu, 0, 50), Vert);
    EXPECT_EQ(Px(vu, 70, 0), Vert);
    EXPECT_TRUE(Vert_dans(vu, 147, 50, 149, 50));
    EXPECT_TRUE(Vert_dans(vu, 70, 110, 70, 112));
    EXPECT_EQ(Px(vu, 70, 50), Rouge);
    EXPECT_EQ(Px(vu, 160, 20), Magenta);
    // The rectangle is transient: the persistent thumbnail holds the picture alone.
    EXPECT_EQ(Px(v.Image(), 0, 50), Rouge);
    Sortie(Vue(), QStringLiteral("vue_zoom"));
    Sortie(vu, QStringLiteral("vignette_zoom"));

    // Each redraw wipes the last rectangle before framing anew.
    tav.Czoom_Click(1);
    EXPECT_FALSE(Vert_dans(v.contenu().ImageAffichee(), 147, 50, 149, 50));
}

TEST_F(Pixels, UnClicSurLaVignetteAmeneLePointEnHautAGauche) {
    Ouvre(Quadrants(1000, 750));
    VueSurface vue;
    vue.montrer(&tav.VignP.surface());
    EXPECT_EQ(vue.size(), QSize(167, 125));
    float recu_x = 0, recu_y = 0;
    vue.MouseDown = [&](int b, int s, double x, double y) {
        recu_x = float(x);
        recu_y = float(y);
        tav.VignP_MouseDown(short(b), short(s), float(x), float(y));
    };
    // Thumbnail pixel (80, 60): picture pixel 80 * 2500/167 * 6 / 15 = 479, 60 * 15 * 6 / 15 = 360.
    Clic(vue, QEvent::MouseButtonPress, QPointF(80, 60));
    EXPECT_NEAR(recu_x, 80 * 2500.0 / 167, 1e-3);
    EXPECT_NEAR(recu_y, 60 * 1875.047 / 125, 1e-2);
    EXPECT_EQ(OrigineX, Vb::CLng(recu_x * 6.0));
    EXPECT_EQ(OrigineY, Vb::CLng(recu_y * 6.0));
    // Picture pixel (479, 360) at the view's top left: red, with the boundaries 21 and 15
    // picture pixels on, 10 and 7 view pixels at level -2.
    EXPECT_EQ(Px(Vue(), 0, 0), Rouge);
    EXPECT_EQ(Px(Vue(), 8, 5), Rouge);
    EXPECT_EQ(Px(Vue(), 12, 5), Magenta);
    EXPECT_EQ(Px(Vue(), 8, 9), Bleu);
    // The rectangle starts at the clicked point.
    EXPECT_EQ(Px(vue.surface().ImageAffichee(), 80, 100), Vert);
    EXPECT_EQ(Px(vue.surface().ImageAffichee(), 100, 60), Vert);
    vue.montrer(nullptr);
}

TEST_F(Pixels, RectanglePlafonneEtFenetreReduite) {
    Ouvre(Quadrants(1000, 750));
    // Zooming far out by clicks at the centre: at level 12 the rectangle would be 35514
    // units wide; capped at 20000 (and 15000 high) its far edges show from (-19000, -14000).
    for (int i = 0; i < 14; ++i) {
        float x = 4500, y = 3375;
        BGr::Zoom_clic(2, 0, x, y);
    }
    ASSERT_EQ(NiveauZoom, 12);
    BGr::Trace_vignette(0, 0, LargeurVignette);
    BGr::Calcule_rectangle_vignette(-19000, -14000);
    const QImage& vu = tav.VignP.contenu().ImageAffichee();
    EXPECT_TRUE(Vert_dans(vu, 66, 20, 68, 20));  // x = 1000 units: pixel 66.8
    EXPECT_TRUE(Vert_dans(vu, 20, 66, 20, 67));  // y = 1000 units: pixel 66.7
    EXPECT_FALSE(Vert_dans(vu, 100, 0, 166, 124));

    // A minimised window frames nothing.
    Fenetre(12180, 8810, 1);
    EXPECT_FALSE(Vert_dans(tav.VignP.contenu().ImageAffichee(), 0, 0, 166, 124));
    EXPECT_EQ(NiveauZoom, -2);
}

TEST_F(Pixels, LaLoupeSuitLaSourisEtGrossitTroisFois) {
    Ouvre(Quadrants(1000, 750));
    VueSurface vue;
    vue.montrer(&tav.Picture1.surface());
    vue.MouseMove = [&](int b, int s, double x, double y) {
        tav.Picture1_MouseMove(short(b), short(s), float(x), float(y));
    };
    const QImage& loupe = tav.PLoupePic.contenu().Image();
    // Over the red-magenta boundary (view pixel 242.13), 10 view pixels to its right: the
    // square starts at 252 - 33.3, so the boundary lands at (242.13 - 218.67) * 3 = 70.
    Clic(vue, QEvent::MouseMove, QPointF(252, 120));
    ASSERT_EQ(loupe.width(), 200);
    EXPECT_EQ(Px(loupe, 66, 30), Rouge);
    EXPECT_EQ(Px(loupe, 74, 30), Magenta);
    Sortie(loupe, QStringLiteral("loupe"));

    // The cross, red merged with the inverse of the picture: red over white...
    Clic(vue, QEvent::MouseMove, QPointF(550, 100));
    EXPECT_EQ(Px(loupe, 50, 50), Blanc);
    EXPECT_EQ(Px(loupe, 50, 100), Rouge);
    EXPECT_EQ(Px(loupe, 100, 150), Rouge);
    // ...white over black.
    Clic(vue, QEvent::MouseMove, QPointF(400, 300));
    EXPECT_EQ(Px(loupe, 50, 50), Noir);
    EXPECT_EQ(Px(loupe, 50, 100), Blanc);
    EXPECT_EQ(Px(loupe, 100, 150), Blanc);

    // A hidden magnifier, or one held still, does not follow.
    const QImage avant = loupe;
    tav.PLoupePic.Visible = false;
    Clic(vue, QEvent::MouseMove, QPointF(550, 100));
    EXPECT_EQ(tav.PLoupePic.contenu().Image(), avant);
    vue.montrer(nullptr);
}

TEST_F(Pixels, LaRemiseAuDepartRendLesBoitesVides) {
    Ouvre(Quadrants(1000, 750));
    tav.Czoom_Click(0);
    tav.Picture1_MouseMove(0, 0, 3000, 2000);
    tav.Sauve_Ecran3();
    ASSERT_FALSE(tav.au_depart());
    Etat::Valeurs_de_chargement();
    EXPECT_TRUE(tav.au_depart());
    EXPECT_EQ(tav.picbase.Width, 0);
    EXPECT_EQ(tav.Picture1.ScaleWidth, 9000);
    EXPECT_EQ(tav.Picture1.Image().width(), 1);
    EXPECT_EQ(RapportImage, 0);
    EXPECT_EQ(NiveauZoomInitial, 0);
}

} // namespace
