#include "statwin/moyennes.h"

#include <cmath>

#include "stats/loi_normale.h"
#include "stats/loi_student.h"
#include "statwin/tests_outils.h"

namespace Moyennes {

Comparaison1 Compare_moyenne(double m, double m0, double e, int df, double alpha, bool loiNormale) {
    Comparaison1 r;
    r.t = Saisie::Quotient(m - m0, e);
    r.haut = m - m0 >= 0;
    const double absT = std::fabs(r.t);
    r.P = 1 - (loiNormale ? Mstat::Repartition_Normale(absT) : Mstat::Repartition_Student(absT, df));
    // The power keeps its usual approximation: the shift of |t| beyond the normal quantile.
    const double d = absT - Mstat::Normale_Inverse(1 - alpha, &r.alerte);
    const double G = loiNormale ? Mstat::Repartition_Normale(d) : Mstat::Repartition_Student(d, df);
    r.beta = 1 - G;
    r.puissance = float(1 - r.beta);
    return r;
}

Comparaison2 Compare_deux_moyennes(int n1, double m1, double s1, int n2, double m2, double s2,
                                   double alpha2, bool welch) {
    using namespace Saisie;
    Comparaison2 r;
    if (!welch) {
        r.S = Racine(Quotient((n1 - 1) * s1 * s1 + (n2 - 1) * s2 * s2, double(n1 + n2 - 2)));
        r.t = Quotient(Quotient(m1 - m2, r.S), Racine(Quotient(1.0, n2) + Quotient(1.0, n1)));
        r.df = n1 + n2 - 2;
    } else {
        const double A = Quotient(s1 * s1, n1), B = Quotient(s2 * s2, n2);
        r.S = Racine(A + B);
        r.t = Quotient(m1 - m2, r.S);
        r.df = Quotient((A + B) * (A + B), Quotient(B * B, n2 - 1) + Quotient(A * A, n1 - 1));
    }
    r.t = std::fabs(r.t);
    r.haut = m1 - m2 >= 0;
    r.P = 1 - Mstat::Repartition_Student(r.t, r.df);
    const double d = r.t - Mstat::Normale_Inverse(1 - alpha2, &r.alerte);
    r.beta = 1 - Mstat::Repartition_Student(d, r.df);
    r.puissance = float(1 - r.beta);
    return r;
}

} // namespace Moyennes
