#pragma once
// Helpers of the file, results and comment tests: their hand-written data files.
#include <QFile>
#include <QFileInfo>

#include "base/tav.h"

// A hand-written file of the tests' data folder.
inline QString Donnees(const QString& nom) {
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/data/") + nom;
}

inline QByteArray Octets(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
