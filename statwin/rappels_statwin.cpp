#include "statwin/rappels_statwin.h"

#include "base/messages.h"
#include "platform/bip.h"
#include "platform/prompts.h"
#include "stats/rappels_stat.h"

namespace FenetreStat {

void Installe_rappels() {
    Mstat::Signale = [](const QString& texte) { Prompts::msgBox(texte); };
    Mstat::Table_Stat = [](int n) { return n >= 0 && n < int(Lib_Stat.size()) ? Lib_Stat[size_t(n)] : QString(); };
    Mstat::Bip = &Bip::sonner;
}

} // namespace FenetreStat
