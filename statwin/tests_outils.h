#pragma once
// Number conversions of the calculators of the statistics window. The boxes hold what
// the user is typing, so a text that is no number, a zero divisor or a root of a
// negative number raises the run-time error that the calculators trap, where plain
// arithmetic would go on with infinities.
#include <QString>

namespace Saisie {

// A typed number, with either "," or "." as decimal separator and blanks around it;
// anything else (an empty box, a lone "-", letters) raises Vb::Erreur(ErrTypeIncompatible).
double Nombre(const QString& texte);
// A typed whole number: the number above rounded half to even to a 16-bit integer
// (overflow raises Vb::Erreur(ErrDepassement)).
short Entier(const QString& texte);

// a / b; a zero divisor raises Vb::Erreur(ErrDivisionZero).
double Quotient(double a, double b);
// The square root; a negative argument raises Vb::Erreur(ErrArgument).
double Racine(double x);
// The value itself, or Vb::Erreur(ErrDepassement) when it is not finite.
double Fini(double x);

} // namespace Saisie
