// The grid column helpers and the rounding of axis lengths.
#include "stats/fenstat.h"

#include "base/grille.h"
#include "base/vb.h"
#include "tests/stats/outils.h"

using namespace Fenstat;

namespace {
class ColonnesGrille : public EnFrancais {
protected:
    // A grid with the titles in row 0 and `lignes` value rows.
    void grille(int lignes, int colonnes) {
        g.setRows(lignes + 1);
        g.setCols(colonnes);
        for (int r = 0; r <= lignes; ++r)
            for (int c = 0; c < colonnes; ++c) g.setTextMatrix(r, c, QString());
    }
    Grille g;
};
} // namespace

TEST_F(ColonnesGrille, CompteLesValeursNonNulles) {
    grille(4, 3);
    const char* textes[] = {"3", "", "0", "2,5"};
    for (int r = 1; r <= 4; ++r) g.setTextMatrix(r, 2, QString::fromUtf8(textes[r - 1]));
    EXPECT_EQ(Nb_Valeurs_Colonne(g, 2), 2);
    // The current cell is left on the last row read of that column.
    EXPECT_EQ(g.Col(), 2);
    EXPECT_EQ(g.Row(), 4);
}

TEST_F(ColonnesGrille, MinimumEtMaximumSurLesLignesDeLaColonneUn) {
    grille(8, 4);
    for (int r = 1; r <= 5; ++r) g.setTextMatrix(r, 1, QString::number(r));
    const char* col3[] = {"4,5", "2.25", "", "7", "3", "-9", "99", "0,1"};
    for (int r = 1; r <= 8; ++r) g.setTextMatrix(r, 3, QString::fromUtf8(col3[r - 1]));
    // Rows 1..5 only; a decimal comma or point is read whatever the locale.
    EXPECT_EQ(Min_Colonne(g, 3), 2.25);
    EXPECT_EQ(Max_Colonne(g, 3), 7.0);
    // The current cell is left on the column asked for, at the last row read.
    EXPECT_EQ(g.Col(), 3);
    EXPECT_EQ(g.Row(), 5);
    {
        LocaleTemporaire anglais(QLocale::English);
        EXPECT_EQ(Min_Colonne(g, 3), 2.25);
        EXPECT_EQ(Max_Colonne(g, 3), 7.0);
    }
}

TEST_F(ColonnesGrille, GrilleVideEtValeursNegatives) {
    grille(0, 3);
    EXPECT_EQ(Nb_Valeurs_Colonne(g, 1), 0);
    EXPECT_EQ(Min_Colonne(g, 2), 999999999.0);
    EXPECT_EQ(Max_Colonne(g, 2), 0.0);
    grille(3, 3);
    for (int r = 1; r <= 3; ++r) {
        g.setTextMatrix(r, 1, QStringLiteral("1"));
        g.setTextMatrix(r, 2, QString::number(-r));
    }
    EXPECT_EQ(Min_Colonne(g, 2), -3.0);
    EXPECT_EQ(Max_Colonne(g, 2), 0.0);
    EXPECT_THROW(Nb_Valeurs_Colonne(g, 7), Vb::Erreur);
}

TEST(ArrondiAxe, PuissanceDeDixEtUnChiffre) {
    const struct {
        double x;
        short p10, arrondi;
    } cas[] = {{347, 100, 300}, {10, 1, 10},        {15, 10, 10},        {7.9, 1, 7},
               {0.35, 1, 0},    {100000, 10000, 0}, {100001, 0, 0},      {99999, 10000, 0},
               {30000, 10000, 30000}, {-3.2, 1, -4}};
    for (const auto& c : cas) {
        EXPECT_EQ(Puissance10(c.x), c.p10) << c.x;
        EXPECT_EQ(Arrondi_Un_Chiffre(c.x), c.arrondi) << c.x;
    }
    EXPECT_EQ(Puissance10(INFINITY), 0);
    EXPECT_EQ(Arrondi_Un_Chiffre(std::nan("")), 0);
    EXPECT_EQ(Arrondi_Un_Chiffre(-40000), 0);
}
