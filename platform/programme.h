#pragma once
// The end of the program. The original ended at once from inside a modal window; here
// the request unwinds the modal showing and the start-up loop returns to main.

namespace Programme {
void Terminer(int code = 0);
bool Termine();
int CodeSortie();
void Reprendre();   // tests: forget an earlier end request
} // namespace Programme
