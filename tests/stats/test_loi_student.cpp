// The Student t law, its inverse, the incomplete beta function and the special functions
// beneath them.
#include "stats/fonctions_speciales.h"
#include "stats/loi_normale.h"
#include "stats/loi_student.h"

#include "base/vb.h"
#include "tests/stats/outils.h"

using namespace Mstat;

// References for this file come from mpmath at 60 digits (/tmp-free one-liners):
//   t law:   tail = betainc(df/2, 1/2, 0, df/(df+t^2), regularized=True)/2, or
//            (1 - betainc(1/2, df/2, 0, t^2/(df+t^2), regularized=True))/2 with extra
//            digits when df/(df+t^2) >= 1/2; F = tail for t < 0, 1 - tail otherwise
//   density: gamma((df+1)/2)/(sqrt(df pi) gamma(df/2)) (1+t^2/df)^(-(df+1)/2)
//   inverse: Newton in mpmath on ln F(-s) = ln q until the step is below 1e-45
//   beta:    x^a (1-x)^b / (a B(a,b)) * sum_k (a+b)_k/(a+1)_k x^k, taken on the side
//            x < (a+1)/(a+b+2) and as a complement on the other
//   lfb:     loggamma(x+2) - ((x+1.5) log(x+1) - (x+1) + log(sqrt(2 pi))); its derivatives by mp.diff
// e.g. /usr/bin/python3 -c "import mpmath as mp; mp.mp.dps=60; t,df=mp.mpf(-12),mp.mpf(4);
//        print(repr(float(mp.betainc(df/2, 0.5, 0, df/(df+t*t), regularized=True)/2)))"

namespace {
struct PointT {
    double t, df, ref;
};
} // namespace

TEST(LoiStudent, RepartitionADouzeChiffres) {
    const PointT points[] = {
        {0.5, 1.0, 0.6475836176504333},          {-3.0, 1.0, 0.10241638234956672},
        {2.262157, 9.0, 0.9749999933477842},     {-2.262157, 9.0, 0.025000006652215828},
        {1.5, 3.0, 0.8847080673775884},          {-40.0, 3.0, 1.7190340394579263e-05},
        {0.75, 4.0, 0.7525202833341174},         {-12.0, 4.0, 0.00013821427425148649},
        {2.0, 2.5, 0.921304252121017},           {-1.0, 0.5, 0.3011216108413221},
        {3.0, 0.5, 0.8163459220070283},          {-1e+200, 0.5, 3.207009754142229e-101},
        {-50.0, 7.5, 4.8281926160567416e-11},    {1.3, 30.0, 0.8982495207309416},
        {-9.0, 100.0, 7.680385257375208e-15},    {-25.0, 100.0, 4.1159904485029857e-45},
        {4.0, 100000.0, 0.9999683060012214},     {-1000000.0, 10.0, 1.2304687499436035e-56},
        {0.01, 1000000.0, 0.5039893553172262},
    };
    for (const PointT& p : points)
        EXPECT_REL(Repartition_Student(p.t, p.df), p.ref, 1e-12) << "t = " << p.t << ", df = " << p.df;
}

TEST(LoiStudent, DensiteLaisseeParLaRepartition) {
    const PointT points[] = {{0.0, 1.0, 0.3183098861837907},    {0.0, 9.0, 0.38803490887166864},
                             {1.5, 3.0, 0.12001717451358739},   {2.0, 4.0, 0.06629126073623882},
                             {-1.0, 0.5, 0.11830465704039261},  {3.0, 0.5, 0.029633133748884072},
                             {0.5, 30.0, 0.34787857969720454}};
    for (const PointT& p : points) {
        Repartition_Student(p.t, p.df);
        EXPECT_REL(Densite_Student, p.ref, 1e-12) << "t = " << p.t << ", df = " << p.df;
    }
}

TEST(LoiStudent, CentreEtLoiNormaleAuDelaDe1e30) {
    for (double df : {0.3, 1.0, 2.0, 3.0, 17.5, 1e6}) EXPECT_EQ(Repartition_Student(0, df), 0.5) << df;
    for (double t : {-3.0, -0.2, 1.7}) {
        const double n = Repartition_Normale(t);
        EXPECT_EQ(Repartition_Student(t, 1e31), n);
        EXPECT_EQ(Densite_Student, Densite_Normale);
    }
}

TEST(LoiStudent, InverseADouzeChiffres) {
    const PointT points[] = {
        {0.975, 9.0, 2.262157162798205},        {0.025, 9.0, -2.2621571627982053},
        {0.995, 1.0, 63.656741162871526},       {0.9, 2.0, 1.885618083164127},
        {0.6, 3.0, 0.27667066233268983},        {1e-10, 4.0, -416.1751403296041},
        {1e-20, 1.5, -11245005997832.137},      {0.999, 5.0, 5.893429531356009},
        {0.05, 30.0, -1.6972608865939578},      {0.3, 0.5, -1.0095258786071661},
        {0.999, 0.5, 102849.11563017537},       {1e-08, 0.7, -50536155256.92039},
        {0.99, 100000.0, 2.326385165355268},
    };
    for (const PointT& p : points)
        EXPECT_REL(Student_Inverse(p.t, p.df), p.ref, 1e-12) << "p = " << p.t << ", df = " << p.df;
    EXPECT_EQ(Student_Inverse(0.5, 7), 0.0);
}

TEST(LoiStudent, InverseEtRepartitionSeRepondent) {
    // A bilateral risk a gives back 1 - a through the two functions.
    for (double df : {1.0, 4.0, 12.5, 200.0})
        for (double a : {0.2, 0.05, 0.01, 0.001}) {
            const double t = Student_Inverse(1 - a / 2, df);
            EXPECT_NEAR(2 * Repartition_Student(t, df) - 1, 1 - a, 1e-13) << df << " " << a;
        }
}

TEST(LoiStudent, ArgumentsInvalidesRefuses) {
    EXPECT_THROW(Repartition_Student(1, 0), Vb::Erreur);
    EXPECT_THROW(Repartition_Student(1, -2), Vb::Erreur);
    EXPECT_THROW(Repartition_Student(std::nan(""), 3), Vb::Erreur);
    EXPECT_THROW(Student_Inverse(0, 3), Vb::Erreur);
    EXPECT_THROW(Student_Inverse(1, 3), Vb::Erreur);
    EXPECT_THROW(Student_Inverse(0.3, 0), Vb::Erreur);
    EXPECT_EQ(Repartition_Student(-INFINITY, 3), 0.0);
    EXPECT_EQ(Repartition_Student(INFINITY, 3), 1.0);
}

TEST(LoiStudent, InverseSeTermineToujours) {
    // Extreme corners end within the step limit, with a finite or infinite quantile,
    // never NaN.
    for (double df : {0.05, 0.1, 0.5, 1.0, 3.0, 1e8})
        for (double p : {1e-300, 1e-100, 1e-15, 0.4999999, 0.5000001, 1 - 1e-16}) {
            const double t = Student_Inverse(p, df);
            EXPECT_FALSE(std::isnan(t)) << p << " " << df;
            EXPECT_EQ(t < 0, p < 0.5) << p << " " << df;
        }
}

namespace {
struct PointB {
    double x, a, b, ref, refCompl;
};
} // namespace

TEST(BetaIncomplete, ValeursEtComplements) {
    const PointB points[] = {
        {0.3, 0.5, 0.5, 0.36901011956554536, 0.6309898804344546},
        {0.2, 0.3, 4, 0.8893580558283096, 0.11064194417169042},
        {0.9, 0.2, 0.7, 0.9470994143297894, 0.05290058567021058},
        {0.5, 2, 3, 0.6875, 0.3125},
        {0.4, 10, 15, 0.510919806851047, 0.489080193148953},
        {0.7, 1.5, 0.5, 0.3392540508564548, 0.6607459491435452},
        {0.01, 50, 2, 5.050000000000005e-99, 1.0},
        {0.6, 200, 150, 0.8601906604801526, 0.13980933951984745},
        {0.55, 1000, 800, 0.3171609880847861, 0.6828390119152139},
        {0.999, 0.5, 20, 1.0, 1.2543043072112323e-61},
    };
    for (const PointB& p : points) {
        EXPECT_REL(Beta_Incomplete(p.x, p.a, p.b), p.ref, 1e-12) << p.x << " " << p.a << " " << p.b;
        EXPECT_REL(Beta_Incomplete_Compl(p.x, p.a, p.b), p.refCompl, 1e-12) << p.x << " " << p.a << " " << p.b;
    }
}

TEST(BetaIncomplete, CasLimites) {
    int bips = 0;
    Bip = [&] { ++bips; };
    EXPECT_EQ(Beta_Incomplete(0.3, 0, 0), 0.0);
    EXPECT_EQ(bips, 1);
    Bip = nullptr;
    EXPECT_EQ(Beta_Incomplete(0.3, 0, 2), 1.0);
    EXPECT_EQ(Beta_Incomplete(0.3, 2, 0), 0.0);
    EXPECT_EQ(Beta_Incomplete(0, 2, 3), 0.0);
    EXPECT_EQ(Beta_Incomplete(1, 2, 3), 1.0);
    EXPECT_EQ(Beta_Incomplete_Compl(0.3, 0, 2), 0.0);
    EXPECT_EQ(Beta_Incomplete_Compl(0.3, 2, 0), 1.0);
    EXPECT_EQ(Beta_Incomplete_Compl(0, 2, 3), 1.0);
    EXPECT_EQ(Beta_Incomplete_Compl(1, 2, 3), 0.0);
}

TEST(BetaIncomplete, TermeBinomialExact) {
    // C(10, 3) 0.2^3 0.8^7 = 0.201326592 by hand.
    EXPECT_REL(Terme_Binomial(3, 7, 0.2, 0.8, 10 * 0.2 - 3, 0), 0.201326592, 1e-14);
    EXPECT_EQ(Err_Distrib, 0);
    // C(4, 0) 0.3^0 0.7^4 = 0.2401.
    EXPECT_REL(Terme_Binomial(0, 4, 0.3, 0.7, 4 * 0.3, 0), 0.2401, 1e-14);
    EXPECT_EQ(Terme_Binomial(-1, 4, 0.3, 0.7, 0, 0), 0.0);
    EXPECT_EQ(Err_Distrib, -1);
}

// References: mpmath as noted at the top of this file.
TEST(FonctionsSpeciales, LogarithmesEtExponentielle) {
    EXPECT_EQ(Ln_1_Plus_X(1e-20), 1e-20);
    const struct {
        double x, l1x, l1, em1;
    } points[] = {{0.001, -4.996669164668332e-07, 0.0009995003330835331, 0.0010005001667083417},
                  {-0.5, -0.19314718055994531, -0.6931471805599453, -0.3934693402873666},
                  {0.3, -0.03763573553250894, 0.26236426446749106, 0.3498588075760031},
                  {2.0, -0.9013877113318903, 1.0986122886681098, 6.38905609893065},
                  {-0.9, -1.402585092994046, -2.302585092994046, -0.5934303402594009}};
    for (const auto& p : points) {
        EXPECT_REL(Ln_1_Plus_X_Moins_X(p.x), p.l1x, 1e-15) << p.x;
        EXPECT_REL(Ln_1_Plus_X(p.x), p.l1, 1e-15) << p.x;
        EXPECT_REL(Exp_Moins_1(p.x), p.em1, 1e-15) << p.x;
    }
    EXPECT_EQ(Fraction_Continue_Log(0, 3, 2), 1.0 / 3);
    EXPECT_EQ(Fraction_Continue_Log(0, 42, 1), 1.0 / 42);
}

TEST(FonctionsSpeciales, EcartDeStirling) {
    EXPECT_EQ(Ecart_Stirling(0), 0.0810614667953273);
    EXPECT_EQ(Ecart_Stirling(1), 0.0413406959554093);
    const struct {
        double x, ref;
    } points[] = {{0.5, 0.05481412105191765}, {5.5, 0.012810465242920227}, {6, 0.01189670994589177},
                  {2.5, 0.023746163656297496}, {-0.5, 0.15342640972002736}, {1e10, 8.3333333325e-12}};
    for (const auto& p : points) EXPECT_REL(Ecart_Stirling(p.x), p.ref, 1e-14) << p.x;
    EXPECT_EQ(Ecart_Stirling(-1), 1e308);
    EXPECT_EQ(Ecart_Stirling_D1(-2), -1e308);
    // lfb(2.5) - lfb(3.5).
    EXPECT_REL(Ecart_Stirling_Diff(2.5), 0.005257713123624311, 1e-14);
}

TEST(FonctionsSpeciales, DeriveesDeLEcartDeStirling) {
    const struct {
        double x, d1, d3;
    } points[] = {{0.5, -0.03564180079625453, -0.08805590349357925},
                  {3, -0.005176692688090146, -0.0019147322451144968},
                  {7, -0.0013000637242259318, -0.00012144419576777391},
                  {20, -0.0001889216717501361, -2.5690063530953665e-06}};
    for (const auto& p : points) {
        EXPECT_REL(Ecart_Stirling_D1(p.x), p.d1, 1e-13) << p.x;
        // The third derivative only corrects small differences: a looser bound.
        EXPECT_REL(Ecart_Stirling_D3(p.x), p.d3, 1e-11) << p.x;
    }
    // The closed forms of the differences between x and x + 1
    // (mp.diff(lfb, x, k) - mp.diff(lfb, x + 1, k)), and the series at 7.
    EXPECT_REL(Ecart_Stirling_D1_Diff(0.25), -0.03443555732010321, 1e-13);
    EXPECT_REL(Ecart_Stirling_D3_Diff(0.25), -0.15732235939643346, 1e-13);
    EXPECT_REL(Ecart_Stirling_D5_Diff(0.25), -1.9167690128537316, 1e-13);
    EXPECT_REL(Ecart_Stirling_D7_Diff(0.25), -46.1982490561925, 1e-13);
    EXPECT_REL(Ecart_Stirling_D7_Diff(7), -1.496593278355232e-05, 1e-13);
    EXPECT_REL(Ecart_Stirling_D5(0.25), -1.9856286379337336, 1e-9);
    EXPECT_REL(Ecart_Stirling_D5(7), -3.7740463137613514e-05, 1e-6);
    EXPECT_REL(Ecart_Stirling_D7(7), -2.4582690007627268e-05, 1e-4);
}

TEST(FonctionsSpeciales, LnGammaEtDifferencePrecise) {
    EXPECT_EQ(Dev_Ln_Gamma(0), 0.0);
    const struct {
        double a, ref;
    } points[] = {{0.5, -0.12078223763524522}, {-0.3, 0.26086724653166654}, {0.01, -0.005690307946069651},
                  {0.9, -0.03898427592308336}};
    for (const auto& p : points) EXPECT_REL(Dev_Ln_Gamma(p.a), p.ref, 1e-14) << p.a;
    EXPECT_REL(Diff_Stirling_Precise(0.01, 5), -2.3046368235383872e-05, 1e-12);
    EXPECT_REL(Diff_Stirling_Precise(0.3, 0.4), -0.010123671550207401, 1e-13);
    EXPECT_REL(Diff_Stirling_Precise(2, 3), -0.006914543280694345, 1e-13);
}
