// The pop-up menus of a right-button end of a segment: the item chosen goes to the
// window's menu handlers, which the shell installs as hooks.
#include <vector>

#include "base/rappels.h"
#include "measure/outils_mesure.h"
#include "platform/prompts.h"

namespace Mesure {

namespace {

// The items a pop-up menu shows: the visible ones of its array, greyed when unavailable.
std::vector<Prompts::MenuItem> Elements(TableauControles& menu, int dernier) {
    std::vector<Prompts::MenuItem> items;
    for (int i = 1; i <= dernier; ++i) {
        const Controle& c = menu(i);
        if (c.Visible) items.push_back({i, c.Caption, c.Enabled});
    }
    return items;
}
} // namespace

void Menu_PopEtalon() {
    Tav& t = tav();
    if (const auto choix = Prompts::popupMenu(QStringLiteral("PopEtalon"), Elements(t.PopOrg, 5)))
        Rappels::PopOrg_Click(short(*choix));
}

void Menu_pop3D() {
    Tav& t = tav();
    if (const auto choix = Prompts::popupMenu(QStringLiteral("pop3D"), Elements(t.PopExt, 2)))
        Rappels::PopExt_Click(short(*choix));
}

} // namespace Mesure
