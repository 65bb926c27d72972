// Language files: the reader on small files written here, and the files shipped with the
// program switched on and off.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>

#include "base/etat_programme.h"
#include "app/langue.h"
#include "base/messages.h"
#include "base/tav.h"
#include "platform/prompts.h"
#include "platform/textfile.h"
#include "tests/common/fixture.h"
#include "base/etat_partage.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"
#include "colour/etat_couleur.h"

namespace {

std::string s(const QString& q) { return q.toStdString(); }

class Langue : public EtatPropre {
protected:
    // Writes a language file for `code` into the program's folder.
    void ecrit(const QString& code, const QString& texte) {
        ASSERT_TRUE(TextFile::write(Messages::Fichier_langue(code), texte));
    }
    // Puts a file shipped beside the program into the program's folder.
    void installe(const QString& nom) {
        const QString source = QCoreApplication::applicationDirPath() + '/' + nom;
        ASSERT_TRUE(QFile::exists(source)) << s(source);
        ASSERT_TRUE(QFile::copy(source, chemin(nom)));
    }
    void charge(const QString& code) {
        CodeLangue = code;
        Messages::Charge_Langue();
    }
    Tav& tav = *Tav::instance();
};

TEST_F(Langue, CommentsSectionsAndCaseInsensitiveKeys) {
    ecrit("xx",
          "REM ; a comment before anything\r\n"
          "; a header with no key is a comment too\r\n"
          "msg ; the messages, key in lower case\r\n"
          "#12;Texte\r\n"
          "  #13;   Autre texte   \r\n"
          "\r\n"
          "rem; a comment inside a section\r\n"
          "#*;\r\n"
          "REM ; between two sections\r\n"
          "MnuFic ; the file menu\r\n"
          "#12; Leave\r\n"
          "#*;\r\n"
          "MNFICHIERS ;  Files  \r\n"
          "UNKNOWNKEY ; ignored with its line\r\n"
          "MNUSTAT ; last valid index\r\n"
          "#120;dernier\r\n"
          "#*;\r\n"
          "\r\n"
          "REM ; the file ends with a comment and blank lines\r\n"
          "   \r\n");
    Prompts::Script script;  // no message expected
    charge("xx");
    EXPECT_EQ(s(Lib_Langue[12]), "Texte");
    EXPECT_EQ(s(Lib_Langue[13]), "Autre texte");
    EXPECT_EQ(s(Lib_MenuStat[120]), "dernier");
    EXPECT_EQ(s(tav.MnuFIC(12).Caption), "Leave");
    EXPECT_EQ(s(tav.Mnfichiers.Caption), "Files");
    // The file's end was reached normally: the captions taken from the tables are set,
    // placeholders included.
    EXPECT_EQ(s(tav.Mncp(1).Caption), "simple***");
    EXPECT_EQ(s(tav.Cyst(2).Caption), "4 mesures***");
    EXPECT_EQ(s(tav.Bout_C(6).Caption), "Retrace");
    EXPECT_EQ(s(tav.Mnuaide(3).Caption), "documentation");
    // Entry 186 names the documentation item: the key memo keeps its own caption.
    EXPECT_EQ(s(tav.Mnuaide(2).Caption), "Liste clés");
    // Untouched entries keep the built-in French, blanks included.
    EXPECT_EQ(s(Lib_Langue[177]), " introuvable");
}

TEST_F(Langue, EntryOutOfRangeStopsAtItsLine) {
    ecrit("xx",
          "MSG;\r\n"
          "#1;premier\r\n"
          "#*;\r\n"
          "MNUSTAT ; the statistics window\r\n"
          "\r\n"
          "#121;trop loin\r\n"
          "#2;jamais lu\r\n"
          "#*;\r\n");
    Prompts::Script script;
    script.message(" erreur dans le fichier de langues : xx, ligne 6 #121;trop loin");
    charge("xx");
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(s(Lib_Langue[1]), "premier");         // applied before the error, kept
    EXPECT_EQ(s(Lib_MenuStat[2]), "Diagramme");     // never reached
    EXPECT_EQ(s(tav.Mncp(1).Caption), "simple");    // no captions from the tables
}

TEST_F(Langue, BadLinesEachStopTheReading) {
    struct Cas {
        const char* fichier;
        const char* ligne;
    };
    const Cas cas[] = {
        {"MSG;\r\n#1;ok\r\n", ", ligne 2 #1;ok"},                   // section without its end line
        {"MSG;\r\n#abc;texte\r\n#*;\r\n", ", ligne 2 #abc;texte"},  // number that is not one
        {"MSG;\r\n#12 sans point-virgule\r\n#*;\r\n", ", ligne 2 #12 sans"},
        {"CADR;\r\n#99;cadre\r\n#*;\r\n", ", ligne 2 #99;cadre"},   // no frame 99
        {"MSG;\r\n#256;texte\r\n#*;\r\n", ", ligne 2 #256;texte"},
        {"BRASTEL;\r\n#-1;texte\r\n#*;\r\n", ", ligne 2 #-1;texte"},
        {"REM;\r\nMNFICHIERS Fichier\r\n", ", ligne 2 MNFICHIERS Fichier"},  // header without ";"
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.fichier);
        ecrit("xx", QString::fromUtf8(c.fichier));
        Prompts::Script script;
        script.message(QString::fromUtf8(c.ligne));
        charge("xx");
        EXPECT_EQ(script.remaining(), 0);
    }
}

TEST_F(Langue, MissingButtonIsSkippedAndReadingGoesOn) {
    ecrit("xx",
          "BOUTONS ; buttons\r\n"
          "#99;nowhere\r\n"
          "#29;no button 29 either\r\n"
          "#7;Show options\r\n"
          "#*;\r\n");
    Prompts::Script script;
    charge("xx");
    EXPECT_EQ(s(tav.bout(7).Caption), "Show options");
    EXPECT_FALSE(tav.bout.existe(99));
}

TEST_F(Langue, ButtonNumberBeyondSixteenBitsNamesNoButton) {
    // 65543 cut to 16 bits is 7: the caption used to land on button 7.
    ecrit("xx",
          "BOUTONS ; buttons\r\n"
          "#65543;wrapped\r\n"
          "#-65529;wrapped too\r\n"
          "#*;\r\n");
    Prompts::Script script;
    charge("xx");
    EXPECT_EQ(s(tav.bout(7).Caption), "Voir Options");
}

TEST_F(Langue, MissingFileIsReportedAndTablesGiveTheCaptions) {
    Prompts::Script script;
    script.message("fichier de langue de non trouvé");
    charge("de");
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(s(Lib_Langue[161]), "Voulez-vous vraiment quitter Tavirel ?");
    EXPECT_EQ(s(tav.MnuTwain(2).Caption), "Acquisition Twain***");
}

TEST_F(Langue, EnglishAndBackToFrench) {
    // Qt's own dialog buttons speak the program's language, French from the start-up.
    const auto annuler = [] { return s(QCoreApplication::translate("QPlatformTheme", "Cancel")); };
    EXPECT_EQ(annuler(), "Annuler");
    installe(QStringLiteral("Tavl2_en.lng"));
    Lib_Langue[55] = QStringLiteral("Marquer un point");  // the current function's prompt
    {
        Prompts::Script script;  // the shipped file reads without a message
        tav.MnLang_Click(5);
    }
    EXPECT_EQ(s(CodeLangue), "en");
    EXPECT_EQ(annuler(), "Cancel");
    EXPECT_EQ(s(Lib_Langue[161]), "Do you really want to quit Tavirel?");
    EXPECT_EQ(s(Lib_MenuStat[8]), "Close Quenlor");
    EXPECT_EQ(s(Lib_Langue[146]), "Segment measurement$4$Length$img $comment$");
    EXPECT_EQ(s(tav.MnuFIC(12).Caption), "Quit");
    EXPECT_EQ(s(tav.Cyst(1).Caption), "3 measurements");
    EXPECT_EQ(s(Lib_Langue[55]), "Marquer un point");

    // No French file beside the program: French is the built-in tables and captions.
    {
        Prompts::Script script;
        tav.MnLang_Click(1);
    }
    EXPECT_EQ(s(CodeLangue), "fr");
    EXPECT_EQ(annuler(), "Annuler");
    EXPECT_EQ(s(Lib_Langue[161]), "Voulez-vous vraiment quitter Tavirel ?");
    EXPECT_EQ(s(Lib_Langue[177]), " introuvable");
    EXPECT_EQ(s(Lib_MenuStat[8]), "Fermer Quenlor");
    EXPECT_EQ(s(Lib_Langue[146]), "mesure Segment$4$Longueur$img $comment$");
    EXPECT_EQ(s(tav.MnuFIC(12).Caption), "Quitter");
    EXPECT_EQ(s(Lib_Langue[55]), "Marquer un point");

    // The French file shipped with the program replaces the placeholders of the tables.
    installe(QStringLiteral("Tavl2_fr.lng"));
    Prompts::Script script;
    charge("fr");
    EXPECT_EQ(s(tav.Mncp(1).Caption), "simple");
    EXPECT_EQ(s(tav.MnuChrt(8).Caption), "Valider le calibrage scanner");
    EXPECT_EQ(s(Lib_Langue[101]), "alerte ");  // built-in, its blank kept
}

TEST_F(Langue, MenuChoicesAndTheLanguageInUse) {
    Prompts::Script script;  // "it" has no file: one message, and only one
    script.message("fichier de langue it non trouvé");
    tav.MnLang_Click(2);
    EXPECT_EQ(s(CodeLangue), "it");
    tav.MnLang_Click(2);  // the language in use: nothing is read
    tav.MnLang_Click(0);  // no such item: the language stays
    tav.MnLang_Click(6);
    EXPECT_EQ(s(CodeLangue), "it");
    EXPECT_EQ(script.remaining(), 0);
}

} // namespace
