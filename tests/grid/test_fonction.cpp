// Function switching: counters per function, grid layout from the function table,
// prompts and caption, and the displayed copy of the latest rows.
#include "tests/grid/aide_grille.h"

#include "base/etat_demarrage.h"
#include "base/etat_programme.h"
#include "base/messages.h"
#include "base/tav.h"
#include "grid/effacement.h"
#include "grid/etat_grille.h"
#include "grid/fonction.h"
#include "grid/grille_affichage.h"
#include "base/grilles.h"
#include "measure/etat_mesure.h"
#include "base/etat_partage.h"
#include "image/etat_image.h"
#include "colour/etat_couleur.h"

namespace {

struct Attendu {
    short fonction, valeurs, points, colonnesStat, finClic, colonnes;
};

} // namespace

TEST_F(GrilleTest, CountersAndColumnsOfEveryFunction) {
    // Columns from the widths descriptors; triangles and polygons summarise every result.
    const Attendu table[] = {
        {1, 1, 1, 1, 0, 4},   {2, 2, 2, 4, 0, 7},   {3, 3, 2, 5, -1, 8},  {4, 3, 3, 3, 0, 6},
        {5, 4, 4, 4, 0, 7},   {6, 5, 5, 5, 0, 8},   {10, 1, 1, 1, 0, 4},  {11, 2, 2, 2, 0, 6},
        {13, 3, 2, 3, 0, 7},  {14, 3, 2, 3, 0, 7},  {15, 2, 1, 3, 0, 6},  {16, 2, 1, 4, 0, 7},
    };
    for (const Attendu& a : table) {
        SCOPED_TRACE(a.fonction);
        Choisit(a.fonction);
        EXPECT_EQ(NbValeursLigne, a.valeurs);
        EXPECT_EQ(CapacitePoints, a.points);
        EXPECT_EQ(NbColonnesStat, a.colonnesStat);
        EXPECT_EQ(FinClicDroit, a.finClic);
        EXPECT_EQ(GrilleRef.Cols(), a.colonnes);
        EXPECT_EQ(GrilleRefP.Cols(), a.colonnes);
        EXPECT_EQ(MGrille.Cols(), a.colonnes);
        EXPECT_EQ(NbLignesGrille, 1);
        EXPECT_EQ(EtapeMesure, 1);
        EXPECT_EQ(PointEnCours, 0);
        // One title row, 255 measurement rows and one spare row; four displayed rows.
        EXPECT_EQ(GrilleRef.Rows(), 257);
        EXPECT_EQ(MGrille.Rows(), 4);
    }
    // The colour function keeps the previous values per row as its points.
    Choisit(4);
    Choisit(20);
    EXPECT_EQ(NbValeursLigne, 6);
    EXPECT_EQ(CapacitePoints, 3);
    EXPECT_EQ(NbColonnesStat, 6);
    EXPECT_EQ(GrilleRef.Cols(), 10);
}

TEST_F(GrilleTest, Spores2DLayoutTitlesWidthsAndCaption) {
    NomUtilisateur = QStringLiteral("Anne");
    Choisit(2);
    const char* titres[] = {"N°", "Long.", "Larg.", "Q", "V", "img", "comment"};
    const int largeurs[] = {350, 550, 550, 350, 500, 220, 1500};
    for (int c = 0; c < 7; ++c) {
        EXPECT_EQ(cell(0, c), QString::fromUtf8(titres[c])) << c;
        EXPECT_EQ(GrilleRef.ColWidth(c), largeurs[c]) << c;
        EXPECT_EQ(GrilleRefP.ColWidth(c), largeurs[c]) << c;
        EXPECT_EQ(MGrille.ColWidth(c), largeurs[c]) << c;
    }
    // The statistics grid takes the titles of the value columns only.
    EXPECT_EQ(stat(0, 4), QStringLiteral("V"));
    EXPECT_EQ(stat(0, 5), QString());
    EXPECT_EQ(MGrille.TextMatrix(0, 2), QStringLiteral("Larg."));
    EXPECT_EQ(NomFonction, QStringLiteral("mesure Spore 2D"));
    EXPECT_EQ(Tav::instance()->Caption, QStringLiteral("Tavirel 2.00  /  Anne : mesure Spore 2D"));
    EXPECT_EQ(Lib_Langue[55], QStringLiteral("Marquer un point"));
}

TEST_F(GrilleTest, ColourWidthsTakeTheLastFieldWithoutDollar) {
    Choisit(20);
    ASSERT_EQ(GrilleRef.Cols(), 10);
    EXPECT_EQ(GrilleRef.ColWidth(9), 1500);
    EXPECT_EQ(GrilleRefP.ColWidth(9), 1500);
    EXPECT_EQ(MGrille.ColWidth(9), 1500);
    EXPECT_EQ(GrilleRef.ColWidth(7), 350);
    EXPECT_EQ(cell(0, 1), QStringLiteral("R"));
    EXPECT_EQ(cell(0, 8), QStringLiteral("S"));
    EXPECT_EQ(cell(0, 9), QStringLiteral("comment"));
    EXPECT_EQ(NomFonction, QStringLiteral("brastel"));
    EXPECT_EQ(Lib_Langue[55], QStringLiteral(" marquer la zone couleur à mesurer"));
}

TEST_F(GrilleTest, PromptsOfCountsAndSurfaces) {
    Choisit(10);
    EXPECT_EQ(Lib_Langue[55], QStringLiteral("marquer l'élément"));
    Choisit(11);
    EXPECT_EQ(Lib_Langue[55], QStringLiteral("marquer les bosses externes"));
    // Triangles keep the prompt of the previous function.
    Choisit(15);
    EXPECT_EQ(Lib_Langue[55], QStringLiteral("marquer les bosses externes"));
    EXPECT_EQ(NomFonction, QStringLiteral("Triangle"));
}

TEST_F(GrilleTest, PolygonTitleFollowsTheSurfaceMenu) {
    Tav& tav = *Tav::instance();
    tav.Mnusurf(2).Caption = QStringLiteral("Polygone auto");
    tav.Mnusurf(3).Caption = QStringLiteral("Polygone ouvert");
    PolygoneCercles = 0;
    Choisit(16);
    EXPECT_EQ(NomFonction, QStringLiteral("Polygone ouvert"));
    EXPECT_TRUE(tav.Caption.endsWith(QStringLiteral(" : Polygone ouvert")));
    PolygoneCercles = -1;
    Choisit(16);
    EXPECT_EQ(NomFonction, QStringLiteral("Polygone auto"));
    EXPECT_EQ(cell(0, 3), QStringLiteral("Rm"));
}

TEST_F(GrilleTest, SpareRowFollowsTheGridSize) {
    Tav& tav = *Tav::instance();
    tav.TgrilleMax_Click(1);
    EXPECT_EQ(GrilleRef.Rows(), 129);
    Choisit(1);
    EXPECT_EQ(TailleGrille, 128);
    EXPECT_EQ(GrilleRef.Rows(), 129);
    tav.TgrilleMax_Click(0);
    Choisit(2);
    EXPECT_EQ(GrilleRef.Rows(), 65);
}

TEST_F(GrilleTest, ChangingFunctionEmptiesGridRecordsAndSummaries) {
    Choisit(2);
    Ligne({10, 5});
    Ligne({12, 6});
    Trame(1).Segments[1].x1 = 40;
    Trame(2).Zoom = 3;
    MedianeCol[1] = 11;
    ASSERT_EQ(NbLignesGrille, 3);
    Choisit(1);
    EXPECT_EQ(NbLignesGrille, 1);
    EXPECT_EQ(cell(1, 1), QString());
    EXPECT_EQ(cell(2, 1), QString());
    EXPECT_EQ(Trame(1).Segments[1].x1, 0);
    EXPECT_EQ(Trame(2).Zoom, 0);
    EXPECT_EQ(MedianeCol[1], 0);
    EXPECT_EQ(ImageRestauree, 0);
}

TEST_F(GrilleTest, FirstActivationSetsTheGridUpOnce) {
    Tav& tav = *Tav::instance();
    Choisit(1);
    Ligne({12});
    ActivationFaite = 0;
    tav.Form_Activate();
    EXPECT_EQ(ActivationFaite, -1);
    EXPECT_EQ(NbLignesGrille, 1);
    EXPECT_EQ(cell(1, 1), QString());
    Ligne({7});
    tav.Form_Activate();
    EXPECT_EQ(NbLignesGrille, 2);
    EXPECT_EQ(cell(1, 1), QStringLiteral("7,00"));
}

TEST_F(GrilleTest, DisplayedCopyShowsTheLatestRows) {
    Choisit(1);
    for (int r = 1; r <= 10; ++r) GrilleRef.setTextMatrix(r, 1, QString::number(r * 10));
    Mstat::Recopie_Grille(2);
    EXPECT_EQ(MGrille.TextMatrix(1, 1), QStringLiteral("10"));
    EXPECT_EQ(MGrille.TextMatrix(3, 1), QStringLiteral("30"));
    Mstat::Recopie_Grille(10);
    EXPECT_EQ(MGrille.TextMatrix(1, 1), QStringLiteral("80"));
    EXPECT_EQ(MGrille.TextMatrix(3, 1), QStringLiteral("100"));
    EXPECT_EQ(MGrille.TextMatrix(0, 1), QStringLiteral("Longueur"));
    // A pasted table is not copied.
    NumFonction = 0;
    GrilleRef.setTextMatrix(9, 1, QStringLiteral("x"));
    Mstat::Recopie_Grille(10);
    EXPECT_EQ(MGrille.TextMatrix(2, 1), QStringLiteral("90"));
}

