// Painting the view from the picture held, the redraw that every change of view ends
// in, the zoom label, and the view's answer to a resized window.
#include <cmath>

#include "base/etat_partage.h"
#include "base/rappels.h"
#include "base/tav.h"
#include "base/vb.h"
#include "image/etat_image.h"
#include "image/image_affichee.h"
#include "image/vignette.h"
#include "image/vue.h"

namespace BGr {

namespace {
// A picture pixel keeps its microns whatever the window's size: the coefficients count
// microns per view unit, so they follow the view units a picture spans (`avant` the view's
// width over the divisor before the resize), picture shown or not. Rows, rereads and the
// next measure then give the same lengths in any window.
void Coefficients_suivent_vue(double avant) {
    const double apres = Tav::instance()->Picture1.ScaleWidth / DiviseurEchelle;
    if (!(avant > 0) || !(apres > 0) || !std::isfinite(avant) || !std::isfinite(apres) || avant == apres) return;
    const double k = avant / apres;
    CalibrageActuel *= k;
    for (double& c : CalibrageImage) c *= k;
    Chargeur::Affiche_calibrage();
}

// The copies of the painted view that measuring and abandoning an item restore from.
void Copie_vue(Tav& tav) {
    const QImage vue = tav.Picture1.Image();
    tav.ImageMem.Charge_picture(vue);
    tav.Image2.Charge_picture(vue);
    tav.Image1.Charge_picture(tav.Image2.Image());
}
} // namespace

void Affiche_vue(short& niveau) {
    Tav& tav = *Tav::instance();
    try {
        const double f = std::pow(RapportZoom, niveau);
        const double ws = Largeur_himetric() * f;
        // The whole view is painted at the picture's scale, whatever its shape: a picture
        // taller than the view goes on to the view's lower edge.
        const double wd = tav.Picture1.Width, hd = tav.Picture1.Height;
        if (wd <= 0) throw Vb::Erreur(Vb::ErrDivisionZero, "view without width");
        const double hs = hd * ws / wd;
        Surface& vue = tav.Picture1.surface();
        vue.Cls();
        vue.PaintPicture(tav.picbase.contenu(), 0, 0, wd, hd, OrigineX, OrigineY, ws, hs);
        Affiche_zoom();
    } catch (const Vb::Erreur&) {
    }
    Copie_vue(tav);
}

void Retrace_vue(int tx, int ty) {
    Trace_vignette(0, 0, LargeurVignette);
    if (ZoomActif) {
        Calcule_rectangle_vignette(tx, ty);
        short niveau = NiveauZoom;
        Affiche_vue(niveau);
    }
}

void Affiche_zoom() {
    // The share shown, to the nearest half-hundredth, in the shortest writing.
    const double part = Vb::Int(100.0 / FacteurZoom + 0.5) * 0.005;
    Tav::instance()->label(2).Caption = QStringLiteral("Z= ") + Vb::CStr(part);
}

void Zoom_initial() {
    NiveauZoom = short(-2 * PasZoom);
    FacteurZoom = std::pow(RapportZoom, NiveauZoom);
    NiveauZoomInitial = NiveauZoom;
    short niveau = NiveauZoom;
    Affiche_vue(niveau);
    Trace_vignette(0, 0, LargeurVignette);
}

void Efface_vue() {
    Tav::instance()->Picture1.surface().Cls();
    Zoom_initial();
}

void Redimensionne_vue() {
    Tav& tav = *Tav::instance();
    // A resize cannot wait: a point placed in the old view is abandoned.
    Rappels::Commande_permise(Item::Commande::Redimension);
    const double avant = tav.Picture1.ScaleWidth / DiviseurEchelle;
    try {
        if (tav.WindowState == 0) DiviseurEchelle = 1.0;
        Rappels::Dispose_zone_image(tav.WindowState);
        // The layout set the outer size; the drawable size follows it.
        tav.Picture1.Interieur_suit();
        if (tav.Picture1.ScaleWidth <= 0) throw Vb::Erreur(Vb::ErrDivisionZero, "view without width");
        EchelleAffichage = Largeur_himetric() / tav.Picture1.ScaleWidth;
        // A maximised window carries the scale through the divisor instead.
        if (tav.WindowState == 0) Coefficients_suivent_vue(avant);
        Rappels::Position_panneau();
        OrigineX = 0;
        OrigineY = 0;
        NiveauZoom = NiveauZoomInitial;
        FacteurZoom = std::pow(RapportZoom, NiveauZoom);
        Retrace_vue(0, 0);
        Affiche_zoom();
    } catch (const Vb::Erreur&) {
    }
    if (AutoRetrace) Rappels::Retrace(0);
}

} // namespace BGr
