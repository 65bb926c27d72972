// Triangles and polygons measured press by press through the window's handlers, at 0.5
// micron per view unit (level 0, "Ind. Res."), checked on the grid's cells, the records
// and the view.
//
// Reference numbers (python3, by hand):
//   right triangle, legs 600 and 450 units: 300 x 225 / 2 = 33750 um2, angle 90,
//     perimeter (600 + 450 + 750) x 0.5 = 900
//   obtuse: P1 (3000, 3000), P2 (3600, 3000), P3 (2600, 2600): surface |600 x -400| / 2
//     x 0.25 = 30000, angle 135 (x 180 / 3.14159: 135.0001), sides in whole units 600,
//     round(565.69) = 566, round(1077.03) = 1077: (2243) x 0.5 = 1121.5
//   image units: round(v x 26458 / 9000): 1500 -> 4410, 2100 -> 6174, 1950 -> 5733,
//     3000 -> 8819, 4500 -> 13229
//   square polygon of side a = 600 units = 300 um: a2 = 90000, 4a = 1200, Rm = 2S/P = 150,
//     P/S = 0.0133; open on three sides: 3a2/4 = 67500, 3a = 900
//   side 3600 units = 1800 um: S = 3240000 um2 (x 1000 = 3240000000, beyond 32 bits), P = 7200
#include <gtest/gtest.h>

#include "base/gen.h"
#include "grid/fichier_trm.h"
#include "platform/prompts.h"
#include "tests/measure/aide_surfaces.h"

namespace {

using namespace AideMesure;

class TrianglePolygone : public SurfaceTest {
protected:
    // A press and a release, as a click of the mouse.
    void Sommet(double x, double y, short b = 1) { Clic(x, y, b); }
};

TEST_F(TrianglePolygone, TrianglesDroitObtusEtAplati) {
    Surface_menu(1);
    Sommet(1500, 1500);
    Sommet(2100, 1500);
    EXPECT_EQ(NbLignesGrille, 1);
    Sommet(1500, 1950);
    EXPECT_EQ(cell(1, 1), "33750");
    EXPECT_EQ(cell(1, 2), "900");
    EXPECT_EQ(cell(1, 3), "90");
    EXPECT_EQ(tav.label(9).Caption, QStringLiteral("S=33750,00 Deg =90,00"));
    EXPECT_EQ(NbSommets, 0);
    EXPECT_EQ(NbLignesGrille, 2);
    // The vertices kept in image units: P1 P2, then P1 P3, with the image.
    EXPECT_EQ(entree(1, 1), (SegmentTrame{4410, 4410, 6174, 4410}));
    EXPECT_EQ(entree(1, 2), (SegmentTrame{4410, 4410, 4410, 5733}));
    EXPECT_EQ(TableMesures[1].Image, 1);
    // The sides at the first vertex in the second colour, the third side in the first.
    EXPECT_EQ(Px(Vue(), 120, 100), Trace1);
    EXPECT_EQ(Px(Vue(), 100, 115), Trace1);
    EXPECT_TRUE(Autour(Vue(), 120, 115, Trace0));
    // No to another function keeps the triangle's function and mode for the next rows.
    Prompts::Script non;
    non.message(QString(), Prompts::No);
    tav.MnuFonc_Click(2);

    // An obtuse angle reads as itself, not its supplement.
    Sommet(3000, 3000);
    Sommet(3600, 3000);
    Sommet(2600, 2600);
    EXPECT_EQ(cell(2, 1), "30000");
    EXPECT_EQ(cell(2, 2), "1121,5");
    EXPECT_EQ(cell(2, 3), "135");

    // Three points on a line: no surface, no angle.
    Sommet(1500, 4500);
    Sommet(2100, 4500);
    Sommet(2700, 4500);
    EXPECT_EQ(cell(3, 1), "0");
    EXPECT_EQ(cell(3, 2), "1200");
    EXPECT_EQ(cell(3, 3), "0");
    EXPECT_EQ(NbLignesGrille, 4);
    EXPECT_TRUE(Sortie(Vue(), QStringLiteral("triangles")));
    // A triangle recorded leaves nothing under way: a picture opens, one Backspace takes its row.
    Image(800, 600);
    Touche(8);
    EXPECT_EQ(cell(3, 1), "");
}

TEST_F(TrianglePolygone, UnClicDroitNeFinitPasLeTriangle) {
    Surface_menu(1);
    Sommet(1500, 1500);
    Sommet(2100, 1500);
    Sommet(1800, 1800, 2);
    EXPECT_EQ(NbLignesGrille, 1);
    EXPECT_EQ(NbSommets, 2);
    Sommet(1500, 1950);
    EXPECT_EQ(cell(1, 1), "33750");
    EXPECT_EQ(NbLignesGrille, 2);
}

TEST_F(TrianglePolygone, PolygonesFermeEtOuvert) {
    Surface_menu(2);
    Sommet(3000, 3000);                  // the centre
    Sommet(2700, 2700);
    Sommet(3300, 2700);
    Sommet(3300, 3300);
    Sommet(2700, 3300);
    EXPECT_EQ(NbLignesGrille, 1);
    Sommet(4800, 3600, 2);               // closes on the first contour point
    EXPECT_EQ(cell(1, 1), "90000");
    EXPECT_EQ(cell(1, 2), "1200");
    EXPECT_EQ(cell(1, 3), "150");
    EXPECT_EQ(cell(1, 4), "0,01");
    EXPECT_EQ(tav.label(9).Caption, QStringLiteral("S= 90000,00 P=1200,00"));
    EXPECT_EQ(entree(1, 1).x1, 8819);
    EXPECT_EQ(entree(1, 1).y1, 8819);
    EXPECT_EQ(entree(1, 2).x1, 90000000);
    EXPECT_EQ(entree(1, 2).y1, 1200000);
    EXPECT_EQ(entree(2, 2).x2, 1);        // the closed flag, in the next row's record
    // The right press drew nothing at its own place.
    EXPECT_EQ(Px(Vue(), 320, 240), Gris);
    EXPECT_EQ(Px(Vue(), 180, 200), Trace0);   // the closing side

    Surface_menu(3);
    Sommet(3000, 3000);
    Sommet(2700, 2700);
    Sommet(3300, 2700);
    Sommet(3300, 3300);
    Sommet(2700, 3300, 2);               // the last contour point; the contour stays open
    EXPECT_EQ(cell(1, 1), "67500");
    EXPECT_EQ(cell(1, 2), "900");
    EXPECT_EQ(cell(1, 3), "150");
    EXPECT_EQ(entree(2, 2).x2, 0);
    EXPECT_EQ(Px(Vue(), 180, 200), Gris);     // no side back to the first point
}

TEST_F(TrianglePolygone, UnPremierClicDroitEnregistreUnPolygoneVide) {
    Surface_menu(2);
    Sommet(3000, 3000, 2);
    EXPECT_EQ(NbLignesGrille, 2);
    EXPECT_EQ(cell(1, 1), "0");
    EXPECT_EQ(cell(1, 2), "0");
    EXPECT_EQ(cell(1, 3), "0");
    EXPECT_EQ(cell(1, 4), "0");
    EXPECT_EQ(NbSommets, 0);
}

TEST_F(TrianglePolygone, UnGrandPolygoneSEnregistreEtSeRelit) {
    Surface_menu(2);
    Sommet(4500, 3300);
    Sommet(2700, 1500);
    Sommet(6300, 1500);
    Sommet(6300, 5100);
    Sommet(2700, 5100);
    Sommet(0, 0, 2);
    EXPECT_EQ(cell(1, 1), "3240000");
    EXPECT_EQ(cell(1, 2), "7200");
    EXPECT_EQ(entree(1, 2).x1, 3240000000LL);
    EXPECT_EQ(entree(1, 2).y1, 7200000);
    // A second polygon, whose line in the file holds the first one's closed flag.
    Sommet(1500, 1500);
    Sommet(1200, 1200);
    Sommet(1800, 1200);
    Sommet(0, 0, 2);
    ASSERT_EQ(NbLignesGrille, 3);

    const QString p = chemin(QStringLiteral("grand.trm"));
    ASSERT_TRUE(Gen::Ecrit_trame(p));
    QStringList lignes;
    ASSERT_TRUE(TextFile::readLines(p, lignes));
    EXPECT_TRUE(lignes[lignes.size() - 2].contains(QStringLiteral(";3240000000;7200000;")));
    // "Polygone ouvert" chosen meanwhile: the file's last flag says closed, and polygons
    // go on closing after loading.
    Surface_menu(3);
    short statut = 0;
    Gen::Lit_trame(p, statut);
    EXPECT_EQ(statut, 0);
    EXPECT_EQ(cell(1, 1), "3240000");
    EXPECT_EQ(cell(1, 2), "7200");
    EXPECT_EQ(cell(1, 3), "900");
    EXPECT_EQ(cell(1, 4), "0");
    EXPECT_TRUE(PolygoneCercles);
}

// A surface item begun, then another function: its clicks measure what it measures.
TEST_F(TrianglePolygone, LaFonctionSuivanteMesureSansLeModeDeSurface) {
    Prompts::Script script;
    script.message(QString(), Prompts::Yes);
    tav.Mnusurf_Click(1), Sommet(1500, 3000), tav.Cyst_Click(3), Glisse(1500, 1500, 2100, 1500);
    EXPECT_EQ(cell(1, 1), "300,00");
    tav.Mnusurf_Click(2), Sommet(1500, 3000), tav.MnDens_Click(2), Glisse(1500, 1500, 2100, 1800);
    EXPECT_EQ(cell(1, 1), "45000,00");
    tav.Mnusurf_Click(1), Sommet(1500, 3000), tav.Mncp_Click(1), Clic(1500, 1500), Clic(1500, 1500, 2);
    EXPECT_EQ(cell(1, 1), "1");
}

// After Esc the next polygon keeps its view to its recording (neither C nor the hand moves it)
// and is no pointing: a square of side 600 units at level -1, k = 0.5 / sqrt(1.4142136) um a unit.
TEST_F(TrianglePolygone, LaVueResteCelleDesSommets) {
    Niveau(-1);
    tav.Mnusurf_Click(2), tav.Bout_Click(10);
    Sommet(5000, 4000), Touche(27);
    for (const auto& [x, y] : {std::pair{3000, 3000}, {2700, 2700}, {3300, 2700}}) Sommet(x, y);
    const double ox = OrigineX;
    tav.Picture1_KeyDown(67, 0), Sommet(3300, 2700), tav.Picture1_KeyUp(67, 0);
    Touche(17), Glisse(4000, 4000, 3000, 3400), Touche(17), tav.Czoom_Click(0), tav.VignP_MouseDown(1, 0, 40, 40);
    EXPECT_EQ(OrigineX, ox);
    EXPECT_EQ(NiveauZoom, -1);
    for (const auto& [x, y] : {std::pair{3300, 3300}, {2700, 3300}, {4800, 3600}}) Sommet(x, y, y == 3600 ? 2 : 1);
    EXPECT_EQ(cell(1, 1), "63639,61");
    EXPECT_EQ(cell(1, 2), "1009,08");
    EXPECT_FALSE(tav.Frame(8).Visible);
    Sommet(4000, 4000), tav.Form_Resize();  // a resize abandons the polygon begun in the old view
    EXPECT_EQ(NbSommets, 0);
}

} // namespace
