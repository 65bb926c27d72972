#include "image/image_affichee.h"

#include "base/etat_partage.h"
#include "base/tav.h"
#include "base/vb.h"
#include "platform/surface.h"

namespace Chargeur {

int Largeur_pixels() { return Vb::CLng(Tav::instance()->picbase.Width / double(Surface::TwipsParPixel)); }
int Hauteur_pixels() { return Vb::CLng(Tav::instance()->picbase.Height / double(Surface::TwipsParPixel)); }

void Affiche_dimensions() {
    Tav& tav = *Tav::instance();
    tav.lblWidth.Caption = QString::number(Largeur_pixels());
    tav.lblHeight.Caption = QString::number(Hauteur_pixels());
}

void Affiche_calibrage() {
    Tav::instance()->label(5).Caption = QStringLiteral("Cal. = ") + Vb::Format(CalibrageActuel, QStringLiteral("###0.0000"));
}

void Echelle_resolution() {
    KZoomCal = 1.0;
    if (!IndResolution) KZoomCal = Largeur_pixels() * 0.001;
}

} // namespace Chargeur
