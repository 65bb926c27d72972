#include "statwin/diagramme_calcul.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <limits>

#include "base/gen.h"
#include "base/vb.h"

namespace Diagramme {

std::optional<std::vector<double>> Valeurs_serie(const QString& serie) { return Analyse_serie(serie).valeurs; }

LectureSerie Analyse_serie(const QString& serie) {
    LectureSerie lu;
    const QStringList morceaux = serie.split(QLatin1Char(';'));
    const int k = int(morceaux.size()) - 1;
    if (k < 1) {
        lu.problemes.push_back({1, QStringLiteral("aucun ;")});
        return lu;
    }
    std::vector<double> v(size_t(k) + 1, 0.0);
    int ligne = 1;
    for (int i = 1; i <= k; ++i) {
        const QString& m = morceaux[i - 1];
        // A piece stands on the line where its text begins, past its own line breaks.
        qsizetype debut = 0;
        while (debut < m.size() && m[debut].isSpace()) ++debut;
        const int ici = ligne + int(m.left(debut).count(QLatin1Char('\n')));
        ligne += int(m.count(QLatin1Char('\n')));
        try {
            v[size_t(i)] = Gen::Val_decimal(m);
        } catch (const Vb::Erreur&) {
            lu.depassement = true;
            lu.problemes.push_back({ici, QStringLiteral("valeur ") + QString::number(i) + QStringLiteral(" hors des nombres")});
            continue;
        }
        // A blank Val does not skip (a form feed) leaves the piece at 0.
        double x = 0;
        if (!Gen::Nombre_lu(m, x) || x != v[size_t(i)])
            lu.problemes.push_back({ici, QStringLiteral("valeur ") + QString::number(i) + QStringLiteral(" non numérique")});
    }
    if (!lu.depassement) lu.valeurs = std::move(v);
    return lu;
}

bool Limite_serie(QString& serie) {
    int vus = 0;
    for (qsizetype i = 0; i < serie.size(); ++i) {
        if (serie[i] != QLatin1Char(';')) continue;
        if (++vus == ValeursMax) {
            if (serie.indexOf(QLatin1Char(';'), i + 1) < 0) return false;
            serie.truncate(i + 1);
            return true;
        }
    }
    return false;
}

QString Texte_colle(const QString& presse) {
    QString serie;
    serie.reserve(presse.size());
    QString cellule;
    // A point made a comma would cut a grouped number ("1,234,5" reads 1.234): its groups
    // go first.
    const auto ferme = [&] {
        serie += Gen::Sans_groupes_colles(cellule).replace(QLatin1Char('.'), QLatin1Char(','));
        cellule.clear();
    };
    for (qsizetype i = 0; i < presse.size(); ++i) {
        const QChar c = presse[i];
        // A line ends with CR LF, CR or LF alone (a copy from a Linux program): each
        // line end is one ";", so that the last value of a line never joins the next.
        if (c == QLatin1Char('\n') && i > 0 && presse[i - 1] == QLatin1Char('\r')) continue;
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char('\t')) {
            ferme();
            serie += QLatin1Char(';');
        } else {
            cellule += c;
        }
    }
    ferme();
    return serie;
}

std::vector<Baton> Batons(const std::vector<double>& valeurs, double largeur) {
    std::vector<Baton> batons;
    const size_t n = valeurs.size() ? valeurs.size() - 1 : 0;
    if (n == 0) return batons;
    double debut = valeurs[1];
    int nombre = 0;
    for (size_t i = 1; i <= n; ++i) {
        if (valeurs[i] - debut <= largeur) {
            ++nombre;
        } else {
            batons.push_back({debut, nombre});
            nombre = 1;
            debut = valeurs[i];
        }
    }
    batons.push_back({debut, nombre});
    return batons;
}

namespace {

// Values so large that their sums or differences would pass the largest double are
// worked out scaled down by a power of two, which changes no digit.
constexpr int ExposantSur = 500;

// A number held within the doubles.
double borne(double x) { return std::clamp(x, std::numeric_limits<double>::lowest(), std::numeric_limits<double>::max()); }

// A number as its 15-digit text reads back: the median of a pair is halved from there.
// The largest doubles have no 15-digit neighbour within the doubles: they stay as they are.
double quinze_chiffres(double x) {
    const double q = QString::number(x, 'g', 15).toDouble();
    return std::isfinite(q) ? q : x;
}

// a + (b - a) * k / 10, and the same point of [a, b] when the difference passes the doubles.
double interpole(double a, double b, int k) {
    const double x = a + (b - a) * k / 10;
    return std::isfinite(x) ? x : a / 10 * (10 - k) + b / 10 * k;
}

} // namespace

Fenetre Fenetre_donnees(double premiere, double derniere) {
    double marge = 0.1 * (derniere - premiere);
    if (!std::isfinite(marge)) marge = 0.1 * derniere - 0.1 * premiere;
    if (!(marge > 0)) marge = premiere != 0 ? 0.1 * std::fabs(premiere) : 1.0;
    // A tenth of the smallest subnormal numbers is 0: the window would hold no width.
    if (!(marge > 0)) marge = 1.0;
    return {borne(premiere - marge), borne(derniere + marge)};
}

void Moyenne_ecart(const std::vector<double>& valeurs, double& moyenne, double& ecart) {
    moyenne = ecart = 0;
    const size_t n = valeurs.size() ? valeurs.size() - 1 : 0;
    if (n == 0) return;
    double plusGrande = 0;
    for (size_t i = 1; i <= n; ++i) plusGrande = std::max(plusGrande, std::fabs(valeurs[i]));
    const int e = plusGrande > 0 ? std::ilogb(plusGrande) : 0;
    const int echelle = e > ExposantSur ? e : 0;
    const auto v = [&](size_t i) { return std::ldexp(valeurs[i], -echelle); };
    double somme = 0;
    for (size_t i = 1; i <= n; ++i) somme += v(i);
    const double m = somme / double(n);
    double carres = 0;
    for (size_t i = 1; i <= n; ++i) carres += (v(i) - m) * (v(i) - m);
    moyenne = std::ldexp(m, echelle);
    ecart = borne(std::ldexp(std::sqrt(std::max(0.0, carres / double(n))), echelle));
}

Quantiles Calcul_quantiles(const std::vector<double>& v) {
    Quantiles q;
    const int n = v.size() ? int(v.size()) - 1 : 0;
    if (n < 1) return q;
    const int h = n / 2;
    q.mediane_ok = true;
    if (n % 2 == 1) q.mediane = v[size_t(h) + 1];
    else {
        const double a = quinze_chiffres(v[size_t(h)]), b = quinze_chiffres(v[size_t(h) + 1]);
        const double somme = a + b;
        q.mediane = std::isfinite(somme) ? quinze_chiffres(somme) / 2 : a / 2 + b / 2;
    }
    if (n >= 11) {
        const int k = n % 10 + 1;
        const int o = n / 10;
        q.d1 = interpole(v[size_t(o)], v[size_t(o) + 1], k);
        const int g = int(Vb::Int(9.0 * (n + 1) / 10));
        q.d9 = interpole(v[size_t(g)], v[size_t(g) + 1], 10 - k);
        q.deciles_ok = true;
    }
    return q;
}

} // namespace Diagramme
