#pragma once
// The whole shared state at once: its load values (before any start-up step), and a
// start-up for tests that leaves the program as the real start-up does, without windows.
#include <QString>

namespace Etat {

// Every shared variable back to its load value (0, False, empty), the tables emptied,
// the grids and lists cleared.
void Valeurs_de_chargement();

// The program as it stands after start-up, with its folders pointed at `dossier`:
// load values, the measuring window's load and BGr::Init_programme, the empty table.
void Demarrage_test(const QString& dossier);

} // namespace Etat
