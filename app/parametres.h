#pragma once
// The settings file "Tavl.dat" of the program's folder.

namespace Gen {
// Reads the settings file over the start-up values; writes a default file when none exists.
void Lit_parametres();
} // namespace Gen
