#pragma once
// Order statistics of the grid's result columns: count, D1, median and D9 into rows 8 to
// 11 of the statistics grid, and the dominant value of one column.

namespace Gen {
// Fills rows 8 to 11 of GrilleRefP for every result column.
void Calcule_deciles();
// The dominant value of grid column `col` over the filled rows (empty cells count as 0);
// 0 for a grid without rows.
double Stat_colonne(short col);
} // namespace Gen
