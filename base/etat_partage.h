#pragma once
// The picture side's state that the grid and the statistics parts read too: the view
// and its images (owned by the image handling), the calibration and the measure under
// way (owned by the measuring), the colour just sampled (owned by the colour part).
#include <cmath>

#include "base/etat_struct.h"
#include "base/liste.h"

using DrapeauxImages = TableauFixe<short, 51>;      // 0 to 50, one per list index
using FacteursImages = TableauFixe<double, 51>;     // 0 a copy of the current factor, 1 to 50 per image
using ValeursCouleur = TableauFixe<float, 4>;       // 1 to 3

#define CHAMPS_ETAT_VUE(X)                                                                       \
    X(QString, NomImageActive)           /* full path of the image shown, empty when none */      \
    X(short, IndexImageActive, 0)        /* image number (1-based) of the image shown */          \
    X(double, EchelleAffichage, 0)       /* base picture width / picture scale width */           \
    X(DrapeauxImages, ImageMC)           /* by list index: -1 in the multilayer group, else 0 */  \
    X(Liste, ListIMGchar, Liste::Multiple) /* full paths of the loaded images (at most 50) */     \
    X(Liste, ListImgAff)                 /* displayed image names */                              \
    X(Liste, ListImgIdx)                 /* the list index of each group entry, as text */        \
    X(Liste, ListImgMC)                  /* images of the multilayer group */                     \
    X(int, OrigineX, 0)                  /* offset of the displayed part of the image */          \
    X(int, OrigineY, 0)                                                                           \
    X(double, RapportZoom, std::sqrt(1.4142136)) /* zoom ratio per level */                       \
    X(short, NiveauZoom, 0)                                                                       \
    X(double, FacteurZoom, 1.0)          /* RapportZoom ^ NiveauZoom */                           \
    X(short, ZoomActif, -1)              /* the view follows zoom and offsets */                  \
    X(double, DiviseurEchelle, 1.0)      /* display divisor of calibrated lengths */              \
    X(double, RapportVue, 0)             /* window width / screen width, set by the layout */

ETAT_GROUPE(EtatVue, etat_vue, CHAMPS_ETAT_VUE)
#define ETAT_INSTANCE_COURANTE etat_vue
CHAMPS_ETAT_VUE(ETAT_REFERENCE_CHAMP)
#undef ETAT_INSTANCE_COURANTE

#define CHAMPS_ETAT_MESURE_PARTAGE(X)                                                            \
    X(double, CalibrageActuel, 1.0)      /* microns per unit of measured length */                \
    X(FacteursImages, CalibrageImage)    /* microns per pixel of each image */                    \
    X(double, KZoomCal, 1.0)             /* length factor of the resolution option */             \
    X(short, IndResolution, 0)           /* calibration independent of the image resolution */    \
    X(short, ModeCalibrage, 0)           /* calibration pointing under way */                     \
    X(short, TypeCalibrage, 0)                                                                    \
    X(short, NbMesuresCalibrage, 0)                                                               \
    X(short, DecimalesAuto, 0)           /* the calibration chooses the number of decimals */     \
    X(short, InitFaite, -1)              /* the picture accepts measuring clicks */               \
    X(short, ModePoly, 0)                /* "Poly" ticked: lengths are measured as chains */      \
    X(short, ModeComptage, 0)            /* count mode on */                                      \
    X(short, ModeDensite, 0)                                                                      \
    X(short, ImageRestauree, 0)                                                                   \
    X(short, ChoixPopSegment, 0)                                                                  \
    X(short, PolygoneCercles, 0)                                                                  \
    X(short, ModePolygone, 0)            /* a polygon is being measured */                        \
    X(int, LongueurPixels, 0)            /* length just measured, image pixels (32 bits) */       \
    X(double, LongueurPolygone, 0)       /* a closed chain's length in microns, its first value */

ETAT_GROUPE(EtatMesurePartage, etat_mesure_partage, CHAMPS_ETAT_MESURE_PARTAGE)
#define ETAT_INSTANCE_COURANTE etat_mesure_partage
CHAMPS_ETAT_MESURE_PARTAGE(ETAT_REFERENCE_CHAMP)
#undef ETAT_INSTANCE_COURANTE

#define CHAMPS_ETAT_COULEUR_MESUREE(X)                                                           \
    X(ValeursCouleur, RVBMesure)         /* 1 to 3: mean R, V, B of the sampled zone */           \
    X(ValeursCouleur, LabCouleur)        /* 1 to 3: L*, a*, b* of the sampled zone */             \
    X(short, TailleZone, 0)              /* half the sampled square's side, pixels: 2 to 64 */    \
    X(short, SauveNuancier, 0)           /* a colour chart waits to be written from the grid */   \
    X(short, SauveScanner, 0)            /* a scanner calibration waits to be written */

ETAT_GROUPE(EtatCouleurMesuree, etat_couleur_mesuree, CHAMPS_ETAT_COULEUR_MESUREE)
#define ETAT_INSTANCE_COURANTE etat_couleur_mesuree
CHAMPS_ETAT_COULEUR_MESUREE(ETAT_REFERENCE_CHAMP)
#undef ETAT_INSTANCE_COURANTE
