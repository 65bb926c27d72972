#pragma once
// The measuring's own state: drawing flags, click tolerance, measuring styles and the
// pointer speed (the drawing colours are the image handling's, which draws with them too).
#include "base/etat_struct.h"
#include "image/etat_image.h"

#define CHAMPS_ETAT_MESURE(X)                                                                    \
    X(short, TolClic, 30)                /* click tolerance, screen pixels */                     \
    X(short, TraceOrigine, 0)                                                                     \
    X(short, TraceEnCours, 0)                                                                     \
    X(short, TraceLargeur, 0)                                                                     \
    X(short, TraceSecondPoint, 0)                                                                 \
    X(short, ModeDeuxAxes, -1)                                                                    \
    X(short, ModePalmer, 2)              /* 2: a width step follows the length; 1: length only */ \
    X(short, DemiGuideDefaut, 0)                                                                  \
    X(short, DemiGuide, 0)                                                                        \
    X(int, VitesseSouris, 0)             /* mouse speed saved at load, restored on leaving */     \
    X(short, ModeTriangle, 0)            /* a triangle is being measured */                       \
    X(short, ComptageEnCours, 0)         /* a count has been stored in the row being filled */    \
    X(short, ClicArme, 0)                /* the next click on the picture counts */               \
    X(short, ToucheAlt, 0)                                                                        \
    X(short, ToucheV, 0)

ETAT_GROUPE(EtatMesure, etat_mesure, CHAMPS_ETAT_MESURE)
#define ETAT_INSTANCE_COURANTE etat_mesure
CHAMPS_ETAT_MESURE(ETAT_REFERENCE_CHAMP)
#undef ETAT_INSTANCE_COURANTE
