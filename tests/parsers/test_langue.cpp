// The language-file parser on its own: the files shipped with the program, comments and
// blank lines, and the first line it cannot take, with what came before it kept.
#include "base/langue_analyse.h"
#include "tests/parsers/aide_parsers.h"

namespace {

using FichierLangue::Section;

TEST(AnalyseLangue, ShippedFilesReadToTheirEnd) {
    for (const char* f : {"data/Tavl2_en.lng", "data/Tavl2_fr.lng"}) {
        SCOPED_TRACE(f);
        const FichierLangue::Lecture lu = FichierLangue::Analyse_langue(Lignes_source(QLatin1String(f)));
        EXPECT_TRUE(lu.problemes.empty());
        EXPECT_GT(lu.entrees.size(), 100u);
    }
}

TEST(AnalyseLangue, SectionsEntriesAndCommentsWithTheirLines) {
    const FichierLangue::Lecture lu = FichierLangue::Analyse_langue(Lignes(
        "REM ; a comment\n"          // 1
        "; no key: a comment too\n"  // 2
        "msg ; lower case\n"         // 3
        "#12;Texte\n"                // 4
        "  #13;   Autre   \n"        // 5
        "\n"                         // 6
        "rem; inside\n"              // 7
        "#*;\n"                      // 8
        "MNFICHIERS ;  Files  \n"    // 9
        "UNKNOWN ; ignored\n"        // 10
        "BOUTONS;\n"                 // 11
        "|99;no such button\n"       // 12: the apply step passes it over
        "#*;\n"                      // 13
        "MNUSTAT;\n#120;dernier\n#*;\n"));
    EXPECT_TRUE(lu.problemes.empty());
    ASSERT_EQ(lu.entrees.size(), 5u);
    EXPECT_EQ(lu.entrees[0].section, Section::Msg);
    EXPECT_EQ(lu.entrees[0].index, 12);
    EXPECT_EQ(lu.entrees[0].ligne, 4);
    EXPECT_EQ(lu.entrees[1].texte, QStringLiteral("Autre"));
    EXPECT_EQ(lu.entrees[2].section, Section::MnFichiers);
    EXPECT_EQ(lu.entrees[2].texte, QStringLiteral("Files"));
    EXPECT_EQ(lu.entrees[2].ligne, 9);
    EXPECT_EQ(lu.entrees[3].section, Section::Boutons);
    EXPECT_EQ(lu.entrees[3].index, 99);
    EXPECT_EQ(lu.entrees[4].section, Section::MnuStat);
    EXPECT_EQ(lu.entrees[4].ligne, 15);
}

TEST(AnalyseLangue, TheFirstLineItCannotTakeEndsTheReading) {
    struct Cas {
        const char* texte;
        int ligne;        // the line quoted to the user
        size_t entrees;   // those before it, kept
    };
    const Cas cas[] = {
        {"MSG;\n#12;x\n#256;beyond the table\n#13;y\n#*;\n", 3, 1},
        {"MNUSTAT;\n#121;beyond\n#*;\n", 2, 0},
        {"MSG;\n#-1;negative\n#*;\n", 2, 0},
        {"CADR;\n#9;Bienvenue\n#2;no frame 2\n#*;\n", 3, 1},
        {"CHK;\n#x;not a number\n#*;\n", 2, 0},
        {"MSG;\n#12 no separator\n#*;\n", 2, 0},
        {"a line without a separator\n", 1, 0},
        // A section must end with its "*" line: the last line read is quoted, blank or not.
        {"MSG;\n#12;x\n", 2, 1},
        {"MSG;\n#12;x\n\n  \n", 4, 1},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.texte);
        const FichierLangue::Lecture lu = FichierLangue::Analyse_langue(Lignes(c.texte));
        EXPECT_EQ(Lignes_fautives(lu.problemes), std::vector<int>{c.ligne});
        EXPECT_EQ(lu.entrees.size(), c.entrees);
    }
}

} // namespace
