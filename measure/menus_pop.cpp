// The pop-up menus of a right-button end of a segment and what their items do.
#include <vector>

#include "base/etat_partage.h"
#include "measure/outils_mesure.h"
#include "measure/services_mesure.h"
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
        Choix_PopEtalon(short(*choix));
}

void Menu_pop3D() {
    Tav& t = tav();
    if (const auto choix = Prompts::popupMenu(QStringLiteral("pop3D"), Elements(t.PopExt, 2)))
        Choix_pop3D(short(*choix));
}

void Choix_PopEtalon(short index) {
    if (index == 1 || index == 4) {
        ChoixPopSegment = -1;
    } else if (index == 5) {
        PGr::Restaure_image();
        PGr::RAZ_etats_trace();
    }
}

void Choix_pop3D(short index) {
    if (index == 2) EtapeMesure = short(EtapeMesure + 1);
}

} // namespace Mesure
