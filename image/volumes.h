#pragma once
// The volumes the folder pane offers in place of drive letters: the roots of the mounted
// file systems. Tests put a list of their own in place of the machine's.
#include <QStringList>

namespace Volumes {

// The roots of the mounted volumes, "/" first.
QStringList Montes();
// The volume of the list that holds a folder (the longest root it starts with), -1 when none.
int Volume_de(const QStringList& racines, const QString& dossier);

// While one is alive, the mounted volumes are its `racines`.
class Simule {
public:
    explicit Simule(QStringList racines);
    ~Simule();
    Simule(const Simule&) = delete;
    Simule& operator=(const Simule&) = delete;
    QStringList racines;
private:
    Simule* precedent_ = nullptr;
};

} // namespace Volumes
