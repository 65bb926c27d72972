#pragma once
// The figures behind the diagram view, free of any widget: reading a series text,
// turning pasted text into a series, grouping the sorted values into sticks, the
// drawn window of the data, and the summary's mean, deviation, median and deciles.
// Sorted values are held 1-based: element 0 is 0 and takes no part in anything.
#include <QString>
#include <optional>
#include <vector>

#include "base/analyse.h"

namespace Diagramme {

// The values of a series text "5,8;6;6,2;": one per ";", read with a decimal comma or
// point, an empty or non-numeric piece reading as 0 and the text after the last ";"
// ignored. The result holds 0 at index 0 and the values, unsorted, at 1..k; nothing
// when the text holds no ";" at all, or a number beyond the doubles.
std::optional<std::vector<double>> Valeurs_serie(const QString& serie);

// The same reading with what it found: the values (nothing without a ";"), and each
// piece that is not a number as a whole (empty, or text after the digits), with the line
// of the text it stands on. Such a piece still reads as Val_decimal reads it, but for a
// number beyond the doubles: no value stands for it, and the series has none.
struct LectureSerie {
    std::optional<std::vector<double>> valeurs;
    Analyse::Problemes problemes;
    bool depassement = false;  // a piece holds a number beyond the doubles
};
LectureSerie Analyse_serie(const QString& serie);

// The most values a diagram holds: it counts them in a 16-bit integer.
inline constexpr int ValeursMax = 32767;
// Cuts a series text after its ValeursMax-th value; true when it held more.
bool Limite_serie(QString& serie);

// Clipboard text made into a series text: each line end (CR LF, CR or LF) and each tab
// made ";", points made commas, once a cell grouped as the user's locale groups digits
// has lost its groups ("1,234.5" and "1,065" under en_US give "1234,5" and "1065").
QString Texte_colle(const QString& presse);

// One stick of the diagram: the abscissa of the first value of a group and the size
// of the group.
struct Baton {
    double x;
    int nombre;
};
// Groups the sorted values 1..N: a value within `largeur` of the first value of the
// current group joins it, any other starts a new group.
std::vector<Baton> Batons(const std::vector<double>& valeurs, double largeur);

// The abscissas shown for sorted values running from `premiere` to `derniere`: the
// range padded by a tenth of itself on each side, or by a tenth of the value when
// every value is the same (by 1 when that value is 0), so that negative values and a
// single repeated value both stand inside the picture.
struct Fenetre {
    double xmin, xmax;
};
Fenetre Fenetre_donnees(double premiere, double derniere);

// Mean and standard deviation with divisor N of the values 1..N, from the deviations
// about the mean so that close large values keep their digits; 0 and 0 for no value.
void Moyenne_ecart(const std::vector<double>& valeurs, double& moyenne, double& ecart);

// Median of the sorted values 1..N (N >= 1), and D1 and D9 by linear interpolation at
// the positions (N + 1) / 10 and 9 (N + 1) / 10, which need at least 11 values.
struct Quantiles {
    bool mediane_ok = false;
    double mediane = 0;
    bool deciles_ok = false;
    double d1 = 0, d9 = 0;
};
Quantiles Calcul_quantiles(const std::vector<double>& valeurs);

} // namespace Diagramme
