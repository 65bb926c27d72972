#include "stats/valeur_dominante.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Mstat {

double Valeur_Dominante(short /*drapeau*/, const std::vector<double>& x) {
    if (x.size() < 2) return 0;
    long debut = 1;
    long n = long(x.size()) - 1;
    // Two gaps are equal when they differ by no more than the rounding of the values they
    // are taken from (0.3 - 0.2 against 0.2 - 0.1): a few units of those values' last place.
    // A bound drawn from the series' range would make every ordinary gap "equal" as soon as
    // one value lies far off.
    auto bruit = [&x](long k) {
        const double a = std::fabs(x[std::size_t(k)]), b = std::fabs(x[std::size_t(k + 1)]);
        return 2 * std::numeric_limits<double>::epsilon() * std::max(a, b);
    };
    std::vector<double> ecart(x.size(), 0.0);
    // The first pass scans the whole series. Every later one keeps the stretch's start (its
    // gap stays among the smallest, which can only grow as the stretch shrinks) and drops
    // its end back to the last smallest gap: with the running minima of the gaps from the
    // start, all those passes together read each gap once, where rescanning each stretch
    // took a time growing with the square of the values (seconds for 30,000 of them). The
    // minima are kept as positions: a gap's values give its rounding.
    std::vector<long> minimum;
    auto egal_au_minimum = [&](long k, long j) {
        return ecart[std::size_t(k)] <= ecart[std::size_t(j)] + bruit(k) + bruit(j);
    };
    while (n >= 3) {
        const long dernier = debut + n - 1;
        if (!minimum.empty()) {
            const long j = minimum[std::size_t(dernier - 1 - debut)];
            long fin = dernier - 1;
            while (fin > debut && !egal_au_minimum(fin, j)) --fin;
            n = fin - debut + 1;
            continue;
        }
        long j = debut;
        for (long k = debut; k < dernier; ++k) {
            ecart[std::size_t(k)] = x[std::size_t(k + 1)] - x[std::size_t(k)];
            if (ecart[std::size_t(k)] < ecart[std::size_t(j)]) j = k;
        }
        // The new stretch runs from the first to the last position where the smallest
        // gap starts; the value after the last such gap is not kept.
        long premier = dernier, fin = debut;
        for (long k = debut; k < dernier; ++k) {
            if (egal_au_minimum(k, j)) {
                premier = std::min(premier, k);
                fin = std::max(fin, k);
            }
        }
        debut = premier;
        n = fin - premier + 1;
        if (n < 3) break;
        long courant = debut;
        for (long k = debut; k < fin; ++k) {
            if (ecart[std::size_t(k)] < ecart[std::size_t(courant)]) courant = k;
            minimum.push_back(courant);
        }
    }
    if (n < 1) return 0;
    double s = 0;
    for (long k = debut; k < debut + n; ++k) s += x[std::size_t(k)];
    return s / double(n);
}

} // namespace Mstat
