#pragma once
// Reading a results report (or any file laid out like it) back into the measurement grid,
// as a table without a measuring function.
#include <QString>

namespace Gen {

// "fich.CSV=> grille": the question when the grid holds data, the open dialog, and only
// once a file is chosen the clearing, the reading and the notice that going on measuring
// is not advised. Cancel (or No) changes nothing and shows nothing.
void Charge_csv();

// Fills GrilleRef (and the titles of GrilleRefP) from the list of the file: from the line
// that begins with "LISTE" to the first line whose cells are all blank, or the end of the
// file. A function title on a "Fonction :" line gives the grid that function's columns.
// An empty path reads "mesure.csv" of the data folder. `statut` is never changed.
void Lit_csv(const QString& chemin, short& statut);

} // namespace Gen
