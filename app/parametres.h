#pragma once
// The settings file "Tavl.dat" of the program's folder, and the settings it keeps that
// no other part owns.
#include "base/etat_partage.h"   // DecimalesAuto, a setting the calibration reads
#include "base/etat_struct.h"
#include <QString>

#define CHAMPS_ETAT_PARAMETRES(X)                                                                \
    X(short, FonctionDemarrage, 0)       /* measuring function chosen at start-up (0 none) */     \
    X(short, AutoRetraceParam, 0)        /* automatic redraw as the settings file gave it */

ETAT_GROUPE(EtatParametres, etat_parametres, CHAMPS_ETAT_PARAMETRES)
#define ETAT_INSTANCE_COURANTE etat_parametres
CHAMPS_ETAT_PARAMETRES(ETAT_REFERENCE_CHAMP)
#undef ETAT_INSTANCE_COURANTE

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
