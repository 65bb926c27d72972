#pragma once
// A picture box or image holder of a window that is never shown: the control's model
// (place, size, visibility...) with the surface it draws on or the picture it holds.
//
// Width and Height are the outer size in twips; the border takes `Bordure` twips on each
// side. ScaleWidth and ScaleHeight are the drawable size in the box's scale: in twips
// (ScaleMode 1) the inner size, in pixels (3) the inner size in pixels, in a user scale
// (0) whatever was set. The surface has the inner size in pixels, 15 twips to the pixel.
#include <QImage>

#include "platform/controles.h"
#include "platform/surface.h"

class BoiteImage : public Controle {
public:
    BoiteImage() = default;
    // Outer size and border, twips; the scale is twips, the inner size follows.
    BoiteImage(int largeur, int hauteur, int bordure = 0);

    int Bordure = 0;
    double ScaleLeft = 0, ScaleTop = 0;
    // The picture held, in HIMETRIC (0.01 mm) as a picture object reports its extent.
    long LargeurHimetric = 0, HauteurHimetric = 0;
    // A reduced copy of the picture held, for small paints of the whole picture.
    QImage Apercu;

    // Sets the outer size; in the twips and pixel scales the drawable size follows.
    void Dimensionne(int largeur, int hauteur);
    // The drawable size follows the outer size again (after a layout that set Width and
    // Height alone), in the twips and pixel scales.
    void Interieur_suit();
    // A user scale over the inner size: (0, 0) at the top left, `largeur` across and
    // `hauteur` down.
    void Echelle_utilisateur(double largeur, double hauteur);

    // The inner size in pixels.
    int largeurPx() const;
    int hauteurPx() const;

    // The drawing surface, at the inner size with the box's scale in force.
    Surface& surface();
    // The surface as it stands, unsized (a picture holder's picture, a source to paint from).
    const Surface& contenu() const { return surface_; }
    // The persistent picture (the box's Image).
    const QImage& Image() const { return surface_.Image(); }

    // An image holder takes a picture: it sizes itself to it, 15 twips to the pixel.
    void Charge_picture(const QImage& picture);

    // The control's properties alone, as a model of it holds them; the drawing stays.
    BoiteImage& operator=(const Controle& c) {
        Controle::operator=(c);
        return *this;
    }
    BoiteImage& operator=(const BoiteImage&) = default;
    BoiteImage(const BoiteImage&) = default;

    bool operator==(const BoiteImage&) const = default;

private:
    Surface surface_;
};
