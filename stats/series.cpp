#include "stats/series.h"

#include "base/vb.h"
#include "stats/rappels_stat.h"

#include <algorithm>
#include <cmath>

namespace Mstat {

namespace {
const QString TailleCovariance = QStringLiteral("taille séries différentes. Calcul abandonné");
const QString EcartTypeNul = QStringLiteral("un des ecarts-types est nul. Calcul abandonné");
const QString TailleRegression = QStringLiteral("Les deux series sont de tailles differentes. Calcul impossible.");
const QString ValeursNulles = QStringLiteral("Valeurs nulles. Calcul impossible.");

Resultat_Deux_Series refus(bool message, const QString& texte, double element1 = 0) {
    if (message) Signaler(texte);
    Resultat_Deux_Series r;
    r.Element[1] = element1;
    r.Refus = texte;
    return r;
}

bool constante(const std::vector<double>& x) {
    const auto [mn, mx] = std::minmax_element(x.begin(), x.end());
    return mn == x.end() || *mn == *mx;
}

// Hoare partition around the middle element; equal keys stop both scans and are
// exchanged. The smaller side is sorted by recursion and the larger one in the loop,
// so the depth stays logarithmic whatever the data.
void tri(std::vector<double>& x, long premier, long dernier) {
    while (premier < dernier) {
        const double pivot = x[std::size_t((premier + dernier) / 2)];
        long i = premier, j = dernier;
        do {
            while (x[std::size_t(i)] < pivot) ++i;
            while (pivot < x[std::size_t(j)]) --j;
            if (i <= j) {
                std::swap(x[std::size_t(i)], x[std::size_t(j)]);
                ++i;
                --j;
            }
        } while (i <= j);
        if (j - premier < dernier - i) {
            if (premier < j) tri(x, premier, j);
            premier = i;
        } else {
            if (i < dernier) tri(x, i, dernier);
            dernier = j;
        }
    }
}
} // namespace

bool Tri_Rapide(std::vector<double>& x, long premier, long dernier) {
    if (premier > dernier) return true;
    if (premier < 0 || dernier >= long(x.size())) return false;
    tri(x, premier, dernier);
    return true;
}

double Moyenne_Serie(const std::vector<double>& x) {
    if (x.empty()) throw Vb::Erreur(Vb::ErrDivisionZero, "Division by zero");
    double s = 0;
    for (double v : x) s += v;
    return s / double(x.size());
}

double Variance_Serie(const std::vector<double>& x) {
    const double m = Moyenne_Serie(x);
    const double n = double(x.size());
    if (x.size() < 2) throw Vb::Erreur(Vb::ErrDivisionZero, "Division by zero");
    // Deviations about the mean, with the sum of the deviations as a correction for the
    // rounding of the mean itself.
    double s = 0, c = 0;
    for (double v : x) {
        const double d = v - m;
        s += d * d;
        c += d;
    }
    return std::max(0.0, (s - c * c / n) / (n - 1));
}

double Ecart_Type_Serie(const std::vector<double>& x) { return std::sqrt(Variance_Serie(x)); }

Resultat_Deux_Series Covariance_Correlation(const std::vector<double>& x, const std::vector<double>& y,
                                            bool message) {
    if (x.size() != y.size()) return refus(message, TailleCovariance);
    if (x.empty()) return refus(message, EcartTypeNul);
    const double n = double(x.size());
    const double mx = Moyenne_Serie(x), my = Moyenne_Serie(y);
    double sxy = 0, sxx = 0, syy = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double dx = x[i] - mx, dy = y[i] - my;
        sxy += dx * dy;
        sxx += dx * dx;
        syy += dy * dy;
    }
    const double covariance = sxy / n;
    // A constant series has no spread, whatever the rounding of its mean says.
    if (x.size() < 2 || constante(x) || constante(y)) return refus(message, EcartTypeNul, covariance);
    Resultat_Deux_Series r;
    r.Element[1] = covariance;
    r.Element[2] = std::clamp(sxy / std::sqrt(sxx * syy), -1.0, 1.0);
    return r;
}

Resultat_Deux_Series Droite_Regression(const std::vector<double>& x, const std::vector<double>& y,
                                       bool message) {
    if (x.size() != y.size()) return refus(message, TailleRegression);
    if (constante(x)) return refus(message, ValeursNulles);
    const double mx = Moyenne_Serie(x), my = Moyenne_Serie(y);
    double sxy = 0, sxx = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double dx = x[i] - mx;
        sxy += dx * (y[i] - my);
        sxx += dx * dx;
    }
    Resultat_Deux_Series r;
    r.Element[1] = sxy / sxx;
    r.Element[2] = my - r.Element[1] * mx;
    return r;
}

} // namespace Mstat
