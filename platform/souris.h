#pragma once
// The pointer speed the measuring part slows down while pointing. The desktop owns the
// real setting on Linux; the program keeps its own value so that it can restore it.

namespace Souris {
int vitesse();
void setVitesse(int v);
} // namespace Souris
