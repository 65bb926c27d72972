// The settings file "Tavl.dat": the default file, the round trip, each key's reading
// and every value outside its setting's domain.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "app/etat.h"
#include "base/etat_demarrage.h"
#include "base/etat_programme.h"
#include "app/langue.h"
#include "base/messages.h"
#include "app/parametres.h"
#include "base/tav.h"
#include "colour/etat_couleur.h"
#include "grid/etat_grille.h"
#include "measure/etat_mesure.h"
#include "platform/prompts.h"
#include "platform/textfile.h"
#include "tests/common/fixture.h"
#include "base/etat_partage.h"
#include "image/etat_image.h"

namespace {

std::string s(const QString& q) { return q.toStdString(); }

class Parametres : public EtatPropre {
protected:
    void ecrit(const QString& texte) { ASSERT_TRUE(TextFile::write(Gen::Fichier_parametres(), texte)); }
    // Reads a file made of one line under the two header lines.
    void lit_ligne(const QString& ligne) {
        ecrit(QStringLiteral("Logiciel de mesure de spores\r\n  Ne pas modifier ! \r\n") + ligne + "\r\n");
        Gen::Lit_parametres();
    }
    Tav& tav = *Tav::instance();
};

TEST_F(Parametres, MissingFileIsAnnouncedAndWrittenFromTheStartUpValues) {
    RepData = QStringLiteral("/ailleurs");
    Prompts::Script script;
    script.message("création Tavl.dat");
    Gen::Lit_parametres();
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(s(RepData), s(dir_.path()));
    EXPECT_EQ(CalibrageImage[0], 1.0);

    // Written by hand from the start-up values, in a French locale. The start-up's layout
    // selects the width-step option, as the measuring style of 2 asks.
    const QString d = dir_.path();
    const QStringList attendu = {
        "Logiciel de mesure de spores", "  Ne pas modifier ! ", "UTILISATEUR = Votre nom",
        "LANGUE = fr", "INDPRES= FAUX", "REPIMAGE= " + d, "REPDATA= " + d, "REPPROG= " + d,
        "CALIBRAGE =  1", "AVERT =FAUX", "FONCTION_DEMARRAGE=  0", "FDECIMAL= ###0.00",
        "DECIMAUTO= FAUX", "AUTORETRACE=FAUX", "PALMER=VRAI", "STATDEF= 3", "CLIC= 3",
        "TGRILLE= 256", "SAVAUTO= 10", "EXT_IMG= 0", "REFNUANCIER= ", "ZONECOULEUR=  3",
        "FICETALON= ", "FETALONCOULEUR= FAUX", "FICSCANNER= "};
    QStringList lignes;
    ASSERT_TRUE(TextFile::readLines(Gen::Fichier_parametres(), lignes));
    EXPECT_EQ(lignes, attendu);
    QFile brut(Gen::Fichier_parametres());
    ASSERT_TRUE(brut.open(QIODevice::ReadOnly));
    EXPECT_TRUE(brut.readAll().contains("spores\r\n  Ne pas"));  // CR LF line ends
}

TEST_F(Parametres, RoundTripRestoresEveryWrittenValue) {
    NomUtilisateur = QStringLiteral("Mycologue");
    IndResolution = -1;
    RepImage = QStringLiteral("/images/récolte=2");
    RepData = QStringLiteral("/données");
    CalibrageActuel = 0.0625;
    tav.Check(4).Value = 1;
    FonctionDemarrage = 2;
    FormatDecimal = QStringLiteral("###0.0");
    DecimalesAuto = -1;
    tav.Check(2).Value = 1;
    tav.Optn(5).Value = 0;  // length only
    StatDef = 2;
    TolClic = 20;
    TailleGrille = 128;
    SauveAuto = 20;
    FormatImage = 1;
    FicNuancier = QStringLiteral("  nuancier.txt ");
    IndexZoneCouleur = 5;
    FicEtalon = QStringLiteral("etalon.txt");
    EtalonCouleur = -1;
    FicScanner = QStringLiteral("scanner.txt");
    {
        Prompts::Script script;
        ASSERT_TRUE(Gen::Sauve_parametres(1));
    }

    // A restart: every setting back to its start-up value, then the file.
    Etat::Demarrage_test(dir_.path());
    {
        Prompts::Script script;
        Gen::Lit_parametres();
    }
    EXPECT_EQ(s(NomUtilisateur), "Mycologue");
    EXPECT_EQ(IndResolution, -1);
    EXPECT_EQ(tav.Optn(2).Value, -1);
    EXPECT_EQ(s(RepImage), "/images/récolte=2");
    EXPECT_EQ(s(RepData), "/données");
    EXPECT_DOUBLE_EQ(CalibrageActuel, 0.0625);
    EXPECT_EQ(tav.Check(4).Value, 1);
    EXPECT_FALSE(tav.Frame(9).Visible);
    EXPECT_EQ(FonctionDemarrage, 2);
    EXPECT_EQ(s(FormatDecimal), "###0.0");
    EXPECT_EQ(DecimalesAuto, -1);
    EXPECT_EQ(AutoRetraceParam, -1);
    EXPECT_EQ(tav.Check(2).Value, 1);
    EXPECT_EQ(ModePalmer, 1);
    EXPECT_EQ(StatDef, 2);
    EXPECT_EQ(TolClic, 20);
    EXPECT_EQ(TailleGrille, 128);
    EXPECT_EQ(SauveAuto, 20);
    EXPECT_TRUE(tav.MNSav(2).Checked);
    EXPECT_EQ(FormatImage, 1);
    EXPECT_EQ(s(FicNuancier), "nuancier.txt");
    EXPECT_EQ(IndexZoneCouleur, 5);
    EXPECT_EQ(s(FicEtalon), "etalon.txt");
    EXPECT_EQ(EtalonCouleur, -1);
    EXPECT_EQ(s(FicScanner), "scanner.txt");
    EXPECT_EQ(s(tav.Label6(1).Caption), "Scanner : scanner.txt");
    EXPECT_EQ(s(RepProg), s(dir_.path()));  // the program's folder is never read back
}

TEST_F(Parametres, PalmerSurvivesTheDefaultViewSetting) {
    lit_ligne("PALMER=FAUX");  // length only
    ASSERT_EQ(ModePalmer, 1);
    ASSERT_EQ(tav.Optn(5).Value, 0);
    lit_ligne("PALMER=VRAI\r\nSTATDEF=4");
    EXPECT_EQ(ModePalmer, 2);
    EXPECT_EQ(tav.Optn(5).Value, -1);
    EXPECT_EQ(StatDef, 4);
    lit_ligne("PALMER=faux");
    EXPECT_EQ(ModePalmer, 1);
    EXPECT_EQ(tav.Optn(5).Value, 0);
}

TEST_F(Parametres, KeysValuesAndNumbersAsTheFileHoldsThem) {
    lit_ligne("   clic   =  2  \r\ncalibrage = 0,25\r\nrepimage= C:\\a=b\r\nsans signe égal\r\n"
              "COULREF=ref.txt\r\nREPPROG=/ailleurs\r\nCORRECTIONRVB= 12");
    EXPECT_EQ(TolClic, 20);
    EXPECT_DOUBLE_EQ(CalibrageActuel, 0.25);
    EXPECT_EQ(s(RepImage), "C:\\a=b");
    EXPECT_EQ(s(FicCoulRef), "ref.txt");
    EXPECT_EQ(s(RepProg), s(dir_.path()));
    lit_ligne("AVERT =VRAI");
    ASSERT_FALSE(tav.Frame(9).Visible);
    lit_ligne("AVERT =FAUX");
    EXPECT_TRUE(tav.Frame(9).Visible);  // the welcome frame shows
    lit_ligne("CALIBRAGE=0.25\r\nCLIC=2.5\r\nUTILISATEUR=un\r\nUTILISATEUR=deux");
    EXPECT_DOUBLE_EQ(CalibrageActuel, 0.25);
    EXPECT_EQ(TolClic, 25);
    EXPECT_EQ(s(NomUtilisateur), "deux");  // the last of two lines
}

TEST_F(Parametres, ValuesOutsideTheirDomainAreIgnored) {
    const char* lignes[] = {
        "TGRILLE=0", "TGRILLE=1000", "TGRILLE=abc", "TGRILLE=", "TGRILLE=100000",
        "SAVAUTO=30", "SAVAUTO=dix", "ZONECOULEUR=0", "ZONECOULEUR=7", "ZONECOULEUR=x",
        "EXT_IMG=2", "EXT_IMG=-1", "EXT_IMG=jpg", "STATDEF=0", "STATDEF=5", "STATDEF=3x",
        "FONCTION_DEMARRAGE=99", "FONCTION_DEMARRAGE=a", "CLIC=abc", "CLIC=0", "CLIC=1e9",
        "CALIBRAGE=0", "CALIBRAGE=-2", "CALIBRAGE=abc", "LANGUE=../../etc/x", "LANGUE=fra",
        "LANGUE=f1", "LANGUE=", "LANGUE=/e"};
    for (const char* ligne : lignes) {
        SCOPED_TRACE(ligne);
        Prompts::Script script;  // nothing to tell, no language file asked for
        lit_ligne(QString::fromUtf8(ligne));
        EXPECT_EQ(TailleGrille, 256);
        EXPECT_EQ(SauveAuto, 10);
        EXPECT_TRUE(tav.MNSav(1).Checked);
        EXPECT_EQ(IndexZoneCouleur, 3);
        EXPECT_EQ(FormatImage, 0);
        EXPECT_EQ(StatDef, 3);
        EXPECT_EQ(FonctionDemarrage, 0);
        EXPECT_EQ(TolClic, 30);
        EXPECT_DOUBLE_EQ(CalibrageActuel, 1.0);
        EXPECT_EQ(s(CodeLangue), "fr");
    }
    // The edges of each domain are taken.
    lit_ligne("TGRILLE=64\r\nSAVAUTO=0\r\nZONECOULEUR=6\r\nEXT_IMG=1\r\nSTATDEF=1\r\nFONCTION_DEMARRAGE=20");
    EXPECT_EQ(TailleGrille, 64);
    EXPECT_EQ(SauveAuto, 0);
    EXPECT_TRUE(tav.MNSav(0).Checked);
    EXPECT_EQ(IndexZoneCouleur, 6);
    EXPECT_EQ(FormatImage, 1);
    EXPECT_EQ(StatDef, 1);
    EXPECT_EQ(FonctionDemarrage, 20);
}

TEST_F(Parametres, NumbersBeyondTheDoublesAreNoValue) {
    // Such a number used to read as 0: the start-up function became "none", a tolerance 0.
    lit_ligne("FONCTION_DEMARRAGE=2\r\nSTATDEF=2\r\nFONCTION_DEMARRAGE=1e400\r\nSTATDEF=-1e999");
    EXPECT_EQ(FonctionDemarrage, 2);
    EXPECT_EQ(NumFonction, 2);
    EXPECT_EQ(StatDef, 2);
}

TEST_F(Parametres, LanguageCodeNamesTheFileItLoads) {
    Prompts::Script script;
    script.message("fichier de langue IT non trouvé");  // upper case is not "fr"
    lit_ligne("LANGUE = IT");
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(s(CodeLangue), "IT");
}

TEST_F(Parametres, EnglishSurvivesARestart) {
    ASSERT_TRUE(TextFile::write(Messages::Fichier_langue("en"), "MSG;\r\n#161;Quit ?\r\n#*;\r\n"));
    CodeLangue = QStringLiteral("en");
    {
        Prompts::Script script;
        ASSERT_TRUE(Gen::Sauve_parametres(1));
    }
    Etat::Demarrage_test(dir_.path());
    EXPECT_EQ(s(Lib_Langue[161]), "Voulez-vous vraiment quitter Tavirel ?");
    {
        Prompts::Script script;
        Gen::Lit_parametres();
    }
    EXPECT_EQ(s(CodeLangue), "en");
    EXPECT_EQ(s(Lib_Langue[161]), "Quit ?");
}

TEST_F(Parametres, UnreadableFileIsKeptAndTheDefaultsStand) {
    // A folder of that name exists but cannot be read as a file.
    ASSERT_TRUE(QDir(dir_.path()).mkdir("Tavl.dat"));
    Prompts::Script script;
    script.message("erreur fichier");
    Gen::Lit_parametres();
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_TRUE(QFileInfo(Gen::Fichier_parametres()).isDir());
    EXPECT_EQ(TailleGrille, 256);
}

TEST_F(Parametres, FailedWriteIsToldAndLeavesTheOldFile) {
    ecrit("UTILISATEUR = ancien\r\n");
    RepProg = dir_.filePath("absent");
    {
        Prompts::Script script;
        script.message("erreur fichier");
        EXPECT_FALSE(Gen::Sauve_parametres(1));
        EXPECT_EQ(script.remaining(), 0);
    }
    RepProg = dir_.path();
    QString texte;
    ASSERT_TRUE(TextFile::read(Gen::Fichier_parametres(), texte));
    EXPECT_EQ(s(texte), "UTILISATEUR = ancien\r\n");
}

} // namespace
