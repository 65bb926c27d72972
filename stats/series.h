#pragma once
// Sorting and the descriptive figures of one or two series: mean, sample standard
// deviation and variance, covariance with the correlation coefficient, least-squares line.
//
// The descriptive routines read every element of a 0-based series (n = its size). The
// sort works on any index range the caller gives. A series too short for a figure (an
// empty one for the mean, a single value for the variance) raises Vb::Erreur, which
// the caller traps.
#include <QString>
#include <vector>

namespace Mstat {

// The result of the two-series routines: elements 1 and 2 of an array indexed from 1,
// and, when the routine refused the series, the refusal text that the caller can show
// in the result's place. The refusal is also reported through Signale unless
// the caller passes `message` false (a plot redrawn several times by one action shows it
// once, itself).
struct Resultat_Deux_Series {
    double Element[3] = {0, 0, 0};  // Element[0] is not used
    QString Refus;
    bool Refuse() const { return !Refus.isEmpty(); }
};

// Sorts x[premier..dernier] in place, ascending (quicksort, middle pivot; not stable).
// A range outside the array is refused before anything moves: the result is false and
// x is untouched. An empty range (premier > dernier) is true and changes nothing.
bool Tri_Rapide(std::vector<double>& x, long premier, long dernier);

double Moyenne_Serie(const std::vector<double>& x);
// Sample variance (divided by n - 1), from the deviations about the mean; never negative.
double Variance_Serie(const std::vector<double>& x);
double Ecart_Type_Serie(const std::vector<double>& x);

// Element 1: the covariance divided by n; element 2: the correlation coefficient.
// Refusals: series of different sizes (both elements 0), or a series whose values are
// all equal (element 1 keeps the covariance, element 2 is 0).
Resultat_Deux_Series Covariance_Correlation(const std::vector<double>& x, const std::vector<double>& y,
                                            bool message = true);

// Element 1: the slope, element 2: the intercept of y = slope x + intercept. Refusals
// (both elements 0): series of different sizes, or x values all equal.
Resultat_Deux_Series Droite_Regression(const std::vector<double>& x, const std::vector<double>& y,
                                       bool message = true);

} // namespace Mstat
