#pragma once
// The figures of the two comparisons of means, apart from their window: a sample mean
// against a reference mean, and the means of two samples (pooled variance or Welch).
// Invalid figures (a zero standard error, sizes too small for the degrees of freedom)
// raise Vb::Erreur, which the views trap.
#include <QString>

namespace Moyennes {

struct Comparaison1 {
    double t = 0;            // (m - m0) / e
    bool haut = true;        // m >= m0
    double P = 0;            // critical probability, one-sided
    double beta = 0;         // risk of the second kind
    float puissance = 0;     // 1 - beta
    QString alerte;          // the normal-law inverse's alert, empty when alpha is sound
};

// m against m0 with the standard error e and df degrees of freedom, at the risk alpha
// (a fraction). The statistic is a Student t with df degrees of freedom, so P comes from
// the Student law; with `loiNormale` the user asked for the normal law, which then
// gives both P and the power.
Comparaison1 Compare_moyenne(double m, double m0, double e, int df, double alpha, bool loiNormale);

struct Comparaison2 {
    double S = 0;            // pooled standard deviation, or the Welch standard error
    double t = 0;            // |m1 - m2| / standard error of the difference
    double df = 0;           // N1 + N2 - 2, or the Welch-Satterthwaite value (not rounded)
    bool haut = true;        // m1 >= m2
    double P = 0;            // one-sided critical probability 1 - F(t)
    double beta = 0;
    float puissance = 0;
    QString alerte;
};

// Two samples (sizes, means, standard deviations with divisor n - 1); alpha2 is the risk
// the verdict and the power use, already halved for a two-sided alternative.
Comparaison2 Compare_deux_moyennes(int n1, double m1, double s1, int n2, double m2, double s2,
                                   double alpha2, bool welch);

} // namespace Moyennes
