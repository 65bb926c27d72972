// The statistics window's frame: start-up loop, views, menus and example data.
#include <QApplication>
#include <QImage>

#include "app/etat_demarrage.h"
#include "app/etat_programme.h"
#include "app/programme.h"
#include "app/tav.h"
#include "grid/etat_grille.h"
#include "grid/grilles.h"
#include "platform/prompts.h"
#include "statwin/fenhisto.h"
#include "tests/common/fixture.h"

namespace {

class FenetreStat : public EtatPropre {
protected:
    void TearDown() override {
        FenHisto::setModalHook({});
        FenHisto::decharger();
        EtatPropre::TearDown();
    }
    FenHisto& fenetre() {
        FenHisto* f = FenHisto::instance();
        f->Form_Activate();
        return *f;
    }
};

TEST_F(FenetreStat, CaptureDeLaFenetre) {
    StatDef = 1;
    FenHisto& f = fenetre();
    f.grab().save(QStringLiteral("/tmp/fenhisto_vue1.png"));
    f.Mnstat_Click(2);
    f.grab().save(QStringLiteral("/tmp/fenhisto_vue2.png"));
}

} // namespace
