// The measuring window's handlers of the view: a resized window and a press on the
// thumbnail. The mouse over the picture (the magnifier among the rest) is routed by the
// measuring.
#include "base/tav.h"
#include "image/vignette.h"
#include "image/vue.h"

void Tav::Form_Resize() { BGr::Redimensionne_vue(); }

void Tav::VignP_MouseDown(short Button, short Shift, float X, float Y) { BGr::Clic_vignette(Button, Shift, X, Y); }
