// A table pasted as a user pastes it (a spreadsheet's copy on the clipboard, then the
// paste button of the "Texte" source) reaches every panel: the diagram's column spinner,
// both test frames and the grid's deciles offer its second series, whichever program
// ended its lines. Hand figures of the second series: 5.1, 5.3, 5.2, 5.0, 7.9, 8.1, 8.0,
// 8.2 splits after its fourth value, Amax = 20.6²/4 + 32.2²/4 = 365.3, bound
// (5.3 + 7.9) / 2 = 6.60; W from scipy 1.10:
//   shapiro([5.1,5.3,5.2,5.0,7.9,8.1,8.0,8.2]).statistic = 0.7332384
#include <QTest>

#include "base/etat_demarrage.h"
#include "base/messages.h"
#include "grid/deciles.h"
#include "grid/fichier_trm.h"
#include "platform/pressepapier.h"
#include "platform/prompts.h"
#include "platform/textfile.h"
#include "tests/statwin/aide_statwin.h"
#include "tests/statwin/test_tests_commun.h"

namespace {

const char* kA[8] = {"1", "2", "3", "4", "5", "6", "7", "8"};
const char* kB[8] = {"5,1", "5,3", "5,2", "5,0", "7,9", "8,1", "8,0", "8,2"};
// Column B as the grid writes the pasted numbers back.
const QString kSerieB = QStringLiteral("5,1;5,3;5,2;5;7,9;8,1;8;8,2;");

// The two series, one per line, each line ended by `fin`.
QString Par_lignes(const QString& fin) {
    QStringList a, b;
    for (int i = 0; i < 8; ++i) {
        a << QString::fromUtf8(kA[i]);
        b << QString::fromUtf8(kB[i]);
    }
    return a.join(QLatin1Char('\t')) + fin + b.join(QLatin1Char('\t')) + fin;
}

// The two series, one per column.
QString Par_colonnes(const QString& fin) {
    QString t;
    for (int i = 0; i < 8; ++i) t += QString::fromUtf8(kA[i]) + QLatin1Char('\t') + QString::fromUtf8(kB[i]) + fin;
    return t;
}

class ColonnesCollees : public FenetreActive {
protected:
    // The window as the start-up shows it, on the diagram; the user picks the "Texte"
    // source (from "mesures", as the activation hides its paste buttons) and pastes.
    FenHisto& coller(const QString& table, int bouton) {
        FenHisto& f = activer(3);
        f.show();
        presse_.texte = table;
        f.MOption1(0).click();
        f.MOption1(2).click();
        EXPECT_TRUE(f.Command2(bouton).isVisible());
        // A grid that holds a table already is cleared after the user's yes.
        Prompts::Script script;
        if (NbLignesGrille > 1) script.message(QStringLiteral("effacer  la grille  ? "), Prompts::Yes);
        QTest::mouseClick(&f.Command2(bouton), Qt::LeftButton);
        EXPECT_EQ(script.remaining(), 0);
        return f;
    }
    // The upper arrow of a spinner, clicked.
    static void fleche_haute(QScrollBar& b) { QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(b.width() / 2, 2)); }
    static void taper(QLineEdit& boite, const QString& texte) {
        boite.selectAll();
        QTest::keyClicks(&boite, texte);
    }
    // Series 2 chosen in the diagram and in each test frame, as the user chooses it.
    static void serie_2_partout(FenHisto& f) {
        // The diagram: the column spinner runs over both series; its upper arrow gives B.
        EXPECT_EQ(f.MVScroll1->minimum(), 1);
        EXPECT_EQ(f.MVScroll1->maximum(), 2);
        fleche_haute(*f.MVScroll1);
        EXPECT_EQ(s(f.MText4->text()), "2");
        EXPECT_EQ(Vu_en_francais(f.MText3->text()), kSerieB);
        EXPECT_EQ(s(f.NmColonne->text()), "B");

        // Homogeneity of column B.
        f.Mnstat3(2).trigger();
        taper(f.Ttxt1(2), QStringLiteral("2"));
        EXPECT_EQ(Vu_en_francais(f.MText3->text()), kSerieB);
        const QString h = f.Tlabel1(2).text();
        EXPECT_TRUE(h.contains(QStringLiteral("8 données   ;   Pm=  4"))) << s(h);
        EXPECT_NEAR(Nombre_apres(h, QStringLiteral(" Amax=  ")), 365.3, 1e-9) << s(h);
        EXPECT_TRUE(h.contains(QStringLiteral("est clairement (risque 1%)")));
        EXPECT_TRUE(Vu_en_francais(h).endsWith(QStringLiteral("x <= 6,60."))) << s(h);
        // A column beyond the last is the last one, never the row numbers of column 0.
        taper(f.Ttxt1(2), QStringLiteral("7"));
        EXPECT_EQ(s(f.Ttxt1(2).text()), "2");
        EXPECT_EQ(Vu_en_francais(f.MText3->text()), kSerieB);
        EXPECT_EQ(f.Tlabel1(2).text(), h);

        // Shapiro-Wilk on column B, then on column A through the spinner.
        f.Mnstat3(3).trigger();
        taper(f.Ttxt1(3), QStringLiteral("2"));
        EXPECT_EQ(Vu_en_francais(f.MText3->text()), kSerieB);
        EXPECT_NEAR(Nombre_apres(f.Tlabel1(3).text(), QStringLiteral("Shapiro-Wilk W = ")), 0.7332384, 1e-6);
        taper(f.Ttxt1(3), QStringLiteral("9"));
        EXPECT_EQ(s(f.Ttxt1(3).text()), "2");
        EXPECT_EQ(Vu_en_francais(f.MText3->text()), kSerieB);
    }
    // The grid's deciles cover both series: counts, and the medians (4 + 5) / 2 and
    // (5.3 + 7.9) / 2.
    static void deciles_des_deux_series() {
        Gen::Calcule_deciles();
        EXPECT_EQ(EffectifCol[1], 8);
        EXPECT_EQ(EffectifCol[2], 8);
        EXPECT_EQ(s(GrilleRefP.TextMatrix(10, 1)), "4,5");
        EXPECT_EQ(s(GrilleRefP.TextMatrix(10, 2)), "6,6");
    }
    PressePapier::Simule presse_;
};

TEST_F(ColonnesCollees, ParLignesDesDeuxPressePapiers) {
    for (const char* fin : {"\n", "\r\n"}) {
        SCOPED_TRACE(fin[0] == '\n' ? "LF, as a Linux spreadsheet copies" : "CR LF, as Windows copies");
        FenHisto& f = coller(Par_lignes(QString::fromLatin1(fin)), 0);
        EXPECT_EQ(NbColonnesStat, 2);
        EXPECT_EQ(NbLignesGrille, 9);
        EXPECT_TRUE(f.MOption1(0).isChecked());
        serie_2_partout(f);
        deciles_des_deux_series();
        FenHisto::decharger();
    }
}

TEST_F(ColonnesCollees, ParColonnesDesDeuxPressePapiers) {
    for (const char* fin : {"\n", "\r\n"}) {
        SCOPED_TRACE(fin[0] == '\n' ? "LF, as a Linux spreadsheet copies" : "CR LF, as Windows copies");
        FenHisto& f = coller(Par_colonnes(QString::fromLatin1(fin)), 1);
        EXPECT_EQ(NbColonnesStat, 2);
        EXPECT_EQ(s(GrilleRef.TextMatrix(3, 0)), "3");  // the row numbers a vertical paste writes
        serie_2_partout(f);
        deciles_des_deux_series();
        FenHisto::decharger();
    }
}

TEST_F(ColonnesCollees, UneSeriePlusCourteGardeSaLongueur) {
    QStringList a;  // A = 1 to 25, B = 5 to 22: 18 values
    for (int i = 1; i <= 25; ++i) a << QString::number(i);
    taper(*activer(3).MText4, QStringLiteral("2"));  // column B, typed before a paste brings it
    FenHisto& f = coller(a.join(QLatin1Char('\t')) + "\r\n" + a.mid(4, 18).join(QLatin1Char('\t')) + "\r\n", 0);
    EXPECT_EQ(s(f.NmColonne->text()), "B");
    f.MOption1(2).click();
    f.MCommand3(6).click();
    EXPECT_TRUE(f.Texte_MText1().contains(QStringLiteral("\r\n18 données\r\n Minimum = 5\r\n"))) << s(f.Texte_MText1());
}

TEST_F(ColonnesCollees, UneGrilleSansColonneDeResultatNEstPasTestee) {
    // A measurement file without a function brings rows but no result column: the test
    // frames say so rather than test the row numbers.
    const QString trm = chemin(QStringLiteral("sans_fonction.trm"));
    ASSERT_TRUE(TextFile::write(trm, QStringLiteral("INDPRES=False\r\nNBIMAGES= 0\r\nNBLIGNES= 3\r\nNBLGMAX =64\r\n"
                                                    "FONCTION= 0\r\nCALIBRAGE= \r\nIMAGES= \r\nCOMMENT= \r\n1;\r\n2;\r\n"
                                                    "3;\r\nFIN\r\nTRAME= \r\n0;0;\r\n0;0;\r\n0;0;\r\n")));
    short statut = 0;
    Gen::Lit_trame(trm, statut);
    ASSERT_EQ(NbLignesGrille, 4);
    ASSERT_EQ(NbColonnesStat, 0);
    FenHisto& f = activer(3);
    f.show();
    f.MText3->setText(QStringLiteral("1;2;3;10;11;12;"));
    f.Mnstat3(2).trigger();  // the frame opens on the series box as it stands: tested
    const QString avant = f.Tlabel1(2).text();
    EXPECT_TRUE(avant.contains(QStringLiteral("6 données"))) << s(avant);
    Prompts::Script script;
    script.message(Lib_Stat[1] + Lib_Stat[3]);
    taper(f.Ttxt1(2), QStringLiteral("3"));
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(f.Tlabel1(2).text(), avant);
}

} // namespace
