#pragma once
// The measurement file ".trm" written as text from what it holds: a pure function of
// its inputs, so that the lines can be built and checked without a grid or a window.
// Gen::Lignes_trame gathers the inputs from the grid, the records and the view.
#include <QStringList>
#include <vector>

#include "grid/etat_grille.h"

namespace Trm {

struct Contenu {
    bool indResolution = false;     // "INDPRES=True" when lengths follow the resolution
    int tailleGrille = 256;         // "NBLGMAX"
    int fonction = 0;               // "FONCTION"
    std::vector<double> calibrages; // images 1, 2, ...: one calibration line each
    float largeurEcran = 0;         // "RESH": the screen's width in pixels
    float largeurImage = 0;         // "PCTSW": the view's picture width (its scale width)
    QStringList images;             // image paths; the images without one are written blank
    QString extraits;               // the extract line "EXTRAITS= " when not empty
    QStringList commentaires;       // one per row; line breaks become blanks
    std::vector<LigneTrame> lignes; // the record of each row
    int valeurs = 0;                // values per row whose points are written (0 to 16)
};

// The file's lines, rows numbered 1, 2, ... in the file.
QStringList Lignes_fichier(const Contenu& contenu);

} // namespace Trm
