#pragma once
// The classes of the plot view's histograms, without their widgets: the class count the
// box allows, the counting of a column's values into classes of equal width with the
// bar scale, and the legend. The histogram's handlers draw and write what comes back.
#include <QString>
#include <optional>
#include <vector>

#include "statwin/series_grille.h"

namespace Histogramme {

// The most classes the class table holds.
inline constexpr int ClassesMax = 21;

// The text the class-count box must be set to when it asks for fewer than 2 classes
// ("2"), more than ClassesMax ("21"), or holds text that is no number after its digits
// (the count it draws); nothing when its count is allowed.
std::optional<QString> Correction_nombre_classes(const QString& texte);
// The class count of the box: its number rounded half to even, held within 2..ClassesMax.
int Nombre_classes(const QString& texte);

struct Classes {
    int n = 0;                      // classes
    int N = 0;                      // values counted
    double mini = 0;                // lower bound of the first class
    double largeur = 0;             // class width
    std::vector<int> comptes;       // values in each class, n of them
    SeriesGrille::Etendue etendue;  // the column's extremes and the rows holding them
    int pas = 0;                    // plot units from one class tick to the next
    int unite = 0;                  // plot units of bar height for one value
};

// Bound k of the classes (0 the lowest value, n the highest) as a decimal of 15
// significant digits at the scale of the column's extremes: a value typed as the bound
// lies on it, whatever the rounding of mini + k width.
double Borne(const Classes& c, int k);
// The class of a value, 0 to n - 1: the one whose lower bound it reaches and whose upper
// bound it stays below; the highest value falls in the last class.
int Classe(double x, const Classes& c);

// Counts a column's values into n classes from its smallest to its largest value, the
// largest in the last class. A constant column gets a unit range around its value, so
// that its bar stands in the middle class. Fewer than two values make no histogram.
std::optional<Classes> Classes_colonne(const std::vector<SeriesGrille::Valeur>& valeurs, int n);

// The legend of a column's histogram: its title, the classes and their width, and the
// extremes with their grid rows (decimal pattern `format`, lines ended by `fin`).
QString Legende(const QString& titre, const Classes& c, const QString& format, const QString& fin);

} // namespace Histogramme
