// The triangle and the polygon, measured press by press: the triangle's three vertices
// give its surface, the angle at the first vertex and its perimeter; the polygon is a fan
// of triangles around a centre, ended by a right press. Releases are ignored. The vertices
// are view points: from the first press to the recording the view keys are refused
// (MesureBloquee), so that every vertex of an item lies in the same view.
#include <cmath>

#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/vb.h"
#include "grid/enregistrement.h"
#include "grid/etat_grille.h"
#include "image/etat_image.h"
#include "measure/outils_mesure.h"
#include "measure/services_mesure.h"

using namespace Mesure;

namespace {

// A value cut to the display pattern, as the grid keeps every measured value.
double Coupe(double v) { return Gen::Val_decimal(Vb::Format(v, FormatDecimal)); }

// A side in microns counted on whole pixels, as the lengths are.
double Cote_pixels(int ax, int ay, int bx, int by) {
    return PGr::Pixels_en_microns(Vb::CLng(PGr::Distance_points(ax, ay, bx, by)));
}

// Microns per view unit.
double Microns_par_unite() { return KZoomCal * CalibrageActuel * FacteurZoom / DiviseurEchelle; }

// A surface or perimeter x 1000 as a whole number of the record; the fields hold 64 bits,
// so no object the view can show overflows them.
std::int64_t Millieme(double v) {
    const double n = Vb::ArrondiPair(v * 1000);
    if (!std::isfinite(n) || std::abs(n) >= 9.2e18) throw Vb::Erreur(Vb::ErrDepassement, "Overflow");
    return std::int64_t(n);
}

// An item under way: its vertices hold the view, and Esc abandons it.
void Sommet_pose() { MesureBloquee = -1; }

// The item recorded: the view may change again, and its drawing stays when a later item
// is abandoned.
void Surface_enregistree() {
    NbSommets = 0;
    MesureBloquee = 0;
    Copie_vue(tav().ImageMem);
}

} // namespace

namespace Mstat {

void Mesure_Angle(int X, int Y, short& Button, short press) {
    if (press == 0) return;
    Surface& v = vue();
    if (Button == 1) {
        Croix_Image_Couleur(X, Y, Couleur_trace(0));
        if (NbSommets == 0) {
            Imprime_numero_ligne();
            ValeursLigne[3] = 0;
            PointDepartX = X;
            PointDepartY = Y;
        } else {
            const int n = NbSommets;
            // The vertices are kept in the record too (P1 P2, then P1 P3), so that a file
            // gives the triangle back.
            Stocke_segment(n, PointDepartX, PointDepartY, X, Y);
            v.ForeColor = Couleur_trace(1);
            v.Line(PointDepartX, PointDepartY, X, Y);
            ValeursLigne[3] += Cote_pixels(PointDepartX, PointDepartY, X, Y);
            if (n > 1) {
                const SegmentVue& avant = Segment_ecran(n - 1);
                v.ForeColor = Couleur_trace(0);
                v.Line(avant[SegX2], avant[SegY2], X, Y);
            }
        }
        NbSommets += 1;
        Sommet_pose();
        if (NbSommets < 3) return;
    }
    if (NbSommets != 3) return;

    const SegmentVue& s1 = Segment_ecran(1);
    const SegmentVue& s2 = Segment_ecran(2);
    const Gen::PointVue p1{PointDepartX, PointDepartY}, p2{s1[SegX2], s1[SegY2]}, p3{s2[SegX2], s2[SegY2]};
    const double S = Gen::Surface_triangle(p1, p2, p3);
    const double angle = Gen::Calcul_angle(S, p1, p2, p3) * 180 / 3.14159;
    tav().label(9).Caption = QStringLiteral("S=") + Vb::Format(S, FormatDecimal) + QStringLiteral(" Deg =") +
                             Vb::Format(angle, FormatDecimal);
    ValeursLigne[1] = Coupe(S);
    ValeursLigne[2] = Coupe(angle);
    ValeursLigne[3] = Coupe(ValeursLigne[3] + Cote_pixels(p3.x, p3.y, p2.x, p2.y));
    Ajoute_Ligne_Grille();
    BGr::Inscrit_mesure_grille();
    Surface_enregistree();
}

void Mesure_Polygone(int X, int Y, short& Button, short press) {
    if (press == 0) return;
    Surface& v = vue();
    const long c0 = Couleur_trace(0), c1 = Couleur_trace(1);
    if (Button == 1) Croix_Image_Couleur(X, Y, c0);
    LigneTrame& trame = Trame(NbLignesGrille);
    trame.Zoom = NiveauZoom;
    trame.Image = IndexImageActive;
    auto& V = ValeursLigne;
    int mx = X, my = Y;

    if (NbSommets == 0) {
        V[1] = 0;
        V[2] = 0;
        PointDepartX = X;
        PointDepartY = Y;
        Croix_Image_Couleur(X, Y, c0);
        Imprime_numero_ligne();
        const SegmentTrame centre = Vers_image(X, Y, 0, 0);
        trame.Segments[1].x1 = centre.x1;
        trame.Segments[1].y1 = centre.y1;
    } else if (NbSommets == 1) {
        for (const int e : {1, 3}) {
            Segment_ecran(e)[SegX2] = X;
            Segment_ecran(e)[SegY2] = Y;
        }
        v.ForeColor = c1;
        v.Line(PointDepartX, PointDepartY, X, Y);
    } else {
        // "Polygone auto": the ending press closes the contour on its first point.
        if (PolygoneCercles && Button == 2) {
            mx = Segment_ecran(3)[SegX2];
            my = Segment_ecran(3)[SegY2];
        }
        SegmentVue& precedent = Segment_ecran(1);
        const int lx = precedent[SegX2], ly = precedent[SegY2];
        Segment_ecran(2)[SegX2] = mx;
        Segment_ecran(2)[SegY2] = my;
        v.ForeColor = c0;
        v.Line(lx, ly, mx, my);
        v.ForeColor = c1;
        v.Line(PointDepartX, PointDepartY, mx, my);
        if (tav().Affmesure.Value == 1)
            tav().SegmentTextIncline(Vb::Format(Cote_pixels(lx, ly, mx, my), FormatDecimal), lx, ly, 1.0f, mx, my);
        V[1] += Gen::Surface_triangle({PointDepartX, PointDepartY}, {lx, ly}, {mx, my});
        V[2] += Microns_par_unite() * std::hypot(double(mx) - lx, double(my) - ly);
        tav().label(9).Caption = QStringLiteral("S= ") + Vb::Format(V[1], FormatDecimal) + QStringLiteral(" P=") +
                                 Vb::Format(V[2], FormatDecimal);
        precedent[SegX2] = mx;
        precedent[SegY2] = my;
    }
    NbSommets += 1;
    Sommet_pose();
    V[6] = 0;
    if (Button != 2) return;

    const double S = V[1], P = V[2];
    if (P != 0) V[6] = Coupe(2 * S / P);
    if (S == 0) {
        V[3] = 0;
    } else {
        V[3] = Coupe(P / S);
        V[4] = Coupe(P * P / (4 * 3.1416 * S));
        V[5] = V[4] - 1;
    }
    trame.Segments[2].x1 = Millieme(S);
    trame.Segments[2].y1 = Millieme(P);
    for (int k = 1; k <= 3; ++k) V[k] = Coupe(V[k]);
    Ajoute_Ligne_Grille();
    BGr::Inscrit_mesure_grille();
    // The closed flag lies in the next row's record, where the file reader looks for it.
    Trame(NbLignesGrille).Segments[2].x2 = PolygoneCercles ? 1 : 0;
    Surface_enregistree();
}

} // namespace Mstat
