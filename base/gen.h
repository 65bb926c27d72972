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
// the message, or the path followed by a blank and entry 177 (" introuvable").
short Fichier_existe(const QString& path, const QString& message = QString(), short show = 0);
// The number a text begins with, a comma counting as the decimal separator.
double Val_decimal(const QString& text);
// A number that is the whole text, as files and typed cells hold one: blanks around it,
// no-break spaces anywhere in it (they group digits), an optional sign, digits with a
// point or a comma as decimal separator, an optional exponent E or D. False for any
// other text and for a number beyond the doubles; the value is the one Val_decimal reads.
bool Nombre_lu(const QString& text, double& value);
// A whole number within [min, max] as Nombre_lu reads it, a decimal part rounding half
// to even as the original's conversions do. False when the text is no number or the
// value lies outside.
bool Entier_lu(const QString& text, double min, double max, long long& value);
// 1-based position of the first occurrence of a character, 0 when absent.
short Position_caractere(const QString& text, const QString& character);
// Waits that many seconds while window events run.
void Pause(double seconds);
// The first normal file matching a path or pattern, or "".
QString Dir_sur(const QString& pattern);
// Makes the help document copied to the temporary folder ready, setting DocPdfPrete.
void Prepare_doc_pdf();

// A bare file name of the program's ("TrameSav.trm") resolved against the data folder.
QString Chemin_donnees(const QString& name);
// A bare file name resolved against the program's folder ("Tavl.dat").
QString Chemin_programme(const QString& name);

} // namespace Gen
