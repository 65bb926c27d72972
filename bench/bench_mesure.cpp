// Times of the measuring in a view of 1600 x 1000 pixels: from the release that ends a
// segment to its grid row written (grid frame shown, no automatic save), over the 255 rows
// of a full grid, and one mouse move of the rubber band while a length is drawn.
// Run the Release build: build/release/bench_mesure
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/outils_bench.h"
#include "app/etat.h"
#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/grilles.h"
#include "base/tav.h"
#include "grid/etat_grille.h"
#include "image/vue.h"

using namespace Bench;

int main(int argc, char** argv) {
    Bench::Environnement();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    Bench::Demarre_vue_1600(dir.path());
    Tav& tav = *Tav::instance();

    if (!Montre_image_test(dir.path())) return 1;
    SauveAuto = 0;
    tav.MnuFonc_Click(1);
    tav.Frame(6).Visible = true;

    std::vector<double> relachements, mouvements;
    for (int ligne = 1; ligne <= 255; ++ligne) {
        const float x0 = float(1500 + (ligne % 40) * 500), y0 = float(1500 + (ligne % 20) * 600);
        tav.Picture1_MouseDown(1, 0, x0, y0);
        for (int k = 1; k <= 4; ++k) {
            QElapsedTimer e;
            e.start();
            tav.Picture1_MouseMove(1, 0, x0 + 300 * k, y0 + 100 * k);
            mouvements.push_back(e.nsecsElapsed() / 1e6);
        }
        QElapsedTimer e;
        e.start();
        tav.Picture1_MouseUp(1, 0, x0 + 1200, y0 + 400);
        relachements.push_back(e.nsecsElapsed() / 1e6);
    }
    if (NbLignesGrille != 256 || GrilleRef.TextMatrix(255, 1).isEmpty()) {
        std::printf("the grid was not filled: %d rows\n", NbLignesGrille - 1);
        return 1;
    }
    std::printf("release to grid row written, median of %zu rows: %.3f ms (max %.3f ms; target <= 1 ms)\n",
                relachements.size(), mediane(relachements), maximum(relachements));
    std::printf("one rubber-band mouse move, median of %zu: %.3f ms (max %.3f ms)\n", mouvements.size(),
                mediane(mouvements), maximum(mouvements));
    return 0;
}
