#pragma once
// The colour-measurement procedures the grid and file parts call. They stand here with
// the interfaces those parts rely on, doing the least they need.

namespace Vistrane {
// Starts the colour part: chart, standard, scanner file and per-channel correction.
void Init_Couleur();
} // namespace Vistrane

namespace BGr {
// Writes a colour-chart or scanner file from the grid, and clears the pending-save flags.
void Ecrit_nuancier_scanner();
} // namespace BGr

namespace Couleur {
// Puts the colour part's procedures in the hooks the grid calls.
void Installe_rappels();
} // namespace Couleur
