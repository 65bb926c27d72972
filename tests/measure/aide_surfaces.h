#pragma once
// The surface and density menus' items for the measuring's tests: each sets the function
// up through the services its handler calls (the window's menus of these items call the
// same ones), from a fresh start.
#include "base/tav.h"
#include "grid/fonction.h"
#include "measure/etat_mesure.h"
#include "tests/measure/aide_mesure.h"

namespace AideMesure {

class SurfaceTest : public MesureTest {
protected:
    // "Surface": 1 "Triangle", 2 "Polygone auto", 3 "Polygone ouvert".
    void Surface_menu(short index) {
        Gen::RAZ_boutons_fonction();
        Gen::Change_fonction();
        tav.bout(42).Visible = true;
        ModeTriangle = index == 1 ? -1 : 0;
        ModePolygone = index == 1 ? 0 : -1;
        if (index > 1) PolygoneCercles = index == 2 ? -1 : 0;
        NumFonction = index == 1 ? 15 : 16;
        NbSommets = 0;
        PGr::Choix_fonction();
        tav.Retrace(0);
    }
    // "Densité": 1 "Ellipse", 2 "Rectangle".
    void Densite_menu(short index) {
        Gen::RAZ_boutons_fonction();
        ModeDensite = -1;
        tav.TBox(6).Text = QStringLiteral("0");
        NumFonction = short(index + 12);
        Gen::Change_fonction();
        ImageRestauree = 0;
        PGr::Choix_fonction();
        tav.Retrace(0);
    }
};

} // namespace AideMesure
