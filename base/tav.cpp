#include "base/tav.h"

Tav* Tav::instance() {
    static Tav* tav = new Tav;
    return tav;
}

void Tav::Reinitialise() { *instance() = Tav(); }

namespace {
// The window's controls are part of the program's reset.
const bool enregistre = Etat::enregistrer({"Tav", [] { Tav::Reinitialise(); },
                                          [](Etat::Visiteur& v) { Tav::instance()->visiter(v); },
                                          [] { return Tav::instance()->au_depart(); }});
} // namespace
