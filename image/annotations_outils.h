#pragma once
// What the annotation dialogues share: asking in the entry frame, the common cancel, the
// drawing colour, the cross, the bar's length on the view and the label's number.
#include <QString>
#include <optional>

namespace Annotation {

// Shows the entry frame with its prompt and the box's text, yellow, and waits for OK (step 1).
void Demande(const QString& invite, const QString& texte);
// Ends a dialogue: back to step 0, the frame closed.
void Ferme_dialogue();
// The common cancel: the view is redrawn (wiping unfinished marks), the dialogue ends;
// the caller clears its mode flag.
void Abandon();
// The first drawing colour, as &HBBGGRR.
long Couleur_dessin();
// The cross of a clicked point on the view, in the drawing colour; the pen is left 100
// units below the point.
void Croix_vue(int x, int y);
// The scale bar's length on the view, in view units, for L microns at the current zoom
// and calibration: L / CalibrageActuel / FacteurZoom / KZoomCal x DiviseurEchelle.
double Longueur_vue(double L);
// Why the length typed in the box cannot make a bar from ClicX, ClicY (not a number, not
// above 0, no calibration, beyond the coordinates), or nothing when it can; the length
// read is then in LongueurRef.
std::optional<QString> Refus_longueur();
// The refusal shown on the flash panel; the value step stays open.
void Refuse(const QString& raison);
// The horizontal bar of LongueurRef microns on the view from the clicked point, labelled
// `prefixe` + the length + the unit typed, with its end cross; its length in view units,
// or nothing (refused, the value asked again) when it cannot be drawn.
std::optional<double> Barre_horizontale_vue(const QString& prefixe);

} // namespace Annotation
