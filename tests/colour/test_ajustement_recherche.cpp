// The adjustment window's search settings: every formula through its button, the relative
// mode, the number of results and its scroll bar, the tolerance boxes and the automatic mode.
#include <gtest/gtest.h>

#include "base/messages.h"
#include "colour/etat_couleur.h"
#include "tests/colour/aide_fenetre_ajustement.h"

namespace {

using namespace CouleursAjustement;

class RechercheAjustement : public FenetreAjustement {
protected:
    // Typed values in expert mode.
    void Saisit(const QString& a, const QString& b, const QString& c) {
        if (aj.Check3.Value != 1) aj.Clique(aj.Check3);
        aj.Clique(aj.Option3, 2);
        aj.Tape(aj.Text3(0), a);
        aj.Tape(aj.Text3(1), b);
        aj.Tape(aj.Text3(2), c);
    }
    QString Titre() const { return aj.Text2.Text.split(SautLigne).value(3); }
};

// The small chart of the search's own checks, through the window's buttons: the same lines.
TEST_F(RechercheAjustement, ChaqueFormuleParSonBouton) {
    Mode_couleur();
    Nuancier(QStringLiteral("petit.Nua"),
             {QStringLiteral("100;100;100;50;0;0;Gris"), QStringLiteral("103;104;100;52;1;1;Rose"),
              QStringLiteral("100;100;100;50;0;0;Gris bis"), QStringLiteral("313,832;100;100;60;40;-20;Loin")});
    Ouvre();
    Saisit(QStringLiteral("100"), QStringLiteral("100"), QStringLiteral("100"));
    aj.Tape(aj.Text4, QStringLiteral("3"));
    EXPECT_EQ(Titre(), QStringLiteral("delta RVB quadratique"));
    // sqrt((9 + 16) / 3) = 2.8868 for Rose.
    EXPECT_EQ(Lignes(), (QStringList{QStringLiteral("1  Cel.: 1 /ref:  Gris\t écart : 00,00"),
                                     QStringLiteral("2  Cel.: 3 /ref:  Gris bis\t écart : 00,00"),
                                     QStringLiteral("3  Cel.: 2 /ref:  Rose\t écart : 02,89")}));
    EXPECT_EQ(aj.Frame6(0).BackColor, 0x646464);
    EXPECT_EQ(aj.Frame6(1).Caption, QStringLiteral("nua (3)"));
    EXPECT_EQ(aj.Frame6(1).BackColor, 0x646867);

    // Relative: (103, 104, 100) / 307 against a third each, 0.005536 (python by hand).
    aj.Clique(aj.ChKRel);
    EXPECT_EQ(Lignes().value(2), QStringLiteral("3  Cel.: 2 /ref:  Rose\t écart : 00,01"));
    aj.Tape(aj.Text4, QStringLiteral("4"));
    // (313.832, 100, 100) / 514: 0.196112.
    EXPECT_EQ(Lignes().value(3), QStringLiteral("4  Cel.: 4 /ref:  Loin\t écart : 00,20"));
    aj.Clique(aj.ChKRel);
    EXPECT_EQ(Lignes().value(3), QStringLiteral("4  Cel.: 4 /ref:  Loin\t écart : 123,46"));

    // L*a*b*: a neutral input; every formula lists the two greys first, the lower number
    // first, then Rose; none paints the frames.
    aj.Clique(aj.Option2, 1);
    Saisit(QStringLiteral("50"), QStringLiteral("0"), QStringLiteral("0"));
    aj.Tape(aj.Text4, QStringLiteral("3"));
    const std::pair<int, const char*> formules[] = {
        {4, "CIELAB delta quadratique"}, {6, "Delta_CIE94"}, {7, "Delta_CMC"}, {8, "Delta_CIEDE2000"}, {5, "CieLab deltaE*"}};
    for (auto [f, titre] : formules) {
        aj.Clique(aj.OpDelta, f);
        EXPECT_EQ(Titre(), QString::fromLatin1(titre)) << f;
        const QStringList l = Lignes();
        ASSERT_EQ(l.size(), 3) << f;
        EXPECT_TRUE(l[0].startsWith(QStringLiteral("1  Cel.: 1 /ref"))) << f;
        EXPECT_TRUE(l[0].endsWith(QStringLiteral(" écart : 00,00"))) << f;
        EXPECT_TRUE(l[1].startsWith(QStringLiteral("2  Cel.: 3 /ref"))) << f;
        EXPECT_TRUE(l[2].startsWith(QStringLiteral("3  Cel.: 2 /ref"))) << f;
        EXPECT_FALSE(aj.Frame6(0).Visible) << f;
        EXPECT_FALSE(aj.Frame6(1).Visible) << f;
    }
    EXPECT_TRUE(Lignes()[0].startsWith(QStringLiteral("1  Cel.: 1 /ref:   Gris\t")));

    // A chart without swatches, opened by the window's own menu: the formula buttons say
    // so once and leave the text.
    const QString vide = Ecrit(QStringLiteral("vide.Nua"), {QStringLiteral("LISTE=")});
    {
        Prompts::Script script;
        script.open(vide);
        aj.Fic_Charte_Click(1);
    }
    ASSERT_EQ(NbCouleurs, 0);
    const QString avant = aj.Text2.Text;
    Prompts::Script script;
    script.message(QStringLiteral("Nuancier invalide ou non chargé"));
    aj.Clique(aj.OpDelta, 7);
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(aj.Text2.Text, avant);
}

// The number of results: at least 1, more than the chart holds said before the search,
// and its scroll bar from 15 at the top to 1 at the bottom.
TEST_F(RechercheAjustement, NombreDeResultats) {
    Trois_lignes();
    Nuancier12();
    Ouvre();
    aj.Tape(aj.Text4, QStringLiteral("0"));
    EXPECT_EQ(aj.Text4.Text, QStringLiteral("1"));
    EXPECT_EQ(Lignes().size(), 1);
    aj.Tape(aj.Text4, QStringLiteral("abc"));
    EXPECT_EQ(aj.Text4.Text, QStringLiteral("1"));
    {
        Prompts::Script script;
        script.message(QStringLiteral("Il n'y a que 12 références couleur"));
        aj.Tape(aj.Text4, QStringLiteral("13"));
        EXPECT_EQ(script.remaining(), 0);
    }
    QStringList l = Lignes();
    ASSERT_EQ(l.size(), 12);
    EXPECT_EQ(l[11], QStringLiteral("12  Cel.: 1 /ref:  Blanc\t écart : 168,65"));
    EXPECT_EQ(aj.Frame6(1).Caption, QStringLiteral("nua (12)"));
    {
        Prompts::Script script;
        script.message(QStringLiteral("Il n'y a que 12 références couleur"));
        aj.Defile(aj.VScroll2, -5);
        EXPECT_EQ(script.remaining(), 0);
    }
    EXPECT_EQ(aj.VScroll2.Value, 0);
    EXPECT_EQ(aj.Text4.Text, QStringLiteral("15"));
    EXPECT_EQ(Lignes().size(), 12);
    aj.Defile(aj.VScroll2, 14);
    EXPECT_EQ(aj.Text4.Text, QStringLiteral("1"));
    aj.Defile(aj.VScroll2, 12);
    EXPECT_EQ(aj.Text4.Text, QStringLiteral("3"));
    EXPECT_EQ(Lignes().size(), 3);

    // "comparer" disables the box; "Ajuster" gives it back.
    aj.Clique(aj.Option5, 1);
    EXPECT_FALSE(aj.Text4.Enabled);
    EXPECT_EQ(aj.Text4.BackColor, Desactive);
    aj.Tape(aj.Text4, QStringLiteral("5"));
    EXPECT_EQ(aj.Text4.Text, QStringLiteral("3"));
    aj.Clique(aj.Option5, 0);
    EXPECT_TRUE(aj.Text4.Enabled);
    EXPECT_EQ(aj.Text4.BackColor, Blanc);
}

// The tolerance boxes follow the first scroll bar whichever moves; the automatic mode and
// the kind of tolerance set the boxes, labels and focus.
TEST_F(RechercheAjustement, ToleranceEtModeAutomatique) {
    Trois_lignes();
    Nuancier12();
    Ouvre();
    aj.Defile(aj.VScroll1(0), 50);
    EXPECT_EQ(aj.VScroll1(0).Value, 100);
    aj.Defile(aj.VScroll1(1), 50);
    for (int i = 0; i <= 2; ++i) EXPECT_EQ(aj.Text1(i).Text, QStringLiteral("1")) << i;

    aj.Clique(aj.Option3, 1);
    aj.Clique(aj.Check4);
    for (int i = 0; i <= 2; ++i) {
        EXPECT_EQ(aj.Text1(i).BackColor, Automatique) << i;
        EXPECT_EQ(aj.Label2(i).Caption, QString()) << i;
    }
    EXPECT_FALSE(aj.Option1(0).Enabled);
    EXPECT_EQ(aj.Option1(1).Value, -1);
    // Back to the means, and their search.
    EXPECT_EQ(aj.Option3(0).Value, -1);
    EXPECT_EQ(aj.Option3(1).Value, 0);
    EXPECT_EQ(aj.Text3(0).Text, QStringLiteral("130,00"));
    EXPECT_EQ(Lignes(), QStringList{QStringLiteral("1  Cel.: 5 /ref:  Brique\t écart : 02,89")});
    EXPECT_TRUE(aj.Text4.Enabled);
    EXPECT_TRUE(aj.VScroll2.Enabled);
    EXPECT_FALSE(aj.Text1(0).Enabled);
    EXPECT_FALSE(aj.VScroll1(0).Enabled);
    EXPECT_EQ(aj.ActiveControl, QStringLiteral("Text4"));

    aj.Clique(aj.Check4);
    EXPECT_EQ(aj.Label2(0).Caption, QStringLiteral("%"));
    EXPECT_EQ(aj.Label2(1).Caption, QString());
    EXPECT_FALSE(aj.Text1(1).Enabled);
    EXPECT_TRUE(aj.Option1(0).Enabled);
    EXPECT_TRUE(aj.Option1(1).Enabled);
    EXPECT_EQ(aj.Option1(1).Value, -1);
    EXPECT_EQ(aj.Text1(0).BackColor, Blanc);
    EXPECT_TRUE(aj.Text1(0).Enabled);
    EXPECT_FALSE(aj.Text4.Enabled);
    EXPECT_TRUE(aj.VScroll1(0).Enabled);
    EXPECT_EQ(aj.ActiveControl, QStringLiteral("Text1(0)"));
    aj.Defile(aj.VScroll1(0), 90);
    for (int i = 0; i <= 2; ++i) EXPECT_EQ(aj.Text1(i).Text, QStringLiteral("11")) << i;

    aj.Clique(aj.Option1, 0);
    EXPECT_EQ(aj.Option1(1).Value, 0);
    for (int i = 0; i <= 2; ++i) EXPECT_EQ(aj.Label2(i).Caption, QString()) << i;
    aj.Clique(aj.Option1, 1);
    EXPECT_EQ(aj.Option1(0).Value, 0);
    EXPECT_EQ(aj.Label2(0).Caption, QStringLiteral("%"));
}

} // namespace
