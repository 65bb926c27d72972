#pragma once
// The comment frame of the measuring window: the comments of the grid rows, the comment
// line of the results report, and the header of a colour file. The frame's handlers are
// procedures of the measuring window (base/tav.h).

#include "grid/etat_grille.h"

namespace Gen {

// Lays the frame out: 1 for grid comments (with the row box), 2 for a file header.
void Dispose_cadre_commentaire(short disposition);
// "Export grille sous ...": opens the frame for the report's comment line.
void Ouvre_commentaire_grille();
// Closes the frame: 0 validates (the comment goes into the row being edited, or the
// report is written), 1 cancels. Either way the frame's mode ends.
void Ferme_commentaire(short mode);

} // namespace Gen
