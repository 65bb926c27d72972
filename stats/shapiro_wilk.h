#pragma once
// The Shapiro-Wilk W test of normality with its p-value: the published algorithm AS R94
// (a remark on AS 181), with its coefficient approximation, its normalising
// transformations for n <= 11 and n >= 12, and its branch for censored samples.
#include <QString>
#include <vector>

namespace Mstat {

// Fault codes, as published.
enum : short {
    SW_Correct = 0,
    SW_Taille_Petite = 1,      // n < 3 (or fewer than 3 uncensored values)
    SW_Taille_Grande = 2,      // n > 5000: computed all the same
    SW_Demi_Taille = 3,        // N2 below the half size
    SW_Censure = 4,            // censoring outside its domain
    SW_Censure_Forte = 5,      // more than 80 % censored
    SW_Etendue_Nulle = 6,      // all values equal
    SW_Ordre = 7               // the sample is not in ascending order
};

// `init`: the coefficients in `a` are already computed (set true once they are).
// x holds the sample in elements 1..n, sorted ascending; n1 the number of uncensored
// values (the lowest n1); n2 the number of coefficients (n / 2, halves to even); a
// receives the coefficients in elements 1..n2. W is in and out (W < 0 on entry asks
// for the significance of 1 + W), pw receives the p-value, faute the fault code.
//
// When `resultat` is given, it receives the result lines for the user, each of the
// first three ended by CR: W, the p-value, the risk (the number in `risque`, a
// percentage, times 0.01) and the verdict. When the test cannot conclude, one short
// line says why instead. A risk that is no number raises Vb::Erreur and leaves
// `resultat` as it was.
void Test_Shapiro_Wilk(bool& init, const std::vector<double>& x, int n, int n1, int n2, std::vector<double>& a,
                       double& W, double& pw, short& faute, const QString& risque = QString(),
                       QString* resultat = nullptr);

// c(1) + c(2) x + ... + c(m) x^(m - 1), c being 1-based (c[0] unused).
double Polynome(const double* c, int m, double x);
// |a| with the sign of b (b >= 0 counts as positive), as a Single.
float Signe(double a, double b);
// The angle whose sine is x.
double Arc_Sinus(double x);

} // namespace Mstat
