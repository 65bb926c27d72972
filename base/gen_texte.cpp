// The helpers of Gen that read texts only: they need no window, no file and no prompt.
#include <QLocale>
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

namespace {

bool chiffre(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// The blanks that Val skips wherever they stand.
bool blanc(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r') ||
           Vb::Espace_groupe(c);
}

} // namespace

double Val_decimal(const QString& text) {
    // Val skips the blanks anyway; gone first, they cannot hide a number's groups.
    QString t = text;
    t.removeIf(blanc);
    t = Sans_groupes(t);
    t.replace(',', '.');
    return Vb::Val(t);
}

namespace {

// The text with the number it begins with (after blanks) freed of the locale's groups when
// written in its grouped form: a first group of 1 to 3 digits not beginning with 0, groups
// of 3 after the group separator, then the decimal separator and digits; with `entier`
// that decimal part may be left out ("1,065" under en_US).
QString Groupes_otes(const QString& text, bool entier) {
    if (!entier && (!text.contains(QLatin1Char(',')) || !text.contains(QLatin1Char('.')))) return text;
    const QLocale locale;
    const QString groupe = locale.groupSeparator();
    const QString decimale = locale.decimalPoint();
    // Only a locale grouping with one of the two separators and marking decimals with
    // the other writes such numbers; the no-break spaces of others are blanks already.
    const bool anglais = groupe == QLatin1String(",") && decimale == QLatin1String(".");
    const bool continental = groupe == QLatin1String(".") && decimale == QLatin1String(",");
    if (!anglais && !continental) return text;
    const QChar g = groupe[0];
    const QChar d = decimale[0];
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && blanc(text[i])) ++i;
    const qsizetype debut = i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) ++i;
    QString nombre = text.mid(debut, i - debut);
    const qsizetype tete = i;
    while (i < n && chiffre(text[i])) nombre += text[i++];
    // "0,001.5" is no grouped number: no locale writes a leading 0 before a group.
    if (i - tete < 1 || i - tete > 3 || text[tete] == QLatin1Char('0')) return text;
    int groupes = 0;
    while (i + 3 < n && text[i] == g && chiffre(text[i + 1]) && chiffre(text[i + 2]) && chiffre(text[i + 3])) {
        nombre += text.mid(i + 1, 3);
        i += 4;
        ++groupes;
    }
    if (groupes == 0) return text;
    if (i < n && text[i] == d) {
        nombre += QLatin1Char('.');
        ++i;
        while (i < n && chiffre(text[i])) nombre += text[i++];
    } else if (!entier) {
        return text;
    }
    // The groups end the number: "1,234,5" and "1,2345" are no numbers of the locale, nor
    // "1,234.5,6".
    if (i < n && (chiffre(text[i]) || text[i] == QLatin1Char(',') || text[i] == QLatin1Char('.'))) return text;
    return text.left(debut) + nombre + text.mid(i);
}

} // namespace

QString Sans_groupes(const QString& text) { return Groupes_otes(text, false); }

QString Sans_groupes_colles(const QString& text) {
    // The C locale is no user's: what a program copies under it holds no groups.
    return Groupes_otes(text, QLocale().language() != QLocale::C);
}

namespace {

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
    t = Sans_groupes(t);
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

bool Nombre_colle(const QString& text, double& value) { return Nombre_lu(Sans_groupes_colles(text), value); }

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
