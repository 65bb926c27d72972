// Times of the redraw in a view of 1600 x 1000 pixels with a full grid of 255 rows: the
// drawing of the rows alone, after the view is repainted, for spores 2D (row numbers, then
// lengths along the segments with "insère dim"), counts and polygons; and the whole redraw
// beside it (thumbnail and view repainted, then the rows drawn).
// Run the Release build: build/release/bench_retrace
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench/outils_bench.h"
#include "app/etat.h"
#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/tav.h"
#include "grid/etat_grille.h"
#include "grid/fonction.h"
#include "image/etat_image.h"
#include "image/vue.h"
#include "measure/retrace.h"

using namespace Bench;

namespace {

// 255 recorded rows spread over the picture: two segments each (a polygon keeps its centre
// in the first entry's start).
void Remplit() {
    for (int r = 1; r <= 255; ++r) {
        const int x = 3000 + (r % 40) * 1400, y = 3000 + (r % 20) * 2000;
        LigneTrame& t = Trame(r);
        t = LigneTrame();
        t.Image = 1;
        t.Segments[1] = {x, y, x + 1200, y + 400};
        t.Segments[2] = {x + 600, y - 300, x + 500, y + 600};
    }
    NbLignesGrille = 256;
}

} // namespace

int main(int argc, char** argv) {
    Bench::Environnement();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    Bench::Demarre_vue_1600(dir.path());
    Tav& tav = *Tav::instance();
    if (!Montre_image_test(dir.path(), false)) return 1;
    SauveAuto = 0;

    const auto repeint = [] {
        FacteurZoom = std::pow(RapportZoom, NiveauZoom);
        BGr::Retrace_vue(0, 0);
    };
    struct Famille {
        const char* nom;
        short fonction;
        bool dimensions;
        std::function<short(int)> trace;
    };
    const Famille familles[] = {
        {"spores 2D, row numbers", 2, false, Retrace::Trace_mesures},
        {"spores 2D, \"insère dim\"", 2, true, Retrace::Trace_mesures},
        {"counts", 10, false, Retrace::Trace_comptage},
        {"polygons", 16, false, Retrace::Trace_surface},
    };
    for (const Famille& f : familles) {
        NumFonction = f.fonction;
        PGr::Choix_fonction();
        PolygoneCercles = -1;
        tav.Affmesure.Value = f.dimensions ? 1 : 0;
        Remplit();
        const double lignes = chrono(
            21, [&f] {
                for (int r = 1; r <= 255; ++r) f.trace(r);
            },
            repeint);
        const double tout = chrono(21, [&tav] { tav.Retrace(0); });
        std::printf("%-26s 255 rows drawn: %.3f ms (target <= 2 ms); whole redraw: %.3f ms\n", f.nom, lignes, tout);
    }
    return 0;
}
