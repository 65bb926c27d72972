// The view's zoom state and the mapping between view and image units: a picture of
// 1000 x 750 pixels in a view 9060 twips wide outside and 9000 inside.
//
// Reference numbers (python3):
//   R = math.sqrt(1.4142136); WH = round(1000*2540/96) = 26458; HH = round(750*2540/96) = 19844
//   E = WH/9000 = 2.9397778; f(-2) = R**-2 = 0.70710676; k = f*WH/9060 = 2.0649703
//   3000 * f * E = 6236.21; 1500 * f * E = 3118.11
//   click (2400, 1800) at level -2: image point 2400*k = 4955.93, 1800*k = 3716.95;
//   f(-3)*WH/9060*(2400*R - 4500) = -2857.99, f(-3)*WH/9060*(1800*R - 3375) = -2143.49
//   middle click: k*(2400-4500) = -4336.44, k*(1800-3375) = -3252.33
//   labels: int(100/R**L + 0.5)*0.005 = 0.5 (L=0), 0.705 (-2), 1.0 (-4), 0.17500000000000002 (6)
#include <cmath>
#include <gtest/gtest.h>

#include "base/vb.h"
#include "tests/image/aide_vue.h"

using AideVue::Px;
using AideVue::Blanc;

namespace {

using AideVue::VueTest;

class Zoom : public VueTest {
protected:
    void SetUp() override {
        VueTest::SetUp();
        Ouvre(AideVue::Quadrants(1000, 750));
    }
    QString Etiquette() const { return tav.label(2).Caption; }
};

TEST_F(Zoom, UneImageOuvreAZ1AvecSesEtenduesEtSonEchelle) {
    EXPECT_EQ(tav.picbase.Width, 15000);
    EXPECT_EQ(tav.picbase.Height, 11250);
    EXPECT_EQ(tav.picbase.LargeurHimetric, 26458);
    EXPECT_EQ(tav.picbase.HauteurHimetric, 19844);
    EXPECT_NEAR(RapportImage, 1.3332997, 1e-7);
    EXPECT_NEAR(EchelleAffichage, 2.9397778, 1e-7);
    EXPECT_EQ(NiveauZoom, -2);
    EXPECT_EQ(NiveauZoomInitial, -2);
    EXPECT_NEAR(FacteurZoom, 0.70710676, 1e-8);
    EXPECT_EQ(Etiquette(), QStringLiteral("Z= 0,705"));
    EXPECT_EQ(BGr::Vue_vers_image_X(3000), 6236);
    EXPECT_EQ(BGr::Vue_vers_image_Y(1500), 3118);
    EXPECT_NEAR(BGr::Facteur_deplacement(), 2.0649703, 1e-7);
}

TEST_F(Zoom, VueImageVueAUneUnitePresATousLesNiveaux) {
    // Levels -4 to 2 through the buttons and zoom clicks, origins moved by hand panning.
    tav.Czoom_Click(0);
    tav.Czoom_Click(0);
    for (int pas = 0; pas < 7; ++pas) {
        ASSERT_EQ(NiveauZoom, -4 + pas);
        for (auto [dx, dy] : {std::pair{0, 0}, {-1234, 567}, {4321, -2222}}) {
            BGr::Decale_vue(dx, dy);
            for (double x : {0.0, 15.0, 4500.0, 8999.0}) {
                const double y = x * 0.75;
                EXPECT_NEAR(BGr::Image_vers_vue_X(BGr::Vue_vers_image_X(x)), x, 1.0);
                EXPECT_NEAR(BGr::Image_vers_vue_Y(BGr::Vue_vers_image_Y(y)), y, 1.0);
            }
        }
        float x = 4500, y = 3375;
        BGr::Zoom_clic(2, 0, x, y);
    }
}

TEST_F(Zoom, LePasDeZoomGardeLeCoinHautGauche) {
    BGr::Decale_vue(-4000, -3000);  // the picture follows the hand: the origin moves right and down
    const int ox = OrigineX, oy = OrigineY;
    EXPECT_EQ(ox, Vb::CLng(4000 * 2.0649703));
    const unsigned coin = AideVue::Px(Vue(), 0, 0);
    tav.Czoom_Click(0);
    EXPECT_EQ(NiveauZoom, -3);
    EXPECT_EQ(OrigineX, ox);
    EXPECT_EQ(OrigineY, oy);
    EXPECT_EQ(BGr::Vue_vers_image_X(0), ox);
    EXPECT_EQ(AideVue::Px(Vue(), 0, 0), coin);
    tav.Czoom_Click(1);
    EXPECT_EQ(NiveauZoom, -2);
    EXPECT_EQ(OrigineX, ox);
}

TEST_F(Zoom, ZoomParClicCentreLePointEtLeBoutonDuMilieuRecentreSeulement) {
    float x = 2400, y = 1800;
    BGr::Zoom_clic(1, 0, x, y);
    EXPECT_EQ(NiveauZoom, -3);
    EXPECT_NEAR(x, 2400 * std::sqrt(std::sqrt(2.0)), 0.01);  // divided by the ratio to the power -1
    EXPECT_EQ(OrigineX, -2858);
    EXPECT_EQ(OrigineY, -2143);
    // The clicked picture point, 4955.93 and 3716.95, is now painted at the view's centre.
    const double k = BGr::Facteur_deplacement();
    EXPECT_NEAR(OrigineX + k * 4500, 4955.93, 1.0);
    EXPECT_NEAR(OrigineY + k * 3375, 3716.95, 1.0);

    tav.Czoom_Click(2);  // back to Z1 at the origin
    x = 2400;
    y = 1800;
    BGr::Zoom_clic(4, 0, x, y);
    EXPECT_EQ(NiveauZoom, -2);
    EXPECT_EQ(OrigineX, -4336);
    EXPECT_EQ(OrigineY, -3252);
}

TEST_F(Zoom, BoutonsMoinsEtZ1) {
    tav.Czoom_Click(1);
    tav.Czoom_Click(1);
    EXPECT_EQ(NiveauZoom, 0);
    EXPECT_EQ(Etiquette(), QStringLiteral("Z= 0,5"));
    tav.Czoom_Click(1);  // refused at level 0
    EXPECT_EQ(NiveauZoom, 0);

    // A step of 2 from level -1 reaches +1, then stops.
    tav.Czoom_Click(0);
    tav.Czoom_Click(3);
    EXPECT_EQ(PasZoom, 2);
    EXPECT_EQ(tav.Czoom(3).Caption, QStringLiteral(">>"));
    tav.Czoom_Click(1);
    EXPECT_EQ(NiveauZoom, 1);
    tav.Czoom_Click(1);
    EXPECT_EQ(NiveauZoom, 1);

    // "Z1" is the level of the last load, whatever the step is now.
    BGr::Decale_vue(500, 500);
    tav.Czoom_Click(2);
    EXPECT_EQ(NiveauZoom, -2);
    EXPECT_EQ(OrigineX, 0);
    EXPECT_EQ(OrigineY, 0);
    Ouvre(AideVue::Quadrants(1000, 750), QStringLiteral("autre.png"));
    EXPECT_EQ(NiveauZoom, -4);
    EXPECT_EQ(Etiquette(), QStringLiteral("Z= 1"));
    tav.Czoom_Click(3);
    EXPECT_EQ(PasZoom, 1);
    EXPECT_EQ(tav.Czoom(3).Caption, QStringLiteral("<<"));
}

TEST_F(Zoom, EtiquetteAuPlusCourtDansLaLangueDeLUtilisateur) {
    {
        LocaleScope anglais(QLocale::English, QLocale::UnitedKingdom);
        tav.Czoom_Click(2);
        EXPECT_EQ(Etiquette(), QStringLiteral("Z= 0.705"));
    }
    // Level 6 by zoom clicks: 0.175, not the 0.17500000000000002 the product holds.
    for (int i = 0; i < 8; ++i) {
        float x = 4500, y = 3375;
        BGr::Zoom_clic(2, 0, x, y);
    }
    EXPECT_EQ(NiveauZoom, 6);
    EXPECT_EQ(Etiquette(), QStringLiteral("Z= 0,175"));
}

TEST_F(Zoom, UnRedimensionnementRevientAZ1) {
    tav.Czoom_Click(0);
    BGr::Decale_vue(-900, 300);
    Fenetre(13180, 9810);
    EXPECT_EQ(tav.Picture1.Width, 10060);
    EXPECT_EQ(tav.Picture1.ScaleWidth, 10000);
    EXPECT_EQ(NiveauZoom, -2);
    EXPECT_EQ(OrigineX, 0);
    EXPECT_EQ(OrigineY, 0);
    EXPECT_NEAR(EchelleAffichage, 2.6458, 1e-9);
    EXPECT_DOUBLE_EQ(DiviseurEchelle, 1.0);
    EXPECT_EQ(tav.Picture1.surface().largeurPx(), 667);
}

TEST_F(Zoom, UnCentrageHorsDePorteeRendLEtatDAvant) {
    // Zooming out by right clicks at the top-left corner, which has no level limit, until
    // the centring leaves the range of the origin: the click that fails changes nothing.
    short dernier = NiveauZoom;
    bool echec = false;
    for (int i = 0; i < 200 && !echec; ++i) {
        const short niveau = NiveauZoom;
        const int ox = OrigineX, oy = OrigineY;
        const QImage vue = Vue();
        float x = 0, y = 0;
        BGr::Zoom_clic(2, 0, x, y);
        if (NiveauZoom == niveau) {
            echec = true;
            EXPECT_EQ(OrigineX, ox);
            EXPECT_EQ(OrigineY, oy);
            EXPECT_DOUBLE_EQ(FacteurZoom, std::pow(RapportZoom, niveau));
            EXPECT_EQ(Vue(), vue);
        }
        dernier = niveau;
    }
    EXPECT_TRUE(echec);
    EXPECT_GT(dernier, 40);
    // The view still zooms back in from there.
    tav.Czoom_Click(0);
    EXPECT_EQ(NiveauZoom, dernier - 1);
}

TEST_F(Zoom, UnDecalageALaMainHorsDePorteeNeChangeRien) {
    // At level 69 a full-width hand pan moves the origin past 2^31: the release changes nothing.
    for (float i = 0, x, y; i < 100 && NiveauZoom < 69; ++i) BGr::Zoom_clic(2, 0, x = 4500, y = 3375);  // right clicks
    ASSERT_EQ(NiveauZoom, 69);
    tav.Bout_C_Click(5);
    const int ox = OrigineX, oy = OrigineY;
    const QImage vue = Vue();
    tav.Picture1_MouseDown(1, 0, 0, 3000);
    EXPECT_NO_THROW(tav.Picture1_MouseUp(1, 0, 9000, 3000));
    EXPECT_TRUE(OrigineX == ox && OrigineY == oy && Vue() == vue);
}

TEST_F(Zoom, UneVueDePlusDe2184PixelsPrendSesClicsAuDela32767) {
    // A view 40000 twips wide inside (2667 pixels): a centring click at 36000 twips.
    // k = R**-2 * 26458 / 40060 = 0.4670152; 0.4670152 * (36000 - 20000) = 7472.24,
    // 0.4670152 * (3000 - 3375) = -175.13.
    Fenetre(43180, 8810);
    ASSERT_EQ(tav.Picture1.ScaleWidth, 40000);
    float x = 36000, y = 3000;
    BGr::Zoom_clic(4, 0, x, y);
    EXPECT_EQ(OrigineX, 7472);
    EXPECT_EQ(OrigineY, -175);
    // Past 32767 twips the thumbnail click and the magnifier work the same.
    tav.Picture1_MouseMove(0, 0, 36000, 3000);
    EXPECT_EQ(Px(tav.PLoupePic.contenu().Image(), 20, 20), Blanc);
    BGr::Decale_vue(-34000, 0);
    EXPECT_EQ(OrigineX, 7472 + Vb::CLng(34000 * 0.4670152));
}

} // namespace
