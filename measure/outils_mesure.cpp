// The steps the builders share; see outils_mesure.h.
#include "measure/outils_mesure.h"

#include <cmath>
#include <cstdlib>
#include <vector>

#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/vb.h"
#include "grid/enregistrement.h"
#include "grid/etat_grille.h"
#include "image/etat_image.h"
#include "image/vue.h"
#include "measure/services_mesure.h"
#include "platform/prompts.h"

namespace Mesure {

namespace {
[[noreturn]] void Hors_limites() { throw Vb::Erreur(Vb::ErrIndice, "Subscript out of range"); }
} // namespace

void Copie_vue(BoiteImage& copie) { copie.Charge_picture(tav().Picture1.Image()); }

void Restaure_vue(const BoiteImage& copie) { vue().restaurer(copie.Image()); }

void Debut_segment(int X, int Y, bool deux_copies) {
    if (TraceOrigine || TraceSecondPoint) return;
    // A restored view swallows the release of the segment it abandoned, never the end of
    // one begun afterwards: that would leave this origin open for the next click to end.
    ImageRestauree = 0;
    TraceOrigine = -1;
    MesureBloquee = -1;
    TraceEnCours = -1;
    Mstat::Croix_Image_Couleur(X, Y, Couleur_trace(0));
    Tav& t = tav();
    Copie_vue(t.Image1);
    if (deux_copies) Copie_vue(t.Image2);
    PointDepartX = X;
    PointDepartY = Y;
}

bool Appui_ou_clic(int X, int Y, short Appui, bool deux_copies) {
    // A release with no segment open (its item was abandoned while the button was held)
    // ends nothing, and is the release the abandon swallows.
    if (Appui != 1 && !TraceOrigine) {
        ImageRestauree = 0;
        return true;
    }
    if (Appui == 1) {
        Debut_segment(X, Y, deux_copies);
    } else if (Relache_proche(X, Y)) {
        TraceSecondPoint = -1;
    } else {
        return false;
    }
    Texte_longueur(TexteNote{});
    return true;
}

bool Relache_proche(int X, int Y) {
    const long long d = std::llabs(X - (long long)PointDepartX) + std::llabs(Y - (long long)PointDepartY);
    return d < TolClic;
}

SegmentVue& Segment_ecran(int e) {
    if (e < 0 || e > SegmentsEcranMax) Hors_limites();
    return SegmentsEcran[e];
}

void Stocke_segment(int e, int ax, int ay, double bx, double by, bool tronque) {
    SegmentVue& s = Segment_ecran(e);
    // The record has entries 0 to 16 and rows 0 to 256: checked before anything is written.
    if (e > 16) Hors_limites();
    LigneTrame& t = Trame(NbLignesGrille);
    const auto tronque_image = [](double v, int origine) {
        return Vb::CLng(Vb::Int(v * BGr::Facteur_vue_image()) + origine);
    };
    const SegmentTrame enregistre =
        tronque ? SegmentTrame{tronque_image(ax, OrigineX), tronque_image(ay, OrigineY), tronque_image(bx, OrigineX),
                               tronque_image(by, OrigineY)}
                : Vers_image(ax, ay, bx, by);
    s = {ax, ay, Vb::CLng(bx), Vb::CLng(by)};
    t.Segments[e] = enregistre;
    t.Zoom = NiveauZoom;
    t.Image = IndexImageActive;
}

void Fin_point(short second) {
    TraceOrigine = 0;
    MesureBloquee = 0;
    TraceEnCours = 0;
    TraceSecondPoint = second;
    ImageRestauree = 0;
}

void Enregistre_segment() {
    Mstat::Ajoute_Ligne_Grille_Mesure();
    Fin_point();
}


void Imprime_numero_ligne() { Imprime_nombre(NbLignesGrille); }

void Imprime_nombre(long long n) {
    vue().Print(n >= 0 ? QLatin1Char(' ') + QString::number(n) : QString::number(n));
}

void Trace_ellipse_densite(double x0, double y0, double x1, double y1, long couleur) {
    const double dx = x1 - x0, dy = y1 - y0;
    if (dx == 0) throw Vb::Erreur(Vb::ErrDivisionZero, "division by zero");
    const double r = std::sqrt(dx * dx + dy * dy), a = std::abs(dy / dx);
    // The box's circle narrows a shape of aspect above 1 (r / a across): its radius is
    // then taken a times larger, so that both aspects give r across and r x a down.
    vue().Circle(x0, y0, a > 1 ? r * a : r, couleur, {}, {}, a);
}

SegmentTrame Vers_image(double ax, double ay, double bx, double by) {
    return {BGr::Vue_vers_image_X(ax), BGr::Vue_vers_image_Y(ay), BGr::Vue_vers_image_X(bx),
            BGr::Vue_vers_image_Y(by)};
}

void Texte_longueur(const TexteNote& n) {
    tav().SegmentTextIncline(Vb::Format(PGr::Pixels_en_microns(LongueurPixels), FormatDecimal), n.x1, n.y1, 1.0f,
                             n.x2, n.y2);
}

long Couleur_trace(int i) {
    if (i < 0 || i >= int(CouleursTrace.size())) Hors_limites();
    return Surface::QBColor(int(CouleursTrace[i]));
}

} // namespace Mesure

namespace Mstat {

void Croix_Image_Couleur(int x, int y, long couleur) {
    Surface& v = Mesure::vue();
    v.ForeColor = couleur;
    Croix_Image(x, y);
}

void Croix_Image(int x, int y) {
    Surface& v = Mesure::vue();
    v.Line(x - 100.0, y, x + 100.0, y);
    v.Line(x, y - 100.0, x, y + 100.0);
}

} // namespace Mstat
