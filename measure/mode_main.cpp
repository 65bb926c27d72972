// The hand (pan) mode's feedback: the size-all pointer over the view and the mode's button
// in light green while it is on.
#include "image/etat_image.h"
#include "measure/outils_mesure.h"

namespace {

constexpr int kPointeurDeplacement = 5;   // size-all

void Affiche_mode_main(Controle& bouton) {
    Tav& t = Mesure::tav();
    t.Picture1.MousePointer = t.Souris;
    if (ModeDeplace) {
        bouton.BackColor = CouleursBouton::VertClair;
        t.Souris = short(t.Picture1.MousePointer);
        t.Picture1.MousePointer = kPointeurDeplacement;
    } else {
        bouton.BackColor = CouleursBouton::Face;
    }
    t.Retrace(0);
}

} // namespace

void Tav::DeplaceMain() { Affiche_mode_main(bout(5)); }

void Tav::DeplaceMain_bis() { Affiche_mode_main(Bout_C(5)); }
