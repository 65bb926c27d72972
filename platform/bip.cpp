#include "platform/bip.h"

#include <QApplication>

namespace Bip {
namespace {
int compte = 0;
}

void sonner() {
    ++compte;
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) QApplication::beep();
}

int entendus() { return compte; }
} // namespace Bip
