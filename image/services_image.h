#pragma once
// The image-handling procedures the grid, files and statistics parts call. They stand
// here with the interfaces those parts rely on, doing the least they need.
#include <QString>

namespace Gen {
// Shows image `numero` (1-based) of the image list; a number not in the list raises
// the list's index error to the caller.
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

namespace BGr {
void Boutons_zoom(short index);
void Affiche_vue(short& niveau);
void Charge_image_base(const QString& chemin);
void Calcule_rectangle_vignette(short a, short b);
void Retrace_vue(short a, short b);
} // namespace BGr

namespace Image {
// Puts the image handling's procedures in the hooks the grid calls.
void Installe_rappels();
} // namespace Image
