#pragma once
// The pointer shapes the program shows: a control's own (its MousePointer) and the one
// over the whole program while a long step runs, the hourglass.

namespace Pointeur {

// The shapes, numbered as the controls' MousePointer numbers them.
enum Forme { Defaut = 0, Fleche = 1, Deplacement = 5, Sablier = 11 };

// The hourglass over the whole program from construction to destruction; waits may nest,
// the pointer comes back with the outermost one's end.
class Attente {
public:
    Attente();
    ~Attente();
    Attente(const Attente&) = delete;
    Attente& operator=(const Attente&) = delete;
};

// The shape over the whole program now: Sablier while a wait runs, else Defaut.
Forme ecran();

} // namespace Pointeur
