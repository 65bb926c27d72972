#include "base/etat_struct.h"

namespace Etat {
namespace {
std::vector<Groupe>& registre() {
    static std::vector<Groupe> r;
    return r;
}
} // namespace

bool enregistrer(Groupe groupe) {
    registre().push_back(std::move(groupe));
    return true;
}

const std::vector<Groupe>& groupes() { return registre(); }

void Reinitialise_groupes() {
    for (const Groupe& g : registre()) g.reinitialiser();
}

} // namespace Etat
