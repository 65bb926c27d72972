#pragma once
// RGB on the 0..255 scale to CIE L*a*b*, as every colour of the program is converted.
#include <array>

namespace Vistrane {

// L*, a*, b* of an sRGB colour, in double, before any rounding: linearised sRGB, the
// four-decimal D65 matrix, divided by the 10-degree D65 white (94.811, 100, 107.304),
// and the CIE 1976 function with its rounded constants 0.008856 and 7.787.
std::array<double, 3> Lab_de_RVB(double R, double V, double B);

// A value stored as single precision, then cut to hundredths with halves going up
// (floor(v x 100 + 0.5) / 100), negative values included.
float Coupe_centiemes(double v);

// Sets LabCouleur(1 to 3) from R, V, B.
void RVB_Lab(double R, double V, double B);

} // namespace Vistrane
