#include "statwin/histogramme_classes.h"

#include <algorithm>

#include "base/vb.h"

namespace Histogramme {

std::optional<QString> Correction_nombre_classes(const QString& texte) {
    const double v = Vb::Val(texte);
    if (v < 2) return QStringLiteral("2");
    if (v > ClassesMax) return QString::number(ClassesMax);
    return std::nullopt;
}

int Nombre_classes(const QString& texte) { return std::clamp<int>(Vb::CInt(Vb::Val(texte)), 2, ClassesMax); }

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
    for (const auto& x : valeurs) {
        const int k = std::clamp(int(Vb::Int((x.v - mini) / c.largeur)), 0, n - 1);
        ++c.comptes[size_t(k)];
    }
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
