#include "colour/ecarts.h"

#include <cmath>
#include <numbers>

namespace Ecarts {

namespace {

constexpr double Pi = std::numbers::pi;
double Rad(double degres) { return degres * Pi / 180.0; }
double Carre(double x) { return x * x; }
double Chroma(double a, double b) { return std::sqrt(a * a + b * b); }
double Puissance7(double x) { return std::pow(x, 7); }

} // namespace

double Angle_teinte(double a, double b) {
    if (a == 0 && b == 0) return 0;
    double h = std::atan2(b, a) * 180.0 / Pi;
    if (h < 0) h += 360.0;
    // A tiny negative angle can round up to 360 itself.
    return h >= 360.0 ? 0.0 : h;
}

double Ecart_teinte_replie(double h1, double h2) {
    const double dh = std::fabs(h1 - h2);
    return dh > 180.0 ? 360.0 - dh : dh;
}

double Delta_RVB(const RVB& c1, const RVB& c2) {
    return std::sqrt((Carre(c1.R - c2.R) + Carre(c1.V - c2.V) + Carre(c1.B - c2.B)) / 3.0);
}

double Delta_Lab_quadratique(const Lab& c1, const Lab& c2) {
    return std::sqrt((Carre(c2.a - c1.a) + Carre(c2.L - c1.L) + Carre(c2.b - c1.b)) / 3.0);
}

double Delta_CIE76(const Lab& c1, const Lab& c2) {
    return std::sqrt(Carre(c1.a - c2.a) + Carre(c1.L - c2.L) + Carre(c1.b - c2.b));
}

namespace {

// The lightness, chroma and hue differences CIE94 and CMC share.
struct Ecarts94 {
    double C1, dL, dC, dH, h1;
};

Ecarts94 Ecarts_communs(const Lab& c1, const Lab& c2) {
    Ecarts94 e;
    e.C1 = Chroma(c1.a, c1.b);
    const double C2 = Chroma(c2.a, c2.b);
    e.h1 = Angle_teinte(c1.a, c1.b);
    const double h2 = Angle_teinte(c2.a, c2.b);
    e.dL = std::fabs(c1.L - c2.L);
    e.dC = std::fabs(e.C1 - C2);
    e.dH = 2.0 * std::sqrt(C2 * e.C1) * std::sin(Rad(Ecart_teinte_replie(e.h1, h2) / 2.0));
    return e;
}

} // namespace

double Delta_CIE94(const Lab& c1, const Lab& c2) {
    const Ecarts94 e = Ecarts_communs(c1, c2);
    const double SC = 1.0 + 0.045 * e.C1, SH = 1.0 + 0.015 * e.C1;
    return std::sqrt(Carre(e.dL) + Carre(e.dC / SC) + Carre(e.dH / SH));
}

double Terme_T_CMC(double h1) {
    if (h1 >= 164 && h1 <= 345) return 0.56 + std::fabs(0.2 * std::cos(Rad(h1 + 168)));
    return 0.36 + std::fabs(0.4 * std::cos(Rad(h1 + 35)));
}

double Delta_CMC(const Lab& c1, const Lab& c2) {
    const Ecarts94 e = Ecarts_communs(c1, c2);
    const double SL = c1.L < 16 ? 0.511 : 0.040975 * c1.L / (1.0 + 0.01765 * c1.L);
    const double SC = 0.0638 * e.C1 / (1.0 + 0.0131 * e.C1) + 0.638;
    const double C4 = std::pow(e.C1, 4);
    const double F = std::sqrt(C4 / (C4 + 1900.0));
    const double SH = SC * (F * Terme_T_CMC(e.h1) + 1.0 - F);
    return std::sqrt(Carre(e.dL / SL) + Carre(e.dC / SC) + Carre(e.dH / SH));
}

double Teinte_moyenne_2000(double h1, double h2) {
    if (std::fabs(h1 - h2) <= 180.0) return (h1 + h2) / 2.0;
    if (h1 + h2 < 360.0) return (h1 + h2 + 360.0) / 2.0;
    return (h1 + h2 - 360.0) / 2.0;
}

double Ecart_teinte_2000(double h1, double h2) {
    double dh = h2 - h1;
    if (dh > 180.0) dh -= 360.0;
    else if (dh < -180.0) dh += 360.0;
    return dh;
}

double Delta_CIEDE2000(const Lab& c1, const Lab& c2) {
    const double C1 = Chroma(c1.a, c1.b), C2 = Chroma(c2.a, c2.b);
    const double Cm = (C1 + C2) / 2.0;
    const double G = 0.5 * (1.0 - std::sqrt(Puissance7(Cm) / (Puissance7(Cm) + Puissance7(25.0))));
    const double a1 = (1.0 + G) * c1.a, a2 = (1.0 + G) * c2.a;
    const double C1p = Chroma(a1, c1.b), C2p = Chroma(a2, c2.b);
    const double h1p = Angle_teinte(a1, c1.b), h2p = Angle_teinte(a2, c2.b);
    const double dL = c2.L - c1.L, dC = C2p - C1p;
    const double dH = 2.0 * std::sqrt(C1p * C2p) * std::sin(Rad(Ecart_teinte_2000(h1p, h2p) / 2.0));
    const double Lm = (c1.L + c2.L) / 2.0, Cmp = (C1p + C2p) / 2.0;
    const double Hm = Teinte_moyenne_2000(h1p, h2p);
    const double T = 1.0 - 0.17 * std::cos(Rad(Hm - 30)) + 0.24 * std::cos(Rad(2 * Hm)) +
                     0.32 * std::cos(Rad(3 * Hm + 6)) - 0.20 * std::cos(Rad(4 * Hm - 63));
    const double dTheta = 30.0 * std::exp(-Carre((Hm - 275.0) / 25.0));
    const double RC = 2.0 * std::sqrt(Puissance7(Cmp) / (Puissance7(Cmp) + Puissance7(25.0)));
    const double RT = -std::sin(Rad(2 * dTheta)) * RC;
    const double SL = 1.0 + 0.015 * Carre(Lm - 50.0) / std::sqrt(20.0 + Carre(Lm - 50.0));
    const double SC = 1.0 + 0.045 * Cmp, SH = 1.0 + 0.015 * Cmp * T;
    const double r = Carre(dL / SL) + Carre(dC / SC) + Carre(dH / SH) + RT * (dC / SC) * (dH / SH);
    return std::sqrt(r > 0 ? r : 0.0);
}

} // namespace Ecarts
