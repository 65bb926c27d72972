// The calibration file's reader on any bytes: every entry is a line of the file that
// holds "=", in order; a coefficient it accepts is a finite number above 0, and reading
// the entry's line again gives the same answer.
#include <cmath>

#include "measure/fichier_calibrage_analyse.h"
#include "tests/fuzz/fuzz_commun.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t taille) {
    const QStringList lignes = Lignes_fichier(data, taille);
    const FichierCalibrage::Lecture lu = FichierCalibrage::Analyse_fichier(lignes);
    int precedente = 0;
    std::size_t refusees = 0;
    for (const FichierCalibrage::Entree& e : lu.entrees) {
        VERIFIE(e.ligne > precedente && e.ligne <= lignes.size());
        precedente = e.ligne;
        VERIFIE(e.texte == lignes[e.ligne - 1]);
        VERIFIE(e.texte.contains(QLatin1Char('=')) && !e.texte.trimmed().isEmpty());
        VERIFIE(!e.valable || (std::isfinite(e.valeur) && e.valeur > 0));
        const FichierCalibrage::Entree relue = FichierCalibrage::Analyse_entree(e.texte);
        VERIFIE(relue.valable == e.valable && relue.valeurTexte == e.valeurTexte);
        if (!e.valable) ++refusees;
    }
    VERIFIE(lu.problemes.size() == refusees);
    return 0;
}
