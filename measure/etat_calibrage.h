#pragma once
// The calibration's own state: the panel's last step, the length of the pointing whose
// value the dialog waits for (its cell is kept by the grid, which follows its row), the
// objective standard's first measure, and the coefficient kept while the correction frame
// is open.
#include "base/etat_struct.h"

#define CHAMPS_ETAT_CALIBRAGE(X)                                                                 \
    X(short, EtapeCalibrage, 0)          /* last step of the calibration panel */                 \
    X(int, LongueurPointage, 0)          /* its length in units of measured length */            \
    X(short, EtalonPremierFait, 0)       /* the objective standard's first measure is validated */\
    X(int, EtalonLongueur, 0)            /* that measure's length in units */                     \
    X(double, EtalonValeur, 0)           /* the standard's known length typed for it */           \
    X(double, EtalonCoefficient, 0)      /* the coefficient that measure gave */                  \
    X(double, CalibrageAvantCorrection, 0) /* the coefficient when the correction frame opened */ \
    X(double, CalCorrection, 0)          /* shown by the correction step; nothing assigns it */

ETAT_GROUPE(EtatCalibrage, etat_calibrage, CHAMPS_ETAT_CALIBRAGE)
#define ETAT_INSTANCE_COURANTE etat_calibrage
CHAMPS_ETAT_CALIBRAGE(ETAT_REFERENCE_CHAMP)
#undef ETAT_INSTANCE_COURANTE
