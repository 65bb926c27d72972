#pragma once
// The dominant value (the mode) of a sorted series, found by narrowing the series, pass
// after pass, to the stretch where its values lie closest together.
#include <vector>

namespace Mstat {

// x holds the values in elements 1..n in ascending order (element 0 is not read; n is
// the last index). `drapeau` is always 0. Fewer than 3 values give their mean; no value
// gives 0. Gaps that differ by no more than a few units of the last place of the values
// they are taken from count as equal.
double Valeur_Dominante(short drapeau, const std::vector<double>& x);

} // namespace Mstat
