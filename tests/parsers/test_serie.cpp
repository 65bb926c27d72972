// The typed-series parser on its own: values under both separators, the pieces that are
// not numbers with the line they stand on, and pasted text made into a series.
#include "statwin/diagramme_calcul.h"
#include "tests/parsers/aide_parsers.h"

namespace {

TEST(AnalyseSerie, ValuesAndPiecesThatAreNoNumber) {
    Diagramme::LectureSerie lu = Diagramme::Analyse_serie(QStringLiteral("5,8;6;6.2;-1E1;"));
    ASSERT_TRUE(lu.valeurs);
    EXPECT_EQ(*lu.valeurs, (std::vector<double>{0, 5.8, 6, 6.2, -10}));
    EXPECT_TRUE(lu.problemes.empty());

    // Such pieces still read as the series always read them: the number they begin with, or 0.
    lu = Diagramme::Analyse_serie(QStringLiteral("12abc;;\n 3;x\n;7"));
    ASSERT_TRUE(lu.valeurs);
    EXPECT_EQ(*lu.valeurs, (std::vector<double>{0, 12, 0, 3, 0}));
    EXPECT_EQ(Lignes_fautives(lu.problemes), (std::vector<int>{1, 1, 2}));

    // A number behind a blank the series does not skip reads as 0: it is said too.
    // A no-break space is skipped.
    lu = Diagramme::Analyse_serie(QStringLiteral("\f5;\u00a06;7;"));
    EXPECT_EQ(*lu.valeurs, (std::vector<double>{0, 0, 6, 7}));
    EXPECT_EQ(Lignes_fautives(lu.problemes), (std::vector<int>{1}));

    lu = Diagramme::Analyse_serie(QStringLiteral("5,8"));
    EXPECT_FALSE(lu.valeurs);
    EXPECT_EQ(Lignes_fautives(lu.problemes), std::vector<int>{1});
}

TEST(AnalyseSerie, PastedTextBecomesASeries) {
    // A Windows copy (CR LF), a Linux one (LF alone) and an old Mac one (CR alone) give
    // the same values: the last of a line never joins the first of the next.
    for (const char* fin : {"\r\n", "\n", "\r"}) {
        const QString serie = Diagramme::Texte_colle(QStringLiteral("1.5") + QLatin1String(fin) + QStringLiteral("2,5\t3") +
                                                     QLatin1String(fin));
        const Diagramme::LectureSerie lu = Diagramme::Analyse_serie(serie);
        ASSERT_TRUE(lu.valeurs);
        EXPECT_EQ(*lu.valeurs, (std::vector<double>{0, 1.5, 2.5, 3}));
        EXPECT_TRUE(lu.problemes.empty());
    }
}

} // namespace
