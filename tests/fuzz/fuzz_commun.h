#pragma once
// What every fuzz target shares: the bytes made into the text a parser receives, the way
// the program's own readers make it, and the checks whose failure is a finding.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "platform/textfile.h"

// An invariant of the parser's result; a broken one stops the run like a crash.
#define VERIFIE(condition)                                                                    \
    do {                                                                                      \
        if (!(condition)) {                                                                   \
            std::fprintf(stderr, "invariant rompu : %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                     \
        }                                                                                     \
    } while (0)

inline QByteArray Octets(const std::uint8_t* data, std::size_t taille) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(taille));
}

// A file's lines as TextFile::readLines gives them: UTF-8 when valid, Windows-1252 otherwise.
inline QStringList Lignes_fichier(const std::uint8_t* data, std::size_t taille) {
    return TextFile::splitLines(TextFile::decode(Octets(data, taille)));
}

// A text from the clipboard or a box: the bytes as UTF-8.
inline QString Texte(const std::uint8_t* data, std::size_t taille) { return QString::fromUtf8(Octets(data, taille)); }
