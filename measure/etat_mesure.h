#pragma once
// The measuring's own state: drawing flags, the item under way in view units, click
// tolerance, measuring styles, held keys and the pointer speed (the drawing colours are
// the image handling's, which draws with them too). View points are held in 32 bits, so
// that a wide view or a long axis never overflows.
#include "base/etat_struct.h"
#include "image/etat_image.h"

// One segment of the item under way, in view units: x1, y1, x2, y2.
using SegmentVue = TableauFixe<int, 4>;
enum : int { SegX1 = 0, SegY1 = 1, SegX2 = 2, SegY2 = 3 };
inline constexpr int SegmentsEcranMax = 20;
using SegmentsVue = TableauFixe<SegmentVue, SegmentsEcranMax + 1>;   // 0 to 20, entry = step

#define CHAMPS_ETAT_MESURE(X)                                                                    \
    X(short, TolClic, 30)                /* click tolerance, view units */                        \
    X(short, TraceOrigine, 0)            /* the item's origin is set */                           \
    X(short, TraceEnCours, 0)            /* a drag or rubber band is in progress */               \
    X(short, TraceLargeur, 0)                                                                     \
    X(short, TraceSecondPoint, 0)        /* the first release was a click: the next one ends */   \
    X(short, MesureBloquee, 0)           /* an item is being drawn: view keys refused */          \
    X(short, ModeDeuxAxes, -1)                                                                    \
    X(short, ModePalmer, 2)              /* 2: a width step follows the length; 1: length only */ \
    X(int, DemiGuideDefaut, 0)           /* half-extent in X of the width guide, by default */    \
    X(int, DemiGuide, 0)                 /* the same for the current axis; < 1 a vertical guide */\
    X(double, PenteSegment, 0)           /* slope of the current length axis */                   \
    X(double, DiviseurPied, 0)           /* PenteSegment + 1 / PenteSegment */                    \
    X(int, PointDepartX, 0)              /* origin of the segment being drawn, view units */      \
    X(int, PointDepartY, 0)                                                                       \
    X(int, DernierPointX, 0)             /* last vertex or foot point, view units */              \
    X(int, DernierPointY, 0)                                                                      \
    X(SegmentsVue, SegmentsEcran)        /* segments of the current item, view units */          \
    X(double, PerimetreTotal, 0)         /* running length of a chain, view units */              \
    X(short, NbSommets, 0)               /* vertices of the current triangle or polygon */        \
    X(int, VitesseSouris, 0)             /* mouse speed saved at load, restored on leaving */     \
    X(short, ModeTriangle, 0)            /* a triangle is being measured */                       \
    X(short, ComptageEnCours, 0)         /* a count has been stored in the row being filled */    \
    X(short, ClicArme, 0)                /* the next click on the picture counts */               \
    X(int, AppuiX, 0)                    /* last press outside the scale-bar drag */              \
    X(int, AppuiY, 0)                                                                             \
    X(short, RelacheIgnoree, 0)          /* the next release is ignored (chains) */               \
    X(short, ToucheAlt, 0)                                                                        \
    X(short, ToucheV, 0)                 /* V held: a click on the window moves the thumbnail */  \
    X(short, ToucheW, 0)                 /* W held: a click on the window moves the magnifier */  \
    X(short, ToucheE, 0)                 /* E held: a click ends a multi-segment item */          \
    X(short, ModeDeplaceBascule, 0)      /* Ctrl's latch of the hand mode */

ETAT_GROUPE(EtatMesure, etat_mesure, CHAMPS_ETAT_MESURE)
#define ETAT_INSTANCE_COURANTE etat_mesure
CHAMPS_ETAT_MESURE(ETAT_REFERENCE_CHAMP)
#undef ETAT_INSTANCE_COURANTE
