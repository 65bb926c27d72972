// The measurement-file parser on any bytes, under two grid sizes: whatever the file,
// the rows stay within the grid, the records within their arrays, the lines within the file.
#include <algorithm>

#include "grid/fichier_trm_analyse.h"
#include "tests/fuzz/fuzz_commun.h"

namespace {

void Verifie(const QStringList& lignes, const Trm::Contexte& contexte) {
    const Trm::Lecture lu = Trm::Analyse_trame(lignes, contexte);
    const int n = int(lignes.size());
    for (const Analyse::Probleme& p : lu.problemes) VERIFIE(p.ligne >= 1 && p.ligne <= n + 1);
    // The grid as the apply step will lay it out, element after element.
    int taille = contexte.tailleGrille, lignesGrille = contexte.lignesGrille, precedente = 0;
    for (const Trm::Element& e : lu.elements) {
        VERIFIE(e.ligne > precedente && e.ligne <= n);
        precedente = e.ligne;
        switch (e.cle) {
        case Trm::Cle::NbLgMax:
            VERIFIE(e.entier == 64 || e.entier == 128 || e.entier == 256);
            taille = int(e.entier);
            lignesGrille = taille + 1;
            break;
        case Trm::Cle::Fonction:
            VERIFIE(e.entier >= 0 && e.entier <= 25);
            lignesGrille = std::max(taille + 1, 2);
            break;
        case Trm::Cle::Calibrage: VERIFIE(e.reels.size() <= 50); break;
        case Trm::Cle::Images: VERIFIE(e.textes.size() <= 50); break;
        case Trm::Cle::Pctsw: VERIFIE(e.reel > 0 && e.entier >= 0); break;
        case Trm::Cle::Commentaires:
            for (size_t i = 0; i < e.commentaires.size(); ++i) VERIFIE(e.commentaires[i].rang == int(i) + 1);
            break;
        case Trm::Cle::Lignes: {
            // The rows fit the grid: a title row and a spare row around them.
            VERIFIE(int(e.lignes.size()) <= std::min(lignesGrille - 2, Trm::LignesMax));
            for (size_t i = 0; i < e.lignes.size(); ++i) {
                VERIFIE(e.lignes[i].rang == int(i) + 1);
                VERIFIE(e.lignes[i].ligne > e.ligne && e.lignes[i].ligne <= n);
                VERIFIE(e.lignes[i].points.size() <= size_t(Trm::PointsMax));
            }
            break;
        }
        case Trm::Cle::Indpres: VERIFIE(e.entier == 0 || e.entier == -1); break;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t taille) {
    const QStringList lignes = Lignes_fichier(data, taille);
    Verifie(lignes, {257, 256});
    Verifie(lignes, {65, 64});
    return 0;
}
