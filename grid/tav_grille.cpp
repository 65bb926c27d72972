// The measuring window's corrections of the grid: undo and row deletion.
#include <algorithm>
#include <cmath>

#include "base/etat_programme.h"
#include "base/messages.h"
#include "base/tav.h"
#include "base/vb.h"
#include "base/gen.h"
#include "grid/deciles.h"
#include "grid/effacement.h"
#include "grid/etat_grille.h"
#include "grid/fonction.h"
#include "grid/grille_affichage.h"
#include "grid/import_csv.h"
#include "base/grilles.h"
#include "base/etat_partage.h"
#include "base/rappels.h"
#include "platform/prompts.h"

namespace {

// The record of an undone row or value: a mark in its text; a record left with no value
// also loses its picture (zoom level 1). A record that keeps values keeps the picture and
// zoom they were measured on: the row's cells are reread from them.
void Marque_trame_annulee(LigneTrame& t, bool vide) {
    t.Texte = QStringLiteral("0");
    if (!vide) return;
    t.Image = 0;
    t.Zoom = 1;
}

// The first value of a complete row's last item, which its undo removes and the next
// measure gives again: the width of a spore (the thickness of a 3D spore is a choice of
// the same step), the count of a density. A row that holds one item (a segment, a
// count, a triangle, a polygon, a colour sample) is undone whole, so that nothing stays
// under way. A table without a function keeps its values but the last.
int Premiere_valeur_annulee() {
    if (NumFonction == 20) return 1;
    if (NumFonction == 0) return std::max<int>(NbValeursLigne, 1);
    return std::max<int>(CapacitePoints, 1);
}

// An undo that would reopen a row completed on another picture than the one shown: its
// next value would be measured on this picture. The row's "img" column names its picture.
bool Rouvre_autre_image(int ligne) {
    if (NumFonction == 0 || NumFonction == 20 || Premiere_valeur_annulee() <= 1) return false;
    return GrilleRef.TextMatrix(ligne, GrilleRef.Cols() - 2) != QString::number(IndexImageActive);
}

// Undo of a complete row: the row becomes the one being filled again, at its last item.
void Annule_ligne_complete(int ligne) {
    NbLignesGrille = short(ligne);
    GrilleRef.setRow(ligne);
    const int derniere = Premiere_valeur_annulee();
    LigneTrame& t = Trame(ligne);
    Marque_trame_annulee(t, derniere <= 1);
    for (int c = derniere; c < GrilleRef.Cols(); ++c) GrilleRef.setTextMatrix(ligne, c, QString());
    for (int e = derniere; e < GrilleRef.Cols() && e <= 16; ++e) t.Segments[e] = SegmentTrame();
    // The values still in the row are what the computed columns will use when the last
    // value is measured again.
    for (int e = 1; e <= 6; ++e)
        ValeursEtapes[e] = e < derniere && e < GrilleRef.Cols() ? Gen::Val_decimal(GrilleRef.TextMatrix(ligne, e)) : 0.0;
    EtapeMesure = short(derniere);
    PointEnCours -= 1;
}

// Undo of one value of the row being filled. A row left with no value keeps none, not
// even the picture number a count wrote beside its first value; its comment stays.
void Annule_valeur(int ligne, int etape) {
    const int e = etape - 1;
    EtapeMesure = short(e);
    if (ligne < GrilleRef.Rows() && e < GrilleRef.Cols()) GrilleRef.setTextMatrix(ligne, e, QString());
    LigneTrame& t = Trame(ligne);
    Marque_trame_annulee(t, e <= 1);
    if (e >= 0 && e <= 16) t.Segments[e] = SegmentTrame();
    if (e >= 1 && e <= 6) ValeursEtapes[e] = 0;
    PointEnCours -= 1;
    if (EtapeMesure == 0) EtapeMesure = 1;
    if (EtapeMesure == 1 && ligne < GrilleRef.Rows())
        for (int c = 1; c < GrilleRef.Cols() - 1; ++c) GrilleRef.setTextMatrix(ligne, c, QString());
}

// A cell undone (or the cells from it on) or a row deleted takes the calibration pointing
// with it when it held it; a row deleted above the pointing moves it up one row.
void Suit_pointage_effacement(int ligne) {
    if (LignePointage == ligne) LignePointage = 0;
    else if (LignePointage > ligne) LignePointage = short(LignePointage - 1);
}
void Suit_pointage_annulation(int ligne, int etape) {
    if (LignePointage == ligne && EtapePointage >= etape) LignePointage = 0;
}

} // namespace

namespace Gen {

bool Annulation_refusee() {
    const int n = NbLignesGrille;
    if (n < 2 || EtapeMesure > 1 || n - 1 >= GrilleRef.Rows()) return false;
    // An imported row was never measured here: there is no value to take back, and one
    // emptied could not be given back.
    if (Ligne_sans_trame(n - 1)) return true;
    return NumFonction != 20 && Rouvre_autre_image(n - 1);
}

} // namespace Gen

void Tav::EffacE_1() {
    const int n = NbLignesGrille;
    int e = EtapeMesure;
    if (n < 1) return;
    if (NumFonction == 20) {
        e = 1;
        EtapeMesure = 1;
    }
    if (n == 1 && e <= 1) return;
    // The user's undo is refused there by the item table; nothing else takes such a row.
    if (Gen::Annulation_refusee()) return;
    // The counts in the box go with the density surface the undo removes, or with the
    // row it reopens, whose count is taken again.
    if (ModeDensite) TBox(6).Text = QStringLiteral("0");
    if (n == 1 && e == 2) {
        NbLignesGrille = 2;
        short ligne = 1;
        Efface_ligne(ligne);
        EtapeMesure = 1;
        return;
    }
    try {
        if (e <= 1) {
            if (n - 1 >= GrilleRef.Rows()) return;
            Suit_pointage_annulation(n - 1, Premiere_valeur_annulee());
            Annule_ligne_complete(n - 1);
        } else {
            if (n >= GrilleRef.Rows()) return;
            Suit_pointage_annulation(n, e - 1);
            Annule_valeur(n, e);
        }
        Mstat::Recopie_Grille(NbLignesGrille);
        Rappels::Retrace(0);
        Calcul_stat();
    } catch (const Vb::Erreur&) {
    }
}

void Tav::Efface_ligne(short& ligne) {
    try {
        const int n = NbLignesGrille;
        int row = ligne;
        int correction = 0;
        if (row == 0) {
            row = n;
            if (n == 1) correction = -1;
        }
        if (row < 1 || row >= GrilleRef.Rows()) return;
        // An empty row stands for the row before it: the empty row being filled for the
        // last complete row, the empty row below a row being filled for that row. A row
        // that holds any value is the row the user chose.
        bool vide = true;
        for (int c = 1; c < GrilleRef.Cols(); ++c) vide = vide && GrilleRef.TextMatrix(row, c).isEmpty();
        if (vide) {
            row -= 1;
            if (row < 1) return;
        }
        // Only a filled row or the row being filled can be deleted.
        if (row > n) return;
        // Only the row being filled takes its item along; a row above leaves the item
        // under way where it was, moved up with its row.
        if (row == n) {
            EtapeMesure = 1;
            // A density's counts go with its surface; the count button's counts are
            // kept for the row they will be stored in.
            if (ModeDensite) TBox(6).Text = QStringLiteral("0");
            correction += 1;
        }
        // The grid keeps its size: one title row, the measurement rows and the spare row.
        GrilleRef.RemoveItem(row);
        Suit_pointage_effacement(row);
        // The extract names rows by number; after a deletion they would name other rows.
        ExtraitListe.clear();
        GrilleRef.setRows(std::max(TailleGrille + 1, GrilleRef.Rows() + 1));
        for (int i = row; i <= n - 1; ++i) Trame(i) = Trame(i + 1);
        Gen::RAZ_ligne_trame(short(n));
        NbLignesGrille = short(std::max(n - 1, 1));
        PointEnCours = 0;
        for (int r = row; r <= NbLignesGrille && r < GrilleRef.Rows(); ++r)
            GrilleRef.setTextMatrix(r, 0, QString::number(r));
        Mstat::Recopie_Grille(short(row));
        // The row being filled, deleted as row 1, leaves an empty grid, not an empty row 1.
        NbLignesGrille = short(std::max(n - 1 + correction, 1));
        GrilleRef.setRow(std::clamp<int>(NbLignesGrille, 0, GrilleRef.Rows() - 1));
        Calcul_stat();
        Gen::Calcule_deciles();
    } catch (const Vb::Erreur&) {
        Prompts::msgBox(Lib_Langue[101] + QStringLiteral("97"), Prompts::OkOnly);
    }
}
