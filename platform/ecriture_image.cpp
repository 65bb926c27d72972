#include "platform/ecriture_image.h"

#include <QImageWriter>
#include <algorithm>

#include "platform/bytefile.h"

namespace EcritureImage {
namespace {

bool ecrire_qt(const QImage& image, const QString& chemin, const QByteArray& format, int qualite, QString* raison) {
    const auto echec = [raison](const QString& r) {
        if (raison) *raison = r;
        return false;
    };
    if (image.isNull()) return echec(QStringLiteral("no picture to write"));
    return ByteFile::write(
        chemin,
        [&](QIODevice& d, QString& motif) {
            QImageWriter w(&d, format);
            if (qualite >= 0) w.setQuality(std::clamp(qualite, 0, 100));
            if (w.write(image)) return true;
            motif = w.errorString();
            return false;
        },
        raison);
}

} // namespace

bool bmp(const QImage& image, const QString& chemin, QString* raison) {
    return ecrire_qt(image, chemin, "bmp", -1, raison);
}

} // namespace EcritureImage

namespace Conversion_BMP_JPG {

bool Sauve_JPG(const QImage& image, const QString& chemin, long qualite, QString* raison) {
    return EcritureImage::jpeg(image, chemin, int(std::clamp(qualite, 0L, 100L)), raison);
}

} // namespace Conversion_BMP_JPG
