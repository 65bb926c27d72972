#include "platform/ecriture_image.h"

#include <QImageWriter>
#include <QSaveFile>
#include <algorithm>

namespace EcritureImage {
namespace {

bool ecrire_qt(const QImage& image, const QString& chemin, const QByteArray& format, int qualite, QString* raison) {
    const auto echec = [raison](const QString& r) {
        if (raison) *raison = r;
        return false;
    };
    if (image.isNull()) return echec(QStringLiteral("no picture to write"));
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly)) return echec(f.errorString());
    QImageWriter w(&f, format);
    if (qualite >= 0) w.setQuality(std::clamp(qualite, 0, 100));
    // A short write (disk full) can pass for a whole one: the size the file reached tells.
    if (!w.write(image)) {
        f.cancelWriting();
        return echec(w.errorString());
    }
    if (!f.flush() || f.size() != f.pos()) {
        const QString r = f.errorString();
        f.cancelWriting();
        return echec(r);
    }
    if (!f.commit()) return echec(f.errorString());
    if (raison) raison->clear();
    return true;
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
