#pragma once
// Start-up defaults and the view and layout procedures of the measuring window.

namespace BGr {
// Gives every shared setting its start-up value, fills the message tables and puts the
// measuring window's controls in their start-up state.
void Init_programme();
// Sizes the picture zone and the panels to the window.
void Dispose_zone_image(short mode);
// Places the control panel at its current position.
void Position_panneau();
} // namespace BGr

namespace PGr {
// The start-up routine: returns only when the user has chosen to quit.
void Demarrage_fenetre();
// The start-up routine up to the statistics window's loop. Without the settings file
// (`lire_parametres` false, a test's start) every setting keeps its start-up value.
void Ouverture_fenetre(bool lire_parametres);
// Places the measuring window's picture, text boxes, frames and buttons.
void Dispose_fenetre();
// The empty table the program starts with: no measuring function, no row.
void Grille_vide_initiale();
} // namespace PGr
