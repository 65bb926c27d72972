#pragma once
// Reading a results report (or any file laid out like it) back into the measurement grid,
// as a table without a measuring function.
#include <QString>

namespace Gen {

// "fich.CSV=> grille": the question when the grid holds data, the open dialog, and only
// once a file is chosen the clearing, the reading and the notice that going on measuring
// is not advised. Cancel (or No) changes nothing and shows nothing. True when a file was
// imported: the caller then sets up the table's function (none), as after a load.
bool Charge_csv();

// Fills GrilleRef (and the titles of GrilleRefP) from the list of the file: from the line
// that begins with "LISTE" to the first line whose cells are all blank, or the end of the
// file. A function title on a "Fonction :" line gives the grid that function's columns.
// An empty path reads "mesure.csv" of the data folder. `statut` is never changed. Each
// row imported is marked as holding its values alone (LigneTrame::ValeursSeules).
void Lit_csv(const QString& chemin, short& statut);

// Whether grid row `ligne` holds values with no points behind them, which no reread can
// give back: an imported row of the table without function. A mark left in a record
// once a function is chosen again counts for nothing.
bool Ligne_sans_trame(int ligne);
// Whether a row of the grid (1 to NbLignesGrille - 1) is such a row.
bool Lignes_sans_trame();

} // namespace Gen
