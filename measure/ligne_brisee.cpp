// Chained segments: a curved length measured as a chain of straight sides. The first
// click sets the origin, each left click adds a vertex, the right click adds the last one
// and closes the chain; its total length is the item's first value, and a straight
// segment of that length from the origin toward the last vertex stands for it in the
// record, so that the widths that follow are measured across it.
#include <cmath>
#include <cstdlib>

#include "base/etat_demarrage.h"
#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/messages.h"
#include "base/vb.h"
#include "grid/enregistrement.h"
#include "grid/etat_grille.h"
#include "measure/item_en_cours.h"
#include "measure/outils_mesure.h"
#include "measure/services_mesure.h"
#include "platform/prompts.h"

using namespace Mesure;

namespace {

constexpr double kPi = 3.14159;   // the chain's direction is turned with this value of pi

double Cote(int X, int Y) { return std::hypot(double(X) - DernierPointX, double(Y) - DernierPointY); }

void Debut_chaine(int X, int Y) {
    if (TraceSecondPoint) return;
    // An abandoned item swallows its own pending vertex, never the first one of a new chain.
    ImageRestauree = 0;
    TraceOrigine = -1;
    MesureBloquee = -1;
    TraceEnCours = -1;
    Mstat::Croix_Image_Couleur(X, Y, Couleur_trace(0));
    PointDepartX = DernierPointX = X;
    PointDepartY = DernierPointY = Y;
    PerimetreTotal = 0;
    Copie_vue(tav().Image1);
    RelacheIgnoree = -1;
}

// The side from the last vertex to (X, Y), added to the chain and drawn.
void Ajoute_cote(int X, int Y) {
    Surface& v = vue();
    PerimetreTotal += Cote(X, Y);
    v.Line(X, Y, DernierPointX, DernierPointY);
    Copie_vue(tav().Image1);
    DernierPointX = X;
    DernierPointY = Y;
}

void Sommet(int X, int Y, double k) {
    const long long d = std::llabs(X - (long long)DernierPointX) + std::llabs(Y - (long long)DernierPointY);
    if (d < TolClic) {
        TraceSecondPoint = -1;
        return;
    }
    if (ImageRestauree) {
        ImageRestauree = 0;
        return;
    }
    Surface& v = vue();
    v.CurrentX = X;
    v.CurrentY = Y;
    const double cote = Cote(X, Y);
    tav().label(9).Caption = Vb::CStr((PerimetreTotal + cote) * k);
    Ajoute_cote(X, Y);
}

void Fermeture(short EtapeMesure, int X, int Y, double k) {
    Tav& t = tav();
    RelacheIgnoree = -1;
    if (ImageRestauree) {
        ImageRestauree = 0;
        return;
    }
    Surface& v = vue();
    v.CurrentX = X;
    v.CurrentY = Y;
    Imprime_numero_ligne();
    Ajoute_cote(X, Y);
    const double P = PerimetreTotal;
    const int x0 = PointDepartX, y0 = PointDepartY;

    // The straight equivalent: length P from the origin toward the last vertex.
    const double dx = double(X) - x0, dy = double(Y) - y0;
    double a = 90, s = dy < 0 ? -1 : 1;
    if (dx != 0) {
        a = std::atan(dy / dx) * 180 / kPi;
        s = dx < 0 ? -1 : 1;
    }
    const double ex = x0 + s * P * std::cos(a * kPi / 180), ey = y0 + s * P * std::sin(a * kPi / 180);
    t.label(9).Caption = Vb::CStr(P * k);
    Stocke_segment(EtapeMesure, x0, y0, ex, ey);
    Copie_vue(t.ImageMem);
    v.Circle(ex, ey, 100);
    PGr::Parametres_axe();
    // The chain's length in image pixels, which a calibration pointed with "Poly" divides by.
    LongueurPixels = Vb::CLng(P * FacteurZoom / DiviseurEchelle * KZoomCal);

    if (!ToucheModeVue) {
        const int exi = Vb::CLng(ex), eyi = Vb::CLng(ey);
        v.Line(x0, y0, ex, ey);
        Mstat::Croix_Image(exi, eyi);
        v.CurrentX = x0;
        v.CurrentY = y0;
        if (t.Affmesure.Value == 1) {
            const int l = Vb::CLng(PGr::Distance_points(x0, y0, exi, eyi));
            t.SegmentTextIncline(Vb::Format(PGr::Pixels_en_microns(l), FormatDecimal), x0, y0, 1.0f, X, Y);
        } else {
            Imprime_numero_ligne();
        }
        LongueurPolygone = FacteurZoom * PerimetreTotal * CalibrageActuel * KZoomCal / DiviseurEchelle;
        Mstat::Ajoute_Ligne_Grille_Mesure();
    }
    PerimetreTotal = 0;
    Copie_vue(t.Image1);
    Fin_point(-1);
}

} // namespace

namespace PGr {

void Mesure_ligne_brisee(short& EtapeMesure, int X, int Y, short& Button, short) {
    const double k = CalibrageActuel * FacteurZoom * KZoomCal / DiviseurEchelle;
    tav().StatusBar.Text = Lib_Langue[163];
    try {
        if (!TraceOrigine) Debut_chaine(X, Y);
        else if (Button == 1) Sommet(X, Y, k);
        else if (Button == 2) Fermeture(EtapeMesure, X, Y, k);
    } catch (const Vb::Erreur&) {
        Prompts::msgBox(QStringLiteral("erreur seq"), Prompts::OkOnly);
    }
}

} // namespace PGr

void Tav::Check2_Click() {
    // A chain under way keeps the style it was begun in: the box shows it still.
    if (!Item::Prepare(Item::Commande::Poly)) {
        Check2.Value = ModePoly ? 1 : 0;
        return;
    }
    const bool coche = Check2.Value == 1;
    ModePoly = coche ? -1 : 0;
    Check2.BackColor = coche ? CouleursBouton::Rouge : CouleursBouton::Face;
}
