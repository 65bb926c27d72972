#pragma once
// The thumbnail `VignP`, which shows the whole picture with the part the view shows
// framed, and the magnifier `PLoupePic`, which enlarges the view around the pointer.
//
// After each drawing the thumbnail's horizontal unit is the twip and its vertical scale
// spans ScaleWidth / RapportImage, so a thumbnail point (tx, ty) is the image point
// (tx, ty) x W_T / VignP.Width.

namespace BGr {

// Paints the whole picture into the thumbnail, `w` twips wide; the two first arguments
// are not used. The rectangle drawn afterwards is transient: the next drawing wipes it.
void Trace_vignette(short a, short b, int w);
// Frames on the thumbnail, at (x, y), the part of the picture the view shows.
void Calcule_rectangle_vignette(int x, int y);
void Rectangle_vignette(int x, int y, int w, int h);
// A press on the thumbnail at (X, Y) (thumbnail units) brings that point of the picture
// to the view's top-left corner.
void Clic_vignette(short Button, short Shift, float X, float Y);

// Paints into the magnifier the square of the view around the view point (X, Y), then
// its cross; nothing while the magnifier is hidden or held still.
void Actualise_loupe(double X, double Y);
// The cross over the whole magnifier, centred on (x, y) of its twips, in the first
// drawing colour merged with the inverse of the picture.
void Croix_loupe(int x, int y);

} // namespace BGr
