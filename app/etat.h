#pragma once
// The whole shared state at once: back to its start-up values, and a start-up for tests
// that leaves the program as the real start-up does, without windows.
#include <QString>

namespace Etat {

// Every group of shared variables and every control of the measuring window back to its
// start-up value.
void Valeurs_de_chargement();

// The program as it stands after start-up, with its folders pointed at `dossier`: the
// reset, then the measuring window's own load up to the statistics window's loop, all of
// it but the reading of the settings file (the tests' settings are the start-up values).
void Demarrage_test(const QString& dossier);

} // namespace Etat
