#pragma once
// The welcome text, the key memo, the calibration guide and the documentation, all
// shown in the measuring window's text frame or by the desktop's viewer.
#include "base/etat_struct.h"
#include <QString>

#define CHAMPS_ETAT_AIDE(X)                                                                      \
    X(short, AvertissementAffiche, 0)    /* the welcome text is on screen */

ETAT_GROUPE(EtatAide, etat_aide, CHAMPS_ETAT_AIDE)
#define ETAT_INSTANCE_COURANTE etat_aide
CHAMPS_ETAT_AIDE(ETAT_REFERENCE_CHAMP)
#undef ETAT_INSTANCE_COURANTE

namespace Gen {
// Shows the welcome frame with the welcome text of the current language.
void Bienvenue();
// The key memo into the frame's text box.
void Affiche_aide_texte();
// The step-by-step calibration guide into the frame's text box.
void Aide_calibrage();
// Where the second document is copied before it is opened.
QString Doc_temporaire();
} // namespace Gen
