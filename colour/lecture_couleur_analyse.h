#pragma once
// The pure readers of the colour files (charts ".Nua", standards ".Etl", scanner files
// ".Scn"): lines in, what they hold out. They touch no state, so they run on their own.
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// A chart holds at most this many swatches.
inline constexpr int NbCouleursMax = 256;

namespace Vistrane {

// --- chart
struct NuanceLue {
    std::array<float, 7> valeurs{};   // 1 to 6: R, V, B, L*, a*, b*
    QString nom;
};
struct LectureNuancier {
    bool liste = false;               // a "LISTE=" line opened a value list
    bool calibrageVu = false;         // a "CALIBRAGECOL=" line was met
    bool calibrage = false;           // the value of the last one
    std::vector<NuanceLue> nuances;   // at most 256
    std::vector<int> lignesIgnorees;  // 1-based lines of the list that were not swatches
};
// Reads the lines of a chart file; no state is touched.
LectureNuancier Analyse_nuancier(const QStringList& lignes);
// --- standard and scanner files
struct LigneRef {
    int ligne = 0;                    // f, the value line's rank
    int colonnes = 0;                 // columns 1 to `colonnes` written
    std::array<double, 11> valeurs{};
};
struct LectureRef {
    bool nbMesuresVu = false;
    short nbMesures = 0;              // the last NBMESURES value
    std::vector<LigneRef> lignes;     // what goes into the table, in order
    int lues = 0;                     // value lines of the last list
    bool faute = false;               // the reading stopped on a fault: no line counts
};
// Reads the lines of a standard or scanner file, `compte` being the NBMESURES the caller
// holds (a file without one keeps it). The end of the file ends a reading normally.
LectureRef Analyse_fichier_ref(const QStringList& lignes, short compte);
} // namespace Vistrane
