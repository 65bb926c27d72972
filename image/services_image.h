#pragma once
// The image-handling procedures the grid, files and statistics parts call.
#include <QString>

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
void Ouvre_image();
void Colle_image_presse_papier();
// Sets every calibration factor of the image list back to 1.
void Init_calibrages();
void Copie_ecran(const QString& base, float contexte);
} // namespace Gen

namespace Image {
// Puts the image handling's procedures in the hooks the grid calls.
void Installe_rappels();
} // namespace Image
