#pragma once
// What applying a measurement file and a CSV import share: choosing the file, the state
// both put in order before they fill the grid, and telling where a file was not sound.
#include <QString>
#include <optional>

namespace Lecture {

// The question when the grid holds data ("No" ends there), then the open dialog with
// `titre` for files of `extension` ("trm"): the chosen file when it can be read; nothing
// on No, on Cancel, or for a file that is not there (told with `absent`).
std::optional<QString> Fichier_a_charger(const QString& titre, const QString& extension, const QString& absent);

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
