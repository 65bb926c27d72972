#pragma once
// The measurement file ".trm": the resolution mode, the images with their calibrations,
// the comment of each row and the clicked points of every record.
#include <QString>

namespace Gen {

// Writes the grid and its records to `chemin` (created or replaced through a save file,
// so a failed write leaves the old file whole). A bare or relative name is resolved
// against the data folder. Returns false when the file could not be written; telling
// the user is the caller's part.
bool Ecrit_trame(const QString& chemin);

} // namespace Gen
