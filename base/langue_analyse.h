#pragma once
// A language file "Tavl2_<code>.lng" read as text: the captions and message-table
// entries it gives, by section and number, up to the first line it cannot take. Nothing
// here touches the tables or the controls; Messages::Charge_Langue applies what this
// reading gives, in file order.
#include <QStringList>
#include <vector>

#include "base/analyse.h"

namespace FichierLangue {

// The sections a file may hold: single-line captions of the top menus, the command bar's
// buttons, the measuring window's control arrays, and the message tables.
enum class Section {
    // one line "KEY; caption"
    MnFonctions, MnEdit, MnFichiers, MnOptions, MnOutils, MnAide, MnuAide,
    // the command bar: a button that does not exist is passed over
    Boutons,
    // control arrays: an index that does not exist stops the reading
    MnuFonc, MnuEdit, MnuFic, MnuOpt, MnuTls, Chk, Optn, Etiq, Cadr,
    // message tables: an entry outside the table stops the reading
    Mnu, Msg, MStat, MnuStat, Brastel,
};

// Entries of the message tables: Mnu, Msg, MStat and Brastel hold 256, MnuStat 121.
inline constexpr int EntreesTable = 256;
inline constexpr int EntreesTableStat = 121;

struct Entree {
    Section section;
    int index = 0;  // the entry's number (0 for a single-line caption)
    QString texte;
    int ligne = 0;
};

struct Lecture {
    std::vector<Entree> entrees;  // everything before the first line that could not be taken
    // At most one: the line where the reading stopped (its text is lignes[ligne - 1]).
    Analyse::Problemes problemes;
};

// Reads the lines of a language file (without their line ends).
Lecture Analyse_langue(const QStringList& lignes);

// One control of an array as the measuring window is laid out: its index, and its
// French caption (nullptr when the caption is set at run time and the layout gives none).
struct Legende {
    int index;
    const char* texte;
};
using Legendes = std::vector<Legende>;

// The controls of a control-array section (MnuFonc to Cadr), the only indexes a file may
// caption; empty for any other section.
const Legendes& Legendes_section(Section section);

} // namespace FichierLangue
