// The measuring window's procedures of the colour part that other parts call.
#include "base/etat_partage.h"
#include "base/tav.h"
#include "colour/etat_couleur.h"

void Tav::Lrg_Click(short index) {
    if (index < 1 || index > 6) return;
    for (int i = 1; i <= 6; ++i) Lrg(i).Checked = false;
    // The zone's half side: item 1 "8x8" samples 5 x 5 pixels, item 6 "256x256" 129 x 129.
    TailleZone = short(1 << index);
    IndexZoneCouleur = index;
    VScroll3.Value = index;
    Lrg(index).Checked = true;
}
