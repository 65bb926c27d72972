#pragma once
// Switching the measurement function: counters, prompts, caption, the grids' columns,
// widths and titles.

namespace PGr {
// Sets everything up for the function held in NumFonction.
void Choix_fonction();
// Title row of GrilleRef and NomFonction from the function table.
void Entetes_grille_fonction(short code);
// Column count and widths of the three grids from the function table.
void Prepare_grilles_fonction(short code);
// The next click measures the first value of a row.
void RAZ_compteur_clics();
} // namespace PGr

namespace BGr {
// Gives every column of GrilleRef its display style; `colonne` holds Cols afterwards.
void Style_colonnes_grille(short& colonne);
} // namespace BGr

namespace Gen {
// Clears the grid and the records for a new function.
void Change_fonction();
// Puts the measuring window's command bar back in its plain state.
void RAZ_boutons_fonction();
} // namespace Gen
