#include "statwin/series_grille.h"

#include <algorithm>

#include "base/gen.h"
#include "grid/etat_grille.h"
#include "base/grilles.h"

namespace SeriesGrille {

bool Nombre(const QString& texte, double& v) { return Gen::Nombre_lu(texte, v); }

namespace {
int derniereLigne() { return std::min<int>(NbLignesGrille - 1, GrilleRef.Rows() - 1); }
bool colonneValide(int col) { return col >= 0 && col < GrilleRef.Cols(); }
} // namespace

std::vector<Valeur> Colonne(int col) {
    std::vector<Valeur> r;
    if (!colonneValide(col)) return r;
    for (int ligne = 1; ligne <= derniereLigne(); ++ligne) {
        double v;
        if (Nombre(GrilleRef.TextMatrix(ligne, col), v)) r.push_back({ligne, v});
    }
    return r;
}

std::vector<Point> Points(int colX, int colY) {
    std::vector<Point> r;
    if (!colonneValide(colX) || !colonneValide(colY)) return r;
    for (int ligne = 1; ligne <= derniereLigne(); ++ligne) {
        double x, y;
        if (Nombre(GrilleRef.TextMatrix(ligne, colX), x) && Nombre(GrilleRef.TextMatrix(ligne, colY), y))
            r.push_back({ligne, x, y});
    }
    return r;
}

Etendue Extremes(const std::vector<Valeur>& valeurs) {
    Etendue e;
    if (valeurs.empty()) return e;
    e.min = e.max = valeurs.front().v;
    e.ligneMin = e.ligneMax = valeurs.front().ligne;
    for (const Valeur& x : valeurs) {
        if (x.v < e.min) { e.min = x.v; e.ligneMin = x.ligne; }
        if (x.v > e.max) { e.max = x.v; e.ligneMax = x.ligne; }
    }
    return e;
}

} // namespace SeriesGrille
