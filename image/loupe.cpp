// The magnifier: the square of the view around the pointer, enlarged, with its cross.
#include "base/tav.h"
#include "image/etat_image.h"
#include "image/vignette.h"

namespace BGr {

void Actualise_loupe(double X, double Y) {
    Tav& tav = *Tav::instance();
    if (IllusReferenceValeur || LoupeFigee || !tav.PLoupePic.Visible) return;
    Surface& loupe = tav.PLoupePic.surface();
    // What lies beyond the view's edges shows the magnifier's background, not the last square.
    loupe.AutoRedraw = true;
    loupe.Cls();
    loupe.PaintPicture(tav.Picture1.contenu(), 0, 0, TailleLoupeEcran, TailleLoupeEcran, X - DemiZoneLoupe,
                       Y - DemiZoneLoupe, ZoneLoupe, ZoneLoupe);
    Croix_loupe(DemiLoupeEcran, DemiLoupeEcran);
}

void Croix_loupe(int x, int y) {
    Surface& loupe = Tav::instance()->PLoupePic.surface();
    loupe.ForeColor = Surface::QBColor(int(CouleursTrace[0]));
    loupe.DrawMode = Surface::FusionPlumeNonEcran;
    loupe.Line(double(x) - DemiLoupeEcran, y, double(x) + DemiLoupeEcran, y);
    loupe.Line(x, double(y) - DemiLoupeEcran, x, double(y) + DemiLoupeEcran);
}

} // namespace BGr
