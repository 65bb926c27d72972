#pragma once
// The flash panel on screen: a small coloured notice over the window the user is looking
// at, or standing alone on top when no window is shown. Without an application object
// (a parser run, a test of the logic) it does nothing.
#include <QString>

namespace PanneauFlash {
// Shows the panel (size in twips, placed at `gauche`, `haut` within the window) in the
// colour &HBBGGRR.
void montrer(int gauche, int haut, int largeur, int hauteur, long bgr);
void texte(const QString& t);
// An event handler that ran during a wait may have hidden the panel: it comes back.
void garder_visible();
void cacher();
} // namespace PanneauFlash
