#pragma once
// The shell's shared settings and values, read by every part. Flags are 16-bit integers
// holding 0 (False) or -1 (True), as every reader expects.
#include "base/etat_struct.h"

#define CHAMPS_ETAT_PROGRAMME(X)                                                                 \
    X(short, StatDef, 3)                 /* default view of the statistics window (1 to 4) */     \
    X(QString, CodeLangue, QStringLiteral("fr")) /* language code: fr, it, es, de, en */          \
    X(QString, FormatDecimal, QStringLiteral("###0.00")) /* format pattern of measured values */  \
    X(short, MemoClesAffiche, 0)         /* the key memo is shown */                              \
    X(short, AvertissementAccepte, 0)                                                             \
    X(QString, FichierSource)            /* last measurement file read */                         \
    X(QString, ExtExport, QStringLiteral("csv")) /* extension of results exports */               \
    X(short, TailleGrille, 256)          /* capacity of the measurement grid: 64, 128 or 256 */   \
    X(QString, SautLigne, QStringLiteral("\r\n")) /* line end of every result text and file */    \
    X(short, SauveAuto, 10)              /* automatic save every 0, 10 or 20 measurements */      \
    X(short, AutoPdms, -1)               /* the diagram also computes the dominant value */       \
    X(QString, FichierCSVImporte)                                                                 \
    X(short, PositionPanneau, 1)         /* position of the control panel around the view */

ETAT_GROUPE(EtatProgramme, etat_programme, CHAMPS_ETAT_PROGRAMME)
#define ETAT_INSTANCE_COURANTE etat_programme
CHAMPS_ETAT_PROGRAMME(ETAT_REFERENCE_CHAMP)
#undef ETAT_INSTANCE_COURANTE
