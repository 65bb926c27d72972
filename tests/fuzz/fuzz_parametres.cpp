// The settings parser on any bytes: every setting it gives lies in its domain.
#include <cmath>

#include "base/parametres_analyse.h"
#include "tests/fuzz/fuzz_commun.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t taille) {
    using FichierParametres::Cle;
    const QStringList lignes = Lignes_fichier(data, taille);
    const FichierParametres::Lecture lu = FichierParametres::Analyse_parametres(lignes);
    int precedente = 0;
    for (const FichierParametres::Reglage& r : lu.reglages) {
        VERIFIE(r.ligne > precedente && r.ligne <= lignes.size());
        precedente = r.ligne;
        const short n = r.entier;
        switch (r.cle) {
        case Cle::Langue:
            VERIFIE(r.texte.size() == 2 && !r.texte.contains(QLatin1Char('/')) && !r.texte.contains(QLatin1Char('.')));
            break;
        case Cle::Calibrage: VERIFIE(std::isfinite(r.nombre) && r.nombre > 0); break;
        case Cle::FonctionDemarrage: VERIFIE((n >= 0 && n <= 6) || n == 10 || n == 11 || (n >= 13 && n <= 16) || n == 20); break;
        case Cle::StatDef: VERIFIE(n >= 1 && n <= 4); break;
        case Cle::Clic: VERIFIE(n >= 1); break;
        case Cle::TGrille: VERIFIE(n == 64 || n == 128 || n == 256); break;
        case Cle::SavAuto: VERIFIE(n == 0 || n == 10 || n == 20); break;
        case Cle::ExtImg: VERIFIE(n == 0 || n == 1); break;
        case Cle::ZoneCouleur: VERIFIE(n >= 1 && n <= 6); break;
        case Cle::Palmer: VERIFIE(r.oui_non != FichierParametres::OuiNon::Autre); break;
        default: break;
        }
    }
    for (const Analyse::Probleme& p : lu.problemes) VERIFIE(p.ligne >= 1 && p.ligne <= lignes.size());
    return 0;
}
