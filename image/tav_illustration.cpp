// The illustration menu's choices that start an annotation, and the reference option.
#include "base/messages.h"
#include "base/tav.h"
#include "image/etat_image.h"

void Tav::Illus_Click(short index) {
    Bout_Symb.Visible = false;
    switch (index) {
    case 1:
        StatusBar.Text = Lib_Langue[194];
        IllusReference = -1;
        IllusTexte = 0;
        break;
    case 2:
        IllusReferenceOrientee = -1;
        IllusReferenceValeur = 0;
        Sauve_Ecran3();
        break;
    case 4:
        StatusBar.Text = Lib_Langue[194];
        IllusTexte = -1;
        break;
    default:
        break;
    }
}

void Tav::CalSrc_Click(short) {
    CalSrc(1).Checked = !CalSrc(1).Checked;
    ReferenceSurImage = CalSrc(1).Checked ? -1 : 0;
}
