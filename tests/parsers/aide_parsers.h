#pragma once
// What the parsers' tests share: the hand-written files of the sources, read as the
// program reads a file, and the locale set for a scope.
#include <QFile>
#include <QLocale>
#include <QStringList>
#include <gtest/gtest.h>

#include "base/analyse.h"
#include "platform/textfile.h"

// A file of the source tree ("tests/grid/data/fonction01.trm"), as lines.
inline QStringList Lignes_source(const QString& chemin) {
    QFile f(QStringLiteral(TAVIREL_SOURCES "/") + chemin);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << chemin.toStdString();
    return TextFile::splitLines(TextFile::decode(f.readAll()));
}

// Lines given as one text with "\n" between them.
inline QStringList Lignes(const char* texte) { return TextFile::splitLines(QString::fromUtf8(texte)); }

inline std::vector<int> Lignes_fautives(const Analyse::Problemes& p) {
    std::vector<int> l;
    for (const Analyse::Probleme& x : p) l.push_back(x.ligne);
    return l;
}

class Locale {
public:
    explicit Locale(QLocale::Language langue) : avant_(QLocale()) { QLocale::setDefault(QLocale(langue)); }
    ~Locale() { QLocale::setDefault(avant_); }
private:
    QLocale avant_;
};
