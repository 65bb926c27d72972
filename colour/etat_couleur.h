#pragma once
// The colour part's own state: its chart, standard and scanner files, the chart in
// memory, the values read from the standard and scanner files and the correction curves
// built from them. Flags hold 0 (False) or -1 (True).
#include "base/etat_struct.h"
#include "colour/lecture_couleur_analyse.h"

// Rows 1 to 255 of a standard or scanner file: column 1 the line number, columns 2 to 10
// fields 1 to 9 of the line.
using TableMesuresRef = TableauFixe<TableauFixe<double, 11>, 256>;
// The correction points of the three channels, [point][channel 1 to 3]: point 0 is (0, 0),
// points 1 to N the measured pairs, point N + 1 (255, 255); 255 measured lines fit.
template <class T>
using TablePointsCorrection = TableauFixe<TableauFixe<T, 4>, 257>;

#define CHAMPS_ETAT_COULEUR(X)                                                                   \
    X(QString, FicNuancier)              /* the chart's path */                                   \
    X(QString, FicEtalon)                /* standard file: a bare name lies in the program folder */ \
    X(QString, FicScanner)               /* scanner file: a bare name lies in the program folder */ \
    X(short, IndexZoneCouleur, 3)        /* zone-size menu item, 1 to 6 */                        \
    X(short, CorrectionPrete, 0)         /* the curves are built for the current pair of files */ \
    X(QString, FicCoulRef)               /* default name offered by the chart save dialog */      \
    X(short, EtalonCouleur, 0)           /* the colour standard file is applied */                \
    X(short, NbMesuresEtalon, 0)         /* NBMESURES of the standard file */                     \
    X(short, NbMesuresScanner, 0)        /* NBMESURES of the scanner file */                      \
    X(short, NbPointsCorrection, 0)      /* value lines of the last standard or scanner reading */ \
    X(TableMesuresRef, MesuresEtalon)                                                             \
    X(TableMesuresRef, MesuresScanner)                                                            \
    X(short, NuancierOK, 0)              /* the settings' chart was read at the last start */     \
    X(short, PointsConstruits, 0)        /* N of the curves built; 0: no curve to apply */        \
    X(TablePointsCorrection<short>, NumeroLigne)     /* line of the files behind each point */    \
    X(TablePointsCorrection<double>, ValeurScanner)  /* abscissa: the scanner's value */          \
    X(TablePointsCorrection<double>, ValeurEtalon)   /* ordinate: the standard's value */        \
    X(short, LigneComparee, 0)           /* grid row the adjustment window compares: the last filled */ \
    X(short, EtatAjustement, 0)          /* set to 0 when the adjustment window loads */

ETAT_GROUPE(EtatCouleur, etat_couleur, CHAMPS_ETAT_COULEUR)
#define ETAT_INSTANCE_COURANTE etat_couleur
CHAMPS_ETAT_COULEUR(ETAT_REFERENCE_CHAMP)
#undef ETAT_INSTANCE_COURANTE

// Swatch s (1 to NbCouleurs): columns 1, 2, 3 R, V, B; 4, 5, 6 L*, a*, b*.
using TableNuancier = TableauFixe<TableauFixe<float, 7>, NbCouleursMax + 1>;
using NomsNuances = TableauFixe<QString, NbCouleursMax + 1>;

#define CHAMPS_NUANCIER(X)                                                                       \
    X(TableNuancier, TabNuancier)                                                                 \
    X(NomsNuances, NomsNuancier)                                                                  \
    X(short, NbCouleurs, 0)              /* swatches of the chart, 0 when none */                 \
    X(short, NuancierLu, 0)              /* a chart file has been read */                         \
    X(short, CalibrageCol, 0)            /* the chart was measured with the correction on */

ETAT_GROUPE(Nuancier, nuancier, CHAMPS_NUANCIER)
#define ETAT_INSTANCE_COURANTE nuancier
CHAMPS_NUANCIER(ETAT_REFERENCE_CHAMP)
#undef ETAT_INSTANCE_COURANTE
