#pragma once
// The settings file "Tavl.dat" of the program's folder, and the settings it keeps that
// no other part owns.
#include <QString>

inline short FonctionDemarrage = 0;   // measuring function chosen at start-up (0 none, 1-6, 20)
inline short DecimalesAuto = 0;       // the calibration chooses the number of decimals
inline short AutoRetraceParam = 0;    // automatic redraw as the settings file gave it

namespace Gen {
// Reads the settings file over the start-up values; writes a default file when none
// exists. A line whose value lies outside its setting's domain is ignored.
void Lit_parametres();
// Writes every kept setting; `mode` does not change what is written. Tells the user
// and returns false when the file could not be written (the old one then stays whole).
bool Sauve_parametres(short mode);
// "FAUX" for 0, "VRAI" for any other value.
QString Texte_booleen(short flag);
// The settings file's path.
QString Fichier_parametres();
} // namespace Gen
