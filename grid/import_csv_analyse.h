#pragma once
// A results report (or any file laid out like it) read as text: the function its
// "Fonction :" line names and the cells of its list, as the grid takes them. Nothing
// here touches the grid; Gen::Lit_csv applies what this reading gives.
#include <QList>
#include <QStringList>
#include <vector>

#include "base/analyse.h"

namespace Csv {

// A function a report may name: its title as the message tables give it in the
// language in use, its code, and its grid's column count (row number included).
struct Fonction {
    QString titre;
    short code;
    int colonnes;
};

// Rows after the title row that a list may bring: the largest grid's measurement rows.
inline constexpr int LignesImportMax = 255;

struct Lecture {
    short code = 0;      // the function named, 0 for none
    int colonnes = 8;    // the grid's columns: the function's, its title row's, or 8
    QList<QStringList> liste;  // the title row, then the rows, each cut to `colonnes` cells
    Analyse::Problemes problemes;
};

// Reads the lines of a report (without their line ends): the list runs from the line
// after its key line ("LISTE=", the one after the count line "N mesures" when there is
// one) to the first line whose cells are all blank, or the end of the file. A function title on the first "Fonction :" line gives the grid that
// function's columns (the last title found on the line decides); a report of another
// function keeps the columns of its title row.
Lecture Analyse_csv(const QStringList& lignes, const std::vector<Fonction>& fonctions);

} // namespace Csv
