#pragma once
// The image loader: the paths of the loaded images (`ListIMGchar`, image number = list
// index + 1), the calibration of each (`CalibrageImage`, by image number), the multilayer
// group (`ListImgMC` with the list index of each entry in `ListImgIdx`, and the flag of
// each loaded image in `ImageMC`, by list index), and the image shown (`IndexImageActive`).
// Every add, selection, removal and clear goes through here, so that these tables always
// name the same pictures.
#include <QString>
#include <QStringList>

namespace Chargeur {

// The loader's capacity: image numbers run from 1 to 50.
inline constexpr int Capacite = 50;

int Nombre();
bool Plein();
// The list index of a path, compared exactly (case included); -1 when absent.
int Index_de(const QString& chemin);
// A folder and a file name joined into a path.
QString Chemin_dans(const QString& dossier, const QString& nom);

// Whether a measurement row names a loaded image by its number.
bool Lignes_sur_images();
// Whether image `numero` is shown or named by a measurement row.
bool Image_utilisee(short numero);

// Appends a path that takes the calibration factor given, joining the group when asked.
// Returns its image number, or 0 when the loader is full (nothing is then added).
short Ajoute(const QString& chemin, double calibrage, bool groupe);
// Image `numero` (0 for none) is the one shown: it is the selected entry of the list.
void Active(short numero);
// Number 0 (a pasted picture, or none) is shown: the coefficient in force is slot 0's,
// which every picture the list does not hold shares. Slot 0 keeps its value while rows
// were measured with it; otherwise it takes the coefficient in force. label(5) shows it.
void Calibrage_hors_liste();
// After a measurement file is read: its first picture shown with its own coefficient, or,
// when it has no name or cannot be shown, no picture at all (number 0, the coefficient of
// slot 0). True when the picture is shown.
bool Montre_premiere_image();

// The loader, the group, the list frame and every group flag emptied; no image shown.
// The calibrations stay as they are.
void Vide();
// Removes the image at list index `index`: the images after it move up one number, and
// their calibrations, group flags and group entries move with them; the image shown
// keeps being shown (0 when it is the one removed). Measurement rows are the caller's.
void Retire(int index);

// --- the multilayer group
bool Dans_groupe(int index);
// The image at list index `index` joins the group (at its end).
void Rejoint_groupe(int index);
// Group entry `k` leaves the group.
void Quitte_groupe(int k);
// Every group entry leaves, every flag is cleared.
void Vide_groupe();
// The list index that group entry `k` names, -1 when the entry is not a loaded image.
int Index_groupe(int k);

// Whether the tables agree: one flag, one calibration slot and at most one group entry
// per loaded image, each group entry naming the path of its image, the image shown among
// those loaded. A description of the first disagreement, empty when none.
QString Incoherence();

} // namespace Chargeur
