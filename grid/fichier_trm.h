#pragma once
// The measurement file ".trm": the resolution mode, the images with their calibrations,
// the comment of each row and the clicked points of every record.
#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

namespace Gen {

// The file's lines for the given grid rows, numbered 1, 2, ... in the file; a non-empty
// `extraits` adds the extract line "EXTRAITS= " after the images. Gathers from the grid,
// the records, the view's picture width and the screen what Trm::Lignes_fichier writes.
// A row that the grid or the records do not hold raises Vb::Erreur, so no half-built
// file is ever written.
QStringList Lignes_trame(const std::vector<int>& lignes, const QString& extraits = QString());

// Writes the grid and its records to `chemin` (created or replaced through a save file,
// so a failed write leaves the old file whole). A bare or relative name is resolved
// against the data folder. Returns false when the file could not be written; telling
// the user is the caller's part.
bool Ecrit_trame(const QString& chemin);

// Reads a measurement file into the grid and the records: Trm::Analyse_trame reads it,
// and what it gives is applied in file order. `statut` becomes 1 when the
// file is refused (its resolution mode differs from the current one) and is left as it
// was otherwise. An empty path reads "mesure.trm" of the data folder. A missing file is
// reported and changes nothing. Whatever is sound is loaded: the rows stop at the end of
// the file, a value that does not convert is skipped, and the user is told the first
// line that was not sound. The images and their calibrations are the file's alone: an
// image whose coefficient the file lacks or refuses is never calibrated (0), and an image
// a row names with no name in the file keeps a blank place in the list. A refused file
// changes nothing; `avant` runs once the file is known to be taken, before anything of it
// is applied.
void Lit_trame(const QString& chemin, short& statut, const std::function<void()>& avant = {});

// Image `image` (0 to 50, 0 the picture the list does not hold) takes `coefficient`, and
// the rows measured on it are computed again with it; another image number raises
// Vb::Erreur.
void Calibre_image(int image, double coefficient);
// The resolution factor of each picture the rows name, as they read now; after a change
// of the resolution mode, the rows of every picture whose factor it changed are computed
// again from their records.
std::vector<std::pair<int, double>> Facteurs_lignes();
void Recalcule_lignes(const std::vector<std::pair<int, double>>& avant);

// "Sauver la Trame": save dialog, overwrite question, then the writer; a failed write is
// reported with the path.
void Sauve_mesures();

// "Charger la trame": the question when the grid holds data, the open dialog, and only
// once a file is chosen and taken the clearing and the reading; then the first picture of
// the file is shown with its own coefficient, or none at all (clicks stay off until a
// picture is opened) when the file names none or it cannot be shown. Cancel and a refused
// file change nothing. True when a file was loaded.
bool Charge_mesures();

} // namespace Gen
