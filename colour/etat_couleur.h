#pragma once
// What the grid and settings parts read of the colour measurement.
#include <QString>

inline QString FicCoulRef;           // default name offered by the chart save dialog
inline short SauveNuancier = 0;      // a colour chart waits to be written from the grid
inline short SauveScanner = 0;       // a scanner calibration waits to be written
inline float RVBMesure[4] = {};      // 1 to 3: mean R, V, B of the sampled zone
inline float LabCouleur[4] = {};     // 1 to 3: L*, a*, b* of the sampled zone
inline short TailleZone = 0;         // side of the sampled zone, pixels
inline short EtalonCouleur = 0;      // the colour standard file is applied (settings key FETALONCOULEUR)
inline short NbMesuresEtalon = 0;    // rows of the colour standard file loaded
inline short NbMesuresScanner = 0;   // rows of the scanner file loaded
