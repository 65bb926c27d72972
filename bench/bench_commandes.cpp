// Times of the measuring window's menus on a full grid of 255 rows, in a view of
// 1600 x 1000 pixels showing a 4000 x 3000 picture: a change of function from the menu
// (question answered Yes, grid cleared, view repainted and redrawn), and "maj grille"
// (the grid written to a file and read back from it).
// Run the Release build: build/release/bench_commandes
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
#include "grid/enregistrement.h"
#include "grid/etat_grille.h"
#include "image/vue.h"
#include "platform/prompts.h"

using namespace Bench;

namespace {

// The segment function with its 255 rows, as the measures record them.
bool Grille_pleine(Tav& tav) {
    tav.MnuFonc_Click(1);
    for (int ligne = 1; ligne <= 255; ++ligne) {
        LongueurPixels = 100 + ligne;
        Mstat::Ajoute_Ligne_Grille_Mesure();
    }
    return NbLignesGrille == 256 && !GrilleRef.TextMatrix(255, 1).isEmpty();
}

} // namespace

int main(int argc, char** argv) {
    Bench::Environnement();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    Bench::Demarre_vue_1600(dir.path());
    Tav& tav = *Tav::instance();
    if (!Montre_image_test(dir.path())) return 1;
    SauveAuto = 0;

    constexpr int kFois = 10;
    std::vector<double> changements, rafraichissements;
    for (int k = 0; k < kFois; ++k) {
        if (!Grille_pleine(tav)) {
            std::printf("the grid was not filled: %d rows\n", NbLignesGrille - 1);
            return 1;
        }
        QElapsedTimer e;
        e.start();
        tav.Mntool_Click(4);
        rafraichissements.push_back(e.nsecsElapsed() / 1e6);
        if (NbLignesGrille != 256) {
            std::printf("the refresh lost rows: %d left\n", NbLignesGrille - 1);
            return 1;
        }
        Prompts::Script script;
        script.message(QStringLiteral("effacer"), Prompts::Yes);
        e.start();
        tav.MnDens_Click(1);
        changements.push_back(e.nsecsElapsed() / 1e6);
        if (NbLignesGrille != 1 || NumFonction != 13) {
            std::printf("the function did not change\n");
            return 1;
        }
    }
    std::printf("function change from the menu on 255 rows, median of %d: %.3f ms (max %.3f ms)\n", kFois,
                mediane(changements), maximum(changements));
    std::printf("\"maj grille\" on 255 rows, median of %d: %.3f ms (max %.3f ms)\n", kFois, mediane(rafraichissements),
                maximum(rafraichissements));
    return 0;
}
