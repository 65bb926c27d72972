#pragma once
// The dominant value (the mode) of a sorted series, found by narrowing the series, pass
// after pass, to the stretch where its values lie closest together.
#include <vector>

namespace Mstat {

// x holds the values in elements 1..n in ascending order (element 0 is not read; n is
// the last index). `drapeau` is always 0. Fewer than 3 values give their mean; no value
// gives 0. Gaps within 1e-9 times the series' range of the smallest one count as equal.
double Valeur_Dominante(short drapeau, const std::vector<double>& x);

} // namespace Mstat
