// The adjustment window's buttons and menus: copy, the grid frame, the chart's details
// (with the window shown or hidden), the comparison menu and the chart files.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "base/messages.h"
#include "colour/etat_couleur.h"
#include "platform/bip.h"
#include "platform/pressepapier.h"
#include "platform/waits.h"
#include "tests/colour/aide_fenetre_ajustement.h"

namespace {

class CommandesAjustement : public FenetreAjustement {
protected:
    // The details of the hand-written chart, its blank lines left out, its notes without
    // their end line, and the CALIBRAGECOL line after them.
    static QString Details12() {
        return QStringLiteral("05/03/2024   Image : ") + SautLigne + QStringLiteral(".................. ") + SautLigne +
               QStringLiteral("Nuancier : details12.Nua") + SautLigne + QStringLiteral(" Code=  N12") + SautLigne +
               QStringLiteral("scanner= Scanner à plat 4990") + SautLigne + QStringLiteral("Resolution= 600") + SautLigne +
               QStringLiteral("luminance=") + SautLigne + QStringLiteral("CONTRASTE= 0") + SautLigne +
               QStringLiteral("Notes= planche imprimée en 2023") + SautLigne +
               QStringLiteral("tirage mat, lumière du jour") + SautLigne + QStringLiteral("CalibrageCol=0") + SautLigne +
               QStringLiteral("Nb de couleurs : 12") + SautLigne;
    }
};

TEST_F(CommandesAjustement, CopierEtVoirGrille) {
    Trois_lignes();
    Nuancier12();
    Ouvre();
    aj.Tape(aj.Text4, QStringLiteral("2"));
    PressePapier::Simule presse;
    presse.texte = QStringLiteral("ancien");
    const int bips = Bip::entendus();
    aj.Command3_Click();
    EXPECT_EQ(presse.texte, aj.Text2.Text);
    EXPECT_TRUE(presse.texte.endsWith(QStringLiteral("2  Cel.: 9 /ref:  Tabac\t écart : 10,00")));
    EXPECT_EQ(Bip::entendus(), bips + 1);

    Controle& grille = Tav::instance()->Frame(6);
    ASSERT_TRUE(grille.Visible);
    aj.Command2_Click();
    EXPECT_FALSE(grille.Visible);
    aj.Command2_Click();
    EXPECT_TRUE(grille.Visible);
}

// The chart's details, read where the chart was opened (not the current folder).
TEST_F(CommandesAjustement, DetailsDuNuancier) {
    const QString c = Nuancier12();
    ASSERT_NE(QDir::currentPath(), QFileInfo(c).absolutePath());
    Trois_lignes();
    Ouvre();
    aj.Comm_nuancier_Click();
    EXPECT_EQ(aj.Text2.Text, Details12());

    // Notes to the end of the file, the chart opened by the window's own menu.
    const QString notes = Ecrit(QStringLiteral("notes.Nua"),
                                {QStringLiteral("CODE=A1"), QStringLiteral("NOTES= début"), QStringLiteral("suite"),
                                 QStringLiteral(" "), QStringLiteral("LISTE="), QStringLiteral("1;10;10;10;3;0;0;8;1;Un;")});
    {
        Prompts::Script script;
        script.open(notes);
        aj.Fic_Charte_Click(1);
    }
    EXPECT_EQ(aj.Label8.Caption, QStringLiteral("Nuancier : notes.Nua"));
    aj.Comm_nuancier_Click();
    EXPECT_EQ(aj.Text2.Text, QStringLiteral("05/03/2024   Image : ") + SautLigne + QStringLiteral(".................. ") +
                                 SautLigne + QStringLiteral("Nuancier : notes.Nua") + SautLigne +
                                 QStringLiteral(" CODE=A1") + SautLigne + QStringLiteral("NOTES= début") + SautLigne +
                                 QStringLiteral("suite") + SautLigne + QStringLiteral("LISTE=") + SautLigne +
                                 QStringLiteral("1;10;10;10;3;0;0;8;1;Un;") + SautLigne +
                                 QStringLiteral("Nb de couleurs : 1") + SautLigne);

    // A chart file gone: nothing written.
    const QString avant = aj.Text2.Text;
    ASSERT_TRUE(QFile::remove(notes));
    aj.Comm_nuancier_Click();
    EXPECT_EQ(aj.Text2.Text, avant);
}

// The details listed with the window hidden load it; the load names the chart the settings gave.
TEST_F(CommandesAjustement, DetailsFenetreCachee) {
    const QString c = Copie(QStringLiteral("details12.Nua"));
    Parametres({QStringLiteral("REFNUANCIER= ") + c});
    Mode_couleur();
    ASSERT_EQ(NuancierOK, -1);
    ASSERT_FALSE(aj.Charge);
    aj.Comm_nuancier_Click();
    EXPECT_TRUE(aj.Charge);
    EXPECT_FALSE(aj.Fenetre.Visible);
    EXPECT_EQ(aj.Label8.Caption, QStringLiteral("Nuancier : details12.Nua"));
    EXPECT_EQ(aj.Text2.Text, Details12());
    // Shown afterwards, the window keeps its load and lists its search.
    Ouvre();
    EXPECT_TRUE(aj.Fenetre.Visible);
    EXPECT_TRUE(aj.Text2.Text.startsWith(QStringLiteral("05/03/2024  Image : ")));
}

// "Fichiers" and "Outils" open their submenus; every other item compares the chart with
// the colour of the boxes.
TEST_F(CommandesAjustement, MenuComparer) {
    Trois_lignes();
    Nuancier12();
    Ouvre();
    const QString avant = aj.Text2.Text;
    aj.Fic_Ajust_Click(1);
    aj.Fic_Ajust_Click(10);
    EXPECT_EQ(aj.Text2.Text, avant);
    aj.Fic_Ajust_Click(2);
    QStringList l = aj.Text2.Text.split(SautLigne);
    ASSERT_EQ(l.size(), 14);
    EXPECT_EQ(l[0], QStringLiteral("image : "));
    EXPECT_EQ(l[1], QStringLiteral("Comparaison / Moyenne  : 130,0/80,0/40,0"));
    // 130 - 133, 80 - 84, 40 - 40; sqrt(25 / 3) = 2.9.
    EXPECT_EQ(l[6], QStringLiteral("5:-3,0  / -4,0  / 0,0  \t écart = 2,9   \\ Brique"));
    // 130 - 250, 80 - 250, 40 - 245: three integer digits are not padded.
    EXPECT_EQ(l[2], QStringLiteral("1:-120,0 / -170,0 / -205,0\t écart = 168,6 \\ Blanc"));
    aj.Tape(aj.Text4, QStringLiteral("2"));
    aj.Fic_Ajust_Click(12);
    EXPECT_EQ(aj.Text2.Text.split(SautLigne).size(), 14);
}

// "Charger Nuancier" replaces the chart and names it; "Charger étalon couleur" chooses the
// colour standard, as the measuring window's own menu does, and leaves the chart.
TEST_F(CommandesAjustement, FichiersDuMenu) {
    Trois_lignes();
    Nuancier12();
    Ouvre();
    const QString autre = Ecrit(QStringLiteral("autre.Nua"), {QStringLiteral("LISTE="), QStringLiteral("1;1;2;3;0;0;0;8;1;Un;"),
                                                              QStringLiteral("2;4;5;6;0;0;0;8;1;Deux;")});
    {
        Prompts::Script script;
        script.open(std::nullopt);
        aj.Fic_Charte_Click(1);
        EXPECT_EQ(script.remaining(), 0);
    }
    EXPECT_EQ(NbCouleurs, 12);
    {
        Prompts::Script script;
        script.open(autre);
        aj.Fic_Charte_Click(1);
        EXPECT_EQ(script.remaining(), 0);
    }
    EXPECT_EQ(NbCouleurs, 2);
    EXPECT_EQ(FicNuancier, autre);
    EXPECT_EQ(aj.Label8.Caption, QStringLiteral("Nuancier : autre.Nua"));

    const QString etalon = Copie(QStringLiteral("etalon.Etl"));
    Waits::FakeClock horloge;
    Prompts::Script script;
    script.open(etalon);
    aj.Fic_Charte_Click(5);
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_TRUE(script.seen().back().filter.contains(QStringLiteral("*.Etl")));
    EXPECT_EQ(FicEtalon, QStringLiteral("etalon.Etl"));
    EXPECT_EQ(Tav::instance()->lblLabelflashx.Caption, QStringLiteral("Attention : Recharger le fichier scanner !"));
    EXPECT_EQ(NbCouleurs, 2);
    EXPECT_EQ(FicNuancier, autre);
}

} // namespace
