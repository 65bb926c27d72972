// The normal law: distribution function, its 16-digit and 7-digit inverses, tail area.
#include "stats/loi_normale.h"

#include "tests/stats/outils.h"

using namespace Mstat;

namespace {
struct Point {
    double x, ref;
};
} // namespace

// References: /usr/bin/python3 -c "import mpmath as mp; mp.mp.dps=40;
//   [print(x, repr(float(mp.ncdf(x)))) for x in [-37.0, -30.5, ...]]"
TEST(LoiNormale, RepartitionAQuatorzeChiffres) {
    const Point points[] = {
        {-37.0, 5.725571222524577e-300}, {-30.5, 1.3029379131780763e-204}, {-20.25, 1.77619986494957e-91},
        {-10.0, 7.619853024160525e-24},  {-5.5, 1.8989562465887718e-08},   {-2.0, 0.02275013194817921},
        {-1.5, 0.06680720126885807},     {-1.49, 0.06811211796672545},     {-0.5, 0.3085375387259869},
        {0.3, 0.6179114221889527},       {1.49, 0.9318878820332746},       {1.5, 0.9331927987311419},
        {3.0, 0.9986501019683699},       {8.0, 0.9999999999999993},        {40.0, 1.0},
    };
    for (const Point& p : points) EXPECT_REL(Repartition_Normale(p.x), p.ref, 1e-14) << "x = " << p.x;
}

TEST(LoiNormale, DensiteLaisseeParLaRepartition) {
    EXPECT_EQ(Repartition_Normale(0), 0.5);
    EXPECT_REL(Densite_Normale, 0.398942280401433, 1e-15);
    Repartition_Normale(-2);
    // exp(-2) / sqrt(2 pi), by hand.
    EXPECT_REL(Densite_Normale, 0.05399096651318805, 1e-14);
    EXPECT_EQ(Repartition_Normale(40.0001), 1.0);
    EXPECT_EQ(Densite_Normale, 0.0);
    EXPECT_EQ(Repartition_Normale(-41), 0.0);
    EXPECT_EQ(Repartition_Normale(std::nan("")), 0.0);
}

// References: /usr/bin/python3 -c "import mpmath as mp; mp.mp.dps=400;
//   [print(p, repr(float(mp.sqrt(2)*mp.erfinv(2*mp.mpf(p)-1)))) for p in [1e-300, ...]]"
TEST(LoiNormale, InverseSeizeChiffres) {
    const Point points[] = {
        {1e-300, -37.0470962993612},   {1e-100, -21.273453560965326}, {1e-20, -9.262340089798407},
        {1e-10, -6.361340902404057},   {0.001, -3.0902323061678136},  {0.02425, -1.972961051311885},
        {0.075, -1.439531470938456},   {0.3, -0.5244005127080408},    {0.6, 0.2533471031357997},
        {0.925, 1.4395314709384561},   {0.975, 1.9599639845400538},   {0.999, 3.090232306167813},
        {0.9999999990686774, 6.009353565530744},
    };
    Signalements signale;  // no alert may show
    for (const Point& p : points) EXPECT_REL(Normale_Inverse(p.x), p.ref, 1e-14) << "p = " << p.x;
    EXPECT_EQ(Normale_Inverse(0.5), 0.0);
    EXPECT_TRUE(signale.recus().isEmpty());
}

TEST(LoiNormale, InverseHorsDomaineAlerteEtZero) {
    Signalements signale;
    EXPECT_EQ(Normale_Inverse(0), 0.0);
    EXPECT_EQ(Normale_Inverse(1), 0.0);
    EXPECT_EQ(Normale_Inverse(-0.5), 0.0);
    EXPECT_EQ(signale.prendre(), QStringList(3, QStringLiteral("alerte CLNI")));
    // A calculator takes the alert into its own label: nothing is reported.
    QString alerte = QStringLiteral("ancien");
    EXPECT_EQ(Normale_Inverse(1.5, &alerte), 0.0);
    EXPECT_EQ(alerte, QStringLiteral("alerte CLNI"));
    EXPECT_EQ(Normale_Inverse(std::nan(""), &alerte), 0.0);
    EXPECT_EQ(alerte, QStringLiteral("alerte CLNI"));
    EXPECT_REL(Normale_Inverse(0.975, &alerte), 1.9599639845400538, 1e-14);
    EXPECT_TRUE(alerte.isEmpty());
    EXPECT_TRUE(signale.recus().isEmpty());
}

// PPND7 is good to about 1e-7 by design. References as for InverseSeizeChiffres.
TEST(LoiNormale, QuantileSeptChiffres) {
    const Point points[] = {{1e-20, -9.262340089798407}, {0.001, -3.0902323061678136}, {0.075, -1.439531470938456},
                            {0.3, -0.5244005127080408}, {0.6, 0.2533471031357997},     {0.975, 1.9599639845400538}};
    for (const Point& p : points) {
        double q = 99;
        short faute = 9;
        Quantile_Normale7(p.x, q, faute);
        EXPECT_EQ(faute, 0);
        EXPECT_REL(q, p.ref, 2e-7) << "p = " << p.x;
    }
    for (double p : {0.0, 1.0, -1.0, 2.0}) {
        double q = 99;
        short faute = 0;
        Quantile_Normale7(p, q, faute);
        EXPECT_EQ(faute, 1) << p;
        EXPECT_EQ(q, 0.0);
    }
}

// AS 66 with its published constants is good to about 1e-8 absolute.
// References: /usr/bin/python3 -c "import mpmath as mp; print(repr(float(mp.ncdf(-z))))"
TEST(LoiNormale, QueueAS66) {
    EXPECT_NEAR(Queue_Normale(-1, true), 0.8413447460685429, 2e-8);
    EXPECT_NEAR(Queue_Normale(1, true), 0.15865525393145705, 2e-8);
    EXPECT_NEAR(Queue_Normale(1, false), 0.8413447460685429, 2e-8);
    EXPECT_NEAR(Queue_Normale(0.5, true), 0.3085375387259869, 2e-8);
    EXPECT_NEAR(Queue_Normale(2.5, true), 0.006209665325776135, 2e-8);
    // Beyond 7 the upper area counts only when asked for, up to 18.66.
    const double haut = Queue_Normale(8, true);
    EXPECT_GT(haut, 0.0);
    EXPECT_REL(haut, 6.220960574271784e-16, 1e-9);
    EXPECT_EQ(Queue_Normale(8, false), 1.0);
    EXPECT_EQ(Queue_Normale(19, true), 0.0);
    EXPECT_EQ(Queue_Normale(-19, true), 1.0);
}
