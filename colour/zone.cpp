#include "colour/zone.h"

#include <cmath>

#include "base/etat_partage.h"
#include "base/gen.h"
#include "base/tav.h"
#include "base/vb.h"
#include "colour/conversion.h"
#include "colour/correction.h"
#include "grid/enregistrement.h"
#include "grid/etat_grille.h"
#include "image/vue.h"
#include "platform/bip.h"

namespace Vistrane {

namespace {

constexpr double TwipsParPixel = 15;
// The picture's width in HIMETRIC units (2540 an inch) over its width in twips (1440 an inch).
constexpr double RapportHimetric = 2540.0 / 1440.0;

} // namespace

long Lit_pixel(const QImage& image, int x, int y) {
    if (!image.valid(x, y)) return 0xFFFFFFFFL;
    const QRgb c = image.pixel(x, y);
    return long(qRed(c)) | long(qGreen(c)) << 8 | long(qBlue(c)) << 16;
}

MoyenneZone Moyenne_zone(const QImage& image, double cx, double cy, int T) {
    MoyenneZone m;
    const int y0 = Vb::CInt(cy - T), y1 = Vb::CInt(cy + T);
    const int x0 = Vb::CInt(cx - T), x1 = Vb::CInt(cx + T);
    for (int yv = y0; yv <= y1; ++yv) {
        if (yv < 0 || yv >= image.height()) continue;
        for (int xv = x0; xv <= x1; ++xv) {
            if (xv < 0 || xv >= image.width()) continue;
            const long c = Lit_pixel(image, xv, yv);
            if (c == 0) continue;
            ++m.n;
            const double n = m.n;
            m.R = ((n - 1) * m.R + double(c & 255)) / n;
            m.V = ((n - 1) * m.V + double((c >> 8) & 255)) / n;
            m.B = ((n - 1) * m.B + double((c >> 16) & 255)) / n;
        }
    }
    return m;
}

float Coupe_moyenne(double m) { return float(Vb::Int(m * 100 + 0.05) / 100); }

QString Legende_zone(int T, float R, float V, float B) {
    return QString::number(T) + QStringLiteral("     / R = ") + Vb::CStr_simple(R) + QStringLiteral(" / V = ") +
           Vb::CStr_simple(V) + QStringLiteral(" / B = ") + Vb::CStr_simple(B);
}

void Mesure_Zone(const QImage& image, double x, long y) {
    Tav& tav = *Tav::instance();
    try {
        const double largeur = image.width() * TwipsParPixel, hauteur = image.height() * TwipsParPixel;
        tav.Label7.Caption.clear();
        const double X = BGr::Vue_vers_image_reel_X(x), Y = BGr::Vue_vers_image_reel_Y(double(y));
        // The point read as HIMETRIC units and taken back to pixels: the centre moves down
        // to a grid of 2540 / 1440 pixels.
        const double cx = Vb::Int(X * 1440 / (2540 * TwipsParPixel)) * RapportHimetric;
        const double cy = Vb::Int(Y * 1440 / (2540 * TwipsParPixel)) * RapportHimetric;
        const int T = TailleZone;
        const double m = Vb::CInt((T - 1) * TwipsParPixel * RapportHimetric);
        if (!(cx >= T + 1 && float(largeur - m) >= float(X) && cy >= T + 1 && float(hauteur - m) >= float(Y))) {
            Bip::sonner();
            return;
        }
        const MoyenneZone z = Moyenne_zone(image, cx, cy, T);
        RVBMesure[1] = Coupe_moyenne(z.R);
        RVBMesure[2] = Coupe_moyenne(z.V);
        RVBMesure[3] = Coupe_moyenne(z.B);
        if (tav.CheckCalibre.Value == 1)
            for (short i = 1; i <= 3; ++i)
                RVBMesure[i] = float(Gen::Val_decimal(Vb::Format(Corrige_Valeur(i, RVBMesure[i]), QStringLiteral("###00.00"))));
        RVB_Lab(RVBMesure[1], RVBMesure[2], RVBMesure[3]);
        tav.Label7.Caption = Legende_zone(T, RVBMesure[1], RVBMesure[2], RVBMesure[3]);
        Enregistre_MesureCouleur(Vb::CLng(x), Vb::CLng(double(y)));
        tav.Retrace(0);
        Mstat::Ajoute_Ligne_Grille_Couleur();
    } catch (const Vb::Erreur&) {
        Bip::sonner();
    }
}

void Enregistre_MesureCouleur(int x, int y) {
    LigneTrame& t = Trame(NbLignesGrille);
    t.Segments[1].x1 = BGr::Vue_vers_image_X(x);
    t.Segments[1].y1 = BGr::Vue_vers_image_Y(y);
    t.Image = IndexImageActive;
    t.Zoom = NiveauZoom;
}

} // namespace Vistrane
