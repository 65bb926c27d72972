// The adjustment window's life: its opening from the measuring window, its load, each
// showing, its unload, its captions, and the bridge to the colour procedures.
#include "colour/ajustement.h"

#include <algorithm>

#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/grilles.h"
#include "base/messages.h"
#include "base/tav.h"
#include "colour/ajustement_calcul.h"
#include "colour/etat_couleur.h"
#include "colour/fichiers_couleur.h"
#include "grid/etat_grille.h"
#include "platform/prompts.h"

Ajustement* Ajustement::instance() {
    static Ajustement* fenetre = new Ajustement;
    return fenetre;
}

void Ajustement::Reinitialise() { *instance() = Ajustement(); }

bool Ajustement::au_depart() const {
    return static_cast<const ControlesAjustement&>(*this) == ControlesAjustement{} &&
           static_cast<const VariablesAjustement&>(*this) == VariablesAjustement{};
}

namespace {
// The window's controls and variables are part of the program's reset.
const bool enregistre = Etat::enregistrer({"Ajustement", [] { Ajustement::Reinitialise(); },
                                          [](Etat::Visiteur& v) { Ajustement::instance()->visiter(v); },
                                          [] { return Ajustement::instance()->au_depart(); }});
} // namespace

void Ajustement::Ouvre() {
    Tav::instance()->Calcul_stat();
    LigneComparee = short(NbLignesGrille - 1);
    Ajustement& f = *instance();
    // Placing the window loads it; a window already shown is in front of its caller, whose
    // button cannot be reached.
    if (!f.Charge) f.Form_Load();
    f.Fenetre.Left = 1000;
    f.Fenetre.Top = 500;
    if (f.Fenetre.Visible) return;
    f.Fenetre.Visible = true;
    f.Form_Activate();
}

void Ajustement::Sources_par_defaut() {
    Option1(0).Enabled = false;
    Option1(1).Enabled = true;
    Selectionne(Option1, 1);
    Selectionne(Option3, 0);
    Option3(1).Value = 0;
}

void Ajustement::Form_Load() {
    Charge = true;
    for (int i = 0; i <= 2; ++i) {
        Text3(i).BackColor = CouleursAjustement::Gris;
        Text3(i).Enabled = false;
        Label2(i).Caption.clear();
    }
    Sources_par_defaut();
    Text1(0).Enabled = false;
    VScroll1(0).Enabled = false;
    EtatAjustement = 0;
    Frame1.Caption.clear();
    Label8.Caption = Lib_Couleur[11];
    if (NuancierOK) Label8.Caption += QStringLiteral(" : ") + Gen::Dir_sur(FicNuancier);
}

void Ajustement::Form_Activate() {
    Charge_entetes();
    Option2_Click(1);
    Label9.Caption = Tav::instance()->CheckCalibre.Value == 1 ? Lib_Couleur[36] : Lib_Couleur[35];
    Affiche_nuancier();
    GrilleRef.setRow(LigneComparee);
    for (int i = 1; i <= 3; ++i) {
        GrilleRef.setCol(i);
        Controle& t = Text1(i - 1);
        t.Visible = true;
        t.Enabled = false;
        t.Text = GrilleRef.Text();
    }
    // The row scroll bar runs over the filled rows (0 alone while the grid is empty); its
    // bounds move the value silently.
    Controle& lignes = VScroll3(0);
    lignes.Min = LigneComparee >= 1 ? 1 : 0;
    lignes.Max = LigneComparee;
    lignes.Value = std::clamp(lignes.Value, lignes.Min, lignes.Max);
    Text2.Text.clear();
    VScroll2.Max = 14;
    calcul_Ajust();
}

void Ajustement::Unload() {
    static_cast<ControlesAjustement&>(*this) = ControlesAjustement{};
    Charge = false;
}

void Ajustement::Charge_entetes() {
    Label8.Caption = Lib_Couleur[11];
    Option5(0).Caption = Lib_Couleur[12];
    Option5(1).Caption = Lib_Couleur[13];
    Command1(0).Caption = Lib_Couleur[14];
    Command3.Caption = Lib_Couleur[15];
    Command2.Caption = Lib_Couleur[16];
    Comm_nuancier.Caption = Lib_Couleur[17];
    ComCalc.Caption = Lib_Couleur[18];
    for (int i = 1; i <= 8; ++i) Fic_Ajust(i).Caption = Lib_Couleur[i + 23];
    // "Outils" and "Aide" on the items that carry them; the hidden "**" items keep theirs.
    Fic_Ajust(10).Caption = Lib_Couleur[32];
    Fic_Ajust(12).Caption = Lib_Couleur[34];
    Option3(0).Caption = Lib_Couleur[19];
    Option3(1).Caption = Lib_Couleur[20];
    Option3(2).Caption = Lib_Couleur[21];
    Label1.Caption = Lib_Couleur[23];
}

void Ajustement::Affiche_nuancier() {
    Label8.Caption = Lib_Couleur[11] + QStringLiteral(" : ") + Gen::Dir_sur(FicNuancier);
}

int Ajustement::Choisi(TableauControles& options) {
    for (const auto& [index, c] : options.items())
        if (c.Value) return index;
    return -1;
}

CalculAjustement::EntreesAjustement Ajustement::Entrees() {
    CalculAjustement::EntreesAjustement e;
    for (int i = 0; i <= 2; ++i) {
        e.Text3[i] = Text3(i).Text;
        e.Text1[i] = Text1(i).Text;
    }
    e.Text4 = Text4.Text;
    // The highest selected formula, as the search takes it.
    e.OpDelta = 0;
    for (int i = 1; i <= 8; ++i)
        if (OpDelta(i).Value) e.OpDelta = i;
    e.ChKRel = ChKRel.Value;
    e.Check4 = Check4.Value;
    e.Check5 = Check5.Value;
    e.Option1 = Option1(0).Value ? 0 : 1;
    e.Option3 = Choisi(Option3);
    e.NomImage = NomImageActive;
    e.Date = Vistrane::Maintenant().date();
    return e;
}

void Ajustement::Applique(const CalculAjustement::SortiesAjustement& s) {
    if (s.CadresCaches) {
        Frame6(0).Visible = false;
        Frame6(1).Visible = false;
    }
    if (s.Text2) {
        Text2.Text = *s.Text2;
        TexteAjust = s.TexteAjust;
    }
    for (const QString& m : s.Messages) Prompts::msgBox(m, Prompts::OkOnly);
    if (s.Frame6) {
        for (int i = 0; i <= 1; ++i) {
            const CalculAjustement::Cadre& c = (*s.Frame6)[std::size_t(i)];
            Frame6(i).Caption = c.Caption;
            Frame6(i).Visible = c.Visible;
            Frame6(i).BackColor = c.BackColor;
        }
    }
}
