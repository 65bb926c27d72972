#pragma once
// The row step of the measurement-file reader: the record of a row taken from its line,
// then the row's cells rebuilt from the record by the rule of its function (lengths
// between points, counts, density surfaces, triangles, polygons).
#include <optional>

#include "grid/fichier_trm_analyse.h"

namespace Trm {

// What the row steps carry from one row to the next.
struct SuiteLignes {
    // The closed flag of the last polygon whose flag the file holds: a polygon's flag
    // lies in the record of the row after it, so the last row's own flag is never written.
    std::optional<bool> polygoneFerme;
};

// The complete rows measured on image `image` computed again from their records with its
// coefficient, as a file read back computes them.
void Recalcule_lignes_image(int image);
// The values the row under way already holds on picture `image`, after its coefficient or
// factor changed, and the lengths its computed columns will be taken from.
void Recalcule_ligne_en_cours(int image);

// Row `lue.rang` from its line: its record, then (with `recalcule`) its cells. False when
// a field the function needs was missing or unsound.
bool Etape_ligne(const LigneLue& lue, bool recalcule, SuiteLignes& suite);

} // namespace Trm
