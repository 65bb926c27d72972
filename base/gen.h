#pragma once
// Small helpers every part uses: file names, file tests, numbers with a decimal comma,
// character positions, pauses and directory look-ups.
#include <QString>

namespace Gen {

// The text after the last backslash or slash, or the whole path when it has none.
QString Nom_fichier(const QString& path);
// The name without its last dot and what follows; a name without a dot is returned whole.
QString Sans_extension(const QString& name);
// True (-1) when the file can be opened for reading. With show = 1, tells the user when not:
// for a missing file the message, or the path followed by a blank and entry 177
// (" introuvable"); for a file that is there but cannot be read, entry 144
// ("erreur fichier"), " :  " and the path.
short Fichier_existe(const QString& path, const QString& message = QString(), short show = 0);
// The number a text begins with, a comma counting as the decimal separator, and digits
// grouped as Sans_groupes takes them. A number beyond the doubles raises ErrDepassement.
double Val_decimal(const QString& text);
// The text with the number it begins with (after blanks) freed of the user's locale's
// digit groups, when it is written as that locale writes a number with both separators:
// a first group of 1 to 3 digits not beginning with 0, its group separator, "," or ".",
// before each further group of three digits, then its decimal separator, the other one,
// last. "1,234.5" under en_US and "1.234,5" under de_DE give "1234.5"; a number with one
// kind of separator ("1,234,5"), "0,001.5" and any other text come back unchanged.
QString Sans_groupes(const QString& text);
// As Sans_groupes, for a cell of clipboard text that another program wrote in the user's
// locale: a whole number in that grouped form loses its groups too ("1,065" under en_US
// and "1.065" under de_DE give "1065"; "0,125" and "1,5" stay). Not under the C locale.
QString Sans_groupes_colles(const QString& text);
// A number that is the whole text, as files and typed cells hold one: blanks around it,
// no-break spaces anywhere in it (they group digits), an optional sign, digits with a
// point or a comma as decimal separator or grouped as Sans_groupes takes them, an
// optional exponent E or D. False for any other text and for a number beyond the
// doubles; the value is the one Val_decimal reads.
bool Nombre_lu(const QString& text, double& value);
// As Nombre_lu, on a cell of clipboard text read through Sans_groupes_colles.
bool Nombre_colle(const QString& text, double& value);
// A whole number within [min, max] as Nombre_lu reads it, a decimal part rounding half
// to even as CInt rounds. False when the text is no number or the value lies outside.
bool Entier_lu(const QString& text, double min, double max, long long& value);
// A calibration coefficient, in microns per image pixel, as the program takes one from
// the user or from any file: from 1E-12, below the smallest typed length over the longest
// pointing, to 1E+6, so that the length across a whole picture still fits a short cell.
inline constexpr double CoefficientMini = 1e-12;
inline constexpr double CoefficientMaxi = 1e6;
inline bool Coefficient_valable(double coefficient) {
    return coefficient >= CoefficientMini && coefficient <= CoefficientMaxi;
}
// 1-based position of the first occurrence of a character, 0 when absent.
short Position_caractere(const QString& text, const QString& character);
// Waits that many seconds while window events run.
void Pause(double seconds);
// The first normal file matching a path or pattern, or "".
QString Dir_sur(const QString& pattern);
// Makes the help document copied to the temporary folder ready, setting DocPdfPrete.
void Prepare_doc_pdf();
// A help document of the program's folder in the language in use: `prefixe`, the
// language code, ".pdf".
QString Document_aide(const QString& prefixe);
// Opens the help document of the language in use with the desktop's viewer; tells the
// user when the program's folder has none.
void Ouvre_aide_pdf();

// A bare file name of the program's ("TrameSav.trm") resolved against the data folder.
QString Chemin_donnees(const QString& name);
// A bare file name resolved against the program's folder ("Tavl.dat").
QString Chemin_programme(const QString& name);

} // namespace Gen
