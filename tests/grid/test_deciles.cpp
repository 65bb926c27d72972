// Count, D1, median and D9 of the result columns against values worked out by hand
// with the interpolation at the ranks (n + 1) p (Hyndman and Fan's type 6), and the
// dominant value of a column.
#include "tests/grid/aide_grille.h"

#include <QStringList>

#include "base/etat_programme.h"
#include "base/tav.h"
#include "grid/deciles.h"
#include "grid/enregistrement.h"
#include "grid/etat_grille.h"
#include "base/grilles.h"
#include "base/etat_partage.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"
#include "colour/etat_couleur.h"

namespace {

// Fills column `col` of the segment grid with the given texts, one row each.
void Colonne(const QStringList& textes, int col = 1) {
    for (int r = 0; r < textes.size(); ++r) GrilleRef.setTextMatrix(r + 1, col, textes[r]);
    NbLignesGrille = short(textes.size() + 1);
}

QStringList Suite(int de, int a) {
    QStringList l;
    for (int i = de; i <= a; ++i) l << QString::number(i);
    return l;
}

} // namespace

TEST_F(GrilleTest, DecilesOfElevenAndNineteenValues) {
    Choisit(1);
    // Ranks 1.2 and 10.8 of 1..11.
    Colonne(Suite(1, 11));
    Gen::Calcule_deciles();
    EXPECT_DOUBLE_EQ(EffectifCol[1], 11);
    EXPECT_NEAR(Decile1Col[1], 1.2, 1e-12);
    EXPECT_NEAR(Decile9Col[1], 10.8, 1e-12);
    EXPECT_DOUBLE_EQ(MedianeCol[1], 6);
    EXPECT_EQ(stat(8, 0), QStringLiteral("N="));
    EXPECT_EQ(stat(10, 0), QStringLiteral("médiane"));
    EXPECT_EQ(stat(8, 1), QStringLiteral("11"));
    EXPECT_EQ(stat(9, 1), QStringLiteral("1,20"));
    EXPECT_EQ(stat(10, 1), QStringLiteral("6"));
    EXPECT_EQ(stat(11, 1), QStringLiteral("10,80"));

    // Ranks 2 and 18 of 1..19.
    Colonne(Suite(1, 19));
    Gen::Calcule_deciles();
    EXPECT_NEAR(Decile1Col[1], 2, 1e-12);
    EXPECT_NEAR(Decile9Col[1], 18, 1e-12);
    EXPECT_DOUBLE_EQ(MedianeCol[1], 10);
}

TEST_F(GrilleTest, DecilesOfUnevenValuesInAnyOrder) {
    Choisit(1);
    // Sorted: 2.5 3.1 4.0 4.2 5.5 6.1 7.3 8.0 9.9 10.4 12.0 15.5 (n = 12).
    // D1 at rank 1.3: 2.5 + 0.3 x 0.6 = 2.68; D9 at rank 11.7: 12 + 0.7 x 3.5 = 14.45;
    // median (6.1 + 7.3) / 2 = 6.7.
    Colonne({"9,9", "2,5", "15,5", "4", "7,3", "3,1", "12", "4,2", "6,1", "10,4", "5,5", "8"});
    Gen::Calcule_deciles();
    EXPECT_DOUBLE_EQ(EffectifCol[1], 12);
    EXPECT_NEAR(Decile1Col[1], 2.68, 1e-9);
    EXPECT_NEAR(Decile9Col[1], 14.45, 1e-9);
    EXPECT_NEAR(MedianeCol[1], 6.7, 1e-9);
    EXPECT_EQ(stat(9, 1), QStringLiteral("2,68"));
    EXPECT_EQ(stat(11, 1), QStringLiteral("14,45"));
    // Twenty values 1..20: ranks 2.1 and 18.9, median 10.5.
    Colonne(Suite(1, 20));
    Gen::Calcule_deciles();
    EXPECT_NEAR(Decile1Col[1], 2.1, 1e-9);
    EXPECT_NEAR(Decile9Col[1], 18.9, 1e-9);
    EXPECT_NEAR(MedianeCol[1], 10.5, 1e-12);
    EXPECT_EQ(stat(10, 1), QStringLiteral("10,5"));
}

TEST_F(GrilleTest, SmallColumnsHaveAMedianAndNoDeciles) {
    Choisit(1);
    Colonne(Suite(1, 11));
    Gen::Calcule_deciles();
    Colonne({"1", "2", "3", "4"});
    Gen::Calcule_deciles();
    EXPECT_DOUBLE_EQ(MedianeCol[1], 2.5);
    Colonne(Suite(1, 5));
    Gen::Calcule_deciles();
    EXPECT_DOUBLE_EQ(MedianeCol[1], 3);
    // Three values: the median is the middle one, never an earlier one.
    Colonne({"3", "1", "2"});
    Gen::Calcule_deciles();
    EXPECT_DOUBLE_EQ(EffectifCol[1], 3);
    EXPECT_DOUBLE_EQ(MedianeCol[1], 2);
    EXPECT_EQ(Decile1Col[1], 0);
    EXPECT_EQ(Decile9Col[1], 0);
    // Ten usable values: a median, no deciles.
    Colonne(Suite(1, 10));
    Gen::Calcule_deciles();
    EXPECT_DOUBLE_EQ(MedianeCol[1], 5.5);
    EXPECT_EQ(Decile1Col[1], 0);
}

TEST_F(GrilleTest, OneRowOrNoneLeavesNothingStale) {
    Choisit(1);
    Colonne(Suite(1, 15));
    Gen::Calcule_deciles();
    ASSERT_NE(Decile1Col[1], 0);
    Colonne({"7,25"});
    Gen::Calcule_deciles();
    EXPECT_DOUBLE_EQ(EffectifCol[1], 1);
    EXPECT_DOUBLE_EQ(MedianeCol[1], 7.25);
    EXPECT_EQ(Decile1Col[1], 0);
    EXPECT_EQ(Decile9Col[1], 0);
    EXPECT_EQ(stat(10, 1), QStringLiteral("7,25"));
    Colonne({});
    Gen::Calcule_deciles();
    EXPECT_EQ(EffectifCol[1], 0);
    EXPECT_EQ(MedianeCol[1], 0);
    EXPECT_EQ(stat(10, 1), QStringLiteral("0"));
    EXPECT_EQ(stat(9, 1), QStringLiteral("0,00"));
}

TEST_F(GrilleTest, UnusableCellsAreNotCounted) {
    Choisit(1);
    Colonne({"0", "-3", "0,0001", "", "5", "abc", "6", "7", "8,5"});
    Gen::Calcule_deciles();
    EXPECT_DOUBLE_EQ(EffectifCol[1], 4);
    EXPECT_DOUBLE_EQ(MedianeCol[1], 6.5);
}

TEST_F(GrilleTest, KeysCarryFourDecimalsAndSortAtAnyMagnitude) {
    Choisit(1);
    Colonne({"123.45678"});
    Gen::Calcule_deciles();
    EXPECT_DOUBLE_EQ(MedianeCol[1], 123.4568);
    EXPECT_EQ(stat(10, 1), QStringLiteral("123,4568"));
    Colonne({"12", "9,5", "11"});
    Gen::Calcule_deciles();
    EXPECT_DOUBLE_EQ(MedianeCol[1], 11);
    // Above 99999 the order still holds: 5 < 99999 < 200000.
    Colonne({"200000", "5", "99999"});
    Gen::Calcule_deciles();
    EXPECT_DOUBLE_EQ(MedianeCol[1], 99999);
}

TEST_F(GrilleTest, ColumnsBeyondTheResultColumnsAreLeftAlone) {
    Choisit(1);
    Colonne(Suite(1, 5));
    MedianeCol[2] = 42;
    Tav::instance()->Cdecile(2);
    EXPECT_EQ(MedianeCol[2], 42);
    Tav::instance()->Cdecile(0);
    Tav::instance()->Cdecile(9);
}

TEST_F(GrilleTest, SporeColumnsAndSurfaceResultsAreSummarised) {
    Choisit(2);
    Ligne({10, 5});
    Ligne({12, 4});
    Ligne({14, 7});
    // Q: 2, 3, 2 -> median 2; V column too.
    EXPECT_DOUBLE_EQ(MedianeCol[1], 12);
    EXPECT_DOUBLE_EQ(MedianeCol[2], 5);
    EXPECT_DOUBLE_EQ(MedianeCol[3], 2);
    EXPECT_DOUBLE_EQ(EffectifCol[4], 3);
    EXPECT_EQ(stat(8, 4), QStringLiteral("3"));

    Choisit(16);
    for (int i = 1; i <= 3; ++i) {
        ValeursLigne[1] = 10 * i;
        ValeursLigne[2] = 20;
        ValeursLigne[6] = 1.5;
        ValeursLigne[3] = i;
        Mstat::Ajoute_Ligne_Grille();
        BGr::Inscrit_mesure_grille();
    }
    Gen::Calcule_deciles();
    // The polygon's fourth result (F) has its count and median.
    EXPECT_DOUBLE_EQ(EffectifCol[4], 3);
    EXPECT_DOUBLE_EQ(MedianeCol[4], 2);
    EXPECT_EQ(stat(10, 4), QStringLiteral("2"));
}

TEST_F(GrilleTest, DominantValueOfAColumn) {
    Choisit(1);
    Colonne({});
    EXPECT_EQ(Gen::Stat_colonne(1), 0);
    // Sorted 1 2 2.5 3 5 9: the smallest gap, 0.5, starts at 2 and at 2.5; the stretch
    // narrows to (2, 2.5) and its mean is 2.25.
    Colonne({"9", "2,5", "1", "5", "3", "2"});
    EXPECT_DOUBLE_EQ(Gen::Stat_colonne(1), 2.25);
    // Empty cells count as 0: 0 0 7 20 has its smallest gap (0) at the start.
    Colonne({"", "7", "", "20"});
    EXPECT_DOUBLE_EQ(Gen::Stat_colonne(1), 0);
}
