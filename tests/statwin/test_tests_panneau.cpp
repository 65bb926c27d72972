// The tests panel: the "Tests" menu, the column and risk boxes, the law options and the
// frames' drag, on a grid of two result columns. W is checked against scipy 1.10:
//   /usr/bin/python3 -c "from scipy.stats import shapiro; import numpy as np;
//     x=[5.1,5.3,5.2,5.0,7.9,8.1,8.0,8.2]; y=[2.1,2.5,2.2,3.0,2.8,2.4,2.6,2.7];
//     print(shapiro(x).statistic, shapiro(np.log(x)).statistic, shapiro(y).statistic)"
// (scipy returns W in single precision, hence the tolerance.)
#include <QApplication>
#include <QMouseEvent>

#include "base/etat_demarrage.h"
#include "grid/etat_grille.h"
#include "base/grilles.h"
#include "platform/prompts.h"
#include "tests/statwin/test_tests_commun.h"
#include "base/etat_partage.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"
#include "colour/etat_couleur.h"

namespace {

constexpr double W_X = 0.7332383990287781;
constexpr double W_LOG_X = 0.7352616786956787;
constexpr double W_Y = 0.9833025932312012;

class PanneauDesTests : public VueStat {
protected:
    void SetUp() override {
        VueStat::SetUp();
        // Eight rows of two result columns, as a pasted table leaves them.
        const char* x[8] = {"5,1", "5,3", "5,2", "5,0", "7,9", "8,1", "8,0", "8,2"};
        const char* y[8] = {"2,1", "2,5", "2,2", "3,0", "2,8", "2,4", "2,6", "2,7"};
        GrilleRef.setRows(65);
        GrilleRef.setCols(5);
        GrilleRef.setTextMatrix(0, 1, QStringLiteral("X"));
        GrilleRef.setTextMatrix(0, 2, QStringLiteral("Y"));
        for (int r = 1; r <= 8; ++r) {
            GrilleRef.setTextMatrix(r, 0, QString::number(r));
            GrilleRef.setTextMatrix(r, 1, QString::fromUtf8(x[r - 1]));
            GrilleRef.setTextMatrix(r, 2, QString::fromUtf8(y[r - 1]));
        }
        NbLignesGrille = 9;
        NbColonnesStat = 2;
    }
    // The window as the user opens it on the diagram of column 1.
    FenHisto& fenetre_colonne1() {
        FenHisto& f = fenetre();
        f.MText3->setText(QStringLiteral("5,1;5,3;5,2;5,0;7,9;8,1;8,0;8,2;"));
        return f;
    }
    static double W(const QString& resultat) { return Nombre_apres(resultat, QStringLiteral("Shapiro-Wilk W = ")); }
};

TEST_F(PanneauDesTests, HomogeneityOfAColumn) {
    FenHisto& f = fenetre();
    {
        // The test runs on the series box as the menu opens the frame: none yet.
        f.MText3->clear();
        Prompts::Script script;
        script.message(QStringLiteral("nb de mesures insuffisant"));
        f.Mnstat3_Click(2);
        EXPECT_EQ(script.remaining(), 0);
    }
    QGroupBox& cadre = f.FraTest(2);
    EXPECT_TRUE(cadre.isVisible() || !f.isVisible());
    EXPECT_FALSE(cadre.isHidden());
    EXPECT_EQ(s(cadre.title()), "Test de Möls ***");
    EXPECT_EQ(Twips::Left(cadre), 3000);
    EXPECT_EQ(Twips::Top(cadre), 1500);
    EXPECT_EQ(Twips::Width(cadre), 4215);
    EXPECT_EQ(Twips::Height(cadre), 3000);

    f.Ttxt1(2).setText(QStringLiteral("2"));
    f.Ttxt1(2).setText(QStringLiteral("1"));
    EXPECT_EQ(s(f.MText3->text()), "5,1;5,3;5,2;5,0;7,9;8,1;8,0;8,2;");
    EXPECT_EQ(f.MVScroll1->value(), 1);
    const QString r = f.Tlabel1(2).text();
    EXPECT_TRUE(r.contains(QStringLiteral("8 données "))) << s(r);
    EXPECT_TRUE(r.contains(QStringLiteral("est clairement (risque 1%)")));
    EXPECT_TRUE(Vu_en_francais(r).endsWith(QStringLiteral("x <= 6,60.")));

    // "Fermer" hides the frame.
    f.Command3(2).click();
    EXPECT_TRUE(cadre.isHidden());
}

TEST_F(PanneauDesTests, ColumnBoxStaysWithinTheResultColumns) {
    FenHisto& f = fenetre_colonne1();
    f.Mnstat3_Click(3);
    // Column 7 is beyond the two result columns, though not beyond the nine grid rows.
    f.Ttxt1(3).setText(QStringLiteral("7"));
    EXPECT_EQ(s(f.Ttxt1(3).text()), "2");
    EXPECT_EQ(f.MVScroll1->value(), 2);
    EXPECT_EQ(s(f.MText3->text()), "2,1;2,5;2,2;3,0;2,8;2,4;2,6;2,7;");
    EXPECT_NEAR(W(f.Tlabel1(3).text()), W_Y, 1e-6);

    // Nothing that is not a column: the box is left as typed, nothing reruns.
    const QString avant = f.Tlabel1(3).text();
    f.MText3->setText(QStringLiteral("1;2;3;"));
    f.Ttxt1(3).setText(QStringLiteral("abc"));
    f.Ttxt1(3).setText(QStringLiteral("0"));
    EXPECT_EQ(f.Tlabel1(3).text(), avant);
    EXPECT_EQ(s(f.MText3->text()), "1;2;3;");

    // The spinner writes the box.
    f.TVScroll1(3).setValue(1);  // from 2, the column typed last
    f.TVScroll1(3).setValue(2);
    EXPECT_EQ(s(f.Ttxt1(3).text()), "2");
    EXPECT_NEAR(W(f.Tlabel1(3).text()), W_Y, 1e-6);
    f.TVScroll1(3).setValue(1);
    EXPECT_EQ(s(f.Ttxt1(3).text()), "1");
    EXPECT_NEAR(W(f.Tlabel1(3).text()), W_X, 1e-6);
}

TEST_F(PanneauDesTests, EmptyGridAndShortSeries) {
    FenHisto& f = fenetre();
    NbLignesGrille = 1;
    f.MText3->setText(QStringLiteral("5,1;5,3;5,2;5,0;7,9;8,1;8,0;8,2;"));
    f.Mnstat3_Click(2);
    EXPECT_FALSE(f.Ttxt1(2).isEnabled());
    EXPECT_FALSE(f.TVScroll1(2).isEnabled());
    EXPECT_TRUE(f.Tlabel1(2).text().contains(QStringLiteral("est clairement")));
    // A change of the column box does nothing while the grid is empty.
    f.Ttxt1(2).setText(QStringLiteral("2"));
    EXPECT_EQ(s(f.MText3->text()), "5,1;5,3;5,2;5,0;7,9;8,1;8,0;8,2;");

    // Four values: the message, and the result stays.
    const QString avant = f.Tlabel1(2).text();
    f.MText3->setText(QStringLiteral("1;2;3;4;"));
    Prompts::Script script;
    script.message(QStringLiteral("nb de mesures insuffisant"));
    f.Command4(2).click();
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(f.Tlabel1(2).text(), avant);
}

TEST_F(PanneauDesTests, ShapiroWilkRiskAndLaw) {
    FenHisto& f = fenetre_colonne1();
    f.Ttxt2(3).setText(QStringLiteral("10"));
    f.Mnstat3_Click(3);
    EXPECT_EQ(s(f.FraTest(3).title()), "Test de Shapiro-Wilk");
    // Opening the frame always brings the risk back to 5 %.
    EXPECT_EQ(s(f.Ttxt2(3).text()), "5");
    EXPECT_EQ(f.TVScroll2(3).value(), 5);

    f.Ttxt1(3).setText(QStringLiteral("2"));
    f.Ttxt1(3).setText(QStringLiteral("1"));
    EXPECT_NEAR(W(f.Tlabel1(3).text()), W_X, 1e-6);
    f.Option3(1).click();
    EXPECT_NEAR(W(f.Tlabel1(3).text()), W_LOG_X, 1e-6);
    // A click on the option already set reruns the test.
    f.MText3->setText(QStringLiteral("2,1;2,5;2,2;3,0;2,8;2,4;2,6;2,7;"));
    f.Option3(0).click();
    EXPECT_NEAR(W(f.Tlabel1(3).text()), W_Y, 1e-6);
    f.MText3->setText(QStringLiteral("5,1;5,3;5,2;5,0;7,9;8,1;8,0;8,2;"));
    f.Option3(0).click();
    EXPECT_NEAR(W(f.Tlabel1(3).text()), W_X, 1e-6);

    // The risk box reruns with its risk; a risk beyond the spinner's range is refused.
    f.Ttxt2(3).setText(QStringLiteral("1"));
    EXPECT_EQ(f.TVScroll2(3).value(), 1);
    EXPECT_TRUE(f.Tlabel1(3).text().contains(QStringLiteral(" 1 % "))) << s(f.Tlabel1(3).text());
    f.MText3->setText(QStringLiteral("2,1;2,5;2,2;3,0;2,8;2,4;2,6;2,7;"));
    f.Ttxt2(3).setText(QStringLiteral("150"));
    f.Ttxt2(3).setText(QStringLiteral("x"));
    EXPECT_EQ(s(f.Tlabel1(3).text()), "risque = x : données incorrectes");
    f.TVScroll2(3).setValue(5);
    EXPECT_EQ(s(f.Ttxt2(3).text()), "5");
    EXPECT_NEAR(W(f.Tlabel1(3).text()), W_Y, 1e-6);
}

TEST_F(PanneauDesTests, DraggingATestFrame) {
    FenHisto& f = fenetre_colonne1();
    f.Mnstat3_Click(2);
    QGroupBox& cadre = f.FraTest(2);
    // The right button leaves the frame where it is.
    f.FraTest_MouseMove(2, 2, 0, 600, 300);
    EXPECT_EQ(Twips::Left(cadre), 3000);
    EXPECT_EQ(Twips::Top(cadre), 1500);
    // The left button: Left / 2 + 1.2 x, Top / 2 + 1.2 y.
    f.FraTest_MouseMove(2, 1, 0, 600, 300);
    EXPECT_EQ(Twips::Left(cadre), 1500 + 720);
    EXPECT_EQ(Twips::Top(cadre), 750 + 360);

    // The same through the mouse: 20 and 10 pixels into the frame, left button held.
    QMouseEvent glisse(QEvent::MouseMove, QPointF(20, 10), cadre.mapToGlobal(QPointF(20, 10)), Qt::NoButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&cadre, &glisse);
    EXPECT_EQ(Twips::Left(cadre), 2220 / 2 + 360);
    EXPECT_EQ(Twips::Top(cadre), 1110 / 2 + 180);
}

} // namespace
