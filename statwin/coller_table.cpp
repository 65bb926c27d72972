// The two table-paste buttons: a spreadsheet table from the clipboard, by rows or by
// columns, replaces the measurement grid's contents and is summarised at once.
#include <algorithm>
#include <exception>

#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/messages.h"
#include "base/tav.h"
#include "base/vb.h"
#include "grid/effacement.h"
#include "grid/etat_grille.h"
#include "grid/import_csv.h"
#include "base/grilles.h"
#include "platform/prompts.h"
#include "statwin/fenhisto.h"
#include "statwin/table_collee.h"
#include "platform/pressepapier.h"

namespace {

QString texteColle() {
    return PressePapier::texte();
}

// Clears the grid after the user's consent; false when the user keeps it.
bool Vider_grille() { return Gen::RAZ_grille(0); }

// Writes a table read from the clipboard into the grids, sized to hold it.
void Ecrire_table(const TableCollee::Lecture& t, bool parColonnes) {
    const int s = int(t.series.size());
    const int longueur = parColonnes ? int(t.series.empty() ? 0 : t.series.front().size()) : t.longueur();
    // The pasted values have no measurement behind them: no record may go with them.
    NumFonction = 0;
    Gen::RAZ_trame();
    NbValeursLigne = short(s + 1);
    // Every pasted series is a result column: the diagram, the tests and the deciles
    // offer and summarise columns 1 to s.
    NbColonnesStat = short(s);

    const int colonnes = s + 3;  // row number, the series, "img" and the comment
    GrilleRef.setCols(colonnes);
    GrilleRef.setRows(std::max<int>(TailleGrille + 1, longueur + 1));
    GrilleRefP.setCols(colonnes);
    MGrille.setCols(colonnes);
    if (parColonnes) GrilleRefP.setRows(GrilleRef.Rows());
    for (int c = 1; c < GrilleRef.Cols(); ++c) {
        GrilleRef.setColWidth(c, 500);
        GrilleRefP.setColWidth(c, 500);
    }
    for (int j = 0; j < s; ++j) {
        const QString titre(QChar(u'A' + j));
        GrilleRef.setTextMatrix(0, j + 1, titre);
        GrilleRefP.setTextMatrix(0, j + 1, titre);
    }
    GrilleRef.setTextMatrix(0, s + 1, QStringLiteral("img"));
    GrilleRef.setTextMatrix(0, s + 2, QStringLiteral("comment"));
    for (int c = 0; c < colonnes; ++c) MGrille.setTextMatrix(0, c, GrilleRef.TextMatrix(0, c));

    for (int j = 0; j < s; ++j) {
        const auto& serie = t.series[j];
        for (int k = 0; k < int(serie.size()); ++k)
            if (serie[k]) GrilleRef.setTextMatrix(k + 1, j + 1, Vb::CStr(*serie[k]));
    }
    if (parColonnes)
        for (int r = 1; r <= longueur; ++r) GrilleRef.setTextMatrix(r, 0, QString::number(r));
    NbLignesGrille = short(longueur + 1);
    // As imported rows, they hold their values alone: no reread, save or undo may drop them.
    for (int r = 1; r <= std::min(longueur, int(TableMesuresMax)); ++r) Trame(r).ValeursSeules = true;
}

// Tells the user why a table is refused; true when it can be pasted.
bool Acceptee(const TableCollee::Lecture& t) {
    switch (t.refus) {
    case TableCollee::Refus::Aucun:
        return true;
    case TableCollee::Refus::Vide:
        return false;
    case TableCollee::Refus::TropDeValeurs:
        Prompts::msgBox(QStringLiteral("256") + QStringLiteral(" mesures au maximum)"), Prompts::OkOnly);
        return false;
    case TableCollee::Refus::ErreurLigne:
        Prompts::msgBox(QStringLiteral(" erreur ligne ") + QString::number(t.ligne), Prompts::OkOnly);
        return false;
    case TableCollee::Refus::DonneesIncorrectes:
        Prompts::msgBox(Lib_Stat[1] + Lib_Stat[2], Prompts::OkOnly);
        return false;
    }
    return false;
}

} // namespace

bool PanneauNuage::Excel_Coller_H() {
    const QString texte = texteColle();
    if (TableCollee::Sans_fin_de_ligne(texte)) {
        // No complete line, so no value: the grid stays, but it is now read as a pasted
        // table, summarised again, and the diagram's column reloaded; the button's own
        // steps follow as after a paste.
        NumFonction = 0;
        Tav::instance()->Calcul_stat();
        fen().MText4_Change();
        return true;
    }
    const TableCollee::Lecture t = TableCollee::Lire_H(texte);
    if (t.seriesTronquees) Prompts::msgBox(QStringLiteral("6 lignes de 255 mesures au maximum)"), Prompts::OkOnly);
    if (!Acceptee(t) || !Vider_grille()) return false;
    Ecrire_table(t, false);
    Apres_collage();
    Tav::instance()->Calcul_stat();
    fen().MText4_Change();
    return true;
}

bool PanneauNuage::Excel_Coller_V() {
    // A text without a line end gives the grid the titles of its one line, no values.
    const QString texte = texteColle();
    const TableCollee::Lecture t = TableCollee::Sans_fin_de_ligne(texte) ? TableCollee::Series_sans_valeur(texte)
                                                                         : TableCollee::Lire_V(texte);
    if (!Acceptee(t)) return false;
    if (t.seriesTronquees) Prompts::msgBox(QStringLiteral(" 6 lignes maxi seront chargées"), Prompts::OkOnly);
    if (!Vider_grille()) return false;
    Ecrire_table(t, true);
    Apres_collage();
    return true;
}

void PanneauNuage::Apres_collage() {
    // An extract names rows of the table it was taken from: it goes with that table.
    FenHisto& f = fen();
    ExtraitListe.clear();
    Label3->clear();
    f.MOption1(3).setEnabled(false);
    f.Mnstat6(1).setEnabled(false);
}

void PanneauNuage::Command2_Click(short index) {
    const bool colle = index == 0 ? Excel_Coller_H() : Excel_Coller_V();
    if (!colle) return;
    Tav::instance()->Calcul_stat();
    fen().MOption1(0).setChecked(true);
}
