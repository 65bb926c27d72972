#pragma once
// The colour procedures the grid, the measuring and the menus call.

namespace Vistrane {
// Starts colour mode: the chart frame, the grids of function 20, the chart named in the
// settings, and the scanner correction.
void Init_Couleur();
} // namespace Vistrane

namespace Couleur {
// Puts the colour part's procedures in the hooks the grid calls.
void Installe_rappels();
} // namespace Couleur
