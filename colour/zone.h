#pragma once
// The colour of a square zone of the full-size picture around a clicked point.
#include <QImage>
#include <QString>

namespace Vistrane {

// The pixel at (x, y) of the picture as 0x00BBGGRR; a point outside the picture reads as
// the invalid colour 0xFFFFFFFF.
long Lit_pixel(const QImage& image, int x, int y);

struct MoyenneZone {
    int n = 0;                  // pixels counted (pure black is skipped)
    double R = 0, V = 0, B = 0; // running means, 0 when nothing was counted
};
// Means over the square of centre (cx, cy) (image pixels, fractional) and half side T:
// rows CInt(cy - T) to CInt(cy + T), columns CInt(cx - T) to CInt(cx + T), halves to even.
// Pixels outside the picture are not part of the zone.
MoyenneZone Moyenne_zone(const QImage& image, double cx, double cy, int T);

// A mean cut to hundredths: only 0.0095 or more beyond the hundredths carries.
float Coupe_moyenne(double m);

// The caption of Label7 for a zone of half side T and the colour R, V, B.
QString Legende_zone(int T, float R, float V, float B);

// A press on the picture while the chart frame is shown: (x, y) in view units, `image`
// the full-size picture held by picbase. Measures the zone around the point, corrects it
// when CheckCalibre is ticked, converts it to L*a*b* and records a grid row of function
// 20. A zone outside the margin, or any fault on the way, beeps and records nothing.
void Mesure_Zone(const QImage& image, double x, long y);

// Stores the clicked point (view units, 32 bits: a wide view passes 32767) in the record
// of the row about to be written.
void Enregistre_MesureCouleur(int x, int y);

} // namespace Vistrane
