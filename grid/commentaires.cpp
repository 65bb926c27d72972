// The comment frame: comments of the grid rows typed one after the other, the comment
// line of the results report, and the handlers of the frame's buttons and row controls.
#include "grid/commentaires.h"

#include <algorithm>

#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/messages.h"
#include "base/tav.h"
#include "base/vb.h"
#include "base/etat_partage.h"
#include "base/rappels.h"
#include "grid/etat_grille.h"
#include "base/grilles.h"
#include "grid/rapport.h"
#include "platform/prompts.h"

namespace {

// The handlers below set the controls whose change they handle; a view that turns
// those settings into change events must not run them again from inside.
bool dansText4 = false;
bool dansVScroll2 = false;

int Derniere_ligne() { return std::min<int>(NbLignesGrille - 1, GrilleRef.Rows() - 1); }

// The filled row that the row box names, or 0 when it names none.
int Ligne_editee() {
    try {
        const double v = Vb::ArrondiPair(Vb::Val(Tav::instance()->Text4.Text));
        return v >= 1 && v <= Derniere_ligne() ? int(v) : 0;
    } catch (const Vb::Erreur&) {
        return 0;  // a number beyond the doubles names no row
    }
}

// The comment goes into the comment column of that row, never into another cell.
void Ecrit_commentaire(int ligne, const QString& texte) {
    if (ligne >= 1 && ligne <= Derniere_ligne() && GrilleRef.Cols() > 0)
        GrilleRef.setTextMatrix(ligne, GrilleRef.Cols() - 1, texte);
}

} // namespace

namespace Gen {

void Dispose_cadre_commentaire(short disposition) {
    Tav& tav = *Tav::instance();
    Controle& cadre = tav.Frame(10);
    tav.Text4.Visible = false;
    tav.VScroll2.Visible = false;
    if (disposition == 1) {
        tav.Text4.Visible = true;
        tav.VScroll2.Visible = true;
        cadre.Height = 1500;
        cadre.Left = 1000;
        cadre.Visible = true;
        cadre.Caption = QStringLiteral("Commentaires grille");
        tav.Bout_dial(29).Caption = Lib_Langue[18];
        tav.TBox(3).Height = 200;
        for (int i = 28; i <= 30; ++i) tav.Bout_dial(i).Top = 1000;
        tav.Text4.Top = 1000;
        tav.VScroll2.Top = 1000;
    } else if (disposition == 2) {
        cadre.Height = 2300;
        cadre.Width = 5200;
        cadre.Left = 1000;
        cadre.Visible = true;
        cadre.Caption = QStringLiteral("Commentaires grille");
        tav.Bout_dial(29).Caption = Lib_Langue[18];
        tav.TBox(3).Height = 1200;
        for (int i = 28; i <= 30; ++i) tav.Bout_dial(i).Top = 1800;
    }
}

void Ouvre_commentaire_grille() {
    Tav& tav = *Tav::instance();
    if (NbLignesGrille == 0) {
        Prompts::msgBox(Lib_Langue[130], Prompts::OkOnly);
        return;
    }
    if (!Rappels::Commande_permise(Item::Commande::Commentaire)) return;
    // The frame now holds the report's comment, not a row's.
    ModeCommentaire = 0;
    tav.Frame(10).BackColor = 0xC0C0;
    tav.Frame(10).Caption = Lib_Langue[119];
    tav.Frame(10).Visible = true;
    tav.TBox(3).Text.clear();
    SaisieCommentaire = -1;
}

void Ferme_commentaire(short mode) {
    Tav& tav = *Tav::instance();
    if (mode == 0) {
        if (SaisieCommentaire) {
            SaisieCommentaire = 0;
            ModeCommentaire = 0;
            Exporte_resultats(1);
        } else {
            Ecrit_commentaire(Ligne_editee(), tav.TBox(3).Text);
        }
    }
    tav.Frame(10).Visible = false;
    // Whatever the frame was open for ends with it: a later opening starts afresh.
    ModeCommentaire = 0;
    SaisieCommentaire = 0;
}

} // namespace Gen

void Tav::commenter_grille() {
    if (Derniere_ligne() < 1) return;
    SaisieCommentaire = 0;
    ModeCommentaire = -1;
    Gen::Dispose_cadre_commentaire(1);
    // The box shows the comment of the row it will write.
    Text4_Change();
}

void Tav::GrilleRef_Click() {
    const int r = GrilleRef.Row(), c = GrilleRef.Col();
    if (c != GrilleRef.Cols() - 1) return;
    // Only a filled row has a comment; the title row has none.
    if (r < 1 || r > Derniere_ligne()) return;
    SaisieCommentaire = 0;
    Frame(6).Visible = false;
    Frame(10).BackColor = 0xC0C000;
    Text4.Visible = true;
    VScroll2.Visible = true;
    Frame(10).Visible = true;
    TBox(3).Text = GrilleRef.TextMatrix(r, c);
    Text4.Text = QString::number(r);
    Text4_Change();
    Frame(10).Caption = Lib_Menu[13] + QStringLiteral(" :") + QString::number(r) + QStringLiteral("--- img ") +
                        QString::number(IndexImageActive) + QStringLiteral(" : ") + Gen::Nom_fichier(NomImageActive);
    label(10).Caption = Lib_Langue[102];
}

void Tav::Text4_Change() {
    const int derniere = Derniere_ligne();
    if (dansText4 || derniere < 1 || GrilleRef.Cols() < 1) return;
    double v = 0;
    try {
        v = Vb::Val(Text4.Text);
    } catch (const Vb::Erreur&) {
        return;  // a number beyond the doubles names no row: the row shown stays
    }
    dansText4 = true;
    // Clamped once to the filled rows.
    int ligne = int(Vb::ArrondiPair(std::clamp(v, 1.0, double(derniere))));
    if (v <= 0) Text4.Text = QStringLiteral("1");
    else if (v >= derniere) Text4.Text = QString::number(derniere);
    ligne = std::clamp(ligne, 1, derniere);
    GrilleRef.setRow(ligne);
    GrilleRef.setCol(GrilleRef.Cols() - 1);
    TBox(3).Text = GrilleRef.Text();
    dansText4 = false;
}

void Tav::VScroll2_Change() {
    const int derniere = Derniere_ligne();
    if (dansVScroll2 || derniere < 1) return;
    dansVScroll2 = true;
    VScroll2.Value = std::clamp(VScroll2.Value, 1, derniere);
    Ecrit_commentaire(Ligne_editee(), TBox(3).Text);
    Text4.Text = QString::number(VScroll2.Value);
    Text4_Change();
    dansVScroll2 = false;
}

void Tav::GrilleRef_KeyDown(short, short) {
    const int c = GrilleRef.Cols() - 2;
    if (c < 0) return;
    long long image = 0;
    // An empty or stray "img" cell names no image of the list.
    if (!Gen::Entier_lu(GrilleRef.TextMatrix(GrilleRef.Row(), c), 1, ListIMGchar.ListCount(), image)) return;
    Prompts::msgBox(QStringLiteral("image :") + ListIMGchar.List(int(image) - 1), Prompts::OkOnly);
}

void Tav::Bout_dial_Click(short index) {
    StatusBar.Text.clear();
    auto fin_commune = [this](short mode) {
        Gen::Ferme_commentaire(mode);
        Rappels::Restaure_image();
        Rappels::RAZ_etats_trace();
        bout(40).BackColor = CouleursBouton::Face;
        Rappels::Retrace(0);
    };
    switch (index) {
    case 28:
        if (SauveNuancier || SauveScanner) {
            Rappels::Ecrit_nuancier_scanner();
        } else if (ModeCommentaire) {
            Ecrit_commentaire(Ligne_editee(), TBox(3).Text);
        } else {
            fin_commune(0);
        }
        break;
    case 29:
        Frame(10).Visible = false;
        SauveNuancier = 0;
        SauveScanner = 0;
        fin_commune(1);
        break;
    case 30:
        TBox(3).Text.clear();
        break;
    default:
        fin_commune(short(index - 28));
        break;
    }
}
