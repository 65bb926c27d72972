#include "platform/capture_ecran.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

namespace CaptureEcran {
namespace {

Simule* simule = nullptr;

// Our own windows shown on the screen, each at its place: what the user sees of the program.
QImage fenetres(const QScreen& ecran) {
    const QRect zone = ecran.geometry();
    QImage image(zone.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || w->isMinimized() || w->screen() != &ecran) continue;
        // A top-level window's geometry is its inside, in screen coordinates.
        p.drawPixmap(w->geometry().topLeft() - zone.topLeft(), w->grab());
    }
    return image;
}

} // namespace

QImage ecran(QString* raison) {
    if (simule) {
        simule->compte();
        if (simule->image().isNull() && raison) *raison = QStringLiteral("the screen could not be copied");
        return simule->image();
    }
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
        if (raison) *raison = QStringLiteral("no screen");
        return QImage();
    }
    QScreen* e = QGuiApplication::primaryScreen();
    if (!e) {
        if (raison) *raison = QStringLiteral("no screen");
        return QImage();
    }
    const QPixmap bureau = e->grabWindow(0);
    if (!bureau.isNull()) return bureau.toImage().convertToFormat(QImage::Format_RGB32);
    return fenetres(*e);
}

Simule::Simule(QImage image) : image_(std::move(image)), precedent_(simule) { simule = this; }
Simule::~Simule() { simule = precedent_; }

} // namespace CaptureEcran
