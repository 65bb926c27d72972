#pragma once
// The measuring: what a press, a release, a move or a key on the view does, the click
// dispatcher, the builders of segments, spores, cystidia and chains, and the geometry
// they share. View points are in view units (twips of Picture1), held in 32 bits.

namespace PGr {
// Abandons the item being drawn: the view comes back from ImageMem (unless annotations go
// to the reference copy), ImageRestauree is set and the drawing flags are cleared.
void Restaure_image();
// Clears TraceOrigine, TraceEnCours, TraceSecondPoint and TraceLargeur together.
void RAZ_etats_trace();
// Backspace and "<=": a point or vertex pending is abandoned alone, as Esc abandons it,
// and counts not yet recorded leave the count box; with neither, the last value or row
// recorded is undone (Tav::EffacE_1).
void Annule_point_ou_ligne();
// Distance in full-image pixels between two view points:
// |P1 P2| x FacteurZoom / DiviseurEchelle x KZoomCal.
double Distance_points(int x1, int y1, int x2, int y2);
// A length in image pixels converted to microns with the current calibration.
double Pixels_en_microns(int longueur);
// The rubber band of a length from the origin to (x, y), with its live value; in the
// width step of a two-axis item, the width guide.
void Trace_elastique(int x, int y);
// The width guide through (x, y) and the width from the origin to its foot point.
void Trace_perpendiculaire(int x, int y);
// The width's foot point for the mouse at (x, y): on the perpendicular to the length axis
// through the width's origin, level with (x, y) along the axis.
void Pied_perpendiculaire(int x, int y, int& fx, int& fy);
// Slope and guide extent of the length axis SegmentsEcran(1).
void Parametres_axe();

// The builders; each takes the step by reference, the view point, the button (1 left,
// 2 right) and press (1 a press, 0 a release).
void Mesure_segment(short& EtapeMesure, int X, int Y, short& Button, short Appui);
void Mesure_spore(short& EtapeMesure, int X, int Y, short& Button, short Appui);
void Mesure_ligne_brisee(short& EtapeMesure, int X, int Y, short& Button, short Appui);
// A click of the density surface (ellipse 13 or rectangle 14): a drag, or two clicks,
// marks it; its area goes to the grid and the step becomes 2, the count.
void Mesure_surface(short& EtapeMesure, int X, int Y, short& Button, short Appui);
// The scale bar's drag, while the oriented scale bar waits for it or is being valued.
void Debut_echelle(short& EtapeMesure, int X, int Y, short& Button, short Appui);
// Nothing: the view procedures call it after a redraw.
void Procedure_vide();
// The modes of the function now chosen (NumFonction), and of no other: the triangle, the
// polygon, the density surface, and the count outside the counting functions.
void Modes_fonction();
// The function a measurement file brought, set up as its menu sets it up: the former
// function's frames, modes and buttons go, and its own modes come.
void Modes_fonction_chargee();
} // namespace PGr

namespace Mstat {
// A press (1) or a release (0) on the view, handed to the measure it belongs to.
void Clic_Mesure(int X, int Y, short& Button, short press);
// A press of the triangle (three left presses: surface, angle at the first vertex,
// perimeter) and of the polygon (a centre, then contour points; a right press ends it).
// Releases are ignored.
void Mesure_Angle(int X, int Y, short& Button, short press);
void Mesure_Polygone(int X, int Y, short& Button, short press);
// The first counted point of a row: its number printed there, the point kept in the record.
void Numerote_Point(int X, int Y);
// The cross of +-100 view units marking a clicked point, in a colour (&HBBGGRR) or in
// the current drawing colour.
void Croix_Image_Couleur(int x, int y, long couleur);
void Croix_Image(int x, int y);
} // namespace Mstat

namespace Gen {
// A point of the view, in view units.
struct PointVue {
    int x = 0, y = 0;
};
// The surface in square microns of the triangle PQR (Heron's formula).
double Surface_triangle(const PointVue& P, const PointVue& Q, const PointVue& R);
// The angle at the vertex P of the triangle PQR, in radians from 0 to pi. S, the
// triangle's surface, is not needed: the angle comes from the sides' directions.
double Calcul_angle(double S, const PointVue& P, const PointVue& Q, const PointVue& R);
} // namespace Gen

namespace BGr {
// The routing of the view's events, in the order of the window's handlers.
void Souris_enfoncee(short Button, short Shift, float X, float Y);
void Souris_deplacee(short Button, short Shift, float X, float Y);
void Souris_relachee(short Button, short Shift, float X, float Y);
void Touche_enfoncee(short KeyCode, short Shift);
void Touche_relachee(short KeyCode);
// A click on the window's background: moves the thumbnail (V held) or the magnifier (W).
void Place_cadre_clic(short Button, short Shift, float X, float Y);
} // namespace BGr

namespace Mesure {
// Puts the measuring's procedures in the hooks the lower parts call.
void Installe_rappels();
} // namespace Mesure
