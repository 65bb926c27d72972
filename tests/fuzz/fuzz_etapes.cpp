// The apply steps on any bytes: a file read into the program as the user's command reads
// it, from the start-up state, must neither crash nor raise an error past the step.
// One program per step, chosen by ETAPE when it is built (its name after "fuzz_").
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "app/etat.h"
#include "app/langue.h"
#include "app/parametres.h"
#include "base/etat_programme.h"
#include "colour/fichiers_couleur.h"
#include "grid/fichier_trm.h"
#include "grid/import_csv.h"
#include "platform/prompts.h"
#include "tests/fuzz/fuzz_commun.h"

namespace {

// Kept for the whole run (and seen by the leak checker as such).
QApplication* application = nullptr;
QTemporaryDir* dossier = nullptr;
Prompts::Script* script = nullptr;

// The bytes as the file the step reads, under the name it reads.
QString Fichier(const std::uint8_t* data, std::size_t taille, const QString& nom) {
    const QString chemin = dossier->filePath(nom);
    QFile f(chemin);
    VERIFIE(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(data), qint64(taille));
    return chemin;
}

void Etape(const std::uint8_t* data, std::size_t taille) {
    [[maybe_unused]] short statut = 0;
#if ETAPE == 1
    Gen::Lit_trame(Fichier(data, taille, QStringLiteral("f.trm")), statut);
#elif ETAPE == 2
    Gen::Lit_csv(Fichier(data, taille, QStringLiteral("f.csv")), statut);
#elif ETAPE == 3
    Vistrane::Lit_Nuancier(Fichier(data, taille, QStringLiteral("f.Nua")));
#elif ETAPE == 4
    static TableMesuresRef table;
    Vistrane::Lit_FichierRef(Fichier(data, taille, QStringLiteral("f.Scn")), table, statut);
#elif ETAPE == 5
    Fichier(data, taille, QStringLiteral("Tavl.dat"));
    Gen::Lit_parametres();
#elif ETAPE == 6
    Fichier(data, taille, QStringLiteral("Tavl2_en.lng"));
    CodeLangue = QStringLiteral("en");
    Messages::Charge_Langue();
#endif
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    application = new QApplication(*argc, *argv);
    dossier = new QTemporaryDir;
    // Every prompt is answered by default, none is shown.
    Prompts::Script::setFailureHook([](const QString&) {});
    script = new Prompts::Script;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t taille) {
    Etat::Demarrage_test(dossier->path());
    Etape(data, taille);
    return 0;
}
