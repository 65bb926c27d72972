#pragma once
// The measurement file ".trm" read as text: the keys, blocks and rows it holds, in file
// order, and the lines found unsound. Nothing here touches the grid or the records;
// Gen::Lit_trame applies what this reading gives.
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

#include "base/analyse.h"

namespace Trm {

// What the reading depends on besides the text: the grid's rows and size when the
// reading starts. The file's own "NBLGMAX" and "FONCTION" lines resize the grid as the
// reading goes, and the rows a row block may bring follow that size.
struct Contexte {
    int lignesGrille = 257;  // rows of the grid, title row included
    int tailleGrille = 256;  // the grid size in use (64, 128 or 256)
};

// One row line: its record's zoom level and image (16 bits), then the fields of its
// values, four per value (64 bits: coordinates, and the whole numbers some functions keep
// there); a field that is not a whole number of its range is empty, and the fields stop
// where the line's ";" do.
struct LigneLue {
    int ligne = 0;  // line in the file
    int rang = 0;   // grid row, from 1
    std::optional<std::int16_t> zoom, image;
    std::vector<std::optional<std::int64_t>> points;
};

struct Commentaire {
    int rang;  // grid row, from 1
    QString texte;
};

enum class Cle {
    Indpres,       // entier: -1 for a file of the resolution mode, 0 otherwise
    NbLgMax,       // entier: the grid size, taken at once
    Fonction,      // entier: the measuring function
    Calibrage,     // reels: the calibrations of images 1, 2, ... (at most 50)
    Pctsw,         // reel: the picture width the file was saved with; entier: its image count
    Images,        // textes: the image paths, a blank line keeping its place (at most 50)
    Commentaires,  // commentaires
    Lignes,        // lignes: the row block
};

struct Element {
    Cle cle;
    int ligne = 0;  // the key's line
    long long entier = 0;
    double reel = 0;
    std::vector<double> reels;
    QStringList textes;
    std::vector<Commentaire> commentaires;
    std::vector<LigneLue> lignes;
};

struct Lecture {
    std::vector<Element> elements;
    Analyse::Problemes problemes;
};

// Reads the lines of a measurement file (without their line ends).
Lecture Analyse_trame(const QStringList& lignes, const Contexte& contexte = {});

// The coordinates a row line may give: 16 values of 4 coordinates.
inline constexpr int PointsMax = 64;
// The rows the records can hold (TableMesuresMax - 1): the largest grid's measurement rows.
inline constexpr int LignesMax = 255;

} // namespace Trm
