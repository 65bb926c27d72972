#pragma once
// The calibration's procedures that the command bar calls beside the window's handlers,
// and those its files share.
#include <QString>

namespace Calibrage {

// Starts a pointing by the method (0 known length, 3 graduations, 2 objective standard):
// the recording then hands each segment to Tav::PasCalibr.
void Debut_pointage(short methode);
// The coefficient in force becomes the displayed image's, whose rows are computed again
// with it, and label(5) shows it.
void Retient_pour_image();
// "Tavl.Cal" in the program's folder.
QString Chemin_fichier();

} // namespace Calibrage
