// The report import's parser on its own: the hand-written reports, a list cut short or
// running long, a file with no list, and a title that names no function.
#include "grid/import_csv_analyse.h"
#include "tests/parsers/aide_parsers.h"

namespace {

// The titles as the French message tables give them, with their grids' columns.
const std::vector<Csv::Fonction> kFonctions = {
    {QStringLiteral("mesure Segment"), 1, 4}, {QStringLiteral("Spores 2D"), 2, 7},
    {QStringLiteral("Spores 3D"), 3, 8},      {QStringLiteral("mesure Cystide 3"), 4, 6},
    {QString(), 20, 10}};

TEST(AnalyseCsv, GoldenReportsGiveTheirFunctionAndList) {
    for (const char* nom : {"rapport_segment.csv", "rapport_segment.txt"}) {
        SCOPED_TRACE(nom);
        const Csv::Lecture lu =
            Csv::Analyse_csv(Lignes_source(QStringLiteral("tests/grid/data/") + QLatin1String(nom)), kFonctions);
        EXPECT_TRUE(lu.problemes.empty());
        EXPECT_EQ(lu.code, 1);
        EXPECT_EQ(lu.colonnes, 4);
        ASSERT_EQ(lu.liste.size(), 4);
        EXPECT_EQ(lu.liste[0], (QStringList{"N°", "Longueur", "img", "comment"}));
        EXPECT_EQ(lu.liste[2], (QStringList{"2", "6,50", "1", "hyphe cloisonnée"}));
    }
    const Csv::Lecture lu = Csv::Analyse_csv(Lignes_source(QStringLiteral("tests/grid/data/rapport_cystides.csv")), kFonctions);
    EXPECT_TRUE(lu.problemes.empty());
    EXPECT_EQ(lu.code, 4);
    EXPECT_EQ(lu.colonnes, 6);
    ASSERT_EQ(lu.liste.size(), 5);
    // A comment holding ";" comes back whole in the last column.
    EXPECT_EQ(lu.liste[3], (QStringList{"3", "51,00", "9,00", "4,25", "2", "col étroit; capitée"}));
    EXPECT_EQ(lu.liste[4], (QStringList{"4", "40,00", "8,00", "3,75", "2", ""}));
}

TEST(AnalyseCsv, UnknownTitleShortAndLongListsAndNoList) {
    // A "Fonction :" line naming nothing known, over a title row too short for a grid,
    // gives a table of eight columns; a later such line (a comment) changes nothing.
    Csv::Lecture lu = Csv::Analyse_csv(Lignes("Fonction : Comptage-1\nFonction : Spores 2D\nLISTE=\nN; A\n1; 2; \n"), kFonctions);
    EXPECT_EQ(lu.code, 0);
    EXPECT_EQ(lu.colonnes, 8);
    EXPECT_EQ(lu.liste.size(), 2);
    EXPECT_EQ(lu.liste[1], (QStringList{"1", "2", ""}));
    EXPECT_TRUE(lu.problemes.empty());

    // 300 rows: the title row and 255 rows; the user is told the line of the 256th.
    QString texte = QStringLiteral("Fonction : x\nLISTE=\nN°; NB1; img; comment; \n");
    for (int i = 1; i <= 300; ++i) texte += QStringLiteral("%1; %2; 1; ; \n").arg(i).arg(i % 7);
    lu = Csv::Analyse_csv(TextFile::splitLines(texte), kFonctions);
    EXPECT_EQ(lu.liste.size(), 256);
    EXPECT_EQ(Lignes_fautives(lu.problemes), std::vector<int>{259});

    // No line begins with "LISTE" (a path may hold it): no list, said one line past the end.
    lu = Csv::Analyse_csv(Lignes("Fonction : mesure Segment\n1; D:\\LISTE\\a.jpg\n voir LISTE=\n"), kFonctions);
    EXPECT_TRUE(lu.liste.isEmpty());
    EXPECT_EQ(lu.code, 1);
    EXPECT_EQ(Lignes_fautives(lu.problemes), std::vector<int>{4});
    EXPECT_EQ(Lignes_fautives(Csv::Analyse_csv({}, kFonctions).problemes), std::vector<int>{1});
}

} // namespace
