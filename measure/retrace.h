#pragma once
// The drawing of one recorded row of the grid onto the view, one procedure per family of
// functions. Each returns the stop flag: 1 ends the redraw after this row, 0 goes on.

namespace Retrace {

// Functions 1 to 6: every segment with its crosses, and its length or the row number.
short Trace_mesures(int r);
// Counts (10, 11): a cross and the row number at each counted point.
short Trace_comptage(int r);
// Densities (13 ellipse, 14 rectangle): the shape and the row number.
short Trace_densite(int r);
// Polygons (16): the centre's cross, the row number and the mark of the contour's style.
short Trace_surface(int r);
// Colour samples (20): the sampled square and the row number.
short Trace_couleur(int r);

} // namespace Retrace
