#pragma once
// The grid's counters, the per-function values and the measurement records.
#include <QString>
#include <cstdint>

inline short NumFonction = 0;        // current measurement function; 0 a pasted or imported table
inline short NbLignesGrille = 0;     // next grid row to fill = filled rows + 1
inline short EtapeMesure = 0;        // value column being filled in the current row
inline short PointEnCours = 0;       // next point of the item under construction
inline short NbValeursLigne = 0;     // values per grid row, at most 16
inline short CapacitePoints = 0;     // click pairs that complete one item
inline short NbColonnesStat = 0;     // result columns of the current function
inline short FinClicDroit = 0;       // the right button ends a multi-segment item
inline short LigneDerniereMesure = 0, EtapeDerniereMesure = 0;
inline double ValeursLigne[7] = {};  // work values of the current row

// The two clicked points behind one value, in image pixels.
struct SegmentTrame {
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The record kept beside each grid row.
struct LigneTrame {
    SegmentTrame Segments[17];
    std::int16_t Image = 0;          // image index when the row was recorded
    std::int16_t Zoom = 0;           // zoom level when the row was recorded
    QString Texte;
};

inline constexpr int TableMesuresMax = 256;
inline LigneTrame TableMesures[TableMesuresMax + 1];

// Checked access to a record: an index above 256 raises the array's bounds error.
LigneTrame& Trame(int ligne);

// The extract of the statistics window: row numbers in ascending order, each followed by ";".
inline QString ExtraitListe;
