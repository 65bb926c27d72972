#pragma once
// Colour charts (".Nua"), scanner calibrations (".Scn") and colour standards (".Etl"):
// the pure readers of their lines, the steps that put what was read into the chart and
// the tables, the writer of a chart or scanner file from the grid, and their dialogs.
#include <QDateTime>
#include <QString>
#include <QStringList>

#include "colour/etat_couleur.h"
#include "colour/lecture_couleur_analyse.h"

class Grille;

namespace Vistrane {

// --- where the files lie
// A standard or scanner file as stored: a bare name lies in the program folder, a file
// chosen elsewhere keeps its full path. Empty stays empty.
QString Chemin_fichier_couleur(const QString& nom);
// The form to store for a chosen file: its bare name when it lies in the program folder.
QString Nom_fichier_couleur(const QString& chemin);

// --- chart
// Reads a chart file into the chart. A file without a value list is refused with
// message 230/231 and leaves the chart as it was; swatch lines that cannot be read (fewer
// than seven fields, past 256 swatches) are skipped and named once. Returns whether a
// value list was read.
bool Lit_Nuancier(const QString& chemin);

// --- standard and scanner files
// Reads a standard or scanner file into `table` and `compte`; returns the number of
// value lines read, also left in NbPointsCorrection (0 after a missing or faulty file).
int Lit_FichierRef(const QString& chemin, TableMesuresRef& table, short& compte);

// The standard and scanner open dialogs of the chart menu.
void Choix_Etalon();
void Choix_Scanner();

// --- writing a chart or a scanner file from the grid
// The file's lines: date, reference image, the header typed by the user, the grid's
// titles, CALIBRAGECOL, NBMESURES and one line per measured row. A ";" inside a cell is
// written "," and a line break a blank, so that no cell can shift the next ones.
QStringList Lignes_nuancier_scanner(const Grille& grille, int nbLignesGrille, const QString& entete,
                                    int calibre, const QDateTime& quand, const QString& nomImageReference);
// The template of a chart header, and the lines added before a scanner-file save.
QString Modele_entete_nuancier(const QString& nomImage, const QString& ficScanner, int calibre);
QString Lignes_entete_scanner();

// The clock of the file's first line; tests pin it (nullptr gives the system's back).
void Fixe_horloge(QDateTime (*horloge)());
QDateTime Maintenant();

} // namespace Vistrane

namespace BGr {
// The chart open dialog, then the reading; the path is kept only when a value list was read.
void Ouvre_nuancier();
// Opens the header frame of the pending chart or scanner save.
void Prepare_entete_nuancier();
// Asks for the file and writes the pending chart or scanner file; the pending flags are
// cleared unless a warning was refused.
void Ecrit_nuancier_scanner();
} // namespace BGr
