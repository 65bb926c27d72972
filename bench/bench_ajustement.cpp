// Times of the colour adjustment window on a 256-swatch chart and three measured rows: from
// the measuring window's "Ajuster" to the window's first list (load, captions, the kind's
// search and the showing's own), and one search run again after a change of the number of
// results.
#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>

#include "bench/outils_bench.h"
#include "app/etat.h"
#include "base/tav.h"
#include "colour/ajustement.h"
#include "colour/etat_couleur.h"
#include "colour/fichiers_couleur.h"
#include "colour/zone.h"
#include "platform/prompts.h"
#include "platform/textfile.h"

using namespace Bench;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dossier;
    Etat::Demarrage_test(dossier.path());
    // Colour mode says that no standard file is loaded; the bench answers it.
    {
        Prompts::Script script;
        script.message(QString());
        Tav::instance()->MnuFonc_Click(20);
    }
    Tav::instance()->Lrg_Click(2);
    const double centre = (11 + 0.5) * 2540.0 * 15.0 / 1440.0;
    for (QRgb c : {qRgb(200, 100, 50), qRgb(90, 60, 30), qRgb(100, 80, 40)}) {
        QImage image(60, 60, QImage::Format_RGB32);
        image.fill(c);
        Vistrane::Mesure_Zone(image, centre, long(centre));
    }

    QStringList lignes{QStringLiteral("CALIBRAGECOL=0"), QStringLiteral("NBMESURES =256"), QStringLiteral("LISTE=")};
    for (int s = 1; s <= 256; ++s)
        lignes << QStringLiteral("%1;%2;%3;%4;%5,61;-%6,25;%7,4;8;1;nuance %1;")
                      .arg(s).arg(s % 256).arg((s * 3) % 256).arg((s * 7) % 256).arg(s % 100).arg(s % 80).arg(s % 90);
    const QString chemin = dossier.filePath(QStringLiteral("bench.Nua"));
    TextFile::writeLines(chemin, lignes);
    {
        Prompts::Script script;
        script.open(chemin);
        BGr::Ouvre_nuancier();
    }
    std::printf("chart: %d swatches\n", int(NbCouleurs));

    Ajustement& aj = *Ajustement::instance();
    mesure("\"Ajuster\" to the first list (then \"Fermer\"), 256 swatches", 500, [&](int) {
        Ajustement::Ouvre();
        aj.Command1_Click(0);
    });
    Ajustement::Ouvre();
    mesure("Text4 changed: one 15-line RGB search, 256 swatches", 2000,
           [&](int i) { aj.Tape(aj.Text4, i % 2 ? QStringLiteral("15") : QStringLiteral("14")); });
    aj.Clique(aj.Option2, 1);
    aj.Clique(aj.OpDelta, 8);
    mesure("Text4 changed: one 15-line CIEDE2000 search, 256 swatches", 500,
           [&](int i) { aj.Tape(aj.Text4, i % 2 ? QStringLiteral("15") : QStringLiteral("14")); });
    return 0;
}
