// Histogram classes at their bounds: a value equal to a bound opens the class above it,
// whatever the rounding of the bound's arithmetic, against counts done by hand on a
// pasted column; and the class-count box as the user types into it.
#include <QTest>
#include <cmath>

#include "platform/pressepapier.h"
#include "platform/prompts.h"
#include "statwin/histogramme_classes.h"
#include "tests/statwin/aide_statwin.h"
#include "tests/statwin/test_tests_commun.h"

namespace {

using Histogramme::Borne;
using Histogramme::Classe;

std::vector<SeriesGrille::Valeur> colonne(std::initializer_list<double> v) {
    std::vector<SeriesGrille::Valeur> r;
    int ligne = 0;
    for (double x : v) r.push_back({++ligne, x});
    return r;
}

class HistogrammeBornes : public FenetreActive {
protected:
    // Two columns pasted by columns from a spreadsheet, then the histogram of column B.
    FenHisto& histogramme_de_B(const QStringList& a, const QStringList& b) {
        FenHisto& f = activer(3);
        PressePapier::Simule presse;
        for (int i = 0; i < a.size(); ++i) presse.texte += a[i] + QLatin1Char('\t') + b[i] + QStringLiteral("\r\n");
        f.MOption1(0).click();
        f.MOption1(2).click();
        f.Command2(1).click();
        f.Mnstat(1).trigger();
        if (f.ModeHisto == 0) f.CmdHist1(0).click();
        f.ChkH(1).click();
        return f;
    }
    static std::vector<int> comptes(FenHisto& f, int colonne) {
        std::vector<int> r;
        for (int k = 0; k < f.NbClasses; ++k) r.push_back(f.TableClasses[k][colonne]);
        return r;
    }
};

TEST_F(HistogrammeBornes, ValeursSurLesBornesCompteesALaMain) {
    // Column B from 1 to 2 in 5 classes of width 0.2, bounds 1.2, 1.4, 1.6, 1.8: by hand
    // [1, 1.2) holds 1; [1.2, 1.4) 1.2 twice; [1.4, 1.6) 1.4 three times; [1.6, 1.8) 1.6;
    // [1.8, 2] 1.8 twice and 2. (1.2 - 1) / 0.2 computes as 0.99999999999999978.
    const QStringList a = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
    const QStringList b = {"1,8", "1,2", "1", "1,4", "1,6", "1,4", "2", "1,2", "1,8", "1,4"};
    FenHisto& f = histogramme_de_B(a, b);
    EXPECT_EQ(comptes(f, 1), (std::vector<int>{1, 2, 3, 1, 3}));
    // The bars stand as high as the counts: unit CInt(750 * 5 / 20) = 188 (187.5 half to
    // even); class 2 of column B, x = 2 * 170 + 20 + 30 + 2 to + 20, top 3 * 188 + 100 = 664.
    const Surface& s = f.HistPicHist->surface();
    EXPECT_EQ(s.Point(401, 640), Surface::QBColor(2));
    EXPECT_EQ(s.Point(401, 700), 0xFFFFFF);
    // Class 0 holds one value only: top 288.
    EXPECT_EQ(s.Point(61, 270), Surface::QBColor(2));
    EXPECT_EQ(s.Point(61, 320), 0xFFFFFF);

    // From 0.1 to 1.1: the bound 0.1 + 0.2 computes as 0.30000000000000004, above the
    // value 0.3 typed on it. By hand each class holds its lower bound, the last one 1.1 too.
    FenHisto::decharger();
    Prompts::Script oui;
    oui.message(QString(), Prompts::Yes);
    FenHisto& g = histogramme_de_B({"1", "2", "3", "4", "5", "6"}, {"0,1", "0,3", "0,5", "0,7", "0,9", "1,1"});
    EXPECT_EQ(comptes(g, 1), (std::vector<int>{1, 1, 1, 1, 2}));
}

TEST(ClassesHistogrammeBornes, UnUlpDePartEtDAutre) {
    // The bounds by hand; each belongs to the class above it, one ulp below it to the
    // class under it, one ulp above it to the class above.
    struct Cas {
        double mini, maxi;
        std::vector<double> bornes;
    };
    const Cas cas[] = {{1, 2, {1.2, 1.4, 1.6, 1.8}},
                       {0.1, 1.1, {0.3, 0.5, 0.7, 0.9}},
                       {-0.3, 0.9, {-0.1, 0.1, 0.3, 0.5, 0.7}},
                       {0, 0.7, {0.1, 0.2, 0.3, 0.4, 0.5, 0.6}},
                       {-1e-3, 2e-3, {0, 1e-3}},
                       {5.8, 7.5, {6.14, 6.48, 6.82, 7.16}},
                       {-3e20, 2e20, {-2e20, -1e20, 0, 1e20}}};
    for (const Cas& x : cas) {
        SCOPED_TRACE(testing::Message() << x.mini << " .. " << x.maxi);
        const int n = int(x.bornes.size()) + 1;
        const auto c = Histogramme::Classes_colonne(colonne({x.mini, x.maxi}), n);
        ASSERT_TRUE(c);
        for (int k = 1; k < n; ++k) {
            const double b = x.bornes[size_t(k - 1)];
            EXPECT_EQ(Borne(*c, k), b) << k;
            EXPECT_EQ(Classe(b, *c), k);
            EXPECT_EQ(Classe(std::nextafter(b, HUGE_VAL), *c), k);
            EXPECT_EQ(Classe(std::nextafter(b, -HUGE_VAL), *c), k - 1);
        }
        EXPECT_EQ(Classe(x.mini, *c), 0);
        EXPECT_EQ(Classe(x.maxi, *c), n - 1);
    }
}

TEST_F(HistogrammeBornes, LaBoiteDesClassesNeGardeQueDesChiffres) {
    FenHisto& f = histogramme_de_B({"1", "2", "3"}, {"4", "5", "6"});
    f.show();
    QLineEdit& boite = *f.Text1histo;
    // Typed over the whole text: "a" turns the box into "2", and the letters after it go.
    boite.selectAll();
    QTest::keyClicks(&boite, QStringLiteral("abc"));
    EXPECT_EQ(s(boite.text()), "2");
    EXPECT_EQ(f.NbClasses, 2);
    // Digits followed by a letter keep their count.
    boite.selectAll();
    QTest::keyClicks(&boite, QStringLiteral("7"));
    QTest::keyClicks(&boite, QStringLiteral("x"));
    EXPECT_EQ(s(boite.text()), "7");
    EXPECT_EQ(f.NbClasses, 7);
}

} // namespace
