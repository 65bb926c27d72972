// Pictures written as BMP and JPEG files: colours and rows where they belong, whatever
// the picture's layout, accented paths, and failures that say so and leave no file.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/ecriture_image.h"

namespace {

// 5 x 3, white, with four corners of different colours: any flip, channel swap or
// wrong row stride moves or changes a corner.
QImage Coins(QImage::Format format) {
    QImage i(5, 3, QImage::Format_RGB32);
    i.fill(Qt::white);
    i.setPixel(0, 0, qRgb(255, 0, 0));
    i.setPixel(4, 0, qRgb(0, 160, 0));
    i.setPixel(0, 2, qRgb(0, 0, 255));
    i.setPixel(4, 2, qRgb(40, 40, 40));
    return i.convertToFormat(format);
}

// Within `tol` on every channel.
::testing::AssertionResult Proche(QRgb lu, QRgb attendu, int tol) {
    if (std::abs(qRed(lu) - qRed(attendu)) <= tol && std::abs(qGreen(lu) - qGreen(attendu)) <= tol &&
        std::abs(qBlue(lu) - qBlue(attendu)) <= tol)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::hex << lu << " for " << attendu;
}

TEST(EcritureImage, JpegAtFullQualityKeepsEachPixel) {
    QTemporaryDir dir;
    // RGB888 rows of 15 bytes are padded to 16: the stride must be followed.
    for (QImage::Format f : {QImage::Format_RGB32, QImage::Format_RGB888, QImage::Format_ARGB32}) {
        SCOPED_TRACE(int(f));
        const QImage source = Coins(f);
        const QString chemin = dir.filePath(QStringLiteral("coins é %1.jpg").arg(int(f)));
        QString raison = QStringLiteral("old");
        ASSERT_TRUE(Conversion_BMP_JPG::Sauve_JPG(source, chemin, 100, &raison)) << raison.toStdString();
        EXPECT_TRUE(raison.isEmpty());
        const QImage lu(chemin, "JPEG");
        ASSERT_EQ(lu.size(), QSize(5, 3));
        const QImage ref = source.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x) EXPECT_TRUE(Proche(lu.pixel(x, y), ref.pixel(x, y), 24)) << x << "," << y;
    }
}

TEST(EcritureImage, BmpIsExact) {
    QTemporaryDir dir;
    const QImage source = Coins(QImage::Format_RGB888);
    const QString chemin = dir.filePath(QStringLiteral("coins àé.bmp"));
    ASSERT_TRUE(EcritureImage::bmp(source, chemin));
    EXPECT_EQ(QImage(chemin).convertToFormat(QImage::Format_RGB32), source.convertToFormat(QImage::Format_RGB32));
}

// A path that cannot be written: false with a reason, no file, and an existing file of
// that name left whole.
TEST(EcritureImage, FailuresAreReported) {
    QTemporaryDir dir;
    const QImage source = Coins(QImage::Format_RGB32);
    QString raison;
    const QString absent = dir.filePath(QStringLiteral("absent/coins.jpg"));
    EXPECT_FALSE(Conversion_BMP_JPG::Sauve_JPG(source, absent, 100, &raison));
    EXPECT_FALSE(raison.isEmpty());
    EXPECT_FALSE(QFile::exists(absent));
    raison.clear();
    EXPECT_FALSE(EcritureImage::bmp(source, dir.filePath(QStringLiteral("absent/coins.bmp")), &raison));
    EXPECT_FALSE(raison.isEmpty());
    // A folder in the way cannot be replaced by the file.
    const QString dossier = dir.filePath(QStringLiteral("pris.jpg"));
    ASSERT_TRUE(QDir().mkpath(dossier));
    EXPECT_FALSE(Conversion_BMP_JPG::Sauve_JPG(source, dossier, 90, &raison));
    EXPECT_TRUE(QFileInfo(dossier).isDir());
    // No picture: nothing written.
    EXPECT_FALSE(EcritureImage::jpeg(QImage(), dir.filePath(QStringLiteral("vide.jpg")), 90, &raison));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("vide.jpg"))));
}

} // namespace
