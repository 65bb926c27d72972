// The settings parser on its own: the file the program writes, both decimal separators,
// keys in any case with blanks around "=", and every value outside its domain passed
// over with its line.
#include "base/parametres_analyse.h"
#include "tests/parsers/aide_parsers.h"

namespace {

using FichierParametres::Cle;
using FichierParametres::OuiNon;

const FichierParametres::Reglage* Cherche(const FichierParametres::Lecture& lu, Cle cle) {
    const FichierParametres::Reglage* r = nullptr;
    for (const auto& x : lu.reglages)
        if (x.cle == cle) r = &x;  // the last of several lines
    return r;
}

TEST(AnalyseParametres, TheWrittenFileGivesEverySetting) {
    const FichierParametres::Lecture lu = FichierParametres::Analyse_parametres(Lignes(
        "Logiciel de mesure de spores\n  Ne pas modifier ! \nUTILISATEUR = Votre nom\nLANGUE = fr\n"
        "INDPRES= FAUX\nREPIMAGE= /images/récolte=2\nREPDATA= /d\nREPPROG= /p\nCALIBRAGE =  0,0625\n"
        "AVERT =VRAI\nFONCTION_DEMARRAGE=  20\nFDECIMAL= ###0.00\nDECIMAUTO= vrai\nAUTORETRACE=FAUX\n"
        "PALMER=FAUX\nSTATDEF= 3\nCLIC= 2,5\nTGRILLE= 128\nSAVAUTO= 10\nEXT_IMG= 1\nREFNUANCIER= \n"
        "ZONECOULEUR=  6\nFICETALON= e.txt\nFETALONCOULEUR= FAUX\nFICSCANNER= s.txt\n"));
    EXPECT_TRUE(lu.problemes.empty());
    EXPECT_EQ(lu.reglages.size(), 22u);  // REPPROG is no setting to read back
    EXPECT_EQ(Cherche(lu, Cle::Utilisateur)->texte, QStringLiteral("Votre nom"));
    EXPECT_EQ(Cherche(lu, Cle::Utilisateur)->ligne, 3);
    EXPECT_EQ(Cherche(lu, Cle::RepImage)->texte, QStringLiteral("/images/récolte=2"));
    EXPECT_EQ(Cherche(lu, Cle::Calibrage)->nombre, 0.0625);
    EXPECT_EQ(Cherche(lu, Cle::Indpres)->oui_non, OuiNon::Faux);
    EXPECT_EQ(Cherche(lu, Cle::Avert)->oui_non, OuiNon::Vrai);
    EXPECT_EQ(Cherche(lu, Cle::DecimAuto)->oui_non, OuiNon::Vrai);
    EXPECT_EQ(Cherche(lu, Cle::FonctionDemarrage)->entier, 20);
    EXPECT_EQ(Cherche(lu, Cle::Clic)->entier, 25);  // tenths of a pixel
    EXPECT_EQ(Cherche(lu, Cle::TGrille)->entier, 128);
    EXPECT_EQ(Cherche(lu, Cle::ZoneCouleur)->entier, 6);
    EXPECT_EQ(Cherche(lu, Cle::RefNuancier)->texte, QString());
}

TEST(AnalyseParametres, NumbersUnderBothSeparatorsAndTheLastLineWins) {
    const FichierParametres::Lecture lu = FichierParametres::Analyse_parametres(
        Lignes("   calibrage   =  0,25  \nCLIC=2.5\nclic = 3\nsans signe égal\nCALIBRAGE=1,5E-1\n"));
    EXPECT_TRUE(lu.problemes.empty());
    ASSERT_EQ(lu.reglages.size(), 4u);
    EXPECT_EQ(lu.reglages[0].nombre, 0.25);
    EXPECT_EQ(lu.reglages[1].entier, 25);
    EXPECT_EQ(Cherche(lu, Cle::Clic)->entier, 30);
    EXPECT_EQ(Cherche(lu, Cle::Calibrage)->nombre, 0.15);
    EXPECT_EQ(Cherche(lu, Cle::Calibrage)->ligne, 5);
}

TEST(AnalyseParametres, ValuesOutsideTheirDomainAreProblemsOfTheirLine) {
    const char* lignes[] = {
        "TGRILLE=0", "TGRILLE=1000", "TGRILLE=abc", "TGRILLE=", "TGRILLE=100000", "SAVAUTO=30",
        "ZONECOULEUR=0", "ZONECOULEUR=7", "EXT_IMG=2", "EXT_IMG=-1", "STATDEF=0", "STATDEF=3x",
        "FONCTION_DEMARRAGE=99", "FONCTION_DEMARRAGE=7", "CLIC=abc", "CLIC=0", "CLIC=1e9", "CALIBRAGE=0",
        "CALIBRAGE=-2", "CLIC=0,04", "LANGUE=../../etc/x", "LANGUE=fra", "LANGUE=f1", "LANGUE=", "PALMER=peut-être",
        "FDECIMAL=", "FDECIMAL= µm 0.00", "FDECIMAL=0.00;(0.00)",  // cells that would not read back
        // A number beyond the doubles is no number: it used to read as 0, function 0.
        "FONCTION_DEMARRAGE=1e400", "CALIBRAGE=1e-400"};
    for (const char* l : lignes) {
        SCOPED_TRACE(l);
        const FichierParametres::Lecture lu =
            FichierParametres::Analyse_parametres({QStringLiteral("titre"), QString::fromUtf8(l)});
        EXPECT_TRUE(lu.reglages.empty());
        EXPECT_EQ(Lignes_fautives(lu.problemes), std::vector<int>{2});
    }
    // The edges of each domain are taken.
    const FichierParametres::Lecture lu = FichierParametres::Analyse_parametres(
        Lignes("TGRILLE=64\nSAVAUTO=0\nZONECOULEUR=1\nEXT_IMG=0\nSTATDEF=4\nFONCTION_DEMARRAGE=0\nCLIC=0,1\nLANGUE=IT\n"));
    EXPECT_TRUE(lu.problemes.empty());
    EXPECT_EQ(lu.reglages.size(), 8u);
    EXPECT_EQ(Cherche(lu, Cle::Clic)->entier, 1);
    EXPECT_EQ(Cherche(lu, Cle::Langue)->texte, QStringLiteral("IT"));
}

TEST(AnalyseParametres, EveryFunctionOfTheTableAndTheLargestCalibration) {
    for (int code : {0, 1, 2, 3, 4, 5, 6, 10, 11, 13, 14, 15, 16, 20}) {
        const FichierParametres::Lecture lu = FichierParametres::Analyse_parametres(
            {QStringLiteral("FONCTION_DEMARRAGE= %1").arg(code)});
        ASSERT_EQ(lu.reglages.size(), 1u) << code;
        EXPECT_EQ(lu.reglages[0].entier, code);
    }
    // The largest double is no coefficient.
    const FichierParametres::Lecture lu =
        FichierParametres::Analyse_parametres({QStringLiteral("CALIBRAGE =  1,7976931348623157E+308")});
    EXPECT_EQ(lu.reglages.size(), 0u);
}

TEST(AnalyseParametres, AUtf8FileKeepsItsFolders) {
    // A file written in UTF-8 for its Cyrillic folder, read from its bytes.
    const QStringList lignes = Lignes_source(QStringLiteral("tests/fuzz/corpus/parametres/cyrillique.dat"));
    const FichierParametres::Lecture lu = FichierParametres::Analyse_parametres(lignes);
    EXPECT_TRUE(lu.problemes.empty());
    EXPECT_EQ(Cherche(lu, Cle::RepData)->texte, QStringLiteral("/home/mycologue/Данные грибов"));
    EXPECT_EQ(Cherche(lu, Cle::RepImage)->texte, QStringLiteral("/фото/récolte"));
    EXPECT_EQ(Cherche(lu, Cle::Utilisateur)->texte, QStringLiteral("Gérard"));
}

} // namespace
