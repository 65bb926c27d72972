#pragma once
// The image-handling procedures the grid, files and statistics parts call.
#include <QString>

#include "image/captures.h"
#include "image/vignette.h"
#include "image/vue.h"

namespace Gen {
// Shows built-in picture `numero` (1 is the default picture) of the window: the view
// starts from its origin with the display scale of that picture. A number not in the
// list raises the index error to the caller.
void Affiche_image_liste(short& numero);
// The stored path when the file exists, else the image folder + its file name (with a
// message when that is missing too). Also replaces the argument.
QString Cherche_image(QString& chemin);
// No picture: the default drawing in the view, an empty holder, number 0 with the
// coefficient of slot 0, so that nothing shown is taken for a loaded image; clicks stay
// off until a picture is opened.
void Montre_aucune_image();
// The file the pasted picture is kept in, in the program's folder.
QString Chemin_image_collee();
// The file menu's "Ouvrir Image": the chosen picture is shown at "Z1" and joins the loader.
void Ouvre_image();
// The file menu's paste: the clipboard's picture is shown; it joins no list.
void Colle_image_presse_papier();
// Sets every calibration factor of the image list back to 1.
void Init_calibrages();
// Takes every image of the loader out of the multilayer group (the flags only).
void RAZ_images_marquees();
// Gives every picture of the multilayer group the calibration of the image shown, after
// confirmation.
void Calibrage_vers_groupe();
// Removes the images chosen in the folder pane's purge list.
void Efface_images_choisies();
} // namespace Gen

namespace Image {
// Puts the image handling's procedures in the hooks the grid calls.
void Installe_rappels();
} // namespace Image
