#include "measure/fichier_calibrage_analyse.h"

#include <cmath>

#include "base/gen.h"

namespace FichierCalibrage {

Entree Analyse_entree(const QString& ligne) {
    Entree e;
    e.texte = ligne;
    const qsizetype p = ligne.indexOf(QLatin1Char('='));
    e.valeurTexte = p < 0 ? QString() : ligne.mid(p + 1).trimmed();
    double v = 0;
    if (Gen::Nombre_lu(e.valeurTexte, v) && Gen::Coefficient_valable(v)) {
        e.valable = true;
        e.valeur = v;
    }
    return e;
}

Lecture Analyse_fichier(const QStringList& lignes) {
    Lecture l;
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        const QString& t = lignes[i];
        if (t.trimmed().isEmpty() || !t.contains(QLatin1Char('='))) continue;
        Entree e = Analyse_entree(t);
        e.ligne = int(i + 1);
        if (!e.valable) l.problemes.push_back({e.ligne, QStringLiteral("coefficient illisible")});
        l.entrees.push_back(std::move(e));
    }
    return l;
}

} // namespace FichierCalibrage
