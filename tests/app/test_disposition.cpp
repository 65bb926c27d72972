// The measuring window's layout: the picture for each window state, the display divisor
// and the control panel's corners.
#include <gtest/gtest.h>

#include "app/bgr.h"
#include "app/disposition.h"
#include "base/etat_demarrage.h"
#include "base/etat_programme.h"
#include "base/tav.h"
#include "tests/common/fixture.h"
#include "base/etat_partage.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"
#include "colour/etat_couleur.h"

namespace {

class Disposition : public EtatPropre {
protected:
    // Window of outer size w x h with borders of 120 and 1000 twips.
    void fenetre(int w, int h, short etat) {
        tav.Fenetre.Width = w;
        tav.Fenetre.Height = h;
        tav.Fenetre.ScaleWidth = w - 120;
        tav.Fenetre.ScaleHeight = h - 1000;
        tav.WindowState = etat;
    }
    Tav& tav = *Tav::instance();
};

TEST_F(Disposition, DivisorFollowsTheWindowState) {
    EXPECT_DOUBLE_EQ(DiviseurEchelle, 1.0);  // never resized
    fenetre(12000, 9000, 0);
    BGr::Dispose_zone_image(0);
    EXPECT_EQ(tav.Picture1.Width, 8880);   // 12000 - 3000 - 120
    EXPECT_EQ(tav.Picture1.Height, 7000);  // 9000 - 1000 - 1000
    EXPECT_EQ(LargeurVueInitiale, 8880);
    EXPECT_DOUBLE_EQ(DiviseurEchelle, 1.0);

    fenetre(20000, 14000, 2);
    BGr::Dispose_zone_image(2);
    EXPECT_EQ(LargeurVueCourante, 16880);  // 20000 - 3000 - 120
    EXPECT_DOUBLE_EQ(DiviseurEchelle, 16880.0 / 8880.0);

    // Back to the normal state: lengths are no longer divided.
    fenetre(12000, 9000, 0);
    BGr::Dispose_zone_image(0);
    EXPECT_DOUBLE_EQ(DiviseurEchelle, 1.0);

    // A minimised window changes nothing.
    fenetre(12000, 9000, 1);
    tav.Picture1.Width = 1;
    BGr::Dispose_zone_image(1);
    EXPECT_EQ(tav.Picture1.Width, 1);
}

TEST_F(Disposition, PanelCorners) {
    fenetre(12000, 9000, 0);
    tav.Picture1.Left = 3000;
    tav.Picture1.Top = 1000;
    tav.Picture1.Height = 5000;
    tav.Frame(6).Width = 4000;
    tav.Frame(6).Height = 6800;  // taller than the picture
    const int attendu[4][2] = {{3000, 1000}, {7990, 1000}, {7990, -800}, {3000, -800}};
    for (short p = 0; p < 4; ++p) {
        PositionPanneau = p;
        BGr::Position_panneau();
        EXPECT_EQ(tav.Frame(6).Left, attendu[p][0]) << p;
        EXPECT_EQ(tav.Frame(6).Top, attendu[p][1]) << p;
    }
    PositionPanneau = 7;
    BGr::Position_panneau();
    EXPECT_EQ(tav.Frame(6).Left, 3000);
}

} // namespace
