// The reference picture's frame: "Enregistre" writes the annotated full-size copy beside
// the picture, in the format chosen, and "Ferme" drops the copy.
#include <QFileInfo>

#include "base/etat_partage.h"
#include "base/gen.h"
#include "base/tav.h"
#include "image/annotations.h"
#include "image/captures.h"
#include "image/etat_image.h"
#include "platform/ecriture_image.h"
#include "platform/pointeur.h"

namespace {

// The picture's path without its extension: only the file name loses its last dot, a dot
// in a folder's name stays.
QString Base_reference(const QString& chemin) {
    const QFileInfo f(chemin);
    const QString nom = f.fileName();
    const int point = nom.lastIndexOf(QLatin1Char('.'));
    const QString sans = point > 0 ? nom.left(point) : nom;
    return chemin.left(chemin.size() - nom.size()) + sans;
}

// Writes the copy beside the picture, as a JPEG file or a bitmap, under the hourglass,
// then holds it saved; a copy that could not be written is told to the user.
void Ecrit_copie(Tav& tav, bool jpeg, const QString& chemin) {
    tav.Frame(13).MousePointer = Pointeur::Sablier;
    QString raison;
    bool ecrit = false;
    {
        Pointeur::Attente attente;
        const QImage& copie = tav.Picture2.Image();
        ecrit = !copie.isNull() && (jpeg ? Conversion_BMP_JPG::Sauve_JPG(copie, chemin, 100, &raison)
                                         : EcritureImage::bmp(copie, chemin, &raison));
    }
    tav.Frame(13).MousePointer = Pointeur::Fleche;
    // The button stays enabled: the user may free room or fix the folder and try again.
    if (!ecrit) {
        Gen::Signale_echec_ecriture(chemin, raison);
        return;
    }
    ImageRefPrete = -1;
    tav.Vald(2).Enabled = false;
}

QString Extension_choisie() { return TabExtImage.value(FormatImage, QStringLiteral("JPG")); }

} // namespace

void Tav::Vald_Click(short index) {
    if (index == 3) {
        BGr::Ferme_copie_reference();
        Frame(13).MousePointer = Pointeur::Fleche;
        return;
    }
    if (index != 2 || NomImageActive.isEmpty()) return;
    const bool jpeg = F_Img(1).Checked;
    // The chosen format is written straight from the copy: no intermediate file.
    const QString chemin = Base_reference(NomImageActive) +
                           (jpeg ? QStringLiteral("_Ref.") + Extension_choisie() : QStringLiteral("_Ref.bmp"));
    Ecrit_copie(*this, jpeg, chemin);
}

void Tav::Gere_Image_Ref(short index) {
    // Nothing calls it: the frame's two actions without the JPEG branch. Its save is a
    // bitmap, named "_Ref.bmp" whatever format is chosen, since a bitmap under a ".JPG"
    // name is a file no reader takes for what it holds.
    if (index == 3) {
        Vald_Click(3);
        return;
    }
    if (index != 2 || NomImageActive.isEmpty()) return;
    Ecrit_copie(*this, false, Base_reference(NomImageActive) + QStringLiteral("_Ref.bmp"));
}
