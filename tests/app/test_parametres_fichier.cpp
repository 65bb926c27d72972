// The settings file as a first start writes it and as later starts read it: the user
// name of an empty folder, folders outside Windows-1252 kept whole, a Windows-1252 file
// unchanged byte for byte, numbers at the edge of the doubles, every function code of
// the function table, and the redraw setting the measuring window's activation shows.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/etat.h"
#include "app/parametres.h"
#include "colour/etat_couleur.h"
#include "base/etat_demarrage.h"
#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/tav.h"
#include "grid/etat_grille.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"
#include "platform/programme.h"
#include "platform/prompts.h"
#include "platform/textfile.h"
#include "statwin/fenhisto.h"
#include "tests/common/fixture.h"

namespace {

std::string s(const QString& q) { return q.toStdString(); }

QByteArray Octets(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A text in Windows-1252 by hand: Latin-1 but for the euro sign, 0x80.
QByteArray En_1252(const QString& t) {
    QByteArray b;
    for (QChar c : t) b += c == QChar(0x20AC) ? '\x80' : char(c.unicode());
    return b;
}

class FichierParametres : public EtatPropre {
protected:
    void sauve() {
        Prompts::Script script;
        ASSERT_TRUE(Gen::Sauve_parametres(1));
    }
    // The next start: every setting back to its start-up value, then the file.
    void redemarre() {
        Etat::Demarrage_test(dir_.path());
        Prompts::Script script;
        Gen::Lit_parametres();
    }
    void lit_ligne(const QString& ligne) {
        ASSERT_TRUE(TextFile::write(Gen::Fichier_parametres(), QStringLiteral("Logiciel\r\n\r\n") + ligne + "\r\n"));
        Prompts::Script script;
        Gen::Lit_parametres();
    }
};

TEST_F(FichierParametres, LePremierDemarrageEcritLeNomParDefaut) {
    // A new process in an empty folder: the tables of messages are empty until the
    // start-up fills them, and the default file is written from what it then holds.
    QTemporaryDir vide;
    ASSERT_TRUE(vide.isValid());
    Etat::Valeurs_de_chargement();
    Programme::Reprendre();
    DossierApplication = vide.path();
    Prompts::Script script;
    script.message(QStringLiteral("création Tavl.dat")).message(QStringLiteral("Quitter Quenlor?"), Prompts::Yes);
    FenHisto::setModalHook([](FenHisto& f) { f.close(); });
    Tav::instance()->Form_Load();
    FenHisto::setModalHook({});
    FenHisto::decharger();
    EXPECT_EQ(script.remaining(), 0);

    QStringList lignes;
    ASSERT_TRUE(TextFile::readLines(QDir(vide.path()).filePath(QStringLiteral("Tavl.dat")), lignes));
    ASSERT_GE(lignes.size(), 3);
    EXPECT_EQ(s(lignes[0]), "Logiciel de mesure de spores");
    EXPECT_EQ(s(lignes[2]), "UTILISATEUR = Votre nom");
    // Read back at the next start.
    NomUtilisateur.clear();
    Gen::Lit_parametres();
    EXPECT_EQ(s(NomUtilisateur), "Votre nom");
}

TEST_F(FichierParametres, UnDossierEnCyrilliqueRevientEntier) {
    const QString donnees = dir_.filePath(QStringLiteral("Данные грибов"));
    ASSERT_TRUE(QDir().mkpath(donnees));
    RepData = donnees;
    RepImage = QStringLiteral("/фото/récolte");
    sauve();
    // A character Windows-1252 lacks: the whole file is UTF-8, "é" included.
    const QByteArray octets = Octets(Gen::Fichier_parametres());
    EXPECT_TRUE(octets.contains(("REPDATA= " + donnees + "\r\n").toUtf8()));
    EXPECT_TRUE(octets.contains("REPIMAGE= /\xD1\x84\xD0\xBE\xD1\x82\xD0\xBE/r\xC3\xA9" "colte\r\n"));
    redemarre();
    EXPECT_EQ(RepData, donnees);
    EXPECT_EQ(s(RepImage), "/фото/récolte");
    // The data folder is a real one again: the automatic save finds it.
    EXPECT_TRUE(QDir(RepData).exists());
    EXPECT_EQ(QFileInfo(Gen::Chemin_donnees(QStringLiteral("TrameSav.trm"))).absolutePath(), QDir(donnees).absolutePath());
}

TEST_F(FichierParametres, UnFichierWindows1252ResteOctetPourOctet) {
    NomUtilisateur = QStringLiteral("Gérard, 5€ la boîte");
    RepData = QStringLiteral("/données");
    sauve();
    // Written by hand from the file's description, in a French locale.
    const QString d = dir_.path();
    const QStringList lignes = {
        "Logiciel de mesure de spores", "  Ne pas modifier ! ", "UTILISATEUR = Gérard, 5€ la boîte",
        "LANGUE = fr", "INDPRES= FAUX", "REPIMAGE= " + d, "REPDATA= /données", "REPPROG= " + d,
        "CALIBRAGE =  1", "AVERT =FAUX", "FONCTION_DEMARRAGE=  0", "FDECIMAL= ###0.00",
        "DECIMAUTO= FAUX", "AUTORETRACE=FAUX", "PALMER=VRAI", "STATDEF= 3", "CLIC= 3",
        "TGRILLE= 256", "SAVAUTO= 10", "EXT_IMG= 0", "REFNUANCIER= ", "ZONECOULEUR=  3",
        "FICETALON= ", "FETALONCOULEUR= FAUX", "FICSCANNER= "};
    QByteArray attendu;
    for (const QString& l : lignes) attendu += En_1252(l) + "\r\n";
    EXPECT_EQ(Octets(Gen::Fichier_parametres()), attendu);
    redemarre();
    EXPECT_EQ(s(NomUtilisateur), "Gérard, 5€ la boîte");
    EXPECT_EQ(s(RepData), "/données");
}

TEST_F(FichierParametres, UnEtalonnageAuBordDesReelsSeRelit) {
    // The bounds of a coefficient, and a usual one.
    for (double c : {1e6, 1e-12, 0.0625}) {
        SCOPED_TRACE(c);
        CalibrageActuel = c;
        sauve();
        redemarre();
        EXPECT_EQ(CalibrageActuel, c);
    }
    QStringList lignes;
    ASSERT_TRUE(TextFile::readLines(Gen::Fichier_parametres(), lignes));
    EXPECT_TRUE(lignes.contains(QStringLiteral("CALIBRAGE =  0,0625")));  // the usual form stays
}

TEST_F(FichierParametres, ToutesLesFonctionsDeLaTable) {
    for (int code : {0, 1, 2, 3, 4, 5, 6, 10, 11, 13, 14, 15, 16, 20}) {
        SCOPED_TRACE(code);
        lit_ligne(QStringLiteral("FONCTION_DEMARRAGE= %1").arg(code));
        EXPECT_EQ(FonctionDemarrage, code);
        EXPECT_EQ(NumFonction, code);
    }
    // A code of no function leaves the start-up function as it was.
    for (int code : {7, 8, 9, 12, 17, 19, 21}) {
        SCOPED_TRACE(code);
        lit_ligne(QStringLiteral("FONCTION_DEMARRAGE= 2\r\nFONCTION_DEMARRAGE= %1").arg(code));
        EXPECT_EQ(FonctionDemarrage, 2);
    }
}

TEST_F(FichierParametres, LActivationMontreLeRetraceDuFichier) {
    Tav& tav = *Tav::instance();
    lit_ligne(QStringLiteral("AUTORETRACE=FAUX"));
    tav.Form_Activate();
    EXPECT_EQ(tav.Check(2).Value, 0);
    lit_ligne(QStringLiteral("AUTORETRACE=VRAI"));
    tav.Form_Activate();
    EXPECT_EQ(tav.Check(2).Value, 1);
    // What the box shows is what the next save keeps.
    sauve();
    QStringList lignes;
    ASSERT_TRUE(TextFile::readLines(Gen::Fichier_parametres(), lignes));
    EXPECT_TRUE(lignes.contains(QStringLiteral("AUTORETRACE=VRAI")));
}

TEST_F(FichierParametres, UnSautDeLigneDansUnNomNAjouteAucunReglage) {
    // A scanner file's name with a line break once read back its second half as a setting.
    const QString nom = QStringLiteral("s.Scn\r\nCALIBRAGE = 3");
    QFile(dir_.filePath(nom)).open(QIODevice::WriteOnly);
    Prompts::Script script;
    script.open(dir_.filePath(nom)).message(QStringLiteral("fichier étalon non chargé"));
    Tav::instance()->MnuChrt_Click(7), Tav::instance()->MnuFIC_Click(8);  // the scanner file, the settings saved
    EXPECT_EQ(script.remaining(), 0);
    redemarre();
    EXPECT_EQ(CalibrageActuel, 1);
    EXPECT_EQ(s(FicScanner), "s.Scn  CALIBRAGE = 3");
}

} // namespace
