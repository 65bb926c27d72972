// Count, deciles and median of the grid's result columns, and the dominant value of one.
#include "grid/deciles.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/tav.h"
#include "base/vb.h"
#include "grid/etat_grille.h"
#include "base/grilles.h"
#include "stats/series.h"
#include "stats/valeur_dominante.h"

namespace {

constexpr int ColonnesResumees = 8;

// A value as its sort key holds it: rounded to four decimals through the key text.
double Valeur_cle(double v) { return Gen::Val_decimal(Vb::Format(v, QStringLiteral("00000.0000"))); }

// a + (b - a) * poids / 10 for keys a <= b. Near the largest double the product would
// overflow: there the difference is divided first (the keys are positive, so b - a is finite).
double Entre(double a, double b, int poids) {
    const double produit = (b - a) * poids;
    return a + (std::isfinite(produit) ? produit / 10 : (b - a) / 10 * poids);
}

} // namespace

void Tav::Cdecile(short col) {
    if (col < 1 || col > NbColonnesStat || col > ColonnesResumees || col >= GrilleRef.Cols()) return;
    try {
        // Keys are sorted by value, so the order holds at any magnitude.
        std::vector<double> cles;
        const int derniere = std::min<int>(NbLignesGrille - 1, GrilleRef.Rows() - 1);
        GrilleRef.setCol(col);
        for (int r = 1; r <= derniere; ++r) {
            const QString t = GrilleRef.TextMatrix(r, col);
            if (t.isEmpty()) continue;
            const double v = Gen::Val_decimal(t);
            if (v > 0.0001) cles.push_back(Valeur_cle(v));
        }
        std::sort(cles.begin(), cles.end());
        const int n = int(cles.size());
        EffectifCol[col] = n;

        const int h = n / 2;
        if (n == 0) MedianeCol[col] = 0;
        else if (n % 2 == 1) MedianeCol[col] = cles[size_t(h)];
        // Halved before the sum (exact for positive keys), so two huge keys cannot overflow.
        else MedianeCol[col] = cles[size_t(h - 1)] / 2 + cles[size_t(h)] / 2;

        // Interpolation at the ranks (n + 1) / 10 and 9 (n + 1) / 10.
        const int w = n % 10 + 1;
        if (n < 11) {
            Decile1Col[col] = 0;
            Decile9Col[col] = 0;
            return;
        }
        const int k = n / 10;
        double a = cles[size_t(k - 1)], b = cles[size_t(k)];
        Decile1Col[col] = Entre(a, b, w);
        const int j = (n + 1) * 9 / 10;
        a = cles[size_t(j - 1)];
        b = cles[size_t(j)];
        Decile9Col[col] = Entre(a, b, 10 - w);
    } catch (const Vb::Erreur&) {
    }
}

namespace Gen {

void Calcule_deciles() {
    Tav& tav = *Tav::instance();
    if (GrilleRefP.Rows() < 12) GrilleRefP.setRows(12);
    GrilleRefP.setTextMatrix(8, 0, QStringLiteral("N="));
    GrilleRefP.setTextMatrix(9, 0, QStringLiteral("D1"));
    GrilleRefP.setTextMatrix(10, 0, QStringLiteral("médiane"));
    GrilleRefP.setTextMatrix(11, 0, QStringLiteral("D9"));
    for (int i = 1; i <= NbValeursLigne && i <= ColonnesResumees; ++i) EffectifCol[i] = 0;
    for (int c = 1; c <= NbColonnesStat && c <= ColonnesResumees; ++c) {
        tav.Cdecile(short(c));
        if (c >= GrilleRefP.Cols()) continue;
        GrilleRefP.setTextMatrix(8, c, Vb::CStr(EffectifCol[c]));
        GrilleRefP.setTextMatrix(9, c, Vb::Format(Decile1Col[c], FormatDecimal));
        GrilleRefP.setTextMatrix(10, c, Vb::CStr(MedianeCol[c]));
        GrilleRefP.setTextMatrix(11, c, Vb::Format(Decile9Col[c], FormatDecimal));
    }
}

double Stat_colonne(short col) {
    // Only the rows the grid really has are read.
    const int n = std::min<int>(NbLignesGrille - 1, GrilleRef.Rows() - 1);
    if (n < 1 || col < 0 || col >= GrilleRef.Cols()) return 0;
    std::vector<double> x(size_t(n) + 1, 0.0);
    for (int r = 1; r <= n; ++r) x[size_t(r)] = Val_decimal(GrilleRef.TextMatrix(r, col));
    Mstat::Tri_Rapide(x, 1, n);
    return Mstat::Valeur_Dominante(0, x);
}

} // namespace Gen
