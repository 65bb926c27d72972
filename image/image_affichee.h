#pragma once
// What the window shows of the picture in the holder: its size in pixels, the
// calibration label, and the length factor of the resolution option.
namespace Chargeur {

// The picture held, in pixels (the holder measures it in twips, 15 to the pixel).
int Largeur_pixels();
int Hauteur_pixels();
// `lblWidth` and `lblHeight` show the picture's size.
void Affiche_dimensions();
// `label`(5) shows `CalibrageActuel` with four decimals.
void Affiche_calibrage();
// `KZoomCal` for the picture held: 1, or its width in pixels x 0.001 when the calibration
// follows the picture's width ("Ind. Dim.").
void Echelle_resolution();

} // namespace Chargeur
