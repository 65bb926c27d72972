// The geometry every click measure shares: lengths between view points in image pixels
// and microns, the triangle's surface and angle, the rubber band with its live value, the
// width guide with its foot point, and abandoning the item being drawn (or, with none,
// undoing the last value).
#include <algorithm>
#include <cmath>

#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/vb.h"
#include "grid/etat_grille.h"
#include "measure/item_en_cours.h"
#include "measure/outils_mesure.h"
#include "measure/services_mesure.h"

using namespace Mesure;

namespace {
constexpr double kPenteVerticale = 34000;   // the slope that stands for a vertical axis
constexpr double kPenteMinimale = 0.001;    // below it the axis counts as horizontal
} // namespace

namespace PGr {

double Distance_points(int x1, int y1, int x2, int y2) {
    const double dx = double(x1) - x2, dy = double(y1) - y2;
    return std::sqrt(dx * dx + dy * dy) * FacteurZoom / DiviseurEchelle * KZoomCal;
}

double Pixels_en_microns(int longueur) { return longueur * CalibrageActuel; }

void RAZ_etats_trace() {
    TraceOrigine = 0;
    TraceEnCours = 0;
    TraceSecondPoint = 0;
    TraceLargeur = 0;
}

void Restaure_image() {
    RAZ_etats_trace();
    // Whatever the item was, a triangle or polygon too, it is abandoned.
    MesureBloquee = 0;
    NbSommets = 0;
    if (!ReferenceSurImage) Restaure_vue(tav().ImageMem);
    ImageRestauree = -1;
    tav().Frame(1).Visible = true;
}

void Annule_point_ou_ligne() {
    // The undo removes what was recorded: a pending point or pending counts go alone, and
    // the row before them stays.
    if (Item::Prepare(Item::Commande::Defaire)) tav().EffacE_1();
}

void Parametres_axe() {
    const SegmentVue& s = Segment_ecran(1);
    const double x1 = s[SegX1], y1 = s[SegY1], x2 = s[SegX2], y2 = s[SegY2];
    if (std::abs(x1 - x2) <= 1) {
        PenteSegment = kPenteVerticale;
        DiviseurPied = 1 / kPenteVerticale + kPenteVerticale;
        DemiGuide = 0;
        return;
    }
    const double p = (y2 - y1) / (x2 - x1);
    PenteSegment = p;
    if (std::abs(p) < kPenteMinimale) {
        DemiGuide = DemiGuideDefaut;
    } else {
        DiviseurPied = p + 1 / p;
        DemiGuide = Vb::CLng(DemiGuideDefaut / std::sqrt(p * p + 1));
    }
}

void Pied_perpendiculaire(int x, int y, int& fx, int& fy) {
    const double x0 = PointDepartX, y0 = PointDepartY, p = PenteSegment;
    if (std::abs(p) >= kPenteMinimale) {
        fx = Vb::CLng((x * p + y0 - y + x0 / p) / DiviseurPied);
        fy = Vb::CLng(y0 - (fx - x0) / p);
    } else {
        fx = PointDepartX;
        fy = y;
    }
}

void Trace_perpendiculaire(int x, int y) {
    try {
        Tav& t = tav();
        Restaure_vue(t.Image1);
        Surface& v = vue();
        v.ForeColor = Couleur_trace(1);
        if (DemiGuide < 1) {
            const double h = t.Picture1.Height / 10.0;
            v.Line(x, y, x, y + h);
            v.Line(x, y, x, y - h);
        } else {
            v.Line(x, y, double(x) + DemiGuide, y + DemiGuide * PenteSegment);
            v.Line(x, y, double(x) - DemiGuide, y - DemiGuide * PenteSegment);
        }
        int fx = 0, fy = 0;
        Pied_perpendiculaire(x, y, fx, fy);
        DernierPointX = fx;
        DernierPointY = fy;
        v.Line(PointDepartX, PointDepartY, fx, fy);
        SegmentVue& s = Segment_ecran(EtapeMesure);
        s[SegX2] = fx;
        s[SegY2] = fy;
    } catch (const Vb::Erreur&) {
    }
}

void Trace_elastique(int x, int y) {
    if (!TraceLargeur) {
        Tav& t = tav();
        Restaure_vue(t.Image1);
        vue().Line(x, y, PointDepartX, PointDepartY);
        LongueurPixels = Vb::CLng(Distance_points(PointDepartX, PointDepartY, x, y));
        t.label(9).Caption = Vb::Format(Pixels_en_microns(LongueurPixels), FormatDecimal);
    }
    if (ModePalmer == 2 && EtapeMesure > 1) Trace_perpendiculaire(x, y);
}

void Procedure_vide() {}

} // namespace PGr

namespace Gen {

double Surface_triangle(const PointVue& P, const PointVue& Q, const PointVue& R) {
    const double k = KZoomCal * CalibrageActuel * FacteurZoom / DiviseurEchelle;
    const auto longueur = [k](const PointVue& a, const PointVue& b) {
        return k * std::hypot(double(a.x) - b.x, double(a.y) - b.y);
    };
    const double a = longueur(P, Q), b = longueur(P, R), c = longueur(Q, R);
    const double s = (a + b + c) / 2;
    // Rounding can leave the product of nearly collinear points a hair below zero: their
    // surface is 0.
    return std::sqrt(std::max(0.0, s * (s - a) * (s - b) * (s - c)));
}

double Calcul_angle(double, const PointVue& P, const PointVue& Q, const PointVue& R) {
    // The angle between PQ and PR from their cross and dot products: the whole range from
    // 0 to pi, with no division at a right angle.
    const double ux = double(Q.x) - P.x, uy = double(Q.y) - P.y;
    const double vx = double(R.x) - P.x, vy = double(R.y) - P.y;
    return std::atan2(std::abs(ux * vy - uy * vx), ux * vx + uy * vy);
}

} // namespace Gen
