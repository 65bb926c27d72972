#include "platform/souris.h"

namespace Souris {
namespace {
int courante = 10;  // the middle of the 1 to 20 scale
} // namespace
int vitesse() { return courante; }
void setVitesse(int v) {
    if (v >= 1 && v <= 20) courante = v;
}
} // namespace Souris
