// Times of the reference picture's saves on a 24-megapixel annotated copy, in BMP and in
// JPEG at quality 100, each against a bare QImageWriter write of the same copy, and the
// time of one acquisition from SANE's test backend.
// Run the Release build: build/release/bench_reference
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "bench/outils_bench.h"
#include "app/etat.h"
#include "base/etat_partage.h"
#include "base/tav.h"
#include "image/etat_image.h"
#include "image/services_image.h"
#include "platform/prompts.h"
#include "platform/scanner.h"

using namespace Bench;

int main(int argc, char** argv) {
    Bench::Environnement();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    Etat::Demarrage_test(dir.path());
    Tav& tav = *Tav::instance();

    const QString image = dir.filePath(QStringLiteral("photo.png"));
    if (!Photographie(6000, 4000).save(image, "PNG")) return 1;
    {
        Prompts::Script script;
        script.open(image);
        Gen::Ouvre_image();
    }
    // One scale bar on the view and on the copy, through the window's handlers.
    tav.CalSrc_Click(1);
    tav.Illus_Click(1);
    tav.Picture1_MouseDown(1, 0, 1500, 1500);
    tav.Picture1_MouseUp(1, 0, 1500, 1500);
    tav.TBox(5).Text = QStringLiteral("50");
    tav.Bout_Click(31);
    tav.Bout_Click(31);
    const QImage copie = tav.Picture2.Image();
    std::printf("copy %d x %d, save offered: %s\n", copie.width(), copie.height(), tav.Vald(2).Enabled ? "yes" : "NO");

    const QString nu_bmp = dir.filePath(QStringLiteral("nu.bmp")), nu_jpg = dir.filePath(QStringLiteral("nu.jpg"));
    const double bmp_nu = chrono(3, [&] { QImageWriter(nu_bmp, "bmp").write(copie); });
    tav.F_Img_Click(0);
    const double bmp = chrono(3, [&] {
        tav.Vald_Click(2);
        tav.Vald(2).Enabled = true;
    });
    const double jpg_nu = chrono(3, [&] {
        QImageWriter w(nu_jpg, "jpeg");
        w.setQuality(100);
        w.write(copie);
    });
    tav.F_Img_Click(1);
    const double jpg = chrono(3, [&] {
        tav.Vald_Click(2);
        tav.Vald(2).Enabled = true;
    });
    const QString base = dir.filePath(QStringLiteral("photo_Ref."));
    std::printf("24 MP BMP save %.0f ms, bare QImageWriter %.0f ms, ratio %.2f (%s)\n", bmp, bmp_nu, bmp / bmp_nu,
                QFile::exists(base + QStringLiteral("bmp")) ? "written" : "NOT WRITTEN");
    std::printf("24 MP JPEG q100 save %.0f ms, bare QImageWriter %.0f ms, ratio %.2f (%s)\n", jpg, jpg_nu, jpg / jpg_nu,
                QFile::exists(base + QStringLiteral("JPG")) ? "written" : "NOT WRITTEN");

    // SANE's test backend alone, 80 x 100 mm at 300 dpi in colour.
    const QString conf = dir.filePath(QStringLiteral("sane"));
    QDir().mkpath(conf);
    QFile d(conf + QStringLiteral("/dll.conf")), t(conf + QStringLiteral("/test.conf"));
    if (!d.open(QIODevice::WriteOnly) || !t.open(QIODevice::WriteOnly)) return 1;
    d.write("test\n");
    t.write("resolution 300\n");
    d.close();
    t.close();
    setenv("SANE_CONFIG_DIR", conf.toLocal8Bit().constData(), 1);
    QImage acquise;
    const double acquisition = chrono(3, [&] {
        acquise = Scanner::acquerir(QStringLiteral("test:0"), Scanner::Mode::Couleur).image;
    });
    std::printf("test-backend acquisition %d x %d in colour: %.0f ms\n", acquise.width(), acquise.height(), acquisition);
    Scanner::fermer();
    return acquise.isNull() ? 1 : 0;
}
