#include "image/volumes.h"

#include <QDir>
#include <QStorageInfo>

namespace Volumes {
namespace {
Simule* simule = nullptr;
} // namespace

QStringList Montes() {
    if (simule) return simule->racines;
    QStringList racines;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
        if (v.isValid() && !racines.contains(v.rootPath())) racines << v.rootPath();
    racines.sort();
    return racines;
}

int Volume_de(const QStringList& racines, const QString& dossier) {
    const QString d = QDir::cleanPath(dossier);
    int meilleur = -1;
    qsizetype longueur = -1;
    for (int i = 0; i < racines.size(); ++i) {
        const QString r = QDir::cleanPath(racines[i]);
        const bool dedans = d == r || d.startsWith(r.endsWith(QLatin1Char('/')) ? r : r + QLatin1Char('/'));
        if (dedans && r.size() > longueur) {
            meilleur = i;
            longueur = r.size();
        }
    }
    return meilleur;
}

Simule::Simule(QStringList r) : racines(std::move(r)), precedent_(simule) { simule = this; }
Simule::~Simule() { simule = precedent_; }

} // namespace Volumes
