// The measuring window's procedures of the image handling that other parts call.
#include "base/tav.h"
#include "image/etat_image.h"
#include "base/etat_partage.h"

void Tav::F_Img_Click(short index) {
    for (auto& [i, item] : F_Img.items()) item.Checked = false;
    F_Img(index).Checked = true;
    FormatImage = index;
}

void Tav::appel_img_listchar(const QString&) {}
void Tav::Gest_FraRep(short) {}
