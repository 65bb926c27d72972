#include "platform/pressepapier.h"

#include <QClipboard>
#include <QGuiApplication>

namespace PressePapier {
namespace {
Simule* simule = nullptr;

QClipboard* bureau() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return nullptr;
    return QGuiApplication::clipboard();
}
} // namespace

QString texte() {
    if (simule) return simule->texte;
    const QClipboard* c = bureau();
    return c ? c->text() : QString();
}

void mettre_texte(const QString& t) {
    if (simule) {
        simule->image = QImage();
        simule->texte = t;
        return;
    }
    if (QClipboard* c = bureau()) {
        c->clear();
        c->setText(t);
    }
}

QImage image() {
    if (simule) return simule->image;
    const QClipboard* c = bureau();
    return c ? c->image() : QImage();
}

void mettre_image(const QImage& i) {
    if (simule) {
        simule->texte.clear();
        simule->image = i;
        return;
    }
    if (QClipboard* c = bureau()) {
        c->clear();
        c->setImage(i);
    }
}

void vider() {
    if (simule) {
        simule->texte.clear();
        simule->image = QImage();
        return;
    }
    if (QClipboard* c = bureau()) c->clear();
}

Simule::Simule() : precedent_(simule) { simule = this; }
Simule::~Simule() { simule = precedent_; }

} // namespace PressePapier
