// Calibration by pointing, through the command bar, the panel and the dialog: a known
// length, graduations, the objective standard; the typed value's bounds, "Annule", the
// automatic decimals, the resolution option, and the user's own rows left alone.
//
// Reference numbers (by hand): 100 um over 400 units = 0.25 um a unit; 40 units x 0.25 =
// 10.00; graduations 10 x (100 / 40) / 200 = 0.125; objective standard: one division =
// (200 / 400) x 100 / 10 = 5 um; automatic decimals w = 1000 x 0.001 / c: c = 0.2 -> 5,
// 0.02 -> 50, 0.002 -> 500, 1 -> 1, 0.125 -> 8; a 700-unit chain over 175 um = 0.25.
#include <gtest/gtest.h>

#include "app/parametres.h"
#include "base/gen.h"
#include "tests/measure/aide_calibrage.h"

namespace {

using namespace AideCalibrage;

class Pointage : public CalibrageTest {
protected:
    // The first value of row r, as a number.
    static double Nombre(int r) { return Gen::Val_decimal(GrilleRef.TextMatrix(r, 1)); }
};

TEST_F(Pointage, UneLongueurConnueCommeLUtilisateurLaVoit) {
    Fonction(1);
    Segment(100, 3000);
    tav.Bout_Click(10);
    EXPECT_EQ(tav.bout(10).BackColor, 255);
    EXPECT_EQ(tav.StatusBar.Text, QStringLiteral("pointer N divisions du micromètre oculaire"));
    EXPECT_TRUE(ModeCalibrage);
    EXPECT_FALSE(tav.Frame(8).Visible);

    Segment(400);
    EXPECT_TRUE(tav.Frame(8).Visible);
    EXPECT_EQ(tav.TBox(5).Text, QStringLiteral("400,00"));
    EXPECT_EQ(tav.TBox(5).BackColor, 0xFFFF);
    EXPECT_EQ(tav.label(8).Caption, QStringLiteral("entrer la longueur"));
    EXPECT_EQ(cell(2, 1), "400,00");

    Tape(QStringLiteral("100"));
    OK();
    EXPECT_DOUBLE_EQ(CalibrageActuel, 0.25);
    EXPECT_DOUBLE_EQ(CalibrageImage[1], 0.25);
    EXPECT_EQ(tav.label(5).Caption, QStringLiteral("Cal. = 0,2500"));
    EXPECT_FALSE(ModeCalibrage);
    EXPECT_FALSE(tav.Frame(8).Visible);
    EXPECT_EQ(tav.bout(10).BackColor, FaceBouton);
    // The pointing leaves the grid; the user's row, measured on this picture, reads with
    // its coefficient: 100 units x 0.25.
    EXPECT_EQ(cell(1, 1), "25,00");
    EXPECT_EQ(cell(2, 1), "");
    EXPECT_EQ(NbLignesGrille, 2);

    Segment(40);
    EXPECT_EQ(cell(2, 1), "10,00");
    // A further segment is an ordinary row: the pointing has ended.
    EXPECT_FALSE(tav.Frame(8).Visible);
}

TEST_F(Pointage, LeCoefficientSuitLImageAffichee) {
    Fonction(1);
    Lignes_utilisateur(1);
    tav.Bout_Click(10);
    Segment(400);
    Tape(QStringLiteral("100"));
    OK();
    // Another picture comes with the coefficient in force; the first keeps its own.
    Image(800, 600);
    Niveau(0);
    tav.Bout_Click(10);
    Segment(400);
    Tape(QStringLiteral("200"));
    OK();
    EXPECT_DOUBLE_EQ(CalibrageImage[2], 0.5);
    ListIMGchar.setListIndex(0);
    tav.ListIMGchar_DblClick();
    EXPECT_EQ(IndexImageActive, 1);
    EXPECT_DOUBLE_EQ(CalibrageActuel, 0.25);
    EXPECT_EQ(tav.label(5).Caption, QStringLiteral("Cal. = 0,2500"));
}

TEST_F(Pointage, ParGraduationsAvecLObjectif) {
    Fonction(2);
    Lignes_utilisateur(1);   // a spore of the user's, length and width
    Glisse(1050, 2900, 1100, 3100);
    ASSERT_EQ(NbLignesGrille, 2);
    ASSERT_NE(cell(1, 2), "");
    Panneau();
    EXPECT_TRUE(tav.Frame(7).Visible);
    tav.Optn(3).Value = 0;
    tav.Optn(4).Value = -1;
    tav.Optn_Click(4);
    EXPECT_TRUE(tav.TBox(2).Enabled);
    EXPECT_FALSE(tav.bout(27).Enabled);
    tav.TBox(2).Text = QStringLiteral("40");
    tav.Bout_Click(23);
    EXPECT_FALSE(tav.Frame(7).Visible);
    EXPECT_EQ(TypeCalibrage, 3);
    Segment(200);
    EXPECT_EQ(tav.label(8).Caption, QStringLiteral("entrer le nombre de division pour l'objectif x 40"));
    Tape(QStringLiteral("10"));
    OK();
    EXPECT_DOUBLE_EQ(CalibrageActuel, 0.125);
    EXPECT_DOUBLE_EQ(CalibrageImage[1], 0.125);
    // Only the pointing went: the user's spore and its width are whole, read with the
    // picture's new coefficient (100 x 0.125, 200 x 0.125).
    EXPECT_EQ(NbLignesGrille, 2);
    EXPECT_EQ(EtapeMesure, 1);
    EXPECT_EQ(cell(1, 1), "12,50");
    EXPECT_EQ(cell(1, 2), "25,00");
    EXPECT_EQ(cell(2, 1), "");
}

TEST_F(Pointage, EtalonObjectifDeuxMesures) {
    Fonction(1);
    Lignes_utilisateur(3);
    Panneau();
    tav.Bout_Click(27);
    EXPECT_EQ(TypeCalibrage, 2);
    EXPECT_EQ(tav.StatusBar.Text, QStringLiteral("pointer les extrémités du segment étalon"));
    Segment(400);
    EXPECT_TRUE(tav.Frame(8).Visible);
    Tape(QStringLiteral("100"));
    OK();
    EXPECT_DOUBLE_EQ(CalibrageActuel, 0.25);
    EXPECT_TRUE(ModeCalibrage);   // the second measure follows
    EXPECT_EQ(tav.StatusBar.Text, QStringLiteral("pointer N divisions du micromètre oculaire"));
    EXPECT_EQ(NbLignesGrille, 4);

    Segment(200);
    EXPECT_EQ(tav.label(8).Caption, QStringLiteral("entrer le nombre de divisions"));
    EXPECT_EQ(tav.TBox(5).Text, QStringLiteral("50,00"));
    Tape(QStringLiteral("10"));
    Prompts::Script script;
    script.message(QStringLiteral(" 1 division représente  5,000"));
    OK();
    EXPECT_EQ(script.remaining(), 0);
    // The coefficient stays microns a unit, the standard's.
    EXPECT_DOUBLE_EQ(CalibrageActuel, 0.25);
    EXPECT_DOUBLE_EQ(CalibrageImage[1], 0.25);
    EXPECT_FALSE(ModeCalibrage);
    // Both pointings went, and nothing else: the rows read with the standard's coefficient.
    EXPECT_EQ(NbLignesGrille, 4);
    EXPECT_EQ(cell(1, 1), "25,00");
    // The user's rows read back from their records, within a whole picture unit at each end.
    EXPECT_NEAR(Nombre(2), 27.5, 0.1);
    EXPECT_NEAR(Nombre(3), 30.0, 0.1);
    EXPECT_EQ(cell(4, 1), "");
    Segment(40);
    EXPECT_EQ(cell(4, 1), "10,00");
}

TEST_F(Pointage, BornesDeLaValeurTapee) {
    Fonction(1);
    // value, accepted, coefficient
    struct Cas { const char* tape; bool accepte; double c; };
    for (const Cas& k : {Cas{"10000", true, 25.0}, Cas{"0,0001", true, 2.5e-7}, Cas{"0.0001", true, 2.5e-7},
                         Cas{"10000,01", false, 0}, Cas{"0,00009", false, 0}, Cas{"-5", false, 0}}) {
        SCOPED_TRACE(k.tape);
        const double avant = CalibrageActuel;
        tav.Bout_Click(10);
        Segment(400);
        Tape(QString::fromUtf8(k.tape));
        Prompts::Script script;
        if (!k.accepte) script.message(QString::fromUtf8(k.tape)[0] == '1' ? QStringLiteral("Maxi 10000") : QStringLiteral("Mini 0.0001"));
        OK();
        EXPECT_EQ(script.remaining(), 0);
        if (k.accepte) {
            EXPECT_DOUBLE_EQ(CalibrageActuel, k.c);
            EXPECT_FALSE(tav.Frame(8).Visible);
        } else {
            // Nothing changes: the dialog and the pointing wait for another value.
            EXPECT_EQ(CalibrageActuel, avant);
            EXPECT_TRUE(tav.Frame(8).Visible);
            EXPECT_TRUE(ModeCalibrage);
            EXPECT_EQ(NbLignesGrille, 2);
            Annule();
        }
        EXPECT_EQ(NbLignesGrille, 1);
        // Back to one micron a unit for the next case.
        tav.Bout_Click(10);
        Segment(400);
        Tape(QStringLiteral("400"));
        OK();
        ASSERT_DOUBLE_EQ(CalibrageActuel, 1.0);
    }
}

TEST_F(Pointage, UnZeroPuisCent) {
    Fonction(1);
    Lignes_utilisateur(1);
    tav.Bout_Click(10);
    Segment(400);
    for (const char* refus : {"0", "", "abc"}) {
        SCOPED_TRACE(refus);
        Tape(QString::fromUtf8(refus));
        Prompts::Script script;
        script.message(QStringLiteral("Mini 0.0001"));
        OK();
        EXPECT_EQ(script.remaining(), 0);
        EXPECT_EQ(tav.lblLabelflashx.Caption, QStringLiteral("donnée valeur invalide,"));
        EXPECT_EQ(tav.FraFlash.BackColor, 0x00FF00);
        EXPECT_TRUE(tav.Frame(8).Visible);
        EXPECT_TRUE(ModeCalibrage);
        EXPECT_EQ(cell(2, 1), "400,00");
        EXPECT_DOUBLE_EQ(CalibrageActuel, 1.0);
    }
    Tape(QStringLiteral("100"));
    OK();
    EXPECT_DOUBLE_EQ(CalibrageActuel, 0.25);
    EXPECT_EQ(cell(1, 1), "25,00");
    EXPECT_EQ(cell(2, 1), "");
    EXPECT_EQ(NbLignesGrille, 2);
}

TEST_F(Pointage, AnnuleNeRetireQueLePointage) {
    Fonction(1);
    Lignes_utilisateur(2);
    // Before any segment: nothing to take back.
    tav.Bout_Click(10);
    Annule();
    EXPECT_FALSE(ModeCalibrage);
    EXPECT_EQ(tav.bout(10).BackColor, FaceBouton);
    EXPECT_EQ(NbLignesGrille, 3);
    EXPECT_EQ(cell(2, 1), "110,00");
    // After the pointing: it goes, the coefficient stays.
    tav.Bout_Click(10);
    Segment(400);
    Annule();
    EXPECT_FALSE(tav.Frame(8).Visible);
    EXPECT_FALSE(ModeCalibrage);
    EXPECT_DOUBLE_EQ(CalibrageActuel, 1.0);
    EXPECT_EQ(NbLignesGrille, 3);
    EXPECT_EQ(cell(3, 1), "");
    EXPECT_EQ(cell(2, 1), "110,00");
}

TEST_F(Pointage, LesSegmentsMesuresDialogueOuvertRestent) {
    Fonction(1);
    tav.Bout_Click(10);
    Segment(400);
    Segment(60, 2000);   // a row of the user's, while the dialog waits
    EXPECT_EQ(cell(2, 1), "60,00");
    Tape(QStringLiteral("100"));
    OK();
    // The coefficient comes from the pointing, and only the pointing leaves: the user's
    // row reads with it, 60 x 0.25.
    EXPECT_DOUBLE_EQ(CalibrageActuel, 0.25);
    EXPECT_EQ(NbLignesGrille, 2);
    EXPECT_NEAR(Nombre(1), 15.0, 0.1);
}

TEST_F(Pointage, OKSansPointage) {
    Fonction(1);
    Lignes_utilisateur(1);
    Prompts::Script script;
    OK();
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_FALSE(tav.Frame(8).Visible);
    EXPECT_EQ(tav.label(5).Caption, QStringLiteral("Cal. = 1,0000"));
    EXPECT_DOUBLE_EQ(CalibrageImage[1], 1.0);
    EXPECT_EQ(NbLignesGrille, 2);
    // "Etalonner" then OK with no segment yet: no length to divide by, not even that of a
    // pointing cancelled before.
    tav.Bout_Click(10);
    Segment(400);
    Annule();
    tav.Bout_Click(10);
    script.message(QStringLiteral("alerte 99"));
    OK();
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_FALSE(ModeCalibrage);
    EXPECT_DOUBLE_EQ(CalibrageActuel, 1.0);
    EXPECT_EQ(cell(1, 1), "100,00");
}

TEST_F(Pointage, DecimalesAutomatiques) {
    Reglages({QStringLiteral("CALIBRAGE = 1"), QStringLiteral("INDPRES= VRAI"), QStringLiteral("DECIMAUTO= VRAI")});
    ASSERT_TRUE(DecimalesAuto);
    ASSERT_EQ(tav.lblWidth.Caption, QStringLiteral("1000"));
    Fonction(1);
    // value typed over 400 units, format: w = 5, 50, 500, then 1 leaves it.
    for (auto [v, format] : {std::pair{"80", "###0"}, {"8", "###0.0"}, {"0,8", "###0.00"}, {"80", "###0"}, {"400", "###0"}}) {
        SCOPED_TRACE(v);
        tav.Bout_Click(10);
        Segment(400);
        Tape(QString::fromUtf8(v));
        OK();
        EXPECT_EQ(FormatDecimal, QString::fromUtf8(format));
    }
    // Graduations choose from the coefficient they end with, 0.125: w = 8.
    FormatDecimal = QStringLiteral("###0.00");
    tav.Optn(3).Value = 0;
    tav.Optn(4).Value = -1;
    tav.Bout_Click(23);
    Segment(200);
    Tape(QStringLiteral("10"));
    OK();
    EXPECT_DOUBLE_EQ(CalibrageActuel, 0.125);
    EXPECT_EQ(FormatDecimal, QStringLiteral("###0"));
}

TEST_F(Pointage, PointageEnChaine) {
    tav.Check2.Value = 1;
    tav.Check2_Click();
    Fonction(1);
    tav.Bout_Click(10);
    Clic(1500, 1500);
    Clic(1800, 1500);
    Clic(1800, 1900, 2);   // 300 + 400 units
    EXPECT_EQ(tav.TBox(5).Text, QStringLiteral("700,00"));
    Tape(QStringLiteral("175"));
    OK();
    EXPECT_DOUBLE_EQ(CalibrageActuel, 0.25);
    EXPECT_EQ(cell(1, 1), "");
    EXPECT_EQ(NbLignesGrille, 1);
}

TEST_F(Pointage, IndependanceDeDimension) {
    tav.Form_Activate();   // the window's first showing sets its grid up
    Fonction(1);
    Image(2000, 1500);
    Niveau(0);
    tav.Optn(2).Value = 0;
    tav.Optn(1).Value = -1;
    tav.Optn_Click(1);
    EXPECT_FALSE(IndResolution);
    EXPECT_DOUBLE_EQ(KZoomCal, 2.0);
    Segment(40);
    EXPECT_EQ(cell(1, 1), "80,00");
    // The statistics window closing activates the measuring window: the scale holds.
    tav.Form_Activate();
    EXPECT_DOUBLE_EQ(KZoomCal, 2.0);
    Segment(40, 2000);
    EXPECT_EQ(cell(2, 1), "80,00");
    // The objective standard's step takes the same factor.
    tav.Bout_Click(27);
    EXPECT_DOUBLE_EQ(KZoomCal, 2.0);
    Annule();
    // "Ind. Res." counts pixels of the picture as they are.
    tav.Optn(1).Value = 0;
    tav.Optn(2).Value = -1;
    tav.Optn_Click(2);
    EXPECT_TRUE(IndResolution);
    EXPECT_DOUBLE_EQ(KZoomCal, 1.0);
    tav.Form_Activate();
    EXPECT_DOUBLE_EQ(KZoomCal, 1.0);
}

// Before OK: the pointing's width, the row above deleted, a new spore: only the pointing goes, ratio and volume too.
TEST_F(Pointage, LePointageSuitSaLigneEtEmporteSesValeurs) {
    Fonction(2);
    Segment(100, 3000), Glisse(1050, 2950, 1050, 3050);
    tav.Bout_Click(10);
    Segment(400), Glisse(1200, 900, 1200, 1100);
    GrilleRef.setRow(1), tav.Bout_Click(15);
    Segment(60, 2000), Glisse(1030, 1950, 1030, 2050);
    Tape(QStringLiteral("100")), OK();
    // The width reads with the new coefficient: 200 x 0.25.
    for (const auto& [c, attendu] : {std::pair{1, ""}, {2, "50,00"}, {3, ""}, {4, ""}}) EXPECT_EQ(cell(1, c), attendu);
    EXPECT_NEAR(Nombre(2), 15.0, 0.1);
}

// A value measured while the dialog waits, in the row the pointing began, follows the new
// coefficient as the complete rows do: a width of 60 units x 0.25, within a picture unit
// at each end.
TEST_F(Pointage, LaLigneEnCoursSuitLeCoefficient) {
    Fonction(4);
    tav.Bout_Click(10);
    Segment(400);
    Glisse(1200, 950, 1200, 1010);
    Tape(QStringLiteral("100"));
    OK();
    EXPECT_EQ(cell(1, 1), "");
    EXPECT_NEAR(Gen::Val_decimal(GrilleRef.TextMatrix(1, 2)), 15.0, 0.1);
}

} // namespace
