#pragma once
// The calibration's procedures that the command bar calls beside the window's handlers,
// and those its files share.
#include <QString>

namespace Calibrage {

// Starts a pointing by the method (0 known length, 3 graduations, 2 objective standard):
// the recording then hands each segment to Tav::PasCalibr.
void Debut_pointage(short methode);
// The pointing is a segment the grid records: only the length functions (1 to 6) measure
// one. Any other function beeps, and no pointing is armed to take a later segment.
bool Pointage_possible();
// The coefficient in force becomes the displayed image's, whose rows are computed again
// with it, and label(5) shows it.
void Retient_pour_image();
// "Tavl.Cal" in the program's folder.
QString Chemin_fichier();

} // namespace Calibrage
