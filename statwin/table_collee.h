#pragma once
// Reading a table copied from a spreadsheet: tab-separated cells, lines ended by CR LF
// or LF alone, numbers with a decimal comma or point or grouped as the user's locale
// groups them (Gen::Nombre_colle). By rows, each line is a series; by columns, each
// column of the first line is a series. Only the text before the last line end counts,
// as a spreadsheet ends every line of its copy.
// The reading touches no grid: the paste buttons write what it gives.
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "base/analyse.h"

namespace TableCollee {

inline constexpr int SeriesMax = 6;
inline constexpr int ValeursMax = 256;

// The lines before the last line end, each without its CR.
QStringList Lignes(const QString& texte);

enum class Refus {
    Aucun,
    Vide,                // no complete line, or no value
    TropDeValeurs,       // a series longer than ValeursMax
    DonneesIncorrectes,  // a cell that is not a number (by rows)
    ErreurLigne,         // a line with a missing or non-numeric cell, or one beyond single
                         // precision (by columns)
};

struct Lecture {
    // Series by index; cell k of a series goes to grid row k + 1, an empty cell holds nothing.
    std::vector<std::vector<std::optional<double>>> series;
    Refus refus = Refus::Aucun;
    int ligne = 0;              // the line at fault (ErreurLigne) as its message names it: from 0
    bool seriesTronquees = false;  // more than SeriesMax series: the first ones are kept
    Analyse::Problemes problemes;  // the reason of a refusal, with its line from 1
    // The longest series, to its last value.
    int longueur() const;
};

Lecture Lire_H(const QString& texte);
Lecture Lire_V(const QString& texte);

// True when the text holds no line end, so no complete line and no value.
bool Sans_fin_de_ligne(const QString& texte);
// By columns, such a text still names the series of its one line: they come without
// values (at most SeriesMax of them, seriesTronquees beyond).
Lecture Series_sans_valeur(const QString& texte);

} // namespace TableCollee
