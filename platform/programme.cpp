#include "platform/programme.h"

#include <QApplication>
#include <QWidget>

namespace Programme {
namespace {
bool fin = false;
int code = 0;
} // namespace

void Terminer(int c) {
    fin = true;
    code = c;
    // Leave any modal window's loop; the start-up loop sees the flag and returns.
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
}

bool Termine() { return fin; }
int CodeSortie() { return code; }
void Reprendre() { fin = false; code = 0; }

} // namespace Programme
