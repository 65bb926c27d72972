// Times of the image loader on a camera-sized picture, in a view of 1600 x 1000 pixels:
// opening a 24-megapixel JPEG through the file menu's open (the dialog scripted) and
// selecting it again from the loader's list, each against a bare decode of the same file
// in the same run. The open's 0.2 s pause runs on a clock that does not wait, so that the
// figure is the work alone. Run the Release build: build/release/bench_chargeur
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
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
#include "platform/prompts.h"
#include "platform/waits.h"

using namespace Bench;

int main(int argc, char** argv) {
    Bench::Environnement();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    Demarre_vue_1600(dir.path());
    Tav& tav = *Tav::instance();

    const QString p24 = dir.filePath(QStringLiteral("24mp.jpg"));
    if (!Ecrit_jpeg(p24, 6000, 4000)) return 1;
    const auto decode = [&] {
        QImageReader r(p24);
        QImage i;
        r.read(&i);
    };
    // Each timed run follows a bare decode of its own, so that both meet the same machine.
    std::vector<double> decodages;
    const auto decode_chrono = [&] { decodages.push_back(chrono(1, decode)); };

    bool ouvert = true;
    const double ouverture = chrono(
        7,
        [&] {
            Waits::FakeClock horloge;
            Prompts::Script script;
            script.open(p24);
            tav.MnuFIC_Click(1);
            ouvert = ouvert && script.remaining() == 0 && IndexImageActive == 1;
        },
        [&] {
            Demarre_vue_1600(dir.path());
            decode_chrono();
        });

    // Another picture shown, then the big one chosen again in the loader's list.
    const QString autre = dir.filePath(QStringLiteral("petite.png"));
    QImage petite(640, 480, QImage::Format_RGB32);
    petite.fill(Qt::gray);
    petite.save(autre);
    bool choisi = true;
    const double selection = chrono(
        7,
        [&] {
            ListIMGchar.setListIndex(0);
            tav.ListIMGchar_DblClick();
            choisi = choisi && IndexImageActive == 1 && NomImageActive == p24;
        },
        [&] {
            tav.appel_img_listchar(autre);
            decode_chrono();
        });
    const double reference = mediane(decodages);

    std::printf("24 MP JPEG, bare decode %.1f ms (median of %zu, from %.1f to %.1f)\n", reference, decodages.size(),
                *std::min_element(decodages.begin(), decodages.end()), *std::max_element(decodages.begin(), decodages.end()));
    std::printf("open through the file menu %.1f ms, ratio %.3f (bound 1.2)%s\n", ouverture, ouverture / reference,
                ouvert ? "" : "  OPEN FAILED");
    std::printf("selection again from the list %.1f ms, ratio %.3f (bound 1.2)%s\n", selection, selection / reference,
                choisi ? "" : "  SELECTION FAILED");
    return ouvert && choisi ? 0 : 1;
}
