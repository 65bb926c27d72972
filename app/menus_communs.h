#pragma once
// What the measuring window's menu handlers share: the single check mark of a choice menu.
#include <initializer_list>

#include "platform/controles.h"

namespace Menus {

// A choice menu keeps exactly one of all its items marked.
inline void Coche_seul(TableauControles& menu, int index) {
    for (auto& [i, item] : menu.items()) item.Checked = false;
    menu(index).Checked = true;
}

// A choice menu keeps exactly one item marked among `items`.
inline void Coche_parmi(TableauControles& menu, std::initializer_list<int> items, int choisi) {
    for (int i : items) menu(i).Checked = false;
    menu(choisi).Checked = true;
}

} // namespace Menus
