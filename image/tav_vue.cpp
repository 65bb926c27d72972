// The measuring window's handlers of the view: a resized window, a press on the
// thumbnail, and the magnifier that follows the mouse over the picture.
#include "base/tav.h"
#include "base/vb.h"
#include "image/vignette.h"
#include "image/vue.h"

void Tav::Form_Resize() { BGr::Redimensionne_vue(); }

void Tav::VignP_MouseDown(short Button, short Shift, float X, float Y) { BGr::Clic_vignette(Button, Shift, X, Y); }

void Tav::Picture1_MouseMove(short, short, float X, float Y) {
    // The rest of the mouse-move routing (rubber bands, shapes, colour square) belongs to
    // the measuring; a failure here ends the handler quietly, as it does there.
    try {
        BGr::Actualise_loupe(X, Y);
    } catch (const Vb::Erreur&) {
    }
}
