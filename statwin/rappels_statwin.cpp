#include "statwin/rappels_statwin.h"

#include <QImage>

#include "base/messages.h"
#include "base/rappels.h"
#include "platform/bip.h"
#include "platform/prompts.h"
#include "stats/rappels_stat.h"
#include "statwin/fenhisto.h"

namespace FenetreStat {

void Installe_rappels() {
    Mstat::Signale = [](const QString& texte) { Prompts::msgBox(texte); };
    Mstat::Table_Stat = [](int n) { return n >= 0 && n < int(Lib_Stat.size()) ? Lib_Stat[size_t(n)] : QString(); };
    Mstat::Bip = &Bip::sonner;
    // The screen copies of the window's diagram and plot, and the plot's name.
    Rappels::Zone_statistiques = [](float contexte, QImage& image) {
        if (!FenHisto::charge()) return false;
        FenHisto& f = *FenHisto::instance();
        VueSurface* boite = contexte == 2.0f ? f.MHistPic : contexte == 3.0f ? f.HistPicHist : nullptr;
        if (!boite) return false;
        image = boite->surface().Image();
        return !image.isNull();
    };
    Rappels::Nom_trace_statistiques = [] {
        if (!FenHisto::charge()) return QString();
        return FenHisto::instance()->ModeHisto ? QStringLiteral("Histogramme.") : QStringLiteral("Nuage.");
    };
}

} // namespace FenetreStat
