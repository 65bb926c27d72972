// The scanner layer over SANE's own test backend, enabled in the test's folder alone
// (no system configuration is read): sources listed, pictures acquired in colour and grey.
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>

#include "platform/scanner.h"

namespace {

class Sane : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        QFile conf(dir_.filePath(QStringLiteral("dll.conf")));
        ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
        conf.write("test\n");
        conf.close();
        // The test backend's own settings: a page of 80 x 100 mm at 50 dpi.
        QFile test(dir_.filePath(QStringLiteral("test.conf")));
        ASSERT_TRUE(test.open(QIODevice::WriteOnly));
        test.write("resolution 50\n");
        test.close();
        // Without a trailing ':' the system's folders are not searched.
        setenv("SANE_CONFIG_DIR", dir_.path().toLocal8Bit().constData(), 1);
        Scanner::fermer();
    }
    void TearDown() override {
        Scanner::fermer();
        unsetenv("SANE_CONFIG_DIR");
    }
    QTemporaryDir dir_;
};

TEST_F(Sane, TestBackendListedAndAcquired) {
    QString raison;
    const QList<Scanner::Source> sources = Scanner::sources(&raison);
    ASSERT_FALSE(sources.isEmpty()) << raison.toStdString();
    for (const Scanner::Source& s : sources) EXPECT_TRUE(s.nom.startsWith(QStringLiteral("test:"))) << s.nom.toStdString();

    const Scanner::Resultat couleur = Scanner::acquerir(sources.front().nom, Scanner::Mode::Couleur);
    ASSERT_TRUE(couleur.reussi()) << couleur.erreur.toStdString();
    // 80 x 100 mm at 50 dpi.
    EXPECT_EQ(couleur.image.width(), 157);
    EXPECT_EQ(couleur.image.height(), 196);

    const Scanner::Resultat gris = Scanner::acquerir(sources.front().nom, Scanner::Mode::Gris);
    ASSERT_TRUE(gris.reussi()) << gris.erreur.toStdString();
    // Grey: every pixel has its three channels equal.
    for (int y = 0; y < gris.image.height(); y += 7)
        for (int x = 0; x < gris.image.width(); x += 7) {
            const QRgb p = gris.image.pixel(x, y);
            ASSERT_TRUE(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p)) << x << "," << y;
        }
}

// A source that does not exist fails with SANE's reason, and nothing is acquired.
TEST_F(Sane, UnknownSourceFails) {
    const Scanner::Resultat r = Scanner::acquerir(QStringLiteral("absent:0"), Scanner::Mode::Couleur);
    EXPECT_FALSE(r.reussi());
    EXPECT_FALSE(r.annule);
    EXPECT_FALSE(r.erreur.isEmpty());
}

} // namespace
