// The mapping between view units and image units, and the sizes of the picture held.
#include <cmath>

#include "base/etat_partage.h"
#include "base/tav.h"
#include "base/vb.h"
#include "image/vue.h"

namespace BGr {

double Largeur_image() { return Tav::instance()->picbase.Width; }
double Hauteur_image() { return Tav::instance()->picbase.Height; }
double Largeur_himetric() { return double(Tav::instance()->picbase.LargeurHimetric); }
double Hauteur_himetric() { return double(Tav::instance()->picbase.HauteurHimetric); }

double Facteur_vue_image() { return FacteurZoom * EchelleAffichage; }
double Vue_vers_image_reel_X(double x_vue) { return x_vue * Facteur_vue_image() + OrigineX; }
double Vue_vers_image_reel_Y(double y_vue) { return y_vue * Facteur_vue_image() + OrigineY; }
int Vue_vers_image_X(double x_vue) { return Vb::CLng(Vue_vers_image_reel_X(x_vue)); }
int Vue_vers_image_Y(double y_vue) { return Vb::CLng(Vue_vers_image_reel_Y(y_vue)); }

double Image_vers_vue_X(double x_image) {
    return (x_image - OrigineX) / std::pow(RapportZoom, NiveauZoom) / EchelleAffichage;
}

double Image_vers_vue_Y(double y_image) {
    return (y_image - OrigineY) / std::pow(RapportZoom, NiveauZoom) / EchelleAffichage;
}

double Facteur_deplacement() {
    const double largeur = Tav::instance()->Picture1.Width;
    if (largeur == 0) throw Vb::Erreur(Vb::ErrDivisionZero, "view without width");
    return std::pow(RapportZoom, NiveauZoom) * Largeur_himetric() / largeur;
}

int Origine_vers_vignette_X() {
    const double w = Largeur_image();
    if (w <= 0) return 0;  // no picture: the thumbnail is empty
    return Vb::CLng(Tav::instance()->VignP.ScaleWidth * OrigineX / w);
}

int Origine_vers_vignette_Y() {
    const double h = Hauteur_image();
    if (h <= 0) return 0;
    return Vb::CLng(Tav::instance()->VignP.ScaleHeight * OrigineY / h);
}

double Longueur_image(double distance_vue) { return distance_vue * FacteurZoom / DiviseurEchelle * KZoomCal; }

} // namespace BGr
