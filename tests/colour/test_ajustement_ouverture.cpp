// The adjustment window opened from the measuring window: what its load and its showing
// leave, on measured rows and on an empty grid, in French and after a language file;
// closing it and opening it afresh; a message box that closes does not show it again.
#include <gtest/gtest.h>

#include "app/langue.h"
#include "base/messages.h"
#include "colour/etat_couleur.h"
#include "platform/textfile.h"
#include "tests/colour/aide_fenetre_ajustement.h"

namespace {

using namespace CouleursAjustement;

class OuvertureAjustement : public FenetreAjustement {};

TEST_F(OuvertureAjustement, SurLaMoyenneDesLignesMesurees) {
    Trois_lignes();
    Nuancier12();
    Ouvre();
    EXPECT_EQ(LigneComparee, 3);
    EXPECT_TRUE(aj.Fenetre.Visible);
    EXPECT_EQ(aj.Fenetre.Left, 1000);
    EXPECT_EQ(aj.Fenetre.Top, 500);

    // What the load leaves.
    for (int i = 0; i <= 2; ++i) {
        EXPECT_EQ(aj.Text3(i).BackColor, Gris) << i;
        EXPECT_EQ(aj.Label2(i).Caption, QString()) << i;
    }
    EXPECT_FALSE(aj.Option1(0).Enabled);
    EXPECT_EQ(aj.Option1(1).Value, -1);
    EXPECT_EQ(aj.Option3(0).Value, -1);
    EXPECT_EQ(aj.Option3(1).Value, 0);
    EXPECT_FALSE(aj.Text1(0).Enabled);
    EXPECT_FALSE(aj.VScroll1(0).Enabled);
    EXPECT_EQ(aj.Frame1.Caption, QString());
    EXPECT_EQ(EtatAjustement, 0);

    // What the showing leaves: the chart, raw data, the last row in Text1, the means in
    // Text3 (the copy makes the grey boxes readable), the RGB search on them.
    EXPECT_EQ(aj.Label8.Caption, QStringLiteral("Nuancier : details12.Nua"));
    EXPECT_EQ(aj.Label9.Caption, QStringLiteral("données brutes"));
    const QString rangee[] = {QStringLiteral("100"), QStringLiteral("80"), QStringLiteral("40")};
    const QString moyennes[] = {QStringLiteral("130,00"), QStringLiteral("80,00"), QStringLiteral("40,00")};
    for (int i = 0; i <= 2; ++i) {
        EXPECT_EQ(aj.Text1(i).Text, rangee[i]) << i;
        EXPECT_FALSE(aj.Text1(i).Enabled) << i;
        EXPECT_EQ(aj.Text3(i).Text, moyennes[i]) << i;
        EXPECT_TRUE(aj.Text3(i).Enabled) << i;
    }
    EXPECT_EQ(aj.Label_C(0).Caption + aj.Label_C(1).Caption + aj.Label_C(2).Caption, QStringLiteral("RVB"));
    EXPECT_EQ(aj.OpDelta(1).Value, -1);
    for (int i = 1; i <= 8; ++i) EXPECT_EQ(aj.OpDelta(i).Enabled, i == 1) << i;
    EXPECT_TRUE(aj.ChKRel.Enabled);
    EXPECT_EQ(aj.VScroll2.Max, 14);
    EXPECT_EQ(aj.VScroll3(0).Min, 1);
    EXPECT_EQ(aj.VScroll3(0).Max, 3);
    // (130, 80, 40) against Brique (133, 84, 40): sqrt((9 + 16) / 3) = 2.8868.
    EXPECT_EQ(aj.Text2.Text, Entete12(QStringLiteral("delta RVB quadratique")) + SautLigne +
                                 QStringLiteral("1  Cel.: 5 /ref:  Brique\t écart : 02,89"));
    EXPECT_TRUE(aj.Frame6(0).Visible);
    EXPECT_EQ(aj.Frame6(0).Caption, QStringLiteral("mesure"));
    EXPECT_EQ(aj.Frame6(0).BackColor, 0x285082);
    EXPECT_TRUE(aj.Frame6(1).Visible);
    EXPECT_EQ(aj.Frame6(1).Caption, QStringLiteral("nua (1)"));
    EXPECT_EQ(aj.Frame6(1).BackColor, 0x285485);

    // Captions from the colour texts; "**" items hidden, inert controls disabled.
    const std::pair<const Controle*, const char*> legendes[] = {
        {&aj.Option5(0), "Ajuster***"}, {&aj.Command1(0), "Fermer***"},       {&aj.Comm_nuancier, "détails nuancier"},
        {&aj.ComCalc, "calcul"},        {&aj.Option3(1), "Dernière Mesure***"}, {&aj.Option3(3), "N° Grille"},
        {&aj.Label1, "Nb résultats voisins***"}};
    for (auto [c, texte] : legendes) EXPECT_EQ(c->Caption, QString::fromUtf8(texte));
    const char* menus[] = {"Fichiers", "Comparer", "", "Ajuster", "", "Chromatogrammes", "", "", "**", "Outils", "**", "Aide"};
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(aj.Fic_Ajust(i).Caption, QString::fromUtf8(menus[i - 1])) << i;
        EXPECT_EQ(aj.Fic_Ajust(i).Visible, !(i == 3 || i == 5 || i == 7 || i == 8 || i == 9 || i == 11)) << i;
    }
    for (int i : {2, 3, 5, 6, 10, 12}) EXPECT_FALSE(aj.Outil_coul(i).Enabled) << i;
    for (int i = 0; i <= 2; ++i) EXPECT_FALSE(aj.Option4(i).Enabled) << i;
    for (const Controle* c : {&aj.Check1, &aj.Check2, &aj.Frame3, &aj.Frame4, &aj.Frame5, &aj.FrAjust, &aj.Label3, &aj.Label6})
        EXPECT_FALSE(c->Enabled) << c->Caption.toStdString();
    EXPECT_EQ(aj.Label4.Caption, QString());

    // Three results: Brique, then Tabac at sqrt(300 / 3) = 10, Chocolat at sqrt(900 / 3) = 17.3205.
    aj.Tape(aj.Text4, QStringLiteral("3"));
    EXPECT_EQ(Lignes(), (QStringList{QStringLiteral("1  Cel.: 5 /ref:  Brique\t écart : 02,89"),
                                     QStringLiteral("2  Cel.: 9 /ref:  Tabac\t écart : 10,00"),
                                     QStringLiteral("3  Cel.: 8 /ref:  Chocolat\t écart : 17,32")}));
    EXPECT_EQ(aj.Frame6(1).Caption, QStringLiteral("nua (3)"));
}

// A chart measured with the scanner correction ticks CheckCalibre: corrected data. On an
// empty grid the compared row is 0, the titles' row.
TEST_F(OuvertureAjustement, DonneesCorrigeesEtGrilleVide) {
    Mode_couleur();
    const QString c = Ecrit(QStringLiteral("corrige.Nua"), {QStringLiteral("CALIBRAGECOL=1"), QStringLiteral("LISTE="),
                                                            QStringLiteral("1;20;20;20;6;0;0;8;1;Noir;"),
                                                            QStringLiteral("2;200;200;200;80;0;0;8;1;Gris;")});
    Prompts::Script script;
    script.open(c);
    BGr::Ouvre_nuancier();
    ASSERT_EQ(Tav::instance()->CheckCalibre.Value, 1);
    Ouvre();
    EXPECT_EQ(LigneComparee, 0);
    EXPECT_EQ(aj.Label9.Caption, QStringLiteral("données corrigées"));
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(aj.Text1(i - 1).Text, GrilleRef.TextMatrix(0, i)) << i;
        EXPECT_EQ(aj.Text3(i - 1).Text, GrilleRefP.TextMatrix(1, i)) << i;
    }
    EXPECT_EQ(aj.VScroll3(0).Min, 0);
    EXPECT_EQ(aj.VScroll3(0).Max, 0);
    // Nothing measured counts as black: Noir at 20.
    const QStringList l = aj.Text2.Text.split(SautLigne);
    ASSERT_EQ(l.size(), 6);
    EXPECT_EQ(l[2], QStringLiteral("données corrigées"));
    EXPECT_EQ(l[5], QStringLiteral("1  Cel.: 1 /ref:  Noir\t écart : 20,00"));
    // A row typed while none is filled settles on 1.
    aj.Tape(aj.Text5, QStringLiteral("0"));
    EXPECT_EQ(aj.Text5.Text, QStringLiteral("1"));
    EXPECT_EQ(aj.Option3(3).Value, -1);
    EXPECT_EQ(aj.VScroll3(0).Value, 0);
}

TEST_F(OuvertureAjustement, LegendesDUnFichierDeLangue) {
    ASSERT_TRUE(TextFile::write(Messages::Fichier_langue(QStringLiteral("en")),
                                QStringLiteral("BRASTEL;\r\n#11;Chart\r\n#12;Adjust***\r\n#14;Close***\r\n#19;Mean***\r\n"
                                               "#23;Neighbours***\r\n#32;Tools\r\n#34;Help\r\n#35;raw data\r\n#*;\r\n")));
    Tav::instance()->MnLang_Click(5);
    Trois_lignes();
    Nuancier12();
    Ouvre();
    EXPECT_EQ(aj.Label8.Caption, QStringLiteral("Chart : details12.Nua"));
    EXPECT_EQ(aj.Label9.Caption, QStringLiteral("raw data"));
    EXPECT_EQ(aj.Option5(0).Caption, QStringLiteral("Adjust***"));
    EXPECT_EQ(aj.Option5(1).Caption, QStringLiteral("Comparer"));
    EXPECT_EQ(aj.Command1(0).Caption, QStringLiteral("Close***"));
    EXPECT_EQ(aj.Option3(0).Caption, QStringLiteral("Mean***"));
    EXPECT_EQ(aj.Label1.Caption, QStringLiteral("Neighbours***"));
    EXPECT_EQ(aj.Fic_Ajust(10).Caption, QStringLiteral("Tools"));
    EXPECT_EQ(aj.Fic_Ajust(12).Caption, QStringLiteral("Help"));
    EXPECT_TRUE(aj.Text2.Text.contains(SautLigne + QStringLiteral("Chart : details12.Nua") + SautLigne));
}

// "Fermer" unloads: the next opening loads the window afresh. A message box that closes
// does not activate the window again, so the choices made stay.
TEST_F(OuvertureAjustement, FermerPuisRouvrir) {
    Trois_lignes();
    Nuancier12();
    Ouvre();
    aj.Clique(aj.Option2, 1);
    aj.Clique(aj.OpDelta, 7);
    ASSERT_EQ(aj.OpDelta(7).Value, -1);
    {
        Prompts::Script script;
        script.message(QStringLiteral("Il n'y a que 12 références couleur"));
        aj.Tape(aj.Text4, QStringLiteral("13"));
        EXPECT_EQ(script.remaining(), 0);
    }
    EXPECT_EQ(aj.OpDelta(7).Value, -1);
    EXPECT_EQ(aj.OpDelta(5).Value, 0);
    EXPECT_TRUE(aj.Text2.Text.contains(SautLigne + QStringLiteral("Delta_CMC") + SautLigne));
    EXPECT_EQ(Lignes().size(), 12);

    aj.Command1_Click(0);
    EXPECT_FALSE(aj.Fenetre.Visible);
    EXPECT_FALSE(aj.Charge);
    EXPECT_EQ(aj.Option2(0).Value, -1);
    EXPECT_EQ(aj.Text4.Text, QStringLiteral("1"));

    Ouvre();
    EXPECT_TRUE(aj.Fenetre.Visible);
    EXPECT_EQ(aj.Option2(0).Value, -1);
    EXPECT_EQ(aj.OpDelta(1).Value, -1);
    EXPECT_EQ(aj.Text3(0).BackColor, Gris);
    EXPECT_EQ(Lignes(), QStringList{QStringLiteral("1  Cel.: 5 /ref:  Brique\t écart : 02,89")});
}

} // namespace
