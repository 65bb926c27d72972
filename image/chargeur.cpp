#include "image/chargeur.h"

#include <QDir>
#include <QSet>

#include "base/etat_partage.h"
#include "base/vb.h"
#include "grid/etat_grille.h"
#include "image/image_affichee.h"
#include "image/services_image.h"

namespace Chargeur {

int Nombre() { return ListIMGchar.ListCount(); }

bool Plein() { return Nombre() >= Capacite; }

int Index_de(const QString& chemin) {
    // An exact comparison: two spellings of one file are two images, as they always were.
    return int(ListIMGchar.items().indexOf(chemin));
}

QString Chemin_dans(const QString& dossier, const QString& nom) {
    if (dossier.isEmpty()) return nom;
    return QDir(dossier).filePath(nom);
}

bool Lignes_sur_images() {
    for (int r = 1; r < NbLignesGrille && r <= TableMesuresMax; ++r)
        if (Trame(r).Image > 0) return true;
    return false;
}

bool Image_utilisee(short numero) {
    if (numero == IndexImageActive) return true;
    for (int r = 1; r < NbLignesGrille && r <= TableMesuresMax; ++r)
        if (Trame(r).Image == numero) return true;
    return false;
}

short Ajoute(const QString& chemin, double calibrage, bool groupe) {
    if (Plein()) return 0;
    const int index = Nombre();
    ListIMGchar.AddItem(chemin);
    const short numero = short(index + 1);
    CalibrageImage[numero] = calibrage;
    // A flag left by a list read from a file must not put the newcomer in the group.
    ImageMC[index] = 0;
    if (groupe) Rejoint_groupe(index);
    return numero;
}

void Active(short numero) {
    IndexImageActive = numero;
    ListIMGchar.setListIndex(numero >= 1 && numero <= Nombre() ? numero - 1 : -1);
}

void Calibrage_hors_liste() {
    bool lignes = false;
    for (int r = 1; r < NbLignesGrille && r <= TableMesuresMax; ++r) lignes = lignes || Trame(r).Image == 0;
    if (lignes) CalibrageActuel = CalibrageImage[0];
    else CalibrageImage[0] = CalibrageActuel;
    Affiche_calibrage();
}

void Vide() {
    ListIMGchar.Clear();
    ListImgMC.Clear();
    ListImgIdx.Clear();
    ListImgAff.Clear();
    Gen::RAZ_images_marquees();
    IndexImageActive = 0;
}

void Retire(int index) {
    const int n = Nombre();
    if (index < 0 || index >= n) throw Vb::Erreur(Vb::ErrIndice, "subscript out of range");
    // The group: the picture's own entry leaves, the entries after it follow their pictures.
    for (int k = ListImgIdx.ListCount() - 1; k >= 0; --k) {
        const int i = Index_groupe(k);
        if (i == index) {
            if (k < ListImgMC.ListCount()) ListImgMC.RemoveItem(k);
            ListImgIdx.RemoveItem(k);
        } else if (i > index) {
            ListImgIdx.setList(k, QString::number(i - 1));
        }
    }
    ListIMGchar.RemoveItem(index);
    // Calibrations by image number, flags by list index: each moves up with its picture.
    for (int numero = index + 1; numero < n; ++numero) CalibrageImage[numero] = CalibrageImage[numero + 1];
    for (int i = index; i < n - 1; ++i) ImageMC[i] = ImageMC[i + 1];
    ImageMC[n - 1] = 0;
    short actif = IndexImageActive;
    if (actif == index + 1) actif = 0;
    else if (actif > index + 1) --actif;
    Active(actif);
}

bool Dans_groupe(int index) { return index >= 0 && index <= Capacite && ImageMC[index] != 0; }

void Rejoint_groupe(int index) {
    ListImgMC.AddItem(ListIMGchar.List(index));
    ListImgIdx.AddItem(QString::number(index));
    ImageMC[index] = -1;
}

void Quitte_groupe(int k) {
    const int i = Index_groupe(k);
    if (i >= 0) ImageMC[i] = 0;
    ListImgMC.RemoveItem(k);
    if (k < ListImgIdx.ListCount()) ListImgIdx.RemoveItem(k);
}

void Vide_groupe() {
    ListImgMC.Clear();
    ListImgIdx.Clear();
    Gen::RAZ_images_marquees();
}

int Index_groupe(int k) {
    if (k < 0 || k >= ListImgIdx.ListCount()) return -1;
    const double v = Vb::Val(ListImgIdx.List(k));
    if (v < 0 || v >= Nombre() || v != double(int(v))) return -1;
    return int(v);
}

QString Incoherence() {
    const int n = Nombre();
    if (n > Capacite) return QStringLiteral("%1 images, above the capacity").arg(n);
    if (ListImgMC.ListCount() != ListImgIdx.ListCount())
        return QStringLiteral("%1 group entries, %2 indexes").arg(ListImgMC.ListCount()).arg(ListImgIdx.ListCount());
    QSet<int> membres;
    for (int k = 0; k < ListImgIdx.ListCount(); ++k) {
        const int i = Index_groupe(k);
        if (i < 0) return QStringLiteral("group entry %1 names no loaded image").arg(k);
        if (ListImgMC.List(k) != ListIMGchar.List(i)) return QStringLiteral("group entry %1 is not image %2").arg(k).arg(i + 1);
        if (membres.contains(i)) return QStringLiteral("image %1 twice in the group").arg(i + 1);
        membres.insert(i);
    }
    for (int i = 0; i < n; ++i) {
        const short attendu = membres.contains(i) ? -1 : 0;
        if (ImageMC[i] != attendu) return QStringLiteral("flag of image %1 is %2").arg(i + 1).arg(ImageMC[i]);
    }
    if (IndexImageActive < 0 || IndexImageActive > n)
        return QStringLiteral("image shown %1 of %2").arg(IndexImageActive).arg(n);
    return QString();
}

} // namespace Chargeur
