// The calibration file's reader on its own: which lines are entries, how a value is read
// whatever the locale, and which values are no coefficient.
#include <gtest/gtest.h>

#include "measure/fichier_calibrage_analyse.h"
#include "tests/common/fixture.h"

namespace {

using FichierCalibrage::Analyse_entree;
using FichierCalibrage::Analyse_fichier;

TEST(AnalyseCalibrage, EntreesEtLignesSautees) {
    const auto lu = Analyse_fichier({QStringLiteral("ne pas modifier les données numériques !"), QString(), QString(),
                                     QStringLiteral("x40 =  0,25"), QStringLiteral("   "), QStringLiteral("sans signe"),
                                     QStringLiteral("= 3"), QStringLiteral("a = b = 1"), QStringLiteral("x = 0")});
    ASSERT_EQ(lu.entrees.size(), 4u);
    EXPECT_EQ(lu.entrees[0].ligne, 4);
    EXPECT_EQ(lu.entrees[1].ligne, 7);
    EXPECT_DOUBLE_EQ(lu.entrees[1].valeur, 3.0);
    EXPECT_EQ(lu.entrees[2].valeurTexte, QStringLiteral("b = 1"));
    ASSERT_EQ(lu.problemes.size(), 2u);
    EXPECT_EQ(lu.problemes[0].ligne, 8);
    EXPECT_EQ(lu.problemes[1].ligne, 9);
}

TEST(AnalyseCalibrage, ValeursQuelleQueSoitLaLocale) {
    for (QLocale::Language langue : {QLocale::French, QLocale::English, QLocale::German}) {
        LocaleScope locale(langue);
        // text after "=", coefficient (0 when none)
        for (auto [texte, v] : {std::pair{" 0,125", 0.125}, {"0.125", 0.125}, {"  1,5E-02  ", 0.015}, {"2.5e-1", 0.25},
                                {"\t0,5", 0.5}, {"1D2", 100.0}, {"+4", 4.0}, {"0", 0.0}, {"-0,5", 0.0}, {"0,25 um", 0.0},
                                {"", 0.0}, {"1,2,3", 0.0}, {"1e400", 0.0}, {"1e-400", 0.0}, {"nan", 0.0}, {"inf", 0.0}}) {
            SCOPED_TRACE(texte);
            const auto e = Analyse_entree(QStringLiteral("c =") + QString::fromUtf8(texte));
            EXPECT_EQ(e.valable, v > 0);
            EXPECT_DOUBLE_EQ(e.valeur, v);
        }
    }
}

} // namespace
