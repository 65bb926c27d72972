// Prints the time from process start to the statistics window shown, beside the start time
// of a bare Qt Widgets dialog built the same way, and the time of the grid statistics on a
// full grid of 255 rows. The driver starts each case as a child process and both read the
// system's monotonic clock, so the time includes loading the program and its libraries.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "bench/outils_bench.h"
#include "app/etat.h"
#include "base/etat_demarrage.h"
#include "base/etat_programme.h"
#include "platform/programme.h"
#include "base/tav.h"
#include "base/vb.h"
#include "grid/etat_grille.h"
#include "base/grilles.h"
#include "platform/prompts.h"
#include "statwin/fenhisto.h"
#include "base/etat_partage.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"
#include "colour/etat_couleur.h"

using Bench::mediane;

namespace {

double monotoneMs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

// Child: prints the monotonic time at which its window is on screen.
int montrer(bool bare) {
    if (bare) {
        QDialog d;
        d.resize(780, 640);
        QTimer::singleShot(0, &d, [&] {
            std::printf("%.3f\n", monotoneMs());
            d.accept();
        });
        d.exec();
        return 0;
    }
    QTemporaryDir dir;
    DossierApplication = dir.path();
    Prompts::Script script;
    script.message(QStringLiteral("Quitter"), Prompts::Yes);
    FenHisto::setModalHook([](FenHisto& f) {
        f.show();
        QApplication::processEvents();
        std::printf("%.3f\n", monotoneMs());
        f.Ferme_Histo();
    });
    Tav::instance()->Form_Load();
    return 0;
}

double lancer(const QString& programme, const QString& mode) {
    QProcess p;
    const double debut = monotoneMs();
    p.start(programme, {mode});
    p.waitForFinished(60000);
    return p.readAllStandardOutput().trimmed().toDouble() - debut;
}

void Grille_pleine() {
    Etat::Demarrage_test(QDir::tempPath());
    const int colonnes = 6;
    GrilleRef.setCols(colonnes + 3);
    GrilleRef.setRows(TailleGrille + 1);
    GrilleRefP.setCols(colonnes + 3);
    for (int c = 1; c <= colonnes; ++c) GrilleRef.setTextMatrix(0, c, QString(QChar('A' + c - 1)));
    for (int r = 1; r <= 255; ++r)
        for (int c = 1; c <= colonnes; ++c)
            GrilleRef.setTextMatrix(r, c, Vb::Format(10.0 + (r * 37 + c * 11) % 97 / 10.0, FormatDecimal));
    NbLignesGrille = 256;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_LOGGING_RULES", "*.debug=false;qt.qpa.*=false");
    QApplication app(argc, argv);
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--window") return montrer(false);
    if (mode == "--bare") return montrer(true);

    const int essais = 7;
    std::vector<double> fen, nu;
    for (int i = 0; i < essais; ++i) {
        fen.push_back(lancer(QCoreApplication::applicationFilePath(), QStringLiteral("--window")));
        nu.push_back(lancer(QCoreApplication::applicationFilePath(), QStringLiteral("--bare")));
    }
    std::printf("process start to statistics window shown: %.1f ms (median of %d)\n", mediane(fen), essais);
    std::printf("process start to bare Qt Widgets dialog shown: %.1f ms (median of %d)\n", mediane(nu), essais);

    Grille_pleine();
    Tav& tav = *Tav::instance();
    const int tours = 500;
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < tours; ++i) tav.Calcul_stat();
    std::printf("grid statistics, 255 rows x 6 columns: %.3f ms per call (%d calls)\n",
                double(t.nsecsElapsed()) / 1e6 / tours, tours);
    return 0;
}
