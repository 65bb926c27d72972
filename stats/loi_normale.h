#pragma once
// The standard normal law in double precision: its distribution function (which leaves
// the density at the same point for later use), its 16-digit inverse, and the 7-digit
// inverse and tail area that the Shapiro-Wilk test takes with it.
#include <QString>

namespace Mstat {

// The density at the last argument of Repartition_Normale (0 beyond +-40).
extern double Densite_Normale;

// P(Z <= x). Sets Densite_Normale. A NaN argument gives 0.
double Repartition_Normale(double x);

// The x with P(Z <= x) = p, to 16 digits. For p outside (0, 1) the result is 0 with
// the alert "alerte CLNI": reported through Signale when `alerte` is null, otherwise
// written into *alerte (which is emptied on success) so that a caller recomputing on
// every key press can show it in its own result label.
double Normale_Inverse(double p, QString* alerte = nullptr);

// The quantile to about 7 digits; fault 1 and result 0 for p at or beyond 0 or 1.
void Quantile_Normale7(double p, double& resultat, short& faute);

// P(Z > z) when `superieure` is true, P(Z <= z) otherwise, to about 1e-9.
double Queue_Normale(double z, bool superieure);

} // namespace Mstat
