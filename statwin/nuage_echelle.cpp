#include "statwin/nuage_echelle.h"

#include <cmath>

#include "base/vb.h"

namespace Nuage {

namespace {
void etendre(double& mini, double& maxi) {
    if (mini != maxi) return;
    if (maxi > 0) {
        mini = 0;
    } else {
        mini = maxi - 0.5;
        maxi = maxi + 0.5;
    }
}
} // namespace

std::optional<Echelle> Echelle_nuage(double minX, double maxX, double minY, double maxY) {
    if (minX > 999999998 || minY > 999999998) return std::nullopt;
    etendre(minX, maxX);
    etendre(minY, maxY);
    Echelle e;
    e.minX = minX;
    e.maxX = maxX;
    e.minY = minY;
    e.maxY = maxY;
    e.EchelleX = 750 / (maxX - minX);
    e.EchelleY = 750 / (maxY - minY);
    return e;
}

Segment Droite(const Echelle& e, double pente, double ordonnee) {
    const double a = double(float(pente)), b = double(float(ordonnee));
    auto y = [&](double x) { return double(Vb::CInt(e.Y(a * x + b))); };
    return {double(Vb::CInt(e.X(e.minX))), y(e.minX), double(Vb::CInt(e.X(e.maxX))), y(e.maxX)};
}

bool Dans_forme(const Selection& s, double px, double py) {
    switch (s.forme) {
    case Forme::Cercle: {
        const double R = std::sqrt((s.x - s.x0) * (s.x - s.x0) + 0.5 * (s.y - s.y0) * (s.y - s.y0)) * s.kx;
        const double dx = (px - s.x0) * s.kx, dy = (py - s.y0) * s.ky;
        return std::sqrt(dx * dx + dy * dy) < R;
    }
    case Forme::Ellipse: {
        const double a = std::abs(s.x - s.x0), b = std::abs(s.y - s.y0);
        if (a == 0 || b == 0) return false;
        const double u = (px - s.x0) / a, v = (py - s.y0) / b;
        return u * u + v * v <= 1;
    }
    default:
        return false;
    }
}

std::vector<SeriesGrille::Point> Points_choisis(const std::vector<SeriesGrille::Point>& points, const Echelle& e,
                                                const Selection& s) {
    // The rectangle's corners are the pointer and its mirror image through the first click.
    const double xa = e.ValeurX(2 * s.x0 - s.x), xb = e.ValeurX(s.x);
    const double ya = e.ValeurY(2 * s.y0 - s.y), yb = e.ValeurY(s.y);
    const double xBas = Min_reel(xa, xb), xHaut = Max_reel(xa, xb);
    const double yBas = Min_reel(ya, yb), yHaut = Max_reel(ya, yb);
    std::vector<SeriesGrille::Point> pris;
    for (const auto& p : points) {
        const bool dedans = s.forme == Forme::Rectangle
                                ? (xBas <= p.x && p.x <= xHaut && yBas <= p.y && p.y <= yHaut)
                                : Dans_forme(s, e.X(p.x), e.Y(p.y));
        if (dedans) pris.push_back(p);
    }
    return pris;
}

} // namespace Nuage
