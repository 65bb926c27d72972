#include "base/vb.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace Vb {

double ArrondiPair(double x) {
    if (!std::isfinite(x)) return x;
    return std::nearbyint(x);  // the default rounding mode rounds halves to even
}

std::int16_t CInt(double x) {
    const double r = ArrondiPair(x);
    if (!std::isfinite(r) || r < -32768.0 || r > 32767.0) throw Erreur(ErrDepassement, "Overflow");
    return static_cast<std::int16_t>(r);
}

std::int32_t CLng(double x) {
    const double r = ArrondiPair(x);
    if (!std::isfinite(r) || r < -2147483648.0 || r > 2147483647.0) throw Erreur(ErrDepassement, "Overflow");
    return static_cast<std::int32_t>(r);
}

double Int(double x) { return std::floor(x); }
double Fix(double x) { return std::trunc(x); }

bool Espace_groupe(QChar c) { return c == QChar(0x00A0) || c == QChar(0x202F); }

double Val(const QString& text) {
    // Blanks, tabs and line feeds are dropped wherever they stand.
    QString s;
    s.reserve(text.size());
    for (QChar c : text)
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r' && !Espace_groupe(c)) s.append(c);

    if (s.size() >= 2 && s[0] == '&') {
        const QChar k = s[1].toUpper();
        int base = k == 'H' ? 16 : (k == 'O' ? 8 : 0);
        if (base) {
            qint64 v = 0;
            int i = 2;
            for (; i < s.size(); ++i) {
                const int d = s[i].isDigit() ? s[i].digitValue()
                            : (base == 16 && s[i].toUpper() >= 'A' && s[i].toUpper() <= 'F')
                                  ? s[i].toUpper().unicode() - 'A' + 10 : -1;
                if (d < 0 || d >= base) break;
                v = v * base + d;
                if (v > 0xFFFFFFFFLL) break;
            }
            // Hex and octal constants are 16-bit or 32-bit two's complement values.
            if (v <= 0xFFFF) return double(std::int16_t(std::uint16_t(v)));
            return double(std::int32_t(std::uint32_t(v)));
        }
    }

    QByteArray num;
    int i = 0;
    const int n = int(s.size());
    if (i < n && (s[i] == '-' || s[i] == '+')) num.append(char(s[i++].unicode()));
    bool digits = false, point = false;
    while (i < n) {
        const QChar c = s[i];
        if (c >= '0' && c <= '9') { num.append(char(c.unicode())); digits = true; ++i; }
        else if (c == '.' && !point) { num.append('.'); point = true; ++i; }
        else break;
    }
    if (!digits) return 0.0;
    if (i < n && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        int j = i + 1;
        QByteArray exp("e");
        if (j < n && (s[j] == '-' || s[j] == '+')) exp.append(char(s[j++].unicode()));
        bool expDigits = false;
        while (j < n && s[j] >= '0' && s[j] <= '9') { exp.append(char(s[j++].unicode())); expDigits = true; }
        if (expDigits) num.append(exp);
    }
    // Read in the C locale: the C library's own conversion would follow LC_NUMERIC and
    // take "2.5" for 2 on a comma-decimal desktop.
    const double v = QLocale::c().toDouble(QLatin1String(num));
    // Its digits hold a number: infinity is one beyond the doubles, 0 one below them.
    if (std::isinf(v)) throw Erreur(ErrDepassement, "Overflow");
    return v;
}

double Val_borne(const QString& text, double (*lecture)(const QString&)) {
    try {
        return lecture(text);
    } catch (const Erreur&) {
        return text.trimmed().startsWith(QLatin1Char('-')) ? -HUGE_VAL : HUGE_VAL;
    }
}

QChar SeparateurDecimal() {
    // Cells and files are read back with a comma or a point: a locale writing another
    // separator (the Arabic "\u066B") would leave numbers the program cannot read again.
    return QLocale().decimalPoint() == QLatin1String(",") ? QChar(',') : QChar('.');
}

QString Heure(const QTime& t) {
    // The long format names the time zone ("t"), which the program's times never show.
    const QString f = QLocale().timeFormat(QLocale::LongFormat);
    QString sans;
    bool cite = false;
    for (QChar c : f) {
        if (c == QLatin1Char('\'')) cite = !cite;
        if (!cite && c == QLatin1Char('t')) continue;
        sans += c;
    }
    return QLocale().toString(t, sans.simplified());
}

QString Date_courte(const QDate& d) { return QLocale().toString(d, QLocale::ShortFormat); }

namespace {

// A pattern's digit section, from its first to its last placeholder, and the literal
// texts around it; no section when the pattern holds no placeholder.
struct Sections {
    bool chiffres = false;
    QString prefix, body, suffix;
};

Sections decoupe(const QString& pattern) {
    int first = -1, last = -1;
    for (int i = 0; i < pattern.size(); ++i)
        if (pattern[i] == '0' || pattern[i] == '#' || pattern[i] == '.') {
            if (first < 0) first = i;
            last = i;
        }
    if (first < 0) return {};
    return {true, pattern.left(first), pattern.mid(first, last - first + 1), pattern.mid(last + 1)};
}

QString partie_entiere(const QString& body) {
    const int dot = int(body.indexOf('.'));
    return dot < 0 ? body : body.left(dot);
}

} // namespace

bool Motif_relisible(const QString& pattern) {
    int chiffres = 0, points = 0;
    for (QChar c : pattern) {
        if (c == '0' || c == '#') ++chiffres;
        else if (c == '.') ++points;
        else return false;
    }
    return chiffres > 0 && points <= 1;
}

QString Format(double value, const QString& pattern) {
    if (!std::isfinite(value)) return std::isnan(value) ? QStringLiteral("NaN") : QStringLiteral("Inf");
    const Sections sections = decoupe(pattern);
    if (!sections.chiffres) return pattern;
    const QString& prefix = sections.prefix;
    const QString& suffix = sections.suffix;
    const QString& body = sections.body;

    const int dot = int(body.indexOf('.'));
    const QString intPart = partie_entiere(body);
    const QString fracPart = dot < 0 ? QString() : body.mid(dot + 1);
    const bool grouping = intPart.contains(',');
    int minInt = 0;
    for (QChar c : intPart) if (c == '0') ++minInt;
    int decimals = 0, minDecimals = 0;
    for (QChar c : fracPart) {
        if (c == '0') { ++decimals; minDecimals = decimals; }
        else if (c == '#') ++decimals;
    }

    QString digits = QString::number(std::fabs(value), 'f', decimals);
    QString ip = digits, fp;
    if (decimals > 0) {
        const int p = int(digits.indexOf('.'));
        ip = digits.left(p);
        fp = digits.mid(p + 1);
    }
    while (fp.size() > minDecimals && fp.endsWith('0')) fp.chop(1);
    if (ip == QLatin1String("0") && minInt == 0) ip.clear();
    while (ip.size() < minInt) ip.prepend('0');
    if (grouping) {
        const QString sep = QLocale().groupSeparator();
        for (int k = int(ip.size()) - 3; k > 0; k -= 3) ip.insert(k, sep);
    }
    bool zero = true;
    for (QChar c : ip + fp) if (c != '0' && c.isDigit()) { zero = false; break; }

    QString out = ip;
    if (dot >= 0) out += SeparateurDecimal() + fp;
    if (value < 0 && !zero) out.prepend('-');
    return prefix + out + suffix;
}

static QString general(double value, int chiffres = 15) {
    if (value == 0) return QStringLiteral("0");
    QString s = QString::number(value, 'g', chiffres);
    if (s.contains('e')) {
        // Exponents are written E+NN / E-NN: a sign always, two digits at least.
        const int e = int(s.indexOf('e'));
        QString mant = s.left(e), exp = s.mid(e + 1);
        const QChar sign = exp[0] == '-' ? QChar('-') : QChar('+');
        if (exp[0] == '-' || exp[0] == '+') exp.remove(0, 1);
        while (exp.size() > 2 && exp.startsWith('0')) exp.remove(0, 1);
        while (exp.size() < 2) exp.prepend('0');
        s = mant + 'E' + sign + exp;
    }
    return s;
}

QString CStr(double value) {
    QString s = general(value);
    return s.replace('.', SeparateurDecimal());
}

QString CStr_simple(float value) {
    QString s = general(double(value), 7);
    return s.replace('.', SeparateurDecimal());
}

QString CStr_relisible(double value) {
    bool relu = false;
    const double r = general(value).toDouble(&relu);
    if (!std::isfinite(value) || (relu && std::isfinite(r))) return CStr(value);
    return QString::number(value, 'g', 17).toUpper().replace('.', SeparateurDecimal());
}

QString CStr_fichier(double value) {
    const QString t = CStr_relisible(value);
    return value >= 0 ? ' ' + t : t;
}

QString Str(double value) {
    QString s = general(value);
    return value >= 0 ? ' ' + s : s;
}

} // namespace Vb
