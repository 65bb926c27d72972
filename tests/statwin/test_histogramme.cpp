// Histograms: classes counted against hand counts, the class-count box, the legend
// with its rows, and bars landing where the scale puts them.
#include "base/etat_programme.h"
#include "tests/statwin/aide_statwin.h"
#include "base/etat_partage.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"
#include "colour/etat_couleur.h"

namespace {

class Histogramme : public FenetreActive {
protected:
    FenHisto& histogramme(const std::vector<std::vector<QString>>& colonnes) {
        Remplir_grille(colonnes);
        FenHisto& f = activer(2);
        return f;
    }
    void cocher(FenHisto& f, int i) {
        f.ChkH(i).setChecked(true);
        f.ChkH_Click(short(i));
    }
    std::vector<int> classes(FenHisto& f, int colonne) {
        std::vector<int> r;
        for (int k = 0; k < f.NbClasses; ++k) r.push_back(f.TableClasses[k][colonne]);
        return r;
    }
};

TEST_F(Histogramme, ClassesCompteesALaMain) {
    // min 1, max 10, 5 classes of width 1.8: [1, 2.8) [2.8, 4.6) [4.6, 6.4) [6.4, 8.2) [8.2, 10]
    FenHisto& f = histogramme({{"1", "2", "2,5", "3", "4", "5", "5", "6", "9", "10"}});
    cocher(f, 0);
    EXPECT_EQ(classes(f, 0), (std::vector<int>{3, 2, 3, 0, 2}));  // the maximum is in the last class
    // 3 classes of width 3: [1, 4) [4, 7) [7, 10]
    f.Text1histo->setText(QStringLiteral("3"));
    EXPECT_EQ(classes(f, 0), (std::vector<int>{4, 4, 2}));
}

TEST_F(Histogramme, LesLignesApresUnTrouComptent) {
    // Column A has two values; column B has a gap and a zero before its last values.
    FenHisto& f = histogramme({{"1", "2"}, {"2", "4", "", "0", "6", "8"}});
    f.Text1histo->setText(QStringLiteral("4"));
    cocher(f, 1);
    // min 0, max 8, width 2: 0 | 2 | 4 | 6, 8
    EXPECT_EQ(classes(f, 1), (std::vector<int>{1, 1, 1, 2}));
}

TEST_F(Histogramme, UneColonneConstanteTombeDansLaClasseDuMilieu) {
    FenHisto& f = histogramme({{"0", "0", "0", "0"}});
    cocher(f, 0);
    EXPECT_EQ(classes(f, 0), (std::vector<int>{0, 0, 4, 0, 0}));
    EXPECT_TRUE(Vu_en_francais(f.LabelHisto->text()).contains(QStringLiteral("classes de largeur 0,20")));
}

TEST_F(Histogramme, UneColonneDUneValeurNestPasDessinee) {
    FenHisto& f = histogramme({{"3"}});
    cocher(f, 0);
    EXPECT_EQ(classes(f, 0), (std::vector<int>{0, 0, 0, 0, 0}));
    EXPECT_TRUE(f.LabelHisto->text().isEmpty());
}

TEST_F(Histogramme, LeNombreDeClassesResteEntreDeuxEtVingtEtUn) {
    FenHisto& f = histogramme({{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}});
    cocher(f, 0);
    for (const char* t : {"1", "0", "abc", ""}) {
        f.Text1histo->setText(QString::fromLatin1(t));
        EXPECT_EQ(f.Text1histo->text(), QStringLiteral("2")) << t;
    }
    f.Text1histo->setText(QStringLiteral("30"));
    EXPECT_EQ(f.Text1histo->text(), QStringLiteral("21"));
    EXPECT_EQ(f.NbClasses, 21);
    int total = 0;
    for (int k = 0; k < 21; ++k) total += f.TableClasses[k][0];
    EXPECT_EQ(total, 10);
    // The spinner writes its value into the box.
    f.VScroll1Hist->setValue(7);
    EXPECT_EQ(f.Text1histo->text(), QStringLiteral("7"));
    EXPECT_EQ(f.NbClasses, 7);
}

TEST_F(Histogramme, LaLegendeNommeLesLignesDuMinimumEtDuMaximum) {
    FenHisto& f = histogramme({{"5", "2", "9", "2", "7"}});
    cocher(f, 0);
    EXPECT_EQ(Vu_en_francais(f.LabelHisto->text()), QStringLiteral("A :   5  classes de largeur 1,40\r\n") + QString(18, QLatin1Char(' ')) +
                                        QStringLiteral("Min (2)= 2,00   Max(3)= 9,00"));
    EXPECT_EQ(GrilleRef.CellBackColorAt(2, 1), CouleurMinimum);
    EXPECT_EQ(GrilleRef.CellBackColorAt(3, 1), CouleurMaximum);
    EXPECT_NE(GrilleRef.CellBackColorAt(0, 1), CouleurMinimum);  // never the title row
}

TEST_F(Histogramme, LesBarresSontOuLEchelleLesMet) {
    // 10 values, 5 classes: tick step s = 170, unit height u = CInt(750 * 5 / 20) = 188
    // (187.5 rounded half to even). Counts 3, 2, 3, 0, 2.
    FenHisto& f = histogramme({{"1", "2", "2,5", "3", "4", "5", "5", "6", "9", "10"},
                               {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}});
    cocher(f, 0);
    cocher(f, 1);
    const Surface& s = f.HistPicHist->surface();
    // Column A, class 2: box from x = 2 * 170 + 30 + 2 to + 20, height 3 * 188 + 100 = 664.
    EXPECT_EQ(s.Point(381, 400), Surface::QBColor(1));
    EXPECT_EQ(s.Point(381, 640), Surface::QBColor(1));
    EXPECT_EQ(s.Point(381, 700), 0xFFFFFF);
    EXPECT_EQ(s.Point(371 - 6, 400), 0xFFFFFF);  // the gap before the bar
    // Column B stands 20 units further right: class 2 holds 5 and 6 (two values), top 476.
    EXPECT_EQ(s.Point(401, 400), Surface::QBColor(2));
    EXPECT_EQ(s.Point(401, 520), 0xFFFFFF);
    // Class 3 of column A is empty: nothing above the axis.
    EXPECT_EQ(s.Point(551, 300), 0xFFFFFF);
    // The axis runs along y = 100 from x = 30 to 880.
    EXPECT_EQ(s.Point(600, 100), 0);
    EXPECT_EQ(s.Point(600, 130), 0xFFFFFF);
}

} // namespace
