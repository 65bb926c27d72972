#include "platform/surface_boite.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kTwips = Surface::TwipsParPixel;

// Whole pixels of a size in twips; a part of a pixel still takes a pixel.
int pixels(double twips) { return std::max(1, int(std::ceil(twips / kTwips - 1e-9))); }
} // namespace

BoiteImage::BoiteImage(int largeur, int hauteur, int bordure) : Bordure(bordure) {
    Width = largeur;
    Height = hauteur;
    Interieur_suit();
}

void BoiteImage::Dimensionne(int largeur, int hauteur) {
    Width = largeur;
    Height = hauteur;
    Interieur_suit();
    surface();
}

void BoiteImage::Interieur_suit() {
    const int w = std::max(0, Width - 2 * Bordure), h = std::max(0, Height - 2 * Bordure);
    if (ScaleMode == 1) {
        ScaleWidth = w;
        ScaleHeight = h;
        ScaleLeft = ScaleTop = 0;
    } else if (ScaleMode == 3) {
        ScaleWidth = pixels(w);
        ScaleHeight = pixels(h);
        ScaleLeft = ScaleTop = 0;
    }
}

void BoiteImage::Echelle_utilisateur(double largeur, double hauteur) {
    ScaleMode = 0;
    ScaleLeft = ScaleTop = 0;
    ScaleWidth = largeur;
    ScaleHeight = hauteur;
    surface();
}

int BoiteImage::largeurPx() const {
    if (ScaleMode == 1) return pixels(ScaleWidth);
    if (ScaleMode == 3) return std::max(1, int(ScaleWidth));
    return pixels(Width - 2 * Bordure);
}

int BoiteImage::hauteurPx() const {
    if (ScaleMode == 1) return pixels(ScaleHeight);
    if (ScaleMode == 3) return std::max(1, int(ScaleHeight));
    return pixels(Height - 2 * Bordure);
}

Surface& BoiteImage::surface() {
    surface_.redimensionner(largeurPx(), hauteurPx());
    if (ScaleMode == 1) {
        surface_.ScaleTwips();
    } else if (ScaleMode == 3) {
        surface_.Scale(0, 0, surface_.largeurPx(), surface_.hauteurPx());
    } else if (ScaleWidth != 0 && ScaleHeight != 0) {
        surface_.Scale(ScaleLeft, ScaleTop, ScaleLeft + ScaleWidth, ScaleTop + ScaleHeight);
    }
    return surface_;
}

void BoiteImage::Charge_picture(const QImage& picture) {
    surface_.charger(picture);
    ScaleMode = 1;
    Bordure = 0;
    Width = surface_.largeurPx() * kTwips;
    Height = surface_.hauteurPx() * kTwips;
    Interieur_suit();
}
