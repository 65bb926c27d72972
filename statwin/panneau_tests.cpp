#include "statwin/panneau_tests.h"

#include "statwin/fenhisto.h"

FenHisto& PanneauTests::fen() { return static_cast<FenHisto&>(*this); }

void PanneauTests::construire_tests(FenHisto& f) {
    for (int i = 0; i <= 6; ++i) {
        auto* t = new QLineEdit(&f.stcadre(3));
        Twips::placer(*t, 240 + (i % 4) * 1500, 480 + (i / 4) * 500, 1200, 300);
        Ctxt.ajouter(i, t);
    }
    for (int i = 1; i <= 3; ++i) {
        auto* t = new QLineEdit(&f.stcadre(5));
        Twips::placer(*t, 240, 240 + (i - 1) * 450, 1200, 300);
        LNTxt.ajouter(i, t);
    }
    for (int i = 1; i <= 2; ++i) {
        auto* t = new QLineEdit(&f.stcadre(6));
        Twips::placer(*t, 240, 240 + (i - 1) * 450, 1200, 300);
        StText.ajouter(i, t);
    }
    for (int i = 0; i <= 1; ++i) {
        auto* o = new QRadioButton(i == 0 ? QStringLiteral("tdist") : QStringLiteral("T-inv"), &f.stcadre(6));
        Twips::placer(*o, 1800, 240 + i * 300, 1200, 300);
        StOptTInv.ajouter(i, o);
    }
}

void PanneauTests::Charge_entetes() {}

void PanneauTests::Mnstat3_Click(short index) {
    FenHisto& f = fen();
    if (index == 1) {
        f.stcadre(7).setVisible(false);
        f.Init_cadrage_frames(3);
        f.Init_cadrage_frames(4);
        f.stcadre(7).setVisible(true);
        f.stcadre(7).setEnabled(true);
    }
}
