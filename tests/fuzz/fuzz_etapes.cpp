// The steps that apply a file to the program, and the small readers of what users type or
// keep, on any bytes: nothing may crash or let an error out, and the numbers read are
// finite. The apply steps start each input from the start-up state. One program per step,
// chosen by ETAPE when it is built (CMakeLists.txt names them).
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <type_traits>

#include "app/aide.h"
#include "app/disposition.h"
#include "app/etat.h"
#include "app/langue.h"
#include "app/parametres.h"
#include "base/declarations.h"
#include "base/etat_demarrage.h"
#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/grilles.h"
#include "base/messages.h"
#include "base/tav.h"
#include "base/vb.h"
#include "colour/ajustement.h"
#include "colour/comparaison.h"
#include "colour/conversion.h"
#include "colour/etat_couleur.h"
#include "colour/fichiers_couleur.h"
#include "grid/etat_grille.h"
#include "grid/fichier_trm.h"
#include "grid/import_csv.h"
#include "image/captures.h"
#include "image/etat_image.h"
#include "measure/etat_calibrage.h"
#include "measure/etat_mesure.h"
#include "platform/programme.h"
#include "platform/prompts.h"
#include "stats/test_serie.h"
#include "statwin/histogramme_classes.h"
#include "statwin/series_grille.h"
#include "tests/fuzz/fuzz_commun.h"

using Declarations::table_fonctions;

namespace {
// Kept for the whole run (and so seen by the leak checker).
QApplication* application = nullptr;
QTemporaryDir* dossier = nullptr;
Prompts::Script* script = nullptr;

// The program's state as the start-up left it: every state group and both windows. Each
// input starts from a copy of it, the start-up itself (picture painting included) taking
// most of an input's time.
#define GROUPES_ETAT(X)                                                                      \
    X(etat_disposition) X(etat_aide) X(etat_parametres) X(etat_image) X(etat_couleur) X(nuancier) \
    X(etat_programme) X(etat_demarrage) X(etat_vue) X(etat_mesure_partage) X(etat_couleur_mesuree) \
    X(tables_messages) X(grilles) X(table_fonctions) X(etat_grille) X(etat_mesure) X(etat_calibrage)
struct Depart {
#define DECLARE_COPIE(g) std::decay_t<decltype(g)> g;
    GROUPES_ETAT(DECLARE_COPIE)
    Tav tav;
    Ajustement ajustement;
    frmCopieEcran copieEcran;
};
Depart* depart = nullptr;

void Prend_depart() {
    // A group added to the program must be added here, or inputs would share its state.
    VERIFIE(Etat::groupes().size() == 20);
#define PREND(g) g,
    depart = new Depart{GROUPES_ETAT(PREND) * Tav::instance(), *Ajustement::instance(), *frmCopieEcran::instance()};
}

void Rend_depart() {
#define REND(g) g = depart->g;
    GROUPES_ETAT(REND)
    *Tav::instance() = depart->tav;
    *Ajustement::instance() = depart->ajustement;
    *frmCopieEcran::instance() = depart->copieEcran;
}

// The bytes as the file the step reads, under the name it reads; a plain write, since
// the safe one's flush to disk would be most of the input's time.
[[maybe_unused]] QString Fichier(const QByteArray& octets, const char* nom) {
    const QString chemin = dossier->filePath(QString::fromLatin1(nom));
    QFile f(chemin);
    VERIFIE(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(octets) == octets.size());
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
    Prend_depart();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t taille) {
    const QByteArray octets = Octets(data, taille);
    const QString texte = QString::fromUtf8(octets);
    [[maybe_unused]] short statut = 0;
    if (ETAPE <= 6) {
        Rend_depart();
        Programme::Reprendre();
    }
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
    // A number beyond the doubles has no colour: the procedures refuse it (message 223).
    if (CalculAjustement::Saisie_hors_nombres(e)) return 0;
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
