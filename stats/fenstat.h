#pragma once
// Small figures over one column of a grid of measurements for the statistics window,
// and the rounding of an axis length. The column helpers read the grid they are given
// and move its current cell as they read (column = the column asked for, row = the last
// row read). Cells are read with Gen::Val_decimal, so a decimal comma is accepted and
// a text that is no number counts as 0. A column outside the grid raises the grid's
// error.
#include <QString>

class Grille;

namespace Fenstat {

// Number of rows 1..Rows - 1 of the column whose value is not 0.
int Nb_Valeurs_Colonne(Grille& grille, int colonne);
// Smallest and largest value of the column over rows 1..N, N being the count of
// column 1; empty cells are skipped. Without a usable cell: 999999999 and 0.
double Min_Colonne(Grille& grille, int colonne);
double Max_Colonne(Grille& grille, int colonne);

// 10^k for the order of magnitude of x (x is divided by 10 while above 10), and x cut
// to one significant digit. Both are 16-bit: 0 when the result does not fit or x is not
// a finite number.
short Puissance10(double x);
short Arrondi_Un_Chiffre(double x);

// A figure of a result written with its pattern ("0.##"), or as Vb::CStr writes it when
// the pattern would show more than the 15 significant digits a double holds: a mean of
// 1E+300 is no integer of 300 digits.
QString Format_resultat(double valeur, const QString& motif);

} // namespace Fenstat
