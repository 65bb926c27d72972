// The command bar: each button clicked as the user clicks it, the ending the buttons share
// (view restored, drawing flags cleared, the "Raz" button's colour, the redraw), the grid
// buttons with their questions, and the annotation dialogue's OK and Annule.
#include <gtest/gtest.h>

#include "base/grilles.h"
#include "image/etat_image.h"
#include "platform/prompts.h"
#include "platform/pressepapier.h"
#include "platform/waits.h"
#include "tests/app/aide_commandes.h"

namespace {

std::string s(const QString& q) { return q.toStdString(); }

constexpr long kFace = 0x8000000F, kVertClair = 0xC0FFC0;

// A button and whether the shared ending follows it, from the program's start.
struct CasBouton {
    short index;
    bool fin_commune;
};

class BoutonSeul : public FenetreMesure, public ::testing::WithParamInterface<CasBouton> {};

TEST_P(BoutonSeul, EndsWithTheSharedEndingUnlessItsOwn) {
    const CasBouton c = GetParam();
    Waits::FakeClock horloge;
    PressePapier::Simule presse_papier;
    Prompts::Script script;  // none of these buttons asks anything from the start
    ImageRestauree = 0;
    tav.StatusBar.Text = QStringLiteral("ancien");
    CompteRedessins redessins;
    tav.Bout_Click(c.index);
    EXPECT_EQ(ImageRestauree, c.fin_commune ? -1 : 0);
    EXPECT_GE(redessins.n, c.fin_commune ? 1 : 0);
    EXPECT_EQ(TraceEnCours, 0);
    EXPECT_EQ(tav.bout(40).BackColor, kFace);
    EXPECT_NE(s(tav.StatusBar.Text), "ancien");
}

// Every index of the bar from the start-up state but 6 (the calibration file's editor asks
// for a file that does not exist yet), the calibration's included (their
// ending stands already), and indexes the bar does not have.
INSTANTIATE_TEST_SUITE_P(Barre, BoutonSeul,
                         ::testing::Values(CasBouton{1, true}, CasBouton{2, true},
                                           CasBouton{4, true}, CasBouton{5, true},
                                           CasBouton{8, true}, CasBouton{9, true}, CasBouton{10, true},
                                           CasBouton{12, true}, CasBouton{13, true}, CasBouton{15, true},
                                           CasBouton{16, true}, CasBouton{18, true}, CasBouton{19, true},
                                           CasBouton{20, true}, CasBouton{27, true}, CasBouton{37, true},
                                           CasBouton{38, true}, CasBouton{40, true}, CasBouton{41, true},
                                           CasBouton{42, true}, CasBouton{43, true}, CasBouton{44, true},
                                           CasBouton{0, true}, CasBouton{45, true}));

TEST_F(FenetreMesure, ModesTurnLightGreenAndBack) {
    tav.Bout_Click(4);  // the magnifier starts shown
    EXPECT_EQ(LoupeVisible, 0);
    EXPECT_FALSE(tav.PLoupePic.Visible);
    EXPECT_EQ(tav.bout(4).BackColor, kFace);
    tav.Bout_Click(4);
    EXPECT_TRUE(tav.PLoupePic.Visible);
    EXPECT_EQ(tav.bout(4).BackColor, kVertClair);

    tav.Bout_Click(9);
    EXPECT_EQ(ModeComptage, -1);
    EXPECT_EQ(ClicArme, -1);
    EXPECT_EQ(s(tav.TBox(6).Text), "0");
    EXPECT_EQ(tav.bout(9).BackColor, kVertClair);
    tav.Bout_Click(9);
    EXPECT_EQ(ModeComptage, 0);
    EXPECT_EQ(tav.bout(9).BackColor, kFace);

    tav.Bout_Click(5);
    EXPECT_EQ(ModeDeplace, -1);
    EXPECT_EQ(s(tav.StatusBar.Text), "Presser le bouton gauche pour déplacer l'image ***");
    tav.Bout_Click(5);
    EXPECT_EQ(ModeDeplace, 0);
    EXPECT_EQ(ModeDeplaceBascule, 0);

    tav.Bout_Click(8);
    EXPECT_TRUE(tav.FraListeImg.Visible);
    EXPECT_EQ(s(tav.StatusBar.Text), "Choix d'une image ou presser 'image' pour fermer***");
    tav.Bout_Click(8);
    EXPECT_FALSE(tav.FraListeImg.Visible);
    EXPECT_EQ(s(tav.StatusBar.Text), "");
}

TEST_F(FenetreMesure, DrawingColoursStepThroughTheSixteenAndRedraw) {
    // Palette (red, green, blue) as &HBBGGRR: 13 magenta (255, 0, 255), 11 cyan (0, 255, 255),
    // 0 black.
    CompteRedessins redessins;
    tav.Bout_Click(12);
    EXPECT_EQ(CouleursTrace[0], 13);
    EXPECT_EQ(tav.bout(12).BackColor, 0xFF00FF);
    EXPECT_EQ(redessins.n, 2);  // the button's own redraw, then the ending's
    tav.Bout_Click(12);
    tav.Bout_Click(12);
    EXPECT_EQ(CouleursTrace[0], 15);
    tav.Bout_Click(12);
    EXPECT_EQ(CouleursTrace[0], 0);
    EXPECT_EQ(tav.bout(12).BackColor, 0x000000);
    tav.Bout_Click(13);
    EXPECT_EQ(CouleursTrace[1], 11);
    EXPECT_EQ(tav.bout(13).BackColor, 0xFFFF00);
}

TEST_F(FenetreMesure, GridFrameAndResultsFrameToggleAndSkipTheRedrawOnClosing) {
    Waits::FakeClock horloge;
    Segments({10, 20});
    ASSERT_TRUE(tav.Frame(6).Visible);  // the grid frame is shown from the start
    {
        CompteRedessins redessins;
        tav.Bout_Click(3);  // rows in the grid: no clearing, no question
        EXPECT_FALSE(tav.Frame(6).Visible);
        EXPECT_EQ(redessins.n, 0);
        EXPECT_EQ(s(tav.StatusBar.Text), "Presser'Alt + G ' pour déplacer la grille ");
    }
    {
        CompteRedessins redessins;
        tav.Bout_Click(3);
        EXPECT_TRUE(tav.Frame(6).Visible);
        EXPECT_EQ(redessins.n, 1);
    }
    EXPECT_EQ(NbLignesGrille, 3);

    tav.Bout_Click(39);
    EXPECT_TRUE(tav.Frame(12).Visible);
    {
        CompteRedessins redessins;
        tav.Bout_Click(39);
        EXPECT_FALSE(tav.Frame(12).Visible);
        EXPECT_EQ(redessins.n, 0);
    }
    tav.Bout_Click(43);
    EXPECT_TRUE(tav.Frame(12).Visible);
    tav.Bout_Click(38);  // the results frame's "fermer"
    EXPECT_FALSE(tav.Frame(12).Visible);
}

TEST_F(FenetreMesure, ResultsPanelCopiesItsTextAndTheNotation) {
    Waits::FakeClock horloge;
    PressePapier::Simule presse_papier;
    Segments({10, 20, 30});
    tav.Bout_Click(43);
    ASSERT_FALSE(tav.TBox(8).Text.isEmpty());
    presse_papier.texte = QStringLiteral("autre chose");
    tav.Bout_Click(37);  // "Copier"
    EXPECT_EQ(presse_papier.texte, tav.TBox(8).Text);

    presse_papier.texte.clear();
    tav.Bout_Click(42);
    EXPECT_FALSE(presse_papier.texte.isEmpty());
    EXPECT_EQ(s(tav.lblLabelflashx.Caption), "         Notation enregistrée");
}

TEST_F(FenetreMesure, ClearingTheGridAnsweredNoKeepsTheSelectedRow) {
    Segments({10, 20, 30});
    for (short bouton : {short(16), short(40)}) {
        GrilleRef.setRow(2);  // the user selects the second row
        Prompts::Script script;
        script.message(QStringLiteral("effacer  la grille  ?"), Prompts::No);
        tav.Bout_Click(bouton);
        EXPECT_EQ(script.remaining(), 0);
        EXPECT_EQ(NbLignesGrille, 4) << bouton;
        EXPECT_EQ(s(GrilleRef.TextMatrix(2, 1)), "20,00") << bouton;
        EXPECT_EQ(s(GrilleRef.TextMatrix(3, 1)), "30,00") << bouton;
        EXPECT_EQ(tav.bout(40).BackColor, kFace);
    }
    Prompts::Script script;
    script.message(QStringLiteral("effacer  la grille  ?"), Prompts::Yes);
    tav.Bout_Click(16);
    EXPECT_EQ(NbLignesGrille, 1);
    EXPECT_EQ(s(GrilleRef.TextMatrix(1, 1)), "");
}

TEST_F(FenetreMesure, AFirstRowUnderWayIsClearedOnlyAfterTheQuestion) {
    tav.MnuFonc_Click(2);  // spores: a length, then a width
    Mstat::Ajoute_Ligne_Grille_Mesure();
    Prompts::Script script;
    script.message(QStringLiteral("effacer  la grille  ?"), Prompts::No);
    tav.Bout_Click(16);  // "Raz gril."
    script.message(QStringLiteral("la liste d'images"), Prompts::No);
    tav.Bout_Click(17);  // "Raz tout"
    EXPECT_EQ(EtapeMesure, 2);
}

TEST_F(FenetreMesure, PastedTableWithABlankFirstCellIsNeverWipedUnasked) {
    // "Quenlor" opens the statistics window; there the user pastes a table whose first
    // cell is blank.
    PressePapier::Simule presse_papier;
    presse_papier.texte = QStringLiteral("\t2\t3\n4\t5\t6\n");
    bool colle = false;
    FenHisto::setModalHook([&](FenHisto& f) { colle = f.Excel_Coller_H(); });
    tav.Bout_Click(11);
    ASSERT_TRUE(colle);
    ASSERT_EQ(s(GrilleRef.TextMatrix(1, 1)), "");
    ASSERT_GT(NbLignesGrille, 1);
    const short lignes = NbLignesGrille;

    Prompts::Script script;  // the grid frame's button asks nothing and clears nothing
    tav.Bout_Click(3);
    EXPECT_EQ(NbLignesGrille, lignes);
    EXPECT_FALSE(GrilleRef.TextMatrix(2, 1).isEmpty());
    script.message(QStringLiteral("effacer  la grille  ?"), Prompts::No);
    tav.Bout_Click(16);  // "Raz gril." asks, as on any grid holding rows
    script.message(QStringLiteral("effacer  la grille  &  la liste d'images  ? "), Prompts::No);
    tav.Bout_Click(17);  // and so does "Raz tout"
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(NbLignesGrille, lignes);
}

TEST_F(FenetreMesure, CountButtonWritesTheCountOnlyIntoAFilledGrid) {
    tav.TBox(6).Text = QStringLiteral("7");  // the user types a count
    tav.Bout_Click(41);
    EXPECT_EQ(s(tav.TBox(6).Text), "7");
    EXPECT_EQ(ComptageEnCours, 0);

    Segments({10, 20});
    tav.TBox(6).Text = QStringLiteral("7");
    tav.Bout_Click(41);
    EXPECT_EQ(s(GrilleRef.TextMatrix(2, GrilleRef.Cols() - 1)), "7");
    EXPECT_EQ(s(tav.TBox(6).Text), "0");
    // The stored count ends the counting: the redraw that closes the button clears both flags.
    EXPECT_EQ(ComptageEnCours, 0);
    EXPECT_EQ(ModeComptage, 0);
    EXPECT_EQ(tav.bout(9).BackColor, 0x8000000F);
}

TEST_F(FenetreMesure, CompactButtonsForwardAndRetraceRedraws) {
    {
        CompteRedessins redessins;
        tav.Bout_C_Click(6);  // "retrace": the view's redraw, then the ending's
        EXPECT_EQ(redessins.n, 2);
    }
    {
        CompteRedessins redessins;
        ImageRestauree = 0;
        tav.Bout_C_Click(5);  // the hand mode, with no ending
        EXPECT_EQ(ModeDeplace, -1);
        EXPECT_EQ(redessins.n, 0);
        EXPECT_EQ(ImageRestauree, 0);
    }
    tav.Bout_C_Click(8);
    EXPECT_TRUE(tav.FraListeImg.Visible);

    tav.Bout_Symb_Click();
    EXPECT_EQ(s(tav.TBox(5).Text), " µm");
}

TEST_F(FenetreMesure, NoButtonRedrawsWhileAnnotationsGoOntoTheCopy) {
    tav.CalSrc_Click(1);
    ASSERT_EQ(ReferenceSurImage, -1);
    for (short bouton : {short(4), short(18), short(38), short(45)}) {
        CompteRedessins redessins;
        tav.Bout_Click(bouton);
        EXPECT_EQ(redessins.n, 0) << bouton;
    }
    tav.Check3.Value = 1;
    tav.Check3_Click();
    tav.Check3.Value = 0;
    tav.Check3_Click();
    EXPECT_EQ(ReferenceSurImage, 0);
    EXPECT_FALSE(tav.CalSrc(1).Checked);
    CompteRedessins redessins;
    tav.Bout_Click(18);
    EXPECT_EQ(redessins.n, 1);
}

// With no annotation being entered, OK and Annule are the calibration dialogue's, and the
// bar's ending follows them (the annotations' own steps are tested from their clicks).
TEST_F(FenetreMesure, OkAndAnnuleWithoutAnnotationAreTheCalibrations) {
    for (short bouton : {short(31), short(32)}) {
        Prompts::Script script;  // no calibration pointed: nothing to confirm, nothing asked
        ImageRestauree = 0;
        CompteRedessins redessins;
        tav.Bout_Click(bouton);
        EXPECT_EQ(script.remaining(), 0);
        EXPECT_EQ(redessins.n, 1) << bouton;
        EXPECT_EQ(ImageRestauree, -1) << bouton;
        EXPECT_EQ(tav.bout(10).BackColor, kFace);
    }
}

} // namespace
