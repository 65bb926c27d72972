#include "stats/fenstat.h"

#include "base/gen.h"
#include "base/vb.h"
#include "base/grille.h"

#include <cmath>

namespace Fenstat {

int Nb_Valeurs_Colonne(Grille& grille, int colonne) {
    grille.setCol(colonne);
    const int m = grille.Rows() - 1;
    int n = 0;
    for (int r = 1; r <= m; ++r) {
        grille.setRow(r);
        if (Gen::Val_decimal(grille.Text()) != 0) ++n;
    }
    return n;
}

namespace {
// Scans rows 1..N of a column, N from column 1, keeping the value `garder` prefers.
template <typename Garder>
double extreme(Grille& grille, int colonne, double depart, Garder garder) {
    const int n = Nb_Valeurs_Colonne(grille, 1);
    double v = depart;
    grille.setCol(colonne);
    for (int r = 1; r <= n; ++r) {
        grille.setRow(r);
        const QString texte = grille.Text();
        if (texte.isEmpty()) continue;
        const double x = Gen::Val_decimal(texte);
        if (garder(x, v)) v = x;
    }
    return v;
}

// k such that x / 10^k is no longer above 10, and x / 10^k; nothing for a non-finite x.
bool ordre(double& x, int& k) {
    if (!std::isfinite(x)) return false;
    k = 0;
    while (x > 10) {
        x /= 10;
        ++k;
    }
    return true;
}
} // namespace

double Min_Colonne(Grille& grille, int colonne) {
    return extreme(grille, colonne, 999999999.0, [](double x, double v) { return x < v; });
}

double Max_Colonne(Grille& grille, int colonne) {
    return extreme(grille, colonne, 0.0, [](double x, double v) { return x > v; });
}

short Puissance10(double x) {
    int k;
    if (!ordre(x, k) || k > 4) return 0;
    return short(std::pow(10.0, k));
}

short Arrondi_Un_Chiffre(double x) {
    int k;
    if (!ordre(x, k) || k > 4) return 0;
    const double v = Vb::Int(x) * std::pow(10.0, k);
    if (v < -32768 || v > 32767) return 0;
    return short(v);
}

QString Format_resultat(double valeur, const QString& motif) {
    // The pattern's decimals, each a digit it may show after the integer part.
    int decimales = 0;
    const qsizetype point = motif.indexOf(QLatin1Char('.'));
    if (point >= 0)
        for (qsizetype i = point + 1; i < motif.size(); ++i)
            if (motif[i] == QLatin1Char('0') || motif[i] == QLatin1Char('#')) ++decimales;
    if (std::isfinite(valeur) && std::fabs(valeur) * std::pow(10.0, decimales) >= 1e15) return Vb::CStr(valeur);
    return Vb::Format(valeur, motif);
}

} // namespace Fenstat
