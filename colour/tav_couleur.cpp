// The measuring window's procedures of the colour part that other parts call.
#include "base/etat_partage.h"
#include "base/tav.h"
#include "base/vb.h"
#include "colour/etat_couleur.h"

void Tav::Lrg_Click(short index) {
    if (index < 1 || index > 6) return;
    for (int i = 1; i <= 6; ++i) Lrg(i).Checked = false;
    // The zone's half side: item 1 "8x8" samples 5 x 5 pixels, item 6 "256x256" 129 x 129.
    TailleZone = short(1 << index);
    IndexZoneCouleur = index;
    // Setting the scroll bar runs its change handler, which shows the side in its label.
    if (VScroll3.Value != index) {
        VScroll3.Value = index;
        VScroll3_Change();
    }
    Lrg(index).Checked = true;
}

void Tav::VScroll3_Change() {
    const int valeur = VScroll3.Value;
    // The sample's side, 4 x 2 ^ value pixels, as the label shows it.
    if (valeur >= 0 && valeur <= 12) {
        const short n = Vb::CInt(4.0 * double(1 << valeur));
        Label8(1).Caption = QString::number(n) + 'x' + QString::number(n);
    }
    Lrg_Click(short(valeur));
}
