// The pop-up menus of a right-button end of a segment. They stand apart from the other
// shared steps because they act through the window's menu handlers, which the programs
// that only redraw or measure colours do not link.
#include <vector>

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
        t.PopOrg_Click(short(*choix));
}

void Menu_pop3D() {
    Tav& t = tav();
    if (const auto choix = Prompts::popupMenu(QStringLiteral("pop3D"), Elements(t.PopExt, 2)))
        t.PopExt_Click(short(*choix));
}

} // namespace Mesure
