#pragma once
// The Student t law for any positive number of degrees of freedom, whole or not, and its
// inverse; underneath, the regularised incomplete beta function I_x(a, b) and its
// complement, computed through binomial-type sums, a continued fraction and a series
// for small parameters.
//
// The binomial kernels take a count i and a count j with probabilities p and q = 1 - p:
// Somme_Binomiale is P(X <= i) = I_q(j, i + 1) for X binomial over i + j trials, and
// Somme_Binomiale_Compl is P(X > i) = I_p(i + 1, j). A count -1 < i < 0 stands for the
// count whose i + 1 is -i (so that I_x(a, b) with a < 1 is reached as the count -a).
// `ecart` is the distance of the mean from the count, (i + j) p - i, which the caller
// can often compute more accurately than the kernel.
//
// Invalid arguments (degrees of freedom not positive, a probability outside (0, 1), NaN)
// raise Vb::Erreur(ErrArgument), which the calculators trap.
#include "stats/rappels_stat.h"

namespace Mstat {

// The t density at the last argument of Repartition_Student, and the same divided by
// the square root of k2 = df / (t^2 + df).
extern double Densite_Student;
extern double Densite_Student_Reduite;
// Error flag of the binomial kernels: -1 when a term cannot be formed, 0 otherwise.
extern short Err_Distrib;

// P(T <= t) with df degrees of freedom; sets Densite_Student and Densite_Student_Reduite.
double Repartition_Student(double t, double df);
// The t with P(T <= t) = p.
double Student_Inverse(double p, double df);

// I_x(a, b) and 1 - I_x(a, b), each computed directly.
double Beta_Incomplete(double x, double a, double b);
double Beta_Incomplete_Compl(double x, double a, double b);

// Lower tail P(T <= -|t|) for df >= 1, from x2 = t^2/(t^2 + df), k2 = 1 - x2 and the
// logarithmic term A = (df/2) ln k2.
double Queue_Student(double x2, double k2, double A, double df);
// I_x(a, b), or its complement, when a or b is small.
double Beta_Petits_Param(double x, double a, double b, bool complement);
// The power series of Beta_Petits_Param: 1 - a * sum over m >= 0 of (1 - b)_m / m! x^m / (a + m).
double Serie_Beta(double x, double a, double b);
double Somme_Binomiale(double i, double j, double p, double q, double ecart);
double Somme_Binomiale_Compl(double i, double j, double p, double q, double ecart);
// Large counts close to the mean.
double Approx_Binomiale(double i, double j, double p, double q, double ecart, bool complement);
// The binomial term times a continued fraction.
double Fraction_Binomiale(double i, double j, double p, double q, double ecart, bool complement);
// C(i + j, i) p^i q^j exp(f), with `ecart` = (i + j) p - i.
double Terme_Binomial(double i, double j, double p, double q, double ecart, double f);
// True when x is an even whole number.
bool Est_Pair(double x);

} // namespace Mstat
