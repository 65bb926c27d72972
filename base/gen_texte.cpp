// The helpers of Gen that read texts only: they need no window, no file and no prompt.
#include <algorithm>
#include <cmath>

#include "base/gen.h"
#include "base/vb.h"

namespace Gen {

QString Nom_fichier(const QString& path) {
    // Paths from files written on Windows use backslashes; the system's own use slashes.
    const qsizetype k = std::max(path.lastIndexOf('\\'), path.lastIndexOf('/'));
    return k < 0 ? path : path.mid(k + 1);
}

QString Sans_extension(const QString& name) {
    const qsizetype k = name.lastIndexOf('.');
    return k < 0 ? name : name.left(k);
}

double Val_decimal(const QString& text) {
    QString t = text;
    t.replace(',', '.');
    return Vb::Val(t);
}

namespace {

bool chiffre(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// The shape of a number: [+-] (digits [sep digits*] | sep digits) [exponent [+-] digits],
// the separator a point or a comma, the exponent letter E or D in either case.
bool forme_nombre(const QString& t) {
    const qsizetype n = t.size();
    qsizetype i = 0;
    if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) ++i;
    qsizetype entiers = 0, decimales = 0;
    while (i < n && chiffre(t[i])) ++i, ++entiers;
    if (i < n && (t[i] == QLatin1Char('.') || t[i] == QLatin1Char(','))) {
        ++i;
        while (i < n && chiffre(t[i])) ++i, ++decimales;
    }
    if (entiers == 0 && decimales == 0) return false;
    if (i < n && QStringLiteral("eEdD").contains(t[i])) {
        ++i;
        if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) ++i;
        qsizetype exposant = 0;
        while (i < n && chiffre(t[i])) ++i, ++exposant;
        if (exposant == 0) return false;
    }
    return i == n;
}

} // namespace

bool Nombre_lu(const QString& text, double& value) {
    // The no-break spaces group digits ("1 234,5"); a plain blank inside parts two numbers.
    QString t = text.trimmed();
    t.removeIf(Vb::Espace_groupe);
    if (!forme_nombre(t)) return false;
    // A number beyond the doubles (or too small for them) would read as 0: a calibration
    // of 0 turns every length into 0, so it is no number.
    QString n = t;
    n.replace(QLatin1Char(','), QLatin1Char('.')).replace(QLatin1Char('d'), QLatin1Char('e')).replace(QLatin1Char('D'), QLatin1Char('e'));
    bool ok = false;
    const double d = n.toDouble(&ok);
    if (!ok || !std::isfinite(d)) return false;
    value = Val_decimal(t);
    return true;
}

bool Entier_lu(const QString& text, double min, double max, long long& value) {
    double v = 0;
    if (!Nombre_lu(text, v)) return false;
    const double r = Vb::ArrondiPair(v);
    // Beyond 2^62 a whole number would no longer fit the result.
    if (!(r >= min && r <= max) || std::fabs(r) > 4.6e18) return false;
    value = static_cast<long long>(r);
    return true;
}

short Position_caractere(const QString& text, const QString& character) {
    if (character.isEmpty()) return 0;
    const QChar c = character[0];
    for (qsizetype i = 0; i < text.size() && i < 32767; ++i)
        if (text[i] == c) return short(i + 1);
    return 0;
}

} // namespace Gen
