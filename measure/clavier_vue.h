#pragma once
// The view on screen: a surface widget that shows the measuring window's Picture1 and
// hands its mouse and keys to the window's handlers, keys in the codes they take.
#include <Qt>

class QKeyEvent;
class VueSurface;

namespace Clavier {

// The code the view's handlers take for a Qt key; 0 for a key they do not know. The ISO
// key "<>" (Less, Greater or Bar, by the shift state) is 226.
short Code_touche(int cle);
// The shift state of the modifiers: 1 Shift, 2 Ctrl, 4 Alt.
short Etat_majuscules(Qt::KeyboardModifiers m);
// Hands a key press or release to Picture1_KeyDown or Picture1_KeyUp. A held key repeats
// its press and is released once: the releases of its repeats are dropped. Returns
// whether the event was a key event.
bool Transmet(const QKeyEvent& e);

// Shows Picture1 in `vue` and routes its mouse and keys to the measuring window.
void Relie_vue(VueSurface& vue);

} // namespace Clavier
