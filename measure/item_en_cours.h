#pragma once
// What the user is in the middle of in the measuring window, the one procedure that ends
// it, and the one table that says what each command does meanwhile: taken, with the item
// going on as it was; refused, with the flash " mesure inachevée" and nothing changed; or
// the item ended first.
#include "base/item_mesure.h"

namespace Item {

// The kinds of item, which can be under way together.
enum Genre : unsigned {
    Point = 1,     // a point, vertex or drag placed and not yet recorded
    Ligne = 2,     // a row half filled: its next value is still to come
    Comptes = 4,   // counts in the count box, not yet recorded
    Pointage = 8,  // a calibration's segment recorded, its dialog waiting for the size
    Arme = 16,     // a calibration pointing armed, its segment not yet drawn
    // Not an item but a state that refuses the undo: the row it would take back was
    // completed on another picture than the one shown, or imported. No command ends it.
    LigneProtegee = 32,
};
constexpr unsigned Tous = Point | Ligne | Comptes | Pointage | Arme;

// The kinds under way now; 0 when the user is in the middle of nothing.
unsigned En_cours();

// Ends the given kinds: a point pending is abandoned and the view comes back without it,
// pending counts leave the count box, a calibration pointing is disarmed (its recorded
// segment taken back out as "Annule" does). A half-filled row has nothing of its own to
// end: the commands that end it clear the grid.
void Termine(unsigned genres = Tous);

// Prepares the item under way for command `c`, as the table says, and answers whether `c`
// runs now: a refused command shows the flash; a command that ends the item runs once it
// is ended. Backspace and Esc end the point or the counts instead of running, and give
// false then too. A caller that runs whatever the answer ignores it with a cast.
[[nodiscard]] bool Prepare(Commande c);

// Puts the table in the hooks that the parts below the measuring ask.
void Installe();

} // namespace Item
