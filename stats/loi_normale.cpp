#include "stats/loi_normale.h"

#include "stats/rappels_stat.h"

#include <cmath>

namespace Mstat {

double Densite_Normale = 0;

namespace {
constexpr double LnRacine2Pi = 0.918938533204673;
constexpr double UnSurRacine2Pi = 0.398942280401432678;  // exp(-LnRacine2Pi)
constexpr double Echelle = 1.15792089237316e77;         // 2^256
constexpr double EchelleInverse = 8.63616855509444e-78;  // 2^-256
const QString AlerteClni = QStringLiteral("alerte CLNI");
} // namespace

double Repartition_Normale(double x) {
    if (std::isnan(x)) return 0;
    const double ax = std::fabs(x);
    const double x2 = x * x;
    if (ax < 1.5) {
        // Taylor series of the integral of the density, summed to full precision.
        double terme = 1, k = 3, s = 0;
        do {
            k += 2;
            terme = x2 * terme / k;
            s += terme;
        } while (s * 5e-16 < terme);
        Densite_Normale = std::exp(-x2 / 2 - LnRacine2Pi);
        return x * Densite_Normale * (x2 / 3 * (s + 1) + 1) + 0.5;
    }
    if (ax > 40) {
        Densite_Normale = 0;
        return x > 0 ? 1 : 0;
    }
    // Continued fraction of the tail, two convergents per pass, rescaled so that long
    // fractions stay inside the double range.
    double a1 = 2, b1 = x2 + 5, c = x2 + 9;
    double a2 = 2 * c, b2 = c * b1 - 12;
    double k = 5;
    c += 4;
    for (int passe = 0; passe < 100000 && std::fabs(a2 * b1 - a1 * b2) > std::fabs(b1 * 1e-15 * a2); ++passe) {
        double t = (k + 1) * k;
        a1 = a2 * c - a1 * t;
        b1 = c * b2 - t * b1;
        k += 2;
        c += 4;
        t = (k + 1) * k;
        a2 = a1 * c - a2 * t;
        b2 = c * b1 - t * b2;
        k += 2;
        c += 4;
        if (b2 > Echelle) {
            a1 *= EchelleInverse;
            b1 *= EchelleInverse;
            a2 *= EchelleInverse;
            b2 *= EchelleInverse;
        }
    }
    // x^2 / 2 reaches 800 here, so x^2 is split into an exact part and a small one, and
    // the constant factor is multiplied rather than added to the exponent: rounding the
    // square or the sum would otherwise cost the far tail its last digits.
    const double xe = std::trunc(x * 16) / 16;
    const double reste = (x - xe) * (x + xe);
    Densite_Normale = std::exp(-xe * xe / 2) * std::exp(-reste / 2) * UnSurRacine2Pi;
    const double q = x * Densite_Normale / (x2 + 1 - a2 / b2);
    return x > 0 ? 1 - q : -q;
}

double Normale_Inverse(double p, QString* alerte) {
    if (!(p > 0 && p < 1)) {
        // The logarithm of the tail branch is undefined there: the alert and 0.
        if (alerte) *alerte = AlerteClni;
        else Signaler(AlerteClni);
        return 0;
    }
    if (alerte) alerte->clear();
    const double q = p - 0.5;
    if (std::fabs(q) <= 0.425) {
        const double r = 0.180625 - q * q;
        return q *
               (((((((r * 2509.0809287301226727 + 33430.575583588128105) * r + 67265.770927008700853) * r +
                    45921.953931549871457) * r + 13731.693765509461125) * r + 1971.5909503065514427) * r +
                 133.14166789178437745) * r + 3.387132872796366608) /
               (((((((r * 5226.495278852545561 + 28729.085735721942674) * r + 39307.89580009271061) * r +
                    21213.794301586595867) * r + 5394.1960214247511077) * r + 687.1870074920579083) * r +
                 42.313330701600911252) * r + 1);
    }
    double r = q < 0 ? p : 1 - p;
    r = std::sqrt(-std::log(r));
    double resultat;
    if (r <= 5) {
        r -= 1.6;
        resultat = (((((((r * 7.7454501427834140764e-4 + 0.0227238449892691845833) * r + 0.24178072517745061177) * r +
                        1.27045825245236838258) * r + 3.64784832476320460504) * r + 5.7694972214606914055) * r +
                     4.6303378461565452959) * r + 1.42343711074968357734) /
                   (((((((r * 1.05075007164441684324e-9 + 5.475938084995344946e-4) * r + 0.0151986665636164571966) * r +
                        0.14810397642748007459) * r + 0.68976733498510000455) * r + 1.6763848301838038494) * r +
                     2.05319162663775882187) * r + 1);
    } else {
        r -= 5;
        resultat = (((((((r * 2.01033439929228813265e-7 + 2.71155556874348757815e-5) * r + 0.0012426609473880784386) * r +
                        0.026532189526576123093) * r + 0.29656057182850489123) * r + 1.7848265399172913358) * r +
                     5.4637849111641143699) * r + 6.6579046435011037772) /
                   (((((((r * 2.04426310338993978564e-15 + 1.4215117583164458887e-7) * r + 1.8463183175100546818e-5) * r +
                        7.868691311456132591e-4) * r + 0.0148753612908506148525) * r + 0.13692988092273580531) * r +
                     0.59983220655588793769) * r + 1);
    }
    return q < 0 ? -resultat : resultat;
}

void Quantile_Normale7(double p, double& resultat, short& faute) {
    faute = 0;
    const double q = p - 0.5;
    if (std::fabs(q) <= 0.425) {
        const double r = 0.180625 - q * q;
        resultat = q * (((59.10937472 * r + 159.29113202) * r + 50.434271938) * r + 3.3871327179) /
                   (((67.1875636 * r + 78.757757664) * r + 17.895169469) * r + 1);
        return;
    }
    double r = q < 0 ? p : 1 - p;
    if (!(r > 0)) {
        faute = 1;
        resultat = 0;
        return;
    }
    r = std::sqrt(-std::log(r));
    if (r <= 5) {
        r -= 1.6;
        resultat = (((0.17023821103 * r + 1.3067284816) * r + 2.75681539) * r + 1.4234372777) /
                   ((0.12021132975 * r + 0.7370016425) * r + 1);
    } else {
        r -= 5;
        resultat = (((0.017337203997 * r + 0.42868294337) * r + 3.081226386) * r + 6.657905115) /
                   ((0.012258202635 * r + 0.24197894225) * r + 1);
    }
    if (q < 0) resultat = -resultat;
}

double Queue_Normale(double z, bool superieure) {
    constexpr double Ltone = 7, Utzero = 18.66, Con = 1.28;
    constexpr double P = 0.398942280444, Q = 0.39990348504, R = 0.398942280385;
    constexpr double A1 = 5.75885480458, A2 = 2.62433121679, A3 = 5.92885724438;
    constexpr double B1 = -29.8213557807, B2 = 48.6959930692;
    constexpr double C1 = -3.8052e-8, C2 = 3.98064794e-4, C3 = -0.151679116635, C4 = 4.8385912808,
                     C5 = 0.742380924027, C6 = 3.99019417011;
    constexpr double D1 = 1.00000615302, D2 = 1.98615381364, D3 = 5.29330324926, D4 = -15.1508972451,
                     D5 = 30.789933034;
    bool haut = superieure;
    if (z < 0) {
        haut = !haut;
        z = -z;
    }
    double aire;
    if (z > Ltone && (!haut || z > Utzero)) {
        aire = 0;
    } else {
        const double y = 0.5 * z * z;
        if (z > Con)
            aire = R * std::exp(-y) /
                   (z + C1 + D1 / (z + C2 + D2 / (z + C3 + D3 / (z + C4 + D4 / (z + C5 + D5 / (z + C6))))));
        else
            aire = 0.5 - z * (P - Q * y / (y + A1 + B1 / (y + A2 + B2 / (y + A3))));
    }
    return haut ? aire : 1 - aire;
}

} // namespace Mstat
