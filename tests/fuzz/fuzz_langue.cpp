// The language-file parser on any bytes: every entry it gives addresses an entry of its
// table or a control that exists, since the apply step writes there without looking.
#include "base/langue_analyse.h"
#include "tests/fuzz/fuzz_commun.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t taille) {
    using FichierLangue::Section;
    const QStringList lignes = Lignes_fichier(data, taille);
    const FichierLangue::Lecture lu = FichierLangue::Analyse_langue(lignes);
    constexpr int table = FichierLangue::EntreesTable;
    constexpr int tableStat = FichierLangue::EntreesTableStat;
    int precedente = 0;
    for (const FichierLangue::Entree& e : lu.entrees) {
        VERIFIE(e.ligne > precedente && e.ligne <= lignes.size());
        precedente = e.ligne;
        switch (e.section) {
        case Section::Mnu: case Section::Msg: case Section::MStat: case Section::Brastel:
            VERIFIE(e.index >= 0 && e.index < table);
            break;
        case Section::MnuStat: VERIFIE(e.index >= 0 && e.index < tableStat); break;
        case Section::MnuFonc: case Section::MnuEdit: case Section::MnuFic: case Section::MnuOpt:
        case Section::MnuTls: case Section::Chk: case Section::Optn: case Section::Etiq: case Section::Cadr: {
            bool existe = false;
            for (const FichierLangue::Legende& l : FichierLangue::Legendes_section(e.section)) existe |= l.index == e.index;
            VERIFIE(existe);
            break;
        }
        default: break;
        }
    }
    VERIFIE(lu.problemes.size() <= 1);
    // The line quoted to the user is one of the file's.
    for (const Analyse::Probleme& p : lu.problemes) VERIFIE(p.ligne >= 1 && p.ligne <= lignes.size() && p.ligne >= precedente);
    return 0;
}
