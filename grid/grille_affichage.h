#pragma once
// Painting the measurement grid, reading one cell, and rebuilding the displayed copy.
#include <QString>

namespace Gen {
// Paints every cell of rows 1 to Rows - 1, columns 1 to Cols - 1 of GrilleRef light green.
void Couleur_grille();
// Makes (row, col) the current cell of GrilleRef and returns its text; a cell outside
// the grid raises the grid's error.
QString Texte_cellule(short row, short col);
} // namespace Gen

namespace Mstat {
// Rebuilds MGrille from GrilleRef so that it shows the rows up to `derniere`, the last
// written row at the bottom; 0 shows the first rows. A pasted table (function 0) is not copied.
void Recopie_Grille(short derniere);
} // namespace Mstat
