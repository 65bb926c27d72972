#include "stats/loi_student.h"

#include "base/vb.h"
#include "stats/fonctions_speciales.h"
#include "stats/loi_normale.h"

#include <cmath>
#include <limits>

namespace Mstat {

double Densite_Student = 0;
double Densite_Student_Reduite = 0;
short Err_Distrib = 0;

namespace {
constexpr double LnRacine2Pi = 0.918938533204673;
constexpr double UnSurRacine2Pi = 0.398942280401433;
constexpr double PlusPetitNormal = 5.562684646268e-309;
constexpr double Echelle = 1.15792089237316e77;         // 2^256
constexpr double EchelleInverse = 8.63616855509444e-78;  // 2^-256
constexpr double Ln1_5 = 0.405465108108164;              // ln(1.5)
constexpr double EcartStirlingDemi = 0.0548141210519177; // lfb(0.5)
constexpr int PasNewtonMax = 300;

[[noreturn]] void argument_invalide() { throw Vb::Erreur(Vb::ErrArgument, "Invalid procedure call or argument"); }

// The continued fraction of I_x(a, b) divided by its leading factor
// x^a (1 - x)^b / (a B(a, b)); it converges quickly for x < (a + 1) / (a + b + 2).
double fraction_beta(double x, double a, double b) {
    constexpr double Minuscule = 1e-300;
    const double qab = a + b, qap = a + 1, qam = a - 1;
    double c = 1;
    double d = 1 - qab * x / qap;
    if (std::fabs(d) < Minuscule) d = Minuscule;
    d = 1 / d;
    double h = d;
    for (int m = 1; m <= 10000000; ++m) {
        const double m2 = 2.0 * m;
        double aa = m * (b - m) * x / ((qam + m2) * (a + m2));
        d = 1 + aa * d;
        if (std::fabs(d) < Minuscule) d = Minuscule;
        c = 1 + aa / c;
        if (std::fabs(c) < Minuscule) c = Minuscule;
        d = 1 / d;
        h *= d * c;
        aa = -(a + m) * (qab + m) * x / ((a + m2) * (qap + m2));
        d = 1 + aa * d;
        if (std::fabs(d) < Minuscule) d = Minuscule;
        c = 1 + aa / c;
        if (std::fabs(c) < Minuscule) c = Minuscule;
        d = 1 / d;
        const double pas = d * c;
        h *= pas;
        if (!(std::fabs(pas - 1) > 1e-15)) break;
    }
    return h;
}
} // namespace

bool Est_Pair(double x) { return x == 2 * Vb::Int(x / 2); }

double Terme_Binomial(double i, double j, double p, double q, double ecart, double f) {
    if (i == 0 && j <= 0) {
        Err_Distrib = -1;
        return std::exp(f);
    }
    if (i <= -1 || j < 0) {
        Err_Distrib = -1;
        return 0;
    }
    Err_Distrib = 0;
    const double ntot = i + j + 1;
    // Work from the smaller probability t and its count u.
    double u = i, v = j, t = p;
    if (p >= q) {
        ecart = -ecart;
        u = j;
        v = i;
        t = q;
    }
    const double w = (ecart - (1 - t)) / (u + 1);
    const double y = -(ecart + t) / (v + 1);
    const double k = Ecart_Stirling(i + j) - Ecart_Stirling(i) - Ecart_Stirling(j);
    if (w >= -0.79149064)
        return std::exp(u * Ln_1_Plus_X_Moins_X(w) - w + k + v * Ln_1_Plus_X_Moins_X(y) - y + f) *
               std::sqrt(ntot / ((v + 1) * (u + 1))) * UnSurRacine2Pi;
    if (u != 0) {
        if (t == 0) {
            Err_Distrib = -1;
            return 0;
        }
        return std::exp(k + u * (std::log(t * ntot / (u + 1)) - w) - w + v * Ln_1_Plus_X_Moins_X(y) - y + f) *
               std::sqrt(ntot / ((u + 1) * (v + 1))) * UnSurRacine2Pi;
    }
    return std::exp(f + v * Ln_1_Plus_X(-t));
}

double Fraction_Binomiale(double i, double j, double p, double q, double ecart, bool complement) {
    double ip1;
    if (i > -1 && i < 0) {
        // The count -a stands for the count a - 1 of a parameter a below 1.
        ip1 = -i;
        i = ip1 - 1;
        ecart = (i + j) * p - i;
    } else {
        ip1 = i + 1;
    }
    const double terme = Terme_Binomial(i, j, p, q, ecart, 0);
    if (Err_Distrib == -1) return complement ? 0 : 1;
    // P(X > i) = I_p(i + 1, j) and P(X <= i) = I_q(j, i + 1): the fraction is taken on
    // the side where it converges, and the other side is its complement.
    if (p * (ip1 + j + 2) < ip1 + 1) {
        const double superieure = terme * p * j / ip1 * fraction_beta(p, ip1, j);
        return complement ? superieure : 1 - superieure;
    }
    const double inferieure = terme * p * fraction_beta(q, j, ip1);
    return complement ? 1 - inferieure : inferieure;
}

double Approx_Binomiale(double i, double j, double p, double q, double ecart, bool complement) {
    // Large counts near the mean: the continued fraction reaches double precision there
    // too, in a number of steps that grows as the square root of the counts.
    Err_Distrib = 0;
    return Fraction_Binomiale(i, j, p, q, ecart, complement);
}

double Somme_Binomiale(double i, double j, double p, double q, double ecart) {
    const double m = Min_R8(i, j);
    if (0.1 * m > std::fabs(ecart) && m > 50) return Approx_Binomiale(i, j, p, q, ecart, false);
    return Fraction_Binomiale(i, j, p, q, ecart, false);
}

double Somme_Binomiale_Compl(double i, double j, double p, double q, double ecart) {
    const double m = Min_R8(i, j);
    if (0.1 * m > std::fabs(ecart) && m > 50) return Approx_Binomiale(i, j, p, q, ecart, true);
    return Fraction_Binomiale(i, j, p, q, ecart, true);
}

double Serie_Beta(double x, double a, double b) {
    double terme = 1, somme = 0;
    for (int m = 1; m < 100000; ++m) {
        terme *= (m - b) * x / m;
        const double t = terme / (a + m);
        somme += t;
        if (5e-16 * std::fabs(somme) >= std::fabs(t)) break;
    }
    return -a * somme;
}

double Beta_Petits_Param(double x, double a, double b, bool complement) {
    if (x > 0.5) return Beta_Petits_Param(1 - x, b, a, !complement);
    // ln of x^a / (a B(a, b)), with ln Gamma(a + b) - ln Gamma(b) written through
    // Stirling's error term so that no digit is lost when it is close to 0.
    const double lnTete = a * ((a - 0.5) / (b + 1) + std::log(x * (b + 1))) +
                          (a + b + 0.5) * Ln_1_Plus_X_Moins_X(a / (b + 1)) - Ln_1_Plus_X(a / b) -
                          Dev_Ln_Gamma(a) + Diff_Stirling_Precise(a, b);
    const double serie = Serie_Beta(x, a, b);
    if (complement) return serie * std::exp(lnTete) - Exp_Moins_1(lnTete);
    return std::exp(lnTete) * (1 - serie);
}

double Beta_Incomplete(double x, double a, double b) {
    if (std::isnan(x) || std::isnan(a) || std::isnan(b) || a < 0 || b < 0) argument_invalide();
    if (a == 0 && b == 0) {
        if (Bip) Bip();
        return 0;
    }
    if (a == 0) return 1;
    if (b == 0) return 0;
    if (x <= 0) return 0;
    if (x >= 1) return 1;
    if (a < 1 && b < 1) return Beta_Petits_Param(x, a, b, false);
    if ((b + 1) * x <= 1 && a < 1) return Beta_Petits_Param(x, a, b, false);
    if ((a + 1) * x >= a && b < 1) return Beta_Petits_Param(1 - x, b, a, true);
    if (a < 1) return Somme_Binomiale_Compl(-a, b, x, 1 - x, 0);
    if (b < 1) return Somme_Binomiale(-b, a, 1 - x, x, 0);
    return Somme_Binomiale_Compl(a - 1, b, x, 1 - x, (a + b - 1) * x - a + 1);
}

double Beta_Incomplete_Compl(double x, double a, double b) {
    if (std::isnan(x) || std::isnan(a) || std::isnan(b) || a < 0 || b < 0) argument_invalide();
    if (a == 0) return 0;
    if (b == 0) return 1;
    if (x <= 0) return 1;
    if (x >= 1) return 0;
    if (a < 1 && b < 1) return Beta_Petits_Param(x, a, b, true);
    if ((b + 1) * x <= 1 && a < 1) return Beta_Petits_Param(x, a, b, true);
    if ((a + 1) * x >= a && b < 1) return Beta_Petits_Param(1 - x, b, a, false);
    if (a < 1) return Somme_Binomiale(-a, b, x, 1 - x, 0);
    if (b < 1) return Somme_Binomiale_Compl(-b, a, 1 - x, x, 0);
    return Somme_Binomiale(a - 1, b, x, 1 - x, (a + b - 1) * x - a + 1);
}

double Queue_Student(double x2, double k2, double A, double df) {
    double g;
    if (Est_Pair(df))
        g = Ecart_Stirling(df - 1) + A - 2 * Ecart_Stirling(df / 2 - 1);
    else
        g = df * Ln_1_Plus_X_Moins_X(1 / df) + A + 2 * Ecart_Stirling((df - 1) / 2) - Ecart_Stirling(df - 1);
    Densite_Student_Reduite = std::exp(g - LnRacine2Pi);
    double queue;
    if (4 * k2 <= x2 * df) {
        // Far tail (|t| >= 2): continued fraction, two convergents per pass.
        if (Densite_Student_Reduite == 0) {
            queue = 0;
        } else {
            const double F = 2 * (k2 + 1);
            const double H = 8 * k2;
            double J = (df - 3) * x2 + 7;
            double N = (df - 5) * x2 + 11;
            double P = N * J - 20 * k2;
            double R = -30 * k2;
            double U = -42 * k2;
            double W = (df - 7) * x2 + 15;
            double u = 1;
            double f = F;
            // The fraction converges in a few dozen passes; the bound only guards
            // against arguments that would keep it from converging.
            for (int passe = 0; passe < 100000 && std::fabs(J * 1e-15 * N) < std::fabs(N * J - u * P); ++passe) {
                double a = N * W + u * U;
                J = W * P + U * J;
                const double c = R + U;
                const double e = R - H;
                f = F + W;
                N = a * f + N * c;
                P = c * P + f * J;
                U = e + c;
                R = e - H;
                W = F + f;
                if (std::fabs(P) > Echelle) {
                    a *= EchelleInverse;
                    J *= EchelleInverse;
                    N *= EchelleInverse;
                    P *= EchelleInverse;
                } else if (std::fabs(P) < EchelleInverse) {
                    a *= Echelle;
                    J *= Echelle;
                    N *= Echelle;
                    P *= Echelle;
                }
                u = a;
            }
            queue = (1 - k2 / ((df - 1) * x2 + 3 - 6 * k2 * N / P)) * Densite_Student_Reduite / std::sqrt(x2 * df);
        }
    } else {
        // Near the centre: series.
        double terme = 1, s = 0;
        for (double m = 1;; m += 1) {
            terme = terme * (df + 1 + 2 * m) * x2 / (3 + 2 * m);
            s += terme;
            if (5e-16 * s >= terme) break;
        }
        queue = 0.5 - Densite_Student_Reduite * std::sqrt(x2 * df) * ((df + 1) * x2 * (s + 1) / 3 + 1);
    }
    Densite_Student = Densite_Student_Reduite * std::sqrt(k2);
    return queue;
}

double Repartition_Student(double t, double df) {
    if (std::isnan(t) || !(df > 0)) argument_invalide();
    if (std::isinf(t)) {
        Densite_Student = Densite_Student_Reduite = 0;
        return t > 0 ? 1 : 0;
    }
    // x2 = t^2 / (t^2 + df) and k2 = df / (t^2 + df), split without cancellation.
    double x2, k2;
    if (std::fabs(t) < Min_R8(1, df)) {
        x2 = t * t / (t * t + df);
        k2 = df / (t * t + df);
    } else {
        k2 = df / t;
        x2 = t + k2;
        k2 = k2 / x2;
        x2 = t / x2;
    }
    if (df > 1e30) {
        const double r = Repartition_Normale(t);
        Densite_Student = Densite_Normale;
        Densite_Student_Reduite = k2 != 0 ? Densite_Normale / std::sqrt(k2) : 0;
        return r;
    }
    double L;
    if (k2 >= PlusPetitNormal)
        L = std::fabs(x2) >= 0.5 ? std::log(k2) : Ln_1_Plus_X(-x2);
    else
        L = std::log(df) - 2 * std::log(std::fabs(t));
    const double h = df / 2;
    const double A = h * L;
    if (df >= 1) {
        const double r = Queue_Student(x2, k2, A, df);
        return t < 0 ? r : 1 - r;
    }
    // Fewer than one degree of freedom: the incomplete beta function.
    Densite_Student = std::exp((1 / df + 1) * A + 0.5 + h * Ln_1_Plus_X(-0.5 / (h + 1)) + Ecart_Stirling(h - 0.5) -
                               Ecart_Stirling(h)) *
                      std::sqrt(h / (h + 1)) * UnSurRacine2Pi;
    Densite_Student_Reduite = k2 != 0 ? Densite_Student / std::sqrt(k2) : 0;
    if (k2 >= PlusPetitNormal) {
        // I_k2(h, 1/2) = 1 - I_x2(1/2, h), each taken on the smaller argument.
        const double i = k2 <= x2 ? Beta_Incomplete(k2, h, 0.5) : Beta_Incomplete_Compl(x2, 0.5, h);
        const double ic = k2 <= x2 ? Beta_Incomplete_Compl(k2, h, 0.5) : Beta_Incomplete(x2, 0.5, h);
        return t < 0 ? 0.5 * i : 0.5 * (1 + ic);
    }
    const double r = std::exp(h * (std::log(df) - 2 * std::log(std::fabs(t)) + (h - 0.5) / 1.5 + Ln1_5) +
                              (h + 1) * Ln_1_Plus_X_Moins_X(h / 1.5) + Ecart_Stirling(h + 0.5) - EcartStirlingDemi -
                              Dev_Ln_Gamma(h)) *
                     0.25 / (h + 0.5);
    return t < 0 ? r : 1 - r;
}

double Student_Inverse(double p, double df) {
    if (!(p > 0 && p < 1) || !(df > 0)) argument_invalide();
    const double q = p > 0.5 ? 1 - p : p;
    const double tp = p * (-std::log(p)) * 1e-14;
    double x;
    bool departQueue = false;
    if (q >= 0.5 || (df >= 1 && (df >= 2 || p >= 0.001) && (df >= 5 || p >= 1e-6) && (df >= 10 || p >= 1e-15) &&
                     (df >= 20 || p >= 1e-30) && (df >= 50 || p >= 1e-50))) {
        // Cornish-Fisher expansion about the normal quantile.
        const double z = Normale_Inverse(q);
        const double z2 = z * z;
        double e = (z2 * (z2 * (z2 * (79 * z2 + 776) + 1482) - 1920) - 945) / (92160 * df);
        e = ((z2 * (z2 * (3 * z2 + 19) + 17) - 15) / 384 + e) / df;
        e = ((z2 * (5 * z2 + 16) + 3) / 96 + e) / df;
        e = ((z2 + 1) / 4 + e) / df;
        x = z * (1 + e);
    } else {
        departQueue = true;
        if (df >= 1) {
            Repartition_Student(0, df);
            x = -std::exp(-std::log(p * std::sqrt(df) / Densite_Student) / df) * std::sqrt(df);
        } else {
            const double h = df / 2;
            x = -std::exp(((h - 0.5) / 1.5 + Ln1_5 + std::log(df)) / 2 +
                          ((h + 1) * Ln_1_Plus_X_Moins_X(h / 1.5) + Ecart_Stirling(h + 0.5) - EcartStirlingDemi -
                           Dev_Ln_Gamma(h) - std::log(4 * q * (h + 0.5))) /
                              df);
        }
    }
    // Newton steps on the logarithm of the probability, at most a few hundred.
    double F = Repartition_Student(x, df);
    if (!(departQueue && Densite_Student < 1e-316)) {
        for (int n = 0; n < PasNewtonMax; ++n) {
            if (!(std::fabs(F - q) > tp) || !(Densite_Student > 0)) break;
            const double pas = F / Densite_Student * Ln_1_Plus_X((F - q) / q);
            if (!std::isfinite(pas)) break;
            x -= pas;
            if (!(std::fabs(pas) > (std::fabs(x) + 1) * 1e-14)) break;
            F = Repartition_Student(x, df);
        }
    }
    return p <= 0.5 ? x : -x;
}

} // namespace Mstat
