#pragma once
// The size of the measurement grid, chosen in the grid-size menu.

namespace Gen {
// The grid-size menu's item 0 to 2 (63, 127, 255 rows) chosen: ticked, and the grid takes
// that size. Any other index does nothing.
void Taille_grille_max(short index);
} // namespace Gen
