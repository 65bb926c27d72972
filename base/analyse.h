#pragma once
// What a parser of a text the user hands us (a file, a pasted table, a typed series)
// gives back beside its records: the problems it found, each with its line, so that the
// step applying the records can tell the user where the text stopped being sound.
// Parsers touch no grid, no shared state and no prompt.
#include <QString>
#include <vector>

namespace Analyse {

struct Probleme {
    int ligne;      // 1-based; one past the last line when the text ends where more was due
    QString motif;  // what was wrong, for tests and traces; the user sees the line only
};
using Problemes = std::vector<Probleme>;

// The first line found at fault, 0 when the text was sound.
inline int Premiere_ligne(const Problemes& problemes) {
    int premiere = 0;
    for (const Probleme& p : problemes)
        if (premiere == 0 || p.ligne < premiere) premiere = p.ligne;
    return premiere;
}

} // namespace Analyse
