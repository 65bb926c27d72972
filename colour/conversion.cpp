#include "colour/conversion.h"

#include <cmath>

#include "base/etat_partage.h"

namespace Vistrane {

namespace {

double Lineaire(double valeur) {
    const double c = valeur / 255.0;
    // 0.04045 itself takes the linear branch.
    return (c > 0.04045 ? std::pow((c + 0.055) / 1.055, 2.4) : c / 12.92) * 100.0;
}

double F(double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116.0; }

} // namespace

std::array<double, 3> Lab_de_RVB(double R, double V, double B) {
    const double r = Lineaire(R), v = Lineaire(V), b = Lineaire(B);
    const double X = 0.4124 * r + 0.3576 * v + 0.1805 * b;
    const double Y = 0.2126 * r + 0.7152 * v + 0.0722 * b;
    const double Z = 0.0193 * r + 0.1192 * v + 0.9505 * b;
    // The 10-degree white with the 2-degree matrix: white keeps a* = 0.42 and b* = -0.99,
    // the values every chart measured so far holds.
    const double fx = F(X / 94.811), fy = F(Y / 100.0), fz = F(Z / 107.304);
    return {116.0 * fy - 16.0, 500.0 * (fx - fy), 200.0 * (fy - fz)};
}

float Coupe_centiemes(double v) {
    const float simple = float(v);
    const float cent = simple * 100.0f;
    return float(std::floor(double(cent) + 0.5) / 100.0);
}

void RVB_Lab(double R, double V, double B) {
    const auto lab = Lab_de_RVB(R, V, B);
    for (int i = 0; i < 3; ++i) LabCouleur[i + 1] = Coupe_centiemes(lab[i]);
}

} // namespace Vistrane
