// The helpers of Gen that read texts only: they need no window, no file and no prompt.
#include <algorithm>

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

short Position_caractere(const QString& text, const QString& character) {
    if (character.isEmpty()) return 0;
    const QChar c = character[0];
    for (qsizetype i = 0; i < text.size() && i < 32767; ++i)
        if (text[i] == c) return short(i + 1);
    return 0;
}

} // namespace Gen
