// What users type or keep in small files, on any text: the test series and its risk, the
// class-count box, grid cell numbers, typed colour values, the settings' format patterns
// and the warning text file. Nothing may crash or let an error out; the figures read are
// finite. One program per reader, chosen by SAISIE when it is built.
#include <QApplication>
#include <QTemporaryDir>
#include <cmath>

#include "app/aide.h"
#include "app/etat.h"
#include "base/vb.h"
#include "colour/comparaison.h"
#include "colour/conversion.h"
#include "platform/prompts.h"
#include "platform/textfile.h"
#include "stats/test_serie.h"
#include "statwin/histogramme_classes.h"
#include "statwin/series_grille.h"
#include "tests/fuzz/fuzz_commun.h"

namespace {
QTemporaryDir* dossier = nullptr;
Prompts::Script* script = nullptr;
QApplication* application = nullptr;
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application = new QApplication(*argc, *argv);
    dossier = new QTemporaryDir;
    Prompts::Script::setFailureHook([](const QString&) {});
    script = new Prompts::Script;
    Etat::Demarrage_test(dossier->path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t taille) {
    const QString texte = Texte(data, taille);
#if SAISIE == 1
    // The first character picks the test and the log-normal option; the risk follows "|".
    Mstat::Entree_Test e;
    e.Code = texte.isEmpty() || texte[0].unicode() % 2 ? Mstat::Code_Homogeneite : Mstat::Code_Shapiro_Wilk;
    e.Log_Normale = !texte.isEmpty() && texte[0].unicode() % 4 >= 2;
    e.Serie = texte.mid(1).section(QLatin1Char('|'), 0, 0);
    e.Risque = texte.section(QLatin1Char('|'), 1);
    Mstat::Lance_Test(e);
    Mstat::Risque_valide(e.Risque);
#elif SAISIE == 2
    const int n = Histogramme::Nombre_classes(texte);
    VERIFIE(n >= 2 && n <= Histogramme::ClassesMax);
    if (const auto correction = Histogramme::Correction_nombre_classes(texte))
        VERIFIE(Histogramme::Nombre_classes(*correction) == Histogramme::Nombre_classes(*correction));
#elif SAISIE == 3
    double v = 0;
    if (SeriesGrille::Nombre(texte, v)) VERIFIE(std::isfinite(v));
#elif SAISIE == 4
    // Three typed values, ";" between them, compared as the window's typed source.
    CalculAjustement::EntreesAjustement e;
    for (int k = 0; k < 3; ++k) e.Text3[size_t(k)] = texte.section(QLatin1Char(';'), k, k);
    e.Option3 = 2;
    CalculAjustement::xComparer(e);
    const CalculAjustement::Couleur c = CalculAjustement::Couleur_saisie(e);
    Vistrane::Lab_de_RVB(c[1], c[2], c[3]);
    VERIFIE(CalculAjustement::EcartCoul(1, c, c) == 0 || !std::isfinite(c[1] + c[2] + c[3]));
#elif SAISIE == 5
    for (double v : {0.0, -1.5, 2.5, 123456.789, -1e-300, 1e300, 1.7976931348623157e308})
        VERIFIE(Vb::Format(v, texte).size() <= 400 + 2 * texte.size());
#elif SAISIE == 6
    TextFile::write(dossier->filePath(QStringLiteral("avert_fr.txt")), texte);
    Gen::Bienvenue();
#endif
    return 0;
}
