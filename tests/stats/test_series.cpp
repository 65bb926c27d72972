// Sorting, descriptive statistics of one and two series, and the dominant value.
#include "stats/series.h"
#include "stats/valeur_dominante.h"

#include "base/vb.h"
#include "tests/stats/outils.h"

#include <algorithm>
#include <random>

using namespace Mstat;

TEST(TriRapide, TrieCommeLaBibliothequeStandard) {
    std::mt19937 gen(12);
    std::uniform_real_distribution<double> loi(-1000, 1000);
    for (int n : {1, 2, 3, 7, 64, 256, 1000}) {
        std::vector<double> x(std::size_t(n) + 1);
        for (double& v : x) v = std::floor(loi(gen) / 10);  // many equal keys
        const double zero = x[0];
        std::vector<double> attendu(x.begin() + 1, x.end());
        std::sort(attendu.begin(), attendu.end());
        EXPECT_TRUE(Tri_Rapide(x, 1, n));
        EXPECT_EQ(x[0], zero) << "element 0 is not part of the range";
        EXPECT_EQ(std::vector<double>(x.begin() + 1, x.end()), attendu) << n;
    }
}

TEST(TriRapide, CasParticuliers) {
    std::vector<double> egaux(300, 4.5);
    EXPECT_TRUE(Tri_Rapide(egaux, 0, 299));
    EXPECT_EQ(egaux, std::vector<double>(300, 4.5));
    std::vector<double> decroissant;
    for (int i = 256; i >= 1; --i) decroissant.push_back(i);
    EXPECT_TRUE(Tri_Rapide(decroissant, 0, 255));
    EXPECT_TRUE(std::is_sorted(decroissant.begin(), decroissant.end()));
    std::vector<double> un{3, 1, 2};
    EXPECT_TRUE(Tri_Rapide(un, 1, 1));
    EXPECT_EQ(un, (std::vector<double>{3, 1, 2}));
    EXPECT_TRUE(Tri_Rapide(un, 2, 1));  // empty range
    EXPECT_EQ(un, (std::vector<double>{3, 1, 2}));
}

TEST(TriRapide, PlageHorsDuTableauRefuseeSansRienToucher) {
    const std::vector<double> avant{5, 4, 3, 2, 1};
    std::vector<double> x = avant;
    EXPECT_FALSE(Tri_Rapide(x, 0, 5));
    EXPECT_EQ(x, avant);
    EXPECT_FALSE(Tri_Rapide(x, -1, 3));
    EXPECT_EQ(x, avant);
    std::vector<double> vide;
    EXPECT_FALSE(Tri_Rapide(vide, 0, 0));
}

TEST(SerieDescriptive, MoyenneVarianceEcartType) {
    const std::vector<double> x{2, 4, 4, 4, 5, 5, 7, 9};
    EXPECT_EQ(Moyenne_Serie(x), 5.0);
    EXPECT_REL(Variance_Serie(x), 32.0 / 7, 1e-15);
    EXPECT_REL(Ecart_Type_Serie(x), std::sqrt(32.0 / 7), 1e-15);
    EXPECT_THROW(Moyenne_Serie({}), Vb::Erreur);
    EXPECT_THROW(Variance_Serie({3.0}), Vb::Erreur);
}

TEST(SerieDescriptive, VarianceSansPerteDeChiffres) {
    // By hand: deviations -0.01, 0, 0.01 give 0.0002 / 2.
    EXPECT_NEAR(Variance_Serie({123456.71, 123456.72, 123456.73}), 1e-4, 1e-11);
    const double v = Variance_Serie({0.1, 0.1, 0.1});
    EXPECT_GE(v, 0.0);
    EXPECT_LT(v, 1e-30);
    EXPECT_FALSE(std::isnan(Ecart_Type_Serie({0.1, 0.1, 0.1})));
    // Negative values, by hand: mean -2, deviations -1, 0, 1.
    EXPECT_REL(Variance_Serie({-3, -2, -1}), 1.0, 1e-15);
}

// Reference for the correlation: /usr/bin/python3 -c "import scipy.stats as s;
//   print(repr(s.pearsonr([1,2,3,4,5],[2.1,3.9,6.2,7.8,10.1])[0]))"
TEST(SerieDescriptive, CovarianceEtCorrelation) {
    Resultat_Deux_Series r = Covariance_Correlation({1, 2, 3}, {2, 4, 6});
    EXPECT_FALSE(r.Refuse());
    EXPECT_REL(r.Element[1], 4.0 / 3, 1e-15);
    EXPECT_REL(r.Element[2], 1.0, 1e-15);
    r = Covariance_Correlation({1, 2, 3, 4, 5}, {2.1, 3.9, 6.2, 7.8, 10.1});
    EXPECT_REL(r.Element[1], 19.9 / 5, 1e-14);  // sum of products of deviations 19.9, over n
    EXPECT_REL(r.Element[2], 0.9986517555689656, 1e-14);
    // A large common offset changes nothing.
    r = Covariance_Correlation({1e9 + 1, 1e9 + 2, 1e9 + 3, 1e9 + 4, 1e9 + 5}, {2.1, 3.9, 6.2, 7.8, 10.1});
    EXPECT_REL(r.Element[2], 0.9986517555689656, 1e-13);
}

TEST(SerieDescriptive, RefusDeLaCovariance) {
    Signalements signale;
    Resultat_Deux_Series r = Covariance_Correlation({1, 2, 3}, {1, 2});
    EXPECT_TRUE(r.Refuse());
    EXPECT_EQ(r.Refus, QStringLiteral("taille séries différentes. Calcul abandonné"));
    EXPECT_EQ(r.Element[1], 0.0);
    EXPECT_EQ(r.Element[2], 0.0);
    // Constant x: the covariance stays, no correlation is made up.
    r = Covariance_Correlation({0.7, 0.7, 0.7, 0.7, 0.7}, {1, 2, 3, 4, 5});
    EXPECT_EQ(r.Refus, QStringLiteral("un des ecarts-types est nul. Calcul abandonné"));
    EXPECT_NEAR(r.Element[1], 0.0, 1e-15);
    EXPECT_EQ(r.Element[2], 0.0);
    EXPECT_EQ(signale.recus(), (QStringList{QStringLiteral("taille séries différentes. Calcul abandonné"),
                                            QStringLiteral("un des ecarts-types est nul. Calcul abandonné")}));
}

TEST(SerieDescriptive, DroiteDeRegression) {
    Resultat_Deux_Series r = Droite_Regression({0, 1, 2}, {1, 3, 5});
    EXPECT_FALSE(r.Refuse());
    EXPECT_EQ(r.Element[1], 2.0);
    EXPECT_EQ(r.Element[2], 1.0);
    // Far from the origin: y = 2x + 1 with x near 1e9, exact in doubles.
    r = Droite_Regression({1e9, 1e9 + 1, 1e9 + 2}, {2e9 + 1, 2e9 + 3, 2e9 + 5});
    EXPECT_EQ(r.Element[1], 2.0);
    EXPECT_EQ(r.Element[2], 1.0);
    // Negative slope, by hand: y = -0.5 x + 4.
    r = Droite_Regression({-2, 0, 2, 4}, {5, 4, 3, 2});
    EXPECT_REL(r.Element[1], -0.5, 1e-15);
    EXPECT_REL(r.Element[2], 4.0, 1e-15);
}

TEST(SerieDescriptive, RefusDeLaRegression) {
    Signalements signale;
    Resultat_Deux_Series r = Droite_Regression({1, 2, 3}, {1, 2});
    EXPECT_TRUE(r.Refuse());
    EXPECT_EQ(r.Element[1], 0.0);
    EXPECT_EQ(r.Element[2], 0.0);
    // Equal x values whose raw sums do not cancel exactly are refused all the same.
    r = Droite_Regression({0.7, 0.7, 0.7, 0.7, 0.7}, {1, 2, 3, 4, 5});
    EXPECT_EQ(r.Refus, QStringLiteral("Valeurs nulles. Calcul impossible."));
    EXPECT_EQ(r.Element[1], 0.0);
    EXPECT_EQ(r.Element[2], 0.0);
    r = Droite_Regression({}, {});
    EXPECT_TRUE(r.Refuse());
    EXPECT_EQ(signale.prendre(), (QStringList{QStringLiteral("Les deux series sont de tailles differentes. Calcul impossible."),
                                              QStringLiteral("Valeurs nulles. Calcul impossible."),
                                              QStringLiteral("Valeurs nulles. Calcul impossible.")}));
    // Without its report the refusal is the same.
    r = Droite_Regression({1, 1}, {2, 3}, false);
    EXPECT_EQ(r.Refus, QStringLiteral("Valeurs nulles. Calcul impossible."));
    EXPECT_EQ(Covariance_Correlation({1, 2}, {3}, false).Refus, QStringLiteral("taille séries différentes. Calcul abandonné"));
    EXPECT_TRUE(signale.recus().isEmpty());
}

namespace {
std::vector<double> serie(std::initializer_list<double> v) {
    std::vector<double> x{0.0};
    x.insert(x.end(), v);
    return x;
}
} // namespace

TEST(ValeurDominante, ExemplesTraitesALaMain) {
    EXPECT_EQ(Valeur_Dominante(0, serie({1, 2, 2.5, 3, 5, 9})), 2.25);
    EXPECT_EQ(Valeur_Dominante(0, serie({10, 12, 13, 13.5, 14, 20, 21, 21.5})), 13.25);
    EXPECT_EQ(Valeur_Dominante(0, serie({1, 1.5, 2, 2.5, 3})), 1.25);
    EXPECT_EQ(Valeur_Dominante(0, serie({3, 3, 3, 3})), 3.0);
    EXPECT_EQ(Valeur_Dominante(0, serie({1, 2})), 1.5);
    EXPECT_EQ(Valeur_Dominante(0, serie({7})), 7.0);
    EXPECT_EQ(Valeur_Dominante(0, serie({})), 0.0);
}

TEST(ValeurDominante, ValeursNegatives) {
    // Gaps 5 and 5: the first two values.
    EXPECT_EQ(Valeur_Dominante(0, serie({-10, -5, 0})), -7.5);
    // Gaps 0.5, 0.1, 2.4, 5: the smallest starts at -2.5.
    EXPECT_EQ(Valeur_Dominante(0, serie({-3, -2.5, -2.4, 0, 5})), -2.5);
}

TEST(ValeurDominante, EcartsEgauxAuBruitPres) {
    // 0.2 - 0.1, 0.3 - 0.2 and 0.4 - 0.3 differ in their last bits only: evenly spaced.
    EXPECT_REL(Valeur_Dominante(0, serie({0.1, 0.2, 0.3, 0.4})), 0.15, 1e-15);
}

TEST(ValeurDominante, PlusDe255Valeurs) {
    std::vector<double> x{0.0};
    for (int i = 1; i <= 400; ++i) x.push_back(i * 3.0);
    x[301] = x[300] + 1;  // one gap of 1 among gaps of 3 (and one of 5 after it)
    EXPECT_EQ(Valeur_Dominante(0, x), 900.0);
}
