// The scatter plot and the extraction of points: figures on the plot's own series,
// crosses and the regression line where the scale puts them, refusals shown once, and
// the rows picked by a rectangle, a circle and an ellipse.
#include <QCoreApplication>
#include <cmath>

#include "platform/prompts.h"
#include "tests/statwin/aide_statwin.h"

namespace {

constexpr long Blanc = 0xFFFFFF, Rouge = 0x0000FF;

// True when a pixel of that colour (or, for -1, any pixel but white) lies within one
// pixel of the plot point (x, y).
bool pres(const Surface& s, double x, double y, long couleur) {
    const QPointF p = s.versPixels(x, y);
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy) {
            const int px = int(std::floor(p.x() + 0.5)) + dx, py = int(std::floor(p.y() + 0.5)) + dy;
            if (!s.Image().valid(px, py)) continue;
            const long c = Surface::bgr(QColor(s.Image().pixel(px, py)));
            if (couleur == -1 ? c != Blanc : c == couleur) return true;
        }
    return false;
}

class Nuage : public FenetreActive {
protected:
    FenHisto& nuage(const std::vector<std::vector<QString>>& colonnes) {
        Remplir_grille(colonnes);
        return activer(1);
    }
};

TEST_F(Nuage, CovarianceCorrelationEtDroite) {
    // x = 1..5, y = 2, 4, 5, 4, 5: sum of products of deviations 6, so the covariance
    // is 6 / 5 = 1.2; Sxx = 10, Syy = 6, r = 6 / sqrt(60) = 0.7746; slope 0.6, intercept 2.2.
    FenHisto& f = nuage({{"1", "2", "3", "4", "5"}, {"2", "4", "5", "4", "5"}});
    EXPECT_EQ(Vu_en_francais(f.Label8->text()), QStringLiteral(" Covariance = 1,20\nCorrélation Ro= 0,77"));
    EXPECT_EQ(f.List2(0).ListCount(), 5);
    EXPECT_DOUBLE_EQ(f.EchelleX, 750 / 4.0);
    EXPECT_DOUBLE_EQ(f.EchelleY, 750 / 3.0);

    const Surface& s = f.HistPicHist->surface();
    // The point (3, 5) is drawn at (150 + 2 * 187.5, 150 + 3 * 250) = (525, 900).
    EXPECT_TRUE(pres(s, 525, 900, 0));
    EXPECT_TRUE(pres(s, 540, 900, 0));   // its cross's arm
    EXPECT_FALSE(pres(s, 525, 860, 0));

    EXPECT_FALSE(pres(s, 525, 650, Rouge));
    f.Check2->setChecked(true);
    f.Check2_Click();
    // The line y = 0.6 x + 2.2 passes through (3, 4): plot point (525, 650).
    EXPECT_TRUE(pres(s, 525, 650, Rouge));
    EXPECT_TRUE(pres(s, 337.5, 500, Rouge));  // (2, 3.4)
    EXPECT_FALSE(pres(s, 525, 560, Rouge));
    // The red axes lie at 70.
    EXPECT_TRUE(pres(s, 600, 70, Rouge));
    EXPECT_TRUE(pres(s, 70, 600, Rouge));
}

TEST_F(Nuage, LesLignesApresUnTrouSontTracees) {
    // Column A holds two values only; B and C hold values further down, C with a gap.
    FenHisto& f = nuage({{"1", "2"}, {"1", "2", "3", "4", "5"}, {"2", "4", "", "8", "10"}});
    f.List1->setCurrentRow(1);
    f.cmdH_Click(0);
    f.List1->setCurrentRow(2);
    f.cmdH_Click(1);
    EXPECT_EQ(f.Text2Hist(0).text(), QStringLiteral("B"));
    EXPECT_EQ(f.Text2Hist(1).text(), QStringLiteral("C"));
    ASSERT_EQ(f.List2(0).ListCount(), 4);
    EXPECT_EQ(f.List2(0).List(2), QStringLiteral("4"));
    EXPECT_EQ(f.List2(1).List(3), QStringLiteral("10"));
    // Rows 1, 2, 4, 5: y = 2x, deviations (-2, -1, 1, 2) and (-4, -2, 2, 4): covariance 20 / 4.
    EXPECT_EQ(Vu_en_francais(f.Label8->text()), QStringLiteral(" Covariance = 5,00\nCorrélation Ro= 1,00"));
}

TEST_F(Nuage, SansChoixLAxeEstLaColonneDesNumeros) {
    FenHisto& f = nuage({{"1", "2"}, {"3", "4"}});
    f.List1->setCurrentRow(-1);
    f.cmdH_Click(0);
    EXPECT_EQ(f.ColonnesAxes[0], 0);
    EXPECT_TRUE(f.Text2Hist(0).text().isEmpty());
}

TEST_F(Nuage, SegmentsSansCovariance) {
    Remplir_grille({{"1", "2", "4"}});
    NumFonction = 1;
    FenHisto& f = activer(1);
    EXPECT_TRUE(f.Label8->text().isEmpty());
    const Surface& s = f.HistPicHist->surface();
    // On the diagonal: (2, 2) is drawn at (150 + 250, 150 + 250).
    EXPECT_TRUE(pres(s, 400, 400, 0));
}

TEST_F(Nuage, UnRefusSAfficheDansLEtiquetteEtUneFoisParAction) {
    Remplir_grille({{"1", "2", "3"}, {"0", "0", "0"}});
    Prompts::Script script;
    script.message(QStringLiteral("un des ecarts-types est nul"));
    FenHisto& f = activer(1);  // the activation redraws the plot several times
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(Vu_en_francais(f.Label8->text()), QStringLiteral(" Covariance = 0,00\nun des ecarts-types est nul. Calcul abandonné"));
    EXPECT_TRUE(std::isfinite(f.EchelleY));
    // A zero column gets a unit range around 0: its points stand in the middle height.
    EXPECT_DOUBLE_EQ(f.EchelleY, 750);
    EXPECT_TRUE(pres(f.HistPicHist->surface(), 150, 525, 0));

    QCoreApplication::processEvents();  // the user's next action
    script.message(QStringLiteral("un des ecarts-types est nul"));
    f.CheckLgn->setChecked(true);
    f.CheckLgn_Click();
    f.CheckLgn_Click();
    EXPECT_EQ(script.remaining(), 0);
}

TEST_F(Nuage, DroiteRefuseePourDesXTousEgaux) {
    Remplir_grille({{"2", "2", "2"}, {"1", "2", "3"}});
    Prompts::Script script;
    script.message(QStringLiteral("un des ecarts-types est nul"));
    FenHisto& f = activer(1);
    QCoreApplication::processEvents();
    script.message(QStringLiteral("un des ecarts-types est nul"));
    f.Check2->setChecked(true);
    f.Check2_Click();
    QCoreApplication::processEvents();
    // A constant axis runs from 0 up to its value.
    EXPECT_DOUBLE_EQ(f.EchelleX, 750 / 2.0);
}

TEST_F(Nuage, DroiteRefuseePourDesXEgauxAuBruitPres) {
    // 0,7 five times: the raw sums leave D = 1.8e-15 instead of 0 and a huge slope;
    // the line is refused and nothing red is drawn inside the plot.
    Remplir_grille({{"0,7", "0,7", "0,7", "0,7", "0,7"}, {"1", "2", "3", "4", "5"}});
    Prompts::Script script;
    script.message(QStringLiteral("un des ecarts-types est nul"));
    FenHisto& f = activer(1);
    QCoreApplication::processEvents();
    script.message(QStringLiteral("un des ecarts-types est nul"));
    f.Check2->setChecked(true);
    f.Check2_Click();
    QCoreApplication::processEvents();
    EXPECT_EQ(script.remaining(), 0);
    const Surface& s = f.HistPicHist->surface();
    for (double x = 100; x <= 1000; x += 10)
        for (double y = 100; y <= 1000; y += 10) ASSERT_FALSE(pres(s, x, y, Rouge)) << x << ' ' << y;
}

// Points of known places: with both axes from 1 to 5, a value v is drawn at
// 150 + (v - 1) * 187.5, so 1 -> 150, 2 -> 337.5, 3 -> 525, 4 -> 712.5, 5 -> 900.
class Extraction : public Nuage {
protected:
    FenHisto& points() {
        return nuage({{"1", "2", "3", "4", "5", "1", "3", "4"},
                      {"1", "2", "3", "4", "5", "5", "4,6", "3,2"}});
    }
    void choisir(FenHisto& f, int forme, double x0, double y0, double x, double y) {
        f.Option1(forme).setChecked(true);
        f.Command_extraire_Click(0);
        f.HistPicHist_MouseDown(1, 0, x0, y0);
        f.HistPicHist_MouseMove(0, 0, x, y);
        f.HistPicHist_MouseDown(2, 0, x, y);
    }
};

TEST_F(Extraction, RectangleCentreSurLePremierClic) {
    FenHisto& f = points();
    // Corners (300, 300) and (750, 750): x and y from 1.8 to 4.2.
    choisir(f, 1, 525, 525, 750, 750);
    EXPECT_EQ(ExtraitListe, QStringLiteral("2;3;4;8;"));
    EXPECT_EQ(f.Label3->text(), QStringLiteral("4 pts : 2;3;4;8;"));
    EXPECT_TRUE(f.Mnstat6(1).isEnabled());
    EXPECT_TRUE(f.MOption1(3).isEnabled());
    EXPECT_TRUE(f.Command_extraire(0).isEnabledTo(f.Frame_extraire));
    EXPECT_EQ(f.ModeExtraction, 0);
    EXPECT_EQ(f.SelectionEnCours, 0);
    // Its mirror image gives the same rows.
    choisir(f, 1, 525, 525, 300, 300);
    EXPECT_EQ(ExtraitListe, QStringLiteral("2;3;4;8;"));
    // Points on the edge are taken: corners (337.5, 337.5) and (712.5, 712.5).
    choisir(f, 1, 525, 525, 712.5, 712.5);
    EXPECT_EQ(ExtraitListe, QStringLiteral("2;3;4;8;"));
}

TEST_F(Extraction, VingtPointsSeLisentEnEntier) {
    std::vector<QString> x;
    for (int i = 1; i <= 20; ++i) x.push_back(QString::number(i));
    FenHisto& f = nuage({x, x});
    f.show();
    choisir(f, 1, 525, 525, 1000, 1000);
    EXPECT_TRUE(f.Label3->text().endsWith(QStringLiteral(";18;19;20;"))) << f.Label3->text().toStdString();
    // The list wraps within the label's width, and its end scrolls into view.
    f.Label3->moveCursor(QTextCursor::End), f.Label3->ensureCursorVisible();
    EXPECT_EQ(f.Label3->horizontalScrollBar()->value(), 0);
    EXPECT_TRUE(f.Label3->viewport()->rect().contains(f.Label3->cursorRect()));
}

TEST_F(Extraction, CercleCommeIlEstDessine) {
    FenHisto& f = points();
    // Radius 200 horizontal units, about 113 pixels (566 pixels for 1000 across, 372 for
    // 1000 up). (3, 4.6) lies 300 units above the centre, about 112 pixels: inside the
    // drawn circle, though the looser vertical weighting of the pointer's radius would
    // leave it out. (4, 3.2) lies about 107 pixels away: inside. (2, 2) and (4, 4) lie
    // about 127 pixels away: outside.
    choisir(f, 2, 525, 525, 725, 525);
    EXPECT_EQ(ExtraitListe, QStringLiteral("3;7;8;"));
    choisir(f, 2, 525, 525, 765, 525);
    EXPECT_EQ(ExtraitListe, QStringLiteral("2;3;4;7;8;"));
}

TEST_F(Extraction, EllipseDansLaBoiteDuRectangle) {
    FenHisto& f = points();
    // Semi-axes 225 across and 75 up: (4, 3.2) at (712.5, 562.5) gives
    // (187.5/225)^2 + (37.5/75)^2 = 0.94, inside; (4, 4) is far outside.
    choisir(f, 3, 525, 525, 750, 600);
    EXPECT_EQ(ExtraitListe, QStringLiteral("3;8;"));
}

TEST_F(Extraction, LeContourSuitLePointeur) {
    FenHisto& f = points();
    f.Command_extraire_Click(0);
    f.HistPicHist_MouseDown(1, 0, 525, 525);
    EXPECT_FALSE(f.Command_extraire(0).isEnabledTo(f.Frame_extraire));
    const Surface& s = f.HistPicHist->surface();
    f.HistPicHist_MouseMove(0, 0, 800, 800);
    EXPECT_TRUE(pres(s, 800, 400, -1));   // the box's right edge
    f.HistPicHist_MouseMove(1, 0, 600, 600);
    EXPECT_EQ(s.Point(800, 400), Blanc);      // the old outline is gone
    EXPECT_TRUE(pres(s, 600, 500, -1));
    f.Option1(3).setChecked(true);
    f.HistPicHist_MouseMove(0, 0, 750, 600);
    EXPECT_TRUE(pres(s, 750, 525, -1));   // the ellipse's end
    EXPECT_FALSE(pres(s, 600, 800, -1));
}

TEST_F(Extraction, AucunPoint) {
    FenHisto& f = points();
    choisir(f, 1, 900, 150, 950, 200);
    EXPECT_TRUE(ExtraitListe.isEmpty());
    EXPECT_EQ(f.Label3->text(), QStringLiteral("0 pts : "));
    EXPECT_FALSE(f.Mnstat6(1).isEnabled());
    EXPECT_FALSE(f.MOption1(3).isEnabled());
    EXPECT_TRUE(f.Command_extraire(0).isEnabledTo(f.Frame_extraire));
}

TEST_F(Extraction, UnClicDroitAuReposNeFaitRien) {
    FenHisto& f = points();
    ExtraitListe = QStringLiteral("1;");
    f.HistPicHist_MouseDown(2, 0, 525, 525);
    EXPECT_EQ(ExtraitListe, QStringLiteral("1;"));
    f.Command1_Click();
    EXPECT_EQ(f.ModeExtraction, -1);
    EXPECT_TRUE(f.Option1(1).isChecked());
}

} // namespace
