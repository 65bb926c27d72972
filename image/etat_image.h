#pragma once
// What the grid and statistics parts read of the image handling.
#include <QString>

#include "grid/liste.h"

inline QString NomImageActive;       // full path of the image shown, empty when none
inline short IndexImageActive = 0;   // 1-based index in ListIMGchar of the image shown
inline double EchelleAffichage = 0;  // base picture width / picture scale width
inline short ImageMC[51] = {};       // multilayer flag per image
inline QString RepAncien;            // image folder before the last search

inline Liste ListIMGchar;            // full paths of the loaded images (at most 50)
inline Liste ListImgAff;             // displayed image names
inline Liste ListImgIdx;             // entry k holds the text of k
inline Liste ListImgMC;              // images of the multilayer group
inline short EpaisseurTrait = 0;     // line thickness of annotations: 1, 2 or 5
inline short FonctionRep = 0;        // what the folder pane was opened for (0 load images)
