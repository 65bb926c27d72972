#pragma once
// Every field of every registered group of shared state (the measuring window's controls
// included), read as text or changed, through the groups' own walk: a field added to a
// group is read and changed with no list to keep.
#include <QString>
#include <QStringList>
#include <vector>

namespace Releve {

struct Champ {
    QString nom;      // "group.field", with "[k]" for the k-th element of an array
    QString valeur;   // the field's whole value as text
};

// Every field of every registered group, in walking order.
std::vector<Champ> Lit();

// Gives every field of every registered group a value other than the one it holds.
void Derange();

// One line per field whose value differs between two readings (or per field missing).
QStringList Differences(const std::vector<Champ>& avant, const std::vector<Champ>& apres);

} // namespace Releve
