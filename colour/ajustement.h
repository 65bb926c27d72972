#pragma once
// The colour adjustment window: a colour of the measurement grid (or typed) compared with
// the loaded chart. It is never shown in statistics-only mode, so it holds no widget: its
// controls are models the handlers read and write, its picture box a surface.
#include <QString>

#include "base/etat_struct.h"
#include "platform/controles.h"
#include "platform/surface.h"

namespace CalculAjustement {
struct EntreesAjustement;
struct SortiesAjustement;
} // namespace CalculAjustement

// Colours of the window's boxes (&HBBGGRR, and the system colours the design named).
namespace CouleursAjustement {
inline constexpr long Gris = 0xE0E0E0;          // a box that cannot be typed in
inline constexpr long Blanc = 0xFFFFFF;         // a box the user types in
inline constexpr long Desactive = 0x8000000A;   // Text4 while "comparer" is chosen
inline constexpr long Automatique = 0x8000000B; // Text1 in automatic mode
} // namespace CouleursAjustement

// The window's controls with their design state: X(type, name, design values). Option
// buttons hold -1 when selected, check boxes 1 when ticked.
#define CONTROLES_AJUSTEMENT(X) \
    X(Controle, Fenetre, .Visible = false) /* the window itself: Left, Top, shown */ \
    X(TableauControles, Option5, {0, {.Value = -1, .Caption = QStringLiteral("Ajuster")}}, \
      {1, {.Caption = QStringLiteral("comparer")}}) \
    X(TableauControles, Option3, {0, {.Value = -1, .Caption = QStringLiteral("Moyenne")}}, \
      {1, {.Caption = QStringLiteral("Dern.mesure")}}, \
      {2, {.Enabled = false, .Caption = QStringLiteral("valeurs RGB")}} /* expert mode only */, \
      {3, {.Caption = QStringLiteral("N° Grille")}}) \
    X(TableauControles, Option2, {0, {.Value = -1, .Caption = QStringLiteral("RVB")}}, \
      {1, {.Caption = QStringLiteral("Lab")}}) \
    X(TableauControles, OpDelta, {1, {.Value = -1, .Caption = QStringLiteral("RVB")}}, \
      {2, {.Enabled = false, .Caption = QStringLiteral("RVBrel")}}, {3, {.Enabled = false, .Caption = QStringLiteral("vide")}}, \
      {4, {.Enabled = false, .Caption = QStringLiteral("Lab quad")}}, \
      {5, {.Enabled = false, .Caption = QStringLiteral("CIE_Lab")}}, \
      {6, {.Enabled = false, .Caption = QStringLiteral("CIE94")}}, {7, {.Enabled = false, .Caption = QStringLiteral("CMC")}}, \
      {8, {.Enabled = false, .Caption = QStringLiteral("CIE2000")}}) \
    X(TableauControles, Option1, {0, {.Caption = QStringLiteral(" sigma Lum.")}}, \
      {1, {.Value = -1, .Caption = QStringLiteral("% de donnée")}}) \
    X(TableauControles, Option4, {0, {.Enabled = false, .Caption = QStringLiteral("Option4")}}, \
      {1, {.Enabled = false, .Caption = QStringLiteral("Option4")}}, \
      {2, {.Enabled = false, .Caption = QStringLiteral("Option4")}}) /* inert */ \
    X(TableauControles, Text3, {0, {}}, {1, {}}, {2, {}}) /* the colour compared */ \
    X(TableauControles, Text1, {0, {}}, {1, {}}, {2, {}}) /* the compared row; Text1(0) the tolerance */ \
    X(TableauControles, Label_C, {0, {.Caption = QStringLiteral("R")}}, {1, {.Caption = QStringLiteral("V")}}, \
      {2, {.Caption = QStringLiteral("B")}}) \
    X(TableauControles, Label2, {0, {.Caption = QStringLiteral("%  R")}}, {1, {.Caption = QStringLiteral("%  V")}}, \
      {2, {.Caption = QStringLiteral("%  B")}}) \
    X(TableauControles, VScroll1, {0, {.Value = 100, .Min = 1, .Max = 100}}, \
      {1, {.Value = 100, .Min = 1, .Max = 100}}, {2, {.Value = 100, .Min = 1, .Max = 100}}) /* 1 to 100 % */ \
    X(TableauControles, VScroll3, {0, {.Min = 0, .Max = 0}}) /* the grid's rows, set at each showing */ \
    X(Controle, Text4, .Text = QStringLiteral("1")) /* number of results wanted */ \
    X(Controle, VScroll2, .Value = 14, .Min = 0, .Max = 14) /* top 15 results, bottom 1 */ \
    X(Controle, Text5) /* grid row of the "N° Grille" source */ \
    X(Controle, Text2) /* the result text */ \
    X(Controle, Check3, .Caption = QStringLiteral("mode expert")) \
    X(Controle, Check4, .Caption = QStringLiteral("Auto ")) \
    X(Controle, ChKRel, .Caption = QStringLiteral("Relatif")) \
    X(Controle, Check5, .Caption = QStringLiteral("Check5")) /* automatic list instead of the RGB search */ \
    X(Controle, Check1, .Enabled = false, .Caption = QStringLiteral("identiques")) /* inert */ \
    X(Controle, Check2, .Enabled = false, .Caption = QStringLiteral("Pondéré")) /* inert */ \
    X(TableauControles, Command1, {0, {.Caption = QStringLiteral("Fermer")}}) \
    X(Controle, Command2, .Caption = QStringLiteral("voir Grille")) \
    X(Controle, Command3, .Caption = QStringLiteral("Copier")) \
    X(Controle, ComCalc, .Caption = QStringLiteral("Calcul")) \
    X(Controle, Comm_nuancier, .Caption = QStringLiteral("détails nuancier")) \
    X(Controle, Label1, .Caption = QStringLiteral("Nb de résultats voisins")) \
    X(Controle, Label8, .Caption = QStringLiteral("Nuancier : **")) \
    X(Controle, Label9, .Caption = QStringLiteral("donnée brutes/corrigées")) \
    X(Controle, Label4) /* the adjust command's luminance line: the command is not offered */ \
    X(Controle, Frame1, .Caption = QStringLiteral("Frame1")) \
    X(TableauControles, Frame2, {1, {.Caption = QStringLiteral("Ajustement")}}, {2, {.Caption = QStringLiteral("delta")}}) \
    X(TableauControles, Frame6, {0, {.Caption = QStringLiteral("Frame6")}}, \
      {1, {.Caption = QStringLiteral("Frame6")}}) /* the input colour and the swatch found */ \
    X(Controle, Frame3, .Enabled = false, .Caption = QStringLiteral("distance")) /* inert */ \
    X(Controle, Frame4, .Enabled = false, .Caption = QStringLiteral("Tolérance a virer")) /* inert */ \
    X(Controle, Frame5, .Enabled = false, .Caption = QStringLiteral("Frame5")) /* inert */ \
    X(Controle, FrAjust, .Enabled = false, .Caption = QStringLiteral("Fr ajust")) /* inert */ \
    X(Controle, Label3, .Enabled = false) /* inert */ \
    X(Controle, Label6, .Enabled = false) /* inert */ \
    X(TableauControles, Fic_Ajust, {1, {.Caption = QStringLiteral("Fichiers")}}, \
      {2, {.Caption = QStringLiteral("Comparer")}}, {3, {.Visible = false, .Caption = QStringLiteral("**")}}, \
      {4, {.Caption = QStringLiteral("Ajuster")}}, {5, {.Visible = false, .Caption = QStringLiteral("**")}}, \
      {6, {.Caption = QStringLiteral("Chromatogrammes")}}, {7, {.Visible = false, .Caption = QStringLiteral("**")}}, \
      {8, {.Visible = false, .Caption = QStringLiteral("**")}}, {9, {.Visible = false, .Caption = QStringLiteral("**")}}, \
      {10, {.Caption = QStringLiteral("Outils")}}, {11, {.Visible = false, .Caption = QStringLiteral("**")}}, \
      {12, {.Caption = QStringLiteral("Aide")}}) /* 1 and 10 open their submenus */ \
    X(TableauControles, Fic_Charte, {1, {.Caption = QStringLiteral("Charger Nuancier")}}, \
      {5, {.Caption = QStringLiteral("Charger étalon couleur")}}) /* under "Fichiers" */ \
    X(TableauControles, Outil_coul, {2, {.Enabled = false, .Caption = QStringLiteral("Création Nuancier")}}, \
      {3, {.Enabled = false, .Caption = QStringLiteral("Sauver nuancier")}}, \
      {5, {.Enabled = false, .Caption = QStringLiteral("création étalon")}}, \
      {6, {.Enabled = false, .Caption = QStringLiteral("Sauver étalon")}}, \
      {10, {.Enabled = false, .Caption = QStringLiteral("Import nuancier 1.05")}}, \
      {12, {.Enabled = false, .Caption = QStringLiteral("Export coeft ")}}) /* under "Outils", inert */ \
    X(QString, ActiveControl) /* the control with the focus, by name ("Text4", "Text1(0)") */

// The window's own variables, which outlive an unload as the form's variables did.
#define VARIABLES_AJUSTEMENT(X) \
    X(bool, Charge, false) /* the window is loaded (its controls exist) */ \
    X(QString, TexteAjust) /* the lines of the last search */

struct ControlesAjustement {
    CONTROLES_AJUSTEMENT(ETAT_DECLARE_CHAMP)
    bool operator==(const ControlesAjustement&) const = default;
};
struct VariablesAjustement {
    VARIABLES_AJUSTEMENT(ETAT_DECLARE_CHAMP)
    bool operator==(const VariablesAjustement&) const = default;
};

class Ajustement : public ControlesAjustement, public VariablesAjustement {
public:
    // The single instance, created on first use.
    static Ajustement* instance();
    Surface Picture1{1, 1};   // inert picture box

    // Every control and variable back to its start (part of the program's reset).
    static void Reinitialise();
    void visiter(Etat::Visiteur& v) { CONTROLES_AJUSTEMENT(ETAT_VISITE_CHAMP) VARIABLES_AJUSTEMENT(ETAT_VISITE_CHAMP) }
    bool au_depart() const;

    // --- the showing (ajustement.cpp)
    // The measuring window's "Ajuster" (cmd_Ch): the grid statistics brought up to date,
    // the last filled row to compare, the window placed and shown modally.
    static void Ouvre();
    void Form_Load();
    // Runs once per showing.
    void Form_Activate();
    // Back to the design state; the next use loads the window again.
    void Unload();
    void Charge_entetes();

    // --- sources and kinds of values (ajustement_sources.cpp)
    void Copie_LigneGrille(short row, short col);
    void Copie_LigneGrille_Mode(short row);
    void Option3_Click(short Index);
    void Option2_Click(short Index);
    void Check3_Click();
    void Text5_Change();
    void VScroll3_Change(short Index);

    // --- search, counts, tolerance and modes (ajustement_recherche.cpp)
    void calcul_Ajust();
    void OpDelta_Click(short index);
    void ChKRel_Click();
    void ComCalc_Click();
    void Text4_Change();
    void VScroll2_Change();
    void VScroll1_Change(short Index);
    void Option5_Click(short Index);
    void Option1_Click(short Index);
    void Check4_Click();

    // --- buttons and menus (ajustement_commandes.cpp)
    void Command1_Click(short Index);
    void Command2_Click();
    void Command3_Click();
    // The chart file's header and notes into Text2; also used with the window hidden.
    void Comm_nuancier_Click();
    void Fic_Ajust_Click(short Index);
    void Fic_Charte_Click(short Index);

    // --- what a user's action does to a control, as the toolkit delivers it: nothing on a
    // disabled or hidden control, nothing when the value stays, else the value then its
    // handler (ajustement_controles.cpp)
    void Tape(Controle& boite, const QString& texte);
    void Clique(TableauControles& options, int index);
    void Clique(Controle& caseACocher);
    void Defile(Controle& barre, int valeur);

private:
    Ajustement() = default;

    // The same changes made by the code, which reach disabled controls too; a scroll bar
    // refuses a value outside its range (run-time error 380).
    void Fixe_texte(Controle& boite, const QString& texte);
    void Fixe_valeur(Controle& barre, int valeur);
    void Selectionne(TableauControles& options, int index);
    // The first source and the grid's mean chosen, the typed values' option offered.
    void Sources_par_defaut();
    void Fixe_coche(Controle& caseACocher, int valeur);
    // The handler a change of the control runs, if any.
    void Change(Controle& c);
    void Click(TableauControles& options, int index);
    void Click(Controle& c);

    // What the colour procedures read of the window, and what they write into it.
    CalculAjustement::EntreesAjustement Entrees();
    void Applique(const CalculAjustement::SortiesAjustement& s);
    // The selected button of an option array, -1 when none is.
    static int Choisi(TableauControles& options);
    // Text3 from the source chosen, in the kind of values shown (typed values stay).
    void Recopie_source();
    // The grid row of the "N° Grille" source: Text5 brought within 1 .. LigneComparee.
    short Ligne_Text5();
    // Label8: the chart's name.
    void Affiche_nuancier();
    void Grise_Text3();

    bool dansText5_ = false;   // Text5_Change's own corrections do not run it again
};
