// The density surface, marked by a drag or by two clicks (an ellipse or a rectangle) and
// recorded in square microns before its objects are counted; and the numbering of the
// first counted point of a row.
#include <cmath>
#include <cstdlib>

#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/messages.h"
#include "base/vb.h"
#include "grid/enregistrement.h"
#include "grid/etat_grille.h"
#include "image/etat_image.h"
#include "measure/outils_mesure.h"
#include "measure/services_mesure.h"
#include "platform/prompts.h"

using namespace Mesure;

namespace {

// The area of the shape in square view units: the ellipse of radius the drag's length and
// aspect |dy / dx| (none without a horizontal extent), or the rectangle.
double Surface_vue(long long dx, long long dy) {
    if (NumFonction == 13) {
        if (dx == 0) return 0;
        return Vb::Int(double(dx * dx + dy * dy) * std::abs(double(dy) / double(dx)) * 3.1416);
    }
    return double(std::llabs(dx * dy));
}

} // namespace

namespace PGr {

void Mesure_surface(short& EtapeMesure, int X, int Y, short&, short Appui) {
    Tav& t = tav();
    Surface& v = vue();
    if (Appui == 1) {
        if (TraceOrigine || TraceSecondPoint) return;
        TraceOrigine = -1;
        MesureBloquee = -1;
        TraceEnCours = -1;
        Mstat::Croix_Image_Couleur(X, Y, Couleur_trace(1));
        Copie_vue(t.Image1);
        Copie_vue(t.Image2);
        PointDepartX = X;
        PointDepartY = Y;
        return;
    }
    // A release with no shape open (abandoned while the button was held) ends nothing.
    if (!TraceOrigine) return;
    v.ForeColor = Couleur_trace(0);
    // A release near the origin, across or down, is a click: the next release ends the shape.
    if (Relache_proche(X, Y)) {
        TraceSecondPoint = -1;
        return;
    }
    const int x0 = PointDepartX, y0 = PointDepartY;
    const long long dx = (long long)X - x0, dy = (long long)Y - y0;
    Stocke_segment(EtapeMesure, x0, y0, X, Y);
    if (NumFonction == 14) {
        Mstat::Croix_Image_Couleur(X, Y, Couleur_trace(1));
    }
    v.CurrentX = X;
    v.CurrentY = Y;
    Imprime_numero_ligne();
    v.ForeColor = Couleur_trace(0);
    const double unites = Surface_vue(dx, dy);
    if (unites == 0) {
        Prompts::msgBox(Lib_Langue[216], Prompts::OkOnly);
        return;
    }
    const double k = KZoomCal * CalibrageActuel * FacteurZoom / DiviseurEchelle;
    const double s = unites * k * k;
    t.label(9).Caption = Vb::CStr(s);
    ValeursLigne[1] = s;
    Copie_vue(t.ImageMem);
    Copie_vue(t.Image1);
    Copie_vue(t.Image2);
    Mstat::Ajoute_Ligne_Grille_Mesure();
    EtapeMesure = 2;
    Fin_point();
}

} // namespace PGr

namespace Mstat {

void Numerote_Point(int X, int Y) {
    LigneTrame& trame = Trame(NbLignesGrille);
    DernierPointX = X;
    DernierPointY = Y;
    Surface& v = vue();
    v.CurrentX = X;
    v.CurrentY = Y;
    Imprime_numero_ligne();
    const SegmentTrame point = Vers_image(X, Y, 0, 0);
    trame.Segments[1].x1 = point.x1;
    trame.Segments[1].y1 = point.y1;
    trame.Image = IndexImageActive;
    trame.Zoom = NiveauZoom;
}

} // namespace Mstat
