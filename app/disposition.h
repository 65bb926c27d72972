#pragma once
// The measuring window's layout: where the picture and the panels go for each window
// state, and the ratios the view and the measuring code read from it.
#include "base/etat_struct.h"

#define CHAMPS_ETAT_DISPOSITION(X)                                                               \
    X(int, LargeurVueInitiale, 0)        /* picture width at start-up or after a normal resize */ \
    X(int, LargeurVueCourante, 0)        /* picture width after a maximised-state resize */

ETAT_GROUPE(EtatDisposition, etat_disposition, CHAMPS_ETAT_DISPOSITION)
#define ETAT_INSTANCE_COURANTE etat_disposition
CHAMPS_ETAT_DISPOSITION(ETAT_REFERENCE_CHAMP)
#undef ETAT_INSTANCE_COURANTE

namespace BGr {
// The start-up placing of the panel, grids, thumbnail, magnifier and folder pane.
void Dispose_depart();
} // namespace BGr
