// Moving and zooming the view: hand panning, centring on a point, zoom by click, the
// zoom step that keeps the top-left corner, and the zoom buttons.
#include <cmath>

#include "base/etat_partage.h"
#include "base/tav.h"
#include "base/vb.h"
#include "image/etat_image.h"
#include "image/vignette.h"
#include "image/vue.h"

namespace BGr {

namespace {

// The zoom state, to put back when a change fails half-way.
struct EtatZoom {
    short niveau = NiveauZoom;
    double facteur = FacteurZoom;
    int x = OrigineX, y = OrigineY;
    void remettre() const {
        NiveauZoom = niveau;
        FacteurZoom = facteur;
        OrigineX = x;
        OrigineY = y;
    }
};

// A level moved by `pas`, which must stay a 16-bit whole number.
short Niveau_plus(int pas) {
    const int n = NiveauZoom + pas;
    if (n < -32768 || n > 32767) throw Vb::Erreur(Vb::ErrDepassement, "overflow");
    return short(n);
}

// Centres the view on (x, y), raising the error of a centre beyond the origin's range.
void Centre_sur(int x, int y) {
    const Tav& tav = *Tav::instance();
    Trace_vignette(0, 0, LargeurVignette);
    const double k = Facteur_deplacement();
    const int ox = Vb::CLng(k * (x - tav.Picture1.ScaleWidth * 0.5) + OrigineX);
    const int oy = Vb::CLng(k * (y - tav.Picture1.ScaleHeight * 0.5) + OrigineY);
    OrigineX = ox;
    OrigineY = oy;
    Retrace_vue(Origine_vers_vignette_X(), Origine_vers_vignette_Y());
}

// Repaints at the state just put back, quietly: the state is already sound.
void Repeint_sans_erreur() {
    try {
        Retrace_vue(Origine_vers_vignette_X(), Origine_vers_vignette_Y());
    } catch (const Vb::Erreur&) {
    }
}

} // namespace

void Decale_vue(int dx, int dy) {
    // A pan beyond the origin's range ends quietly, as a centring does: both coordinates
    // are computed before either changes, so the origin stays whole.
    try {
        const double k = Facteur_deplacement();
        const int ox = Vb::CLng(OrigineX - k * dx);
        const int oy = Vb::CLng(OrigineY - k * dy);
        OrigineX = ox;
        OrigineY = oy;
        Retrace_vue(Origine_vers_vignette_X(), Origine_vers_vignette_Y());
    } catch (const Vb::Erreur&) {
    }
}

void Deplace_vue(int x, int y) {
    try {
        Centre_sur(x, y);
    } catch (const Vb::Erreur&) {
    }
}

void Zoom_clic(short Button, short, float& X, float& Y) {
    const int s = Button == 1 ? -1 : (Button == 2 ? 1 : 0);
    const EtatZoom avant;
    NiveauZoom = Niveau_plus(s * PasZoom);
    FacteurZoom = std::pow(RapportZoom, NiveauZoom);
    const double r = std::pow(RapportZoom, s);
    X = float(X / r);
    Y = float(Y / r);
    try {
        Centre_sur(Vb::CLng(X), Vb::CLng(Y));
    } catch (const Vb::Erreur&) {
        // A centre beyond reach must not leave the new level over the old picture, with
        // clicks converted at a factor the view does not show.
        avant.remettre();
        Repeint_sans_erreur();
    }
}

void Centre_vue(int tx, int ty) {
    Tav& tav = *Tav::instance();
    const EtatZoom entree;
    try {
        Trace_vignette(0, 0, LargeurVignette);
        if (tav.VignP.Width == 0) throw Vb::Erreur(Vb::ErrDivisionZero, "thumbnail without width");
        const double s = Largeur_image() / tav.VignP.Width;
        OrigineX = Vb::CLng(tx * s);
        OrigineY = Vb::CLng(ty * s);
        Calcule_rectangle_vignette(tx, ty);
        // The view is painted at the level and origin held on entry: the origin read back
        // from the thumbnail point is rounded, the one held is exact. Painting from the
        // rounded one first would be overwritten unseen.
        entree.remettre();
        short niveau = NiveauZoom;
        Affiche_vue(niveau);
    } catch (const Vb::Erreur&) {
        entree.remettre();
        short niveau = NiveauZoom;
        Affiche_vue(niveau);
    }
}

void Change_zoom(short mode, short, int& tx, int& ty) {
    const EtatZoom avant;
    try {
        if (mode == 1) NiveauZoom = Niveau_plus(-PasZoom);
        else if (mode == 2) NiveauZoom = Niveau_plus(PasZoom);
        FacteurZoom = std::pow(RapportZoom, NiveauZoom);
        tx = Origine_vers_vignette_X();
        ty = Origine_vers_vignette_Y();
        Centre_vue(tx, ty);
    } catch (const Vb::Erreur&) {
        avant.remettre();
        try {
            tx = Origine_vers_vignette_X();
            ty = Origine_vers_vignette_Y();
            Retrace_vue(tx, ty);
        } catch (const Vb::Erreur&) {
        }
    }
}

void Boutons_zoom(short index) {
    Tav& tav = *Tav::instance();
    int tx = 0, ty = 0;
    switch (index) {
    case 0:
        Change_zoom(1, 0, tx, ty);
        break;
    case 1:
        if (NiveauZoom < 0) Change_zoom(2, 0, tx, ty);
        break;
    case 2:
        NiveauZoom = NiveauZoomInitial;
        OrigineX = 0;
        OrigineY = 0;
        FacteurZoom = std::pow(RapportZoom, NiveauZoom);
        Retrace_vue(0, 0);
        break;
    case 3:
        if (PasZoom == 2) {
            PasZoom = 1;
            tav.Czoom(3).Caption = QStringLiteral("<<");
        } else if (PasZoom == 1) {
            PasZoom = 2;
            tav.Czoom(3).Caption = QStringLiteral(">>");
        }
        break;
    default:
        break;
    }
}

} // namespace BGr
