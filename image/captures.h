#pragma once
// Pictures written at the user's request: the acquired picture or the view, and copies of
// the screen or of a window's work area, each under a name chosen in a save dialog.
#include <QString>

#include "platform/surface_boite.h"

// The screen-copy form, never shown: a picture box. The copies of the screen take the screen
// themselves, and nothing calls its two procedures.
class frmCopieEcran {
public:
    // The single instance, loaded on first use.
    static frmCopieEcran* instance();
    // Acquires one picture from the scanner's source into Picture1; a failure or a cancel
    // leaves Picture1 as it was.
    void Acquiert_Twain();
    // Unloads the form: its picture is dropped.
    void Ferme();

    BoiteImage Picture1;
    bool operator==(const frmCopieEcran&) const = default;
    bool au_depart() const { return *this == frmCopieEcran(); }

private:
    frmCopieEcran() = default;
};

namespace Gen {

// The save dialog of these pictures: `nom` without extension, `ext` without the dot,
// starting in RepData. The path chosen, or "" when the user cancelled the dialog
// (`annule` = 1) or declined to overwrite an existing file (`annule` = 0).
QString Dialogue_sauve_fichier(const QString& nom, const QString& ext, short& annule);

// Writes the picture held (1) or the view as drawn (2) as a BMP file the user names.
void Sauve_image_twain(short genre);

// A copy of the whole screen or, by the checked item of Mn_Copie_Ecran, of the work area
// of context 1 (the measuring window's view), 2 (the statistics window's diagram) or 3
// (its plot), as a BMP file the user names. The first argument is not used.
void Copie_ecran(const QString& nom, float contexte);

// The default base name of a copy: the picture shown, else the context's own.
QString Nom_copie_ecran(float contexte);

// The user is told that a picture could not be written to `chemin`, and why.
void Signale_echec_ecriture(const QString& chemin, const QString& raison);

} // namespace Gen
