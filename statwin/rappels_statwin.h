#pragma once
// The statistics window's side of the statistics library's hooks.

namespace FenetreStat {

// Puts the window layer's procedures in the statistics library's hooks: a refusal goes
// to a message box, the statistics texts are those of the language loaded, and the
// beep is the desktop's. The start-up runs it before anything is computed.
void Installe_rappels();

} // namespace FenetreStat
