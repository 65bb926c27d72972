#include "platform/pointeur.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

namespace Pointeur {
namespace {

int attentes = 0;

// Only a program with windows has a pointer to change.
bool Graphique() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

} // namespace

Attente::Attente() {
    if (attentes++ == 0 && Graphique()) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

Attente::~Attente() {
    if (--attentes == 0 && Graphique()) QGuiApplication::restoreOverrideCursor();
}

Forme ecran() { return attentes > 0 ? Sablier : Defaut; }

} // namespace Pointeur
