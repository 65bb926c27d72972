#pragma once
// The colour part's own state: its chart, standard and scanner files and the zone size.
#include "base/etat_struct.h"

#define CHAMPS_ETAT_COULEUR(X)                                                                   \
    X(QString, FicNuancier)                                                                       \
    X(QString, FicEtalon)                                                                         \
    X(QString, FicScanner)                                                                        \
    X(short, IndexZoneCouleur, 3)                                                                 \
    X(short, CorrectionPrete, 0)                                                                  \
    X(QString, FicCoulRef)               /* default name offered by the chart save dialog */      \
    X(short, EtalonCouleur, 0)           /* the colour standard file is applied */                \
    X(short, NbMesuresEtalon, 0)         /* rows of the colour standard file loaded */            \
    X(short, NbMesuresScanner, 0)        /* rows of the scanner file loaded */

ETAT_GROUPE(EtatCouleur, etat_couleur, CHAMPS_ETAT_COULEUR)
#define ETAT_INSTANCE_COURANTE etat_couleur
CHAMPS_ETAT_COULEUR(ETAT_REFERENCE_CHAMP)
#undef ETAT_INSTANCE_COURANTE
