#pragma once
// The measuring window's layout: where the picture and the panels go for each window
// state, and the ratios the view and the measuring code read from it.

inline double RapportVue = 0;          // window width / screen width
inline short LargeurVueInitiale = 0;   // picture width at start-up or after a normal-state resize
inline short LargeurVueCourante = 0;   // picture width after a maximised-state resize

namespace BGr {
// The start-up placing of the panel, grids, thumbnail, magnifier and folder pane.
void Dispose_depart();
} // namespace BGr
