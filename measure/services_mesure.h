#pragma once
// The measuring and calibration procedures the grid and statistics parts call. They
// stand here with the interfaces those parts rely on, doing the least they need.

namespace PGr {
void Restaure_image();
void RAZ_etats_trace();
// Distance in full-image pixels between two picture points.
double Distance_points(short x1, short y1, short x2, short y2);
// A length in image pixels converted to microns with the current calibration.
double Pixels_en_microns(short longueur);
} // namespace PGr

namespace Mstat {
void Clic_Mesure(short x, short y, short& bouton, short mode);
void Croix_Image(int x, int y);
} // namespace Mstat

namespace Mesure {
// Puts the measuring's procedures in the hooks the grid calls.
void Installe_rappels();
} // namespace Mesure
