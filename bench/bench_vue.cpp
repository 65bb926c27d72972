// Times of the picture view on camera-sized pictures, in a view of 1600 x 1000 pixels:
// opening a 24-megapixel JPEG up to the first painted view against a bare decode of the
// same file, a pan frame, a zoom frame, a magnifier update, and opening 100 megapixels.
// Run the Release build: build/release/bench_vue
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench/outils_bench.h"
#include "app/etat.h"
#include "base/etat_partage.h"
#include "base/tav.h"
#include "image/services_image.h"

using namespace Bench;

int main(int argc, char** argv) {
    Bench::Environnement();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    Bench::Demarre_vue_1600(dir.path());
    Tav& tav = *Tav::instance();

    const QString p24 = dir.filePath(QStringLiteral("24mp.jpg"));
    if (!Ecrit_jpeg(p24, 6000, 4000)) return 1;
    const double decodage = chrono(5, [&](int) {
        QImageReader r(p24);
        QImage i;
        r.read(&i);
    });
    const double ouverture = chrono(5, [&](int) {
        BGr::Charge_image_base(p24);
    });
    std::printf("24 MP JPEG: bare decode %.1f ms, Charge_image_base to the painted view %.1f ms, ratio %.3f "
                "(bound 1.2)\n",
                decodage, ouverture, ouverture / decodage);
    BGr::Efface_vue();

    const double pan = chrono(60, [&](int i) {
        const int d = (i % 2 ? 1 : -1) * 1500;
        BGr::Decale_vue(d, d / 2);
    });
    std::printf("pan frame %.2f ms (bound 8)\n", pan);
    const double zoom = chrono(60, [&](int i) { tav.Czoom_Click(i % 2 ? 1 : 0); });
    std::printf("zoom frame %.2f ms (bound 8)\n", zoom);
    tav.Czoom_Click(0);
    tav.Czoom_Click(0);
    const double loupe = chrono(200, [&](int i) {
        tav.Picture1_MouseMove(0, 0, float(3000 + 37 * i), float(2000 + 23 * i));
    });
    std::printf("magnifier update %.3f ms (bound 4)\n", loupe);

    const QString p100 = dir.filePath(QStringLiteral("100mp.jpg"));
    if (!Ecrit_jpeg(p100, 12000, 8400)) return 1;
    const double decodage100 = chrono(1, [&](int) {
        QImageReader r(p100);
        QImage i;
        r.read(&i);
    });
    bool lu = false;
    const double ouverture100 = chrono(1, [&](int) { lu = BGr::Charge_image_base(p100); });
    std::printf("100 MP JPEG: opened %s in %.0f ms (bare decode %.0f ms)\n", lu ? "yes" : "NO", ouverture100,
                decodage100);
    return lu ? 0 : 1;
}
