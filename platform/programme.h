#pragma once
// The end of the program. A request to end, even from inside a modal window, unwinds the
// modal showing and the start-up loop returns to main, so every scope closes.

namespace Programme {
void Terminer(int code = 0);
bool Termine();
int CodeSortie();
void Reprendre();   // tests: forget an earlier end request
} // namespace Programme
