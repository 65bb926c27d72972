#pragma once
// The adjustment window's comparison and adjustment procedures, on the RGB quadratic mean
// difference: a colour against every reference of the chart or the grid, the nearest
// swatch, the swatches within a tolerance, and the automatic lists.
#include <QString>
#include <array>

#include "colour/ajustement_calcul.h"

namespace CalculAjustement {

using Couleur = std::array<double, 4>;   // 1 to 3: R, V, B

// Code 1: the RGB quadratic mean difference of the reference and the input; else 0.
double EcartCoul(short code, const Couleur& CouleurRef, const Couleur& CouleurSaisie);
// a when a > b, else b.
double Maxi(double a, double b);

// The input colour of the boxes Text3(0..2).
Couleur Couleur_saisie(const EntreesAjustement& e);
// True when a box the procedures read (the colour, the count of results, the tolerance)
// holds a number beyond the doubles: the procedures then refuse it as they refuse an
// empty box, with message 223, since no value stands for it.
bool Saisie_hors_nombres(const EntreesAjustement& e);
// The refusal of such a box.
SortiesAjustement Refus_hors_nombres();

// One comparison line per reference (1 the chart, 2 the grid's rows), the per-channel
// differences taken from (rge, vrt, blu), the "écart" between the reference and the input.
SortiesAjustement AjusteCompareColor(const EntreesAjustement& e, short TableIdx, double rge, double vrt, double blu);
// Any item of the window's menu: the chart compared with the input colour.
SortiesAjustement Fic_Ajust_Click(const EntreesAjustement& e);
// The swatch nearest to the input (absolute mode).
SortiesAjustement AjusteTrouveRefColor(const EntreesAjustement& e, float ITolerance);
// The swatches within ITolerance of the input; `compte` receives their number.
SortiesAjustement AjusteTrouveRefColor_XX(const EntreesAjustement& e, float ITolerance, int& compte);
// The swatches within a tolerance of the input after both are brought to the input's
// lightness: K1 = 3 / (R + V + B) of the input turns RGB differences into the tolerance's units.
SortiesAjustement AjusteTrouveRefColorRelatif(const EntreesAjustement& e, double& K1, double tolerance, double rge,
                                              double vrt, double blu, int& compte);
// The N nearest distinct swatches (Text4, at most 15) after the line "ajustauto 09";
// only Tdistance = 1 lists anything.
SortiesAjustement AjusteAuto_aout09(const EntreesAjustement& e, short Tdistance);
// The tolerance for which exactly N swatches lie within it: doubled until enough, then halved
// between bounds. `tolerance` is the start value in and the final value out.
SortiesAjustement AjusteAutoXX(const EntreesAjustement& e, double& tolerance);
// From the input boxes: the automatic list when Check5 is ticked; K1 as the relative mode uses it.
SortiesAjustement xAppelAjustauto(const EntreesAjustement& e, double& K1);
// The adjust command: the colour of the chosen source into Text3, its luminance, then the
// automatic list, the absolute or the relative adjustment.
SortiesAjustement Ajuster(const EntreesAjustement& e);
// The colour of the chosen source into Text3: the grid's means, its last filled row, or the
// boxes' own values.
SortiesAjustement xComparer(const EntreesAjustement& e);

} // namespace CalculAjustement
