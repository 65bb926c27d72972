// The typed-series parser on any text, as typed and as pasted: one finite value per ";"
// (or none when a piece lies beyond the doubles), and the diagram's figures computed
// from them (mean, median, deciles, the drawn window) are finite and stay within the
// values, however large.
#include <algorithm>
#include <cmath>

#include "statwin/diagramme_calcul.h"
#include "tests/fuzz/fuzz_commun.h"

namespace {

void Verifie(const QString& texte) {
    const Diagramme::LectureSerie lu = Diagramme::Analyse_serie(texte);
    const int pieces = int(texte.count(QLatin1Char(';')));
    const int lignes = int(texte.count(QLatin1Char('\n'))) + 1;
    for (const Analyse::Probleme& p : lu.problemes) VERIFIE(p.ligne >= 1 && p.ligne <= lignes);
    if (!lu.valeurs) {
        VERIFIE(pieces == 0 || lu.depassement);
        return;
    }
    std::vector<double> v = *lu.valeurs;
    VERIFIE(int(v.size()) == pieces + 1 && v[0] == 0);
    for (double x : v) VERIFIE(std::isfinite(x));
    std::sort(v.begin() + 1, v.end());
    // Every figure is a finite number within the values (give or take the 15 digits the
    // median is taken to).
    const double marge = 1e-13 * std::max(std::fabs(v[1]), std::fabs(v.back()));
    const auto dedans = [&](double x) { return std::isfinite(x) && x >= v[1] - marge && x <= v.back() + marge; };
    const Diagramme::Quantiles q = Diagramme::Calcul_quantiles(v);
    VERIFIE(q.mediane_ok && dedans(q.mediane));
    if (q.deciles_ok) VERIFIE(dedans(q.d1) && dedans(q.d9));
    double moyenne = 0, ecart = 0;
    Diagramme::Moyenne_ecart(v, moyenne, ecart);
    VERIFIE(dedans(moyenne));
    const Diagramme::Fenetre f = Diagramme::Fenetre_donnees(v[1], v.back());
    VERIFIE(std::isfinite(f.xmin) && std::isfinite(f.xmax) && f.xmin <= v[1] && f.xmax >= v.back() && f.xmin < f.xmax);
    int n = 0;
    for (const Diagramme::Baton& b : Diagramme::Batons(v, 0.1)) n += b.nombre;
    VERIFIE(n == pieces);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t taille) {
    const QString texte = Texte(data, taille);
    Verifie(texte);
    const QString colle = Diagramme::Texte_colle(texte);
    Verifie(colle);
    // A pasted text gives one ";" per ";", tab and line end (CR LF, CR or LF) it holds.
    const qsizetype finsDeLigne = texte.count(QLatin1Char('\r')) + texte.count(QLatin1Char('\n')) -
                                  texte.count(QStringLiteral("\r\n"));
    VERIFIE(colle.count(QLatin1Char(';')) ==
            texte.count(QLatin1Char(';')) + texte.count(QLatin1Char('\t')) + finsDeLigne);
    return 0;
}
