// Removing from the loader the images that no measurement row uses: the rows after a
// removed image are renumbered, and every table of the loader follows its pictures.
#include <algorithm>

#include "base/etat_partage.h"
#include "base/gen.h"
#include "base/grilles.h"
#include "base/tav.h"
#include "base/vb.h"
#include "grid/etat_grille.h"
#include "image/chargeur.h"
#include "image/etat_image.h"
#include "image/services_image.h"

namespace {

// Rows that name an image after the removed one `numero` name it one lower, in their
// record and in the grid's "img" column.
void Renumerote_lignes(short numero) {
    if (NbLignesGrille <= 1) return;
    const int colonne = GrilleRef.Cols() - 2;
    for (int r = 1; r <= NbLignesGrille && r <= TableMesuresMax; ++r) {
        LigneTrame& t = Trame(r);
        if (t.Image <= numero) continue;
        t.Image = short(t.Image - 1);
        // The row being measured shows its number once it holds a value.
        if (colonne < 1 || r >= GrilleRef.Rows()) continue;
        if (r < NbLignesGrille || !GrilleRef.TextMatrix(r, colonne).isEmpty())
            GrilleRef.setTextMatrix(r, colonne, QString::number(t.Image));
    }
}

// Removes the images of `ImagesAEffacer`, one at a time.
void Efface_images() {
    for (int j = 0; j <= Chargeur::Capacite && ImagesAEffacer[j] >= 0; ++j) {
        const short r = ImagesAEffacer[j];
        // The list may be older than the last measure or selection: an image in use stays.
        if (r >= ListIMGchar.ListCount() || Chargeur::Image_utilisee(short(r + 1))) continue;
        Renumerote_lignes(short(r + 1));
        Chargeur::Retire(r);
        // The images still to remove keep naming the same pictures.
        for (int k = j + 1; k <= Chargeur::Capacite && ImagesAEffacer[k] >= 0; ++k)
            if (ImagesAEffacer[k] > r) ImagesAEffacer[k] = short(ImagesAEffacer[k] - 1);
    }
}

} // namespace

void Tav::AffListeImgUT() {
    ImagesInutilisees = Aucune_image();
    CheminsInutilises.clear();
    // In multilayer mode the purge lists nothing, so that no line can name a stale image.
    ListRep.Clear();
    if (chkMC(0).Value) return;
    int n = 0;
    for (int i = 0; i < ListIMGchar.ListCount() && n < Chargeur::Capacite; ++i)
        if (!Chargeur::Image_utilisee(short(i + 1))) ImagesInutilisees[n++] = short(i);
    for (int k = 0; k < n; ++k) {
        CheminsInutilises << ListIMGchar.List(ImagesInutilisees[k]);
        ListRep.AddItem(Gen::Nom_fichier(CheminsInutilises.back()));
    }
}

void Tav::RepEffaceLigne() {
    try {
        Efface_images();
    } catch (const Vb::Erreur&) {
    }
    AffListeImgUT();
    if (FraListeImg.Visible) aff_liste_images();
}

namespace Gen {

void Efface_images_choisies() {
    Tav& tav = *Tav::instance();
    ImagesAEffacer = Aucune_image();
    // The lines name the pictures the user saw listed: the loader may have changed since,
    // so each is looked for by its path, and one no longer loaded is left alone.
    QList<short> index;
    for (int k = 0; k < tav.ListRep.ListCount() && k < CheminsInutilises.size(); ++k) {
        if (!tav.ListRep.Selected(k)) continue;
        const int i = ListIMGchar.items().indexOf(CheminsInutilises[k]);
        if (i >= 0 && !index.contains(short(i))) index << short(i);
    }
    std::sort(index.begin(), index.end());
    for (int m = 0; m < index.size() && m < Chargeur::Capacite; ++m) ImagesAEffacer[m] = index[m];
    tav.RepEffaceLigne();
}

} // namespace Gen
