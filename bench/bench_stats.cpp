// Times of the statistics library's laws and tests, printed per call.
#include "bench/outils_bench.h"
#include "stats/loi_normale.h"
#include "stats/loi_student.h"
#include "stats/shapiro_wilk.h"
#include "stats/test_serie.h"
#include "stats/valeur_dominante.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

using namespace Bench;

namespace {

std::vector<double> echantillon(int n) {
    std::vector<double> x(std::size_t(n) + 1, 0.0);
    for (int i = 1; i <= n; ++i) x[std::size_t(i)] = double((i * 37) % 101) / 101 + double((i * 53) % 97) / 97;
    std::sort(x.begin() + 1, x.end());
    return x;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    using namespace Mstat;
    mesure("Repartition_Normale, x in [-10, 10]", 200000, [](int i) { return Repartition_Normale(-10 + i * 1e-4); });
    mesure("Normale_Inverse, p in (0, 1)", 200000, [](int i) { return Normale_Inverse((i + 0.5) / 200000); });
    for (double df : {0.5, 3.0, 30.0, 1e6})
        mesure(QByteArray("Repartition_Student, df = ").append(QByteArray::number(df)).constData(), 100000,
               [df](int i) { return Repartition_Student(-20 + i * 4e-4, df); });
    for (double df : {0.5, 3.0, 30.0, 1e6})
        mesure(QByteArray("Student_Inverse, df = ").append(QByteArray::number(df)).constData(), 20000,
               [df](int i) { return Student_Inverse((i + 0.5) / 20000, df); });
    for (double a : {10.0, 1e4, 1e6, 1e8})
        mesure(QByteArray("Beta_Incomplete near the mean, a = b = ").append(QByteArray::number(a)).constData(),
               a > 1e5 ? 200 : 5000, [a](int i) { return Beta_Incomplete(0.5 + (i % 7 - 3) / std::sqrt(a) / 10, a, a); });
    for (int n : {11, 256, 5000}) {
        const std::vector<double> x = echantillon(n);
        mesure(QByteArray("Test_Shapiro_Wilk, n = ").append(QByteArray::number(n)).constData(), n > 1000 ? 200 : 5000,
               [&x, n](int) {
                   bool init = false;
                   std::vector<double> a(std::size_t(n) + 1);
                   double W = 0, pw = 0;
                   short faute = 0;
                   Test_Shapiro_Wilk(init, x, n, n, int(std::nearbyint(n / 2.0)), a, W, pw, faute);
                   return pw;
               });
    }
    // Evenly spaced values: every gap is the smallest, the stretch loses one value a pass.
    for (int n : {255, 10000, 32767}) {
        std::vector<double> x(std::size_t(n) + 1, 0.0);
        for (int i = 1; i <= n; ++i) x[std::size_t(i)] = i;
        mesure(QByteArray("Valeur_Dominante, evenly spaced, n = ").append(QByteArray::number(n)).constData(), 20,
               [&x](int) { return Valeur_Dominante(0, x); });
    }
    QString serie;
    for (int i = 1; i <= 256; ++i) serie += QString::number((i * 37) % 101) + ';';
    mesure("Lance_Test homogeneity, 256 values", 2000, [&serie](int) {
        return double(Lance_Test({Code_Homogeneite, serie, false, QStringLiteral("5")}).Resultat.size());
    });
    return 0;
}
