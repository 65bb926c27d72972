// The calibration panel and its correction frame, through the edit menu and the command
// bar: what each step shows and enables, and the correction of the coefficient.
//
// Reference numbers (by hand): 0.5 x 1.1 = 0.55, then x 1.1 = 0.605.
#include <gtest/gtest.h>

#include "tests/measure/aide_calibrage.h"

namespace {

using namespace AideCalibrage;

class PanneauCal : public CalibrageTest {
protected:
    QStringList Reglages_depart() const override {
        return {QStringLiteral("CALIBRAGE = 0,5"), QStringLiteral("INDPRES= VRAI")};
    }
};

TEST_F(PanneauCal, OuvertureEtEtapes) {
    EXPECT_FALSE(tav.Frame(7).Visible);
    Panneau();
    EXPECT_TRUE(tav.Frame(7).Visible);
    EXPECT_FALSE(tav.Frame(14).Visible);
    EXPECT_EQ(tav.TBox(0).Text, QStringLiteral("0,5"));
    EXPECT_FALSE(tav.TBox(0).Enabled);
    EXPECT_EQ(tav.label(7).Caption, QStringLiteral("Calibrage actuel"));
    for (int i = 21; i <= 26; ++i) EXPECT_TRUE(tav.bout(i).Enabled) << i;
    EXPECT_FALSE(tav.bout(20).Enabled);
    EXPECT_EQ(tav.bout(44).Caption, QStringLiteral("Correction calibrage"));

    // 0, 1: nothing but the common part; every step but 2 disables 23.
    tav.Bout_Click(21);
    EXPECT_EQ(EtapeCalibrage, 0);
    EXPECT_FALSE(tav.bout(23).Enabled);
    EXPECT_TRUE(tav.Frame(7).Visible);
    // 5: the correction value, which nothing sets.
    tav.Bout_Click(26);
    EXPECT_EQ(tav.TBox(0).Text, QStringLiteral("0"));
    EXPECT_FALSE(tav.bout(6).Enabled);
    EXPECT_TRUE(tav.bout(20).Enabled);
    EXPECT_EQ(tav.label(3).Caption, Lib_Langue[113]);
    tav.Bout_Click(20);   // its "Valider" changes no coefficient
    EXPECT_DOUBLE_EQ(CalibrageActuel, 0.5);
    EXPECT_EQ(tav.TBox(0).BackColor, 0xFFFFFF);
    // 4: the comment box, yellow, waiting.
    tav.Bout_Click(25);
    EXPECT_EQ(tav.TBox(0).Text, QString());
    EXPECT_EQ(tav.TBox(0).BackColor, 0xFFFF);
    EXPECT_TRUE(tav.TBox(0).Enabled);
    EXPECT_EQ(tav.label(7).Caption, Lib_Langue[121]);
    // "Quitter calibrage" hides the panel.
    tav.Bout_Click(19);
    EXPECT_FALSE(tav.Frame(7).Visible);
    // The option buttons of the method.
    tav.Optn(3).Value = -1;
    tav.Optn_Click(3);
    EXPECT_FALSE(tav.TBox(2).Enabled);
    EXPECT_TRUE(tav.bout(27).Enabled);
}

TEST_F(PanneauCal, CorrectionDuCoefficient) {
    Fonction(1);
    Panneau();
    tav.Bout_Click(44);
    EXPECT_TRUE(tav.Frame(14).Visible);
    EXPECT_TRUE(tav.TBox(0).Enabled);
    EXPECT_EQ(tav.bout(44).Caption, QStringLiteral("fermer correction"));
    tav.TBox(1).Text = QStringLiteral("1,1");
    tav.Command1_Click(0);
    EXPECT_DOUBLE_EQ(CalibrageActuel, 0.55);
    EXPECT_EQ(tav.TBox(0).Text, QStringLiteral("0,55"));
    EXPECT_EQ(tav.TBox(0).ForeColor, 255);
    // The corrected coefficient is the picture's, and label(5) shows it.
    EXPECT_DOUBLE_EQ(CalibrageImage[1], 0.55);
    EXPECT_EQ(tav.label(5).Caption, QStringLiteral("Cal. = 0,5500"));
    tav.TBox(1).Text = QStringLiteral("1.1");
    tav.Command1_Click(0);
    EXPECT_DOUBLE_EQ(CalibrageActuel, 0.605);
    // A factor of 0: refused, the coefficient from the frame's opening comes back.
    tav.TBox(1).Text = QStringLiteral("0");
    Prompts::Script script;
    script.message(QStringLiteral(" erreur donnée de calibrage"));
    tav.Command1_Click(0);
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_DOUBLE_EQ(CalibrageActuel, 0.5);
    EXPECT_DOUBLE_EQ(CalibrageImage[1], 0.5);
    EXPECT_EQ(tav.TBox(0).Text, QStringLiteral("0,5"));
    // "Annuler" brings that coefficient back too.
    tav.TBox(1).Text = QStringLiteral("2");
    tav.Command1_Click(0);
    EXPECT_DOUBLE_EQ(CalibrageActuel, 1.0);
    tav.Command1_Click(1);
    EXPECT_DOUBLE_EQ(CalibrageActuel, 0.5);
    tav.Bout_Click(25), tav.TBox(0).Text = QStringLiteral("40x huile");   // a comment to save: no number
    script.message(QStringLiteral(" erreur donnée de calibrage"));
    tav.Command1_Click(0);
    EXPECT_DOUBLE_EQ(CalibrageActuel, 0.5);
    EXPECT_EQ(tav.label(5).Caption, QStringLiteral("Cal. = 0,5000"));
    // Rows measured after a correction are saved and reloaded under the picture's coefficient.
    tav.TBox(1).Text = QStringLiteral("2");
    tav.Command1_Click(0);
    Segment(40);
    EXPECT_EQ(cell(1, 1), "40,00");
    tav.Bout_Click(44);
    EXPECT_FALSE(tav.Frame(14).Visible);
    EXPECT_EQ(tav.bout(44).Caption, QStringLiteral("Correction calibrage"));
    // Another picture, then back to the first: its coefficient is the corrected one.
    Image(800, 600);
    ListIMGchar.setListIndex(0);
    tav.ListIMGchar_DblClick();
    EXPECT_DOUBLE_EQ(CalibrageActuel, 1.0);
}

TEST_F(PanneauCal, LaBarreSuitLaLongueurTapee) {   // as the user types it
    tav.Illus_Click(1), Clic(1500, 1500), Tape(QStringLiteral("25"));
    EXPECT_FLOAT_EQ(LongueurRef, 25);
}

} // namespace
