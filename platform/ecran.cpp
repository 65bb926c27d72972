#include "platform/ecran.h"

#include <QGuiApplication>
#include <QScreen>

namespace Ecran {
namespace {
Simule* simule = nullptr;

const QScreen* ecran() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return nullptr;
    return QGuiApplication::primaryScreen();
}
} // namespace

QSize taille() {
    if (simule) return simule->taille();
    const QScreen* e = ecran();
    return e ? e->geometry().size() : QSize();
}

QRect zone_disponible() {
    if (simule) return QRect(QPoint(0, 0), simule->taille());
    const QScreen* e = ecran();
    return e ? e->availableGeometry() : QRect(0, 0, 800, 600);
}

Simule::Simule(QSize t) : taille_(t), precedent_(simule) { simule = this; }
Simule::~Simule() { simule = precedent_; }

} // namespace Ecran
