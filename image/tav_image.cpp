// The measuring window's procedures of the image handling that other parts call.
#include "base/tav.h"
#include "image/etat_image.h"

void Tav::F_Img_Click(short index) {
    for (auto& [i, item] : F_Img.items()) item.Checked = false;
    F_Img(index).Checked = true;
    FormatImage = index;
}
