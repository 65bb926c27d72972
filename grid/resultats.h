#pragma once
// The grid's statistics as text: the results text in one of five notations, and the
// results panel of the measuring window.
#include <QString>

namespace Gen {

// The results text of the current function in the notation ticked in the notation menu
// (m ± sigma while the grid holds fewer than 11 rows); empty for functions without one.
// Recomputes the grid statistics and the deciles first.
QString Texte_resultats();
// The single-column line of column `c` in notation `k` (1 to 5).
QString Texte_notation(short k, short c);
// The length x width line (columns 1 and 2) in notation `k`.
QString Texte_notation_LxL(short k);
// " (" followed by the body of column `c` in notation `k`.
QString Texte_colonne(short k, short c);
// Fills and shows the results panel: image, imported file, one summary line per result
// column, the statistics table, the medians, the 3D volume and the results text.
void Affiche_resultats();

} // namespace Gen
