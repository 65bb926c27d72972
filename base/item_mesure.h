#pragma once
// The measuring window's commands, grouped by what they do to the view, the picture, the
// coefficient and the grid. While the user is in the middle of an item, one table of the
// measuring part (measure/item_en_cours.cpp) says what each group does then; the parts
// below it ask through Rappels::Commande_permise.
namespace Item {

enum class Commande {
    Vue,          // the zoom buttons, the view keys C, PageDown and Z, a hand pan, the thumbnail
    Image,        // another picture: open, paste, scan, the folder pane, the group, "Cherche"
    ListeImages,  // another picture from the image lists
    Coefficient,  // another coefficient: a saved one, the correction, to the group
    Resolution,   // "Ind. Dim." and "Ind. Res.": the resolution mode of every row
    Pointage,     // a calibration pointing: "Etalonner", the panel's two pointings
    Grille,       // the grid rebuilt from its records: "maj grille"
    Charge,       // the grid replaced by a file: "Charger la trame", the CSV import
    Fonction,     // another measuring function
    Raz,          // "Raz gril.", "Raz tout" and the picture button that clears the grid
    Defaire,      // Backspace and "<="
    Echap,        // Esc
    Bouton,       // every other button of the command bar that ends with its common ending
    Style,        // "Palmer", "Bipoint", the option boxes that choose "Bipoint", "Machine rapide"
    Poly,         // the "Poly" box
    Annotation,   // the illustration menu's scale bars and texts
    Redimension,  // the window resized, which lays the view out again
    Commentaire,  // the report's comment frame ("Export grille sous ...")
    Nuancier,     // the colour chart or scanner file's header frame
    Nombre,       // not a command: how many there are
};

} // namespace Item
