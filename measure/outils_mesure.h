#pragma once
// What the builders of segments, spores, cystidia and chains share: the view and its
// copies, checked access to the item's segments and to the record of the row, storing a
// finished segment in both, handing it to the grid, the pop-up menus and the labels.
#include <QString>

#include "base/tav.h"
#include "grid/etat_grille.h"
#include "measure/etat_mesure.h"

namespace Mesure {

inline Tav& tav() { return *Tav::instance(); }
inline Surface& vue() { return Tav::instance()->Picture1.surface(); }

// The view as it stands, kept in one of its hidden copies (shared, not copied, until
// either is drawn on).
void Copie_vue(BoiteImage& copie);
// The view painted back from one of its copies.
void Restaure_vue(const BoiteImage& copie);

// Entry e of the item's segments (0 to 20); another index is a run-time error.
SegmentVue& Segment_ecran(int e);

// A press of the segment builders: unless a segment is open, a new one starts at (X, Y)
// with its cross, and the view is kept in Image1 (and Image2 for the two-axis style's
// rubber band).
void Debut_segment(int X, int Y, bool deux_copies);
// Whether a release lies within TolClic of the segment's origin (the sum of the two
// distances), and so is a click rather than the end of a drag.
bool Relache_proche(int X, int Y);

// Segment e of the item from A to B: in view units in SegmentsEcran(e), and in image units
// in entry e of the record of the row being filled, with its zoom level and image. An
// image coordinate is the view one x FacteurZoom x EchelleAffichage + the origin, rounded;
// with `tronque` the product is truncated before the origin is added.
void Stocke_segment(int e, int ax, int ay, double bx, double by, bool tronque = false);

// The point just recorded or released leaves nothing pending: the drawing flags are
// cleared, the view is as drawn, and a chain keeps its second point with `second` -1.
void Fin_point(short second = 0);

// The value goes to the grid, and its point ends.
void Enregistre_segment();

// The pop-up menus of a right-button end, and what their items do: the segment's (1 to 5)
// and the width/thickness one's (1, 2).
void Menu_PopEtalon();
void Menu_pop3D();
void Choix_PopEtalon(short index);
void Choix_pop3D(short index);

// The row number printed at the view's current position, with the blank a positive
// number takes in place of its sign.
void Imprime_numero_ligne();
// A number printed so, at the view's current position.
void Imprime_nombre(long long n);

// The density ellipse of centre (x0, y0) through the mouse at (x1, y1): radius r the
// distance between them, aspect a = |dy / dx|, drawn r across and r x a down, so that
// what the user sees encloses the area recorded, pi r^2 a. A shape with dx = 0 has no
// aspect: a run-time error.
void Trace_ellipse_densite(double x0, double y0, double x1, double y1, long couleur = -1);

// A view point in image units: v x FacteurZoom x EchelleAffichage + the origin, rounded.
SegmentTrame Vers_image(double ax, double ay, double bx, double by);

// A segment noted for the length text; none noted leaves it at the view's corner.
struct TexteNote {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};
// The last length, in microns with FormatDecimal, written along the noted segment.
void Texte_longueur(const TexteNote& note);
// The press that starts a segment, or a release within TolClic of its origin (the segment
// then ends at the next release): both shown by the length text, and true. False for a
// release that ends the segment, which the caller handles. A release with no segment open
// does nothing, and is true.
bool Appui_ou_clic(int X, int Y, short Appui, bool deux_copies);

// The drawing colour of a palette index of CouleursTrace (0 to 2); another index is a
// run-time error.
long Couleur_trace(int i);

} // namespace Mesure
