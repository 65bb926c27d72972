// Times of the calibration: loading a calibration file of 1,000 entries into the panel's
// list, one save into that file, and the dialog's "OK" from the typed value to the
// coefficient stored with the pointing taken out of a grid of 255 rows (grid frame shown,
// so the statistics are recomputed as the user would see them).
// Run the Release build: build/rel/bench_calibrage
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench/outils_bench.h"
#include "app/etat.h"
#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/tav.h"
#include "grid/etat_grille.h"
#include "measure/calibrage.h"
#include "platform/prompts.h"
#include "platform/textfile.h"

using namespace Bench;

namespace {

void Ligne(const char* quoi, const std::vector<double>& ms) {
    std::printf("%-58s median %8.3f ms  max %8.3f ms  (%zu runs)\n", quoi, mediane(ms), maximum(ms), ms.size());
}

void Segment(Tav& tav, float x, float y, float longueur) {
    tav.Picture1_MouseDown(1, 0, x, y);
    tav.Picture1_MouseMove(1, 0, x + longueur, y);
    tav.Picture1_MouseUp(1, 0, x + longueur, y);
}

} // namespace

int main(int argc, char** argv) {
    Bench::Environnement();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    Etat::Demarrage_test(dir.path());
    Tav& tav = *Tav::instance();
    Prompts::Script::setFailureHook([](const QString& texte) {
        std::fprintf(stderr, "unexpected prompt: %s\n", qPrintable(texte));
        std::exit(1);
    });
    Prompts::Script script;

    // --- the list: a file of 1,000 entries
    QStringList lignes{QStringLiteral("ne pas modifier les données numériques !"), QString(), QString()};
    for (int i = 1; i <= 1000; ++i)
        lignes << QStringLiteral("objectif x%1 oculaire %2 =  0,%3").arg(i % 100).arg(i).arg(100000 + i);
    const QString fichier = Calibrage::Chemin_fichier();
    if (!TextFile::writeLines(fichier, lignes)) return 1;
    std::vector<double> chargements;
    for (int k = 0; k < 50; ++k) {
        QElapsedTimer e;
        e.start();
        tav.Calibrage_Charge();
        chargements.push_back(e.nsecsElapsed() / 1e6);
    }
    std::printf("list: %d items\n", tav.ListCalib.ListCount());
    Ligne("loading a 1,000-entry Tavl.Cal into the list", chargements);

    // --- one save into that file
    std::vector<double> sauvegardes;
    for (int k = 0; k < 50; ++k) {
        tav.TBox(0).Text = QStringLiteral("essai %1").arg(k);
        QElapsedTimer e;
        e.start();
        if (!tav.Calibrage_Sauve()) return 1;
        sauvegardes.push_back(e.nsecsElapsed() / 1e6);
    }
    Ligne("one save (file of 1,000 entries and more)", sauvegardes);

    // --- OK over a full grid: 254 rows of the user's, the pointing as row 255
    const QString image = dir.filePath(QStringLiteral("image.png"));
    QImage i(1000, 750, QImage::Format_RGB32);
    i.fill(QColor(40, 40, 40));
    if (!i.save(image)) return 1;
    script.open(image, QStringLiteral("Ouvrir Image"));
    tav.MnuFIC_Click(1);
    SauveAuto = 0;
    tav.MnuFonc_Click(1);
    tav.Frame(6).Visible = true;
    for (int ligne = 1; ligne <= 254; ++ligne) Segment(tav, 1000, float(500 + (ligne % 20) * 300), float(100 + ligne));
    std::printf("grid: %d rows\n", NbLignesGrille - 1);
    std::vector<double> validations;
    for (int k = 0; k < 30; ++k) {
        tav.Bout_Click(10);
        Segment(tav, 1000, 6000, 400);
        tav.TBox(5).Text = QStringLiteral("100");
        QElapsedTimer e;
        e.start();
        tav.Bout_Click(31);
        validations.push_back(e.nsecsElapsed() / 1e6);
        if (NbLignesGrille != 255 || CalibrageImage[IndexImageActive] != CalibrageActuel) return 1;
        tav.Bout_Click(10);
        Segment(tav, 1000, 6000, 400);
        tav.TBox(5).Text = QStringLiteral("400");
        tav.Bout_Click(31);
    }
    Ligne("OK: coefficient stored, pointing removed (255-row grid)", validations);
    return 0;
}
