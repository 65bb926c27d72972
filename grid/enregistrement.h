#pragma once
// The one road of a finished measurement into the grid: its values in a grid row, the
// record beside it, the counters advanced, the automatic save and the full-grid rule.

namespace Mstat {
// One measured value of a click measure (segments, spores, cystidia, polygons); reads
// LongueurPixels, or ValeursLigne(1) in density mode.
void Ajoute_Ligne_Grille_Mesure();
// The row set-up of the count, density and surface measures, followed by
// BGr::Inscrit_mesure_grille, which writes the values.
void Ajoute_Ligne_Grille();
// One sampled colour zone: RVBMesure, LabCouleur and TailleZone.
void Ajoute_Ligne_Grille_Couleur();
} // namespace Mstat

namespace BGr {
// Writes the values of the count, density, triangle and polygon functions.
void Inscrit_mesure_grille();
// A click on the picture while counting: button 1 left, 2 right.
void Clic_comptage(short bouton, short shift, float x, float y);
} // namespace BGr

namespace Gen {
// Saves the grid as "TrameSav.trm" in the data folder; on failure tells the user
// (entry 144 with the path). Returns whether the file was written.
bool Sauve_trame_auto();
} // namespace Gen
