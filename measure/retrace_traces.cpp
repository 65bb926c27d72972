// The drawing procedures of the redraw: one recorded row of a family of functions drawn
// where its points lie at the current zoom and origin, in the view's current colour
// unless the family has its own.
#include <cmath>

#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/tav.h"
#include "base/vb.h"
#include "grid/etat_grille.h"
#include "image/etat_image.h"
#include "image/vue.h"
#include "measure/outils_mesure.h"
#include "measure/retrace.h"
#include "measure/services_mesure.h"

using namespace Mesure;

namespace {

struct PointTrace {
    double x = 0, y = 0;
    int X() const { return Vb::CLng(x); }
    int Y() const { return Vb::CLng(y); }
};

PointTrace Debut(const SegmentTrame& s) {
    return {BGr::Image_vers_vue_X(double(s.x1)), BGr::Image_vers_vue_Y(double(s.y1))};
}
PointTrace Fin(const SegmentTrame& s) {
    return {BGr::Image_vers_vue_X(double(s.x2)), BGr::Image_vers_vue_Y(double(s.y2))};
}

int Valeurs() { return NbValeursLigne < 16 ? NbValeursLigne : 16; }

// The row number at a point, with the blank a positive number takes.
void Numero_en(int r, const PointTrace& p) {
    Surface& v = vue();
    v.CurrentX = float(p.x);
    v.CurrentY = float(p.y);
    Imprime_nombre(r);
}

} // namespace

namespace Retrace {

short Trace_mesures(int r) {
    short fin = 0;
    Tav& t = tav();
    Surface& v = vue();
    const LigneTrame& ligne = Trame(r);
    for (int e = 1; e <= Valeurs(); ++e) {
        const SegmentTrame& s = ligne.Segments[e];
        if (s.x1 > 0 || NumFonction == 3) {
            // A 3D spore's thickness left unmeasured holds nothing to draw.
            if (s == SegmentTrame()) continue;
            const PointTrace a = Debut(s), b = Fin(s);
            v.Line(float(a.x), float(a.y), float(b.x), float(b.y));
            Mstat::Croix_Image(a.X(), a.Y());
            Mstat::Croix_Image(b.X(), b.Y());
            v.CurrentX = float(a.x);
            v.CurrentY = float(a.y);
            if (t.Affmesure.Value == 1) {
                const int L = Vb::CLng(PGr::Distance_points(a.X(), a.Y(), b.X(), b.Y()));
                t.SegmentTextIncline(Vb::Format(PGr::Pixels_en_microns(L), FormatDecimal), b.X(), b.Y(), 0.0f, a.X(),
                                     a.Y());
            } else {
                Imprime_nombre(r);
            }
        } else {
            fin = 1;
        }
    }
    return fin;
}

short Trace_comptage(int r) {
    const LigneTrame& ligne = Trame(r);
    for (int e = 1; e <= Valeurs(); ++e) {
        const SegmentTrame& s = ligne.Segments[e];
        if (s.x1 == 0 && s.y1 == 0) break;
        const PointTrace a = Debut(s);
        Mstat::Croix_Image(a.X(), a.Y());
        Numero_en(r, a);
    }
    return 0;
}

short Trace_densite(int r) {
    Surface& v = vue();
    const SegmentTrame& s = Trame(r).Segments[1];
    const PointTrace a = Debut(s), b = Fin(s);
    if (NumFonction == 13) {
        Mstat::Croix_Image_Couleur(a.X(), a.Y(), Couleur_trace(0));
        v.ForeColor = Couleur_trace(1);
        // The outline comes back with its row, as the rectangle's does; a shape without
        // horizontal extent has none.
        if (s.x2 != s.x1) Trace_ellipse_densite(a.x, a.y, b.x, b.y);
        Numero_en(r, a);
    } else {
        v.ForeColor = Couleur_trace(1);
        v.Line(float(a.x), float(a.y), float(b.x), float(b.y), -1, Surface::Boite);
        v.CurrentX = float(a.x);
        v.CurrentY = float(a.y);
        if (r < NbLignesGrille) Imprime_nombre(r);
    }
    return 0;
}

short Trace_surface(int r) {
    Surface& v = vue();
    const PointTrace a = Debut(Trame(r).Segments[1]);
    Mstat::Croix_Image_Couleur(a.X(), a.Y(), Couleur_trace(0));
    Imprime_nombre(r);
    if (PolygoneCercles) v.Circle(float(a.x), float(a.y), 300);
    else v.Circle(float(a.x), float(a.y), 300, -1, 0.7, 4.5, 0.5);
    return 0;
}

short Trace_couleur(int r) {
    Tav& t = tav();
    Surface& v = vue();
    const LigneTrame& ligne = Trame(r);
    // The sampled square's half side: pixels to HIMETRIC, then to view units.
    const double d = (TailleZone - 1) * 2540.0 / 96.0 / (FacteurZoom * EchelleAffichage);
    for (int e = 1; e <= Valeurs(); ++e) {
        const SegmentTrame& s = ligne.Segments[e];
        if (s.x1 == 0 && s.y1 == 0) break;
        const PointTrace a = Debut(s);
        v.Line(float(a.x - d), float(a.y - d), float(a.x + d), float(a.y + d), -1, Surface::Boite);
        Numero_en(r, a);
        Copie_vue(t.Image1);
    }
    return 0;
}

} // namespace Retrace
