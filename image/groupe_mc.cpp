// The multilayer group: pictures of one field (focus planes) shown with one framing,
// whose measurements the redraw can show together and which can share one calibration.
#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/messages.h"
#include "base/rappels.h"
#include "base/tav.h"
#include "grid/fichier_trm.h"
#include "image/chargeur.h"
#include "image/services_image.h"
#include "platform/prompts.h"

void Tav::chkMC_Click(short Index) {
    if (Index == 0) {
        const bool mode = chkMC(0).Value != 0;
        chkMC(1).Enabled = mode;
        Mntool(6).Enabled = mode;
        FraMC(0).Visible = false;
    }
    if (Index == 0 || Index == 1) {
        Rappels::Retrace(0);
        if (FraListeImg.Visible) aff_liste_images();
    }
}

void Tav::cmdChargeMC_Click() {
    StatusBar.Text.clear();
    Controle& cadre = FraMC(0);
    if (cadre.Visible) {
        cadre.Visible = false;  // the view takes the keys back
        return;
    }
    cadre.Left = Picture1.Left + 100;
    cadre.Top = Picture1.Top + 5000;
    cadre.Visible = true;
    StatusBar.Text = Lib_Langue[68];
}

void Tav::BoutMC_Click(short Index) {
    switch (Index) {
    case 0:
        // The selected pictures join in list order; one already in the group ends the transfer.
        for (int i = 0; i < ListIMGchar.ListCount(); ++i) {
            if (!ListIMGchar.Selected(i)) continue;
            if (Chargeur::Dans_groupe(i)) break;
            Chargeur::Rejoint_groupe(i);
        }
        break;
    case 1:
        if (ListImgMC.ListIndex() >= 0) Chargeur::Quitte_groupe(ListImgMC.ListIndex());
        break;
    case 2:
        Chargeur::Vide_groupe();
        for (int i = 0; i < ListIMGchar.ListCount(); ++i) Chargeur::Rejoint_groupe(i);
        break;
    case 3:
        Chargeur::Vide_groupe();
        break;
    case 4:
        FraMC(0).Visible = false;
        if (FraListeImg.Visible) {
            FraListeImg.Visible = false;
            Bout_dial_Click(8);
        }
        break;
    default:
        break;
    }
}

namespace Gen {

void Calibrage_vers_groupe() {
    if (ListImgMC.ListCount() == 0) {
        Prompts::msgBox(Lib_Langue[200], Prompts::OkOnly);
        return;
    }
    // With no loaded image shown there is no factor of an image to hand on.
    if (IndexImageActive < 1 || IndexImageActive > ListIMGchar.ListCount()) return;
    if (Prompts::msgBox(Lib_Langue[201] + SautLigne + Lib_Langue[106], Prompts::YesNo | Prompts::IconInformation,
                        QStringLiteral("Attention !")) != Prompts::Yes)
        return;
    const double facteur = CalibrageImage[IndexImageActive];
    for (int k = 0; k < ListImgIdx.ListCount(); ++k) {
        const int index = Chargeur::Index_groupe(k);
        if (index >= 0) Gen::Calibre_image(index + 1, facteur);
    }
}

} // namespace Gen
