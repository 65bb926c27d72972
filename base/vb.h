#pragma once
// The number semantics the program's results depend on: half-to-even conversion of
// reals to whole numbers, Val-style parsing, numeric format patterns, 16-bit limits,
// and the run-time errors that callers trap.
#include <QDate>
#include <QString>
#include <QTime>
#include <cstdint>
#include <stdexcept>

namespace Vb {

// A run-time error with its number (6 overflow, 9 subscript...), so messages can name it.
struct Erreur : std::runtime_error {
    int numero;
    Erreur(int n, const char* what) : std::runtime_error(what), numero(n) {}
};
inline constexpr int ErrDepassement = 6;     // overflow
inline constexpr int ErrDivisionZero = 11;
inline constexpr int ErrIndice = 9;          // subscript out of range
inline constexpr int ErrArgument = 5;        // invalid procedure call or argument
inline constexpr int ErrTypeIncompatible = 13;
inline constexpr int ErrIndiceGrille = 381;  // grid row or column out of range
inline constexpr int ErrFichier = 52;        // bad file name or number

// Half-to-even rounding to a whole number, as CInt and CLng round.
double ArrondiPair(double x);
// To a 16-bit or 32-bit integer; overflow (or NaN) raises ErrDepassement.
std::int16_t CInt(double x);
std::int32_t CLng(double x);
// Integer part toward minus infinity, and toward zero.
double Int(double x);
double Fix(double x);

// The no-break spaces (U+00A0, U+202F) that desktops copy between groups of digits
// ("1\u202F234,5"): blanks wherever a number is read.
bool Espace_groupe(QChar c);
// The number a text begins with: blanks (no-break spaces too), tabs and line ends
// anywhere are skipped, a point is the only decimal separator, an exponent E or D and a
// leading sign are accepted, "&H"/"&O" prefixes read hex and octal; a text not
// beginning with a number gives 0, and one too small for the doubles 0. A number beyond
// the doubles ("1e400") raises ErrDepassement: no value stands for it.
double Val(const QString& text);
// A box's number read by `lecture` (Val, Gen::Val_decimal), one beyond the doubles read as
// the infinity of its sign: the box's bounds then hold it as they hold any large value.
double Val_borne(const QString& text, double (*lecture)(const QString&));

// The locale's decimal separator, used on output: "," or "." (a point for a locale whose
// separator is neither, so that what is written reads back).
QChar SeparateurDecimal();
// A time as the system writes it: the locale's long time format, without a time zone
// ("14:03:22", "2:03:22 PM").
QString Heure(const QTime& t);
// A date as the system writes it: the locale's short date format ("05/03/2024", "3/5/24").
QString Date_courte(const QDate& d);

// A numeric format pattern such as "###0.00", "0.000" or "00000.0000": '0' a digit
// always shown, '#' a digit shown when significant, '.' the decimal separator (the
// locale's on output), ',' between digit placeholders groups thousands; other characters
// stand as literals. A zero rounded result shows no minus sign.
QString Format(double value, const QString& pattern);
// True when what Format writes with the pattern reads back as the number: digit
// placeholders '0' and '#', at least one, and at most one '.', nothing else ("###0.00").
bool Motif_relisible(const QString& pattern);

// A number as text: up to 15 significant digits, the locale's decimal separator, no
// leading blank.
QString CStr(double value);
// A single-precision number as text: as CStr, with up to 7 significant digits (the
// further digits of its double are noise: 0.1 stays 0.1).
QString CStr_simple(float value);
// As CStr, or with the 17 digits that read back when the 15 would not: near the largest
// double, 15 digits round beyond it. What files hold is picked again whole.
QString CStr_relisible(double value);
// A number as the program's key files hold it: CStr_relisible, with a blank in the sign's
// place of a non-negative number.
QString CStr_fichier(double value);
// A number as text with a point as separator whatever the locale, and a leading blank
// for a non-negative number.
QString Str(double value);

} // namespace Vb
