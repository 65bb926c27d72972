// Importing the list of a results report into the grid: only the cell texts come back,
// with no records, images or calibrations, so the table has no measuring function.
#include "grid/import_csv.h"

#include <QStringList>
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
#include "base/grilles.h"
#include "grid/lecture_commune.h"
#include "base/etat_partage.h"
#include "platform/prompts.h"
#include "platform/textfile.h"

namespace {

// Rows after the title row that a list may bring: the largest grid's measurement rows.
constexpr int LignesImportMax = 255;

// The function titles a report names (entries of the message table, so the language in
// use), each with the function whose columns and titles it gives the grid.
struct TitreFonction {
    int entree;
    short code;
};
constexpr TitreFonction TitresReconnus[] = {{56, 1}, {57, 2}, {58, 3}, {59, 4}, {60, 5}, {61, 6}, {62, 20}};

// The function named on a "Fonction :" line; the last title found decides; 0 for none.
short Fonction_nommee(const QString& ligne) {
    short code = 0;
    for (const TitreFonction& t : TitresReconnus)
        if (!Lib_Langue[t.entree].isEmpty() && ligne.contains(Lib_Langue[t.entree])) code = t.code;
    return code;
}

bool Cellules_vides(const QStringList& cellules) {
    for (const QString& c : cellules)
        if (!c.trimmed().isEmpty()) return false;
    return true;
}

// The cells of one list line as the grid takes them: the separators' blanks and tabs
// dropped, and the comment, in the last column, whole even when it holds a ";".
QStringList Cellules_grille(const QStringList& cellules, int colonnes) {
    QStringList out;
    for (int c = 0; c < cellules.size() && c < colonnes; ++c) {
        if (c == colonnes - 1 && cellules.size() > colonnes) {
            // The report ends every cell with its separator, so the last piece is empty.
            const int fin = cellules.last().trimmed().isEmpty() ? int(cellules.size()) - 1 : int(cellules.size());
            out << cellules.mid(c, fin - c).join(QLatin1Char(';')).trimmed();
        } else {
            out << cellules[c].trimmed();
        }
    }
    return out;
}

// Enough grid for the rows imported: the smallest size the menu offers that holds them,
// never smaller than the size in use.
void Taille_pour(int lignes) {
    Tav& tav = *Tav::instance();
    for (short i = 0; i <= 2; ++i) {
        const int taille = 64 << i;
        if (taille - 1 >= lignes) {
            if (taille > TailleGrille) tav.TgrilleMax_Click(i);
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

    short code = 0;
    int debut = -1;
    for (int i = 0; i < lignes.size(); ++i) {
        const QString& l = lignes[i];
        if (l.contains(QStringLiteral("Fonction :"))) code = Fonction_nommee(l);
        if (l.startsWith(QStringLiteral("LISTE"))) {
            debut = i;
            break;
        }
    }

    // The grid takes the named function's columns; a table of unknown origin gets eight.
    Declarations::Init_TableFonctions();
    int colonnes = code != 0 ? Declarations::NombreColonnes(code) : 0;
    if (colonnes < 4) colonnes = 8;
    GrilleRef.setCols(colonnes);
    GrilleRefP.setCols(colonnes);
    // The statistics columns: all but the row number, "img" and the comment.
    NbValeursLigne = short(colonnes - 3);
    NbColonnesStat = NbValeursLigne;
    if (code != 0) PGr::Entetes_grille_fonction(code);

    // The list: the title row, then the rows up to the first line of blank cells.
    QList<QStringList> liste;
    // A file without a list is no report: the empty grid it leaves is said.
    int faute = debut < 0 ? int(lignes.size()) + 1 : 0;
    for (int i = debut + 1; debut >= 0 && i < lignes.size(); ++i) {
        const QStringList cellules = lignes[i].split(QLatin1Char(';'));
        if (Cellules_vides(cellules)) break;
        if (liste.size() > LignesImportMax) {
            faute = i + 1;
            break;
        }
        liste << Cellules_grille(cellules, colonnes);
    }

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
    if (faute) Lecture::Signale_faute(fichier, faute);
}

void Charge_csv() {
    Tav& tav = *Tav::instance();
    if (EtapeMesure + NbLignesGrille > 2 &&
        Prompts::msgBox(Lib_Langue[185] + SautLigne + Lib_Langue[106],
                        Prompts::YesNo | Prompts::IconInformation, QStringLiteral("Attention !")) == Prompts::No)
        return;

    // The dialog comes first: the grid is cleared only once there is a file to replace it.
    const QString propose = tav.labNomFic.Caption.isEmpty() ? QStringLiteral("mesures.csv") : QStringLiteral(".csv");
    const std::optional<QString> choix =
        Prompts::openFile(QStringLiteral("fich.CSV=> grille"), RepData, QStringLiteral("*.csv|*.csv"), propose);
    if (!choix || choix->isEmpty()) return;
    const QString chemin = *choix;
    if (!Fichier_existe(chemin, QStringLiteral("fichier absent "), 1)) return;

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
    InitFaite = -1;
    tav.Flash(65280, QStringLiteral(" Poursuite des mesures déconseillée"), Vb::CInt(0.8));
}

} // namespace Gen
