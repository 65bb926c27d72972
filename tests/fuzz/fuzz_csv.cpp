// The report import's parser on any bytes: the list never outgrows the largest grid,
// no row has more cells than the grid's columns, and the columns are those of a grid.
#include "grid/import_csv_analyse.h"
#include "tests/fuzz/fuzz_commun.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t taille) {
    // Titles as a report names them, with their functions' column counts.
    static const std::vector<Csv::Fonction> fonctions = {
        {QStringLiteral("mesure Segment"), 1, 4},   {QStringLiteral("Spores 2D"), 2, 7},
        {QStringLiteral("Spores 3D"), 3, 8},        {QStringLiteral("mesure Cystide 3"), 4, 6},
        {QStringLiteral("mesure Cystide 4"), 5, 7}, {QStringLiteral("mesure Cystide 5"), 6, 8},
        {QString(), 20, 10}};
    const QStringList lignes = Lignes_fichier(data, taille);
    const Csv::Lecture lu = Csv::Analyse_csv(lignes, fonctions);
    VERIFIE(lu.colonnes >= 4 && lu.colonnes <= 10);
    VERIFIE(lu.liste.size() <= Csv::LignesImportMax + 1);
    for (const QStringList& cellules : lu.liste) VERIFIE(cellules.size() <= lu.colonnes);
    for (const Analyse::Probleme& p : lu.problemes) VERIFIE(p.ligne >= 1 && p.ligne <= lignes.size() + 1);
    VERIFIE(lu.problemes.size() <= 1);
    return 0;
}
