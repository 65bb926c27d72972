// The redraw of recorded measurements: items measured at level 0 from the picture's
// corner come back, after a zoom and a hand drag, where they now lie, in their colours;
// the rules of the last row, of spores 3D and of the multilayer list.
//
// Reference numbers (python3, by hand): level -1 after a hand drag of (-900, -600): origin
// (2210, 1473), f = FacteurZoom x EchelleAffichage = 2.4720486 image units a view unit; an
// image point x lands at (x - 2210) / f / 15 pixels across, (y - 1473) / f / 15 down:
//   4410 -> 59.3 across, 79.2 down; 6174 -> 106.9 across; 5292 -> 103.0 down;
//   8819 -> 178.2 across, 198.1 down; 10583 -> 225.8 across; 9701 -> 221.9 down
//   ellipse (8819, 8819)-(10583, 9701): 713.6 x 356.8 view units, radius 797.8 units =
//   53.2 pixels across, aspect 0.5; polygon marks of radius 300 units = 20 pixels
#include <QPainter>
#include <gtest/gtest.h>

#include "base/etat_partage.h"
#include "platform/prompts.h"
#include "tests/measure/aide_surfaces.h"

namespace {

using namespace AideMesure;

class Retrace : public SurfaceTest {
protected:
    // Level -1 and a drag of the view in the hand mode: the view shows another part.
    void Vue_decalee() {
        Niveau(-1);
        Touche(17);
        Glisse(5000, 4000, 4100, 3400);
        Touche(17);
        ASSERT_EQ(OrigineX, 2210);
        ASSERT_EQ(OrigineY, 1473);
        tav.Retrace(0);
    }
    // The view after each family's redraw, side by side in one picture for the reader
    // (rewritten after each test with the families redrawn so far).
    void Garde(const QString& nom) {
        vues_.push_back(Vue().copy());
        EXPECT_TRUE(Sortie(Vue(), QStringLiteral("retrace_") + nom));
    }
    void TearDown() override {
        if (!vues_.empty()) {
            QImage tout(600 * int(vues_.size()), 450, QImage::Format_RGB32);
            QPainter p(&tout);
            for (size_t i = 0; i < vues_.size(); ++i) p.drawImage(int(600 * i), 0, vues_[i]);
            p.end();
            Sortie(tout, QStringLiteral("retrace_familles"));
        }
        SurfaceTest::TearDown();
    }
    static inline std::vector<QImage> vues_;
};

TEST_F(Retrace, SporesRevenuesOuEllesSontMaintenant) {
    Fonction(2);
    Glisse(1500, 1500, 2100, 1500);
    Glisse(1800, 1400, 1800, 1600);
    Vue_decalee();
    EXPECT_EQ(Px(Vue(), 83, 79), Trace0);     // the length, in the drawing colour
    EXPECT_EQ(Px(Vue(), 64, 79), Trace0);     // the cross at its start, 6.7 pixels wide
    EXPECT_EQ(Px(Vue(), 54, 79), Trace0);
    EXPECT_EQ(Px(Vue(), 120, 100), Gris);     // nothing left where it was measured
    Garde(QStringLiteral("spores"));
}

TEST_F(Retrace, Comptage) {
    tav.Mncp_Click(1);
    Clic(1500, 1500);
    Clic(1800, 1500);
    Clic(1500, 1500, 2);
    Vue_decalee();
    EXPECT_EQ(Px(Vue(), 64, 79), Trace0);     // the numbered point's cross
    EXPECT_EQ(Px(Vue(), 59, 74), Trace0);
    Garde(QStringLiteral("comptage"));
}

TEST_F(Retrace, DensiteRectangle) {
    Densite_menu(2);
    Glisse(1500, 1500, 2100, 1800);
    Clic(1600, 1600);
    Clic(1700, 1700, 2);
    Vue_decalee();
    EXPECT_EQ(Px(Vue(), 83, 79), Trace1);     // the box's top side, in the second colour
    EXPECT_EQ(Px(Vue(), 83, 103), Trace1);
    EXPECT_EQ(Px(Vue(), 107, 91), Trace1);
    Garde(QStringLiteral("rectangle"));
}

TEST_F(Retrace, DensiteEllipse) {
    Densite_menu(1);
    Glisse(3000, 3000, 3600, 3300);
    Clic(3100, 3100);
    Clic(3100, 3100, 2);
    Vue_decalee();
    EXPECT_EQ(Px(Vue(), 183, 198), Trace0);   // the centre's cross
    // The outline comes back: 53.2 pixels across, 26.6 down.
    EXPECT_TRUE(Autour(Vue(), 231, 198, Trace1));
    EXPECT_TRUE(Autour(Vue(), 178, 225, Trace1));
    EXPECT_EQ(Px(Vue(), 178, 232), Gris);
    Garde(QStringLiteral("ellipse"));
}

// "Polygone auto" marks its centre with a circle of 20 pixels, "ouvert" with an arc from
// 0.7 to 4.5 radians half as tall, which leaves the side at 3 o'clock open.

TEST_F(Retrace, PolygoneAuto) {
    Surface_menu(2);
    Clic(3000, 3000);
    Clic(2700, 2700);
    Clic(3300, 2700);
    Clic(3300, 3300, 2);
    Vue_decalee();
    EXPECT_EQ(Px(Vue(), 183, 198), Trace0);   // the centre's cross
    EXPECT_TRUE(Autour(Vue(), 158, 198, Trace0));
    EXPECT_TRUE(Autour(Vue(), 198, 198, Trace0));
    EXPECT_TRUE(Autour(Vue(), 178, 178, Trace0));
    Garde(QStringLiteral("polygone_auto"));
}

TEST_F(Retrace, PolygoneOuvert) {
    Surface_menu(3);
    Clic(3000, 3000);
    Clic(2700, 2700);
    Clic(3300, 2700);
    Clic(3300, 3300, 2);
    Vue_decalee();
    EXPECT_EQ(Px(Vue(), 183, 198), Trace0);
    EXPECT_TRUE(Autour(Vue(), 158, 198, Trace0));
    EXPECT_FALSE(Autour(Vue(), 198, 198, Trace0));
    EXPECT_FALSE(Autour(Vue(), 178, 178, Trace0));
    Garde(QStringLiteral("polygone_ouvert"));
}

TEST_F(Retrace, Spores3DSansEpaisseurNiCroixAuCoin) {
    Fonction(3);
    Glisse(1500, 1500, 2100, 1500);   // the length alone: width and thickness unmeasured
    tav.Retrace(0);
    EXPECT_EQ(Px(Vue(), 120, 100), Trace0);
    for (auto [x, y] : {std::pair{0, 0}, {3, 0}, {0, 3}}) EXPECT_EQ(Px(Vue(), x, y), Gris) << x << ", " << y;
}

TEST_F(Retrace, UnGroupeSArreteAuPremierRangSansImage) {
    Fonction(2);
    Glisse(1500, 1500, 2100, 1500);
    Glisse(1800, 1400, 1800, 1600);
    Glisse(1500, 3000, 2100, 3000);
    Glisse(1800, 2900, 1800, 3100);
    TableMesures[1].Image = 0;          // a row measured before any image was loaded
    ListImgMC.AddItem(QStringLiteral("0"));
    tav.Retrace(0);
    EXPECT_EQ(Px(Vue(), 120, 100), Gris);
    EXPECT_EQ(Px(Vue(), 120, 200), Gris);
    ListImgMC.Clear();
    tav.Retrace(0);
    EXPECT_EQ(Px(Vue(), 120, 200), Trace0);
    EXPECT_EQ(Px(Vue(), 120, 100), Gris);   // another image's row, without "Img MC"
}

TEST_F(Retrace, CouleurCarreDeLaZone) {
    {
        Prompts::Script script;
        script.message(QStringLiteral("étalon"));
        tav.MnuFonc_Click(20);
    }
    tav.Lrg_Click(3);   // a zone of 8 pixels: the square's half side is 7 pixels of the picture
    Appui(1500, 1500);
    Relache(1500, 1500);
    ASSERT_EQ(NbLignesGrille, 2);
    Vue_decalee();
    // 7 x 2540 / 96 / 2.4720486 = 74.9 units, 5 pixels about (59.3, 79.2).
    EXPECT_TRUE(Autour(Vue(), 54, 79, Trace0));
    EXPECT_TRUE(Autour(Vue(), 59, 74, Trace0));
    EXPECT_EQ(Px(Vue(), 59, 79 - 9), Gris);
    EXPECT_EQ(Px(Vue(), 100, 95), Gris);
    Garde(QStringLiteral("couleur"));
}

// Rows of another picture of the loader show, in the second colour, only with both
// "Img MC" and "mode MC" ticked.
TEST_F(Retrace, LesRangsDUneAutreImage) {
    const auto ouvre = [this](const QString& nom) {
        Prompts::Script script;
        script.open(chemin(nom), QStringLiteral("Ouvrir Image"));
        tav.MnuFIC_Click(1);
        EXPECT_EQ(script.remaining(), 0);
    };
    // The start-up opened image1000.png, the loader's first picture.
    Fonction(2);
    Glisse(1500, 1500, 2100, 1500);
    Glisse(1800, 1400, 1800, 1600);
    QImage autre(1000, 750, QImage::Format_RGB32);
    autre.fill(QColor(Gris));
    ASSERT_TRUE(autre.save(chemin(QStringLiteral("autre.png"))));
    ouvre(QStringLiteral("autre.png"));
    ASSERT_EQ(IndexImageActive, 2);
    Niveau(0);
    Glisse(1500, 3000, 2100, 3000);
    Glisse(1800, 2900, 1800, 3100);
    tav.Retrace(0);
    EXPECT_EQ(Px(Vue(), 120, 200), Trace0);
    EXPECT_EQ(Px(Vue(), 120, 100), Gris);
    tav.chkMC(1).Value = 1;
    tav.chkMC_Click(1);
    EXPECT_EQ(Px(Vue(), 120, 100), Gris);
    tav.chkMC(0).Value = 1;
    tav.chkMC_Click(0);
    EXPECT_EQ(Px(Vue(), 120, 100), Trace1);
    EXPECT_EQ(Px(Vue(), 120, 200), Trace0);
}

} // namespace
