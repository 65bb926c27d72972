#include "stats/rappels_stat.h"

namespace Mstat {

std::function<void(const QString&)> Signale;
std::function<QString(int)> Table_Stat;
std::function<void()> Bip;

void Signaler(const QString& texte) {
    if (Signale) Signale(texte);
}

QString Texte_Stat(int n) {
    if (Table_Stat) return Table_Stat(n);
    switch (n) {
    case 1: return QStringLiteral("données ");
    case 2: return QStringLiteral("incorrectes");
    case 3: return QStringLiteral("insuffisantes");
    case 5: return QStringLiteral("risque =");
    default: return QString();
    }
}

} // namespace Mstat
