// Importing the list of a results report, read by Csv::Analyse_csv, into the grid: only
// the cell texts come back, with no records, images or calibrations, so the table has no
// measuring function.
#include "grid/import_csv.h"

#include <QStringList>
#include <algorithm>
#include <exception>

#include "base/declarations.h"
#include "base/etat_demarrage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/messages.h"
#include "base/tav.h"
#include "base/vb.h"
#include "grid/effacement.h"
#include "grid/etat_grille.h"
#include "grid/fonction.h"
#include "grid/import_csv_analyse.h"
#include "base/grilles.h"
#include "grid/lecture_commune.h"
#include "grid/taille_grille.h"
#include "base/etat_partage.h"
#include "platform/prompts.h"
#include "platform/textfile.h"

namespace {

// The function titles a report names (entries of the message table, so the language in
// use), each with the function whose columns and titles it gives the grid.
struct TitreFonction {
    int entree;
    short code;
};
constexpr TitreFonction TitresReconnus[] = {{56, 1}, {57, 2}, {58, 3}, {59, 4}, {60, 5}, {61, 6}, {62, 20}};

std::vector<Csv::Fonction> Fonctions_reconnues() {
    Declarations::Init_TableFonctions();
    std::vector<Csv::Fonction> f;
    for (const TitreFonction& t : TitresReconnus)
        f.push_back({Lib_Langue[t.entree], t.code, Declarations::NombreColonnes(t.code)});
    return f;
}

// Enough grid for the rows imported: the smallest size the menu offers that holds them,
// never smaller than the size in use.
void Taille_pour(int lignes) {
    for (short i = 0; i <= 2; ++i) {
        const int taille = 64 << i;
        if (taille - 1 >= lignes) {
            if (taille > TailleGrille) Gen::Taille_grille_max(i);
            break;
        }
    }
    if (GrilleRef.Rows() < TailleGrille + 1) GrilleRef.setRows(TailleGrille + 1);
}

} // namespace

namespace Gen {

void Lit_csv(const QString& chemin, short&) {
    const QString fichier = chemin.isEmpty() ? Chemin_donnees(QStringLiteral("mesure.csv")) : chemin;
    if (!Fichier_existe(fichier, QStringLiteral("fichier absent "), 1)) return;
    QStringList lignes;
    if (!TextFile::readLines(fichier, lignes)) return;
    FichierCSVImporte = fichier;
    Lecture::Echelle_calibrage_fichier();

    const Csv::Lecture lu = Csv::Analyse_csv(lignes, Fonctions_reconnues());
    const int colonnes = lu.colonnes;
    GrilleRef.setCols(colonnes);
    GrilleRefP.setCols(colonnes);
    // The statistics columns: all but the row number, "img" and the comment.
    NbValeursLigne = short(colonnes - 3);
    NbColonnesStat = NbValeursLigne;
    if (lu.code != 0) PGr::Entetes_grille_fonction(lu.code);

    const QList<QStringList>& liste = lu.liste;
    const int n = std::max<int>(int(liste.size()) - 1, 0);
    Taille_pour(n);
    for (int r = 0; r < liste.size(); ++r) {
        const QStringList& cellules = liste[r];
        for (int c = 0; c < cellules.size(); ++c) {
            GrilleRef.setTextMatrix(r, c, cellules[c]);
            if (r == 0 && c < GrilleRefP.Cols()) GrilleRefP.setTextMatrix(0, c, cellules[c]);
        }
    }
    NbLignesGrille = short(n + 1);
    for (int r = 1; r <= std::min(n, TableMesuresMax); ++r) Trame(r).ValeursSeules = true;
    if (const int faute = Analyse::Premiere_ligne(lu.problemes)) Lecture::Signale_faute(fichier, faute);
}

bool Ligne_sans_trame(int ligne) {
    // Only the table without function has such rows: a function chosen since then
    // records its rows into records that may still carry the mark.
    return NumFonction == 0 && ligne >= 1 && ligne <= TableMesuresMax && Trame(ligne).ValeursSeules;
}

bool Lignes_sans_trame() {
    for (int r = 1; r < NbLignesGrille; ++r)
        if (Ligne_sans_trame(r)) return true;
    return false;
}

bool Charge_csv() {
    const std::optional<QString> choix =
        Lecture::Fichier_a_charger(QStringLiteral("fich.CSV=> grille"), QStringLiteral("csv"), QStringLiteral("fichier absent "));
    if (!choix) return false;
    const QString chemin = *choix;
    // The import shows no picture: the one on screen takes clicks afterwards only if it
    // took them before. A placeholder shown because no picture could be read stays
    // closed to clicks, or its rows would be read with another picture's scale.
    const short clics = InitFaite;

    try {
        NumFonction = 0;
        RAZ_grille(1);
        Lecture::Vide_trames();
        InitFaite = 0;
        short statut = 0;
        Lit_csv(chemin, statut);
        ListImgMC.Clear();
        ListImgIdx.Clear();
        if (ListIMGchar.ListCount() > 0) ListIMGchar.setListIndex(0);
    } catch (const std::exception&) {
        // A failing step ends the import; the notice below still tells the user.
    }
    InitFaite = clics;
    Tav::instance()->Flash(65280, QStringLiteral(" Poursuite des mesures déconseillée"), Vb::CInt(0.8));
    return true;
}

} // namespace Gen
