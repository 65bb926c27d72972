#include "grid/import_csv_analyse.h"

namespace Csv {

namespace {

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

// The list's key line: "LISTE" before its "=", as the report writes it; a comment that
// merely begins with the word is no list.
bool Ligne_liste(const QString& l) {
    const qsizetype egal = l.indexOf(QLatin1Char('='));
    return egal >= 0 && l.left(egal).trimmed() == QLatin1String("LISTE");
}

// The report's count line, "N mesures", which its list key line follows.
bool Ligne_compte(const QString& l) {
    const QString t = l.trimmed();
    const QLatin1String fin(" mesures");
    if (!t.endsWith(fin) || t.size() == fin.size()) return false;
    for (qsizetype k = 0; k < t.size() - fin.size(); ++k)
        if (t[k] < QLatin1Char('0') || t[k] > QLatin1Char('9')) return false;
    return true;
}

// The list's key line: the report's own, after its count line, whatever key line the
// user's comment above it makes; in a file laid out otherwise, its first key line.
int Debut_liste(const QStringList& lignes) {
    int premiere = -1;
    for (int i = 0; i < lignes.size(); ++i) {
        if (!Ligne_liste(lignes[i])) continue;
        if (i > 0 && Ligne_compte(lignes[i - 1])) return i;
        if (premiere < 0) premiere = i;
    }
    return premiere;
}

// The columns of a title row: its cells, less the empty piece after the last separator.
int Colonnes_titres(const QString& titres) {
    QStringList cellules = titres.split(QLatin1Char(';'));
    if (cellules.size() > 1 && cellules.last().trimmed().isEmpty()) cellules.removeLast();
    return int(cellules.size());
}

} // namespace

Lecture Analyse_csv(const QStringList& lignes, const std::vector<Fonction>& fonctions) {
    Lecture lu;
    const int debut = Debut_liste(lignes);
    for (int i = 0; i < (debut < 0 ? int(lignes.size()) : debut); ++i) {
        const QString& l = lignes[i];
        // The report names its function once, on its third line: a comment that says
        // "Fonction :" later changes nothing.
        if (l.contains(QStringLiteral("Fonction :"))) {
            for (const Fonction& f : fonctions)
                if (!f.titre.isEmpty() && l.contains(f.titre)) lu.code = f.code;
            break;
        }
    }

    // The grid takes the named function's columns; a report of another function, those
    // of its title row; a table of unknown origin gets eight.
    lu.colonnes = 0;
    for (const Fonction& f : fonctions)
        if (lu.code != 0 && f.code == lu.code) lu.colonnes = f.colonnes;
    if (lu.colonnes < 4 && debut >= 0 && debut + 1 < lignes.size()) {
        const int titres = Colonnes_titres(lignes[debut + 1]);
        if (titres >= 4 && titres <= 10) lu.colonnes = titres;
    }
    if (lu.colonnes < 4) lu.colonnes = 8;

    // A file without a list is no report: the empty grid it leaves is said.
    if (debut < 0) lu.problemes.push_back({int(lignes.size()) + 1, QStringLiteral("pas de ligne LISTE")});
    for (int i = debut + 1; debut >= 0 && i < lignes.size(); ++i) {
        const QStringList cellules = lignes[i].split(QLatin1Char(';'));
        if (Cellules_vides(cellules)) break;
        if (lu.liste.size() > LignesImportMax) {
            lu.problemes.push_back({i + 1, QStringLiteral("plus de lignes que la grille")});
            break;
        }
        lu.liste << Cellules_grille(cellules, lu.colonnes);
    }
    return lu;
}

} // namespace Csv
