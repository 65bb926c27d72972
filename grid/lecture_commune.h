#pragma once
// What the measurement-file reader and the CSV import share: strict reading of the
// numbers a file holds, and the state both put in order before they fill the grid.
#include <QString>

namespace Lecture {

// A number written in a file: optional sign, digits, a point or a comma as decimal
// separator, an optional exponent; blanks around it are allowed. False for any other text.
bool Nombre_lu(const QString& texte, double& valeur);

// A whole number within [min, max] (a decimal part rounds half to even, as the file's
// conversions did). False when the text is not a number or the value lies outside.
bool Entier_lu(const QString& texte, double min, double max, long long& valeur);

// The calibration scale of a file read while lengths depend on the resolution: the base
// picture's width in pixels × 0.001. Without a base picture the scale is left as it is,
// since a zero scale would turn every recomputed length into 0.
void Echelle_calibrage_fichier();

// Tells the user that a file was not sound from that line on (1-based): entry 144, the
// path, and the line.
void Signale_faute(const QString& fichier, int ligne);

// Empties every measurement record: the rows they belonged to are being replaced.
void Vide_trames();

} // namespace Lecture
