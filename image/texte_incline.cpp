// Labels turned along segments, and the snapshot of the view kept in Image3.
#include <cmath>

#include "base/tav.h"
#include "base/vb.h"
#include "image/etat_image.h"
#include "image/texte_incline.h"

namespace {

constexpr int kTwipsParPixelY = 15;

// A product of two 16-bit whole numbers, which must stay within 16 bits.
int Produit_16(int a, int b) {
    const int p = a * b;
    if (p < -32768 || p > 32767) throw Vb::Erreur(Vb::ErrDepassement, "overflow");
    return p;
}

// The label font of the segments and the scale bar: Arial 10 bold.
PoliceTexte Police_etiquette(double angle) {
    PoliceTexte p;
    p.Nom = QStringLiteral("Arial");
    p.Taille = 10;
    p.Gras = -1;
    p.Angle = Vb::CInt(-angle);
    return p;
}

// Degrees of the slope dy / dx, 90 for a vertical.
double Pente_degres(int dy, int dx) {
    if (dx == 0) return 90.0;
    return std::atan(double(dy) / double(dx)) * 180 / 3.14159;
}

} // namespace

namespace BGr {

void Texte_incline_GDI(BoiteImage& boite, const QString& texte, const PoliceTexte& police, int x, int y) {
    Surface::PoliceLogique lf;
    // A negative height chooses the font by its character height, here in pixels.
    lf.Hauteur = Vb::CLng(Produit_16(-20, police.Taille) / double(kTwipsParPixelY));
    lf.Echappement = Produit_16(police.Angle, 10);
    lf.Graisse = police.Gras ? 700 : 400;
    lf.Italique = police.Italique != 0;
    lf.Souligne = police.Souligne != 0;
    lf.Nom = police.Nom.left(31);
    Surface& s = boite.surface();
    const std::optional<Surface::PoliceLogique> precedente = s.SelectionnePolice(lf);
    s.CurrentX = x;
    s.CurrentY = y;
    s.Print(texte);
    s.SelectionnePolice(precedente);
}

} // namespace BGr

void Tav::SegmentTextIncline(const QString& TexTe, int Xpos, int Ypos, float sens, int Xbout, int Ybout) {
    const PoliceTexte police = Police_etiquette(Pente_degres(Ybout - Ypos, Xbout - Xpos));
    // Read from the left end whichever way the segment was drawn.
    if (Xbout < Xpos) sens = -sens;
    if (sens > 0) BGr::Texte_incline_GDI(Picture1, TexTe, police, Xpos, Ypos);
    else BGr::Texte_incline_GDI(Picture1, TexTe, police, Xbout, Ybout);
}

void Tav::TextIncline(const QString& TexTe, int Xpos, int Ypos, float sens, int Xbout, int Ybout) {
    // The angle comes from the scale bar's press and release; the caller passes its ends.
    const PoliceTexte police = Police_etiquette(Pente_degres(RelacheY - ClicY, RelacheX - ClicX));
    if (sens > 0) BGr::Texte_incline_GDI(Picture1, TexTe, police, Xpos, Ypos);
    else BGr::Texte_incline_GDI(Picture1, TexTe, police, Xbout, Ybout);
}

void Tav::Sauve_Ecran3() { Image3.Charge_picture(Picture1.Image()); }

void Tav::Rappel_Ecran3() { Picture1.surface().restaurer(Image3.Image()); }
