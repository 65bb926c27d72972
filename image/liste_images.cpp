// Choosing a loaded image: the selection that shows it with its calibration, the list
// frame's names and the lists' handlers, and the two table resets.
#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/messages.h"
#include "base/rappels.h"
#include "base/tav.h"
#include "base/vb.h"
#include "grid/etat_grille.h"
#include "image/chargeur.h"
#include "image/etat_image.h"
#include "image/image_affichee.h"
#include "image/services_image.h"
#include "image/vue.h"

namespace Gen {

void Init_calibrages() { CalibrageImage.fill(1.0); }

void RAZ_images_marquees() { ImageMC.fill(0); }

} // namespace Gen

bool Tav::appel_img_listchar(const QString& NomImg) {
    if (!Gen::Fichier_existe(NomImg, QString(), 1)) return false;
    // A file that is there but holds no picture leaves the picture shown, and so its
    // number and calibration, as they were. The entry of the picture shown is read again
    // but keeps its annotated copy: choosing it once more loses no unsaved annotation.
    const bool meme = NomImg == NomImageActive && IndexImageActive == ListIMGchar.ListIndex() + 1;
    if (!BGr::Charge_image_base(NomImg, meme)) return false;
    labNomFic.Caption = NomImg;
    NomImageActive = NomImg;
    Chargeur::Affiche_dimensions();
    IndexImageActive = short(ListIMGchar.ListIndex() + 1);
    CalibrageActuel = CalibrageImage[IndexImageActive];
    Chargeur::Affiche_calibrage();
    Chargeur::Echelle_resolution();
    if (AutoRetrace) Rappels::Retrace(0);
    return true;
}

void Tav::appel_img_listchar_twain(const QString&) { appel_img_listchar(ListIMGchar.Text()); }

namespace Chargeur {

bool Montre_premiere_image() {
    if (Nombre() > 0 && !ListIMGchar.List(0).trimmed().isEmpty()) {
        ListIMGchar.setListIndex(0);
        if (Tav::instance()->appel_img_listchar(ListIMGchar.Text())) return true;
    }
    Gen::Montre_aucune_image();
    return false;
}

} // namespace Chargeur

void Tav::aff_liste_images() {
    if (!FraListeImg.Visible) return;  // the view keeps the focus
    ListImgAff.Clear();
    const Liste& source = chkMC(0).Value ? ListImgMC : ListIMGchar;
    for (const QString& chemin : source.items()) ListImgAff.AddItem(Gen::Nom_fichier(chemin));
}

void Tav::ListIMGchar_DblClick() {
    if (!Rappels::Commande_permise(Item::Commande::ListeImages)) return;
    if (!Gen::Fichier_existe(ListIMGchar.Text(), QString(), 1)) return;
    Rappels::Restaure_image();
    appel_img_listchar(ListIMGchar.Text());
}

void Tav::ListImgMC_DblClick() {
    if (!Rappels::Commande_permise(Item::Commande::ListeImages)) return;
    try {
        if (!Gen::Fichier_existe(ListImgMC.Text(), QString(), 1)) return;
        const int index = Chargeur::Index_groupe(ListImgMC.ListIndex());
        if (index < 0) return;
        ListIMGchar.setListIndex(index);
        appel_img_listchar(ListIMGchar.Text());
    } catch (const Vb::Erreur&) {
    }
}

void Tav::ListImgAff_Click() {
    if (!Rappels::Commande_permise(Item::Commande::ListeImages)) return;
    try {
        Rappels::Restaure_image();
        const int k = ListImgAff.ListIndex();
        if (chkMC(0).Value) {
            const int index = Chargeur::Index_groupe(k);
            if (index < 0) return;
            ListIMGchar.setListIndex(index);
        } else {
            ListIMGchar.setListIndex(k);
        }
        if (ListIMGchar.ListIndex() < 0) return;
        listImgTxt.Text = ListIMGchar.Text();
        appel_img_listchar(ListIMGchar.Text());
        Rappels::Retrace(0);
    } catch (const Vb::Erreur&) {
    }
}

void Tav::ListIMGchar_KeyDown(short KeyCode, short) {
    if (KeyCode == 27) return;  // Escape hands the keys back to the view
    lblFichier.Visible = true;
    lblFichier.Caption = ListIMGchar.Text();
}

void Tav::ListIMGchar_KeyUp(short, short) {
    lblFichier.Visible = false;
}
