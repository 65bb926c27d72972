#pragma once
// The image handling's own state: the folder pane and the purge, the zoom steps, thumbnail
// and magnifier sizes, the drawing colours, the view keys, annotations, the reference
// picture and the width the loaded pictures are compared with.
#include "base/etat_struct.h"

using CouleursDessin = TableauFixe<long, 3>;        // 0 to 2, palette indexes
using IndexImages = TableauFixe<short, 51>;         // loader list indexes, -1 after the last
using PointReference = TableauFixe<double, 3>;      // 1 and 2: x, y on the full-size copy

// A list of loader indexes holding none.
inline IndexImages Aucune_image() {
    IndexImages l;
    l.fill(-1);
    return l;
}

#define CHAMPS_ETAT_IMAGE(X)                                                                     \
    X(QString, RepAncien)                /* image folder before the last search */                \
    X(short, EpaisseurTrait, 0)          /* line thickness of annotations: 1, 2 or 5 */           \
    X(short, FonctionRep, 0)             /* what the folder pane was opened for (0 load images) */\
    X(short, LargeurVignette, 2500)                                                               \
    X(short, TailleLoupeEcran, 3000)                                                              \
    X(short, DemiLoupeEcran, 1500)                                                                \
    X(short, ZoneLoupe, 1000)                                                                     \
    X(short, DemiZoneLoupe, 500)                                                                  \
    X(short, LoupeFigee, 0)                                                                       \
    X(short, LoupeVisible, -1)                                                                    \
    X(short, PasZoom, 1)                 /* zoom levels a button moves, 1 or 2 */                 \
    X(short, NiveauZoomInitial, 0)       /* the level "Z1" returns to: -2 x PasZoom at the load */\
    X(double, RapportImage, 0)           /* the picture's width over its height (extents) */     \
    X(CouleursDessin, CouleursTrace, 12, 10) /* drawing colours, as 16-colour palette indexes */  \
    X(short, AutoRetrace, -1)            /* changes of view redraw the recorded measurements */   \
    X(int, ClicX, 0)                     /* last press of the annotations and the magnifier key */\
    X(int, ClicY, 0)                                                                              \
    X(int, RelacheX, 0)                  /* release that ends the scale-bar drag */               \
    X(int, RelacheY, 0)                                                                           \
    X(short, IllusReferenceValeur, 0)    /* the scale bar's value is being entered */             \
    X(short, IllusReferenceOrientee, 0)  /* the oriented scale bar waits for its drag */          \
    X(short, EtatSaisie, 0)              /* step of the annotation dialogue */                    \
    X(short, ToucheZoom, 0)                                                                       \
    X(short, ToucheDeplacement, 0)                                                                \
    X(short, ModeDeplace, 0)                                                                      \
    X(short, IllusTexte, 0)                                                                       \
    X(short, IllusReference, 0)                                                                   \
    X(short, ReferenceSurImage, 0)                                                                \
    X(short, ImageRefPrete, 0)           /* Picture2 holds the copy of the picture shown */       \
    X(float, LongueurRef, 0)             /* the scale bar's length in microns */                  \
    X(PointReference, PointImageReference) /* the clicked point on Picture2; x = -1 a failure */  \
    X(QString, SourceAcquisition)        /* the scanner chosen, empty for the first one found */  \
    X(QString, NomImageReference)        /* the reference picture's name; nothing assigns it */   \
    X(QStringList, TabExtImage, QStringList{QStringLiteral("BMP"), QStringLiteral("JPG")})        \
    X(short, FormatImage, 0)             /* save format of pictures: 0 BMP, 1 JPG */              \
    X(short, LargeurRefAbsente, -1)      /* no picture opened or pasted yet */                    \
    X(int, LargeurRef, 0)                /* width in pixels of the first picture opened or pasted */\
    X(IndexImages, ImagesInutilisees, Aucune_image()) /* the loader index of each purge line */  \
    X(QStringList, CheminsInutilises)    /* the path of each purge line, as it was listed */      \
    X(IndexImages, ImagesAEffacer, Aucune_image())    /* the loader indexes to remove, ascending */

ETAT_GROUPE(EtatImage, etat_image, CHAMPS_ETAT_IMAGE)
#define ETAT_INSTANCE_COURANTE etat_image
CHAMPS_ETAT_IMAGE(ETAT_REFERENCE_CHAMP)
#undef ETAT_INSTANCE_COURANTE
