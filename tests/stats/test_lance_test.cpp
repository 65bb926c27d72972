// The tests panel's driver and the homogeneity test.
#include "stats/test_serie.h"

#include "base/vb.h"
#include "tests/stats/outils.h"

using namespace Mstat;

namespace {
class LanceTest : public EnFrancais {
protected:
    Sortie_Test lance(short code, const QString& serie, bool logNormale = false,
                      const QString& risque = QStringLiteral("5")) {
        Entree_Test e;
        e.Code = code;
        e.Serie = serie;
        e.Log_Normale = logNormale;
        e.Risque = risque;
        return Lance_Test(e);
    }
    // The number after `cle` in a line of the result.
    static double nombre_apres(const QString& texte, const QString& cle) {
        const qsizetype i = texte.indexOf(cle);
        if (i < 0) return std::nan("");
        return Vb::Val(texte.mid(i + cle.size()).replace(',', '.'));
    }
};

QString serie_texte(const std::vector<double>& v) {
    QString t;
    for (double x : v) t += QString::number(x, 'g', 17) + ';';
    return t;
}
} // namespace

TEST_F(LanceTest, QuatreValeursNeSuffisentPas) {
    Signalements signale;
    Sortie_Test s = lance(Code_Homogeneite, QStringLiteral("1;2;3;4;"));
    EXPECT_FALSE(s.Resultat_Change);
    EXPECT_EQ(signale.prendre(), QStringList{QStringLiteral("nb de mesures insuffisant")});
    // Empty pieces are no values: still four.
    s = lance(Code_Shapiro_Wilk, QStringLiteral("1;;2; ;3;4;;"));
    EXPECT_FALSE(s.Resultat_Change);
    EXPECT_EQ(signale.prendre(), QStringList{QStringLiteral("nb de mesures insuffisant")});
    // Five values run; the text after the last ";" is not a value.
    s = lance(Code_Shapiro_Wilk, QStringLiteral("1;2;3;4;5;99"));
    EXPECT_TRUE(s.Resultat_Change);
    EXPECT_TRUE(signale.recus().isEmpty());
    EXPECT_TRUE(s.Resultat.startsWith(QStringLiteral("Shapiro-Wilk W = 0,98676215"))) << s.Resultat.toStdString();
}

// Reference: R 4.2.2, shapiro.test(c(1, 2, 3, 4, 5, 2.5)) gives W = 0.98900574606982483,
// p = 0.98661062137873978.
TEST_F(LanceTest, VirguleDecimaleEtMorceauxVides) {
    const Sortie_Test s = lance(Code_Shapiro_Wilk, QStringLiteral("1;;2;3;2,5;;4;5;"));
    ASSERT_TRUE(s.Resultat_Change);
    EXPECT_NEAR(nombre_apres(s.Resultat, QStringLiteral("W = ")), 0.98900574606982483, 1e-7);
    EXPECT_NEAR(nombre_apres(s.Resultat, QStringLiteral("pvalue = ")), 0.98661062137873978, 1e-6);
}

TEST_F(LanceTest, AutreCodeSansEffet) {
    Sortie_Test s = lance(Code_Homogeneite, QStringLiteral("1;2;3;10;11;12;"));
    EXPECT_TRUE(s.Resultat_Change);
    s = lance(1, QStringLiteral("1;2;"));
    EXPECT_FALSE(s.Resultat_Change);
}

// Reference: R 4.2.2, shapiro.test(log(c(1.2, 3.4, 2.2, 5.9, 4.1, 2.8))) gives
// W = 0.98186140309104997, p = 0.96042740487807265.
TEST_F(LanceTest, LogNormale) {
    Sortie_Test s = lance(Code_Shapiro_Wilk, QStringLiteral("1,2;3,4;2,2;5,9;4,1;2,8;"), true);
    ASSERT_TRUE(s.Resultat_Change);
    EXPECT_NEAR(nombre_apres(s.Resultat, QStringLiteral("W = ")), 0.98186140309104997, 1e-7);
    EXPECT_NEAR(nombre_apres(s.Resultat, QStringLiteral("pvalue = ")), 0.96042740487807265, 1e-6);

    // A value at or below 0 has no logarithm: the series is refused and the label kept.
    Signalements signale;
    s = lance(Code_Shapiro_Wilk, QStringLiteral("1,2;3,4;0;5,9;4,1;2,8;"), true);
    EXPECT_FALSE(s.Resultat_Change);
    s = lance(Code_Shapiro_Wilk, QStringLiteral("1,2;3,4;-2;5,9;4,1;2,8;"), true);
    EXPECT_FALSE(s.Resultat_Change);
    EXPECT_EQ(signale.prendre(), QStringList(2, QStringLiteral("données incorrectes")));
    // The homogeneity test never takes logarithms.
    s = lance(Code_Homogeneite, QStringLiteral("1;2;3;-10;11;12;"), true);
    EXPECT_TRUE(s.Resultat_Change);
}

TEST_F(LanceTest, ValeursToutesEgales) {
    Signalements signale;
    Sortie_Test s = lance(Code_Homogeneite, QStringLiteral("3;3;3;3;3;3;"));
    EXPECT_FALSE(s.Resultat_Change);
    EXPECT_EQ(signale.prendre(), QStringList{QStringLiteral("données incorrectes")});
    // Shapiro-Wilk says why on its own line.
    s = lance(Code_Shapiro_Wilk, QStringLiteral("0,7;0,7;0,7;0,7;0,7;"));
    EXPECT_TRUE(s.Resultat_Change);
    EXPECT_EQ(s.Resultat, QStringLiteral("Shapiro-Wilk : données incorrectes (valeurs toutes égales)"));
    EXPECT_TRUE(signale.recus().isEmpty());
}

TEST_F(LanceTest, SommesAuDelaDesReels) {
    // 1e160 squared passes the largest double: every A would read as infinite and the
    // first split win. Such a series is refused; a smaller outlier splits after the fourth
    // value, with Amax = (1e150)² / 1 + 10² / 4 = 1e300 (to 15 digits).
    for (const char* serie : {"1;2;3;4;1e160;", "1;2;3;4;-1e160;", "1e155;1;2;3;4;5;"}) {
        Signalements signale;
        EXPECT_FALSE(lance(Code_Homogeneite, QString::fromUtf8(serie)).Resultat_Change) << serie;
        EXPECT_EQ(signale.prendre(), QStringList{QStringLiteral("données incorrectes")}) << serie;
    }
    const Sortie_Test s = lance(Code_Homogeneite, QStringLiteral("1;2;3;4;1e150;"));
    ASSERT_TRUE(s.Resultat_Change);
    EXPECT_TRUE(s.Resultat.contains(QStringLiteral(" Pm=  4"))) << s.Resultat.toStdString();
    EXPECT_NEAR(nombre_apres(s.Resultat, QStringLiteral(" Amax=  ")) / 1e300, 1.0, 1e-14);
}

TEST_F(LanceTest, RisqueIllisible) {
    // No verdict without a risk between 0 and 100 %: the test says which risk it refuses.
    for (const char* risque : {"cinq", "1e50", "0", "100", "-5", ""}) {
        SCOPED_TRACE(risque);
        Signalements signale;
        const Sortie_Test s = lance(Code_Shapiro_Wilk, QStringLiteral("1;2;3;4;5;"), false, QString::fromUtf8(risque));
        EXPECT_FALSE(s.Resultat_Change);
        EXPECT_EQ(signale.recus(), QStringList{QStringLiteral("risque = ") + QString::fromUtf8(risque) +
                                               QStringLiteral(" : données incorrectes")});
    }
    // A risk within the range reads with either separator.
    for (const char* risque : {"2,5", "2.5", "99"}) {
        Signalements signale;
        EXPECT_TRUE(lance(Code_Shapiro_Wilk, QStringLiteral("1;2;3;4;5;"), false, QString::fromUtf8(risque)).Resultat_Change);
        EXPECT_TRUE(signale.recus().isEmpty());
    }
}

// The words of the refusals come from the window layer's table when it gives one, so
// that they follow the language loaded.
TEST_F(LanceTest, RefusDansLaLangueDeLaTable) {
    const QStringList anglais = {QString(), QStringLiteral("data "), QStringLiteral("incorrect"),
                                 QStringLiteral("insufficient")};
    Mstat::Table_Stat = [&](int n) { return n < anglais.size() ? anglais[n] : QString(); };
    Signalements signale;
    Sortie_Test s = lance(Code_Homogeneite, QStringLiteral("3;3;3;3;3;3;"));
    EXPECT_FALSE(s.Resultat_Change);
    EXPECT_EQ(signale.recus(), QStringList{QStringLiteral("data incorrect")});
    s = lance(Code_Shapiro_Wilk, QStringLiteral("0,7;0,7;0,7;0,7;0,7;"));
    EXPECT_EQ(s.Resultat, QStringLiteral("Shapiro-Wilk : data incorrect (valeurs toutes égales)"));
    Mstat::Table_Stat = nullptr;
}

// The worked example: Pm = 4, Amax = 365.3, and by hand (mpmath, 30 digits)
// Ro = sqrt(0.1 / 16.92) = 0.0768776006690737568, B = 127 Ro^6 = 2.62181862829831720e-5,
// Alpha = 3.2 B = 8.38981961055461504e-5.
TEST_F(LanceTest, HomogeneiteHeterogene) {
    const Sortie_Test s = lance(Code_Homogeneite, QStringLiteral("5,1;5,3;5,2;5,0;7,9;8,1;8,0;8,2;"));
    ASSERT_TRUE(s.Resultat_Change);
    const QStringList lignes = s.Resultat.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lignes.size(), 5) << s.Resultat.toStdString();
    EXPECT_TRUE(lignes[0].startsWith(QStringLiteral(" Ro= 0,0768776006690")));
    EXPECT_REL(nombre_apres(lignes[0], QStringLiteral("Ro= ")), 0.0768776006690737568, 1e-13);
    EXPECT_TRUE(lignes[1].startsWith(QStringLiteral("8 données   ;   Pm=  4  ;   Amax=  365,3  ;   B=  ")))
        << lignes[1].toStdString();
    EXPECT_REL(nombre_apres(lignes[1], QStringLiteral("B=  ")), 2.62181862829831720e-5, 1e-12);
    EXPECT_REL(nombre_apres(lignes[1], QStringLiteral("Alpha = ")), 8.38981961055461504e-5, 1e-12);
    EXPECT_EQ(lignes[2], QString());
    EXPECT_TRUE(lignes[3].startsWith(QStringLiteral(
        "La  population est clairement (risque 1%) hétérogène (au niveau approximatif de signification de alpha = ")));
    EXPECT_TRUE(lignes[3].endsWith(QStringLiteral(").")));
    EXPECT_EQ(lignes[4], QStringLiteral("Le premier sous groupe est constitué par les valeurs  x <= 6,60."));
}

// By hand: Pm = 3, Amax = 375, Ro = sqrt(4 / 125.5) = 0.178528737070980711,
// Alpha = (8/3) 31 Ro^4 = 0.0839775030025978424.
TEST_F(LanceTest, HomogeneitePeutEtreHomogene) {
    const Sortie_Test s = lance(Code_Homogeneite, QStringLiteral("1;2;3;10;11;12;"));
    const QStringList lignes = s.Resultat.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lignes.size(), 4) << s.Resultat.toStdString();
    EXPECT_REL(nombre_apres(lignes[0], QStringLiteral("Ro= ")), 0.178528737070980711, 1e-13);
    EXPECT_TRUE(lignes[1].startsWith(QStringLiteral("6 données   ;   Pm=  3  ;   Amax=  375  ;")));
    EXPECT_REL(nombre_apres(lignes[1], QStringLiteral("Alpha = ")), 0.0839775030025978424, 1e-12);
    EXPECT_EQ(lignes[3], QStringLiteral("La  population  est peut être homogène "));
}

// n = 5 is odd (5 - 2 Int(2.50013) = 1): by hand Pm = 3, Ro = sqrt(2.5 / 89.2),
// Alpha = 1.5 * 15 Ro^3 * 2 / 3.14159 = 0.0672087378092410084.
TEST_F(LanceTest, HomogeneiteTailleImpaire) {
    const Sortie_Test s = lance(Code_Homogeneite, QStringLiteral("11;2;10;3;1;"));
    EXPECT_TRUE(s.Resultat.contains(QStringLiteral(" Pm=  3 ")));
    EXPECT_REL(nombre_apres(s.Resultat, QStringLiteral("Alpha = ")), 0.0672087378092410084, 1e-12);
    EXPECT_TRUE(s.Resultat.contains(QStringLiteral("est peut être homogène")));
}

TEST_F(LanceTest, HomogeneiteExAequoEtMoyenneElevee) {
    // Symmetric about 11.5: A is largest at j = 3 and j = 7 alike; the first one wins.
    Sortie_Test s = lance(Code_Homogeneite, QStringLiteral("0;1;2;10;11;12;13;21;22;23;"));
    EXPECT_TRUE(s.Resultat.contains(QStringLiteral(" Pm=  3 "))) << s.Resultat.toStdString();
    // The same series moved by a million splits the same way with the same Ro.
    const double ro = nombre_apres(s.Resultat, QStringLiteral("Ro= "));
    s = lance(Code_Homogeneite, QStringLiteral("1000000;1000001;1000002;1000010;1000011;1000012;1000013;1000021;"
                                               "1000022;1000023;"));
    EXPECT_TRUE(s.Resultat.contains(QStringLiteral(" Pm=  3 ")));
    EXPECT_REL(nombre_apres(s.Resultat, QStringLiteral("Ro= ")), ro, 1e-9);
}

TEST_F(LanceTest, GrandesSeriesSansDebordement) {
    // 256 and 1500 values: 2^(n - 1) leaves the double range beyond 1024 values.
    for (int n : {256, 1500}) {
        std::vector<double> v;
        for (int i = 1; i <= n; ++i) v.push_back(double((i * 37) % 101) + (i % 2 ? 0.5 : 0));
        for (short code : {Code_Homogeneite, Code_Shapiro_Wilk}) {
            const Sortie_Test s = lance(code, serie_texte(v));
            ASSERT_TRUE(s.Resultat_Change) << n;
            EXPECT_FALSE(s.Resultat.contains(QStringLiteral("nan"), Qt::CaseInsensitive)) << s.Resultat.toStdString();
            const QString cle = code == Code_Homogeneite ? QStringLiteral("Alpha = ") : QStringLiteral("pvalue = ");
            const double v = nombre_apres(s.Resultat, cle);
            EXPECT_TRUE(std::isfinite(v) && v >= 0) << s.Resultat.toStdString();
        }
    }
}
