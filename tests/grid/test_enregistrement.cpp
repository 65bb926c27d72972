// Recording measurements of every function into the grid, the counters and the records;
// the automatic save and the full grid.
#include "tests/grid/aide_grille.h"

#include <QFile>
#include <QStringList>
#include <cmath>

#include "base/etat_demarrage.h"
#include "base/etat_programme.h"
#include "base/messages.h"
#include "base/tav.h"
#include "colour/etat_couleur.h"
#include "grid/enregistrement.h"
#include "grid/etat_grille.h"
#include "base/grilles.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"
#include "measure/services_mesure.h"
#include "platform/prompts.h"
#include "platform/textfile.h"
#include "base/etat_partage.h"

namespace {

QStringList Lignes(const QString& chemin) {
    QStringList l;
    TextFile::readLines(chemin, l);
    return l;
}

} // namespace

TEST_F(GrilleTest, SegmentRows) {
    Choisit(1);
    CalibrageActuel = 0.5;
    Ligne({25});
    Ligne({31});
    EXPECT_EQ(cell(1, 0), QStringLiteral("1"));
    EXPECT_EQ(cell(1, 1), QStringLiteral("12,50"));
    EXPECT_EQ(cell(1, 2), QStringLiteral("1"));   // img
    EXPECT_EQ(cell(2, 1), QStringLiteral("15,50"));
    EXPECT_EQ(NbLignesGrille, 3);
    EXPECT_EQ(EtapeMesure, 1);
    EXPECT_EQ(LigneDerniereMesure, 2);
    EXPECT_TRUE(Tav::instance()->bout(41).Enabled);
    // The displayed copy ends with the last row written.
    EXPECT_EQ(Vu_en_francais(MGrille.TextMatrix(2, 1)), QStringLiteral("15,50"));
    // The statistics follow each row while the statistics frame is shown.
    EXPECT_EQ(stat(1, 1), QStringLiteral("14,00"));
    EXPECT_EQ(stat(8, 1), QStringLiteral("2"));
}

TEST_F(GrilleTest, Spores2DComputeQAndVolume) {
    Choisit(2);
    Mesure(10);
    EXPECT_EQ(EtapeMesure, 2);
    EXPECT_FALSE(Tav::instance()->bout(41).Enabled);
    Mesure(5);
    // Q = 10 / 5; V = 5 * 50 * 3.14159 / 6 = 130.8996.
    EXPECT_EQ(cell(1, 1), QStringLiteral("10,00"));
    EXPECT_EQ(cell(1, 2), QStringLiteral("5,00"));
    EXPECT_EQ(cell(1, 3), QStringLiteral("2,00"));
    EXPECT_EQ(cell(1, 4), QStringLiteral("130,9"));
    EXPECT_EQ(cell(1, 5), QStringLiteral("1"));
    EXPECT_EQ(NbLignesGrille, 2);
    EXPECT_EQ(ValeursEtapes[1], 0);
    // A width of 0 gives no Q and a volume of 0, as a reread of the row gives them.
    Ligne({10, 0});
    EXPECT_EQ(cell(2, 3), QString());
    EXPECT_EQ(cell(2, 4), QStringLiteral("0,0"));
}

TEST_F(GrilleTest, Spores3DEndWithTheWidthAndComputeQ) {
    Choisit(3);
    Mesure(12);
    Mesure(6);
    // The second value completes the item: Q = 12 / 6, no thickness so no L / e.
    EXPECT_EQ(cell(1, 1), QStringLiteral("12,00"));
    EXPECT_EQ(cell(1, 2), QStringLiteral("6,00"));
    EXPECT_EQ(cell(1, 3), QString());
    EXPECT_EQ(cell(1, 4), QStringLiteral("2,00"));
    EXPECT_EQ(cell(1, 5), QString());
    EXPECT_EQ(cell(1, 6), QStringLiteral("1"));
    EXPECT_EQ(NbLignesGrille, 2);
    EXPECT_EQ(EtapeMesure, 1);
}

TEST_F(GrilleTest, CystidiaRowsHoldTheirMeasures) {
    Choisit(5);
    Ligne({40, 8, 5});
    EXPECT_EQ(NbLignesGrille, 1);
    EXPECT_EQ(EtapeMesure, 4);
    Mesure(3);
    EXPECT_EQ(cell(1, 4), QStringLiteral("3,00"));
    EXPECT_EQ(cell(1, 5), QStringLiteral("1"));
    EXPECT_EQ(NbLignesGrille, 2);
    Ligne({41, 9, 6, 4});
    EXPECT_EQ(cell(2, 1), QStringLiteral("41,00"));
    EXPECT_EQ(NbLignesGrille, 3);
}

TEST_F(GrilleTest, SimpleCountsByClicks) {
    Choisit(10);
    Tav& tav = *Tav::instance();
    tav.TBox(6).Text = QStringLiteral("0");
    for (int i = 0; i < 3; ++i) BGr::Clic_comptage(1, 0, 100.0f + i, 50.0f);
    EXPECT_EQ(tav.TBox(6).Text, QStringLiteral("3"));
    BGr::Clic_comptage(2, 0, 0, 0);
    EXPECT_EQ(cell(1, 0), QStringLiteral("1"));
    EXPECT_EQ(cell(1, 1), QStringLiteral("3"));
    EXPECT_EQ(cell(1, 2), QStringLiteral("1"));
    EXPECT_EQ(tav.TBox(6).Text, QStringLiteral("0"));
    EXPECT_EQ(NbLignesGrille, 2);
    EXPECT_EQ(tav.StatusBar.Text, Lib_Langue[207]);
}

TEST_F(GrilleTest, BossesCountAPlusTwoBWithTheirRecord) {
    Choisit(11);
    Tav& tav = *Tav::instance();
    NiveauZoom = 2;
    IndexImageActive = 3;
    tav.TBox(6).Text = QStringLiteral("0");
    for (int i = 0; i < 3; ++i) BGr::Clic_comptage(1, 0, 10, 10);
    BGr::Clic_comptage(2, 0, 0, 0);
    EXPECT_EQ(Lib_Langue[55], QStringLiteral("marquer les bosses internes"));
    EXPECT_EQ(EtapeMesure, 2);
    for (int i = 0; i < 4; ++i) BGr::Clic_comptage(1, 0, 10, 10);
    BGr::Clic_comptage(2, 0, 0, 0);
    EXPECT_EQ(cell(1, 1), QStringLiteral("3"));
    EXPECT_EQ(cell(1, 2), QStringLiteral("4"));
    EXPECT_EQ(cell(1, 3), QStringLiteral("11"));
    EXPECT_EQ(cell(1, 4), QStringLiteral("3"));
    EXPECT_EQ(Trame(1).Segments[1].x2, 3);
    EXPECT_EQ(Trame(1).Segments[1].y2, 4);
    EXPECT_EQ(Trame(1).Zoom, 2);
    EXPECT_EQ(Trame(1).Image, 3);
    EXPECT_EQ(NbLignesGrille, 2);
    EXPECT_EQ(EtapeMesure, 1);
    EXPECT_EQ(Lib_Langue[55], QStringLiteral("marquer les bosses externes"));

    // 20000 + 2 x 20000 = 60000, beyond 16-bit arithmetic.
    tav.TBox(6).Text = QStringLiteral("20000");
    BGr::Clic_comptage(2, 0, 0, 0);
    tav.TBox(6).Text = QStringLiteral("20000");
    BGr::Clic_comptage(2, 0, 0, 0);
    EXPECT_EQ(cell(2, 3), QStringLiteral("60000"));
}

TEST_F(GrilleTest, DensityWritesCountAndDensities) {
    Choisit(13);
    Tav& tav = *Tav::instance();
    ModeDensite = -1;
    ValeursLigne[1] = 200;
    Mstat::Ajoute_Ligne_Grille_Mesure();
    EXPECT_EQ(cell(1, 1), QStringLiteral("200,00"));
    EXPECT_EQ(EtapeMesure, 2);
    tav.TBox(6).Text = QStringLiteral("49");
    BGr::Clic_comptage(1, 0, 20, 20);
    EXPECT_EQ(tav.TBox(6).Text, QStringLiteral("50"));
    BGr::Clic_comptage(2, 0, 0, 0);
    // 50 / 200 = 0.25 and its square root 0.5.
    EXPECT_EQ(cell(1, 2), QStringLiteral("50"));
    EXPECT_EQ(cell(1, 3), QStringLiteral("0,25"));
    EXPECT_EQ(cell(1, 4), QStringLiteral("0,50"));
    EXPECT_EQ(cell(1, 5), QStringLiteral("1"));
    EXPECT_EQ(NbLignesGrille, 2);
    EXPECT_EQ(EtapeMesure, 1);
}

TEST_F(GrilleTest, DensityWithoutSurfaceLeavesItsCellsEmpty) {
    Choisit(14);
    Tav& tav = *Tav::instance();
    ModeDensite = -1;
    ValeursLigne[1] = 0;
    Mstat::Ajoute_Ligne_Grille_Mesure();
    tav.TBox(6).Text = QStringLiteral("12");
    BGr::Clic_comptage(2, 0, 0, 0);
    EXPECT_EQ(cell(1, 2), QStringLiteral("12"));
    EXPECT_EQ(cell(1, 3), QString());
    EXPECT_EQ(cell(1, 4), QString());
    for (int c = 1; c < GrilleRef.Cols(); ++c) {
        EXPECT_FALSE(cell(1, c).contains(QStringLiteral("inf"), Qt::CaseInsensitive)) << c;
        EXPECT_FALSE(cell(1, c).contains(QStringLiteral("nan"), Qt::CaseInsensitive)) << c;
    }
    ModeDensite = 0;
}

TEST_F(GrilleTest, TriangleAndPolygonRows) {
    Choisit(15);
    ValeursLigne[1] = 12.5;
    ValeursLigne[2] = 37.25;
    ValeursLigne[3] = 16.125;
    Mstat::Ajoute_Ligne_Grille();
    BGr::Inscrit_mesure_grille();
    // Surface, perimeter (element 3), angle (element 2), in full precision.
    EXPECT_EQ(cell(1, 1), QStringLiteral("12,5"));
    EXPECT_EQ(cell(1, 2), QStringLiteral("16,125"));
    EXPECT_EQ(cell(1, 3), QStringLiteral("37,25"));
    EXPECT_EQ(cell(1, 4), QStringLiteral("1"));
    EXPECT_EQ(NbLignesGrille, 2);

    Choisit(16);
    ValeursLigne[1] = 20;
    ValeursLigne[2] = 18;
    ValeursLigne[3] = 0.9;
    ValeursLigne[6] = 1.2891;
    Mstat::Ajoute_Ligne_Grille();
    BGr::Inscrit_mesure_grille();
    EXPECT_EQ(cell(1, 1), QStringLiteral("20"));
    EXPECT_EQ(cell(1, 2), QStringLiteral("18"));
    EXPECT_EQ(cell(1, 3), QStringLiteral("1,2891"));
    EXPECT_EQ(cell(1, 4), QStringLiteral("0,9"));
    EXPECT_EQ(cell(1, 5), QStringLiteral("1"));
    // A value that is not a number never reaches a cell.
    ValeursLigne[1] = std::nan("");
    ValeursLigne[6] = INFINITY;
    Mstat::Ajoute_Ligne_Grille();
    BGr::Inscrit_mesure_grille();
    EXPECT_EQ(cell(2, 1), QString());
    EXPECT_EQ(cell(2, 3), QString());
    EXPECT_EQ(cell(2, 2), QStringLiteral("18"));
    EXPECT_EQ(NbLignesGrille, 3);
}

TEST_F(GrilleTest, ColourRows) {
    Choisit(20);
    RVBMesure[1] = 120.5f;
    RVBMesure[2] = 80;
    RVBMesure[3] = 40;
    LabCouleur[1] = 55.25f;
    LabCouleur[2] = 3.5f;
    LabCouleur[3] = -12;
    TailleZone = 32;
    IndexImageActive = 2;
    Mstat::Ajoute_Ligne_Grille_Couleur();
    const char* attendu[] = {"1", "120,5", "80", "40", "55,25", "3,5", "-12", "32", "2", ""};
    for (int c = 0; c < 10; ++c) EXPECT_EQ(cell(1, c), QString::fromUtf8(attendu[c])) << c;
    EXPECT_EQ(NbLignesGrille, 2);
}

TEST_F(GrilleTest, AGridErrorIsToldWithTheRecordingsCodeAndCountsNoRow) {
    // A colour row into the segment grid: its second value has no column.
    Choisit(1);
    Prompts::Script script;
    script.message(QStringLiteral("alerte 95_m"));
    Mstat::Ajoute_Ligne_Grille_Couleur();
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(NbLignesGrille, 1);
    EXPECT_EQ(cell(1, 2), QString());   // the image column: the row was never completed
    EXPECT_EQ(MGrille.TextMatrix(1, 1), QString());   // nor copied to the displayed grid
}

TEST_F(GrilleTest, AutomaticSaveAtTheStartOfRows11And21) {
    Choisit(1);
    const QString sauve = chemin(QStringLiteral("TrameSav.trm"));
    for (int i = 0; i < 10; ++i) Mesure(short(10 + i));
    EXPECT_FALSE(QFile::exists(sauve));
    Mesure(30);   // first value of row 11
    ASSERT_TRUE(QFile::exists(sauve));
    EXPECT_TRUE(Lignes(sauve).contains(QStringLiteral("NBLIGNES= 10")));
    for (int i = 0; i < 10; ++i) Mesure(40);
    EXPECT_TRUE(Lignes(sauve).contains(QStringLiteral("NBLIGNES= 20")));
}

TEST_F(GrilleTest, AutomaticSaveOffButTheFullGridIsSaved) {
    SauveAuto = 0;
    Tav::instance()->TgrilleMax_Click(0);
    Choisit(1);
    const QString sauve = chemin(QStringLiteral("TrameSav.trm"));
    for (int i = 0; i < 63; ++i) Mesure(10);
    EXPECT_FALSE(QFile::exists(sauve));
    Prompts::Script script;
    script.message(Lib_Langue[214]);
    Mesure(10);
    EXPECT_TRUE(QFile::exists(sauve));
}

// The grid takes 63, 127 or 255 rows; the value after the last is refused, the grid is
// saved in the data folder and then the user is told.
class GrilleTaille : public GrilleTest, public ::testing::WithParamInterface<int> {};

TEST_P(GrilleTaille, FullGridIsSavedThenReported) {
    const int item = GetParam();
    const int lignes = (64 << item) - 1;
    Tav& tav = *Tav::instance();
    tav.TgrilleMax_Click(short(item));
    Choisit(2);
    for (int i = 0; i < lignes; ++i) Ligne({10, 5});
    ASSERT_EQ(NbLignesGrille, lignes + 1);
    EXPECT_EQ(cell(lignes, 3), QStringLiteral("2,00"));
    EXPECT_EQ(GrilleRef.Rows(), lignes + 2);

    QFile::remove(chemin(QStringLiteral("TrameSav.trm")));
    Prompts::Script script;
    script.message(QStringLiteral(" grille pleine- trame sauvée"));
    Mesure(11);
    EXPECT_EQ(script.remaining(), 0);
    const QStringList l = Lignes(chemin(QStringLiteral("TrameSav.trm")));
    EXPECT_TRUE(l.contains(QStringLiteral("NBLIGNES= %1").arg(lignes)));
    EXPECT_TRUE(l.contains(QStringLiteral("NBLGMAX =%1").arg(64 << item)));
    // Nothing was written into the spare row and the counters stand.
    EXPECT_EQ(cell(lignes + 1, 1), QString());
    EXPECT_EQ(NbLignesGrille, lignes + 1);
    EXPECT_EQ(EtapeMesure, 1);

    // The statistics of the full grid run without error.
    tav.Calcul_stat();
    EXPECT_EQ(stat(1, 1), QStringLiteral("10,00"));
}

INSTANTIATE_TEST_SUITE_P(Tailles, GrilleTaille, ::testing::Values(0, 1, 2));

TEST_F(GrilleTest, FullGridSaveFailureIsReportedWithThePath) {
    Tav::instance()->TgrilleMax_Click(0);
    Choisit(1);
    SauveAuto = 0;
    for (int i = 0; i < 63; ++i) Mesure(10);
    RepData = chemin(QStringLiteral("absent/dossier"));
    Prompts::Script script;
    script.message(Lib_Langue[144] + QStringLiteral(" :  ") + RepData);
    Mesure(10);
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(NbLignesGrille, 64);
}

TEST_F(GrilleTest, CountsAndColourStopAtTheFullGrid) {
    Tav::instance()->TgrilleMax_Click(0);
    SauveAuto = 0;
    Choisit(10);
    Tav& tav = *Tav::instance();
    for (int i = 0; i < 63; ++i) {
        tav.TBox(6).Text = QStringLiteral("2");
        BGr::Clic_comptage(2, 0, 0, 0);
    }
    ASSERT_EQ(NbLignesGrille, 64);
    {
        Prompts::Script script;
        script.message(Lib_Langue[214]);
        BGr::Clic_comptage(2, 0, 0, 0);
    }
    EXPECT_EQ(NbLignesGrille, 64);
    EXPECT_EQ(cell(64, 1), QString());

    Choisit(20);
    for (int i = 0; i < 63; ++i) Mstat::Ajoute_Ligne_Grille_Couleur();
    Prompts::Script script;
    script.message(Lib_Langue[214]);
    Mstat::Ajoute_Ligne_Grille_Couleur();
    EXPECT_EQ(NbLignesGrille, 64);
    EXPECT_EQ(cell(64, 1), QString());
}

TEST_F(GrilleTest, RowBeyondALoweredGridIsRefused) {
    Choisit(1);
    for (int i = 0; i < 70; ++i) Mesure(10);
    // The size menu keeps the rows but the grid now holds 64.
    TailleGrille = 64;
    Prompts::Script script;
    script.message(Lib_Langue[174]);
    Mesure(12);
    EXPECT_EQ(NbLignesGrille, 71);
    EXPECT_EQ(cell(71, 1), QString());
}

