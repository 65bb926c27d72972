// What the benchmark programs share: medians of timed runs, a per-call timer, a photograph-like
// JPEG, and the program started with its view laid out at 1600 x 1000 pixels.
#pragma once
#include <QElapsedTimer>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <type_traits>
#include <vector>

#include "app/etat.h"
#include "base/etat_partage.h"
#include "base/tav.h"
#include "image/vue.h"

namespace Bench {

// Every benchmark runs offscreen, without the platform plugin's chatter.
inline void Environnement() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*.debug=false;qt.qpa.*=false");
}

inline double mediane(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

inline double maximum(const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); }

// Milliseconds of `n` runs of `f` (each after `avant`, untimed), the median; `f` gets the run's number.
inline double chrono(int n, const std::function<void(int)>& f, const std::function<void()>& avant = {}) {
    std::vector<double> t;
    for (int i = 0; i < n; ++i) {
        if (avant) avant();
        QElapsedTimer e;
        e.start();
        f(i);
        t.push_back(double(e.nsecsElapsed()) / 1e6);
    }
    return mediane(t);
}

inline double chrono(int n, const std::function<void()>& f, const std::function<void()>& avant = {}) {
    return chrono(n, std::function<void(int)>([&](int) { f(); }), avant);
}

// Prints the mean microseconds of `fois` calls of `f(i)`; a returned number is kept from the optimiser.
template <typename F>
void mesure(const char* nom, int fois, F f) {
    static volatile double puits = 0;
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < fois; ++i) {
        if constexpr (std::is_void_v<decltype(f(i))>) f(i);
        else puits = puits + double(f(i));
    }
    const auto t1 = std::chrono::steady_clock::now();
    const double us = std::chrono::duration<double, std::micro>(t1 - t0).count() / fois;
    std::printf("%-64s %12.3f us/call\n", nom, us);
}

// A picture with gradients, edges and grain, so that it compresses as a photograph does.
inline QImage Photographie(int w, int h) {
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
    return i;
}

// That picture written as a JPEG of quality 90.
inline bool Ecrit_jpeg(const QString& chemin, int w, int h) {
    QImageWriter writer(chemin, "JPEG");
    writer.setQuality(90);
    return writer.write(Photographie(w, h));
}

// A picture with a gradient (and, with `ellipses`, outlines), so that a view of it is not flat.
inline QImage Image_test(int w, int h, bool ellipses = true) {
    QImage i(w, h, QImage::Format_RGB32);
    QPainter p(&i);
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, QColor(30, 60, 90));
    g.setColorAt(1, QColor(200, 180, 120));
    p.fillRect(i.rect(), g);
    if (ellipses)
        for (int k = 0; k < 400; ++k) p.drawEllipse((k * 997) % w, (k * 571) % h, 40, 30);
    return i;
}

// The program as it starts, its window laid out for a view of 24000 x 15000 twips inside
// (1600 x 1000 pixels).
inline void Demarre_vue_1600(const QString& dossier) {
    Etat::Demarrage_test(dossier);
    Tav& tav = *Tav::instance();
    tav.Fenetre.Width = 27180;
    tav.Fenetre.ScaleWidth = 27060;
    tav.Fenetre.Height = 17060;
    tav.Fenetre.ScaleHeight = 16060;
    tav.WindowState = 0;
    tav.Form_Resize();
    std::printf("view %d x %d pixels\n", tav.Picture1.surface().largeurPx(), tav.Picture1.surface().hauteurPx());
}

// A 4000 x 3000 test picture written in `dossier` and shown in a clean view, as the loader's
// first image: what the measuring benchmarks draw over.
inline bool Montre_image_test(const QString& dossier, bool ellipses = true) {
    const QString chemin = dossier + QStringLiteral("/image.png");
    if (!Image_test(4000, 3000, ellipses).save(chemin) || !BGr::Charge_image_base(chemin)) return false;
    BGr::Efface_vue();
    IndexImageActive = 1;  // as selecting the loader's first image does
    return true;
}

} // namespace Bench
