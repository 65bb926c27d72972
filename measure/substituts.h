#pragma once
// Procedures the routing and the dispatcher call whose own work comes with later parts of
// the program: triangles and polygons, counting and density surfaces. Each
// stands here with its interface and does nothing, so that the routing runs in full.

namespace Mstat {
// A click of the triangle measure (view point, button, press 1 / release 0).
void Mesure_Angle(int X, int Y, short& Button, short press);
// A click of the polygon measure.
void Mesure_Polygone(int X, int Y, short& Button, short press);
// Numbers a count mark at the view point.
void Numerote_Point(int X, int Y);
} // namespace Mstat

namespace PGr {
// A click of the density surface (ellipse or rectangle).
void Mesure_surface(short& EtapeMesure, int X, int Y, short& Button, short Appui);
} // namespace PGr

// The annotation dialogues the routing calls.
#include "image/annotations.h"
