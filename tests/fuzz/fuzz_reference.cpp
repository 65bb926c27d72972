// The colour standard and scanner files' reader on any bytes: the lines it keeps fit
// the correction table (rows 1 to 255, ten columns), are numbered in order, and a
// reading that stopped on a fault keeps none as read.
#include "colour/lecture_couleur_analyse.h"
#include "tests/fuzz/fuzz_commun.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t taille) {
    const QStringList lignes = Lignes_fichier(data, taille);
    const Vistrane::LectureRef lu = Vistrane::Analyse_fichier_ref(lignes, 0);
    VERIFIE(!lu.faute || lu.lues == 0);
    VERIFIE(lu.lues >= 0 && lu.lues <= 255);
    for (const Vistrane::LigneRef& r : lu.lignes) {
        VERIFIE(r.ligne >= 1 && r.ligne <= 255);
        VERIFIE(r.colonnes >= 2 && r.colonnes <= 10);
    }
    return 0;
}
