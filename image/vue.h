#pragma once
// The picture view: the whole picture sits in the hidden holder `picbase` and the view
// `Picture1` is painted from it at a zoom level and an origin.
//
// Three units meet here. View units are twips of `Picture1` (mouse positions arrive in
// them). Image units are twips of the whole picture at 15 twips a pixel: the origin and
// every stored point are image units, and `picbase` measures W_T x H_T of them. The
// picture's extent W_H x H_H, in HIMETRIC (pixels x 2540 / 96), sizes the zoom window:
// at factor f the view spans f x W_H image units, about 1.76 times what the name says.
#include <QString>

namespace BGr {

// --- the mapping between view and image, the one contract of every other part
// 1. A view point to image units: v x FacteurZoom x EchelleAffichage + origin, rounded
// for a stored point, unrounded for the colour zone; the factor alone for a truncation.
double Facteur_vue_image();
double Vue_vers_image_reel_X(double x_vue);
double Vue_vers_image_reel_Y(double y_vue);
int Vue_vers_image_X(double x_vue);
int Vue_vers_image_Y(double y_vue);
// 2. An image point to view units: (i - origin) / RapportZoom ^ NiveauZoom / EchelleAffichage.
double Image_vers_vue_X(double x_image);
double Image_vers_vue_Y(double y_image);
// 3. Image units a view unit is worth when panning, centring and painting:
// FacteurZoom x W_H / the view's outer width.
double Facteur_deplacement();
// 4. The origin's point on the thumbnail.
int Origine_vers_vignette_X();
int Origine_vers_vignette_Y();
// 5. A view distance as a length in image pixels: d x FacteurZoom / DiviseurEchelle x KZoomCal.
double Longueur_image(double distance_vue);

// The picture held: W_T, H_T (image units) and W_H, H_H (extent).
double Largeur_image();
double Hauteur_image();
double Largeur_himetric();
double Hauteur_himetric();

// --- loading
// Reads a picture file into `picbase` and shows it from the origin (kept in multilayer
// mode); returns whether the file was read. An unreadable file leaves `picbase`, the
// origin and the view as they were. The zoom level is never changed here. The annotated
// full-size copy goes with the picture leaving, unless `garde_copie` (the same picture).
bool Charge_image_base(const QString& chemin, bool garde_copie = false);
// The display scale and the resolution factor that picture `numero` is measured with: the
// ones in force for the picture of the list shown; for another picture of the list, or
// for number 0 (the last picture pasted), those its width in pixels gives it; for one
// that cannot be read, the ones in force the first time such a picture was needed.
void Echelle_image(short numero, double& echelle, double& kzoom);
// Why the last read failed, in the reader's words.
QString Erreur_chargement();
// Empties the view and opens at the initial level.
void Efface_vue();
// Level "Z1" (-2 x PasZoom), painted with the thumbnail.
void Zoom_initial();

// --- painting and redrawing
// Paints the view at `niveau` from the origin, then keeps copies in ImageMem, Image1 and Image2.
void Affiche_vue(short& niveau);
// Thumbnail, then (while ZoomActif) the viewport rectangle at thumbnail point (tx, ty)
// and the view at the current level.
void Retrace_vue(int tx, int ty);
// "Z= " and the share of the picture shown, in the label of the zoom buttons.
void Affiche_zoom();
// The window was resized: layout, display scale, back to "Z1" at the origin.
void Redimensionne_vue();

// --- moving and zooming
// Pans by a hand drag of (dx, dy) view units: the picture follows the hand.
void Decale_vue(int dx, int dy);
// Brings the view point (x, y) to the centre of the view.
void Deplace_vue(int x, int y);
// Zooms by a click: left in, right out, any other button only centres; the click point
// goes to the centre. X and Y come back divided by the zoom ratio.
void Zoom_clic(short Button, short Shift, float& X, float& Y);
// One zoom step (1 in, 2 out) keeping the view's top-left corner; tx, ty receive the
// origin's thumbnail point.
void Change_zoom(short mode, short inutilise, int& tx, int& ty);
// Paints at the current level from the thumbnail point (tx, ty) with its rectangle.
void Centre_vue(int tx, int ty);
// The zoom buttons: 0 "Z+", 1 "Z-", 2 "Z1", 3 the step "<<" / ">>".
void Boutons_zoom(short index);

} // namespace BGr
