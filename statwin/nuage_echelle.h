#pragma once
// The scatter plot's scale and point picking, without their widgets: where a value
// lands on the plot, the regression line's ends, and which points a rectangle, circle
// or ellipse drawn with the mouse takes. The plot runs each axis over plot units 150 to
// 900 from its smallest to its largest value.
#include <optional>
#include <vector>

#include "statwin/series_grille.h"

namespace Nuage {

struct Echelle {
    double minX = 0, maxX = 0, minY = 0, maxY = 0;  // the axes' ends, in data units
    double EchelleX = 0, EchelleY = 0;              // plot units per data unit

    // The plot units of a value, and the value at plot units.
    double X(double x) const { return 150 + (x - minX) * EchelleX; }
    double Y(double y) const { return 150 + (y - minY) * EchelleY; }
    double ValeurX(double px) const { return (px - 150) / EchelleX + minX; }
    double ValeurY(double py) const { return (py - 150) / EchelleY + minY; }
};

// The scale for the axes' smallest and largest values as the plot's lists give them
// (999999999 for the smallest of an empty list): nothing when an axis holds no value.
// An axis whose values are all equal runs from 0 up to the value, or, for a value not
// above 0, over a unit range around it, so that the scale never divides by zero.
std::optional<Echelle> Echelle_nuage(double minX, double maxX, double minY, double maxY);

// The ends of the line y = pente x + ordonnee across the X axis, in whole plot units;
// the slope and intercept are taken in single precision, as the plot draws them.
struct Segment {
    double x1, y1, x2, y2;
};
Segment Droite(const Echelle& e, double pente, double ordonnee);

// An outline drawn on the plot: centred on the first click (x0, y0), through the
// pointer (x, y), in plot units. kx and ky are the screen pixels per plot unit across
// and up: the circle is drawn, and so compared, in pixels.
enum class Forme { Aucune = 0, Rectangle = 1, Cercle = 2, Ellipse = 3 };
struct Selection {
    Forme forme = Forme::Aucune;
    double x0 = 0, y0 = 0, x = 0, y = 0;
    double kx = 1, ky = 1;
};

// The circle or the ellipse takes the plot point (px, py): the circle what lies strictly
// inside, the ellipse its edge too. A flat ellipse, or any other outline, takes nothing
// here (the rectangle is compared in data units, below).
bool Dans_forme(const Selection& s, double px, double py);
// The smaller and the larger of two reals (the second when they compare unordered).
inline double Min_reel(double a, double b) { return a < b ? a : b; }
inline double Max_reel(double a, double b) { return a > b ? a : b; }

// The points inside the outline, in row order. The rectangle is compared in data units
// and takes the points on its edges.
std::vector<SeriesGrille::Point> Points_choisis(const std::vector<SeriesGrille::Point>& points, const Echelle& e,
                                                const Selection& s);

} // namespace Nuage
