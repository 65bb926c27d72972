#pragma once
// The measuring window's three grids: the measurements, their statistics, and the
// displayed copy of the latest rows.
#include "base/etat_struct.h"
#include "base/grille.h"

#define CHAMPS_GRILLES(X)                                                                        \
    X(Grille, GrilleRef)                 /* one row per measurement */                            \
    X(Grille, GrilleRefP)                /* the statistics of each column */                      \
    X(Grille, MGrille)                   /* the displayed copy of the latest rows */

ETAT_GROUPE(Grilles, grilles, CHAMPS_GRILLES)
#define ETAT_INSTANCE_COURANTE grilles
CHAMPS_GRILLES(ETAT_REFERENCE_CHAMP)
#undef ETAT_INSTANCE_COURANTE

// The grids' colours as &HBBGGRR values.
inline constexpr long CouleurGrille = 0xC0FFC0;   // light green
inline constexpr long CouleurMinimum = 0xFF00;    // green
inline constexpr long CouleurMaximum = 0xFFFF;    // yellow
