#include "stats/valeur_dominante.h"

#include <algorithm>
#include <limits>

namespace Mstat {

double Valeur_Dominante(short /*drapeau*/, const std::vector<double>& x) {
    if (x.size() < 2) return 0;
    long debut = 1;
    long n = long(x.size()) - 1;
    // Gaps closer than this to the smallest one are equal: floating-point noise must not
    // decide between gaps that look equal (0.3 - 0.2 against 0.2 - 0.1).
    const double tolerance = 1e-9 * (x[std::size_t(n)] - x[1]);
    std::vector<double> ecart(x.size(), 0.0);
    // The first pass scans the whole series. Every later one keeps the stretch's start (its
    // gap stays among the smallest, which can only grow as the stretch shrinks) and drops
    // its end back to the last smallest gap: with the running minima of the gaps from the
    // start, all those passes together read each gap once, where rescanning each stretch
    // took a time growing with the square of the values (seconds for 30,000 of them).
    std::vector<double> minimum;
    while (n >= 3) {
        const long dernier = debut + n - 1;
        if (!minimum.empty()) {
            const double m = minimum[std::size_t(dernier - 1 - debut)];
            long fin = dernier - 1;
            while (fin > debut && !(ecart[std::size_t(fin)] <= m + tolerance)) --fin;
            n = fin - debut + 1;
            continue;
        }
        double m = std::numeric_limits<double>::infinity();
        for (long k = debut; k < dernier; ++k) {
            ecart[std::size_t(k)] = x[std::size_t(k + 1)] - x[std::size_t(k)];
            m = std::min(m, ecart[std::size_t(k)]);
        }
        // The new stretch runs from the first to the last position where the smallest
        // gap starts; the value after the last such gap is not kept.
        long premier = dernier, fin = debut;
        for (long k = debut; k < dernier; ++k) {
            if (ecart[std::size_t(k)] <= m + tolerance) {
                premier = std::min(premier, k);
                fin = std::max(fin, k);
            }
        }
        debut = premier;
        n = fin - premier + 1;
        if (n < 3) break;
        double courant = std::numeric_limits<double>::infinity();
        for (long k = debut; k < fin; ++k) minimum.push_back(courant = std::min(courant, ecart[std::size_t(k)]));
    }
    if (n < 1) return 0;
    double s = 0;
    for (long k = debut; k < debut + n; ++k) s += x[std::size_t(k)];
    return s / double(n);
}

} // namespace Mstat
