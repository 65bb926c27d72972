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

#include "app/etat.h"
#include "base/etat_partage.h"
#include "base/tav.h"
#include "image/services_image.h"
#include "platform/prompts.h"
#include "platform/waits.h"

namespace {

double mediane(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Milliseconds of `n` runs of `f` (each after `avant`, untimed), the median.
double chrono(int n, const std::function<void()>& f, const std::function<void()>& avant = {}) {
    std::vector<double> t;
    for (int i = 0; i < n; ++i) {
        if (avant) avant();
        QElapsedTimer e;
        e.start();
        f();
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

// The program as it starts, its window laid out for a view of 24000 x 15000 twips inside.
void Demarre(const QString& dossier) {
    Etat::Demarrage_test(dossier);
    Tav& tav = *Tav::instance();
    tav.Fenetre.Width = 27180;
    tav.Fenetre.ScaleWidth = 27060;
    tav.Fenetre.Height = 17060;
    tav.Fenetre.ScaleHeight = 16060;
    tav.WindowState = 0;
    tav.Form_Resize();
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*.debug=false;qt.qpa.*=false");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    Demarre(dir.path());
    Tav& tav = *Tav::instance();
    std::printf("view %d x %d pixels\n", tav.Picture1.surface().largeurPx(), tav.Picture1.surface().hauteurPx());

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
            Demarre(dir.path());
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
