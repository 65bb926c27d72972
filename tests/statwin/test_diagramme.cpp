// The diagram view's series: where it comes from (typed or pasted text, a grid column,
// the extract), how it is read, and the summary written from it.
#include <QClipboard>
#include <QGuiApplication>
#include <QSignalBlocker>
#include <cmath>

#include "app/etat_demarrage.h"
#include "app/messages.h"
#include "statwin/diagramme_calcul.h"
#include "tests/statwin/test_diagramme_commun.h"

namespace {

using Diagramme::Valeurs_serie;

std::vector<double> valeurs(const QString& serie) { return Valeurs_serie(serie).value_or(std::vector<double>{-999}); }

TEST(SerieDiagramme, ChaqueValeurSuitUnPointVirgule) {
    EXPECT_EQ(valeurs("1;2;3;"), (std::vector<double>{0, 1, 2, 3}));
    // The text after the last ";" is no value.
    EXPECT_EQ(valeurs("1;2;3"), (std::vector<double>{0, 1, 2}));
    // An empty piece reads as 0.
    EXPECT_EQ(valeurs("1;;3;"), (std::vector<double>{0, 1, 0, 3}));
    // Comma and point alike.
    EXPECT_EQ(valeurs("5,8;6.25;-1,5;"), (std::vector<double>{0, 5.8, 6.25, -1.5}));
    EXPECT_EQ(valeurs(Exemple).size(), 18u);
    // Without any ";" there is nothing to read.
    EXPECT_FALSE(Valeurs_serie("12,5").has_value());
    EXPECT_FALSE(Valeurs_serie("").has_value());
}

TEST(SerieDiagramme, TexteColleDevientUneSerie) {
    EXPECT_EQ(S(Diagramme::Texte_colle("1.5\r\n2.5\t3")), "1,5;2,5;3");
    EXPECT_EQ(S(Diagramme::Texte_colle("4\n5\r\n")), "45;");
    EXPECT_EQ(S(Diagramme::Texte_colle("1,5\t\t2\r\n")), "1,5;;2;");
}

class SourcesDiagramme : public DiagrammeTest {};

TEST_F(SourcesDiagramme, CollerPuisCalculer) {
    FenHisto& f = ouvrir();
    calculer(f, Exemple);
    f.MCheck1(3).setChecked(true);
    QGuiApplication::clipboard()->setText(QStringLiteral("1.5\r\n2.5\t3"));
    f.MCommand3_Click(4);
    EXPECT_EQ(S(f.MText3->text()), "1,5;2,5;3");
    EXPECT_FALSE(f.MCheck1(3).isChecked());
    // Nothing is computed from the pasted text before "Calcul".
    EXPECT_EQ(f.NbValeursDiag, 17);
    EXPECT_TRUE(f.Texte_MText1().contains(QStringLiteral("17 données")));
    f.MCommand3_Click(6);
    EXPECT_EQ(f.NbValeursDiag, 2);
    EXPECT_EQ(S(f.MstrData), "1,5;2,5;3");
    const QStringList l = resume(f);
    EXPECT_EQ(S(l[1]), "2 données");
    EXPECT_EQ(S(l[2]), " Minimum = 1,5");
    EXPECT_EQ(S(l[3]), " Maximum = 2,5");

    // "Copier" puts the series computed on the clipboard; "Raz" clears the text box.
    f.MCommand3_Click(2);
    EXPECT_EQ(S(QGuiApplication::clipboard()->text()), "1,5;2,5;3");
    f.Mommand3_Click(7);
    EXPECT_TRUE(f.MText3->text().isEmpty());
}

TEST_F(SourcesDiagramme, ColonneDeLaGrilleHorsModeStatistique) {
    ModeStatSeul = 0;
    grille({"Long.", "Larg."}, {{"12,5", "14", "13,5", "12"}, {"7", "8,5", "7,5", "9"}});
    FenHisto& f = ouvrir();
    EXPECT_TRUE(f.MOption1(0).isChecked());
    EXPECT_EQ(S(f.MText3->text()), "12,5;14;13,5;12;");
    EXPECT_EQ(S(f.MstrData), S(f.MText3->text()));
    EXPECT_EQ(S(f.NmColonne->text()), "Long.");
    EXPECT_EQ(f.NbValeursDiag, 4);
    EXPECT_EQ(f.MVScroll1->maximum(), 2);

    // The spinner and the box follow each other; the column is read again.
    f.MVScroll1->setValue(2);
    EXPECT_EQ(S(f.MText4->text()), "2");
    EXPECT_EQ(S(f.MText3->text()), "7;8,5;7,5;9;");
    EXPECT_EQ(S(f.NmColonne->text()), "Larg.");
    EXPECT_DOUBLE_EQ(f.ValeursDiag[4], 9);

    // A column that is no number, or beyond the result columns, changes nothing.
    f.MText4->setText(QStringLiteral("abc"));
    EXPECT_EQ(S(f.MText3->text()), "7;8,5;7,5;9;");
    f.MText4->setText(QStringLiteral("3"));
    EXPECT_EQ(S(f.MText3->text()), "7;8,5;7,5;9;");
    EXPECT_EQ(f.MVScroll1->value(), 2);

    // " S" keeps the series: the next column reaches the text box only, and choosing a
    // column clears " S" first.
    f.MCheck1(6).setChecked(true);
    f.MText3_2_MstrData();
    EXPECT_EQ(S(f.MstrData), "7;8,5;7,5;9;");
}

TEST_F(SourcesDiagramme, ColonneDemandeeParLesTests) {
    ModeStatSeul = 0;
    grille({"Long.", "Larg."}, {{"12,5", "14"}, {"7", "8,5"}});
    FenHisto& f = ouvrir();
    {
        const QSignalBlocker bloque(&f.Ttxt1(2));
        f.Ttxt1(2).setText(QStringLiteral("2"));
    }
    f.MText3_2_MstrData_test(2);
    EXPECT_EQ(S(f.MText3->text()), "7;8,5;");
    EXPECT_EQ(S(f.NmColonne->text()), "Larg.");
}

TEST_F(SourcesDiagramme, ColonneVideOuGrilleSansLigne) {
    ModeStatSeul = 0;
    grille({"Long."}, {{""}});
    FenHisto& f = ouvrir();
    // One empty cell makes the series ";": the box is cleared and the user is prompted.
    EXPECT_TRUE(f.MText3->text().isEmpty());
    EXPECT_EQ(S(f.MstrData), ";");
    EXPECT_EQ(S(f.NmColonne->text()), S(Lib_Stat[16]));

    NbLignesGrille = 1;
    f.MText3_2_MstrData();
    EXPECT_TRUE(f.MText3->text().isEmpty());
    EXPECT_EQ(S(f.NmColonne->text()), "Long.");
}

TEST_F(SourcesDiagramme, ModeStatistiqueSeulGardeLaSerieJusquauCalcul) {
    ASSERT_EQ(ModeStatSeul, -1);
    grille({"Long."}, {{"3", "4", "5"}});
    FenHisto& f = ouvrir();
    calculer(f, Exemple);
    f.MOption1(0).setChecked(true);
    EXPECT_EQ(S(f.MText3->text()), "3;4;5;");
    EXPECT_EQ(S(f.MstrData), S(Exemple));
    EXPECT_EQ(f.NbValeursDiag, 17);
    // "Texte" keeps the text box; its "Calcul" computes the column.
    f.MOption1(2).setChecked(true);
    EXPECT_TRUE(f.Command2(0).isVisibleTo(&f.stcadre(2)));
    f.MCommand3_Click(6);
    EXPECT_EQ(f.NbValeursDiag, 3);
    EXPECT_EQ(S(f.MstrData), "3;4;5;");
}

TEST_F(SourcesDiagramme, ColonneDeLExtrait) {
    grille({"Long.", "Larg."}, {{"10", "11", "12", "13", "14"}, {"1", "2", "3", "4", "5"}});
    ExtraitListe = QStringLiteral("2;4;5;");
    FenHisto& f = ouvrir();
    ASSERT_TRUE(f.MOption1(3).isEnabled());
    f.MOption1(3).setChecked(true);
    EXPECT_EQ(S(f.MText3->text()), "11;13;14;");
    EXPECT_EQ(S(f.MstrData), "11;13;14;");
    EXPECT_EQ(f.NbValeursDiag, 3);
    f.MText4E->setText(QStringLiteral("2"));
    EXPECT_EQ(f.EVScroll1->value(), 2);
    EXPECT_EQ(S(f.MText3->text()), "2;4;5;");
    EXPECT_EQ(f.NbValeursDiag, 3);
    EXPECT_DOUBLE_EQ(f.ValeursDiag[1], 2);
}

TEST_F(SourcesDiagramme, OrigineEtBarreSeSuiventSansBoucler) {
    FenHisto& f = ouvrir();
    f.MText5->setText(QStringLiteral("12.5"));
    EXPECT_EQ(f.MScroll1(5).value(), 125);
    EXPECT_EQ(S(f.MText5->text()), "12,5");
    f.MText5->setText(QStringLiteral("3"));
    EXPECT_EQ(f.MScroll1(5).value(), 30);
    f.MText5->setText(QStringLiteral("12,5"));
    EXPECT_EQ(f.MScroll1(5).value(), 125);
    // The bar already holds 125: it does not write its own text back.
    f.MText5->setText(QStringLiteral("12,50"));
    EXPECT_EQ(S(f.MText5->text()), "12,50");
    // Beyond the bar's 200 the origin is refused and the bar stays.
    f.MText5->setText(QStringLiteral("250"));
    EXPECT_EQ(f.MScroll1(5).value(), 125);
}

TEST_F(SourcesDiagramme, UneCaseRemiseASaValeurNeRecalculePas) {
    FenHisto& f = ouvrir();
    calculer(f, Exemple);
    f.MText1->setPlainText(QStringLiteral("marque"));
    f.MCheck1(1).setChecked(f.MCheck1(1).isChecked());
    f.MVScroll2(4).setValue(f.MVScroll2(4).value());
    EXPECT_EQ(S(f.MText1->toPlainText()), "marque");
    f.MCheck1(2).setChecked(!f.MCheck1(2).isChecked());
    EXPECT_NE(S(f.MText1->toPlainText()), "marque");
}

// --- the summary

class ResumeDiagramme : public DiagrammeTest {};

TEST_F(ResumeDiagramme, SerieExemple) {
    FenHisto& f = ouvrir();
    calculer(f, Exemple);
    const QStringList l = resume(f);
    EXPECT_TRUE(l[0].startsWith(QStringLiteral("col 1 : ")));
    // Hand-computed: sum 105,4 over 17 values gives 6,2; squared deviations sum to 1,24,
    // so sqrt(1,24/17) = 0,27008 and sqrt(1,24/16) = 0,27839. D1 lies at position 1,8
    // (5,8) and D9 at 16,2: 6,5 + 0,2 x 0,3 = 6,56.
    const QStringList attendu = {
        "17 données", " Minimum = 5,8", " Maximum = 6,8", " PDM  = 5,8", " D1 = 5,8", " D9 = 6,56",
        " Médiane = 6,2", " Moyenne = 6,2", " Ecart-type vrai = 0,2701", " Ecart-type estimé = 0,2784",
        "Notation D1,D9 ", "X : N=17; (5,8)5,8-6,56(6,8)", "Notation D1,PDM,D9 ",
        "X : N=17; (5,8)5,8-5,8-6,56(6,8)", ""};
    EXPECT_EQ(S(l.mid(1)), S(attendu));
    EXPECT_NEAR(f.MoyenneDiag, 6.2, 1e-12);
    EXPECT_NEAR(f.EcartTypeDiag, std::sqrt(1.24 / 17), 1e-12);
    // The first summary since the reset is kept whole.
    EXPECT_EQ(S(f.TexteResume[1] + QStringLiteral(" PDM  = 5,8\r\n") + f.TexteResume[2]), S(f.Texte_MText1()));
}

TEST_F(ResumeDiagramme, MedianePourToutEffectifEtDecilesDesOnzeValeurs) {
    FenHisto& f = ouvrir();
    calculer(f, "4;1;3;2;");
    QStringList l = resume(f);
    EXPECT_EQ(S(l[5]), " D1 = ");
    EXPECT_EQ(S(l[6]), " D9 = ");
    EXPECT_EQ(S(l[7]), " Médiane = 2,5");
    EXPECT_EQ(S(l[12]), "X : N=4; (1)-(4)");
    calculer(f, "1;2;3;4;5;");
    // A whole number keeps the separator of its pattern "0.##".
    EXPECT_EQ(S(resume(f)[7]), " Médiane = 3,");
    // Fewer than 4 values have a median too.
    calculer(f, "1;2;");
    EXPECT_EQ(S(resume(f)[7]), " Médiane = 1,5");
    calculer(f, "7;");
    l = resume(f);
    EXPECT_EQ(S(l[7]), " Médiane = 7,");
    EXPECT_EQ(S(l[9]), " Ecart-type vrai = 0,");
    EXPECT_EQ(S(l[10]), "Notation D1,D9 ");  // no estimated deviation for one value

    // D1 at (N + 1) / 10, D9 at 9 (N + 1) / 10, by hand.
    auto serie = [](int n) {
        QString s;
        for (int i = n; i >= 1; --i) s += QString::number(i) + QLatin1Char(';');
        return s;
    };
    const struct { int n; const char* d1; const char* d9; } cas[] = {
        {11, " D1 = 1,2", " D9 = 10,8"}, {19, " D1 = 2,", " D9 = 18,"}, {20, " D1 = 2,1", " D9 = 18,9"},
        {10, " D1 = ", " D9 = "}};
    for (const auto& c : cas) {
        calculer(f, serie(c.n));
        l = resume(f);
        EXPECT_EQ(S(l[5]), c.d1) << c.n;
        EXPECT_EQ(S(l[6]), c.d9) << c.n;
    }
}

TEST_F(ResumeDiagramme, EcartTypeDeValeursProchesGardeSesChiffres) {
    FenHisto& f = ouvrir();
    calculer(f, "123456,71;123456,72;123456,73;");
    // Deviations -0,01, 0, 0,01: sqrt(0,0002 / 3) and sqrt(0,0002 / 2) = 0,01.
    EXPECT_NEAR(f.EcartTypeDiag, 0.0081649658092772603, 1e-10);
    EXPECT_EQ(S(resume(f)[9]), " Ecart-type vrai = 0,0082");
    EXPECT_EQ(S(resume(f)[10]), " Ecart-type estimé = 0,01");
    calculer(f, "0,1;0,1;0,1;");
    EXPECT_NEAR(f.EcartTypeDiag, 0, 1e-15);
}

TEST_F(ResumeDiagramme, SerieSansPointVirguleGardeLesValeursPrecedentes) {
    FenHisto& f = ouvrir();
    calculer(f, "1;2;3;");
    calculer(f, "42");
    EXPECT_EQ(f.NbValeursDiag, 3);
    EXPECT_EQ(S(resume(f)[1]), "3 données");
}

} // namespace
