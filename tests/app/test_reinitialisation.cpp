// The reset the program and every test start from: it brings back every shared variable
// of every group and every control of the measuring window, and only those.
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>
#include <set>

#include "app/etat.h"
#include "base/etat_partage.h"
#include "base/etat_struct.h"
#include "base/rappels.h"
#include "base/tav.h"
#include "grid/etat_grille.h"
#include "tests/common/fixture.h"
#include "tests/common/releve_etat.h"

namespace {

class Reinitialisation : public EtatPropre {};

std::string s(const QStringList& l) { return l.join('\n').toStdString(); }

TEST_F(Reinitialisation, EveryFieldOfEveryGroupComesBackAsAtAFreshStart) {
    const std::vector<Releve::Champ> depart = Releve::Lit();
    ASSERT_FALSE(depart.empty());

    Releve::Derange();
    const std::vector<Releve::Champ> derange = Releve::Lit();
    // Every field moved, or the checks below would prove nothing about it.
    ASSERT_EQ(depart.size(), derange.size());
    for (size_t i = 0; i < depart.size(); ++i)
        EXPECT_NE(depart[i].valeur, derange[i].valeur) << depart[i].nom.toStdString();
    for (const Etat::Groupe& g : Etat::groupes()) EXPECT_FALSE(g.est_au_depart()) << g.nom;

    Etat::Valeurs_de_chargement();
    for (const Etat::Groupe& g : Etat::groupes()) EXPECT_TRUE(g.est_au_depart()) << g.nom;
    EXPECT_TRUE(Tav::instance()->au_depart());

    // The start-up then sets what depends on layout and settings exactly as before.
    Etat::Demarrage_test(dir_.path());
    EXPECT_EQ(s(Releve::Differences(depart, Releve::Lit())), "");
}

TEST_F(Reinitialisation, EveryGroupTheSourcesDefineIsRegistered) {
    // The sources lie two folders above this file.
    QDir racine = QFileInfo(QStringLiteral(__FILE__)).absoluteDir();
    ASSERT_TRUE(racine.cd(QStringLiteral("../..")));
    const QRegularExpression groupe(QStringLiteral(R"(^\s*ETAT_GROUPE\(\s*(\w+)\s*,)"),
                                    QRegularExpression::MultilineOption);
    const QRegularExpression enregistre(QStringLiteral(R"re(Etat::enregistrer\(\s*\{\s*"(\w+)")re"));
    QSet<QString> definis;
    for (const char* dossier : {"platform", "base", "stats", "grid", "image", "measure", "colour", "statwin", "app"}) {
        QDirIterator it(racine.filePath(QString::fromLatin1(dossier)), {QStringLiteral("*.h"), QStringLiteral("*.cpp")},
                        QDir::Files);
        while (it.hasNext()) {
            QFile f(it.next());
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            const QString source = QString::fromUtf8(f.readAll());
            for (const QRegularExpression* motif : {&groupe, &enregistre})
                for (const auto& m : motif->globalMatch(source)) definis << m.captured(1);
        }
    }
    ASSERT_TRUE(definis.contains(QStringLiteral("EtatGrille")));
    ASSERT_TRUE(definis.contains(QStringLiteral("Tav")));

    QSet<QString> enregistres;
    for (const Etat::Groupe& g : Etat::groupes()) {
        EXPECT_FALSE(enregistres.contains(QString::fromLatin1(g.nom))) << "twice: " << g.nom;
        enregistres << QString::fromLatin1(g.nom);
    }
    QStringList manquants = (definis - enregistres).values();
    manquants.sort();
    EXPECT_EQ(s(manquants), "") << "defined but left out of the reset";
}

// Every hook of base/rappels.h, with the type of the procedure it holds.
#define RAPPELS(X)                                                                                              \
    X(Montre_premiere_image) X(Cherche_image) X(Echelle_image) X(Affiche_vue) X(Retrace) X(PasCalibr) X(Restaure_image)           \
    X(RAZ_etats_trace) X(Pixels_en_microns) X(Distance_points) X(Clic_Mesure) X(Croix_Image) X(Init_Couleur) \
    X(Ecrit_nuancier_scanner) X(Dispose_zone_image) X(Position_panneau) X(Commande_permise) X(Termine_item) X(Zone_statistiques) \
    X(Nom_trace_statistiques) X(Mesure_Zone)
#define TYPE_RAPPEL(nom) {#nom, Rappels::nom.target_type().name()},
#define NOM_RAPPEL(nom) #nom,
// Taken before main, after the header's own initialisers: the do-nothing defaults.
const std::vector<std::pair<const char*, std::string>> kDefauts = {RAPPELS(TYPE_RAPPEL)};

TEST_F(Reinitialisation, EveryHookIsInstalledAtStartUpAndStaysInPlace) {
    // The list above names every hook the header declares.
    QFile entete(QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath(QStringLiteral("../../base/rappels.h")));
    ASSERT_TRUE(entete.open(QIODevice::ReadOnly));
    const QRegularExpression declaration(QStringLiteral(R"(inline std::function<.*> (\w+) =)"));
    std::set<std::string> declares;
    for (const auto& m : declaration.globalMatch(QString::fromUtf8(entete.readAll()))) declares.insert(m.captured(1).toStdString());
    EXPECT_EQ(declares, (std::set<std::string>{RAPPELS(NOM_RAPPEL)}));
    const std::vector<std::pair<const char*, std::string>> installes = {RAPPELS(TYPE_RAPPEL)};
    for (size_t i = 0; i < installes.size(); ++i)
        EXPECT_NE(installes[i].second, kDefauts[i].second) << installes[i].first << " left to its default";
    Releve::Derange();
    Etat::Valeurs_de_chargement();
    const std::vector<std::pair<const char*, std::string>> apres = {RAPPELS(TYPE_RAPPEL)};
#undef TYPE_RAPPEL
#undef RAPPELS
    EXPECT_EQ(installes, apres);

    // And they still do the higher parts' work: the measuring's length in microns and its
    // restoring of the picture, where the hooks' own defaults do nothing.
    CalibrageActuel = 2.5;
    EXPECT_DOUBLE_EQ(Rappels::Pixels_en_microns(4), 10.0);
    Rappels::Restaure_image();
    EXPECT_EQ(ImageRestauree, -1);
}

} // namespace
