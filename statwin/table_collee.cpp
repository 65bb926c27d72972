#include "statwin/table_collee.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/gen.h"

namespace TableCollee {

QStringList Lignes(const QString& texte) {
    QStringList pieces = texte.split(QLatin1Char('\n'));
    pieces.removeLast();  // the text after the last line end
    for (QString& p : pieces)
        if (p.endsWith(QLatin1Char('\r'))) p.chop(1);
    return pieces;
}

int Lecture::longueur() const {
    int n = 0;
    for (const auto& s : series)
        for (int k = int(s.size()) - 1; k >= 0; --k)
            if (s[k]) {
                n = std::max(n, k + 1);
                break;
            }
    return n;
}

namespace {

Lecture Refus_(Lecture& r, Refus refus, int ligne, const char* motif) {
    r.refus = refus;
    r.problemes.push_back({ligne, QString::fromLatin1(motif)});
    return r;
}

} // namespace

Lecture Lire_H(const QString& texte) {
    Lecture r;
    QStringList lignes = Lignes(texte);
    if (lignes.size() > SeriesMax) {
        r.seriesTronquees = true;
        lignes = lignes.mid(0, SeriesMax);
    }
    for (int l = 0; l < lignes.size(); ++l) {
        const QStringList cellules = lignes[l].split(QLatin1Char('\t'));
        std::vector<std::optional<double>> serie;
        for (const QString& c : cellules) {
            if (c.trimmed().isEmpty()) {
                serie.emplace_back();
                continue;
            }
            double v;
            if (!Gen::Nombre_colle(c, v)) return Refus_(r, Refus::DonneesIncorrectes, l + 1, "cellule non numérique");
            serie.emplace_back(v);
        }
        while (!serie.empty() && !serie.back()) serie.pop_back();
        if (int(serie.size()) > ValeursMax) return Refus_(r, Refus::TropDeValeurs, l + 1, "série trop longue");
        r.series.push_back(std::move(serie));
    }
    if (r.longueur() == 0) return Refus_(r, Refus::Vide, int(lignes.size()) + 1, "aucune valeur");
    return r;
}

Lecture Lire_V(const QString& texte) {
    Lecture r;
    const QStringList lignes = Lignes(texte);
    if (lignes.isEmpty()) return Refus_(r, Refus::Vide, 1, "aucune ligne complète");
    if (lignes.size() > ValeursMax) return Refus_(r, Refus::TropDeValeurs, ValeursMax + 1, "série trop longue");
    int c = int(lignes.first().split(QLatin1Char('\t')).size());
    if (c > SeriesMax) {
        r.seriesTronquees = true;
        c = SeriesMax;
    }
    r.series.assign(c, {});
    for (int l = 0; l < lignes.size(); ++l) {
        const QStringList cellules = lignes[l].split(QLatin1Char('\t'));
        for (int j = 0; j < c; ++j) {
            double v;
            // By columns a value is a single-precision one: beyond its range it is no number.
            if (j >= cellules.size() || !Gen::Nombre_colle(cellules[j], v) ||
                std::fabs(v) > std::numeric_limits<float>::max()) {
                r.ligne = l;
                return Refus_(r, Refus::ErreurLigne, l + 1, "cellule absente ou non numérique");
            }
            r.series[j].emplace_back(v);
        }
    }
    return r;
}

bool Sans_fin_de_ligne(const QString& texte) { return !texte.contains(QLatin1Char('\n')); }

Lecture Series_sans_valeur(const QString& texte) {
    Lecture r;
    int c = int(texte.split(QLatin1Char('\t')).size());
    if (c > SeriesMax) {
        r.seriesTronquees = true;
        c = SeriesMax;
    }
    r.series.assign(size_t(c), {});
    return r;
}

} // namespace TableCollee
