#pragma once
// The scanner correction: per channel, a polyline through the pairs (scanner value,
// standard value) of the measured patches, sorted by scanner value and closed by (0, 0)
// and (255, 255); every measured mean goes through it while CheckCalibre is ticked.
#include <QString>

namespace Vistrane {

// Builds the correction from FicEtalon and FicScanner; k has no effect. A file missing
// drops the former curves, as a refused pair does.
void Charge_Calibrage(short k);
// Builds the correction from a given pair: both files read, their NBMESURES compared
// (messages 228, 229), N = the fewer value lines of the two. Returns whether curves were built.
bool Construit_correction(const QString& etalon, const QString& scanner);
// Drops the correction: not ready, CheckCalibre cleared and disabled, and its curves gone,
// so that a chart asking for the correction cannot bring the old ones back.
void Abandonne_correction();
// Builds and lists in `test` the N first points of the three channels.
void Affiche_Correction(int N);
// Builds and lists the points of one channel.
void Ligne_Correction(short ch, int N);
// The corrected value of v for channel ch (1 R, 2 V, 3 B) on the curves built; without a
// curve, or for a channel or a value the curves do not hold, raises the error that ends
// the measurement.
double Corrige_Canal(short ch, double v);
double Corrige_Valeur(short ch, double v);

} // namespace Vistrane
