#pragma once
// Shared set-up of the measuring window's command, menu and option tests: the program
// after its reset, measured rows recorded as a measure records them, the statistics
// window's session played by the test, and a count of the redraws asked for.
#include <functional>
#include <initializer_list>

#include "base/etat_partage.h"
#include "base/rappels.h"
#include "base/tav.h"
#include "grid/enregistrement.h"
#include "grid/etat_grille.h"
#include "measure/etat_mesure.h"
#include "statwin/fenhisto.h"
#include "tests/common/fixture.h"

// Counts the redraws of the recorded items while it lives, still running them.
class CompteRedessins {
public:
    CompteRedessins() : avant_(Rappels::Retrace) {
        Rappels::Retrace = [this](short mode) {
            ++n;
            avant_(mode);
        };
    }
    ~CompteRedessins() { Rappels::Retrace = avant_; }
    CompteRedessins(const CompteRedessins&) = delete;
    CompteRedessins& operator=(const CompteRedessins&) = delete;
    int n = 0;
private:
    std::function<void(short)> avant_;
};

class FenetreMesure : public EtatPropre {
protected:
    void TearDown() override {
        FenHisto::setModalHook({});
        FenHisto::decharger();
        EtatPropre::TearDown();
    }
    // The segment function from the functions menu, then one row per length measured.
    void Segments(std::initializer_list<short> longueurs) {
        tav.MnuFonc_Click(1);
        for (short l : longueurs) {
            LongueurPixels = l;
            Mstat::Ajoute_Ligne_Grille_Mesure();
        }
    }
    Tav& tav = *Tav::instance();
};
