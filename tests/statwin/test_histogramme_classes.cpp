// The histogram's classes without a window: counts against hand counts, the class
// count the box allows, the bar scale and the legend.
#include <QLocale>
#include <gtest/gtest.h>

#include "statwin/histogramme_classes.h"
#include "tests/common/fixture.h"

using namespace Histogramme;

namespace {

// A column's values at grid rows 1, 2, ...
std::vector<SeriesGrille::Valeur> colonne(std::initializer_list<double> v) {
    std::vector<SeriesGrille::Valeur> r;
    int ligne = 0;
    for (double x : v) r.push_back({++ligne, x});
    return r;
}

TEST(ClassesHistogramme, ComptesALaMain) {
    // min 1, max 10, 5 classes of width 1.8: [1, 2.8) [2.8, 4.6) [4.6, 6.4) [6.4, 8.2) [8.2, 10].
    auto c = Classes_colonne(colonne({1, 2, 2.5, 3, 4, 5, 5, 6, 9, 10}), 5);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->comptes, (std::vector<int>{3, 2, 3, 0, 2}));
    EXPECT_EQ(c->mini, 1.0);
    EXPECT_DOUBLE_EQ(c->largeur, 1.8);
    EXPECT_EQ(c->N, 10);
    // Ticks 850 / 5 = 170 apart; a value's height 750 * 5 / 20 = 187.5, rounded half to even.
    EXPECT_EQ(c->pas, 170);
    EXPECT_EQ(c->unite, 188);

    // A value on a boundary opens the next class; the largest stays in the last one.
    c = Classes_colonne(colonne({0, 2, 4, 6, 8}), 4);
    EXPECT_EQ(c->comptes, (std::vector<int>{1, 1, 1, 2}));
    // Negative values: min -3, max 2, width 2.5.
    c = Classes_colonne(colonne({-1, 2, -3, 0.5}), 2);
    EXPECT_EQ(c->comptes, (std::vector<int>{2, 2}));
    EXPECT_EQ(c->etendue.ligneMin, 3);
    EXPECT_EQ(c->etendue.ligneMax, 2);
}

TEST(ClassesHistogramme, ColonneConstanteOuTropCourte) {
    // A unit range around the value: width 0.2, every value in the middle class.
    auto c = Classes_colonne(colonne({0, 0, 0, 0}), 5);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->comptes, (std::vector<int>{0, 0, 4, 0, 0}));
    EXPECT_DOUBLE_EQ(c->largeur, 0.2);
    EXPECT_EQ(c->mini, -0.5);
    // The extremes keep the first rows where they were found.
    c = Classes_colonne(colonne({7, 7, 7}), 3);
    EXPECT_EQ(c->comptes, (std::vector<int>{0, 3, 0}));
    EXPECT_EQ(c->etendue.ligneMin, 1);
    EXPECT_EQ(c->etendue.ligneMax, 1);
    EXPECT_FALSE(Classes_colonne(colonne({3}), 5));
    EXPECT_FALSE(Classes_colonne({}, 5));
}

TEST(ClassesHistogramme, NombreDeClassesDeLaBoite) {
    for (const char* t : {"1", "0", "abc", "", "-4"}) {
        EXPECT_EQ(Correction_nombre_classes(QString::fromLatin1(t)), QStringLiteral("2")) << t;
        EXPECT_EQ(Nombre_classes(QString::fromLatin1(t)), 2) << t;
    }
    EXPECT_EQ(Correction_nombre_classes(QStringLiteral("30")), QStringLiteral("21"));
    EXPECT_EQ(Correction_nombre_classes(QStringLiteral("21.4")), QStringLiteral("21"));
    EXPECT_EQ(Nombre_classes(QStringLiteral("30")), 21);
    EXPECT_EQ(Nombre_classes(QStringLiteral("5e5e3x")), 21);  // past 16 bits: no overflow
    for (const char* t : {"2", "7", "21", "6.5"}) EXPECT_FALSE(Correction_nombre_classes(QString::fromLatin1(t))) << t;
    EXPECT_EQ(Nombre_classes(QStringLiteral("7")), 7);
    // Half to even, as CInt rounds.
    EXPECT_EQ(Nombre_classes(QStringLiteral("6.5")), 6);
    EXPECT_EQ(Nombre_classes(QStringLiteral("7.5")), 8);
}

TEST(ClassesHistogramme, LegendeAvecLesLignesDesExtremes) {
    LocaleScope francais(QLocale::French, QLocale::France);
    const auto c = Classes_colonne(colonne({5, 2, 9, 2, 7}), 5);
    ASSERT_TRUE(c);
    EXPECT_EQ(Legende(QStringLiteral("A"), *c, QStringLiteral("###0.00"), QStringLiteral("\r\n")),
              QStringLiteral("A :   5  classes de largeur 1,40\r\n") + QString(18, QLatin1Char(' ')) +
                  QStringLiteral("Min (2)= 2,00   Max(3)= 9,00"));
}

} // namespace
