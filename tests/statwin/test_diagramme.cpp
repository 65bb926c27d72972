// The diagram view's series: where it comes from (typed or pasted text, a grid column,
// the extract), how it is read, and the summary written from it.
#include <QClipboard>
#include <QGuiApplication>
#include <QRegularExpression>
#include <cmath>
#include <limits>

#include "base/etat_demarrage.h"
#include "base/messages.h"
#include "platform/pressepapier.h"
#include "platform/prompts.h"
#include "statwin/diagramme_calcul.h"
#include "tests/statwin/test_diagramme_commun.h"
#include "base/etat_partage.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"
#include "colour/etat_couleur.h"

namespace {

TEST(SerieDiagramme, LectureEtCollage) {
    auto v = [](const char* t) { return Diagramme::Valeurs_serie(QString::fromUtf8(t)).value_or(std::vector<double>{-9}); };
    using D = std::vector<double>;
    EXPECT_EQ(v("1;2;3;"), (D{0, 1, 2, 3}));
    EXPECT_EQ(v("1;2;3"), (D{0, 1, 2}));       // the text after the last ";" is no value
    EXPECT_EQ(v("1;;3;"), (D{0, 1, 0, 3}));    // an empty piece reads as 0
    EXPECT_EQ(v("5,8;6.25;-1,5;"), (D{0, 5.8, 6.25, -1.5}));
    EXPECT_EQ(v("12,5"), (D{-9}));             // no ";": nothing to read
    EXPECT_EQ(S(Diagramme::Texte_colle("1.5\r\n2.5\t3")), "1,5;2,5;3");
    // Each line end is one ";", whichever program ended the lines.
    EXPECT_EQ(S(Diagramme::Texte_colle("1,5\t\t2\n")), "1,5;;2;");
    EXPECT_EQ(S(Diagramme::Texte_colle("6,22\n10,16\n")), "6,22;10,16;");
    EXPECT_EQ(S(Diagramme::Texte_colle("6,22\r\n10,16\r\n")), "6,22;10,16;");
    EXPECT_EQ(S(Diagramme::Texte_colle("6,22\r10,16\r")), "6,22;10,16;");
    EXPECT_EQ(S(Diagramme::Texte_colle("\n\r\n\r")), ";;;");
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
    EXPECT_EQ(f.NbValeursDiag, 17);  // nothing computed before "Calcul"
    f.MCommand3_Click(6);
    EXPECT_EQ(S(resume(f).mid(1, 3)), (std::vector<std::string>{"2 données", " Minimum = 1,5", " Maximum = 2,5"}));
    f.MCommand3_Click(2);
    EXPECT_EQ(S(QGuiApplication::clipboard()->text()), "1,5;2,5;3");
}

TEST_F(SourcesDiagramme, UnNombreHorsDesReelsRefuseLaSerie) {
    // 1e400 lies beyond the doubles: the series is refused as the table pastes refuse it,
    // and the figures of the series before stay.
    FenHisto& f = ouvrir();
    calculer(f, Exemple);
    const QString avant = f.Texte_MText1();
    QGuiApplication::clipboard()->setText(QStringLiteral("5,1\r\n1e400\r\n6,2\r\n7,3\r\n"));
    f.MCommand3_Click(4);
    Prompts::Script script;
    script.message(Lib_Stat[1] + Lib_Stat[2]);
    f.MCommand3_Click(6);
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(f.NbValeursDiag, 17);
    EXPECT_EQ(S(f.Texte_MText1()), S(avant));
}

TEST_F(SourcesDiagramme, CollerDesDeuxPressePapiers) {
    // A table copied from a Linux spreadsheet ends its lines with LF alone, one copied on
    // Windows with CR LF: the same four values either way, the last of a line kept apart
    // from the first of the next.
    FenHisto& f = ouvrir();
    PressePapier::Simule presse;
    for (const char* fin : {"\n", "\r\n"}) {
        SCOPED_TRACE(fin[0] == '\n' ? "LF" : "CR LF");
        presse.texte = QStringLiteral("5,8\t6,22") + QLatin1String(fin) + QStringLiteral("10,16\t7.5") + QLatin1String(fin);
        f.MCommand3(4).click();
        EXPECT_EQ(S(f.MText3->text()), "5,8;6,22;10,16;7,5;");
        f.MCommand3(6).click();
        EXPECT_EQ(S(resume(f).mid(1, 3)),
                  (std::vector<std::string>{"4 données", " Minimum = 5,8", " Maximum = 10,16"}));
        EXPECT_NEAR(f.MoyenneDiag, (5.8 + 6.22 + 10.16 + 7.5) / 4, 1e-12);
    }
}

TEST_F(SourcesDiagramme, CollerUneLongueColonneEnEntierJusquAuMaximum) {
    FenHisto& f = ouvrir();
    PressePapier::Simule presse;  // 40,000 values, one a line: 228,894 characters
    for (int i = 1; i <= 40000; ++i) presse.texte += QString::number(i) + QLatin1Char('\n');
    Prompts::Script script;
    script.message(QStringLiteral("32767 mesures au maximum)"));
    f.MCommand3(4).click(), f.MCommand3(6).click();  // paste, then compute
    EXPECT_EQ(S(resume(f).mid(1, 3)), (std::vector<std::string>{"32767 données", " Minimum = 1", " Maximum = 32767"}));
}

TEST_F(SourcesDiagramme, ColonneDeLaGrilleHorsModeStatistique) {
    ModeStatSeul = 0;
    grille({"Long.", "Larg."}, {{"12,5", "14", "13,5", "12"}, {"7", "8,5", "7,5", "9"}});
    FenHisto& f = ouvrir();
    EXPECT_EQ(S(f.MText3->text()), "12,5;14;13,5;12;");
    EXPECT_EQ(S(f.MstrData), "12,5;14;13,5;12;");
    EXPECT_EQ(S(f.NmColonne->text()), "Long.");
    EXPECT_EQ(f.NbValeursDiag, 4);
    // The spinner writes the box, the box reads the column.
    f.MVScroll1->setValue(2);
    EXPECT_EQ(S(f.MText4->text()), "2");
    EXPECT_EQ(S(f.MstrData), "7;8,5;7,5;9;");
    // No number, or beyond the result columns: nothing changes.
    for (const char* t : {"abc", "3"}) {
        f.MText4->setText(QString::fromUtf8(t));
        EXPECT_EQ(S(f.MText3->text()), "7;8,5;7,5;9;") << t;
    }
    // " S" keeps the series computed: the column reaches the text box only.
    f.MText4->setText(QStringLiteral("2"));
    f.MCheck1(6).setChecked(true);
    GrilleRef.setTextMatrix(1, 2, QStringLiteral("70"));
    f.MText3_2_MstrData();
    EXPECT_EQ(S(f.MText3->text()), "70;8,5;7,5;9;");
    EXPECT_EQ(S(f.MstrData), "7;8,5;7,5;9;");
}

TEST_F(SourcesDiagramme, ColonneVideOuGrilleSansLigne) {
    ModeStatSeul = 0;
    grille({"Long."}, {{""}});
    FenHisto& f = ouvrir();
    EXPECT_TRUE(f.MText3->text().isEmpty());
    EXPECT_EQ(S(f.MstrData), ";");
    EXPECT_EQ(S(f.NmColonne->text()), S(Lib_Stat[16]));
    NbLignesGrille = 1;
    f.MText3_2_MstrData();
    EXPECT_TRUE(f.MText3->text().isEmpty());
    EXPECT_EQ(S(f.NmColonne->text()), "Long.");
}

TEST_F(SourcesDiagramme, LaColonneChargeeFaitLeDiagrammeQuiPorteSonNom) {
    grille({"Long."}, {{"3", "4", "5"}});
    FenHisto& f = ouvrir();
    calculer(f, Exemple);
    f.MOption1(0).setChecked(true);
    EXPECT_EQ(S(f.MText3->text()), "3;4;5;");
    // The summary titled "Long." counts that column's 3 values, not the example's 17.
    EXPECT_EQ(f.NbValeursDiag, 3);
}

TEST_F(SourcesDiagramme, ColonneDeLExtrait) {
    grille({"Long.", "Larg."}, {{"10", "11", "12", "13", "14"}, {"1", "2", "3", "4", "5"}});
    ExtraitListe = QStringLiteral("2;4;5;");
    FenHisto& f = ouvrir();
    f.MOption1(3).setChecked(true);
    EXPECT_EQ(S(f.MstrData), "11;13;14;");
    f.MText4E->setText(QStringLiteral("2"));
    EXPECT_EQ(f.EVScroll1->value(), 2);
    EXPECT_EQ(S(f.MstrData), "2;4;5;");
    EXPECT_EQ(f.NbValeursDiag, 3);
}

TEST_F(SourcesDiagramme, CascadesSansRetourInutile) {
    FenHisto& f = ouvrir();
    calculer(f, Exemple);
    f.MText5->setText(QStringLiteral("12.5"));
    EXPECT_EQ(f.MScroll1(5).value(), 125);
    EXPECT_EQ(S(f.MText5->text()), "12,5");
    // The bar already holds 125: it writes nothing back.
    f.MText5->setText(QStringLiteral("12,50"));
    EXPECT_EQ(S(f.MText5->text()), "12,50");
    f.MText5->setText(QStringLiteral("250"));  // beyond the bar's 200
    EXPECT_EQ(f.MScroll1(5).value(), 125);
    // A box or bar given the value it holds computes nothing.
    f.MText1->setPlainText(QStringLiteral("marque"));
    f.MCheck1(1).setChecked(f.MCheck1(1).isChecked());
    f.MVScroll2(4).setValue(f.MVScroll2(4).value());
    EXPECT_EQ(S(f.MText1->toPlainText()), "marque");
    f.MCheck1(2).setChecked(!f.MCheck1(2).isChecked());
    EXPECT_NE(S(f.MText1->toPlainText()), "marque");
}

// --- the summary

class ResumeDiagramme : public DiagrammeTest {};

TEST_F(ResumeDiagramme, DateEtHeureDuSysteme) {
    // The first line: the date and the time as the system writes them, no time zone.
    FenHisto& f = ouvrir();
    LocaleScope anglais(QLocale::English, QLocale::UnitedStates);
    calculer(f, QStringLiteral("1;2;3;"));
    const QString premiere = f.Texte_MText1().split(QStringLiteral("\r\n")).first();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{1,2}/\\d{1,2}/\\d\\d - \\d{1,2}:\\d\\d:\\d\\d [AP]M$"))
                    .match(premiere)
                    .hasMatch())
        << S(premiere);
}

TEST_F(ResumeDiagramme, SerieExemple) {
    FenHisto& f = ouvrir();
    calculer(f, Exemple);
    // By hand: sum 105,4 / 17 = 6,2; squared deviations 1,24, so sqrt(1,24/17) = 0,27008
    // and sqrt(1,24/16) = 0,27839; D1 at position 1,8 (5,8), D9 at 16,2: 6,5 + 0,2 x 0,3.
    const QStringList attendu = {
        "17 données", " Minimum = 5,8", " Maximum = 6,8", " PDM  = 5,8", " D1 = 5,8", " D9 = 6,56",
        " Médiane = 6,2", " Moyenne = 6,2", " Ecart-type vrai = 0,2701", " Ecart-type estimé = 0,2784",
        "Notation D1,D9 ", "X : N=17; (5,8)5,8-6,56(6,8)", "Notation D1,PDM,D9 ",
        "X : N=17; (5,8)5,8-5,8-6,56(6,8)", ""};
    EXPECT_EQ(S(resume(f).mid(1)), S(attendu));
    EXPECT_NEAR(f.EcartTypeDiag, std::sqrt(1.24 / 17), 1e-12);
    // The two texts may be dated a second apart: they are compared from their second line.
    const auto sans_date = [](const QString& t) { return t.mid(t.indexOf(QStringLiteral("\r\n"))); };
    EXPECT_EQ(S(sans_date(f.TexteResume[1] + QStringLiteral(" PDM  = 5,8\r\n") + f.TexteResume[2])), S(sans_date(f.Texte_MText1())));
}

TEST_F(ResumeDiagramme, MedianePourToutEffectifEtDecilesDesOnzeValeurs) {
    FenHisto& f = ouvrir();
    auto lignes = [&](const QString& serie) {
        calculer(f, serie);
        const QStringList l = resume(f);
        return S(QStringList{l[5], l[6], l[7]});
    };
    using L = std::vector<std::string>;
    EXPECT_EQ(lignes("4;1;3;2;"), (L{" D1 = ", " D9 = ", " Médiane = 2,5"}));
    EXPECT_EQ(S(resume(f)[12]), "X : N=4; (1)-(4)");
    EXPECT_EQ(lignes("1;2;"), (L{" D1 = ", " D9 = ", " Médiane = 1,5"}));
    // A whole number keeps the separator of the pattern "0.##".
    EXPECT_EQ(lignes("7;"), (L{" D1 = ", " D9 = ", " Médiane = 7,"}));
    EXPECT_EQ(S(resume(f)[10]), "Notation D1,D9 ");  // no estimated deviation for one value
    auto serie = [](int n) {
        QString s;
        for (int i = n; i >= 1; --i) s += QString::number(i) + QLatin1Char(';');
        return s;
    };
    // D1 at (N + 1) / 10 and D9 at 9 (N + 1) / 10, by hand.
    EXPECT_EQ(lignes(serie(11)), (L{" D1 = 1,2", " D9 = 10,8", " Médiane = 6,"}));
    EXPECT_EQ(lignes(serie(19)), (L{" D1 = 2,", " D9 = 18,", " Médiane = 10,"}));
    EXPECT_EQ(lignes(serie(20)), (L{" D1 = 2,1", " D9 = 18,9", " Médiane = 10,5"}));
    EXPECT_EQ(lignes(serie(10)), (L{" D1 = ", " D9 = ", " Médiane = 5,5"}));
}

TEST_F(ResumeDiagramme, EcartTypeDeValeursProchesEtSerieSansPointVirgule) {
    FenHisto& f = ouvrir();
    calculer(f, "123456,71;123456,72;123456,73;");
    // Deviations -0,01, 0, 0,01: sqrt(0,0002 / 3) and sqrt(0,0002 / 2) = 0,01.
    EXPECT_NEAR(f.EcartTypeDiag, 0.0081649658092772603, 1e-10);
    EXPECT_EQ(S(resume(f)[10]), " Ecart-type estimé = 0,01");
    // No ";": the previous values stay.
    calculer(f, "42");
    EXPECT_EQ(f.NbValeursDiag, 3);
    EXPECT_EQ(S(resume(f)[1]), "3 données");
}

TEST(CalculDiagramme, ValeursProchesDuPlusGrandDouble) {
    // Sums and differences of such values pass the largest double: every figure used to
    // come out infinite. By hand: the mean and median of 1e308 and 1.7e308 are 1.35e308,
    // the deviation (divisor N) 0.35e308; D1 of -1.5e308 and ten times 1.5e308 lies at
    // position 1.2, so -1.5e308 + 0.2 x 3e308 = -0.9e308, and D9 at 10.8 is 1.5e308.
    std::vector<double> v = {0, 1e308, 1.7e308};
    double m = 0, e = 0;
    Diagramme::Moyenne_ecart(v, m, e);
    EXPECT_NEAR(m / 1.35e308, 1.0, 1e-15);
    EXPECT_NEAR(e / 0.35e308, 1.0, 1e-15);
    EXPECT_NEAR(Diagramme::Calcul_quantiles(v).mediane / 1.35e308, 1.0, 1e-14);
    v = {0, std::numeric_limits<double>::max(), std::numeric_limits<double>::max()};
    EXPECT_EQ(Diagramme::Calcul_quantiles(v).mediane, std::numeric_limits<double>::max());
    Diagramme::Moyenne_ecart(v, m, e);
    EXPECT_EQ(m, std::numeric_limits<double>::max());
    EXPECT_EQ(e, 0);

    v.assign(12, 1.5e308);
    v[0] = 0;
    v[1] = -1.5e308;
    const Diagramme::Quantiles q = Diagramme::Calcul_quantiles(v);
    ASSERT_TRUE(q.deciles_ok);
    EXPECT_NEAR(q.d1 / -0.9e308, 1.0, 1e-15);
    EXPECT_EQ(q.d9, 1.5e308);
    Diagramme::Moyenne_ecart(v, m, e);
    // Mean (10 - 1) x 1.5e308 / 11; deviation 1.5e308 x sqrt(1 - (9/11)^2) = 2 sqrt(10) / 11 x 1.5e308.
    EXPECT_NEAR(m / (1.5e308 / 11 * 9), 1.0, 1e-14);
    EXPECT_NEAR(e / (1.5e308 / 11 * 2 * std::sqrt(10.0)), 1.0, 1e-14);
    const Diagramme::Fenetre w = Diagramme::Fenetre_donnees(-1.5e308, 1.5e308);
    EXPECT_TRUE(std::isfinite(w.xmin) && std::isfinite(w.xmax));
    EXPECT_LT(w.xmin, -1.5e308);
    EXPECT_GT(w.xmax, 1.5e308);
    // One value so small that a tenth of it is 0: the window still holds it.
    const Diagramme::Fenetre t = Diagramme::Fenetre_donnees(1e-323, 1e-323);
    EXPECT_TRUE(t.xmin < 1e-323 && t.xmax > 1e-323);
}

TEST_F(ResumeDiagramme, GrandesValeursSansInfini) {
    FenHisto& f = ouvrir();
    calculer(f, "1e308;1,7e308;");
    EXPECT_NEAR(f.MoyenneDiag / 1.35e308, 1.0, 1e-15);
    // The median, the mean and both deviations: finite, in exponent form beyond 1E+15.
    const QStringList l = resume(f).mid(7, 4);
    ASSERT_EQ(l.size(), 4);
    EXPECT_EQ(S(l[0]), " Médiane = 1,35E+308");
    for (const QString& x : l) EXPECT_FALSE(x.contains(QLatin1String("Inf")) || x.contains(QLatin1String("NaN"))) << S(x);
}

} // namespace
