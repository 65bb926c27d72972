#pragma once
// The measuring window's three grids: the measurements, their statistics, and the
// displayed copy of the latest rows.
#include "grid/grille.h"

inline Grille GrilleRef;
inline Grille GrilleRefP;
inline Grille MGrille;

// The grids' colours, as the original's &HBBGGRR values.
inline constexpr long CouleurGrille = 0xC0FFC0;   // light green
inline constexpr long CouleurMinimum = 0xFF00;    // green
inline constexpr long CouleurMaximum = 0xFFFF;    // yellow
