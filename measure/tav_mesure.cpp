// The measuring window's procedures of the measuring part that other parts call: the
// redraw, the calibration steps, the option buttons and the pointer speed.
#include "base/etat_partage.h"
#include "base/tav.h"
#include "measure/etat_mesure.h"
#include "platform/souris.h"

void Tav::Retrace(short) {}
void Tav::PasCalibr(short) {}
void Tav::Calibrage_Ouvre(short) {}

void Tav::Optn_Click(short index) {
    switch (index) {
    case 1: IndResolution = 0; KZoomCal = 1.0; break;
    case 2: IndResolution = -1; KZoomCal = 1.0; break;
    case 5: ModePalmer = 2; break;
    case 6: ModePalmer = 1; break;
    default: break;
    }
}

void Tav::Vmouse(short code) {
    switch (code) {
    case 0: Souris::setVitesse(10); break;
    case 1: Souris::setVitesse(2); break;
    case 2: Souris::setVitesse(VitesseSouris); break;
    default: break;
    }
}
