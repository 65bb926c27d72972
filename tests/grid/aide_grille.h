#pragma once
// Helpers of the grid tests: a clean state with a function set up as the menus do it,
// and measurements recorded as the measuring window's clicks record them.
#include <QString>

#include "tests/common/fixture.h"

class GrilleTest : public EtatPropre {
protected:
    void SetUp() override;
    // Clears the grid and lays it out for function `f`, as a function menu does.
    static void Choisit(short f);
    // One measured value of `pixels` image pixels (microns at calibration 1).
    static void Mesure(short pixels);
    // A whole row of a click function, one value per length.
    static void Ligne(std::initializer_list<short> longueurs);
    static QString cell(int r, int c);
    static QString stat(int r, int c);
};
