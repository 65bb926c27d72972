#pragma once
// The values of the measurement grid's columns as the plot view reads them: the rows
// holding measurements (1 to NbLignesGrille - 1) of the column asked for, empty cells
// skipped, so that a gap or a zero never hides the rows after it.
#include <QString>
#include <vector>

namespace SeriesGrille {

struct Valeur {
    int ligne;      // grid row
    double v;
};
struct Point {
    int ligne;
    double x, y;
};

// A cell's number, read with a decimal comma or point; false for an empty or
// non-numeric cell.
bool Nombre(const QString& texte, double& v);
// The value rows of a column.
std::vector<Valeur> Colonne(int col);
// The rows where both columns hold a value, in row order.
std::vector<Point> Points(int colX, int colY);

// Smallest and largest value of a series with the rows where they were first found.
struct Etendue {
    double min = 0, max = 0;
    int ligneMin = 0, ligneMax = 0;
};
Etendue Extremes(const std::vector<Valeur>& valeurs);

} // namespace SeriesGrille
