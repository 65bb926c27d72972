#include "statwin/table_collee.h"

#include "statwin/series_grille.h"

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

Lecture Lire_H(const QString& texte) {
    Lecture r;
    QStringList lignes = Lignes(texte);
    if (lignes.size() > SeriesMax) {
        r.seriesTronquees = true;
        lignes = lignes.mid(0, SeriesMax);
    }
    for (const QString& ligne : lignes) {
        const QStringList cellules = ligne.split(QLatin1Char('\t'));
        std::vector<std::optional<double>> serie;
        for (const QString& c : cellules) {
            if (c.trimmed().isEmpty()) {
                serie.emplace_back();
                continue;
            }
            double v;
            if (!SeriesGrille::Nombre(c, v)) {
                r.refus = Refus::DonneesIncorrectes;
                return r;
            }
            serie.emplace_back(v);
        }
        while (!serie.empty() && !serie.back()) serie.pop_back();
        if (int(serie.size()) > ValeursMax) {
            r.refus = Refus::TropDeValeurs;
            return r;
        }
        r.series.push_back(std::move(serie));
    }
    if (r.longueur() == 0) r.refus = Refus::Vide;
    return r;
}

Lecture Lire_V(const QString& texte) {
    Lecture r;
    const QStringList lignes = Lignes(texte);
    if (lignes.isEmpty()) {
        r.refus = Refus::Vide;
        return r;
    }
    if (lignes.size() > ValeursMax) {
        r.refus = Refus::TropDeValeurs;
        return r;
    }
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
            if (j >= cellules.size() || !SeriesGrille::Nombre(cellules[j], v)) {
                r.refus = Refus::ErreurLigne;
                r.ligne = l;
                return r;
            }
            r.series[j].emplace_back(v);
        }
    }
    return r;
}

} // namespace TableCollee
