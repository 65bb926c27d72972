// The measuring window's procedures of the colour part that other parts call.
#include "base/etat_partage.h"
#include "base/tav.h"
#include "colour/etat_couleur.h"

void Tav::Lrg_Click(short index) {
    if (index < 1 || index > 6) return;
    for (int i = 1; i <= 6; ++i) Lrg(i).Checked = false;
    TailleZone = short(1 << (index + 2));
    IndexZoneCouleur = index;
    VScroll3.Value = index;
    Lrg(index).Checked = true;
}
