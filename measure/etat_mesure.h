#pragma once
// What the grid and statistics parts read of the measuring and calibration.

inline double CalibrageImage[51] = {};  // microns per pixel of each image; 0 a copy of the current one
inline short TypeCalibrage = 0;
inline short NbMesuresCalibrage = 0;
inline short ModeDensite = 0;
inline short ChoixPopSegment = 0;
inline short PolygoneCercles = 0;
inline short ModePolygone = 0;          // a polygon is being measured (set again by reading a polygon file)
inline short LongueurPixels = 0;        // length just measured, image pixels
inline int VitesseSouris = 0;           // mouse speed saved at load, restored on leaving
inline short ModeTriangle = 0;          // a triangle is being measured
inline short ComptageEnCours = 0;       // a count has been stored in the row being filled
inline short ClicArme = 0;              // the next click on the picture counts
