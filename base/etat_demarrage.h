#pragma once
// State set by the measuring window's load and the start-up routine.
#include "base/etat_struct.h"

// The application folder: the executable's, unless a test points it elsewhere. It is
// where the program lives, not a state of the program, so the reset leaves it.
inline QString DossierApplication;
QString Dossier_application();

#define CHAMPS_ETAT_DEMARRAGE(X)                                                                 \
    X(QString, RepImage)                 /* image folder */                                       \
    X(QString, RepData)                  /* data folder */                                        \
    X(QString, RepProg)                  /* program folder */                                     \
    X(QString, NomUtilisateur)           /* shown in the measuring window's caption */            \
    X(short, ToucheModeVue, 0)                                                                    \
    X(short, ModeStatSeul, 0)            /* statistics-only mode, set for the whole run */        \
    X(short, ActivationFaite, 0)         /* the measuring window was activated once */            \
    X(short, DocPdfPrete, 0)             /* the help document is ready to open */

ETAT_GROUPE(EtatDemarrage, etat_demarrage, CHAMPS_ETAT_DEMARRAGE)
#define ETAT_INSTANCE_COURANTE etat_demarrage
CHAMPS_ETAT_DEMARRAGE(ETAT_REFERENCE_CHAMP)
#undef ETAT_INSTANCE_COURANTE
