#include "platform/textfile.h"

#include <QFile>
#include <QStringDecoder>

#include "platform/bytefile.h"

namespace TextFile {
namespace {
// The printable characters Windows-1252 puts at 0x80-0x9F; 0 marks the five unused codes.
constexpr char16_t k1252High[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0};
} // namespace

QString uneLigne(QString text) {
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

QString decode1252(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const unsigned char b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b < 0xA0 && k1252High[b - 0x80] != 0)
            out.append(QChar(k1252High[b - 0x80]));
        else
            out.append(QChar(char16_t(b)));
    }
    return out;
}

namespace {
// The Windows-1252 byte of a character; false when the code page has none.
bool octet1252(char16_t u, char& octet) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
        octet = char(u);
        return true;
    }
    for (int i = 0; i < 32; ++i)
        if (k1252High[i] == u && u != 0) {
            octet = char(0x80 + i);
            return true;
        }
    return false;
}
} // namespace

QByteArray encode1252(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar ch : text) {
        char octet = '?';
        octet1252(ch.unicode(), octet);
        out.append(octet);
    }
    return out;
}

bool encodable1252(const QString& text) {
    char octet;
    for (QChar ch : text)
        if (!octet1252(ch.unicode(), octet)) return false;
    return true;
}

// Windows-1252 bytes that happen to form valid UTF-8 ("RÃ©colte") would read back as
// another text: such a text is written in UTF-8 too.
QByteArray encode(const QString& text) {
    if (encodable1252(text)) {
        QByteArray octets = encode1252(text);
        if (decode(octets) == text) return octets;
    }
    return text.toUtf8();
}

QString decode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError()) {
        if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
        return text;
    }
    return decode1252(bytes);
}

bool read(const QString& path, QString& text) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    text = decode(f.readAll());
    return true;
}

bool readLines(const QString& path, QStringList& lines) {
    QString text;
    if (!read(path, text)) return false;
    lines = splitLines(text);
    return true;
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    QString line;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == '\r' || c == '\n') {
            lines << line;
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            line.append(c);
        }
    }
    if (!line.isEmpty()) lines << line;
    return lines;
}

bool write(const QString& path, const QString& text) { return ByteFile::write(path, encode(text)); }

bool writeLines(const QString& path, const QStringList& lines) {
    QString text;
    for (const QString& l : lines) { text += l; text += QStringLiteral("\r\n"); }
    return write(path, text);
}

} // namespace TextFile
