#pragma once
// What the measuring window's menu handlers share: the single check mark of a choice
// menu and the question asked before a change of function.
#include <initializer_list>

#include "base/declarations.h"
#include "platform/controles.h"
#include "platform/prompts.h"

namespace Menus {

// A choice menu keeps exactly one item marked among `items`.
inline void Coche_parmi(TableauControles& menu, std::initializer_list<int> items, int choisi) {
    for (int i : items) menu(i).Checked = false;
    menu(choisi).Checked = true;
}

// The question asked before a change of function empties a grid that holds rows; true
// to go on.
inline bool Confirme_changement() {
    Declarations::Init_TableFonctions();  // the question in the current language
    return Prompts::msgBox(Declarations::QuestionsFonctions[1], Prompts::YesNo | Prompts::IconQuestion) ==
           Prompts::Yes;
}

} // namespace Menus
