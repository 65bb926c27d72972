// The measuring window's option check boxes, frames that follow a drag, and the start-up
// warning accepted by reading it to its end.
#include <gtest/gtest.h>

#include <QFile>

#include "app/aide.h"
#include "app/parametres.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/grilles.h"
#include "image/etat_image.h"
#include "platform/prompts.h"
#include "platform/textfile.h"
#include "tests/app/aide_commandes.h"

namespace {

std::string s(const QString& q) { return q.toStdString(); }

class Avertissement : public FenetreMesure {
protected:
    // The welcome frame shows a warning file of `n` characters on one line.
    void Montre(int n) {
        if (n > 0) {
            ASSERT_TRUE(TextFile::write(chemin(QStringLiteral("avert_fr.txt")), QString(n, QLatin1Char('a'))));
        }
        Prompts::Script script;
        if (n == 0) script.message(QStringLiteral("introuvable"));
        Gen::Bienvenue();
        ASSERT_EQ(AvertissementAffiche, -1);
    }
    // The user clicks in the warning with the caret at `position`.
    void Clique(int position) {
        tav.TBoxSelStart[7] = position;
        tav.TBox_Click(7);
    }
    void Accepte(int position) {
        Prompts::Script script;
        script.message(QStringLiteral("merci"));
        Clique(position);
        EXPECT_EQ(script.remaining(), 0);
        EXPECT_EQ(AvertissementAccepte, -1);
        EXPECT_EQ(AvertissementAffiche, 0);
        EXPECT_FALSE(tav.Check(4).Enabled);
        EXPECT_TRUE(tav.bout(33).Enabled);
        EXPECT_EQ(s(tav.bout(34).Caption), "fermer");
        EXPECT_TRUE(QFile::exists(Gen::Fichier_parametres()));
    }
};

TEST_F(Avertissement, LongWarningIsAcceptedOnlyNearItsEnd) {
    Montre(498);
    ASSERT_EQ(tav.TBox(7).Text.size(), 500);
    {
        Prompts::Script script;  // far from the end: nothing, not even "introuvable"
        Clique(300);
        Clique(100);
        EXPECT_EQ(AvertissementAccepte, 0);
        EXPECT_EQ(s(tav.bout(33).Caption), " j'accepte");
        EXPECT_EQ(s(tav.bout(34).Caption), " je refuse");
    }
    Accepte(490);
}

TEST_F(Avertissement, ShortWarningIsAcceptedAtItsEnd) {
    Montre(148);
    Accepte(int(tav.TBox(7).Text.size()));
}

TEST_F(Avertissement, MissingWarningSaysSoAndIsNeverAccepted) {
    Montre(0);
    Prompts::Script script;
    script.message(QStringLiteral("avert_fr.txt introuvable"));
    Clique(0);
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(AvertissementAccepte, 0);
}

TEST_F(Avertissement, NoAcceptanceWhileAnnotatingOrFromOtherBoxes) {
    Montre(148);
    Prompts::Script script;
    tav.TBoxSelStart[7] = 148;
    tav.TBox_Click(6);
    tav.Illus_Click(4);
    tav.TBox_Click(7);
    EXPECT_EQ(AvertissementAccepte, 0);
}

TEST_F(FenetreMesure, AnyCheckBoxChoosesBipointAndItsOwnOption) {
    for (short i : {short(1), short(4)}) {
        tav.Optn(6).Value = 0;
        tav.Optn(5).Value = -1;
        tav.Optn_Click(5);
        tav.Check_Click(i);
        EXPECT_EQ(ModePalmer, 1) << i;
        EXPECT_EQ(tav.Optn(6).Value, -1);
    }
    tav.Check(2).Value = 0;
    tav.Check_Click(2);
    EXPECT_EQ(AutoRetrace, 0);
    {
        CompteRedessins redessins;
        tav.Check(2).Value = 1;
        tav.Check_Click(2);
        EXPECT_EQ(AutoRetrace, -1);
        EXPECT_EQ(redessins.n, 1);
    }
    tav.Check(3).Value = 0;
    tav.Check_Click(3);
    EXPECT_EQ(GrilleRefP.BackColor(), 0xE0E0E0);
    tav.Check(3).Value = 1;
    tav.Check_Click(3);
    EXPECT_EQ(GrilleRefP.BackColor(), 0xC0FFC0);
}

TEST_F(FenetreMesure, FramesFollowTheDragButTheCalibrationMode) {
    const int gauche = tav.Frame(7).Left, haut = tav.Frame(7).Top;
    tav.Frame_MouseMove(7, 1, 0, 100, 250);
    EXPECT_EQ(tav.Frame(7).Left, gauche / 2 + 120);
    EXPECT_EQ(tav.Frame(7).Top, haut / 2 + 300);
    for (short cadre : {short(5), short(11), short(14)}) {
        const Controle avant = tav.Frame(cadre);
        tav.Frame_MouseMove(cadre, 1, 0, 100, 250);
        EXPECT_EQ(tav.Frame(cadre), avant) << cadre;
    }
    const Controle avant = tav.Frame(8);
    tav.Frame_MouseMove(8, 2, 0, 100, 250);  // the right button does not drag
    EXPECT_EQ(tav.Frame(8), avant);
}

} // namespace
