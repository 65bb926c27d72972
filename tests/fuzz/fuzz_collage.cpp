// The pasted-table parser on any text, by rows and by columns: an accepted table fits
// the grid (six series of 256 values at most) and holds finite numbers only.
#include <cmath>

#include "statwin/table_collee.h"
#include "tests/fuzz/fuzz_commun.h"

namespace {

void Verifie(const TableCollee::Lecture& t, int lignes, bool parColonnes) {
    using TableCollee::Refus;
    VERIFIE(t.series.size() <= size_t(TableCollee::SeriesMax));
    if (t.refus != Refus::Aucun) {
        VERIFIE(t.problemes.size() == 1);
        VERIFIE(t.problemes.front().ligne >= 1 && t.problemes.front().ligne <= std::max(lignes, TableCollee::ValeursMax) + 1);
        if (t.refus == Refus::ErreurLigne) VERIFIE(t.ligne == t.problemes.front().ligne - 1);
        return;
    }
    VERIFIE(t.problemes.empty());
    VERIFIE(t.longueur() <= TableCollee::ValeursMax);
    for (const auto& serie : t.series) {
        VERIFIE(serie.size() <= size_t(TableCollee::ValeursMax));
        if (parColonnes) VERIFIE(int(serie.size()) == lignes);
        for (const auto& v : serie) VERIFIE(!v || std::isfinite(*v));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t taille) {
    const QString texte = Texte(data, taille);
    const int lignes = int(TableCollee::Lignes(texte).size());
    Verifie(TableCollee::Lire_H(texte), lignes, false);
    Verifie(TableCollee::Lire_V(texte), lignes, true);
    return 0;
}
