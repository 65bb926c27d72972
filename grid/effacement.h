#pragma once
// Clearing the grid, its statistics and the measurement records. Undo, row deletion and
// the full clearing are procedures of the measuring window (app/tav.h).

namespace Gen {
// Whether the grid holds data a clearing would lose: a first value, or rows.
bool Grille_tient_donnees();
// Empties the grid; with `sans_question` 0 a grid holding data is cleared only after Yes.
// Returns false when the user kept the grid, so callers leave the rows' records alone.
bool RAZ_grille(short sans_question);
// Empties the statistics grid's values and the column summaries.
void RAZ_grille_stat();
// Zeroes the count, D1, median and D9 of every column.
void RAZ_stats();
// Empties one record (0 to 256); any other row is refused.
void RAZ_ligne_trame(short ligne);
// Empties every record in use and restarts the row counters.
void RAZ_trame();
// Whether the undo is refused: the row it would take back was completed on another
// picture than the one shown (its next value would be measured on this one), or was
// imported, with no record to give it back.
bool Annulation_refusee();
} // namespace Gen
