// Random series never give NaN, a crash or a value outside its range.
#include "stats/loi_normale.h"
#include "stats/loi_student.h"
#include "stats/series.h"
#include "stats/shapiro_wilk.h"
#include "stats/test_serie.h"
#include "stats/valeur_dominante.h"

#include "tests/stats/outils.h"

#include <algorithm>
#include <cmath>
#include <random>

using namespace Mstat;

namespace {
// A series of n values drawn from one of several shapes, ties and negative values included.
std::vector<double> tirage(std::mt19937& gen, int n) {
    std::vector<double> x(std::size_t(n) + 1, 0.0);
    const int forme = int(gen() % 5);
    std::normal_distribution<double> normale(0, 1);
    std::uniform_real_distribution<double> uniforme(-1, 1);
    const double echelle = std::pow(10.0, int(gen() % 13) - 6);
    const double decalage = (gen() % 3 == 0) ? 1e6 * echelle : 0;
    for (int i = 1; i <= n; ++i) {
        double v = 0;
        switch (forme) {
        case 0: v = normale(gen); break;
        case 1: v = uniforme(gen); break;
        case 2: v = std::exp(2 * normale(gen)); break;
        case 3: v = std::round(normale(gen) * 2); break;  // many ties
        default: v = -std::fabs(normale(gen)); break;
        }
        x[std::size_t(i)] = decalage + echelle * v;
    }
    return x;
}
} // namespace

class Proprietes : public EnFrancais {};

TEST_F(Proprietes, ShapiroWilkEtDominante) {
    std::mt19937 gen(2024);
    for (int essai = 0; essai < 400; ++essai) {
        const int n = 3 + int(gen() % 300);
        std::vector<double> x = tirage(gen, n);
        Tri_Rapide(x, 1, n);
        ASSERT_TRUE(std::is_sorted(x.begin() + 1, x.end()));
        bool init = false;
        std::vector<double> a(std::size_t(n) + 1, 0.0);
        double W = 0, pw = 0;
        short faute = 0;
        QString texte;
        Test_Shapiro_Wilk(init, x, n, n, int(std::nearbyint(n / 2.0)), a, W, pw, faute, QStringLiteral("5"),
                          &texte);
        EXPECT_FALSE(texte.isEmpty());
        if (faute == 0) {
            EXPECT_TRUE(W >= 0 && W <= 1) << "W = " << W << ", n = " << n;
            EXPECT_TRUE(pw >= 0 && pw <= 1) << "p = " << pw << ", n = " << n;
        } else {
            EXPECT_EQ(faute, SW_Etendue_Nulle);
        }
        const double d = Valeur_Dominante(0, x);
        EXPECT_TRUE(d >= x[1] && d <= x[std::size_t(n)]) << d;
    }
}

TEST_F(Proprietes, LanceTestEtDescriptives) {
    std::mt19937 gen(77);
    for (int essai = 0; essai < 200; ++essai) {
        const int n = 5 + int(gen() % 260);
        std::vector<double> x = tirage(gen, n);
        QString t;
        for (int i = 1; i <= n; ++i) t += QString::number(x[std::size_t(i)], 'g', 17).replace('.', ',') + ';';
        for (short code : {Code_Homogeneite, Code_Shapiro_Wilk}) {
            Signalements signale;  // a constant series may be refused, and only that one
            const bool refus = std::all_of(x.begin() + 2, x.end(), [&](double v) { return v == x[1]; }) &&
                               code == Code_Homogeneite;
            Entree_Test e{code, t, false, QStringLiteral("5")};
            const Sortie_Test s = Lance_Test(e);
            EXPECT_FALSE(s.Resultat.contains(QStringLiteral("nan"), Qt::CaseInsensitive)) << s.Resultat.toStdString();
            EXPECT_EQ(signale.recus(), refus ? QStringList{QStringLiteral("données incorrectes")} : QStringList());
        }
        std::vector<double> y(x.begin() + 1, x.end());
        EXPECT_GE(Variance_Serie(y), 0.0);
        std::vector<double> z(y.size());
        for (std::size_t i = 0; i < y.size(); ++i) z[i] = y[i] * 0.5 + double(i % 7);
        Signalements signale;
        const bool constante = *std::min_element(y.begin(), y.end()) == *std::max_element(y.begin(), y.end());
        const Resultat_Deux_Series c = Covariance_Correlation(y, z);
        EXPECT_TRUE(c.Element[2] >= -1 && c.Element[2] <= 1);
        const Resultat_Deux_Series r = Droite_Regression(y, z);
        EXPECT_FALSE(std::isnan(r.Element[1]) || std::isnan(r.Element[2]));
        EXPECT_EQ(signale.recus().size(), constante ? 2 : 0);
    }
}

TEST(ProprietesLois, StudentEtNormale) {
    std::mt19937 gen(5);
    std::uniform_real_distribution<double> u(0, 1);
    for (int essai = 0; essai < 3000; ++essai) {
        const double df = std::pow(10.0, u(gen) * 9 - 1.3);
        const double t = (u(gen) - 0.5) * std::pow(10.0, u(gen) * 8 - 2);
        const double F = Repartition_Student(t, df);
        ASSERT_TRUE(F >= 0 && F <= 1) << t << " " << df << " " << F;
        const double p = std::pow(10.0, -u(gen) * 30);
        const double q = Student_Inverse(u(gen) < 0.5 || 1 - p == 1 ? p : 1 - p, df);
        ASSERT_FALSE(std::isnan(q)) << p << " " << df;
        const double z = (u(gen) - 0.5) * 90;
        const double N = Repartition_Normale(z);
        ASSERT_TRUE(N >= 0 && N <= 1) << z;
        const double a = std::pow(10.0, u(gen) * 6 - 3), b = std::pow(10.0, u(gen) * 6 - 3), x = u(gen);
        const double I = Beta_Incomplete(x, a, b);
        ASSERT_TRUE(I >= 0 && I <= 1 + 1e-15) << x << " " << a << " " << b << " " << I;
    }
}
