// The start-up values, the initial empty table and the grid-size menu.
#include <gtest/gtest.h>
#include <cmath>

#include "app/disposition.h"
#include "base/etat_demarrage.h"
#include "base/etat_programme.h"
#include "base/messages.h"
#include "base/tav.h"
#include "base/vb.h"
#include "colour/etat_couleur.h"
#include "grid/etat_grille.h"
#include "base/grilles.h"
#include "measure/etat_mesure.h"
#include "platform/prompts.h"
#include "tests/common/fixture.h"
#include "base/etat_partage.h"
#include "image/etat_image.h"

namespace {

class Demarrage : public EtatPropre {};

TEST_F(Demarrage, ValeursDeDepartEnVigueur) {
    EXPECT_EQ(StatDef, 3);
    EXPECT_EQ(CodeLangue, "fr");
    EXPECT_EQ(FormatDecimal, "###0.00");
    EXPECT_EQ(InitFaite, -1);
    EXPECT_EQ(ExtExport, "csv");
    EXPECT_EQ(CouleursTrace[0], 12);
    EXPECT_EQ(CouleursTrace[1], 10);
    EXPECT_EQ(TailleGrille, 256);
    EXPECT_EQ(ZoomActif, -1);
    EXPECT_EQ(TolClic, 30);
    EXPECT_EQ(PasZoom, 1);
    EXPECT_EQ(NiveauZoom, 0);
    EXPECT_EQ(SautLigne, "\r\n");
    EXPECT_EQ(LargeurVignette, 2500);
    EXPECT_EQ(TailleLoupeEcran, 3000);
    EXPECT_EQ(DemiLoupeEcran, 1500);
    EXPECT_EQ(ZoneLoupe, 1000);
    EXPECT_EQ(DemiZoneLoupe, 500);
    EXPECT_EQ(ModeDeuxAxes, -1);
    EXPECT_EQ(AutoRetrace, -1);
    EXPECT_EQ(ModePalmer, 2);
    EXPECT_EQ(DemiGuide, DemiGuideDefaut);
    EXPECT_EQ(DemiGuideDefaut, Vb::CInt(Tav::instance()->Picture1.Width / 5.0));  // the laid-out view
    EXPECT_EQ(PositionPanneau, 1);
    EXPECT_EQ(SauveAuto, 10);
    EXPECT_EQ(AutoPdms, -1);
    EXPECT_EQ(IndexZoneCouleur, 3);
    EXPECT_EQ(TabExtImage, QStringList({"BMP", "JPG"}));
    EXPECT_EQ(FormatImage, 0);
    EXPECT_EQ(LargeurRefAbsente, -1);
    EXPECT_EQ(LoupeVisible, -1);
    EXPECT_DOUBLE_EQ(CalibrageActuel, 1.0);
    EXPECT_DOUBLE_EQ(KZoomCal, 1.0);
    EXPECT_EQ(NomUtilisateur, "Votre nom");
}

TEST_F(Demarrage, ZoomDeDepartEstLaRacineQuatriemeArrondie) {
    // The ratio is the square root of the rounded constant, not the exact fourth root of 2.
    EXPECT_EQ(RapportZoom, std::sqrt(1.4142136));
    EXPECT_NE(RapportZoom, std::pow(2.0, 0.25));
    EXPECT_EQ(FacteurZoom, 1.0);
}

TEST_F(Demarrage, ControlesDeDepart) {
    Tav& tav = *Tav::instance();
    EXPECT_EQ(tav.Check(3).Value, 1) << "statistics computed at start-up";
    EXPECT_EQ(tav.bout(12).BackColor, 0x0000FF);
    EXPECT_EQ(tav.bout(13).BackColor, 0x00FF00);
    EXPECT_FALSE(tav.bout(41).Enabled);
    EXPECT_TRUE(tav.MNSav(1).Checked);
    EXPECT_TRUE(tav.Lrg(3).Checked);
    EXPECT_EQ(TailleZone, 8);
    EXPECT_TRUE(tav.F_Img(0).Checked);
    EXPECT_FALSE(tav.F_Img(1).Checked);
    EXPECT_EQ(tav.F_Img(1).Caption, "JPG");
    EXPECT_TRUE(tav.TTrace(2).Checked);
    EXPECT_EQ(tav.Label8(0).Caption, "dim Ech.");
    EXPECT_EQ(GrilleRefP.Rows(), 12);
    // The results are written "d1, Dominante, d9" until the user picks another notation.
    for (short i = 1; i <= 5; ++i) EXPECT_EQ(tav.NoTexp(i).Checked, i == 5) << i;
    // The grid-size items name the rows they hold.
    EXPECT_EQ(tav.TgrilleMax(0).Caption, "63");
    EXPECT_EQ(tav.TgrilleMax(1).Caption, "127");
    EXPECT_EQ(tav.TgrilleMax(2).Caption, "255");
    const std::pair<const Controle*, const char*> legendes[] = {
        {&tav.FraMC(0), "Groupage Multicouche"}, {&tav.chkMC(1), "Img MC"}, {&tav.BoutMC(0), ">"},
        {&tav.BoutMC(1), "<"}, {&tav.BoutMC(2), ">>"}, {&tav.BoutMC(3), "<<"}, {&tav.BoutMC(4), "OK"},
        {&tav.cmdTest, "test"}, {&tav.Vald(2), "Enregistre"}, {&tav.Vald(3), "Ferme"},
        {&tav.cmdRep(0), "Charger"}, {&tav.cmdRep(1), "Répertoire"}, {&tav.cmdRep(2), "Fermer"},
        {&tav.Optn(1), "Ind. Dim."}, {&tav.Optn(2), "Ind. Res."}, {&tav.Optn(3), "Calibrage / longueur"},
        {&tav.Optn(4), "Calibrage / graduations"}, {&tav.Bout_Symb, "µ"}, {&tav.Mnusurf(1), "Triangle"},
        {&tav.Mnusurf(2), "Polygone auto"}, {&tav.Mnusurf(3), "Polygone ouvert"}, {&tav.Mndecim(0), "auto"},
        {&tav.Mndecim(1), "0"}, {&tav.Mndecim(2), "1"}, {&tav.Mndecim(3), "2"}, {&tav.Command4(1), "Sauve ecran"},
        {&tav.CalSrc(1), "active la référence sur image"}, {&tav.CalSrc(2), "sto. auto"},
        {&tav.CalSrc(3), "taille trace"}, {&tav.F_Img(2), "GIF"}, {&tav.F_Img(3), "PNG"}, {&tav.F_Img(4), "TIFF"},
        {&tav.F_Img(5), "PCX"}, {&tav.F_Img(6), "TGA"}, {&tav.Check2, "Poly"}, {&tav.cmdAlerte, "Alerte"},
        {&tav.Command2, "calcul bernstein"}, {&tav.Command3, "test2"}, {&tav.Command4(0), "Rappel écran"},
        {&tav.Bout_dial(28), "Valider"}, {&tav.Bout_dial(30), "Raz commentaire"}, {&tav.cmdFlash, "testflash"}};
    for (auto [c, texte] : legendes) EXPECT_EQ(c->Caption, QString::fromUtf8(texte)) << texte;
    for (short i = 2; i <= 6; ++i) EXPECT_FALSE(tav.F_Img(i).Enabled) << i;  // offered, never available
    EXPECT_FALSE(tav.CalSrc(2).Visible);
    const Controle* caches[] = {&tav.Mntool(7), &tav.Mntool(8), &tav.Mntool(9), &tav.Mntool(11), &tav.Mntool(12),
                                &tav.Illus(3), &tav.Illus(6), &tav.MnuChrt(1), &tav.MnuChrt(4)};
    for (const Controle* c : caches) EXPECT_FALSE(c->Visible);
}

TEST_F(Demarrage, TableVideInitiale) {
    // An explicit empty table: no function, nothing filled, one title row, 255 rows and a spare.
    EXPECT_EQ(NumFonction, 0);
    EXPECT_EQ(NbLignesGrille, 1);
    EXPECT_EQ(GrilleRef.Rows(), 257);
    EXPECT_EQ(GrilleRef.TextMatrix(0, 0), "N°");
    EXPECT_EQ(GrilleRef.Cols(), GrilleRefP.Cols());
    EXPECT_EQ(MGrille.Rows(), 4);
    Tav::instance()->Calcul_stat();
    EXPECT_EQ(GrilleRefP.TextMatrix(0, GrilleRefP.Cols() - 1), "index");
    EXPECT_EQ(GrilleRefP.TextMatrix(1, 0), "Moy");
}

TEST_F(Demarrage, MenuTailleGrilleGardeLesLignes) {
    Tav& tav = *Tav::instance();
    GrilleRef.setTextMatrix(5, 0, "5");
    tav.TgrilleMax_Click(1);
    EXPECT_EQ(TailleGrille, 128);
    EXPECT_EQ(GrilleRef.Rows(), 129);
    EXPECT_TRUE(tav.TgrilleMax(1).Checked);
    EXPECT_FALSE(tav.TgrilleMax(2).Checked);
    EXPECT_EQ(GrilleRef.TextMatrix(5, 0), "5");
    tav.TgrilleMax_Click(0);
    EXPECT_EQ(GrilleRef.Rows(), 65);
    tav.TgrilleMax_Click(7);  // not an item: nothing changes
    EXPECT_EQ(TailleGrille, 64);
}

TEST_F(Demarrage, MenuTailleGrilleNeCoupeJamaisDesMesures) {
    Tav& tav = *Tav::instance();
    GrilleRef.setTextMatrix(100, 0, "100");
    NbLignesGrille = 101;  // 100 rows filled
    Prompts::Script script;
    script.message("contient des données");
    tav.TgrilleMax_Click(0);
    EXPECT_EQ(TailleGrille, 256);
    EXPECT_EQ(GrilleRef.Rows(), 257);
    EXPECT_EQ(GrilleRef.TextMatrix(100, 0), "100");
    tav.TgrilleMax_Click(1);  // 127 rows hold the 100
    EXPECT_EQ(TailleGrille, 128);
    EXPECT_EQ(GrilleRef.TextMatrix(100, 0), "100");
}

TEST_F(Demarrage, EtiquetteDeCalibrageFormatee) {
    // The label shows "Cal.=" and the factor with four decimals in the user's notation.
    CalibrageActuel = 0.12345;
    EXPECT_EQ(Lib_Langue[108] + Vb::Format(CalibrageActuel, "###0.0000"), "Cal.=0,1235");
}

} // namespace
