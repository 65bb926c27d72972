// "maj grille" of the tools menu on segments measured on the view: the grid comes back
// whole from the file it goes through, and a file that cannot be written leaves it as it
// was, with the user told.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "base/gen.h"
#include "tests/measure/aide_mesure.h"

namespace {

using namespace AideMesure;

class MajGrille : public MesureTest {
protected:
    QStringList Colonne() {
        QStringList l;
        for (int r = 1; r < NbLignesGrille; ++r) l << GrilleRef.TextMatrix(r, 1);
        return l;
    }
};

TEST_F(MajGrille, GridComesBackFromItsFileOrStaysWhenTheWriteFails) {
    // The start-up opened the picture through the file menu: it is the loader's.
    Fonction(1);
    Bipoint();
    Glisse(1000, 1000, 4000, 1000);
    Glisse(1000, 2000, 1000, 5000);
    Glisse(2000, 2000, 6000, 5000);
    ASSERT_EQ(NbLignesGrille, 4);
    const QStringList avant = Colonne();
    const SegmentTrame segment = entree(3, 1);

    const QString fichier = Gen::Chemin_donnees(QStringLiteral("$$trame"));
    ASSERT_TRUE(fichier.startsWith(dir_.path()));
    tav.Mntool_Click(4);
    // Each length is worked out again from its record's points, kept in whole units.
    const QStringList relu = Colonne();
    ASSERT_EQ(relu.size(), avant.size());
    for (int i = 0; i < avant.size(); ++i)
        EXPECT_NEAR(Gen::Val_decimal(relu[i]), Gen::Val_decimal(avant[i]), 0.5) << i;
    EXPECT_EQ(entree(3, 1), segment);
    EXPECT_FALSE(QFile::exists(fichier));

    // A folder in the file's place: the write fails, the user is told, the grid stays.
    ASSERT_TRUE(QDir().mkpath(fichier));
    Prompts::Script script;
    script.message(fichier);
    tav.Mntool_Click(4);
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(Colonne(), relu);
    EXPECT_EQ(NbLignesGrille, 4);
}

// An imported table holds values with no points behind them: after any function, clicks
// record nothing into it, and neither "<=", "maj grille" nor a save (told first) empties it.
TEST_F(MajGrille, ImportedRowsOutliveDragsUndoRefreshAndSave) {
    const QString rapport = chemin(QStringLiteral("rapport.csv"));
    ASSERT_TRUE(TextFile::write(rapport, QStringLiteral("Fonction : mesure Segment\r\nLISTE=\r\nN°; Longueur; img; comment; \r\n"
                                                        "1; 5,00; 1; ; \r\n2; 6,50; 1; ; \r\n3; 2,50; 1; ; \r\n; ; ; ; \r\n")));
    for (const short fonction : {0, 20, 13}) {
        Prompts::Script script;
        if (fonction && NbLignesGrille > 1) script.message(QString(), Prompts::Yes);
        if (fonction == 20) script.message(QStringLiteral("étalon"));
        if (fonction == 20) tav.MnuFonc_Click(20);
        if (fonction == 13) tav.MnDens_Click(1);
        script.open(rapport);
        tav.MnuEDit_Click(8);
        Glisse(2000, 2000, 2100, 2050);
        Glisse(2000, 2000, 6000, 5000);
        Clic(3000, 3000, 2);
        EXPECT_EQ(tav.TBox(6).Text, QStringLiteral("0")) << fonction;
        tav.Bout_Click(2);
        tav.Mntool_Click(4);
        script.message(QStringLiteral("ne peut pas les garder"));
        tav.MnuFIC_Click(9);
        EXPECT_EQ(script.remaining(), 0) << fonction;
        EXPECT_EQ(Colonne(), QStringList({QStringLiteral("5,00"), QStringLiteral("6,50"), QStringLiteral("2,50")})) << fonction;
        EXPECT_TRUE(QDir(dir_.path()).entryList({QStringLiteral("*.trm")}).isEmpty()) << fonction;
    }
}

} // namespace
