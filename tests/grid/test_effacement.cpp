// Undo, row deletion with the records, and the clearings of the grid.
#include "tests/grid/aide_grille.h"

#include <QImage>

#include "base/etat_programme.h"
#include "base/messages.h"
#include "base/tav.h"
#include "grid/effacement.h"
#include "grid/etat_grille.h"
#include "grid/grille_affichage.h"
#include "base/grilles.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"
#include "platform/prompts.h"
#include "base/etat_partage.h"
#include "colour/etat_couleur.h"

namespace {

// Marks record r so that its moves can be followed.
void Marque(int r) {
    Trame(r).Segments[1].x1 = r * 100;
    Trame(r).Image = short(r);
}

} // namespace

TEST_F(GrilleTest, UndoOnAnEmptyGridDoesNothing) {
    Choisit(2);
    Tav::instance()->EffacE_1();
    EXPECT_EQ(NbLignesGrille, 1);
    EXPECT_EQ(EtapeMesure, 1);
}

TEST_F(GrilleTest, UndoOfTheFirstValueLeavesAnEmptyGrid) {
    Choisit(2);
    Mesure(10);
    Tav::instance()->EffacE_1();
    EXPECT_EQ(NbLignesGrille, 1);
    EXPECT_EQ(EtapeMesure, 1);
    EXPECT_EQ(cell(1, 1), QString());
    Ligne({14, 7});
    EXPECT_EQ(cell(1, 1), QStringLiteral("14,00"));
    EXPECT_EQ(cell(1, 3), QStringLiteral("2,00"));
}

TEST_F(GrilleTest, UndoOfACompleteSegmentRowWaitsForANewSegment) {
    Choisit(1);
    Ligne({10});
    Ligne({20});
    GrilleRef.setTextMatrix(2, 3, QStringLiteral("note"));
    Tav::instance()->EffacE_1();
    EXPECT_EQ(NbLignesGrille, 2);
    EXPECT_EQ(EtapeMesure, 1);
    EXPECT_EQ(cell(2, 1), QString());
    EXPECT_EQ(cell(2, 2), QString());
    EXPECT_EQ(cell(2, 3), QString());
    EXPECT_EQ(Trame(2).Texte, QStringLiteral("0"));
    EXPECT_EQ(Trame(2).Zoom, 1);
    Ligne({30});
    EXPECT_EQ(cell(2, 1), QStringLiteral("30,00"));
    EXPECT_EQ(NbLignesGrille, 3);
}

TEST_F(GrilleTest, RemeasuringAnUndoneSporeKeepsQAndV) {
    Choisit(2);
    Ligne({10, 5});
    Tav::instance()->EffacE_1();
    EXPECT_EQ(NbLignesGrille, 1);
    EXPECT_EQ(EtapeMesure, 2);
    EXPECT_EQ(cell(1, 1), QStringLiteral("10,00"));
    EXPECT_EQ(cell(1, 2), QString());
    EXPECT_EQ(cell(1, 3), QString());
    // The length comes back from its cell: Q = 10 / 4, V = 4 * 40 * 3.14159 / 6 = 83.78.
    Mesure(4);
    EXPECT_EQ(cell(1, 3), QStringLiteral("2,50"));
    EXPECT_EQ(cell(1, 4), QStringLiteral("83,8"));
    EXPECT_EQ(NbLignesGrille, 2);
}

TEST_F(GrilleTest, UndoOfASpore3DRowMeasuresItsLastValueAgain) {
    Choisit(3);
    Ligne({12, 6});
    Tav::instance()->EffacE_1();
    EXPECT_EQ(EtapeMesure, 2);
    EXPECT_EQ(cell(1, 2), QString());
    EXPECT_EQ(cell(1, 4), QString());
    // The width measured again completes the row: Q = 12 / 4.
    Mesure(4);
    EXPECT_EQ(cell(1, 2), QStringLiteral("4,00"));
    EXPECT_EQ(cell(1, 4), QStringLiteral("3,00"));
    EXPECT_EQ(NbLignesGrille, 2);
}

TEST_F(GrilleTest, UndoInTheFirstRowAfterTwoValues) {
    Choisit(4);
    Ligne({30, 6});
    ASSERT_EQ(EtapeMesure, 3);
    Tav::instance()->EffacE_1();
    EXPECT_EQ(EtapeMesure, 2);
    EXPECT_EQ(cell(1, 2), QString());
    EXPECT_EQ(cell(1, 1), QStringLiteral("30,00"));
    Ligne({7, 5});
    EXPECT_EQ(cell(1, 2), QStringLiteral("7,00"));
    EXPECT_EQ(NbLignesGrille, 2);
}

TEST_F(GrilleTest, UndoOfAValueMarksTheRecordOfItsOwnRow) {
    Choisit(2);
    Ligne({10, 5});
    Ligne({11, 5});
    Mesure(12);
    Marque(1);
    Trame(3).Segments[1].x1 = 77;
    Gen::Texte_cellule(1, 1);   // the cursor elsewhere
    Tav::instance()->EffacE_1();
    EXPECT_EQ(EtapeMesure, 1);
    EXPECT_EQ(cell(3, 1), QString());
    EXPECT_EQ(Trame(3).Segments[1].x1, 0);
    EXPECT_EQ(Trame(3).Texte, QStringLiteral("0"));
    EXPECT_EQ(Trame(1).Segments[1].x1, 100);
    EXPECT_EQ(Trame(1).Image, 1);
}

TEST_F(GrilleTest, DeletingAMiddleRowMovesTheRowsAndRecords) {
    Choisit(1);
    for (int r = 1; r <= 5; ++r) {
        Ligne({short(r * 10)});
        Marque(r);
    }
    ExtraitListe = QStringLiteral("2;4;");
    short ligne = 3;
    Tav::instance()->Efface_ligne(ligne);
    EXPECT_EQ(NbLignesGrille, 5);
    EXPECT_TRUE(ExtraitListe.isEmpty()) << "the extract's row numbers no longer hold";
    EXPECT_EQ(cell(3, 1), QStringLiteral("40,00"));
    EXPECT_EQ(cell(4, 1), QStringLiteral("50,00"));
    EXPECT_EQ(cell(3, 0), QStringLiteral("3"));
    EXPECT_EQ(cell(4, 0), QStringLiteral("4"));
    EXPECT_EQ(cell(5, 1), QString());
    EXPECT_EQ(Trame(3).Segments[1].x1, 400);
    EXPECT_EQ(Trame(4).Segments[1].x1, 500);
    EXPECT_EQ(Trame(5).Segments[1].x1, 0);
    EXPECT_EQ(GrilleRef.Rows(), 257);
    // The summaries follow.
    EXPECT_EQ(stat(8, 1), QStringLiteral("4"));
    EXPECT_EQ(stat(1, 1), QStringLiteral("30,00"));
}

TEST_F(GrilleTest, DeletingTheRowBeingFilled) {
    Choisit(2);
    Ligne({10, 5});
    Ligne({12, 6});
    Mesure(14);
    short ligne = 0;
    Tav::instance()->Efface_ligne(ligne);
    EXPECT_EQ(NbLignesGrille, 3);
    EXPECT_EQ(EtapeMesure, 1);
    EXPECT_EQ(cell(3, 1), QString());
    EXPECT_EQ(cell(2, 1), QStringLiteral("12,00"));
    // With no row under way, the last complete row goes.
    Tav::instance()->Efface_ligne(ligne);
    EXPECT_EQ(NbLignesGrille, 2);
    EXPECT_EQ(cell(2, 1), QString());
    EXPECT_EQ(cell(1, 1), QStringLiteral("10,00"));
}

TEST_F(GrilleTest, DeletingARowWithAnEmptyFirstCellDeletesThatRow) {
    Choisit(2);
    Ligne({10, 5});
    Ligne({12, 6});
    Ligne({14, 7});
    GrilleRef.setTextMatrix(2, 1, QString());
    short ligne = 2;
    Tav::instance()->Efface_ligne(ligne);
    EXPECT_EQ(NbLignesGrille, 3);
    EXPECT_EQ(cell(1, 1), QStringLiteral("10,00"));
    EXPECT_EQ(cell(2, 1), QStringLiteral("14,00"));
}

TEST_F(GrilleTest, DeletingARowOutsideTheFilledRowsDoesNothing) {
    Choisit(1);
    Ligne({10});
    Ligne({20});
    for (short ligne : {short(5), short(-1), short(300)}) {
        short l = ligne;
        Tav::instance()->Efface_ligne(l);
    }
    short vide = 0;
    Choisit(1);
    Tav::instance()->Efface_ligne(vide);   // an empty row 1 is not deleted
    EXPECT_EQ(NbLignesGrille, 1);
}

TEST_F(GrilleTest, DeletionOfTheLastRowOfAFullGrid) {
    Tav::instance()->TgrilleMax_Click(0);
    SauveAuto = 0;
    Choisit(1);
    for (int i = 1; i <= 63; ++i) Ligne({short(i)});
    short ligne = 63;
    Tav::instance()->Efface_ligne(ligne);
    EXPECT_EQ(NbLignesGrille, 63);
    EXPECT_EQ(GrilleRef.Rows(), 65);
    Ligne({99});
    EXPECT_EQ(cell(63, 1), QStringLiteral("99,00"));
}

TEST_F(GrilleTest, ClearingAsksBeforeLosingData) {
    Choisit(1);
    Ligne({10});
    ModeCalibrage = -1;
    {
        Prompts::Script script;
        script.message(QStringLiteral("effacer  la grille  ? "), Prompts::No);
        Gen::RAZ_grille(0);
    }
    EXPECT_EQ(cell(1, 1), QStringLiteral("10,00"));
    EXPECT_EQ(ModeCalibrage, 0);
    EXPECT_EQ(NbLignesGrille, 2);
    {
        Prompts::Script script;
        script.message(QStringLiteral("effacer  la grille  ? "), Prompts::Yes);
        Gen::RAZ_grille(0);
    }
    EXPECT_EQ(cell(1, 1), QString());
    EXPECT_EQ(cell(0, 1), QStringLiteral("Longueur"));
    EXPECT_EQ(NbLignesGrille, 1);
    // An empty grid is cleared without a question.
    Gen::RAZ_grille(0);
}

TEST_F(GrilleTest, ClearingEverythingAfterConfirmation) {
    Tav& tav = *Tav::instance();
    Choisit(1);
    Ligne({10});
    Marque(1);
    ListIMGchar.AddItem(chemin(QStringLiteral("a.jpg")));
    CalibrageImage[1] = 0.3;
    ModeCalibrage = -1;
    {
        Prompts::Script script;
        script.message(QStringLiteral("effacer  la grille  &  la liste d'images  ? "), Prompts::No);
        tav.RAZ_Grille_total();
    }
    EXPECT_FALSE(tav.Frame(6).Visible);
    EXPECT_EQ(ModeCalibrage, 0);
    EXPECT_EQ(cell(1, 1), QStringLiteral("10,00"));
    {
        Prompts::Script script;
        script.message(QStringLiteral("la liste d'images"), Prompts::Yes);
        tav.RAZ_Grille_total();
    }
    EXPECT_EQ(cell(1, 1), QString());
    EXPECT_EQ(ListIMGchar.ListCount(), 0);
    EXPECT_EQ(CalibrageImage[1], 1.0);
    EXPECT_EQ(Trame(1).Segments[1].x1, 0);
}

TEST_F(GrilleTest, StatisticsResetZeroesEveryColumn) {
    for (int i = 0; i <= 8; ++i) EffectifCol[i] = Decile1Col[i] = MedianeCol[i] = Decile9Col[i] = 5;
    Gen::RAZ_stats();
    for (int i = 0; i <= 8; ++i) {
        EXPECT_EQ(EffectifCol[i], 0) << i;
        EXPECT_EQ(Decile1Col[i], 0) << i;
        EXPECT_EQ(MedianeCol[i], 0) << i;
        EXPECT_EQ(Decile9Col[i], 0) << i;
    }
}

TEST_F(GrilleTest, ClearingTheRecordsEmptiesEveryOne) {
    Choisit(1);
    for (int r = 0; r <= 6; ++r) {
        Marque(r);
        Trame(r).Texte = QStringLiteral("x");
    }
    Marque(256);
    Gen::RAZ_grille(1);   // the row counter is already back at 1
    Gen::RAZ_trame();
    for (int r : {0, 1, 3, 6, 256}) {
        EXPECT_EQ(Trame(r).Segments[1].x1, 0) << r;
        EXPECT_EQ(Trame(r).Image, 0) << r;
        EXPECT_EQ(Trame(r).Texte, QString()) << r;
    }
    EXPECT_EQ(NbLignesGrille, 1);
    EXPECT_EQ(EtapeMesure, 1);
}

TEST_F(GrilleTest, FindingARowBringsBackItsImageAndCentre) {
    Tav& tav = *Tav::instance();
    Choisit(2);
    Ligne({10, 5});
    QImage image(200, 150, QImage::Format_RGB32);
    image.fill(Qt::gray);
    ASSERT_TRUE(image.save(chemin(QStringLiteral("b.png"))));
    ListIMGchar.AddItem(chemin(QStringLiteral("a.png")));
    ListIMGchar.AddItem(chemin(QStringLiteral("b.png")));
    CalibrageImage[2] = 0.25;
    Trame(1).Image = 2;
    Trame(1).Zoom = 0;
    Trame(1).Segments[1] = {100, 200, 300, 400};
    EchelleAffichage = 1.0;
    tav.Picture1.Width = 1000;
    tav.Picture1.Height = 600;
    Gen::Texte_cellule(1, 1);
    tav.Cherche_spore();
    EXPECT_EQ(IndexImageActive, 2);
    EXPECT_EQ(NomImageActive, chemin(QStringLiteral("b.png")));
    EXPECT_EQ(CalibrageActuel, 0.25);
    EXPECT_EQ(tav.label(5).Caption, Nombre_local(QStringLiteral("Cal. = 0,2500")));
    // Centre (200, 300) less half the picture at zoom factor 1, in the display scale the
    // redraw of the new image computes.
    EXPECT_EQ(OrigineX, Vb::CLng(200 - 500 * EchelleAffichage));
    EXPECT_EQ(OrigineY, Vb::CLng(300 - 300 * EchelleAffichage));
    EXPECT_EQ(ZoomActif, -1);
}
