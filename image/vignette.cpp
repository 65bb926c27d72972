// The thumbnail: the whole picture small, the viewport rectangle, and the click that
// moves the view there.
#include <QImage>

#include "base/etat_partage.h"
#include "base/messages.h"
#include "base/rappels.h"
#include "base/tav.h"
#include "base/vb.h"
#include "image/etat_image.h"
#include "image/vignette.h"
#include "image/vue.h"
#include "platform/prompts.h"

namespace BGr {

void Trace_vignette(short, short, int w) {
    Tav& tav = *Tav::instance();
    BoiteImage& vignette = tav.VignP;
    const double wt = Largeur_image(), ht = Hauteur_image();
    // Without a picture the thumbnail stays empty.
    const int h = wt > 0 ? Vb::CLng(w * ht / wt) : 0;
    vignette.ScaleMode = 1;
    vignette.Dimensionne(w, h);
    Surface& s = vignette.surface();
    s.AutoRedraw = true;
    s.Cls();
    // The reduced copy made at the load spares a pass over a large picture at each redraw.
    const BoiteImage& base = tav.picbase;
    s.PaintPicture(base.Apercu.isNull() ? base.Image() : base.Apercu, 0, 0, vignette.ScaleWidth,
                   vignette.ScaleHeight);
    if (RapportImage != 0) vignette.Echelle_utilisateur(vignette.ScaleWidth, vignette.ScaleWidth / RapportImage);
    vignette.surface().AutoRedraw = false;
}

void Calcule_rectangle_vignette(int x, int y) {
    Tav& tav = *Tav::instance();
    // A minimised window shows nothing and frames nothing.
    int k = 0;
    if (tav.WindowState == 0) k = 1;
    else if (tav.WindowState == 2) k = Vb::CInt(RapportVue);
    if (k == 0) return;
    const double wt = Largeur_image();
    if (wt <= 0 || tav.Picture1.ScaleHeight <= 0) return;  // nothing to frame
    const double r = tav.Picture1.ScaleWidth / tav.Picture1.ScaleHeight;
    // A rectangle far larger than the thumbnail is capped before it becomes a whole
    // number, so zooming far out never overflows.
    double w = tav.VignP.Width * EchelleAffichage * FacteurZoom * tav.Picture1.Width / wt;
    if (!(w <= 30000)) w = 20000;
    double h = Vb::CLng(w) / r / k;
    if (!(h <= 30000)) h = 20000;
    Rectangle_vignette(x, y, Vb::CLng(w), Vb::CLng(h));
}

void Rectangle_vignette(int x, int y, int w, int h) {
    Surface& s = Tav::instance()->VignP.surface();
    const long couleur = Surface::QBColor(int(CouleursTrace[1]));
    const double x2 = double(x) + w, y2 = double(y) + h;
    s.Line(x, y, x2, y, couleur);
    s.Line(x2, y, x2, y2, couleur);
    s.Line(x2, y2, x, y2, couleur);
    s.Line(x, y2, x, y, couleur);
}

void Clic_vignette(short, short, float X, float Y) {
    Tav& tav = *Tav::instance();
    if (!Rappels::Commande_permise(Item::Commande::Vue)) return;
    try {
        if (tav.VignP.Width == 0) throw Vb::Erreur(Vb::ErrDivisionZero, "thumbnail without width");
        const double s = Largeur_image() / tav.VignP.Width;
        Trace_vignette(0, 0, LargeurVignette);
        if (ZoomActif) {
            OrigineX = Vb::CLng(X * s);
            OrigineY = Vb::CLng(Y * s);
            Calcule_rectangle_vignette(Vb::CLng(X), Vb::CLng(Y));
            short niveau = NiveauZoom;
            Affiche_vue(niveau);
        }
        if (AutoRetrace) Rappels::Retrace(0);
    } catch (const Vb::Erreur&) {
        Prompts::msgBox(Lib_Langue[101] + QStringLiteral("103"), Prompts::OkOnly);
    }
}

} // namespace BGr
