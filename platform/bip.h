#pragma once
// The desktop's beep, which tests count instead of hearing.
namespace Bip {
void sonner();
// Beeps heard since the program started (tests compare before and after an action).
int entendus();
} // namespace Bip
