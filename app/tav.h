#pragma once
// The measuring window. In statistics-only mode it is loaded, initialised and kept
// hidden for the whole run; its grids, lists and procedures serve the statistics window.
#include <QString>
#include <QWidget>

#include "platform/controles.h"

class Tav : public QWidget {
public:
    // The single instance, created on first use.
    static Tav* instance();

    // Controls the program reads and writes.
    TableauControles bout;          // command-bar buttons
    TableauControles Check;         // option check boxes: 2 automatic redraw, 3 "Calc..stat."
    TableauControles Optn;          // option buttons
    TableauControles label;         // labels: 5 the calibration
    TableauControles Label8;
    TableauControles TBox;          // text boxes
    TableauControles Frame;         // frames
    TableauControles FraMC;         // multilayer frame
    Controle FraTavl;               // about frame
    Controle Picture1;              // the picture box of the view
    Controle picbase;               // hidden base picture
    Controle labNomFic;             // path of the displayed image
    Controle CheckCalibre;
    Controle StatusBar;             // status bar text
    Controle FraFlash;              // flash panel
    Controle lblLabelflashx;        // flash panel's text
    TableauControles MNSav;         // automatic-save menu
    TableauControles F_Img;         // image-format menu
    TableauControles Lrg;           // colour-zone size menu
    TableauControles TgrilleMax;    // grid-size menu
    TableauControles TTrace;        // line-thickness menu
    Controle MnuNuancierOptions;    // colour-chart options menu
    Controle VScroll3;              // colour-sample scroll bar

    // --- start-up and shut-down
    void Form_Load();
    void Form_Activate();
    // Asks the quit question; returns true (and ends the program) on Yes, sets cancel on No.
    void Form_QueryUnload(short& Cancel, short UnloadMode);
    void Form_Unload(short& Cancel);

    // --- grid statistics and grid size
    void Calcul_stat();
    void TgrilleMax_Click(short index);

    // --- measurement grid: deciles, undo, row deletion, clearing, finding a row's object
    TableauControles Mnusurf;       // surface menu: 2 "Polygone auto", 3 "Polygone ouvert"
    Controle FraCharte;             // colour-chart frame
    // Count and deciles of result column `col` into EffectifCol, Decile1Col, MedianeCol, Decile9Col.
    void Cdecile(short col);
    // Undoes the last value recorded (or the last complete row).
    void EffacE_1();
    // Deletes a grid row with its record; 0 means the row being filled.
    void Efface_ligne(short& ligne);
    // Clears the grid and the image list after confirmation.
    void RAZ_Grille_total();
    // Brings back the image, calibration and zoom of the current row and centres the view on it.
    void Cherche_spore();

    // --- flash panel: short coloured notices, over the window the user is looking at
    // Shows `Chn` on a panel of colour `couleur` (&HBBGGRR) for about `delai` seconds.
    void Flash(double couleur, const QString& Chn, short delai);
    // Shows the panel with `Chn`, keeping its colour, and returns at once.
    void Flash_ouvre(const QString& Chn);
    // Waits about `delai` seconds while events run, then hides the panel.
    void Flash_ferme(short delai);
    void cmdFlash_Click();

    // --- measuring and image services used by the grid and statistics parts
    void Retrace(short mode);
    void PasCalibr(short etape);
    void Calibrage_Ouvre(short index);
    void F_Img_Click(short index);
    void Lrg_Click(short index);
    void Optn_Click(short index);
    void Vmouse(short code);
    void Bout_Click(short index);
    void appel_img_listchar(const QString& chemin);
    void Gest_FraRep(short objet);
    void TTrace_Click(short index);

    // --- shell: language, help and welcome texts, settings, state report, layout, menus
    // Menus, each an indexed array of items or a single top menu.
    TableauControles MnuFIC;        // file menu
    TableauControles MnuEDit;       // edit menu
    TableauControles MnuFonc;       // functions menu
    TableauControles Mncp;          // counting submenu
    TableauControles MnuOpt;        // options menu
    TableauControles Mntool;        // tools menu
    TableauControles Mnuaide;       // help menu
    TableauControles MnLang;        // language menu: 1 fr, 2 it, 3 es, 4 de, 5 en
    TableauControles mnFormat;      // results export format: 0 CSV, 1 TXT
    TableauControles Pclic;         // click tolerance, 1 to 4
    TableauControles PopOrg;        // segment pop-up menu
    TableauControles PopExt;        // width/thickness pop-up menu
    TableauControles NoTexp;        // quick notation, 1 to 5
    TableauControles Cyst, MnDens, MnuTwain, MnuCharg, MnuChrt, Illus, Fdemarrage, statdef;
    TableauControles Mn_Copie_Ecran;
    Controle Mnfonctions, MnEdit, Mnfichiers, MnOptions, MnOutils, Mnaide, MnApropos;
    Controle OptnVistrane;
    // Other controls of the shell.
    TableauControles Czoom;         // zoom buttons Z+, Z-, Z1, <<
    TableauControles Bout_C;        // compact copies of some command-bar buttons
    TableauControles chkMC;         // multilayer mode check box
    TableauControles Label6;        // 1: the scanner file
    Controle cmdStat, cmdChargeMC, cmd_Ch, CheckExpert;
    Controle FraListeImg;           // image-list frame
    Controle FraRep;                // folder pane
    Controle PLoupePic;             // magnifier
    Controle Vignette;              // thumbnail box
    Controle Text4, VScroll2;       // comment scroll controls
    // The window itself: Width and Height outside, ScaleWidth and ScaleHeight inside,
    // twips; WindowState 0 normal, 1 minimised, 2 maximised.
    Controle Fenetre = [] {
        Controle c;
        c.Width = 13035;
        c.Height = 9600;
        c.ScaleWidth = 12915;
        c.ScaleHeight = 8600;
        return c;
    }();
    short WindowState = 0;

    // Language menu (and the file it loads).
    void MnLang_Click(short index);
    // Help menu and documentation.
    void Mnuaide_Click(short index);
    void AFF_Aide_pdf();
    // State report: toggles it; the report hides when it loses the focus.
    void Affiche_Etat_Parametres();
    void TBox_LostFocus(short index);
    // Menus and option controls.
    void MnuFIC_Click(short index);
    void MnuEDit_Click(short index);
    void MnuFonc_Click(short index);
    void Mncp_Click(short index);
    void mnFormat_Click(short index);
    void Pclic_Click(short index);
    void PopOrg_Click(short index);
    void PopExt_Click(short index);
    void Czoom_Click(short index);
    void cmdStat_Click(short index);
    void VScroll3_Change();
    void Fonction_Comptage();
    void Bascule_Comptage(short mode);
    // Command-bar buttons of the welcome frame (33, 34) and of the state report (7).
    void Bout_cadre_texte(short index);

    // --- grid comments: the comment frame, the row being commented, the image of a row
    TableauControles Bout_dial;     // comment frame: 28 "Valider", 29 "annuler", 30 "Raz commentaire"
    // Comments the grid row after row; refused while no row is filled.
    void commenter_grille();
    // A click in the grid: on the comment cell of a filled row, opens the frame on that row.
    void GrilleRef_Click();
    // A key in the grid: names the image of the current row.
    void GrilleRef_KeyDown(short KeyCode, short Shift);
    // The row box was typed or set: clamped once to the filled rows, it loads that row's comment.
    void Text4_Change();
    // The row scroll bar moved: keeps the comment being edited, then loads the new row's.
    void VScroll2_Change();
    void Bout_dial_Click(short index);

private:
    Tav();
};
