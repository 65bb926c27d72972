#include "platform/lecture_image.h"

#include <QImageReader>
#include <QPainter>

namespace LectureImage {

namespace {
// 1 GiB: a 100-megapixel picture takes 400 MB at 32 bits a pixel, and its decoder needs
// a buffer of its own for a while.
constexpr int kLimiteMo = 1024;

// Pictures are told apart by their content, and measured points are stored in their own
// pixel grid: no turn from metadata.
void Regle(QImageReader& lecteur) {
    lecteur.setDecideFormatFromContent(true);
    lecteur.setAutoTransform(false);
}
} // namespace

void Prepare() {
    if (QImageReader::allocationLimit() < kLimiteMo) QImageReader::setAllocationLimit(kLimiteMo);
}

int LimiteAllocation() { return QImageReader::allocationLimit(); }

QSize Taille(const QString& chemin) {
    QImageReader lecteur(chemin);
    Regle(lecteur);
    return lecteur.size();
}

Resultat Lire(const QString& chemin) {
    Prepare();
    QImageReader lecteur(chemin);
    Regle(lecteur);
    Resultat r;
    QImage image;
    if (!lecteur.read(&image) || image.isNull()) {
        r.erreur = lecteur.errorString();
        return r;
    }
    if (image.format() != QImage::Format_RGB32) {
        // Transparent parts show on the white a picture box starts with.
        if (image.hasAlphaChannel()) {
            QImage fond(image.size(), QImage::Format_RGB32);
            fond.fill(Qt::white);
            if (!fond.isNull()) {
                QPainter p(&fond);
                p.drawImage(0, 0, image);
            }
            image = fond;
        } else {
            image = image.convertToFormat(QImage::Format_RGB32);
        }
        if (image.isNull()) {
            r.erreur = QStringLiteral("out of memory");
            return r;
        }
    }
    r.image = std::move(image);
    return r;
}

} // namespace LectureImage
