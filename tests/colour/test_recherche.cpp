// The nearest-swatch search of the adjustment window: its texts, frames and messages for
// each formula.
#include <gtest/gtest.h>

#include "base/messages.h"
#include "base/tav.h"
#include "colour/etat_couleur.h"
#include "tests/colour/aide_ajustement.h"

namespace {

using namespace CalculAjustement;

class Recherche : public AjustementTest {
protected:
    void SetUp() override {
        AjustementTest::SetUp();
        // Grey, a near grey, grey again, and a swatch 123.456 away in red alone
        // (213.832 / sqrt(3)); L*a*b* columns for the Lab formulas.
        Nuancier(QStringLiteral("petit.Nua"),
                 {QStringLiteral("100;100;100;50;0;0;Gris"), QStringLiteral("103;104;100;52;1;1;Rose"),
                  QStringLiteral("100;100;100;50;0;0;Gris bis"), QStringLiteral("313,832;100;100;60;40;-20;Loin")});
    }
    static QStringList Lignes(const SortiesAjustement& s) { return s.TexteAjust.split(SautLigne).mid(1); }
};

TEST_F(Recherche, TexteRvbEtCadres) {
    auto e = Entrees(QStringLiteral("100"), QStringLiteral("100"), QStringLiteral("100"), QStringLiteral("3"));
    e.OpDelta = 1;
    const SortiesAjustement s = calcul_Ajust(e);
    EXPECT_TRUE(s.CadresCaches);
    ASSERT_TRUE(s.Text2);
    // Ties keep the lower number; an identical swatch is at 00,00. sqrt((9 + 16) / 3) = 2.8868.
    EXPECT_EQ(*s.Text2, Entete(QStringLiteral("petit.Nua")) + SautLigne + QStringLiteral("delta RVB quadratique") +
                            SautLigne + SautLigne + QStringLiteral("1  Cel.: 1 /ref:  Gris\t écart : 00,00") + SautLigne +
                            QStringLiteral("2  Cel.: 3 /ref:  Gris bis\t écart : 00,00") + SautLigne +
                            QStringLiteral("3  Cel.: 2 /ref:  Rose\t écart : 02,89"));
    ASSERT_TRUE(s.Frame6);
    EXPECT_EQ((*s.Frame6)[0], (Cadre{true, QStringLiteral("mesure"), 0x646464}));
    EXPECT_EQ((*s.Frame6)[1], (Cadre{true, QStringLiteral("nua (3)"), 0x646867}));
    EXPECT_TRUE(s.Messages.isEmpty());
    // Four lines: the far swatch at 123.46.
    e.Text4 = QStringLiteral("4");
    EXPECT_EQ(Lignes(Delta_RVB(e)).last(), QStringLiteral("4  Cel.: 4 /ref:  Loin\t écart : 123,46"));
    // Under a point locale the écart takes a point.
    LocaleScope point(QLocale::C);
    EXPECT_EQ(Lignes(Delta_RVB(e)).last(), QStringLiteral("4  Cel.: 4 /ref:  Loin\t écart : 123.46"));
}

// Fewer swatches than asked: the list ends with the last swatch, no swatch listed twice.
TEST_F(Recherche, MoinsDeNuancesQueDemande) {
    auto e = Entrees(QStringLiteral("100"), QStringLiteral("100"), QStringLiteral("100"), QStringLiteral("6"));
    const SortiesAjustement s = Delta_RVB(e);
    EXPECT_EQ(Lignes(s).size(), 4);
    EXPECT_FALSE(s.TexteAjust.contains(QStringLiteral("9999")));
    EXPECT_EQ((*s.Frame6)[1].Caption, QStringLiteral("nua (4)"));
    // None asked: no line, both frames, the second in chart row 0's colour.
    e.Text4 = QStringLiteral("0");
    const SortiesAjustement aucun = Delta_RVB(e);
    EXPECT_TRUE(aucun.TexteAjust.isEmpty());
    EXPECT_EQ((*aucun.Frame6)[1], (Cadre{true, QStringLiteral("nua (0)"), 0}));
    // Frame colours from numbers read with a comma, held within 0..255.
    e = Entrees(QStringLiteral("300"), QStringLiteral("12,6"), QStringLiteral("-4"), QStringLiteral("4"));
    EXPECT_EQ((*Delta_RVB(e).Frame6)[0].BackColor, 0x000DFF);
    EXPECT_EQ((*Delta_RVB(e).Frame6)[1].BackColor, 0x646464);
}

TEST_F(Recherche, QuinzeLignesAuPlus) {
    QStringList nuances;
    for (int i = 1; i <= 24; ++i) nuances << QStringLiteral("%1;0;0;0;0;0;n%1").arg(i);
    Nuancier(QStringLiteral("grand.Nua"), nuances);
    auto e = Entrees(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("14"));
    SortiesAjustement s = Delta_RVB(e);
    EXPECT_EQ(Lignes(s).size(), 14);
    EXPECT_EQ((*s.Frame6)[1].Caption, QStringLiteral("nua (14)"));
    for (const QString& n : {QStringLiteral("15"), QStringLiteral("20")}) {
        e.Text4 = n;
        s = Delta_RVB(e);
        const QStringList l = Lignes(s);
        ASSERT_EQ(l.size(), 15) << n.toStdString();
        EXPECT_EQ(l[13], QStringLiteral("14  Cel.: 14 /ref:  n14\t écart : 08,08"));
        EXPECT_EQ(l[14], QStringLiteral("15  Cel.: 15 /ref:   n15\t écart : 08,66"));
        EXPECT_FALSE(s.Frame6) << "no frames after a fifteenth line";
    }
    // Every formula has its marker on lines 1 to 14, and three blanks on line 15.
    e.Text4 = QStringLiteral("20");
    const std::pair<SortiesAjustement (*)(const EntreesAjustement&), const char*> marques[] = {
        {&Delta_CielAB_quad, " /ref: n"}, {&Delta_CieLab_DE, " /ref:   n"}, {&Delta_CIE94, " /ref:n"},
        {&Delta_CMC, " /ref:n"}, {&Delta_CIEDE2000, " /ref:n"}, {&Delta_Moule_calcul, " /ref:n"}};
    for (auto [f, m] : marques) {
        const QStringList l = Lignes(f(e));
        ASSERT_EQ(l.size(), 15) << m;
        EXPECT_TRUE(l[0].contains(QString::fromUtf8(m))) << m;
        EXPECT_TRUE(l[14].contains(QStringLiteral(" /ref:   n"))) << m;
    }
}

// Relative mode: the input and each swatch divided by the sum of their channels.
TEST_F(Recherche, ModeRelatif) {
    Nuancier(QStringLiteral("relatif.Nua"),
             {QStringLiteral("0;0;0;0;0;0;Noir"), QStringLiteral("100;100;100;0;0;0;Gris"),
              QStringLiteral("200;100;100;0;0;0;Double"), QStringLiteral("12,6;7;9;0;0;0;Sombre")});
    auto e = Entrees(QStringLiteral("100"), QStringLiteral("50"), QStringLiteral("50"), QStringLiteral("5"));
    e.ChKRel = 1;
    e.OpDelta = 1;
    SortiesAjustement s = calcul_Ajust(e);
    QStringList l = Lignes(s);
    // The black swatch has no relative colour and is never listed.
    ASSERT_EQ(l.size(), 3);
    EXPECT_EQ(l[0], QStringLiteral("1  Cel.: 3 /ref:  Double\t écart : 00,00"));
    EXPECT_DOUBLE_EQ(s.CouleurSaisie[1], 0.5);
    EXPECT_DOUBLE_EQ(s.CouleurSaisie[2], 0.25);
    // A swatch's sum from its numbers: 12.6 + 7 + 9 rounds to 29, as the input's does.
    e.Text3 = {QStringLiteral("12,6"), QStringLiteral("7"), QStringLiteral("9")};
    l = Lignes(Delta_RVB(e));
    EXPECT_EQ(l[0], QStringLiteral("1  Cel.: 4 /ref:  Sombre\t écart : 00,00"));
    // An input summing to 0 has no relative colour.
    e.Text3 = {QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0,4")};
    s = Delta_RVB(e);
    EXPECT_EQ(s.Messages, QStringList{Lib_Langue[226]});
    EXPECT_TRUE(s.TexteAjust.isEmpty());
    EXPECT_FALSE(s.Frame6);
    // The input's sum rounded as a swatch's: the identical pale swatch comes first, no black.
    Nuancier(QStringLiteral("pale.Nua"), {QStringLiteral("1;0,5;0,5;0;0;0;Voisin"), QStringLiteral("0,5;0,5;0,5;0;0;0;Pale")});
    e.Text3 = {QStringLiteral("0,5"), QStringLiteral("0,5"), QStringLiteral("0,5")};
    s = Delta_RVB(e);
    EXPECT_TRUE(s.Messages.isEmpty());
    EXPECT_EQ(Lignes(s).value(0), QStringLiteral("1  Cel.: 2 /ref:  Pale\t écart : 00,00"));
}

// The Lab formulas on a neutral input and grey swatches: every one lists them.
TEST_F(Recherche, FormulesLabEtEntreeNeutre) {
    auto e = Entrees(QStringLiteral("50"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("3"));
    for (int f = 4; f <= 8; ++f) {
        e.OpDelta = f;
        const SortiesAjustement s = calcul_Ajust(e);
        EXPECT_TRUE(s.Messages.isEmpty()) << f;
        const QStringList l = Lignes(s);
        ASSERT_EQ(l.size(), 3) << f;
        EXPECT_TRUE(l[0].startsWith(QStringLiteral("1  Cel.: 1 /ref"))) << f;
        EXPECT_TRUE(l[0].endsWith(QStringLiteral(" écart : 00,00"))) << f;
        EXPECT_TRUE(l[1].startsWith(QStringLiteral("2  Cel.: 3 /ref"))) << f;
        EXPECT_FALSE(s.Frame6);
    }
    e.OpDelta = 5;
    EXPECT_TRUE(calcul_Ajust(e).Text2->contains(QStringLiteral("CieLab deltaE*")));
    // An input box without a number stops the four CIE formulas after the header and title.
    e.Text3[1] = QStringLiteral("  ");
    for (int f = 5; f <= 8; ++f) {
        e.OpDelta = f;
        const SortiesAjustement s = calcul_Ajust(e);
        EXPECT_EQ(s.Messages, QStringList{Lib_Langue[223]}) << f;
        EXPECT_TRUE(s.Text2->endsWith(SautLigne)) << f;
        EXPECT_TRUE(s.TexteAjust.isEmpty()) << f;
    }
    e.Text3[1] = QStringLiteral("-,5");
    e.OpDelta = 8;
    EXPECT_TRUE(calcul_Ajust(e).Messages.isEmpty());
    // The quadratic mean takes such a box as 0.
    e.Text3[1] = QStringLiteral("x");
    e.OpDelta = 4;
    EXPECT_EQ(Lignes(calcul_Ajust(e)).size(), 3);
}

TEST_F(Recherche, ChoixDeFormuleEtNuancierAbsent) {
    auto e = Entrees(QStringLiteral("100"), QStringLiteral("100"), QStringLiteral("100"));
    for (int f : {0, 2, 3}) {
        e.OpDelta = f;
        const SortiesAjustement s = calcul_Ajust(e);
        EXPECT_TRUE(s.CadresCaches);
        EXPECT_FALSE(s.Text2);
    }
    EXPECT_TRUE(OpDelta_Click(6, e).Text2->contains(QStringLiteral("Delta_CIE94")));
    // With Check5 ticked the RGB search gives the automatic list.
    e.Check5 = 1;
    EXPECT_TRUE(OpDelta_Click(1, e).Text2->startsWith(QStringLiteral("ajustauto 09")));
    // No chart.
    Nuancier(QStringLiteral("vide.Nua"), {});
    EXPECT_EQ(OpDelta_Click(1, e).Messages, QStringList{Lib_Langue[221]});
    const SortiesAjustement s = calcul_Ajust(e);
    EXPECT_EQ(s.Messages, QStringList{QStringLiteral("Nuancier invalide ou non chargé")});
    EXPECT_FALSE(s.Text2);
    EXPECT_TRUE(s.CadresCaches);
}

TEST_F(Recherche, EnteteDonneesCorrigees) {
    Tav::instance()->CheckCalibre.Value = 1;
    const QString t = Texte_Entete_Ajust(Entrees({}, {}, {}));
    EXPECT_TRUE(t.endsWith(SautLigne + QStringLiteral("données corrigées")));
    EXPECT_FALSE(t.endsWith(SautLigne));
}

TEST_F(Recherche, AppartientEtTbul) {
    std::vector<int> t(16, 0);
    t[15] = 7;
    t[3] = 9;
    EXPECT_TRUE(appartient(7, t, 300));
    EXPECT_FALSE(appartient(7, t, 14));
    EXPECT_TRUE(appartient(9, t, 3));
    EXPECT_FALSE(appartient(9, t, 2));
    EXPECT_FALSE(appartient(0, t, -1));
    EXPECT_EQ(tbul(QStringLiteral("ab"), 5), QStringLiteral("ab   "));
    EXPECT_EQ(tbul(QStringLiteral("abcdef"), 3), QStringLiteral("abcdef"));
}

} // namespace
