#pragma once
// State set by the measuring window's load and the start-up routine.
#include <QString>

// The application folder: the executable's, unless a test points it elsewhere.
inline QString DossierApplication;
QString Dossier_application();

inline QString RepImage, RepData, RepProg;  // image, data and program folders
inline QString NomUtilisateur;              // shown in the measuring window's caption
inline double DiviseurEchelle = 0;          // display divisor of calibrated lengths
inline short ToucheModeVue = 0;
inline short ModeStatSeul = 0;              // statistics-only mode, set for the whole run
inline short ActivationFaite = 0;           // the measuring window was activated once
inline short DocPdfPrete = 0;               // the help document is ready to open
