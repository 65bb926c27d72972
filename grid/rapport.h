#pragma once
// The results report: the grid, its statistics, its deciles and the results text in one
// ";"-separated file that a spreadsheet opens and the CSV import reads back; and the
// copies of the results to the clipboard.
#include <QString>

#include "grid/etat_grille.h"

namespace Gen {

// Writes the report. Mode 0 writes again over the report named after the current image
// in the data folder (which must exist); mode 1 asks for the file. Cancel in the dialog
// or at the overwrite question writes nothing and shows nothing; a failed write leaves
// the old file whole and shows "erreur fichier" with the path.
void Exporte_resultats(short mode);
// The report's text as the export writes it, with its separator ("; " or tab and ";").
QString Texte_rapport();
// Puts the results text on the clipboard.
void Copie_texte_resultats();
// Rebuilds the results panel and puts its whole text on the clipboard.
void Copie_resultats_affiches();

} // namespace Gen
