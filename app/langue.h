#pragma once
// Language files: "Tavl2_<code>.lng" in the program's folder translates the measuring
// window's captions and replaces entries of the message tables by number.
#include <QString>

namespace Messages {
// Puts back the built-in French tables and captions, then reads the file of CodeLangue
// over them and applies the captions taken from the tables. French needs no file.
void Charge_Langue();
// Caption of command-bar button `index`; echec is 0, or 1 when there is no such button.
void Legende_Bouton(short index, const QString& caption, float& echec);
// The measuring window's own French captions, as the window is laid out.
void Legendes_initiales();
// The path of a language's file.
QString Fichier_langue(const QString& code);
} // namespace Messages
