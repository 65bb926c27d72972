// Times of the colour part: a 15-line nearest-swatch search by each formula over 1,000
// swatches (the search itself; charts hold 256), the reading of a 256-swatch chart, and the
// mean of the largest zone (129 x 129 pixels).
#include <QCoreApplication>
#include <QImage>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench/outils_bench.h"
#include "base/etat_demarrage.h"
#include "colour/ajustement_calcul.h"
#include "colour/ecarts.h"
#include "colour/etat_couleur.h"
#include "colour/fichiers_couleur.h"
#include "colour/zone.h"
#include "platform/textfile.h"

using namespace Bench;

namespace {

struct Nuance {
    Ecarts::RVB rvb;
    Ecarts::Lab lab;
};

std::vector<Nuance> Nuances(int n) {
    std::vector<Nuance> v(std::size_t(n) + 1);
    for (int i = 1; i <= n; ++i) {
        const double r = (i * 37) % 256, g = (i * 91) % 256, b = (i * 53) % 256;
        v[std::size_t(i)] = {{r, g, b}, {(i * 7) % 100 + 0.5, (i * 13) % 160 - 80.25, (i * 29) % 160 - 79.75}};
    }
    return v;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    using namespace CalculAjustement;
    const std::vector<Nuance> charte = Nuances(1000);
    const int n = 1000;
    const Ecarts::RVB rvb{120.5, 64.25, 30};
    const Ecarts::Lab lab{50.1, -3.2, 4.4};
    auto recherche = [&](auto distance) {
        return [&, distance](int) { return double(Cherche_voisins(15, n, distance).back().nuance); };
    };
    mesure("15 nearest of 1000, RGB quadratic", 2000,
           recherche([&](int i) { return Ecarts::Delta_RVB(rvb, charte[std::size_t(i)].rvb); }));
    mesure("15 nearest of 1000, L*a*b* quadratic", 2000,
           recherche([&](int i) { return Ecarts::Delta_Lab_quadratique(lab, charte[std::size_t(i)].lab); }));
    mesure("15 nearest of 1000, CIE76", 2000,
           recherche([&](int i) { return Ecarts::Delta_CIE76(lab, charte[std::size_t(i)].lab); }));
    mesure("15 nearest of 1000, CIE94", 500,
           recherche([&](int i) { return Ecarts::Delta_CIE94(lab, charte[std::size_t(i)].lab); }));
    mesure("15 nearest of 1000, CMC (1:1)", 500,
           recherche([&](int i) { return Ecarts::Delta_CMC(lab, charte[std::size_t(i)].lab); }));
    mesure("15 nearest of 1000, CIEDE2000", 200,
           recherche([&](int i) { return Ecarts::Delta_CIEDE2000(lab, charte[std::size_t(i)].lab); }));

    // A chart file of 256 swatches, read into the chart.
    QTemporaryDir dossier;
    RepProg = dossier.path();
    QStringList lignes{QStringLiteral("CALIBRAGECOL=0"), QStringLiteral("NBMESURES =256"), QStringLiteral("LISTE=")};
    for (int s = 1; s <= 256; ++s)
        lignes << QStringLiteral("%1;%2,53;%3,2;%4;%5,61;-%6,25;%7,4;8;1;nuance %1;")
                      .arg(s).arg(s % 256).arg((s * 3) % 256).arg((s * 7) % 256).arg(s % 100).arg(s % 80).arg(s % 90);
    const QString chemin = dossier.filePath(QStringLiteral("bench.Nua"));
    TextFile::writeLines(chemin, lignes);
    mesure("Lit_Nuancier, 256 swatches", 500, [&](int) { return Vistrane::Lit_Nuancier(chemin) ? double(NbCouleurs) : 0.0; });

    // The largest zone: half side 64, 129 x 129 pixels.
    QImage image(1600, 1200, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb((x * 7) % 256, (y * 3) % 256, (x + y) % 256));
    mesure("Moyenne_zone, 129 x 129 pixels", 2000,
           [&](int i) { return Vistrane::Moyenne_zone(image, 400 + i % 50, 300 + i % 40, 64).R; });
    return 0;
}
