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

} // namespace
