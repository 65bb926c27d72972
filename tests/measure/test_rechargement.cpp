// Rows of counts, densities, triangles and polygons measured through the window's
// handlers, written to a measurement file and read back: each comes back whole, its
// values recomputed from what its record keeps.
//
// The record keeps points in image units, rounded to the unit (2.94 image units a view
// unit here): a length read back differs from the measured one by at most one unit in
// 1764 for the shortest side below, so the recomputed surfaces and perimeters are checked
// within 0.1 %; counts and the polygon's values, kept as numbers, come back exactly.
#include <gtest/gtest.h>

#include "base/gen.h"
#include "grid/fichier_trm.h"
#include "platform/prompts.h"
#include "tests/measure/aide_surfaces.h"

namespace {

using namespace AideMesure;

class Rechargement : public SurfaceTest {
protected:
    // The start-up opened the picture from the file menu, so the image loader holds it with
    // its calibration, which the file keeps.
    void SetUp() override {
        SurfaceTest::SetUp();
        ASSERT_EQ(ListIMGchar.ListCount(), 1);
        ASSERT_EQ(IndexImageActive, 1);
    }
    // The grid's value cells of the first rows, as the user sees them.
    static std::vector<QStringList> Cellules(int lignes) {
        std::vector<QStringList> v;
        for (int r = 1; r <= lignes; ++r) {
            QStringList l;
            for (int c = 1; c < GrilleRef.Cols(); ++c) l << GrilleRef.TextMatrix(r, c);
            v.push_back(l);
        }
        return v;
    }
    // Written, then read back over the grid, whose clearing the reader asks first.
    void Aller_retour() {
        const QString p = chemin(QStringLiteral("aller_retour.trm"));
        ASSERT_TRUE(Gen::Ecrit_trame(p));
        Prompts::Script script;
        script.message(QString(), Prompts::Yes);
        short statut = 0;
        Gen::Lit_trame(p, statut);
        EXPECT_EQ(statut, 0);
    }
    static void Proche(const QString& lu, const QString& mesure) {
        const double a = Gen::Val_decimal(lu), b = Gen::Val_decimal(mesure);
        EXPECT_NEAR(a, b, std::abs(b) * 1e-3 + 1e-9) << lu.toStdString() << " / " << mesure.toStdString();
    }
};

TEST_F(Rechargement, ComptagesEtDensites) {
    tav.Mncp_Click(1);
    for (int i = 0; i < 5; ++i) Clic(1500 + 200 * i, 1500);
    Clic(1500, 1500, 2);
    const auto comptes = Cellules(1);
    Aller_retour();
    EXPECT_EQ(Cellules(1), comptes);
    EXPECT_EQ(cell(1, 1), "5");

    for (short f : {1, 2}) {
        SCOPED_TRACE(f);
        Densite_menu(f);
        Glisse(1500, 1500, 2100, 1800);
        for (int i = 0; i < 7; ++i) Clic(1600 + 40 * i, 1600);
        Clic(1600, 1600, 2);
        const auto mesure = Cellules(1);
        Aller_retour();
        const auto lu = Cellules(1);
        Proche(lu[0][0], mesure[0][0]);
        EXPECT_EQ(lu[0][1], "7");
        EXPECT_EQ(lu[0][2], mesure[0][2]);
        EXPECT_EQ(lu[0].mid(4), mesure[0].mid(4));   // image and comment
    }
}

TEST_F(Rechargement, TrianglesEtPolygones) {
    Surface_menu(1);
    Clic(1500, 1500);
    Clic(2100, 1500);
    Clic(1500, 1950);
    Clic(3000, 3000);
    Clic(3600, 3000);
    Clic(2600, 2600);
    const auto triangles = Cellules(2);
    Aller_retour();
    const auto lu = Cellules(2);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c) Proche(lu[size_t(r)][c], triangles[size_t(r)][c]);
    EXPECT_EQ(lu[0][2], "90");

    // Loading a file shows the picture at level Z1: back to level 0.
    Surface_menu(3);
    Niveau(0);
    Clic(3000, 3000);
    Clic(2700, 2700);
    Clic(3300, 2700);
    Clic(3300, 3300, 2);
    Clic(1500, 1500);
    Clic(1200, 1200);
    Clic(1800, 1200);
    Clic(1800, 1800, 2);
    const auto polygones = Cellules(2);
    Aller_retour();
    EXPECT_EQ(Cellules(2), polygones);
    EXPECT_EQ(cell(1, 3), "150");
    // "Polygone ouvert" is still the style after loading.
    EXPECT_FALSE(PolygoneCercles);
}

} // namespace
