// Tables pasted from a spreadsheet: reading rows and columns, then filling the grids.
#include <QClipboard>
#include <QGuiApplication>

#include "base/messages.h"
#include "grid/effacement.h"
#include "platform/pressepapier.h"
#include "platform/prompts.h"
#include "statwin/table_collee.h"
#include "tests/statwin/aide_statwin.h"

namespace {

using TableCollee::Refus;

std::vector<std::optional<double>> valeurs(std::initializer_list<std::optional<double>> l) { return l; }

TEST(LectureTable, ParLignesFinsDeLigneEtSeparateurs) {
    for (const char* fin : {"\r\n", "\n"}) {
        SCOPED_TRACE(fin == std::string("\n") ? "LF" : "CR LF");
        const QString f = QString::fromLatin1(fin);
        const auto t = TableCollee::Lire_H(QStringLiteral("1\t2\t3") + f + QStringLiteral("4,5\t5.25") + f);
        ASSERT_EQ(t.refus, Refus::Aucun);
        ASSERT_EQ(t.series.size(), 2u);
        EXPECT_EQ(t.series[0], valeurs({1, 2, 3}));
        EXPECT_EQ(t.series[1], valeurs({4.5, 5.25}));
        EXPECT_EQ(t.longueur(), 3);
        // Without the last line end the last line does not count.
        const auto u = TableCollee::Lire_H(QStringLiteral("1\t2\t3") + f + QStringLiteral("4\t5"));
        EXPECT_EQ(u.series.size(), 1u);
    }
    EXPECT_EQ(TableCollee::Lire_H(QStringLiteral("1\t2\t3")).refus, Refus::Vide);
    EXPECT_EQ(TableCollee::Lire_H(QString()).refus, Refus::Vide);
}

TEST(LectureTable, ParLignesCellulesVidesEtLimites) {
    // Empty cells keep their place; trailing ones (a shorter row of a rectangular copy) go.
    const auto t = TableCollee::Lire_H(QStringLiteral(" 1 \t\t3\t\t\n\t2\n"));
    ASSERT_EQ(t.refus, Refus::Aucun);
    EXPECT_EQ(t.series[0], valeurs({1, std::nullopt, 3}));
    EXPECT_EQ(t.series[1], valeurs({std::nullopt, 2}));

    EXPECT_EQ(TableCollee::Lire_H(QStringLiteral("1\tdeux\n")).refus, Refus::DonneesIncorrectes);

    auto ligne = [](int cellules, bool derniereVide) {
        QStringList c;
        for (int i = 0; i < cellules; ++i) c << QString::number(i + 1);
        if (derniereVide) c.last().clear();
        return c.join(QLatin1Char('\t')) + QLatin1Char('\n');
    };
    EXPECT_EQ(TableCollee::Lire_H(ligne(256, false)).refus, Refus::Aucun);
    EXPECT_EQ(TableCollee::Lire_H(ligne(257, true)).refus, Refus::Aucun);
    EXPECT_EQ(TableCollee::Lire_H(ligne(257, false)).refus, Refus::TropDeValeurs);
    EXPECT_EQ(TableCollee::Lire_H(ligne(258, true)).refus, Refus::TropDeValeurs);

    QString sept;
    for (int i = 1; i <= 7; ++i) sept += QString::number(i) + QStringLiteral("\r\n");
    const auto s = TableCollee::Lire_H(sept);
    EXPECT_TRUE(s.seriesTronquees);
    ASSERT_EQ(s.series.size(), 6u);
    EXPECT_EQ(s.series[5], valeurs({6}));
}

TEST(LectureTable, ParColonnes) {
    for (const char* fin : {"\r\n", "\n"}) {
        SCOPED_TRACE(fin == std::string("\n") ? "LF" : "CR LF");
        const QString f = QString::fromLatin1(fin);
        const auto t = TableCollee::Lire_V(QStringLiteral("1\t4") + f + QStringLiteral("2,5\t5.5") + f +
                                           QStringLiteral("3\t6") + f);
        ASSERT_EQ(t.refus, Refus::Aucun);
        ASSERT_EQ(t.series.size(), 2u);
        EXPECT_EQ(t.series[0], valeurs({1, 2.5, 3}));
        EXPECT_EQ(t.series[1], valeurs({4, 5.5, 6}));
    }
    // A missing, empty or non-numeric cell stops at its line, counted from 0.
    const auto vide = TableCollee::Lire_V(QStringLiteral("1\t4\n2\t\n"));
    EXPECT_EQ(vide.refus, Refus::ErreurLigne);
    EXPECT_EQ(vide.ligne, 1);
    const auto courte = TableCollee::Lire_V(QStringLiteral("1\t4\n2\t5\n3\n"));
    EXPECT_EQ(courte.refus, Refus::ErreurLigne);
    EXPECT_EQ(courte.ligne, 2);
    EXPECT_EQ(TableCollee::Lire_V(QStringLiteral("x\t4\n")).ligne, 0);

    const auto huit = TableCollee::Lire_V(QStringLiteral("1\t2\t3\t4\t5\t6\t7\t8\n"));
    EXPECT_TRUE(huit.seriesTronquees);
    EXPECT_EQ(huit.series.size(), 6u);

    QString lignes;
    for (int i = 1; i <= 256; ++i) lignes += QString::number(i) + QLatin1Char('\n');
    EXPECT_EQ(TableCollee::Lire_V(lignes).refus, Refus::Aucun);
    EXPECT_EQ(TableCollee::Lire_V(lignes + QStringLiteral("257\n")).refus, Refus::TropDeValeurs);
}

class Collage : public FenetreActive {
protected:
    void coller(const QString& texte) { QGuiApplication::clipboard()->setText(texte); }
    // A measured grid: two spore columns of three rows, with their records.
    void grille_mesuree() {
        Remplir_grille({{"10", "11", "12"}, {"5", "6", "7"}});
        NumFonction = 2;
        for (int r = 1; r <= 3; ++r) {
            TableMesures[r].Image = 3;
            TableMesures[r].Segments[0].x2 = 100 + r;
        }
        ExtraitListe = QStringLiteral("2;3;");
    }
};

TEST_F(Collage, NonALaQuestionAnnuleLeCollage) {
    grille_mesuree();
    FenHisto& f = activer(3);
    coller(QStringLiteral("1\t2\n3\t4\n"));
    for (bool parColonnes : {false, true}) {
        Prompts::Script script;
        script.message(QString(), Prompts::No);
        EXPECT_FALSE(parColonnes ? f.Excel_Coller_V() : f.Excel_Coller_H());
        EXPECT_EQ(script.remaining(), 0);
        EXPECT_EQ(GrilleRef.TextMatrix(1, 1), QStringLiteral("10"));
        EXPECT_EQ(GrilleRef.TextMatrix(0, 1), QStringLiteral("A"));
        EXPECT_EQ(GrilleRef.Cols(), 5);
        EXPECT_EQ(NumFonction, 2);
        EXPECT_EQ(NbLignesGrille, 4);
        EXPECT_EQ(TableMesures[2].Image, 3);
        EXPECT_EQ(ExtraitListe, QStringLiteral("2;3;"));
    }
}

TEST_F(Collage, ParLignesRemplitLaGrilleDeLaPlusLongueSerie) {
    grille_mesuree();
    FenHisto& f = activer(3);
    coller(QStringLiteral("1,5\t2\t123456789,123\r\n4\t\t6\t7\t8\r\n9\r\n"));
    Prompts::Script script;
    script.message(QString(), Prompts::Yes);
    ASSERT_TRUE(f.Excel_Coller_H());
    EXPECT_EQ(NumFonction, 0);
    EXPECT_EQ(NbValeursLigne, 4);
    EXPECT_EQ(GrilleRef.Cols(), 6);  // row number, A, B, C, "img", comment
    EXPECT_EQ(GrilleRefP.Cols(), 6);
    EXPECT_EQ(MGrille.Cols(), 6);
    EXPECT_EQ(GrilleRef.TextMatrix(0, 3), QStringLiteral("C"));
    EXPECT_EQ(GrilleRefP.TextMatrix(0, 2), QStringLiteral("B"));
    EXPECT_EQ(GrilleRef.TextMatrix(0, 4), QStringLiteral("img"));
    EXPECT_EQ(Vu_en_francais(GrilleRef.TextMatrix(1, 1)), QStringLiteral("1,5"));
    EXPECT_EQ(Vu_en_francais(GrilleRef.TextMatrix(3, 1)), QStringLiteral("123456789,123"));
    EXPECT_EQ(GrilleRef.TextMatrix(2, 2), QString());  // the empty cell
    EXPECT_EQ(GrilleRef.TextMatrix(5, 2), QStringLiteral("8"));
    EXPECT_EQ(GrilleRef.TextMatrix(1, 3), QStringLiteral("9"));
    EXPECT_EQ(GrilleRef.ColWidth(2), 500);
    EXPECT_EQ(GrilleRefP.ColWidth(5), 500);
    EXPECT_EQ(NbLignesGrille, 6);  // series B reaches row 5
    // No record of the measured grid stays behind the pasted values.
    EXPECT_EQ(TableMesures[2].Image, 0);
    EXPECT_EQ(TableMesures[2].Segments[0].x2, 0);
    EXPECT_TRUE(ExtraitListe.isEmpty());
    EXPECT_FALSE(f.MOption1(3).isEnabled());
}

TEST_F(Collage, UneLongueSerieAgranditUnePetiteGrille) {
    TailleGrille = 64;
    Remplir_grille({{"1"}});
    FenHisto& f = activer(3);
    QStringList c;
    for (int i = 1; i <= 100; ++i) c << QString::number(i);
    coller(c.join(QLatin1Char('\t')) + QStringLiteral("\r\n"));
    Prompts::Script script;
    script.message(QString(), Prompts::Yes);
    ASSERT_TRUE(f.Excel_Coller_H());
    EXPECT_GE(GrilleRef.Rows(), 101);
    EXPECT_EQ(GrilleRef.TextMatrix(100, 1), QStringLiteral("100"));
    EXPECT_EQ(NbLignesGrille, 101);
}

TEST_F(Collage, UneTableHorsLimitesEstRefuseeSansRienChanger) {
    grille_mesuree();
    FenHisto& f = activer(3);
    QStringList c;
    for (int i = 1; i <= 258; ++i) c << QString::number(i);
    coller(c.join(QLatin1Char('\t')) + QStringLiteral("\n"));
    {
        Prompts::Script script;
        script.message(QStringLiteral("256 mesures au maximum)"));
        EXPECT_FALSE(f.Excel_Coller_H());
        EXPECT_EQ(script.remaining(), 0);
    }
    coller(QStringLiteral("1\t2\nx\t3\n"));
    {
        Prompts::Script script;
        script.message(QStringLiteral(" erreur ligne 1"));
        EXPECT_FALSE(f.Excel_Coller_V());
    }
    coller(QStringLiteral("1\tx\n"));
    {
        Prompts::Script script;
        script.message(Lib_Stat[1] + Lib_Stat[2]);
        EXPECT_FALSE(f.Excel_Coller_H());
    }
    EXPECT_EQ(GrilleRef.TextMatrix(1, 1), QStringLiteral("10"));
    EXPECT_EQ(NumFonction, 2);
    EXPECT_EQ(ExtraitListe, QStringLiteral("2;3;"));
}

TEST_F(Collage, UneValeurInfinieOuNonNumeriqueNEstPasCollee) {
    // A spreadsheet's "inf" or "nan" used to land in the grid as a value no statistic can use.
    grille_mesuree();
    FenHisto& f = activer(3);
    for (const char* v : {"inf", "NaN", "-Infinity", "1e400"}) {
        SCOPED_TRACE(v);
        coller(QStringLiteral("1\t") + QLatin1String(v) + QStringLiteral("\n2\t3\n"));
        {
            Prompts::Script script;
            script.message(Lib_Stat[1] + Lib_Stat[2]);
            EXPECT_FALSE(f.Excel_Coller_H());
        }
        {
            Prompts::Script script;
            script.message(QStringLiteral(" erreur ligne 0"));
            EXPECT_FALSE(f.Excel_Coller_V());
        }
        EXPECT_EQ(GrilleRef.TextMatrix(1, 1), QStringLiteral("10"));
        EXPECT_EQ(NumFonction, 2);
    }
}

TEST_F(Collage, SeptLignesDonnentSixSeries) {
    FenHisto& f = activer(3);
    QString t;
    for (int i = 1; i <= 7; ++i) t += QStringLiteral("%1\t%2\r\n").arg(i).arg(i + 10);
    coller(t);
    Prompts::Script script;
    script.message(QStringLiteral("6 lignes de 255 mesures au maximum)"));
    ASSERT_TRUE(f.Excel_Coller_H());  // an empty grid is cleared without a question
    EXPECT_EQ(GrilleRef.Cols(), 9);
    EXPECT_EQ(GrilleRef.TextMatrix(0, 6), QStringLiteral("F"));
    EXPECT_EQ(GrilleRef.TextMatrix(2, 6), QStringLiteral("16"));
}

TEST_F(Collage, ParColonnesGardeLaDoublePrecision) {
    FenHisto& f = activer(3);
    coller(QStringLiteral("1.23456789\t2\r\n3\t4,000000001\r\n"));
    ASSERT_TRUE(f.Excel_Coller_V());
    EXPECT_EQ(Vu_en_francais(GrilleRef.TextMatrix(1, 1)), QStringLiteral("1,23456789"));
    EXPECT_EQ(Vu_en_francais(GrilleRef.TextMatrix(2, 2)), QStringLiteral("4,000000001"));
    EXPECT_EQ(GrilleRef.TextMatrix(2, 0), QStringLiteral("2"));
    EXPECT_EQ(GrilleRef.Cols(), 5);
    EXPECT_EQ(GrilleRefP.Rows(), GrilleRef.Rows());
    EXPECT_EQ(NbLignesGrille, 3);
    EXPECT_EQ(NumFonction, 0);
}

TEST_F(Collage, LesEspacesInsecablesGroupentLesChiffres) {
    // French desktops copy U+202F between groups of digits, others U+00A0.
    FenHisto& f = activer(3);
    coller(QStringLiteral("1\u202F234,5\n2\u00A0345,25\n987,5\n"));
    f.MCommand3(4).click();
    f.MCommand3(6).click();
    EXPECT_NEAR(f.MoyenneDiag, 1522.416667, 1e-6);  // 4567,25 / 3
    ASSERT_TRUE(f.Excel_Coller_V());
    EXPECT_EQ(GrilleRef.TextMatrix(1, 1), Nombre_local(QStringLiteral("1234,5")));
    EXPECT_EQ(GrilleRef.TextMatrix(2, 1), Nombre_local(QStringLiteral("2345,25")));
}

TEST_F(Collage, LeBoutonResumeEtOffreToutesLesSeries) {
    FenHisto& f = activer(3);
    coller(QStringLiteral("2\t4\t6\n1\t3\n"));
    f.Command2_Click(0);
    EXPECT_EQ(Vu_en_francais(GrilleRefP.TextMatrix(1, 1)), QStringLiteral("4,00"));  // mean of 2, 4, 6
    EXPECT_TRUE(f.MOption1(0).isChecked());
    FenHisto::decharger();
    // At the next showing both series are offered as histogram columns and axes.
    FenHisto& g = activer(1);
    EXPECT_EQ(g.Histcmd(1).text(), QStringLiteral("B"));
    EXPECT_EQ(g.List1->count(), 2);
}

TEST_F(Collage, UnTexteSansFinDeLigneNeCollePasDeValeur) {
    grille_mesuree();
    FenHisto& f = activer(3);
    PressePapier::Simule presse;
    presse.texte = QStringLiteral("1\t2\t3");
    f.Command2_Click(0);  // by rows: the grid stays, now a pasted table, summarised again
    EXPECT_EQ(NumFonction, 0);
    EXPECT_EQ(Vu_en_francais(GrilleRefP.TextMatrix(1, 1) + GrilleRef.TextMatrix(1, 1)), QStringLiteral("11,0010"));  // mean, cell
    Prompts::Script script;
    script.message(QString(), Prompts::Yes);
    f.Command2_Click(1);  // by columns: cleared after the question, titled for three series
    EXPECT_EQ(GrilleRef.TextMatrix(0, 3) + GrilleRef.TextMatrix(1, 1), QStringLiteral("C"));
    EXPECT_EQ(NbLignesGrille, 1);
}

TEST_F(Collage, LesGroupesDeLaLocaleAvecSesDeuxSeparateurs) {
    // A spreadsheet column formatted with thousands separators, as each locale copies it,
    // through "Coller", the table button and a box of the comparison of means, then one
    // number typed: typed series and boxes keep their reading (1,234,5 reads 1.234, 1,065
    // 1.065), and a first group beginning with 0 is no group.
    struct Cas {
        QLocale::Language langue;
        QLocale::Territory pays;
        const char* colonne;
        double moyenne;
        const char* cellule;  // its first value in the grid, with a decimal comma
        const char* boite;    // its first value pasted into a box
        const char* tape;
        double lu;
    };
    const Cas cas[] = {
        {QLocale::English, QLocale::UnitedStates, "1,234.5\n2,345.25\n987.5\n", 1522.416667, "1234,5", "1234,5", "1,234,5;", 1.234},
        {QLocale::German, QLocale::Germany, "1.234,5\n2.345,25\n987,5\n", 1522.416667, "1234,5", "1234,5", "2.345,25;", 2345.25},
        {QLocale::English, QLocale::UnitedStates, "1,065\n1,185\n735\n1,480\n", 1116.25, "1065", "1,065", "1,065;", 1.065},
        {QLocale::German, QLocale::Germany, "1.065\n1.185\n735\n1.480\n", 1116.25, "1065", "1,065", "1.065;", 1.065},
        {QLocale::English, QLocale::UnitedStates, "0,125\n", 0.125, "0,125", "0,125", "0,001.5;", 0.001}};
    FenHisto& f = activer(3);
    Prompts::Script script;
    for (size_t i = 1; i < std::size(cas); ++i) script.message(QString(), Prompts::Yes);  // each table clears the last
    for (const Cas& c : cas) {
        LocaleScope locale(c.langue, c.pays);
        coller(QString::fromUtf8(c.colonne));
        f.MCommand3(4).click();
        f.MCommand3(6).click();
        EXPECT_NEAR(f.MoyenneDiag, c.moyenne, 1e-6);  // 4567,25 / 3 and 4465 / 4
        f.MText3->setText(QString::fromUtf8(c.tape));
        f.MCommand3(6).click();
        EXPECT_EQ(f.MoyenneDiag, c.lu);
        ASSERT_TRUE(f.Excel_Coller_V());
        EXPECT_EQ(GrilleRef.TextMatrix(1, 1), Nombre_local(QString::fromUtf8(c.cellule)));
        f.ctxt1(3).selectAll();
        f.ctxt1(3).insert(QString::fromUtf8(c.colonne).section(QLatin1Char('\n'), 0, 0));  // as a paste inserts it
        EXPECT_EQ(f.ctxt1(3).text(), QString::fromUtf8(c.boite));
    }
}

TEST_F(Collage, LExtraitPartAvecLaGrille) {
    grille_mesuree();
    {
        Prompts::Script script;
        script.message(QString(), Prompts::No);
        Gen::RAZ_grille(0);
        EXPECT_EQ(ExtraitListe, QStringLiteral("2;3;"));
    }
    Gen::RAZ_grille(1);
    EXPECT_TRUE(ExtraitListe.isEmpty());
    ExtraitListe = QStringLiteral("1;");
    Gen::RAZ_trame();
    EXPECT_TRUE(ExtraitListe.isEmpty());
}

TEST_F(Collage, LeResumeNommeSaColonneEtSesChiffresTiennentDansUnDouble) {
    // A series typed and computed (no table), or a table pasted then a column typed; the
    // box, the summary and the title then name the one column shown.
    struct Cas { const char *table; short bouton; const char* message; bool question; const char *tape, *ligne, *cellule; };
    const Cas cas[] = {
        {nullptr, 0, nullptr, false, "1,5;3,5;4;5;1E+15;", " PDM  = 3,5", "11"},  // 0,5 once, from 3,5
        {nullptr, 0, nullptr, false, "1,5;3,5;4;5;1E+15;", " Moyenne = 200000000000003", "11"},
        {"1,5\n1e300\n3,5\n", 1, " erreur ligne 1", false, "1", "col 1 : A", "11"},  // single precision
        {"1,5\t1e300\t3,5\r\n", 0, nullptr, true, "1", " Moyenne = 3,33333333333333E+299", "1E+300"},
        {"1\t2\t3\t4\t5\t6\t7\t8\n2\t3\t4\t5\t6\t7\t8\t9\n", 1, " 6 lignes maxi seront chargées", true, "7", "col 6 : F", "2"}};
    PressePapier::Simule presse;
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.ligne);
        Remplir_grille({{"10", "11", "12"}});
        FenHisto& f = activer(3);
        f.MOption1(2).click();
        Prompts::Script script;
        if (c.message) script.message(QString::fromUtf8(c.message));
        if (c.question) script.message(QStringLiteral("effacer"), Prompts::Yes);
        presse.texte = QString::fromUtf8(c.table);
        if (c.table) f.Command2(c.bouton).click();
        (c.table ? *f.MText4 : *f.MText3).setText(QString::fromUtf8(c.tape));
        if (!c.table) f.MCommand3(6).click();
        EXPECT_EQ(script.remaining(), 0);
        const QStringList resume = Vu_en_francais(f.Texte_MText1()).split(SautLigne);
        EXPECT_TRUE(resume.contains(QString::fromUtf8(c.ligne))) << resume.join(QLatin1Char('|')).toStdString();
        EXPECT_TRUE(resume.contains(QStringLiteral("col ") + f.MText4->text() + QStringLiteral(" : ") + f.NmColonne->text()));
        EXPECT_EQ(Vu_en_francais(GrilleRef.TextMatrix(2, 1)), QString::fromUtf8(c.cellule));
        FenHisto::decharger();
    }
}

} // namespace
