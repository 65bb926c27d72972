// Where the adjustment window takes the colour it compares (the grid's means, the last
// measured row, typed values, a chosen row) and which kind of values it shows (RGB or
// L*a*b*).
#include <QRegularExpression>
#include <algorithm>

#include "base/gen.h"
#include "base/grilles.h"
#include "base/vb.h"
#include "colour/ajustement.h"
#include "colour/etat_couleur.h"

namespace {

// A text box read as a whole number: the whole text must be a number (a comma or a point
// for its decimals), else it is the type mismatch the conversion raises.
short Entier_strict(const QString& texte) {
    static const QRegularExpression nombre(QStringLiteral("^\\s*[+-]?(\\d+([.,]\\d*)?|[.,]\\d+)\\s*$"));
    if (!nombre.match(texte).hasMatch()) throw Vb::Erreur(Vb::ErrTypeIncompatible, "type mismatch");
    return Vb::CInt(Gen::Val_decimal(texte));
}

} // namespace

void Ajustement::Grise_Text3() {
    for (int i = 0; i <= 2; ++i) {
        Text3(i).BackColor = CouleursAjustement::Gris;
        Text3(i).Enabled = false;
    }
}

// The three values of a row of `grille` after column `col` into the boxes Text3, shown.
static void Copie_ligne(Grille& grille, TableauControles& boites, short row, int col) {
    for (int i = 1; i <= 3; ++i) {
        grille.setRow(row);
        grille.setCol(col + i);
        Controle& t = boites(i - 1);
        t.Visible = true;
        t.Enabled = true;
        t.Text = grille.Text();
    }
}

void Ajustement::Copie_LigneGrille(short row, short col) { Copie_ligne(GrilleRef, Text3, row, col); }

void Ajustement::Copie_LigneGrille_Mode(short row) {
    Copie_ligne(GrilleRefP, Text3, row, Option2(1).Value ? 3 : 0);
    GrilleRef.setRow(row);
}

short Ajustement::Ligne_Text5() {
    double n = Vb::ArrondiPair(Vb::Val_borne(Text5.Text, Gen::Val_decimal));
    n = std::min(std::max(n, 1.0), double(LigneComparee));
    return LigneComparee == 0 ? 1 : short(n);
}

void Ajustement::Option3_Click(short Index) {
    const short decalage = Option2(1).Value ? 3 : 0;
    Grise_Text3();
    for (auto& [i, o] : Option3.items())
        if (i != Index) o.Value = 0;
    switch (Index) {
    case 0: Copie_LigneGrille_Mode(1); break;
    case 1: Copie_LigneGrille(LigneComparee, decalage); break;
    case 2:
        if (Check3.Value == 1) {
            for (int i = 0; i <= 2; ++i) {
                Text3(i).BackColor = CouleursAjustement::Blanc;
                Text3(i).Enabled = true;
            }
        }
        break;
    // The row as the row box settles it, even while the box is empty or holds no number.
    case 3: Copie_LigneGrille(Ligne_Text5(), decalage); break;
    default: break;
    }
    calcul_Ajust();
}

void Ajustement::Recopie_source() {
    const short decalage = Option2(1).Value ? 3 : 0;
    switch (Choisi(Option3)) {
    case 1: Copie_LigneGrille(LigneComparee, decalage); break;
    case 2: break;   // typed values stay
    case 3: Copie_LigneGrille(Ligne_Text5(), decalage); break;
    default: Copie_LigneGrille_Mode(1); break;
    }
}

void Ajustement::Option2_Click(short) {
    // Whichever kind is selected, whatever the button that called.
    const bool lab = Option2(1).Value != 0;
    const char* lettres[2][3] = {{"R", "V", "B"}, {"L", "a", "b"}};
    for (int i = 0; i <= 2; ++i) Label_C(i).Caption = QString::fromLatin1(lettres[lab][i]);
    for (int i = 1; i <= 8; ++i) OpDelta(i).Enabled = lab ? i >= 4 : i == 1;
    Selectionne(OpDelta, lab ? 5 : 1);
    ChKRel.Enabled = !lab;
    // The colour of the chosen source in the new kind: a change of kind keeps the source.
    Recopie_source();
    calcul_Ajust();
}

void Ajustement::Check3_Click() {
    const bool expert = Check3.Value == 1;
    for (int i = 0; i <= 2; ++i) {
        Controle& t = Text3(i);
        t.BackColor = CouleursAjustement::Gris;
        Option3(2).Enabled = expert;
        if (Option3(2).Value) {
            t.BackColor = expert ? CouleursAjustement::Blanc : CouleursAjustement::Gris;
            t.Enabled = expert;
        }
    }
}

void Ajustement::Text5_Change() {
    if (dansText5_) return;
    struct Garde {
        bool& b;
        explicit Garde(bool& d) : b(d) { b = true; }
        ~Garde() { b = false; }
    } garde(dansText5_);
    Option3(3).Value = 0;
    try {
        short n = Entier_strict(Text5.Text);
        if (n < 1) {
            n = 1;
            Fixe_texte(Text5, QString::number(n));
        }
        if (n > LigneComparee) {
            n = LigneComparee;
            Fixe_texte(Text5, QString::number(n));
        }
        Fixe_valeur(VScroll3(0), n);
        Selectionne(Option3, 3);
        if (LigneComparee == 0) Fixe_texte(Text5, QStringLiteral("1"));
        calcul_Ajust();
    } catch (const Vb::Erreur&) {
        // A text that is no number, or a row the scroll bar cannot hold, ends here silently.
    }
}

void Ajustement::VScroll3_Change(short) {
    if (LigneComparee != 0) Fixe_texte(Text5, QString::number(VScroll3(0).Value));
}
