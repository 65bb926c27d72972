// The Shapiro-Wilk test against R's shapiro.test, its boundaries and its result lines.
#include "stats/shapiro_wilk.h"

#include "base/vb.h"
#include "tests/stats/outils.h"

#include <algorithm>
#include <cmath>

using namespace Mstat;

namespace {
// The test series, written the same way in R:
//   u <- function(i, a, m) ((i * a) %% m) / m
//   xs <- function(n) { i <- 1:n; u(i, 37, 101) + u(i, 53, 97) + u(i, 71, 89) }
double u(int i, int a, int m) { return double((i * a) % m) / m; }
std::vector<double> xs(int n, bool exponentielle) {
    std::vector<double> x(std::size_t(n) + 1, 0.0);
    for (int i = 1; i <= n; ++i) {
        const double v = u(i, 37, 101) + u(i, 53, 97) + u(i, 71, 89);
        x[std::size_t(i)] = exponentielle ? std::exp(1.5 * v) : v;
    }
    return x;
}

struct Resultat {
    double W, pw;
    short faute;
};

// The test as the driver runs it: sorted sample, half size rounded half to even.
Resultat lance(std::vector<double> x) {
    const int n = int(x.size()) - 1;
    std::sort(x.begin() + 1, x.end());
    bool init = false;
    std::vector<double> a(std::size_t(n) + 1, 0.0);
    Resultat r{0, 0, 0};
    Test_Shapiro_Wilk(init, x, n, n, int(std::nearbyint(n / 2.0)), a, r.W, r.pw, r.faute);
    return r;
}

std::vector<double> serie(std::initializer_list<double> v) {
    std::vector<double> x{0.0};
    x.insert(x.end(), v);
    return x;
}
} // namespace

// References: Rscript -e 'r <- shapiro.test(xs(n)); cat(sprintf("%.17g %.17g\n", r$statistic, r$p.value))'
// with xs as above (exp(1.5 * xs(n)) for the skewed series), R 4.2.2.
TEST(ShapiroWilk, CommeRDeTroisACinqMilleValeurs) {
    const struct {
        bool exponentielle;
        int n;
        double W, pw;
    } cas[] = {
        {false, 3, 1, 0.99999999999999334}, {false, 4, 0.99291200680061986, 0.97187705762090004},
        {false, 5, 0.94638448529128039, 0.71135136636296359}, {false, 6, 0.91400186637523184, 0.46324253398744092},
        {false, 7, 0.96501377919169085, 0.86041660179052148}, {false, 8, 0.97255204881434409, 0.91724754277267206},
        {false, 9, 0.96137988049923995, 0.81264918833600297}, {false, 10, 0.98148775102169661, 0.97262951490599758},
        {false, 11, 0.96620864514575744, 0.8459024800992585}, {false, 12, 0.97010370754793451, 0.91188802076970377},
        {false, 13, 0.96429370816881588, 0.81819407739816874}, {false, 20, 0.96940399044867398, 0.74223879193551123},
        {false, 37, 0.9927300484068281, 0.99690050714515643}, {false, 50, 0.99147828417679873, 0.97441213613239386},
        {false, 100, 0.99549497187941016, 0.98588017404734463}, {false, 256, 0.99568795483025052, 0.69986737927283449},
        {false, 400, 0.99527996517735928, 0.26657519710384481}, {false, 1000, 0.99688128105881668, 0.046942659382873411},
        {false, 5000, 0.99746877439139137, 2.1838155973793202e-07}, {true, 3, 0.98499330080541525, 0.76544958037316091},
        {true, 4, 0.96112887889828369, 0.78601123498189351}, {true, 7, 0.75538704810834767, 0.014438463475714277},
        {true, 11, 0.77798097452709858, 0.0048305884832920334}, {true, 12, 0.76472650905815998, 0.0038243596937154543},
        {true, 30, 0.84119886478192996, 0.00040787107513939283}, {true, 50, 0.86476822449059765, 3.983621197010819e-05},
        {true, 256, 0.82505539729374555, 2.712155416513608e-16},
    };
    for (const auto& c : cas) {
        const Resultat r = lance(xs(c.n, c.exponentielle));
        EXPECT_EQ(r.faute, 0) << c.n;
        EXPECT_NEAR(r.W, c.W, 1e-7) << "n = " << c.n << (c.exponentielle ? " exp" : "");
        EXPECT_NEAR(r.pw, c.pw, 1e-6) << "n = " << c.n << (c.exponentielle ? " exp" : "");
    }
}

// References: R 4.2.2, shapiro.test(c(...)) with %.17g.
TEST(ShapiroWilk, ExemplesEtValeursNegatives) {
    const struct {
        std::vector<double> x;
        double W, pw;
    } cas[] = {
        {serie({1, 2, 3, 4, 5}), 0.98676215544771939, 0.9671739359680398},
        {serie({5.0, 5.1, 5.2, 5.3, 7.9, 8.0, 8.1, 8.2}), 0.73323793313832408, 0.0053211318938751421},
        {serie({-3.5, -1.25, -1, 0, 0.5, 2, 7.75, -0.5}), 0.85336400950482316, 0.10302477669065672},
        {serie({1, 1, 1, 1, 1, 1, 10}), 0.45297098814987991, 4.1356120914395489e-06},
        {serie({0, 0, 0, 0, 1}), 0.55218168308690352, 0.00013097817585188087},
        {serie({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 50}), 0.34499120511584791, 2.2434019016122111e-08},
    };
    for (const auto& c : cas) {
        const Resultat r = lance(c.x);
        EXPECT_NEAR(r.W, c.W, 1e-7);
        EXPECT_NEAR(r.pw, c.pw, 1e-6);
    }
}

TEST(ShapiroWilk, CoefficientsDemiTaille) {
    // Odd sizes keep a middle coefficient of exactly 0 (7 gives a half size of 4).
    std::vector<double> x = xs(7, false);
    std::sort(x.begin() + 1, x.end());
    bool init = false;
    std::vector<double> a(8, -1.0);
    double W = 0, pw = 0;
    short faute = 0;
    Test_Shapiro_Wilk(init, x, 7, 7, 4, a, W, pw, faute);
    EXPECT_TRUE(init);
    EXPECT_EQ(a[4], 0.0);
    EXPECT_GT(a[1], a[2]);
    EXPECT_GT(a[2], a[3]);
    // Fewer coefficients than the half size: fault 3, nothing computed.
    init = false;
    Test_Shapiro_Wilk(init, x, 7, 7, 3, a, W, pw, faute);
    EXPECT_EQ(faute, SW_Demi_Taille);
    EXPECT_EQ(pw, 1.0);
}

class ShapiroWilkLignes : public EnFrancais {};

TEST_F(ShapiroWilkLignes, NonRejeteeAuRisqueCinq) {
    std::vector<double> x = serie({1, 2, 3, 4, 5});
    bool init = false;
    std::vector<double> a(6, 0.0);
    double W = 0, pw = 0;
    short faute = 0;
    QString texte = QStringLiteral("ancien");
    Test_Shapiro_Wilk(init, x, 5, 5, 2, a, W, pw, faute, QStringLiteral("5"), &texte);
    const QStringList lignes = texte.split(QChar(13));
    ASSERT_EQ(lignes.size(), 4) << texte.toStdString();
    EXPECT_EQ(lignes[0], QStringLiteral("Shapiro-Wilk W = ") + Vb::CStr(W));
    EXPECT_TRUE(lignes[0].startsWith(QStringLiteral("Shapiro-Wilk W = 0,98676215"))) << lignes[0].toStdString();
    EXPECT_TRUE(lignes[1].startsWith(QStringLiteral("Shapiro-Wilk pvalue = 0,967173"))) << lignes[1].toStdString();
    EXPECT_EQ(lignes[2], QStringLiteral("risque du rejet  : 0,05"));
    EXPECT_EQ(lignes[3], QStringLiteral("hypothèse de normalité non rejetée  = le test est 'non- significatif'. "
                                        "Attention : cela ne signifie pas qu'on doit l'accepter"));
    EXPECT_FALSE(texte.contains(QChar(10)));
}

TEST_F(ShapiroWilkLignes, RejeteeAuRisqueCinq) {
    std::vector<double> x = serie({5.0, 5.1, 5.2, 5.3, 7.9, 8.0, 8.1, 8.2});
    bool init = false;
    std::vector<double> a(9, 0.0);
    double W = 0, pw = 0;
    short faute = 0;
    QString texte;
    Test_Shapiro_Wilk(init, x, 8, 8, 4, a, W, pw, faute, QStringLiteral("5"), &texte);
    EXPECT_TRUE(texte.endsWith(QStringLiteral(
        "\r L'hypothèse de normalité est rejetée avec un risque  inférieur à 5 % de se tromper")))
        << texte.toStdString();
    // At a risk of 0.1 % the same sample is not rejected; the risk is shown as typed, and
    // read with a comma whatever the locale, as the panel checked it.
    init = false;
    LocaleTemporaire anglais(QLocale::English);
    Test_Shapiro_Wilk(init, x, 8, 8, 4, a, W, pw, faute, QStringLiteral("0,1"), &texte);
    EXPECT_TRUE(texte.contains(QStringLiteral("risque du rejet  : 0.001\r"))) << texte.toStdString();
    EXPECT_TRUE(texte.contains(QStringLiteral("non rejetée")));
}

TEST_F(ShapiroWilkLignes, RisqueIllisibleLaisseLeResultat) {
    std::vector<double> x = serie({1, 2, 3, 4, 5});
    bool init = false;
    std::vector<double> a(6, 0.0);
    double W = 0, pw = 0;
    short faute = 0;
    QString texte = QStringLiteral("ancien");
    EXPECT_THROW(Test_Shapiro_Wilk(init, x, 5, 5, 2, a, W, pw, faute, QStringLiteral("abc"), &texte), Vb::Erreur);
    EXPECT_EQ(texte, QStringLiteral("ancien"));
}

TEST_F(ShapiroWilkLignes, FinsPrematureesExpliquees) {
    bool init = false;
    std::vector<double> a(8, 0.0);
    double W = 0, pw = 0;
    short faute = 0;
    QString texte;

    std::vector<double> deux = serie({1, 2});
    Test_Shapiro_Wilk(init, deux, 2, 2, 1, a, W, pw, faute, QStringLiteral("5"), &texte);
    EXPECT_EQ(faute, SW_Taille_Petite);
    EXPECT_EQ(texte, QStringLiteral("Shapiro-Wilk : données insuffisantes"));

    init = false;
    W = 0;
    std::vector<double> egales = serie({4.2, 4.2, 4.2, 4.2, 4.2, 4.2});
    Test_Shapiro_Wilk(init, egales, 6, 6, 3, a, W, pw, faute, QStringLiteral("5"), &texte);
    EXPECT_EQ(faute, SW_Etendue_Nulle);
    EXPECT_EQ(texte, QStringLiteral("Shapiro-Wilk : données incorrectes (valeurs toutes égales)"));

    init = false;
    W = 0;
    std::vector<double> desordre = serie({1, 2, 5, 3, 4});
    Signalements signale;
    Test_Shapiro_Wilk(init, desordre, 5, 5, 2, a, W, pw, faute, QStringLiteral("5"), &texte);
    EXPECT_EQ(signale.recus(), QStringList{QStringLiteral("la 4ème donnée est incorrecte. Fin de procédure")});
    EXPECT_EQ(faute, SW_Ordre);
    EXPECT_EQ(texte, QStringLiteral("Shapiro-Wilk : données incorrectes (série non triée)"));
}

TEST_F(ShapiroWilkLignes, StatistiqueDonneeTropLoinDeLaNormale) {
    // W given as -0.3 (1 - W = 0.7): for n = 4, ln 0.7 is above gamma = -2.273 + 0.459 * 4,
    // so the p-value is the published 1e-19, and the lines say so.
    std::vector<double> x = serie({1, 2, 3, 4});
    bool init = false;
    std::vector<double> a(3, 0.0);
    double W = -0.3, pw = 0;
    short faute = 9;
    QString texte;
    Test_Shapiro_Wilk(init, x, 4, 4, 2, a, W, pw, faute, QStringLiteral("5"), &texte);
    EXPECT_EQ(faute, 0);
    EXPECT_NEAR(W, 0.3, 1e-15);
    EXPECT_EQ(pw, 1e-19);
    EXPECT_TRUE(texte.contains(QStringLiteral("pvalue = 1E-19"))) << texte.toStdString();
    EXPECT_TRUE(texte.contains(QStringLiteral("est rejetée")));
}
