#pragma once
// Colour differences between an input colour (index 1, the reference where a formula
// has one) and a swatch (index 2). Angles are in degrees.
namespace Ecarts {

struct Lab {
    double L = 0, a = 0, b = 0;
};
struct RVB {
    double R = 0, V = 0, B = 0;
};

// Hue angle of (a, b) in [0, 360); 0 for a neutral colour (a = b = 0).
double Angle_teinte(double a, double b);
// |h1 - h2| folded into [0, 180].
double Ecart_teinte_replie(double h1, double h2);

// Quadratic mean of the three channel differences.
double Delta_RVB(const RVB& c1, const RVB& c2);
double Delta_Lab_quadratique(const Lab& c1, const Lab& c2);
// CIE 1976 delta E*.
double Delta_CIE76(const Lab& c1, const Lab& c2);
// CIE 1994, graphic-arts weights, c1 the reference.
double Delta_CIE94(const Lab& c1, const Lab& c2);
// The hue term T of CMC for the reference's hue h1.
double Terme_T_CMC(double h1);
// CMC 1:1, c1 the reference.
double Delta_CMC(const Lab& c1, const Lab& c2);

// CIEDE2000 (kL = kC = kH = 1): the mean hue H-bar' and the hue difference dh' of two
// hue angles, then the difference itself.
double Teinte_moyenne_2000(double h1, double h2);
double Ecart_teinte_2000(double h1, double h2);
double Delta_CIEDE2000(const Lab& c1, const Lab& c2);

} // namespace Ecarts
