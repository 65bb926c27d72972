#pragma once
// The grid's counters, the per-function values, the measurement records, the extract
// and the comment frame's modes.
#include <cstdint>

#include "base/etat_struct.h"

// The two clicked points behind one value, in image units. Some functions keep other
// whole numbers in these fields (a polygon's surface and perimeter x 1000, counts), which
// outgrow 32 bits on a large object: the fields are 64 bits.
struct SegmentTrame {
    std::int64_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const SegmentTrame&) const = default;
};

// The record kept beside each grid row.
struct LigneTrame {
    SegmentTrame Segments[17];
    std::int16_t Image = 0;          // image index when the row was recorded
    std::int16_t Zoom = 0;           // zoom level when the row was recorded
    // The entries of the file line a colour row was read from, which it is written back
    // with; 0 for a row measured here.
    std::int16_t EntreesLues = 0;
    // The row came with its values alone (a CSV import): there are no points to work them
    // out from again, so nothing may reread the row or save it as points.
    bool ValeursSeules = false;
    QString Texte;
    bool operator==(const LigneTrame&) const = default;
};

inline constexpr int TableMesuresMax = 256;
// A colour row keeps its values in the two entries of its record from this one on, past
// every point a colour row has, so that a measurement file gives them back.
inline constexpr int EntreeCouleur = 7;

using ValeursSept = TableauFixe<double, 7>;           // 1 to 6
using ValeursColonnes = TableauFixe<double, 9>;       // 1 to 8
using TableTrames = TableauFixe<LigneTrame, TableMesuresMax + 1>;

#define CHAMPS_ETAT_GRILLE(X)                                                                    \
    X(short, NumFonction, 0)             /* current measurement function; 0 a pasted table */     \
    X(short, NbLignesGrille, 1)          /* next grid row to fill = filled rows + 1 */            \
    X(short, EtapeMesure, 1)             /* value column being filled in the current row */       \
    X(short, PointEnCours, 0)            /* next point of the item under construction */          \
    X(short, NbValeursLigne, 0)          /* values per grid row, at most 16 */                    \
    X(short, CapacitePoints, 0)          /* click pairs that complete one item */                 \
    X(short, NbColonnesStat, 0)          /* result columns of the current function */             \
    X(short, FinClicDroit, 0)            /* the right button ends a multi-segment item */         \
    X(short, LigneDerniereMesure, 0)                                                              \
    X(short, EtapeDerniereMesure, 0)                                                              \
    X(short, LignePointage, 0)           /* row of the calibration pointing awaiting its value, 0 none */ \
    X(short, EtapePointage, 0)           /* its value column */                                   \
    X(double, LargeurInconnue, 0)        /* extent (HIMETRIC) given to rows' pictures that cannot be read; 0 none yet */ \
    X(long, PixelsInconnus, 0)           /* and their width in pixels */                          \
    X(ValeursSept, ValeursLigne)         /* work values of the current row */                     \
    X(TableTrames, TableMesures)         /* the record of each grid row */                        \
    X(QString, ExtraitListe)             /* extract rows in ascending order, each followed by ";" */ \
    X(ValeursSept, ValeursEtapes)        /* values in microns of the steps of the row being filled */ \
    X(QString, NomFonction)              /* title of the current function */                      \
    X(ValeursColonnes, EffectifCol)      /* usable values N of result columns 1 to 8 */           \
    X(ValeursColonnes, Decile1Col)       /* D1 */                                                 \
    X(ValeursColonnes, MedianeCol)       /* median */                                             \
    X(ValeursColonnes, Decile9Col)       /* D9 */                                                 \
    X(short, ModeCommentaire, 0)         /* the grid is being commented, row after row */         \
    X(short, SaisieCommentaire, 0)       /* the frame holds the comment line of the report */     \
    X(QString, FichierResultats)         /* the comment line of the last report */

ETAT_GROUPE(EtatGrille, etat_grille, CHAMPS_ETAT_GRILLE)
#define ETAT_INSTANCE_COURANTE etat_grille
CHAMPS_ETAT_GRILLE(ETAT_REFERENCE_CHAMP)
#undef ETAT_INSTANCE_COURANTE

// Checked access to a record: an index above 256 raises the array's bounds error.
LigneTrame& Trame(int ligne);
