#pragma once
// Double-precision building blocks of the incomplete beta function and the Student law:
// logarithms near 1, exp(x) - 1, a generic continued fraction, the error term of
// Stirling's formula with its differences and odd derivatives, and ln Gamma(1 + a) for
// small a. They avoid the cancellations of the plain formulas near their critical points.
//
// lfb(x) below is the error of Stirling's formula for ln((x + 1)!):
//   lfb(x) = ln Gamma(x + 2) - ((x + 1.5) ln(x + 1) - (x + 1) + ln sqrt(2 pi)).
// Arguments at or below -1, where lfb is undefined, give 1e308 (-1e308 for derivatives).

namespace Mstat {

// The sum over k >= 0 of x^k / (i + k d), by continued fraction (|x| < 1).
double Fraction_Continue_Log(double x, double i, double d);
// ln(1 + x).
double Ln_1_Plus_X(double x);
// ln(1 + x) - x.
double Ln_1_Plus_X_Moins_X(double x);
// exp(x) - 1.
double Exp_Moins_1(double x);

// lfb(x), and lfb(x) - lfb(x + 1).
double Ecart_Stirling(double x);
double Ecart_Stirling_Diff(double x);
// The first, third, fifth and seventh derivatives of lfb, and their differences
// between x and x + 1.
double Ecart_Stirling_D1(double x);
double Ecart_Stirling_D3(double x);
double Ecart_Stirling_D5(double x);
double Ecart_Stirling_D7(double x);
double Ecart_Stirling_D1_Diff(double x);
double Ecart_Stirling_D3_Diff(double x);
double Ecart_Stirling_D5_Diff(double x);
double Ecart_Stirling_D7_Diff(double x);
// lfb(a + b) - lfb(b), accurate when a is small against b.
double Diff_Stirling_Precise(double a, double b);
// ln Gamma(1 + a) for small a (|a| < 1 or so).
double Dev_Ln_Gamma(double a);

// The smaller of a and b (b on ties).
double Min_R8(double a, double b);

} // namespace Mstat
