// The adjustment window's sources and kinds of values: which grid cells reach Text3, typed
// values in expert mode, the row box and its scroll bar, and how many searches each
// action runs.
#include <gtest/gtest.h>

#include <functional>

#include "base/messages.h"
#include "colour/etat_couleur.h"
#include "tests/colour/aide_fenetre_ajustement.h"

namespace {

using namespace CouleursAjustement;

class SourcesAjustement : public FenetreAjustement {
protected:
    void SetUp() override {
        FenetreAjustement::SetUp();
        Trois_lignes();
    }
    // Text3 holds these cells of a grid row.
    void Copie_de(const Grille& grille, int ligne, int premiere) const {
        for (int i = 0; i <= 2; ++i)
            EXPECT_EQ(aj.Text3(i).Text, grille.TextMatrix(ligne, premiere + i)) << ligne << " col " << premiere + i;
    }
    QString Premiere() const { return Lignes().value(0); }
};

// Each source in each kind: columns 1 to 3 for RGB, 4 to 6 for L*a*b*; the source chosen
// stays across a change of kind.
TEST_F(SourcesAjustement, SourceEtGenreDeValeurs) {
    Nuancier12();
    Ouvre();
    aj.Clique(aj.Option3, 1);
    EXPECT_EQ(aj.Option3(0).Value, 0);
    Copie_de(GrilleRef, 3, 1);
    EXPECT_EQ(aj.Text3(0).Text, QStringLiteral("100"));
    EXPECT_EQ(aj.Text3(0).BackColor, Gris);
    EXPECT_EQ(Premiere(), QStringLiteral("1  Cel.: 8 /ref:  Chocolat\t écart : 00,00"));

    aj.Clique(aj.Option2, 1);
    EXPECT_EQ(aj.Option3(1).Value, -1);
    Copie_de(GrilleRef, 3, 4);
    EXPECT_EQ(aj.Label_C(0).Caption + aj.Label_C(1).Caption + aj.Label_C(2).Caption, QStringLiteral("Lab"));
    for (int i = 1; i <= 8; ++i) EXPECT_EQ(aj.OpDelta(i).Enabled, i >= 4) << i;
    EXPECT_EQ(aj.OpDelta(5).Value, -1);
    EXPECT_EQ(aj.OpDelta(1).Value, 0);
    EXPECT_FALSE(aj.ChKRel.Enabled);
    EXPECT_TRUE(aj.Text2.Text.contains(SautLigne + QStringLiteral("CieLab deltaE*") + SautLigne));
    EXPECT_TRUE(Premiere().startsWith(QStringLiteral("1  Cel.: 8 /ref:   Chocolat\t")));
    EXPECT_FALSE(aj.Frame6(0).Visible);

    aj.Clique(aj.Option3, 0);
    Copie_de(GrilleRefP, 1, 4);
    aj.Tape(aj.Text5, QStringLiteral("2"));
    EXPECT_EQ(aj.Option3(3).Value, -1);
    EXPECT_EQ(aj.Option3(0).Value, 0);
    EXPECT_EQ(aj.VScroll3(0).Value, 2);
    Copie_de(GrilleRef, 2, 4);

    aj.Clique(aj.Option2, 0);
    EXPECT_EQ(aj.Option3(3).Value, -1);
    Copie_de(GrilleRef, 2, 1);
    EXPECT_EQ(aj.OpDelta(1).Value, -1);
    EXPECT_TRUE(aj.ChKRel.Enabled);
    EXPECT_EQ(Premiere(), QStringLiteral("1  Cel.: 4 /ref:  Ocre\t écart : 00,00"));
}

// Typed values only in expert mode; they stay across a change of kind; leaving expert mode
// greys and disables them.
TEST_F(SourcesAjustement, ValeursTapeesEnModeExpert) {
    Nuancier12();
    Ouvre();
    aj.Clique(aj.Option3, 2);
    EXPECT_EQ(aj.Option3(0).Value, -1);
    EXPECT_EQ(aj.Option3(2).Value, 0);

    aj.Clique(aj.Check3);
    EXPECT_TRUE(aj.Option3(2).Enabled);
    aj.Clique(aj.Option3, 2);
    for (int i = 0; i <= 2; ++i) {
        EXPECT_EQ(aj.Text3(i).BackColor, Blanc);
        EXPECT_TRUE(aj.Text3(i).Enabled);
        aj.Tape(aj.Text3(i), QStringLiteral("20"));
    }
    // Typing runs nothing; "Calcul" does.
    EXPECT_EQ(Premiere(), QStringLiteral("1  Cel.: 5 /ref:  Brique\t écart : 02,89"));
    aj.ComCalc_Click();
    EXPECT_EQ(Premiere(), QStringLiteral("1  Cel.: 2 /ref:  Noir\t écart : 00,00"));
    EXPECT_EQ(aj.Frame6(0).BackColor, 0x141414);

    aj.Clique(aj.Option2, 1);
    for (int i = 0; i <= 2; ++i) EXPECT_EQ(aj.Text3(i).Text, QStringLiteral("20")) << i;
    EXPECT_EQ(aj.Option3(2).Value, -1);

    aj.Clique(aj.Check3);
    EXPECT_FALSE(aj.Option3(2).Enabled);
    EXPECT_EQ(aj.Option3(2).Value, -1);
    for (int i = 0; i <= 2; ++i) {
        EXPECT_EQ(aj.Text3(i).BackColor, Gris);
        EXPECT_FALSE(aj.Text3(i).Enabled);
    }
    aj.Tape(aj.Text3(0), QStringLiteral("99"));
    EXPECT_EQ(aj.Text3(0).Text, QStringLiteral("20"));
}

// The row box: clamped to the filled rows, followed by its scroll bar, and the source
// "N° Grille" chosen with it; a box that holds no number still compares row 1.
TEST_F(SourcesAjustement, NumeroDeLigne) {
    Nuancier12();
    Ouvre();
    aj.Tape(aj.Text5, QStringLiteral("0"));
    EXPECT_EQ(aj.Text5.Text, QStringLiteral("1"));
    EXPECT_EQ(aj.VScroll3(0).Value, 1);
    EXPECT_EQ(aj.Option3(3).Value, -1);
    Copie_de(GrilleRef, 1, 1);
    EXPECT_EQ(Premiere(), QStringLiteral("1  Cel.: 3 /ref:  Rouille\t écart : 00,00"));

    aj.Tape(aj.Text5, QStringLiteral("99"));
    EXPECT_EQ(aj.Text5.Text, QStringLiteral("3"));
    EXPECT_EQ(aj.VScroll3(0).Value, 3);
    Copie_de(GrilleRef, 3, 1);

    aj.Defile(aj.VScroll3(0), 2);
    EXPECT_EQ(aj.Text5.Text, QStringLiteral("2"));
    Copie_de(GrilleRef, 2, 1);
    aj.Defile(aj.VScroll3(0), 9);
    EXPECT_EQ(aj.Text5.Text, QStringLiteral("3"));

    // No number: the source is let go and nothing else happens.
    const QString avant = aj.Text2.Text;
    aj.Tape(aj.Text5, QStringLiteral("abc"));
    EXPECT_EQ(aj.Option3(3).Value, 0);
    EXPECT_EQ(aj.Text5.Text, QStringLiteral("abc"));
    EXPECT_EQ(aj.Text2.Text, avant);
    // Chosen with an empty box, "N° Grille" compares row 1.
    aj.Tape(aj.Text5, QString());
    aj.Clique(aj.Option3, 3);
    Copie_de(GrilleRef, 1, 1);
    EXPECT_EQ(Premiere(), QStringLiteral("1  Cel.: 3 /ref:  Rouille\t écart : 00,00"));
    aj.Tape(aj.Text5, QStringLiteral("abc"));
    aj.Clique(aj.Option3, 3);
    Copie_de(GrilleRef, 1, 1);
}

// Without a chart every search says so: the prompts count the searches of each action.
TEST_F(SourcesAjustement, RecherchesParAction) {
    const QString pasDeNuancier = QStringLiteral("Nuancier invalide ou non chargé");
    const QString rien = QStringLiteral("Il n'y a que 0 références couleur");
    auto action = [&](const QStringList& attendus, const std::function<void()>& f) {
        Prompts::Script script;
        for (const QString& m : attendus) script.message(m);
        f();
        EXPECT_EQ(script.remaining(), 0);
    };
    // The kind chosen at the showing, then the showing's own search.
    Ouvre({pasDeNuancier, pasDeNuancier});
    // Too many asked, then the search.
    action({rien, pasDeNuancier}, [&] { aj.Tape(aj.Text4, QStringLiteral("2")); });
    // 0 becomes 1, which runs the box's handler again inside the first.
    action({rien, pasDeNuancier, rien, pasDeNuancier}, [&] { aj.Tape(aj.Text4, QStringLiteral("0")); });
    // The row chosen copies and searches, then the box's handler searches.
    action({pasDeNuancier, pasDeNuancier}, [&] { aj.Tape(aj.Text5, QStringLiteral("2")); });
    // The formula the kind selects, then the kind's search.
    action({pasDeNuancier, pasDeNuancier}, [&] { aj.Clique(aj.Option2, 1); });
    action({pasDeNuancier}, [&] { aj.Clique(aj.OpDelta, 8); });
    action({pasDeNuancier, pasDeNuancier}, [&] { aj.Clique(aj.Option2, 0); });
    action({pasDeNuancier}, [&] { aj.Clique(aj.ChKRel); });
    action({pasDeNuancier}, [&] { aj.ComCalc_Click(); });
    action({pasDeNuancier}, [&] { aj.Clique(aj.Option3, 1); });
    // Values that stay fire nothing.
    action({}, [&] { aj.Tape(aj.Text4, QStringLiteral("1")); });
    action({}, [&] { aj.Clique(aj.Option3, 1); });
    action({}, [&] { aj.Defile(aj.VScroll2, 14); });
    EXPECT_TRUE(aj.Text2.Text.isEmpty());
}

} // namespace
