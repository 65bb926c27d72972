#include "statwin/tests_outils.h"

#include <cmath>

#include "base/gen.h"
#include "base/vb.h"

namespace Saisie {

double Nombre(const QString& texte) {
    double v = 0;
    if (!Gen::Nombre_lu(texte, v)) throw Vb::Erreur(Vb::ErrTypeIncompatible, "Type mismatch");
    return v;
}

short Entier(const QString& texte) { return Vb::CInt(Nombre(texte)); }

double Quotient(double a, double b) {
    if (b == 0) throw Vb::Erreur(Vb::ErrDivisionZero, "Division by zero");
    return Fini(a / b);
}

double Racine(double x) {
    if (!(x >= 0)) throw Vb::Erreur(Vb::ErrArgument, "Invalid procedure call or argument");
    return std::sqrt(x);
}

double Fini(double x) {
    if (!std::isfinite(x)) throw Vb::Erreur(Vb::ErrDepassement, "Overflow");
    return x;
}

} // namespace Saisie
