#pragma once
// Text printed at an angle, for labels that run along a measured segment or a scale bar.
#include <QString>

class BoiteImage;

// The font a label is printed with.
struct PoliceTexte {
    short Taille = 0;       // points
    short Angle = 0;        // whole degrees, counter-clockwise on screen
    short Gras = 0;         // flags: 0 or -1
    short Italique = 0;
    short Souligne = 0;
    QString Nom;            // face name
};

namespace BGr {
// Prints `texte` on `boite` from (x, y) turned by the font's angle, with the box's colour.
// The font is built for the call and the box's own font is put back after it. A size or
// an angle whose product leaves 16 bits is an overflow error for the caller.
void Texte_incline_GDI(BoiteImage& boite, const QString& texte, const PoliceTexte& police, int x, int y);
} // namespace BGr
