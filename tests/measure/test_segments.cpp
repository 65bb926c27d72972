// Segments, spores and cystidia measured through the window's handlers: both styles, by
// drag and by two clicks, the 3D spore's endings, the pop-up menus, and the records in
// image units.
//
// Reference numbers (python3): E = EchelleAffichage = 26458 / 9000 for a 1000-pixel
// picture in a 9000-unit view; R = sqrt(1.4142136), level -1: FacteurZoom = 1 / R.
//   level 0: Int(1500 E) = 4409, Int(1800 E) = 5291; round(1650 E) = 4851,
//            round(1400 E) = 4116, round(1600 E) = 4704, round(1700 E) = 4998, round(1800 E) = 5292
//   level -1 after a hand drag of (-900, -600): origin = round(k x 900), round(k x 600) with
//            k = (1/R) 26458 / 9060: (2210, 1473); f = (1/R) E = 2.4720486;
//            Int(1650 f) + 2210 = 6288 (rounded: 6289), Int(1450 f) + 1473 = 5057,
//            Int(2250 f) + 2210 = 7772; round(1800 f + 2210) = 6660, round(1400 f + 1473) = 4934,
//            round(1700 f + 1473) = 5675; 600 / R = 504.54 -> 505 px, 300 / R = 252.27 -> 252 px
//   spore 2D 150 x 100: volume column 100 x (150 x 100) x 3.14159 / 6 = 785397.5
#include <gtest/gtest.h>

#include "platform/pressepapier.h"
#include "tests/measure/aide_mesure.h"

namespace {

using namespace AideMesure;

class Segments : public MesureTest {};

TEST_F(Segments, UneSporeDessineeCommeLUtilisateurLaVoit) {
    Fonction(2);
    Appui(1500, 1500);
    // The press cross, +-100 units (6.7 pixels) in the first drawing colour.
    EXPECT_EQ(Px(Vue(), 106, 100), Trace0);
    EXPECT_EQ(Px(Vue(), 100, 106), Trace0);
    EXPECT_EQ(Px(Vue(), 108, 100), Gris);
    Bouge(1650, 1500);
    Bouge(1800, 1500);
    EXPECT_EQ(tav.label(9).Caption, QStringLiteral("150,00"));
    EXPECT_EQ(Px(Vue(), 115, 100), Trace0);   // the rubber band
    EXPECT_TRUE(Sortie(Vue(), QStringLiteral("mesure_glissement")));
    Relache(1800, 1500);
    EXPECT_EQ(cell(1, 1), "150,00");
    EXPECT_EQ(EtapeMesure, 2);
    EXPECT_EQ(entree(1, 1), (SegmentTrame{4409, 4409, 5291, 4409}));
    EXPECT_EQ(TableMesures[1].Image, 1);

    // The width: guide lines follow the mouse across the axis, the width ends on the foot
    // point straight below its press.
    Appui(1650, 1400);
    Bouge(1700, 1600);
    EXPECT_TRUE(Autour(Vue(), 173, 107, Trace1));     // guide line through the mouse
    EXPECT_TRUE(Autour(Vue(), 110, 100, Trace1));     // the width from its press to the foot
    EXPECT_EQ(Px(Vue(), 113, 104), Gris);             // no rubber band to the mouse
    Relache(1700, 1600);
    EXPECT_EQ(cell(1, 2), "100,00");
    EXPECT_EQ(cell(1, 3), "1,50");
    EXPECT_EQ(cell(1, 4), "785397,5");
    EXPECT_EQ(entree(1, 2), (SegmentTrame{4851, 4116, 4851, 4704}));
    EXPECT_EQ(NbLignesGrille, 2);
    EXPECT_EQ(EtapeMesure, 1);
    EXPECT_TRUE(Sortie(Vue(), QStringLiteral("mesure_spore")));
}

TEST_F(Segments, ChaqueFonctionRemplitSesColonnesEnDeuxAxes) {
    // function, values per row
    for (auto [f, n] : {std::pair{1, 1}, {4, 3}, {5, 4}, {6, 5}}) {
        SCOPED_TRACE(f);
        Fonction(short(f));
        Glisse(1500, 1500, 2100, 1500);
        for (int k = 2; k <= n; ++k) Glisse(1500 + 100 * k, 1400, 1550 + 100 * k, 1400 + 100 * k);
        EXPECT_EQ(cell(1, 1), "300,00");
        for (int k = 2; k <= n; ++k) EXPECT_EQ(cell(1, k), QString::number(50 * k).append(",00").toStdString());
        EXPECT_EQ(NbLignesGrille, 2);
        EXPECT_EQ(EtapeMesure, 1);
    }
}

TEST_F(Segments, LeStyleSimpleMesureDeLAppuiAuRelachement) {
    Bipoint();
    Fonction(2);
    Glisse(1500, 1500, 2100, 1500);
    EXPECT_EQ(cell(1, 1), "300,00");
    Glisse(1700, 1400, 1800, 1600);   // 223.6 units: 224 pixels
    EXPECT_EQ(cell(1, 2), "112,00");
    EXPECT_EQ(tav.label(9).Caption, QStringLiteral("112,0000"));
    EXPECT_EQ(entree(1, 2), (SegmentTrame{4998, 4116, 5292, 4704}));
    EXPECT_EQ(NbLignesGrille, 2);

    Fonction(4);
    Glisse(1500, 1500, 2100, 1500);
    Glisse(1500, 1500, 1500, 1700);
    Glisse(1500, 1500, 1800, 1500);
    EXPECT_EQ(cell(1, 1), "300,00");
    EXPECT_EQ(cell(1, 2), "100,00");
    EXPECT_EQ(cell(1, 3), "150,00");
}

TEST_F(Segments, DeuxClicsValentUnGlisserEtUnClicCourtNeFermeRien) {
    for (bool simple : {false, true}) {
        SCOPED_TRACE(simple);
        if (simple) Bipoint();
        Fonction(1);
        Clic(1500, 1500);
        // The first click holds its view and picture: the hand, the open, the paste and the scan wait.
        Touche(17);
        Glisse(3000, 3000, 2000, 3000);
        Touche(17);
        tav.MnuFIC_Click(1);
        tav.MnuFIC_Click(4);
        tav.MnuTwain_Click(2);
        EXPECT_EQ(OrigineX, 0);
        EXPECT_EQ(tav.lblLabelflashx.Caption, QStringLiteral(" mesure inachevée"));
        EXPECT_TRUE(TraceSecondPoint);
        Clic(1510, 1510);   // 20 units from the origin: still a click
        EXPECT_TRUE(TraceSecondPoint);
        EXPECT_EQ(cell(1, 1), "");
        Bouge(2100, 1500);
        Clic(2100, 1500);
        EXPECT_EQ(cell(1, 1), "300,00");
        EXPECT_FALSE(TraceOrigine || TraceSecondPoint || MesureBloquee);
        Glisse(1500, 1500, 1520, 1505);   // a drag shorter than the tolerance is a click too
        EXPECT_EQ(cell(2, 1), "");
        Clic(1500, 1800);
        EXPECT_EQ(cell(2, 1), "150,00");
        Fonction(2);
    }
}

TEST_F(Segments, LaSporeEnTroisDimensions) {
    Fonction(3);
    // How the width step ends, the pop-up's answer, and the column filled.
    struct Cas {
        short bouton;
        bool touche_e;
        std::optional<int> choix;
        int colonne;
    };
    const Cas cas[] = {{1, false, {}, 2}, {2, false, 1, 2}, {2, false, 2, 3}, {2, false, std::nullopt, 2},
                       {1, true, {}, 3}};
    int ligne = 1;
    for (const Cas& c : cas) {
        SCOPED_TRACE(ligne);
        Glisse(1500, 1500, 2100, 1500);
        Prompts::Script script;
        if (c.bouton == 2) script.popup(c.choix, QStringLiteral("Largeur|épaisseur"));
        if (c.touche_e) tav.Picture1_KeyDown(69, 0);
        // The mouse ends off the perpendicular: the value is the segment drawn to the foot point.
        Appui(1800, 1400, c.bouton);
        Bouge(1900, 1700, c.bouton);
        Relache(1900, 1700, c.bouton);
        if (c.touche_e) tav.Picture1_KeyUp(69, 0);
        EXPECT_EQ(script.remaining(), 0);
        EXPECT_EQ(cell(ligne, 1), "300,00");
        EXPECT_EQ(cell(ligne, c.colonne), "150,00");
        EXPECT_EQ(cell(ligne, 5 - c.colonne), "");
        EXPECT_EQ(cell(ligne, c.colonne + 2), "2,00");   // L / l or L / e
        ++ligne;
        EXPECT_EQ(NbLignesGrille, ligne);
    }
    // The plain style's thickness from the pop-up.
    Bipoint();
    Glisse(1500, 1500, 2100, 1500);
    Prompts::Script script;
    script.popup(2);
    Glisse(1800, 1400, 1800, 1700, 2);
    EXPECT_EQ(cell(ligne, 3), "150,00");
}

TEST_F(Segments, LeMenuDuBoutonDroit) {
    Fonction(2);
    Appui(1500, 1500);
    Bouge(2100, 1500);
    {
        // Dismissed: the segment stays open, then "Valider" ends it.
        Prompts::Script script;
        script.popup(std::nullopt, QStringLiteral("Valider|Annuler/Retracer")).popup(4);
        Relache(2100, 1500, 2);
        EXPECT_TRUE(TraceOrigine);
        EXPECT_EQ(cell(1, 1), "");
        Appui(2100, 1500, 2);
        Relache(2100, 1500, 2);
        EXPECT_EQ(cell(1, 1), "300,00");
    }
    Glisse(1500, 1400, 1600, 1600);
    Appui(1500, 2500);
    Bouge(2100, 2500);
    {
        // "Annuler/Retracer": the view without the item, and the next ending release is swallowed.
        Prompts::Script script;
        script.popup(5);
        Relache(2100, 2500, 2);
    }
    EXPECT_EQ(Vue(), tav.ImageMem.Image());
    EXPECT_EQ(Px(Vue(), 106, 167), Gris);
    EXPECT_TRUE(ImageRestauree);
    // A segment begun after the restore is measured whole, from its own origin.
    Glisse(1500, 2800, 2000, 2800);
    EXPECT_EQ(cell(2, 1), "250,00");
    EXPECT_FALSE(ImageRestauree);

    // Escape while dragging the width: the drag's own release is swallowed, and the next
    // segment starts where it is pressed, not at the abandoned origin.
    Appui(1500, 3200);
    Bouge(2100, 3200);
    Touche(27);
    Relache(2100, 3200);
    EXPECT_EQ(cell(2, 2), "");
    EXPECT_FALSE(ImageRestauree);
    Glisse(1800, 3500, 1800, 3900);
    EXPECT_EQ(cell(2, 2), "200,00");
}

TEST_F(Segments, LesTramesEnUnitesImageAUnZoomEtUneOrigineQuelconques) {
    Niveau(-1);
    Touche(17);   // the hand mode, for a drag of the view
    Glisse(5000, 4000, 4100, 3400);
    Touche(17);
    ASSERT_EQ(OrigineX, 2210);
    ASSERT_EQ(OrigineY, 1473);
    Fonction(2);
    Glisse(1650, 1450, 2250, 1450);
    Glisse(1800, 1400, 1900, 1700);
    EXPECT_EQ(cell(1, 1), "252,50");
    EXPECT_EQ(cell(1, 2), "126,00");
    // The length axis truncates the product before the origin is added; the width rounds.
    EXPECT_EQ(entree(1, 1), (SegmentTrame{6288, 5057, 7772, 5057}));
    EXPECT_EQ(entree(1, 2), (SegmentTrame{6660, 4934, 6660, 5675}));
    EXPECT_EQ(TableMesures[1].Zoom, -1);
    EXPECT_EQ(TableMesures[1].Image, 1);
}

TEST_F(Segments, LaLargeurSansMouvementFinitAuPiedDuRelachement) {
    Fonction(2);
    Glisse(1500, 1500, 2100, 2100);   // a 45-degree axis
    // Pressed and released with no move between: the foot point of the release point.
    Appui(2000, 1600);
    Relache(1700, 2100);
    EXPECT_EQ(cell(1, 2), "283,00");   // |(2000, 1600) (1600, 2000)| = 565.7
    EXPECT_EQ(SegmentsEcran[2][SegX2], 1600);
    EXPECT_EQ(SegmentsEcran[2][SegY2], 2000);
}

TEST_F(Segments, DesLongueursAuDelaDeSeizeBits) {
    // A 6000-pixel picture under "Ind. Dim.": lengths count 6 per view unit.
    Image(6000, 300);
    tav.Optn(2).Value = 0;
    tav.Optn(1).Value = -1;
    tav.Optn_Click(1);
    ASSERT_EQ(KZoomCal, 6.0);
    Niveau(0);
    Fonction(1);
    Glisse(500, 1000, 8500, 1000);   // 8000 units: 48000 pixels
    EXPECT_EQ(LongueurPixels, 48000);
    EXPECT_EQ(cell(1, 1), "24000,00");

    // A view 3000 pixels wide takes points beyond 32767 units; Int(36000 x 26458 / 45000)
    // = 21166, Int(40000 x ...) = 23518, Int(1500 x ...) = 881.
    Image(1000, 750);
    tav.Optn(1).Value = 0;
    tav.Optn(2).Value = -1;
    tav.Optn_Click(2);
    Redimensionne_vue_a(45000);
    Niveau(0);
    Fonction(2);
    Glisse(36000, 1500, 40000, 1500);
    // The coefficient followed the view, five times wider: 4000 units of it are the 800
    // of the first view, at 0.5 micron.
    EXPECT_EQ(cell(1, 1), "400,00");
    EXPECT_EQ(entree(1, 1), (SegmentTrame{21166, 881, 23518, 881}));
}

} // namespace

namespace {

using namespace AideMesure;

class Reglages : public MesureTest {};

TEST_F(Reglages, InsereDimEcritLaLongueurLeLongDuSegment) {
    tav.Affmesure.Value = 1;
    Fonction(1);
    Glisse(1500, 2500, 4500, 2500);
    EXPECT_EQ(cell(1, 1), "1500,00");
    // The text runs along the segment from its left end, under it.
    int trace = 0;
    for (int y = 168; y < 184; ++y)
        for (int x = 100; x < 200; ++x) trace += Px(Vue(), x, y) == Trace0;
    EXPECT_GT(trace, 20);
    EXPECT_TRUE(Sortie(Vue(), QStringLiteral("mesure_insere_dim")));
}

TEST_F(Reglages, LeMenuDesCystidesGardeLaGrilleDeSaFonction) {
    Fonction(5);
    Glisse(1500, 1500, 2100, 1500);
    tav.Cyst_Click(2);   // the function in use: no question, nothing cleared
    EXPECT_EQ(cell(1, 1), "300,00");
    EXPECT_EQ(EtapeMesure, 2);
}

TEST_F(Reglages, LaGrillePleineArreteLesMesures) {
    tav.TgrilleMax_Click(0);
    Fonction(1);
    for (int i = 0; i < 63; ++i) Glisse(1500, 1500, 2100, 1500);
    EXPECT_EQ(NbLignesGrille, 64);
    Prompts::Script script;
    script.message(QStringLiteral("grille pleine"));
    Glisse(1500, 1500, 2100, 1500);
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(NbLignesGrille, 64);
    EXPECT_FALSE(TraceOrigine || MesureBloquee);
}

// Mid-spore, "Etalonner" and "Cherche" wait, with the flash: the bar dragged next is the
// spore's width, 400 units down from its axis at 0.5 um a unit = 200,00.
TEST_F(Segments, EtalonnerEtChercheAttendentLaSporeEnCours) {
    Fonction(2);
    Glisse(1000, 1000, 1600, 1000);
    for (const short bouton : {10, 14}) {
        tav.lblLabelflashx.Caption.clear();
        tav.Bout_Click(bouton);
        EXPECT_EQ(tav.lblLabelflashx.Caption, QStringLiteral(" mesure inachevée"));
    }
    Glisse(1000, 3000, 1300, 3400);
    EXPECT_FALSE(tav.Frame(8).Visible);
    EXPECT_EQ(cell(1, 2), "200,00");
}

// "Eff.  ligne" on the row being filled takes its length along, and the grid is empty; on
// row 1 it moves the spore under way up with its length, 800 units = 400,00, and the width
// dragged next, 100 units, stays its width: 50,00.
TEST_F(Segments, EffacerUneLigneGardeLaSporeEnCoursAuDessous) {
    Fonction(2);
    Glisse(1000, 1000, 1600, 1000);
    GrilleRef.setRow(1);
    tav.Bout_Click(15);
    EXPECT_EQ(NbLignesGrille, 1);
    Glisse(1000, 1000, 1600, 1000);
    Glisse(1300, 900, 1300, 1100);
    Glisse(1000, 3000, 1800, 3000);
    GrilleRef.setRow(1);
    tav.Bout_Click(15);
    Glisse(1400, 2900, 1400, 3000);
    EXPECT_EQ(cell(1, 1), "400,00");
    EXPECT_EQ(cell(1, 2), "50,00");
}

// Esc with the button held, released in place: the next item runs from its own first click.
TEST_F(Segments, EchapBoutonEnfonceOublieLOrigine) {
    for (const short densite : {2, 0}) {
        densite ? tav.MnDens_Click(densite) : tav.MnuFonc_Click(1);
        Appui(700, 700), Touche(27), Relache(700, 700);
        Clic(1500, 1500), Clic(1740, densite ? 1660 : 1500);
        EXPECT_EQ(cell(1, 1), densite ? "9600,00" : "120,00");   // 240 x 160 x 0.25, 240 x 0.5
    }
}

// A density counted on a picture opened after a paste, its count undone and taken again;
// with another picture shown its undo is refused. The reread rounds its corners to whole units.
TEST_F(Segments, UnRetourNeRouvrePasUneLigneDUneAutreImage) {
    PressePapier::Simule presse;
    presse.image = QImage(500, 400, QImage::Format_RGB32);
    tav.MnuFIC_Click(4);
    Image(800, 600);
    tav.MnDens_Click(2);
    Glisse(3000, 3000, 3600, 3400);
    Clic(5000, 3000, 2);
    Touche(8);
    Clic(5000, 3000, 2);
    Image(1000, 750);
    for (const auto annule : {+[](Tav& t) { t.Picture1_KeyDown(8, 0); }, +[](Tav& t) { t.Bout_Click(2); }}) {
        tav.lblLabelflashx.Caption.clear();
        annule(tav);
        EXPECT_EQ(tav.lblLabelflashx.Caption, QStringLiteral(" mesure inachevée"));
    }
    EXPECT_EQ(cell(1, 1), "30000,00");
    EXPECT_EQ(cell(1, 2), "0");
    EXPECT_EQ(cell(1, 5), "2");
    tav.Mntool_Click(4);
    EXPECT_EQ(cell(1, 1), "29995,67");
    EXPECT_EQ(cell(1, 2), "0");
    EXPECT_EQ(cell(1, 5), "2");
}

// A width of no length: no ratio and a volume of 0, at the recording as at the reread.
TEST_F(Segments, UneLargeurNulleAUnVolumeNul) {
    Fonction(2);
    Glisse(1500, 1500, 2100, 1500);
    Glisse(1800, 1500, 1900, 1500);   // the foot of a press on the axis is the press
    EXPECT_EQ(cell(1, 2), "0,00");
    EXPECT_EQ(cell(1, 3), "");
    EXPECT_EQ(cell(1, 4), "0,0");
    tav.Mntool_Click(4);
    EXPECT_EQ(cell(1, 3), "");
    EXPECT_EQ(cell(1, 4), "0,00");
}

} // namespace
