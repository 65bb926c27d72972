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

// --- Recording, deciles and function switching
inline double ValeursEtapes[7] = {};     // 1 to 6: values in microns of the steps of the row being filled
inline QString NomFonction;              // title of the current function

// Order statistics of the result columns 1 to 8 (element 0 unused).
inline double EffectifCol[9] = {};       // usable values N
inline double Decile1Col[9] = {};        // D1
inline double MedianeCol[9] = {};        // median
inline double Decile9Col[9] = {};        // D9
