#include "stats/shapiro_wilk.h"

#include "base/gen.h"
#include "base/vb.h"
#include "stats/fonctions_speciales.h"
#include "stats/loi_normale.h"
#include "stats/rappels_stat.h"

#include <algorithm>
#include <cmath>

namespace Mstat {

namespace {
// Coefficient vectors, 1-based (element 0 unused), lowest power first.
constexpr double C1[] = {0, 0, 0.221157, -0.147981, -2.07119, 4.434685, -2.706056};
constexpr double C2[] = {0, 0, 0.042981, -0.293762, -1.752461, 5.682633, -3.582633};
constexpr double C3[] = {0, 0.544, -0.39978, 0.025054, -0.0006714};
constexpr double C4[] = {0, 1.3822, -0.77857, 0.062767, -0.0020322};
constexpr double C5[] = {0, -1.5861, -0.31082, -0.083751, 0.0038915};
constexpr double C6[] = {0, -0.4803, -0.082676, 0.0030302};
constexpr double C7[] = {0, 0.164, 0.533};
constexpr double C8[] = {0, 0.1736, 0.315};
constexpr double C9[] = {0, 0.256, -0.00635};
constexpr double G[] = {0, -2.273, 0.459};
constexpr double Z90 = 1.2816, Z95 = 1.6449, Z99 = 2.3263;
constexpr double ZM = 1.7509, ZSS = 0.56268, BF1 = 0.8378;
constexpr double XX90 = 0.556, XX95 = 0.622;
constexpr double Racine2Demi = 0.70711;
constexpr double TH = 0.375;
constexpr double Petit = 1e-19;
// 6 / pi and pi / 3, to full precision: their 7-digit forms shift the p-value of three
// values by up to 1e-6.
constexpr double PI6 = 1.9098593171027440, STQR = 1.0471975511965976;

const QChar CR(13);

// A number typed by the user, with a comma or a point: the reading the panel checked the
// risk with, so that a risk it took never fails here under another locale.
double nombre_systeme(const QString& texte) {
    double v = 0;
    if (!Gen::Nombre_lu(texte, v)) throw Vb::Erreur(Vb::ErrTypeIncompatible, "Type mismatch");
    return v;
}

// The short line that replaces the result when the test cannot conclude.
QString ligne_faute(short faute) {
    const QString tete = QStringLiteral("Shapiro-Wilk : ") + Texte_Stat(1);
    switch (faute) {
    case SW_Taille_Petite: return tete + Texte_Stat(3);
    case SW_Etendue_Nulle: return tete + Texte_Stat(2) + QStringLiteral(" (valeurs toutes égales)");
    case SW_Ordre: return tete + Texte_Stat(2) + QStringLiteral(" (série non triée)");
    default: return tete + Texte_Stat(2);
    }
}

// The result lines: W, the p-value, the risk and the verdict.
QString lignes_resultat(double W, double pw, const QString& risque) {
    QString t = QStringLiteral("Shapiro-Wilk W = ") + Vb::CStr(W) + CR;
    t += QStringLiteral("Shapiro-Wilk pvalue = ") + Vb::CStr(pw) + CR;
    const float risqueRejet = float(nombre_systeme(risque) * 0.01);
    t += QStringLiteral("risque du rejet  : ") + Vb::CStr_simple(risqueRejet) + CR;
    if (float(pw) >= risqueRejet)
        t += QStringLiteral("hypothèse de normalité non rejetée") +
             QStringLiteral("  = le test est 'non- significatif'. Attention : cela ne signifie pas qu'on doit l'accepter");
    else
        t += QStringLiteral(" L'hypothèse de normalité est rejetée avec un risque  inférieur à ") + risque +
             QStringLiteral(" % de se tromper");
    return t;
}

// AS R94 proper. Returns true when W and pw hold a result to show.
bool calcul(bool& init, const std::vector<double>& x, int n, int n1, int n2, std::vector<double>& a, double& W,
            double& pw, short& faute) {
    pw = 1;
    if (W >= 0) W = 1;
    const double an = n;
    const int nn2 = Vb::CLng(an / 2);
    faute = SW_Demi_Taille;
    if (n2 < nn2) return false;
    faute = SW_Taille_Petite;
    if (n < 3) return false;
    if (x.size() < std::size_t(n) + 1) throw Vb::Erreur(Vb::ErrIndice, "Subscript out of range");
    if (a.size() < std::size_t(std::max(n2, nn2)) + 1) a.resize(std::size_t(std::max(n2, nn2)) + 1, 0.0);

    if (!init) {
        if (n == 3) {
            a[1] = Racine2Demi;
        } else {
            const double an25 = an + 0.25;
            std::vector<double> m(std::size_t(n2) + 1, 0.0);
            double summ2 = 0;
            for (int i = 1; i <= n2; ++i) {
                short f;
                Quantile_Normale7((i - TH) / an25, m[std::size_t(i)], f);
                summ2 += m[std::size_t(i)] * m[std::size_t(i)];
            }
            summ2 *= 2;
            const double ssumm2 = std::sqrt(summ2);
            const double rsn = 1 / std::sqrt(an);
            const double a1 = Polynome(C1, 6, rsn) - m[1] / ssumm2;
            int i1;
            double fac;
            if (n > 5) {
                i1 = 3;
                const double a2 = -m[2] / ssumm2 + Polynome(C2, 6, rsn);
                fac = std::sqrt((summ2 - 2 * m[1] * m[1] - 2 * m[2] * m[2]) / (1 - 2 * a1 * a1 - 2 * a2 * a2));
                a[2] = a2;
            } else {
                i1 = 2;
                fac = std::sqrt((summ2 - 2 * m[1] * m[1]) / (1 - 2 * a1 * a1));
            }
            a[1] = a1;
            for (int i = i1; i <= nn2; ++i) a[std::size_t(i)] = -m[std::size_t(i)] / fac;
        }
        init = true;
    }
    if (n1 < 3) return false;
    const int ncens = n - n1;
    faute = SW_Censure;
    if (ncens < 0 || (ncens > 0 && n < 20)) return false;
    faute = SW_Censure_Forte;
    const double delta = ncens / an;
    if (delta > 0.8) return false;

    double w1;
    if (W < 0) {
        w1 = 1 + W;
        faute = SW_Correct;
    } else {
        faute = SW_Etendue_Nulle;
        const double etendue = x[std::size_t(n1)] - x[1];
        if (!(etendue >= Petit)) return false;
        // Order check, and the sums of the scaled values and of the coefficients.
        faute = SW_Ordre;
        double xx = x[1] / etendue;
        double sx = xx;
        double sa = -a[1];
        for (int i = 2, j = n - 1; i <= n1; ++i, --j) {
            const double xi = x[std::size_t(i)] / etendue;
            if (xx - xi > Petit) {
                Signaler(QStringLiteral("la ") + QString::number(i) +
                         QStringLiteral("ème donnée est incorrecte. Fin de procédure"));
                return false;
            }
            sx += xi;
            if (i != j) sa += Signe(1, i - j) * a[std::size_t(std::min(i, j))];
            xx = xi;
        }
        faute = n > 5000 ? SW_Taille_Grande : SW_Correct;
        sa /= n1;
        sx /= n1;
        double ssa = 0, ssx = 0, sax = 0;
        for (int i = 1, j = n; i <= n1; ++i, --j) {
            const double asa = i != j ? Signe(1, i - j) * a[std::size_t(std::min(i, j))] - sa : -sa;
            const double xsx = x[std::size_t(i)] / etendue - sx;
            ssa += asa * asa;
            ssx += xsx * xsx;
            sax += asa * xsx;
        }
        const double ssassx = std::sqrt(ssa * ssx);
        // 1 - W is a squared sine: rounding must not take it below 0.
        w1 = std::max(0.0, (ssassx - sax) * (ssassx + sax) / (ssa * ssx));
    }
    W = 1 - w1;

    if (n == 3) {
        // The exact law for three values; rounding may take it a hair outside [0, 1].
        pw = std::clamp(PI6 * (Arc_Sinus(std::sqrt(W)) - STQR), 0.0, 1.0);
        return true;
    }
    double y = std::log(w1);
    const double xx = std::log(an);
    double m, s;
    if (n <= 11) {
        const double gamma = Polynome(G, 2, an);
        if (y >= gamma) {
            pw = Petit;
            return true;
        }
        y = -std::log(gamma - y);
        m = Polynome(C3, 4, an);
        s = std::exp(Polynome(C4, 4, an));
    } else {
        m = Polynome(C5, 4, xx);
        s = std::exp(Polynome(C6, 3, xx));
    }
    if (ncens > 0) {
        const double ld = -std::log(delta);
        const double bf = 1 + xx * BF1;
        const double z90f = Z90 + bf * std::pow(Polynome(C7, 2, std::pow(XX90, xx)), ld);
        const double z95f = Z95 + bf * std::pow(Polynome(C8, 2, std::pow(XX95, xx)), ld);
        const double z99f = Z99 + bf * std::pow(Polynome(C9, 2, xx), ld);
        const double zfm = (z90f + z95f + z99f) / 3;
        const double zsd = (Z90 * (z90f - zfm) + Z95 * (z95f - zfm) + Z99 * (z99f - zfm)) / ZSS;
        const double zbar = zfm - zsd * ZM;
        m += zbar * s;
        s *= zsd;
    }
    pw = Queue_Normale((y - m) / s, true);
    return true;
}
} // namespace

double Polynome(const double* c, int m, double x) {
    double p = c[m];
    for (int k = m - 1; k >= 1; --k) p = p * x + c[k];
    return p;
}

float Signe(double a, double b) { return float(b >= 0 ? std::fabs(a) : -std::fabs(a)); }

double Arc_Sinus(double x) { return std::atan(x / std::sqrt(1 - x * x)); }

void Test_Shapiro_Wilk(bool& init, const std::vector<double>& x, int n, int n1, int n2, std::vector<double>& a,
                       double& W, double& pw, short& faute, const QString& risque, QString* resultat) {
    const bool conclu = calcul(init, x, n, n1, n2, a, W, pw, faute);
    if (!resultat) return;
    *resultat = conclu ? lignes_resultat(W, pw, risque) : ligne_faute(faute);
}

} // namespace Mstat
