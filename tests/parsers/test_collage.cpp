// The pasted-table parser on its own: both decimal separators, the refusals with the
// line they stop at, and values that are no finite number refused.
#include "statwin/table_collee.h"
#include "tests/parsers/aide_parsers.h"

namespace {

using TableCollee::Refus;

TEST(AnalyseCollage, RefusalsNameTheirLineFromOne) {
    struct Cas {
        const char* texte;
        bool parColonnes;
        Refus refus;
        int ligne;
    };
    const Cas cas[] = {
        {"1\t2\n3\tx\n", false, Refus::DonneesIncorrectes, 2},
        {"1\t4\n2\t\n", true, Refus::ErreurLigne, 2},
        {"1\t4\n2\t5\n3\n", true, Refus::ErreurLigne, 3},
        {"1\t2", false, Refus::Vide, 1},   // no complete line
        {"\t\n", false, Refus::Vide, 2},   // a line, and no value in it
        {"", true, Refus::Vide, 1},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.texte);
        const auto t = c.parColonnes ? TableCollee::Lire_V(QString::fromUtf8(c.texte))
                                     : TableCollee::Lire_H(QString::fromUtf8(c.texte));
        EXPECT_EQ(t.refus, c.refus);
        EXPECT_EQ(Lignes_fautives(t.problemes), std::vector<int>{c.ligne});
        // The message of a refused line counts from 0, as it always has.
        if (c.refus == Refus::ErreurLigne) { EXPECT_EQ(t.ligne, c.ligne - 1); }
    }
    QString long_;
    for (int i = 1; i <= 257; ++i) long_ += QString::number(i) + QLatin1Char('\n');
    EXPECT_EQ(Lignes_fautives(TableCollee::Lire_V(long_).problemes), std::vector<int>{257});
    EXPECT_EQ(Lignes_fautives(TableCollee::Lire_H(QStringLiteral("1\n") + long_.replace('\n', '\t') + '\n').problemes),
              std::vector<int>{2});
}

TEST(AnalyseCollage, EitherSeparatorAndNoInfiniteOrMissingNumber) {
    const auto t = TableCollee::Lire_H(QStringLiteral("1,5\t2.25\t-3,5E1\r\n"));
    ASSERT_EQ(t.refus, Refus::Aucun);
    EXPECT_TRUE(t.problemes.empty());
    EXPECT_EQ(t.series[0], (std::vector<std::optional<double>>{1.5, 2.25, -35.0}));
    // A spreadsheet's "inf" or "nan" used to be pasted as a value the statistics cannot
    // use: it is no number, like any other text.
    for (const char* v : {"inf", "-inf", "nan", "NaN", "1e400"}) {
        SCOPED_TRACE(v);
        const QString texte = QStringLiteral("1\t") + QLatin1String(v) + QStringLiteral("\n");
        EXPECT_EQ(TableCollee::Lire_H(texte).refus, Refus::DonneesIncorrectes);
        EXPECT_EQ(TableCollee::Lire_V(texte).refus, Refus::ErreurLigne);
    }
}

} // namespace
