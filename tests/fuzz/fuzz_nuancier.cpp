// The colour chart's reader on any bytes: never more than a chart holds, every swatch
// line counted once (read or skipped), and the lines it names lie in the file.
#include "colour/lecture_couleur_analyse.h"
#include "tests/fuzz/fuzz_commun.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t taille) {
    const QStringList lignes = Lignes_fichier(data, taille);
    const Vistrane::LectureNuancier lu = Vistrane::Analyse_nuancier(lignes);
    VERIFIE(lu.nuances.size() <= std::size_t(NbCouleursMax));
    VERIFIE(lu.liste || (lu.nuances.empty() && lu.lignesIgnorees.empty()));
    int precedente = 0;
    for (const int l : lu.lignesIgnorees) {
        VERIFIE(l > precedente && l <= lignes.size());
        precedente = l;
    }
    return 0;
}
