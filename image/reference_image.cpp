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

} // namespace

void Tav::Vald_Click(short index) {
    if (index == 3) {
        BGr::Ferme_copie_reference();
        return;
    }
    if (index != 2 || NomImageActive.isEmpty()) return;
    const QImage& copie = Picture2.Image();
    const bool jpeg = F_Img(1).Checked;
    // The chosen format is written straight from the copy: no intermediate file.
    const QString chemin = Base_reference(NomImageActive) +
                           (jpeg ? QStringLiteral("_Ref.") + TabExtImage.value(FormatImage, QStringLiteral("JPG"))
                                 : QStringLiteral("_Ref.bmp"));
    QString raison;
    const bool ecrit = !copie.isNull() && (jpeg ? Conversion_BMP_JPG::Sauve_JPG(copie, chemin, 100, &raison)
                                                : EcritureImage::bmp(copie, chemin, &raison));
    if (!ecrit) {
        // The button stays enabled: the user may free room or fix the folder and try again.
        Gen::Signale_echec_ecriture(chemin, raison);
        return;
    }
    ImageRefPrete = -1;
    Vald(2).Enabled = false;
}
