#include "stats/test_serie.h"

#include "base/gen.h"
#include "base/vb.h"
#include "stats/fenstat.h"
#include "stats/rappels_stat.h"
#include "stats/series.h"
#include "stats/shapiro_wilk.h"

#include <QStringList>
#include <cmath>
#include <exception>

namespace Mstat {

namespace {
const QString SautLigne = QStringLiteral("\r\n");

QString donnees_incorrectes() { return Texte_Stat(1) + Texte_Stat(2); }

// The values of a series text: the pieces before the last ";", empty ones skipped.
std::vector<double> valeurs_serie(const QString& serie) {
    QStringList morceaux = serie.split(QLatin1Char(';'));
    morceaux.removeLast();  // the text after the last ";" is not a value
    std::vector<double> x{0.0};
    for (const QString& m : morceaux)
        if (!m.trimmed().isEmpty()) x.push_back(Gen::Val_decimal(m));
    return x;
}

// 2^(n - 1) - 1 times Ro^(n - 2), through logarithms once 2^(n - 1) leaves the double range.
double facteur_b(int n, double ro) {
    if (n <= 1000) return (std::pow(2.0, n - 1) - 1) * std::pow(ro, n - 2);
    if (ro <= 0) return 0;
    return std::exp((n - 1) * std::log(2.0) + std::log1p(-std::pow(2.0, 1 - n)) + (n - 2) * std::log(ro));
}
} // namespace

bool Risque_valide(const QString& risque) {
    double r = 0;
    return Gen::Nombre_lu(risque, r) && r > 0 && r < 100;
}

QString Test_Homogeneite(std::vector<double>& x) {
    const long n = long(x.size()) - 1;
    if (n < 2) throw Vb::Erreur(Vb::ErrDivisionZero, "Division by zero");
    Tri_Rapide(x, 1, n);
    // All values equal leave no spread to split.
    if (x[1] == x[std::size_t(n)]) throw Vb::Erreur(Vb::ErrDivisionZero, "Division by zero");

    // Sums of the deviations from the mean, so that no digit is lost to a large mean.
    double moyenne = 0;
    for (long i = 1; i <= n; ++i) moyenne += x[std::size_t(i)];
    moyenne /= double(n);
    double S = 0, Q = 0;
    for (long i = 1; i <= n; ++i) {
        const double d = x[std::size_t(i)] - moyenne;
        S += d;
        Q += d * d;
    }
    double amax = 0, L = 0;
    long pm = 0;
    for (long j = 1; j <= n - 1; ++j) {
        L += x[std::size_t(j)] - moyenne;
        const double A = (S - L) * (S - L) / double(n - j) + L * L / double(j);
        if (A > amax) {
            amax = A;
            pm = j;
        }
    }
    if (pm == 0) throw Vb::Erreur(Vb::ErrDivisionZero, "Division by zero");
    const double ro = std::sqrt(std::max(0.0, Q - amax) / (Q - S * S / double(n)));

    // The figure shown is A of the raw values at the split found.
    double brutBas = 0, brutHaut = 0;
    for (long i = 1; i <= n; ++i) (i <= pm ? brutBas : brutHaut) += x[std::size_t(i)];
    const double amaxBrut = brutHaut * brutHaut / double(n - pm) + brutBas * brutBas / double(pm);
    // Sums beyond the doubles leave no split to find: every A reads as infinite and the
    // first one would win.
    if (!std::isfinite(Q) || !std::isfinite(amax) || !std::isfinite(amaxBrut))
        throw Vb::Erreur(Vb::ErrDepassement, "Overflow");

    double g = 1;
    for (long k = 1; k <= n - 2; ++k) g = double(k) / g;
    const double b = facteur_b(int(n), ro);
    double alpha = g * b;
    if (n - 2 * Vb::Int(n / 1.9999) > 0.3) alpha = alpha * 2 / 3.14159;
    if (!std::isfinite(alpha) || !std::isfinite(ro)) throw Vb::Erreur(Vb::ErrDepassement, "Overflow");

    const QString separe = QStringLiteral("  ;  ");
    QString t = QStringLiteral(" Ro= ") + Vb::CStr(ro) + SautLigne;
    t += Vb::CStr(double(n)) + QStringLiteral(" données ") + separe + QStringLiteral(" Pm=  ") + Vb::CStr(double(pm)) +
         separe + QStringLiteral(" Amax=  ") + Vb::CStr(amaxBrut) + separe + QStringLiteral(" B=  ") + Vb::CStr(b) +
         separe + QStringLiteral(" Alpha = ") + Vb::CStr(alpha) + SautLigne;
    t += SautLigne;
    t += QStringLiteral("La  population ");
    if (alpha >= 0.05) return t + QStringLiteral(" est peut être homogène ");
    t += alpha < 0.01 ? QStringLiteral("est clairement (risque 1%)") : QStringLiteral("est probablement (risque 5%)");
    t += QStringLiteral(" hétérogène (au niveau approximatif de signification de ") + QStringLiteral("alpha = ") +
         Vb::CStr(alpha) + QStringLiteral(").") + SautLigne;
    t += QStringLiteral("Le premier sous groupe est constitué par les valeurs  x <= ") +
         Fenstat::Format_resultat((x[std::size_t(pm)] + x[std::size_t(pm + 1)]) / 2, QStringLiteral("###0.00")) +
         QStringLiteral(".");
    return t;
}

Sortie_Test Lance_Test(const Entree_Test& entree) {
    Sortie_Test sortie;
    if (entree.Code != Code_Homogeneite && entree.Code != Code_Shapiro_Wilk) return sortie;

    std::vector<double> x;
    try {
        x = valeurs_serie(entree.Serie);
    } catch (const Vb::Erreur&) {
        // A number beyond the doubles: the series holds no value to test.
        Signaler(donnees_incorrectes());
        return sortie;
    }
    const long n = long(x.size()) - 1;
    if (n <= 4) {
        Signaler(QStringLiteral("nb de mesures insuffisant"));
        return sortie;
    }
    if (entree.Code == Code_Shapiro_Wilk && !Risque_valide(entree.Risque)) {
        // The verdict weighs the p-value against the risk: without a risk between 0 and
        // 100 % there is no verdict to give.
        Signaler(Texte_Stat(5) + QLatin1Char(' ') + entree.Risque.trimmed() + QStringLiteral(" : ") +
                 donnees_incorrectes());
        return sortie;
    }
    try {
        if (entree.Code == Code_Homogeneite) {
            sortie.Resultat = Test_Homogeneite(x);
        } else {
            if (entree.Log_Normale) {
                // A logarithm exists for positive values only: such a series is refused
                // whole rather than mixing logarithms and raw values.
                for (long i = 1; i <= n; ++i) {
                    if (!(x[std::size_t(i)] > 0)) throw Vb::Erreur(Vb::ErrArgument, "Invalid procedure call or argument");
                    x[std::size_t(i)] = std::log(x[std::size_t(i)]);
                }
            }
            Tri_Rapide(x, 1, n);
            bool init = false;
            std::vector<double> a(std::size_t(n) + 1, 0.0);
            double W = 0, pw = 0;
            short faute = 0;
            Test_Shapiro_Wilk(init, x, int(n), int(n), Vb::CLng(double(n) / 2), a, W, pw, faute, entree.Risque,
                              &sortie.Resultat);
        }
    } catch (const std::exception&) {
        Signaler(donnees_incorrectes());
        sortie.Resultat.clear();
        return sortie;
    }
    sortie.Resultat_Change = true;
    return sortie;
}

} // namespace Mstat
