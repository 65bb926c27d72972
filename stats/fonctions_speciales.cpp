#include "stats/fonctions_speciales.h"

#include <cmath>
#include <limits>

namespace Mstat {

namespace {
constexpr double Echelle = 1.15792089237316e77;         // 2^256
constexpr double EchelleInverse = 8.63616855509444e-78;  // 2^-256
constexpr double Indefini = 1e308;
constexpr double Euler = 0.577215664901533;

// Coefficients of Stirling's asymptotic series of lfb, as ratios to its leading term
// 1 / (12 (x + 1)); the last two absorb the truncation of the series.
constexpr double SerieStirling[9] = {1.0,
                                     1.0 / 30,
                                     1.0 / 105,
                                     1.0 / 140,
                                     1.0 / 99,
                                     0.02301032301032301,
                                     1.0 / 13,
                                     0.350686068964593,
                                     1.67699982016711};

// The m-th derivative of the asymptotic series of lfb at x (x >= 6): each power
// (x + 1)^-(2k + 1) contributes its own m-th derivative.
double derivee_serie(double x, int m) {
    const double x1 = x + 1;
    const double v = 1 / (x1 * x1);
    double total = 0;
    for (int k = 8; k >= 0; --k) {
        double facteur = 1;
        for (int j = 1; j <= m; ++j) facteur *= 2 * k + j;
        const double terme = SerieStirling[k] * facteur;
        total = terme - v * total;
    }
    const double signe = (m % 2) ? -1.0 : 1.0;
    return signe * total / (12 * std::pow(x1, m + 1));
}

// The leading term of the m-th derivative, for very large arguments.
double derivee_asymptote(double x, int m) {
    double factorielle = 1;
    for (int j = 2; j <= m; ++j) factorielle *= j;
    const double signe = (m % 2) ? -1.0 : 1.0;
    return signe * factorielle / (12 * std::pow(x + 1, m + 1));
}

// Shared scheme of the derivatives: asymptote, series, and below 6 the upward sum of
// the differences down to the first argument at or above 6.
double derivee(double x, int m, double (*difference)(double)) {
    if (std::isnan(x)) return x;
    if (x >= 1e10) return derivee_asymptote(x, m);
    if (x >= 6) return derivee_serie(x, m);
    if (x <= -1) return -Indefini;
    double somme = 0;
    while (x < 6) {
        somme += difference(x);
        x += 1;
    }
    return somme + derivee_serie(x, m);
}

// (zeta(k + 2) - 1) / (k + 2) for k = 0 to 39: the series of ln Gamma(2 + a).
constexpr double CoefLnGamma[40] = {
    0.3224670334241132,     0.0673523010531981,     0.020580808427784546,   0.007385551028673986,
    0.0028905103307415234,  0.001192753911703261,   0.0005096695247430425,  0.00022315475845357939,
    9.945751278180853e-05,  4.492623673813314e-05,  2.050721277567069e-05,  9.439488275268397e-06,
    4.374866789907488e-06,  2.039215753801366e-06,  9.55141213040742e-07,   4.492469198764566e-07,
    2.1207184805554665e-07, 1.0043224823968099e-07, 4.7698101693639804e-08, 2.2711094608943164e-08,
    1.0838659214896955e-08, 5.183475041970047e-09,  2.4836745438024785e-09, 1.1921401405860912e-09,
    5.731367241678862e-10,  2.7595228851242334e-10, 1.330476437424449e-10,  6.4229645638381e-11,
    3.1044247747322276e-11, 1.5021384080754142e-11, 7.275974480239079e-12,  3.527742476575915e-12,
    1.711991790559618e-12,  8.315385841420285e-13,  4.04220052528944e-13,   1.9664756310966165e-13,
    9.573630387838556e-14,  4.6640760264283744e-14, 2.2737369600659724e-14, 1.1091399470834522e-14};
// zeta(42) - 1: beyond the table the coefficients are 2^-(k + 2) / (k + 2) to double
// precision, and their sum is this factor times a continued fraction.
constexpr double QueueLnGamma = 2.2737368458246524e-13;
} // namespace

double Fraction_Continue_Log(double x, double i, double d) {
    double c1 = 2 * d;
    double c2 = i + d;
    double c4 = c2 + d;
    double a1 = c2;
    double b1 = i * (c2 - i * x);
    double b2 = d * d * x;
    double a2 = c4 * c2 - b2;
    b2 = c4 * b1 - i * b2;
    while (std::fabs(a2 * b1 - a1 * b2) > std::fabs(b1 * 1e-15 * a2)) {
        double c3 = c2 * c2 * x;
        c2 += d;
        c4 += d;
        a1 = c4 * a2 - c3 * a1;
        b1 = c4 * b2 - c3 * b1;
        c3 = c1 * c1 * x;
        c1 += d;
        c4 += d;
        a2 = c4 * a1 - c3 * a2;
        b2 = c4 * b1 - c3 * b2;
        if (b2 > Echelle) {
            a1 *= EchelleInverse;
            b1 *= EchelleInverse;
            a2 *= EchelleInverse;
            b2 *= EchelleInverse;
        } else if (b2 < EchelleInverse) {
            a1 *= Echelle;
            b1 *= Echelle;
            a2 *= Echelle;
            b2 *= Echelle;
        }
    }
    return a2 / b2;
}

double Ln_1_Plus_X(double x) {
    if (std::fabs(x) > 0.5) return std::log(1 + x);
    const double y = x / (x + 2);
    return 2 * y * Fraction_Continue_Log(y * y, 1, 2);
}

double Ln_1_Plus_X_Moins_X(double x) {
    const double y = x / (x + 2);
    const double y2 = y * y;
    if (std::fabs(x) < 0.01)
        return y * (y2 * (y2 * (y2 * (y2 * 2 / 9 + 2.0 / 7) + 0.4) + 2.0 / 3) - x);
    if (x < -0.79149064 || x > 1) return std::log(1 + x) - x;
    return y * (2 * y2 * Fraction_Continue_Log(y2, 3, 2) - x);
}

double Exp_Moins_1(double x) {
    if (!(std::fabs(x) < 2)) return std::exp(x) - 1;
    // exp(x) - 1 = 2 tanh(x/2) / (1 - tanh(x/2)), with the continued fraction of tanh.
    const double x2 = x * x / 4;
    double a1 = 24;
    double b1 = 2 * (12 - x * (6 - x));
    double a2 = 8 * (15 + x2);
    double b2 = 120 - x * (60 - x * (12 - x));
    double c = 7;
    while (std::fabs(a2 * b1 - a1 * b2) > std::fabs(1e-14 * b1 * a2)) {
        a1 = c * a2 + x2 * a1;
        b1 = c * b2 + x2 * b1;
        c += 2;
        a2 = c * a1 + x2 * a2;
        b2 = c * b1 + x2 * b2;
        c += 2;
        if (b2 > Echelle) {
            a1 *= EchelleInverse;
            b1 *= EchelleInverse;
            a2 *= EchelleInverse;
            b2 *= EchelleInverse;
        }
    }
    return x * a2 / b2;
}

double Ecart_Stirling(double x) {
    if (std::isnan(x)) return x;
    if (x >= 1e10) return 1 / (12 * (x + 1));
    if (x >= 6) {
        const double x1 = x + 1;
        const double v = 1 / (x1 * x1);
        double t = SerieStirling[8];
        for (int k = 7; k >= 1; --k) t = SerieStirling[k] - v * t;
        return (1 - v * t) / (12 * x1);
    }
    if (x == 0) return 0.0810614667953273;
    if (x == 1) return 0.0413406959554093;
    if (x == 2) return 0.0276779256849983;
    if (x == 3) return 0.0207906721037651;
    if (x == 4) return 0.0166446911898212;
    if (x == 5) return 0.0138761288230707;
    if (x <= -1) return Indefini;
    double somme = 0;
    while (x < 6) {
        somme += Ecart_Stirling_Diff(x);
        x += 1;
    }
    return somme + Ecart_Stirling(x);
}

double Ecart_Stirling_Diff(double x) {
    const double y = 1 / (2 * x + 3);
    const double y2 = y * y;
    return y2 * Fraction_Continue_Log(y2, 3, 2);
}

double Ecart_Stirling_D1(double x) { return derivee(x, 1, Ecart_Stirling_D1_Diff); }
double Ecart_Stirling_D3(double x) { return derivee(x, 3, Ecart_Stirling_D3_Diff); }
double Ecart_Stirling_D5(double x) { return derivee(x, 5, Ecart_Stirling_D5_Diff); }
double Ecart_Stirling_D7(double x) { return derivee(x, 7, Ecart_Stirling_D7_Diff); }

double Ecart_Stirling_D1_Diff(double x) {
    return (Ecart_Stirling_Diff(x) - 0.25 / ((x + 1) * (x + 2))) / (x + 1.5);
}

double Ecart_Stirling_D3_Diff(double x) {
    const double c = (x + 1) * (x + 2);
    return -(2 * x + 3) / (c * c * c);
}

double Ecart_Stirling_D5_Diff(double x) {
    const double c = (x + 1) * (x + 2);
    return -6 * (2 * x + 3) * (5 * x * x + 15 * x + 12) / std::pow(c, 5);
}

double Ecart_Stirling_D7_Diff(double x) {
    const double c = (x + 1) * (x + 2);
    return -120 * (2 * x + 3) * ((((14 * x + 84) * x + 196) * x + 210) * x + 87) / std::pow(c, 7);
}

double Diff_Stirling_Precise(double a, double b) {
    if (a <= 0.03 * (a + b + 1)) {
        // Taylor expansion about the midpoint: the odd derivatives only.
        const double h = b + a / 2;
        const double a2 = a * a;
        return a * (Ecart_Stirling_D1(h) +
                    a2 / 24 * (Ecart_Stirling_D3(h) + a2 / 80 * (Ecart_Stirling_D5(h) + a2 / 168 * Ecart_Stirling_D7(h))));
    }
    return Ecart_Stirling(a + b) - Ecart_Stirling(b);
}

double Dev_Ln_Gamma(double a) {
    double s = QueueLnGamma * Fraction_Continue_Log(-a / 2, 42, 1);
    for (int k = 39; k >= 0; --k) s = CoefLnGamma[k] - a * s;
    return a * (a * s - Euler) - Ln_1_Plus_X_Moins_X(a);
}

double Min_R8(double a, double b) { return a < b ? a : b; }

} // namespace Mstat
