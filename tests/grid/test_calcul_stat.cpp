// The grid statistics against values worked out by hand (population moments), with the
// colours and row lists, and their edge cases.
#include "tests/grid/aide_grille.h"

#include "app/parametres.h"
#include "base/etat_programme.h"
#include "base/messages.h"
#include "base/tav.h"
#include "grid/etat_grille.h"
#include "base/grilles.h"
#include "base/etat_partage.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"
#include "colour/etat_couleur.h"
#include "platform/textfile.h"

namespace {

void Valeurs(int col, const QStringList& textes) {
    for (int r = 0; r < textes.size(); ++r) GrilleRef.setTextMatrix(r + 1, col, textes[r]);
}

} // namespace

TEST_F(GrilleTest, MomentsOfTwoColumns) {
    Choisit(2);   // statistics columns 1 to 4
    Valeurs(1, {"1", "2", "3", "4"});
    Valeurs(2, {"1", "2", "2", "3"});
    Valeurs(3, {"2", "10", "1", "3"});
    NbLignesGrille = 5;
    GrilleRef.setTextMatrix(5, 3, QStringLiteral("2"));   // the first empty row is read too
    Tav::instance()->Calcul_stat();
    // 1 2 3 4: mean 2.5, sigma sqrt(1.25) = 1.1180, skewness 0, kurtosis 1.64, m/s 2.2361.
    EXPECT_EQ(stat(1, 1), QStringLiteral("2,50"));
    EXPECT_EQ(stat(2, 1), QStringLiteral("1,00"));
    EXPECT_EQ(stat(3, 1), QStringLiteral("4,00"));
    EXPECT_EQ(stat(4, 1), QStringLiteral("1,12"));
    EXPECT_EQ(stat(5, 1), QStringLiteral("0,00"));
    EXPECT_EQ(stat(6, 1), QStringLiteral("1,64"));
    EXPECT_EQ(stat(7, 1), QStringLiteral("2,24"));
    // 2 10 1 3 2 (row 5 included): mean 3.6, sigma 3.2619, skewness 1.3609, kurtosis 3.0680,
    // m/s 1.1037 (python: population moments of [1, 2, 2, 3, 10]).
    EXPECT_EQ(stat(1, 3), QStringLiteral("3,60"));
    EXPECT_EQ(stat(4, 3), QStringLiteral("3,26"));
    EXPECT_EQ(stat(5, 3), QStringLiteral("1,36"));
    EXPECT_EQ(stat(6, 3), QStringLiteral("3,07"));
    EXPECT_EQ(stat(7, 3), QStringLiteral("1,10"));
    EXPECT_EQ(stat(2, 3), QStringLiteral("1,00"));
    EXPECT_EQ(stat(3, 3), QStringLiteral("10,00"));
    // Row lists: minimum rows 1, 1, 3, 0 and maximum rows 4, 4, 2, 0 (column 4 empty).
    EXPECT_EQ(stat(2, 6), QStringLiteral("1 / 1 / 3 / 0 / "));
    EXPECT_EQ(stat(3, 6), QStringLiteral("4 / 4 / 2 / 0 / "));
    EXPECT_EQ(stat(0, 6), QStringLiteral("index"));
    EXPECT_EQ(stat(1, 0), QStringLiteral("Moy"));
    EXPECT_EQ(stat(7, 0), QStringLiteral("m/s"));
    EXPECT_EQ(GrilleRef.CellBackColorAt(3, 3), CouleurMinimum);
    EXPECT_EQ(GrilleRef.CellBackColorAt(2, 3), CouleurMaximum);
    EXPECT_EQ(GrilleRef.CellBackColorAt(1, 3), CouleurGrille);
    // The V column of spores 2D is written with one decimal.
    EXPECT_EQ(stat(1, 4), QStringLiteral("0,0"));
}

TEST_F(GrilleTest, AGroupedPatternOfTheSettingsNeverGroupsTheCells) {
    // Cells read "1,234.50" under en_US would read back 1.234: the pattern is refused and
    // the default "###0.00" stands, in every locale.
    ASSERT_TRUE(TextFile::write(Gen::Fichier_parametres(), QStringLiteral("FDECIMAL= #,##0.00\r\n")));
    Gen::Lit_parametres();
    const QLocale locales[] = {QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
                               QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::French, QLocale::France)};
    for (const QLocale& l : locales) {
        SCOPED_TRACE(l.name().toStdString());
        LocaleScope locale(l.language(), l.territory());
        Choisit(1);
        CalibrageActuel = 0.5;
        Ligne({2469});
        Ligne({4469});
        EXPECT_EQ(GrilleRef.TextMatrix(1, 1).toStdString(), Nombre_local(QStringLiteral("1234,50")).toStdString());
        // (1234,5 + 2234,5) / 2
        EXPECT_EQ(GrilleRefP.TextMatrix(1, 1).toStdString(), Nombre_local(QStringLiteral("1734,50")).toStdString());
    }
}

TEST_F(GrilleTest, StatisticsOffChangeNothing) {
    Choisit(1);
    Valeurs(1, {"3", "4"});
    NbLignesGrille = 3;
    Tav::instance()->Check(3).Value = 0;
    Tav::instance()->Calcul_stat();
    EXPECT_EQ(stat(1, 1), QString());
    EXPECT_EQ(GrilleRef.CellBackColorAt(2, 1), CouleurGrille);
}

TEST_F(GrilleTest, EmptyGridStatistics) {
    Choisit(2);
    GrilleRefP.setTextMatrix(7, 1, QStringLiteral("9,99"));
    Tav::instance()->Calcul_stat();
    EXPECT_EQ(stat(1, 1), QStringLiteral("0,00"));
    EXPECT_EQ(stat(2, 1), QStringLiteral("99999,00"));
    EXPECT_EQ(stat(3, 1), QStringLiteral("0,00"));
    EXPECT_EQ(stat(2, 6), QStringLiteral("0 / 0 / 0 / 0 / "));
    // No spread, no m/s: the cell is empty rather than stale.
    EXPECT_EQ(stat(7, 1), QString());
}

TEST_F(GrilleTest, ConstantAndNegativeColumns) {
    Choisit(2);
    Valeurs(1, {"2", "2", "2"});
    Valeurs(2, {"-1", "-3", "-2"});
    Valeurs(3, {"5", "7", "7"});
    NbLignesGrille = 4;
    Tav::instance()->Calcul_stat();
    EXPECT_EQ(stat(4, 1), QStringLiteral("0,00"));
    EXPECT_EQ(stat(5, 1), QStringLiteral("0,00"));
    EXPECT_EQ(stat(6, 1), QStringLiteral("0,00"));
    EXPECT_EQ(stat(7, 1), QString());
    // Negative values are counted and summed, never a minimum or a maximum; the row lists
    // hold 0 for that column, not the rows of the column before.
    EXPECT_EQ(stat(1, 2), QStringLiteral("-2,00"));
    EXPECT_EQ(stat(2, 2), QStringLiteral("99999,00"));
    EXPECT_EQ(stat(3, 2), QStringLiteral("0,00"));
    EXPECT_EQ(stat(4, 2), QStringLiteral("0,82"));
    // Ties: the first row of the largest value is marked and listed.
    EXPECT_EQ(stat(2, 6), QStringLiteral("1 / 0 / 1 / 0 / "));
    EXPECT_EQ(stat(3, 6), QStringLiteral("1 / 0 / 2 / 0 / "));
    EXPECT_EQ(GrilleRef.CellBackColorAt(2, 3), CouleurMaximum);
    EXPECT_EQ(GrilleRef.CellBackColorAt(3, 3), CouleurGrille);
}

TEST_F(GrilleTest, MeanSporeVolume) {
    Choisit(3);
    Valeurs(1, {"10", "10"});
    Valeurs(2, {"5", "5"});
    Valeurs(3, {"4", "4"});
    NbLignesGrille = 3;
    Tav::instance()->Calcul_stat();
    // 3.14159 x 10 x 5 x 4 / 6 = 104.719667; no spread, no uncertainty.
    EXPECT_NEAR(ValeursLigne[0], 104.719667, 1e-6);
    EXPECT_EQ(ValeursLigne[1], 0);
}

TEST_F(GrilleTest, FullGridStatisticsStayInsideTheGrid) {
    Tav::instance()->TgrilleMax_Click(0);
    Choisit(1);
    for (int r = 1; r <= 64; ++r) GrilleRef.setTextMatrix(r, 1, QString::number(r));
    // The counter at the spare row, and past the last row: no error, no message.
    NbLignesGrille = 64;
    Tav::instance()->Calcul_stat();
    EXPECT_EQ(stat(3, 1), QStringLiteral("64,00"));
    NbLignesGrille = 65;
    Tav::instance()->Calcul_stat();
    EXPECT_EQ(stat(1, 1), QStringLiteral("32,50"));
}
