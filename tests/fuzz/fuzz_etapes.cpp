// The steps that apply a file to the program, and the small readers of what users type or
// keep, on any bytes: nothing may crash or let an error out, and the numbers read are
// finite. The apply steps start each input from the start-up state. One program per step,
// chosen by ETAPE when it is built (CMakeLists.txt names them).
#include <QApplication>
#include <QTemporaryDir>
#include <cmath>

#include "app/aide.h"
#include "app/etat.h"
#include "app/langue.h"
#include "app/parametres.h"
#include "base/etat_programme.h"
#include "base/vb.h"
#include "colour/comparaison.h"
#include "colour/conversion.h"
#include "colour/fichiers_couleur.h"
#include "grid/fichier_trm.h"
#include "grid/import_csv.h"
#include "platform/bytefile.h"
#include "platform/prompts.h"
#include "stats/test_serie.h"
#include "statwin/histogramme_classes.h"
#include "statwin/series_grille.h"
#include "tests/fuzz/fuzz_commun.h"

namespace {
// Kept for the whole run (and so seen by the leak checker).
QApplication* application = nullptr;
QTemporaryDir* dossier = nullptr;
Prompts::Script* script = nullptr;

// The bytes as the file the step reads, under the name it reads.
[[maybe_unused]] QString Fichier(const QByteArray& octets, const char* nom) {
    const QString chemin = dossier->filePath(QString::fromLatin1(nom));
    VERIFIE(ByteFile::write(chemin, octets));
    return chemin;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application = new QApplication(*argc, *argv);
    dossier = new QTemporaryDir;
    // Every prompt takes its default answer; none is shown.
    Prompts::Script::setFailureHook([](const QString&) {});
    script = new Prompts::Script;
    Etat::Demarrage_test(dossier->path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t taille) {
    const QByteArray octets = Octets(data, taille);
    const QString texte = QString::fromUtf8(octets);
    [[maybe_unused]] short statut = 0;
    if (ETAPE <= 6) Etat::Demarrage_test(dossier->path());
#if ETAPE == 1
    Gen::Lit_trame(Fichier(octets, "f.trm"), statut);
#elif ETAPE == 2
    Gen::Lit_csv(Fichier(octets, "f.csv"), statut);
#elif ETAPE == 3
    Vistrane::Lit_Nuancier(Fichier(octets, "f.Nua"));
#elif ETAPE == 4
    static TableMesuresRef table;
    Vistrane::Lit_FichierRef(Fichier(octets, "f.Scn"), table, statut);
#elif ETAPE == 5
    Fichier(octets, "Tavl.dat");
    Gen::Lit_parametres();
#elif ETAPE == 6
    Fichier(octets, "Tavl2_en.lng");
    CodeLangue = QStringLiteral("en");
    Messages::Charge_Langue();
#elif ETAPE == 7
    // The first character picks the test and the log-normal option; the risk follows "|".
    const int choix = texte.isEmpty() ? 0 : texte[0].unicode();
    Mstat::Lance_Test({choix % 2 ? Mstat::Code_Homogeneite : Mstat::Code_Shapiro_Wilk,
                       texte.mid(1).section(QLatin1Char('|'), 0, 0), choix % 4 >= 2, texte.section(QLatin1Char('|'), 1)});
#elif ETAPE == 8
    const int n = Histogramme::Nombre_classes(texte);
    VERIFIE(n >= 2 && n <= Histogramme::ClassesMax);
    if (const auto correction = Histogramme::Correction_nombre_classes(texte)) Histogramme::Nombre_classes(*correction);
#elif ETAPE == 9
    double v = 0;
    if (SeriesGrille::Nombre(texte, v)) VERIFIE(std::isfinite(v));
#elif ETAPE == 10
    // Three typed values, ";" between them, compared as the window's typed source.
    CalculAjustement::EntreesAjustement e;
    for (int k = 0; k < 3; ++k) e.Text3[size_t(k)] = texte.section(QLatin1Char(';'), k, k);
    e.Option3 = 2;
    CalculAjustement::xComparer(e);
    const CalculAjustement::Couleur c = CalculAjustement::Couleur_saisie(e);
    Vistrane::Lab_de_RVB(c[1], c[2], c[3]);
    VERIFIE(CalculAjustement::EcartCoul(1, c, c) == 0);
#elif ETAPE == 11
    for (double x : {0.0, -1.5, 2.5, 123456.789, -1e-300, 1e300, 1.7976931348623157e308}) Vb::Format(x, texte);
#elif ETAPE == 12
    Fichier(octets, "avert_fr.txt");
    Gen::Bienvenue();
#endif
    return 0;
}
