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

#include "app/etat.h"
#include "base/etat_partage.h"
#include "base/tav.h"
#include "image/services_image.h"

namespace {

double mediane(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Milliseconds of each of `n` runs of `f`, the median.
double chrono(int n, const std::function<void(int)>& f) {
    std::vector<double> t;
    for (int i = 0; i < n; ++i) {
        QElapsedTimer e;
        e.start();
        f(i);
        t.push_back(e.nsecsElapsed() / 1e6);
    }
    return mediane(t);
}

// A picture with gradients, edges and grain, so that its JPEG decodes as a photograph's does.
bool Ecrit_jpeg(const QString& chemin, int w, int h) {
    QImage i(w, h, QImage::Format_RGB32);
    std::uint32_t graine = 12345;
    for (int y = 0; y < h; ++y) {
        QRgb* ligne = reinterpret_cast<QRgb*>(i.scanLine(y));
        for (int x = 0; x < w; ++x) {
            graine = graine * 1664525u + 1013904223u;
            const int bruit = int(graine >> 28);
            const int disque = ((x / 97 + y / 89) & 1) * 60;
            ligne[x] = qRgb((x * 255 / w + bruit) & 255, (y * 255 / h + disque) & 255, (disque + bruit * 3) & 255);
        }
    }
    QImageWriter writer(chemin, "JPEG");
    writer.setQuality(90);
    return writer.write(i);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*.debug=false;qt.qpa.*=false");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    Etat::Demarrage_test(dir.path());
    Tav& tav = *Tav::instance();
    // A window whose view is 24000 x 15000 twips inside: 1600 x 1000 pixels.
    tav.Fenetre.Width = 27180;
    tav.Fenetre.ScaleWidth = 27060;
    tav.Fenetre.Height = 17060;
    tav.Fenetre.ScaleHeight = 16060;
    tav.WindowState = 0;
    tav.Form_Resize();
    std::printf("view %d x %d pixels\n", tav.Picture1.surface().largeurPx(), tav.Picture1.surface().hauteurPx());

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
