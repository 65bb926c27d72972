#pragma once
// Annotations for publication: a scale bar of a typed length in microns, laid
// horizontally from a click or along a dragged direction with end ticks and a label along
// it, and text at a clicked point. Each is a short dialogue in the entry frame Frame(8)
// (prompt label(8), yellow box TBox(5), OK bout(31) and Annule bout(32)) driven by
// EtatSaisie: 0 start, 1 value typed, 2 unit step running, 3 ready to draw, 4 cancel.
// With ReferenceSurImage the horizontal bar and the text also go, at full-image
// coordinates, onto the full-size copy Picture2, which "Enregistre" writes beside the picture.

namespace BGr {

// Horizontal scale bar at ClicX, ClicY: 0 asks the length, 3 draws, 4 cancels.
void Echelle_saisie();
// The unit step of a scale bar (only while IllusReference): a cross, then asks the unit.
void Commentaire_saisie();
// Oriented scale bar from ClicX, ClicY toward RelacheX, RelacheY: 0 proposes the dragged
// length, 3 draws the bar with its ticks and turned label, 4 cancels.
void Echelle_valeur();
// Text at ClicX, ClicY: 0 asks it, 1 prints it, 4 cancels.
void Texte_saisie();

// The same on the view and on the full-size copy.
void Echelle_image_reference();
void Texte_image_reference();
// The clicked point (ClicX, ClicY) on the copy, in PointImageReference(1) and (2) (image
// units, the view-to-image mapping of the view); item 1 is -1 when it cannot be converted.
void Vue_vers_image();
// A cross of 100 x w units on the copy at (x, y), in a colour, w pixels thick.
void Trait_image_reference(int x, int y, long couleur, short w);
// Offers the copy's save in Frame(13), when a picture file is shown.
void Propose_sauve_reference();
// The copy is no longer the picture's: a new picture was taken into picbase. Its
// annotations are dropped and its save no longer offered.
void Ferme_copie_reference();

// OK and Annule of the entry frame while an annotation asks; false when none asks (the
// buttons then serve the calibration).
bool Saisie_OK();
bool Saisie_Annule();

} // namespace BGr
