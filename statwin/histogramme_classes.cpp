#include "statwin/histogramme_classes.h"

#include <algorithm>
#include <cmath>

#include "base/gen.h"
#include "base/vb.h"

namespace Histogramme {

std::optional<QString> Correction_nombre_classes(const QString& texte) {
    const double v = Vb::Val_borne(texte, Vb::Val);
    if (v < 2) return QStringLiteral("2");
    if (v > ClassesMax) return QString::number(ClassesMax);
    // Letters after the digits ("2b") are no count: the box shows the count it draws.
    double lu = 0;
    if (!Gen::Nombre_lu(texte, lu)) return QString::number(Nombre_classes(texte));
    return std::nullopt;
}

// Held within its bounds before it is rounded: a count past the 16-bit range ("5e5")
// would overflow the rounding.
int Nombre_classes(const QString& texte) { return Vb::CInt(std::clamp(Vb::Val_borne(texte, Vb::Val), 2.0, double(ClassesMax))); }

double Borne(const Classes& c, int k) {
    const double b = c.mini + k * c.largeur;
    const double echelle = std::max(std::fabs(c.mini), std::fabs(c.mini + c.n * c.largeur));
    if (!std::isfinite(b) || !std::isfinite(echelle) || !(echelle > 0)) return b;
    // The bound to 15 significant digits of the column's largest bound: 1.2 for
    // 1 + 0.2, 0 for -0.001 + 0.001 however the sums round.
    const int e = int(std::floor(std::log10(echelle))) - 14;
    double r;
    if (e < 0) {
        // An exact decimal rounding, written and read back with a point whatever the locale.
        r = Vb::Val(QString::number(b, 'f', std::min(-e, 400)));
    } else {
        const double quantum = std::pow(10.0, e);
        r = std::round(b / quantum) * quantum;
    }
    return std::isfinite(r) ? r : b;
}

int Classe(double x, const Classes& c) {
    // The quotient gives the class but for rounding: (1.2 - 1) / 0.2 is 0.99999... The
    // value is then set against the bounds themselves, as decimals.
    const double q = (x - c.mini) / c.largeur;
    int k = std::isfinite(q) ? int(std::clamp(std::floor(q), 0.0, double(c.n - 1))) : (q > 0 ? c.n - 1 : 0);
    while (k < c.n - 1 && x >= Borne(c, k + 1)) ++k;
    while (k > 0 && x < Borne(c, k)) --k;
    return k;
}

std::optional<Classes> Classes_colonne(const std::vector<SeriesGrille::Valeur>& valeurs, int n) {
    Classes c;
    c.n = n;
    c.N = int(valeurs.size());
    if (c.N < 2 || n < 1) return std::nullopt;
    c.etendue = SeriesGrille::Extremes(valeurs);
    double mini = c.etendue.min, maxi = c.etendue.max;
    if (maxi == mini) {
        mini -= 0.5;
        maxi += 0.5;
    }
    c.mini = mini;
    c.largeur = (maxi - mini) / n;
    c.comptes.assign(size_t(n), 0);
    for (const auto& x : valeurs) ++c.comptes[size_t(Classe(x.v, c))];
    c.pas = Vb::CInt(850.0 / n);
    c.unite = Vb::CInt(750.0 * n / (2.0 * c.N));
    return c;
}

QString Legende(const QString& titre, const Classes& c, const QString& format, const QString& fin) {
    return titre + QStringLiteral(" :   ") + QString::number(c.n) + QStringLiteral("  classes de largeur ") +
           Vb::Format(c.largeur, format) + fin + QString(18, QLatin1Char(' ')) + QStringLiteral("Min (") +
           QString::number(c.etendue.ligneMin) + QStringLiteral(")= ") + Vb::Format(c.etendue.min, format) +
           QStringLiteral("   Max(") + QString::number(c.etendue.ligneMax) + QStringLiteral(")= ") +
           Vb::Format(c.etendue.max, format);
}

} // namespace Histogramme
