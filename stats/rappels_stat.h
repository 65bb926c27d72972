#pragma once
// What the statistics library asks of the window above it, through hooks the window
// layer sets at start-up: showing a refusal to the user, the entries of the language's
// statistics texts, and the beep. The library includes no window, prompt or message
// table, so it runs under a bare QCoreApplication.
#include <QString>
#include <functional>

namespace Mstat {

// Shows a refusal of the library to the user (the window layer puts up a message box).
// Unset, a refusal goes no further than the value the routine returns.
extern std::function<void(const QString&)> Signale;
// Entry n of the statistics texts in the language loaded. Unset, the library uses its
// built-in French entries.
extern std::function<QString(int)> Table_Stat;
// Called for the beep of Beta_Incomplete(x, 0, 0).
extern std::function<void()> Bip;

// Passes a refusal to Signale when it is set.
void Signaler(const QString& texte);
// Entry n of the statistics texts: Table_Stat's, or the built-in French one (entries 1
// "données ", 2 "incorrectes", 3 "insuffisantes" and 5 "risque ="; any other is empty).
QString Texte_Stat(int n);

} // namespace Mstat
