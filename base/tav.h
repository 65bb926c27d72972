#pragma once
// The measuring window. In statistics-only mode it is loaded, initialised and kept
// hidden for the whole run; its grids, lists and procedures serve the statistics window.
#include <QString>

#include "base/etat_struct.h"
#include "base/liste.h"
#include "platform/controles.h"
#include "platform/surface_boite.h"

// The caret or selection of each text box, by the box's index.
using CurseursTBox = TableauFixe<int, 11>;

// The window's controls, as models the procedures read and write: X(type, name, design values).
#define CONTROLES_TAV(X) \
    X(QString, Caption, QStringLiteral("Tavirel")) /* the window's caption */ \
    X(bool, Visible, false) /* never shown in statistics-only mode */ \
    X(TableauControles, bout) /* command-bar buttons */ \
    X(TableauControles, Check) /* option check boxes: 2 automatic redraw, 3 "Calc..stat." */ \
    X(TableauControles, Optn, {3, {.Value = -1}}) /* option buttons: 3 the known-length calibration, chosen at design */ \
    X(TableauControles, label) /* labels: 5 the calibration */ \
    X(TableauControles, Label8) \
    X(TableauControles, TBox, {1, {.Text = QStringLiteral("1")}}, {2, {.Text = QStringLiteral("40")}}) /* text boxes: 1 the correction, 2 the objective */ \
    X(TableauControles, Frame, {7, {.Visible = false}}, {8, {.Visible = false}}, {10, {.Visible = false}}, {12, {.Visible = false}}, {13, {.Visible = false}}, {14, {.Visible = false}}) /* frames: 7 calibration panel, 8 the dialog of the calibration and the annotations, 10 comments, 12 results, 13 the reference picture's save, 14 correction, hidden until opened */ \
    X(TableauControles, FraMC, {0, {.Caption = QStringLiteral("Groupage Multicouche")}}) /* multilayer frame */ \
    X(Controle, FraTavl) /* about frame */ \
    X(BoiteImage, Picture1, 9060, 6810, 30) /* the view: Width outer, ScaleWidth inner (twips) */ \
    X(BoiteImage, picbase) /* hidden holder of the whole picture */ \
    X(BoiteImage, ImageMem) /* hidden copy of the painted view with the recorded items */ \
    X(BoiteImage, Image1) /* hidden copy of the view under the rubber band */ \
    X(BoiteImage, Image2) /* hidden copy of the view under the width guide */ \
    X(BoiteImage, Image3) /* hidden snapshot of the view */ \
    X(BoiteImage, Picture2) /* hidden full-size copy the annotations go onto */ \
    X(Controle, lblWidth) /* the picture's width in pixels */ \
    X(Controle, lblHeight) /* the picture's height in pixels */ \
    X(Controle, labNomFic) /* path of the displayed image */ \
    X(Controle, CheckCalibre) /* Value 1: measured colours go through the scanner correction */ \
    X(Controle, Label7) /* the last colour sample: zone and R, V, B */ \
    X(Liste, test) /* points of the scanner correction curves */ \
    X(Controle, StatusBar) /* status bar text */ \
    X(Controle, FraFlash) /* flash panel */ \
    X(Controle, lblLabelflashx) /* flash panel's text */ \
    X(TableauControles, MNSav) /* automatic-save menu */ \
    X(TableauControles, F_Img, {2, {.Enabled = false, .Caption = QStringLiteral("GIF")}}, {3, {.Enabled = false, .Caption = QStringLiteral("PNG")}}, {4, {.Enabled = false, .Caption = QStringLiteral("TIFF")}}, {5, {.Enabled = false, .Caption = QStringLiteral("PCX")}}, {6, {.Enabled = false, .Caption = QStringLiteral("TGA")}}) /* image-format menu: 0 BMP, 1 JPG, the others offered but never available */ \
    X(TableauControles, Lrg) /* colour-zone size menu */ \
    X(TableauControles, TgrilleMax) /* grid-size menu */ \
    X(TableauControles, TTrace) /* line-thickness menu */ \
    X(Controle, MnuNuancierOptions) /* colour-chart options menu */ \
    X(Controle, VScroll3) /* colour-sample scroll bar */ \
    X(TableauControles, Mnusurf, {1, {.Caption = QStringLiteral("Triangle")}}, {2, {.Caption = QStringLiteral("Polygone auto")}}, {3, {.Caption = QStringLiteral("Polygone ouvert")}}) /* surface menu; the polygon function takes its title from its item */ \
    X(Controle, FraCharte, .Visible = false) /* colour-chart frame: shown while colour mode lasts */ \
    X(TableauControles, MnuFIC) /* file menu */ \
    X(TableauControles, MnuEDit) /* edit menu */ \
    X(TableauControles, MnuFonc) /* functions menu */ \
    X(TableauControles, Mncp) /* counting submenu */ \
    X(TableauControles, MnuOpt, {18, {.Checked = true}}) /* options menu: 18 "Machine rapide" */ \
    X(TableauControles, Mntool, {6, {.Enabled = false}}, {7, {.Visible = false}}, {8, {.Visible = false}}, {9, {.Visible = false}}, {11, {.Visible = false}}, {12, {.Visible = false}}) /* tools menu: 6 the calibration to the group, in multilayer mode only; 7, 8, 9, 11, 12 hidden, with no action */ \
    X(TableauControles, Mnuaide) /* help menu */ \
    X(TableauControles, MnLang) /* language menu: 1 fr, 2 it, 3 es, 4 de, 5 en */ \
    X(TableauControles, mnFormat) /* results export format: 0 CSV, 1 TXT */ \
    X(TableauControles, Pclic) /* click tolerance, 1 to 4 */ \
    X(TableauControles, PopOrg, {2, {.Enabled = false}}, {3, {.Enabled = false}}) /* segment pop-up: 2 and 3 unavailable */ \
    X(TableauControles, PopExt) /* width/thickness pop-up menu */ \
    X(TableauControles, NoTexp) /* quick notation, 1 to 5 */ \
    X(TableauControles, Cyst) \
    X(TableauControles, MnDens) \
    X(TableauControles, MnuTwain) \
    X(TableauControles, MnuCharg) \
    X(TableauControles, MnuChrt, {1, {.Visible = false}}, {4, {.Visible = false}}) /* colour-chart options menu: 1 and 4 hidden, with no action */ \
    X(TableauControles, Illus, {3, {.Visible = false}}, {6, {.Visible = false}}) /* illustration submenu: 3 and 6 hidden, with no action */ \
    X(TableauControles, Fdemarrage) \
    X(TableauControles, statdef) \
    X(TableauControles, Mn_Copie_Ecran, {1, {.Checked = true}}) /* screen-copy scope: 1 the whole screen, 2 the work area */ \
    X(TableauControles, CalSrc, {1, {.Caption = QStringLiteral("active la référence sur image")}}, {2, {.Visible = false, .Caption = QStringLiteral("sto. auto")}}, {3, {.Caption = QStringLiteral("taille trace")}}) /* reference submenu: 1 the annotations also go onto the full-size copy, 3 opens the line widths */ \
    X(TableauControles, Vald, {2, {.Caption = QStringLiteral("Enregistre")}}, {3, {.Caption = QStringLiteral("Ferme")}}) /* reference picture's frame */ \
    X(Controle, Bout_Symb, .Visible = false, .Caption = QStringLiteral("µ")) /* writes the micron unit in the entry box */ \
    X(Controle, Mnfonctions) \
    X(Controle, MnEdit) \
    X(Controle, Mnfichiers) \
    X(Controle, MnOptions) \
    X(Controle, MnOutils) \
    X(Controle, Mnaide) \
    X(Controle, MnApropos) \
    X(Controle, OptnVistrane) \
    X(TableauControles, Czoom) /* zoom buttons Z+, Z-, Z1, << */ \
    X(TableauControles, Bout_C) /* compact copies of some command-bar buttons */ \
    X(TableauControles, chkMC, {1, {.Enabled = false, .Caption = QStringLiteral("Img MC")}}) /* multilayer check boxes: 0 "mode MC", 1 "Img MC" (in mode MC only) */ \
    X(TableauControles, BoutMC, {0, {.Caption = QStringLiteral(">")}}, {1, {.Caption = QStringLiteral("<")}}, {2, {.Caption = QStringLiteral(">>")}}, {3, {.Caption = QStringLiteral("<<")}}, {4, {.Caption = QStringLiteral("OK")}}) /* multilayer frame's buttons */ \
    X(Controle, cmdTest, .Caption = QStringLiteral("test")) /* acquires, as the scanner menu does */ \
    X(Controle, cmdFlash, .Caption = QStringLiteral("testflash")) /* shows the flash panel */ \
    X(Controle, cmdAlerte, .Caption = QStringLiteral("Alerte")) /* does nothing */ \
    X(Controle, Command2, .Caption = QStringLiteral("calcul bernstein")) /* rebuilds the scanner correction */ \
    X(Controle, Command3, .Caption = QStringLiteral("test2")) /* saves the picture held */ \
    X(TableauControles, Command4, {0, {.Caption = QStringLiteral("Rappel écran")}}, {1, {.Caption = QStringLiteral("Sauve ecran")}}) /* the view's snapshot: 0 recalled, 1 taken */ \
    X(Controle, copie) /* picture button: copies the screen, as the tools menu's "copie écran" does */ \
    X(TableauControles, Label6) /* 1: the scanner file */ \
    X(Controle, cmdStat) \
    X(Controle, cmdChargeMC) \
    X(Controle, cmd_Ch) \
    X(Controle, CheckExpert) \
    X(Controle, FraListeImg) /* image-list frame */ \
    X(Controle, lblFichier, .Visible = false) /* the image under the keyboard cursor of the image list */ \
    X(Controle, listImgTxt) /* the path chosen in the image-list frame */ \
    X(Controle, FraRep) /* folder pane */ \
    X(Liste, RepDrive) /* the pane's volumes */ \
    X(Liste, RepDir) /* the pane's folder list: ".." and the subfolders of Path */ \
    X(Liste, ListRep, Liste::Multiple) /* the pane's files or unused images */ \
    X(Controle, repText1) /* the pane's chosen folder or file */ \
    X(TableauControles, cmdRep, {0, {.Caption = QStringLiteral("Charger")}}, {1, {.Caption = QStringLiteral("Répertoire")}}, {2, {.Caption = QStringLiteral("Fermer")}}) /* the pane's buttons 0 to 2, each use recaptioning them */ \
    X(BoiteImage, PLoupePic, 3000, 3000) /* magnifier */ \
    X(BoiteImage, VignP, 2500, 1875) /* thumbnail */ \
    X(Controle, Text4, .Text = QStringLiteral("1")) /* comment scroll controls: the row being commented */ \
    X(Controle, VScroll2) /* comment scroll controls */ \
    X(Controle, Fenetre, .Width = 13035, .Height = 9600, .ScaleWidth = 12915, .ScaleHeight = 8600) /* the window: Width, Height outside, ScaleWidth, ScaleHeight inside (twips) */ \
    X(short, WindowState, 0) /* 0 normal, 1 minimised, 2 maximised */ \
    X(TableauControles, Bout_dial, {28, {.Caption = QStringLiteral("Valider")}}, {29, {.Caption = QStringLiteral("annuler")}}, {30, {.Caption = QStringLiteral("Raz commentaire")}}) /* comment frame's buttons */ \
    X(Controle, Check2, .Caption = QStringLiteral("Poly"), .BackColor = 0x8000000F) /* lengths measured as chains; red while ticked */ \
    X(Controle, Affmesure) /* "insère dim": the length along the segment instead of the row number */ \
    X(short, Souris, 0) /* the view's mouse pointer saved while the hand pointer shows */ \
    X(Controle, Check3) /* annotations also go onto the full-size copy */ \
    X(TableauControles, Mndecim, {0, {.Caption = QStringLiteral("auto")}}, {1, {.Caption = QStringLiteral("0")}}, {2, {.Caption = QStringLiteral("1")}}, {3, {.Caption = QStringLiteral("2")}}) /* decimals menu: 0 automatic, 1 to 3 none, one or two decimals */ \
    X(CurseursTBox, TBoxSelStart) /* caret of each text box */ \
    X(CurseursTBox, TBoxSelLength) /* selected length of each text box */ \
    X(Liste, ListCalib) /* the calibration panel's list of saved calibrations */ \
    X(TableauControles, Command1, {0, {.Caption = QStringLiteral(" X")}}, {1, {.Caption = QStringLiteral("Annuler")}}) /* the correction frame's buttons */

// The window holds no widget. Its handlers are named by control and event and take the
// arguments their events carry.
class Tav {
public:
    // The single instance, created on first use.
    static Tav* instance();

    CONTROLES_TAV(ETAT_DECLARE_CHAMP)

    // Every control back to its design state (part of the program's reset).
    static void Reinitialise();
    void visiter(Etat::Visiteur& v) { CONTROLES_TAV(ETAT_VISITE_CHAMP) }
    bool operator==(const Tav&) const = default;
    bool au_depart() const { return *this == Tav(); }

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

    // --- the view: resize, thumbnail click, mouse over the picture, labels along segments,
    // the view's snapshot. Mouse handlers take the button, the shift state and x, y in the
    // units of the box.
    void Form_Resize();
    void VignP_MouseDown(short Button, short Shift, float X, float Y);
    void Picture1_MouseMove(short Button, short Shift, float X, float Y);
    // The scale bar's label on the view, turned along the bar.
    void TextIncline(const QString& TexTe, int Xpos, int Ypos, float sens, int Xbout, int Ybout);
    // A label along the segment (Xpos, Ypos)-(Xbout, Ybout) of the view, from its left end.
    void SegmentTextIncline(const QString& TexTe, int Xpos, int Ypos, float sens, int Xbout, int Ybout);
    void Sauve_Ecran3();
    void Rappel_Ecran3();

    // --- annotations (scale bars and texts, on the view and on the full-size copy), the
    // reference picture's save, acquisitions and captures
    // The reference picture's frame: 2 "Enregistre" writes the copy beside the picture, 3
    // "Ferme" drops it.
    void Vald_Click(short index);
    // The same two actions, the save always a bitmap; nothing calls it.
    void Gere_Image_Ref(short index);
    // The scanner menu's procedures: the source, an acquisition, the acquired picture
    // saved, the view saved.
    // The scanner menu: 1 the source, 2 an acquisition, 3 the acquired picture saved, 4 the view saved.
    void MnuTwain_Click(short index);
    void Twain_Selection_Source();
    // A second copy of the source choice; nothing calls it.
    void Twain_Selection_Source_bis();
    void Twain_Acquisition();
    void Twain_Sauve_Image();
    void Twain_Sauve_Cadre();
    void cmdTest_Click();
    // An acquired picture, written at `chemin`, joins the loader and is shown.
    void AjouteImageTwain(const QString& chemin);

    // --- flash panel: short coloured notices, over the window the user is looking at
    // Shows `Chn` on a panel of colour `couleur` (&HBBGGRR) for about `delai` seconds.
    void Flash(double couleur, const QString& Chn, short delai);
    // Shows the panel with `Chn`, keeping its colour, and returns at once.
    void Flash_ouvre(const QString& Chn);
    // Waits about `delai` seconds while events run, then hides the panel.
    void Flash_ferme(short delai);
    void cmdFlash_Click();

    // --- measuring: mouse and keys on the view, a click on the window's background, the
    // hand mode, the "Poly" box and the cystidia menu. Mouse handlers take the button (1
    // left, 2 right), the shift state (1 Shift, 2 Ctrl, 4 Alt) and x, y in view units.
    void Picture1_MouseDown(short Button, short Shift, float X, float Y);
    void Picture1_MouseUp(short Button, short Shift, float X, float Y);
    void Picture1_KeyDown(short KeyCode, short Shift);
    void Picture1_KeyUp(short KeyCode, short Shift);
    void Form_MouseDown(short Button, short Shift, float X, float Y);
    void DeplaceMain();
    void DeplaceMain_bis();
    void Check2_Click();
    void Cyst_Click(short index);
    void Calcul_K_Resolution();

    // --- calibration: the pointing's dialog, the panel's steps, the correction, the
    // calibration file "Tavl.Cal" and its list, the text editor
    // "Etalonner": the next segment measured is a known length of the stage micrometer.
    void Etalonner();
    // A segment recorded while a calibration is pointed (index not read).
    void PasCalibr(short etape);
    void Dialogue_calibrage_OK();
    void Dialogue_calibrage_Annule();
    // Opens the calibration panel; 0 also closes the comment frame.
    void Calibrage_Ouvre(short idx_cal);
    // The panel's buttons 21 to 27 (steps 0 to 6) and 44 (23, the correction frame).
    void Calibrage_Etape(short etape);
    // The correction frame's " X" (0) and "Annuler" (1).
    void Command1_Click(short index);
    void TBox_Change(short index);
    void TBox_KeyPress(short index, short KeyAscii);
    // Appends the current coefficient to the file under the comment typed in TBox(0);
    // false (nothing listed) when the file could not be written.
    bool Calibrage_Sauve();
    void Calibrage_Charge();
    void ListCalib_Click();
    // The panel's "Valider", by the last step.
    void Calibrage_Valide();
    // Non-zero: opens the calibration file in the user's text editor; 0 does nothing.
    void Editeur(short ouvre);

    // --- measuring and image services used by the grid and statistics parts
    void Retrace(short mode);
    // The view repainted, then every recorded row drawn on it; mode 1 gives it the focus.
    void retrace_1(short mode);
    void F_Img_Click(short index);
    void Lrg_Click(short index);
    void Optn_Click(short index);
    void Vmouse(short code);
    void Bout_Click(short index);
    void TTrace_Click(short index);

    // --- the image loader: the list frame, the multilayer group and the folder pane
    // Shows the loader's selected entry (whose path the caller passes) with its calibration;
    // false when the file is missing or holds no picture, which leaves the view as it was.
    bool appel_img_listchar(const QString& NomImg);
    // The same for the loader's selected entry, whatever it is passed; nothing calls it.
    void appel_img_listchar_twain(const QString& NomImg);
    // Refills the list frame's names: the group's in multilayer mode, else the loader's.
    void aff_liste_images();
    void ListIMGchar_DblClick();
    void ListImgMC_DblClick();
    void ListImgAff_Click();
    void ListIMGchar_KeyDown(short KeyCode, short Shift);
    void ListIMGchar_KeyUp(short KeyCode, short Shift);
    void chkMC_Click(short Index);
    void cmdChargeMC_Click();
    void BoutMC_Click(short Index);
    void Mntool_Click(short index);
    // The folder pane, laid out for 0 the image folder, 1 a block of files, 2 the purge.
    void Gest_FraRep(short Fn_Index);
    void NouveauRep(const QString& repAncien, short NumRepIdx);
    // Lists the loaded images no row refers to.
    void AffListeImgUT();
    // Removes from the loader the images chosen for removal, renumbering the rows.
    void RepEffaceLigne();
    void MnuCharg_Click(short Index);
    void cmdRep_Click(short Index);
    void ListRep_Click();
    void RepDir_Click();
    // The folder list's own answer to a double click: it lists the highlighted folder.
    void RepDir_DblClick();
    void RepDrive_Change();

    // --- shell: language, help and welcome texts, settings, state report, layout, menus
    // Menus, each an indexed array of items or a single top menu.
    // Other controls of the shell.
    // The window itself: Width and Height outside, ScaleWidth and ScaleHeight inside,
    // twips; WindowState 0 normal, 1 minimised, 2 maximised.

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

    // --- command bar, its compact copy and the micron button
    void Bout_C_Click(short index);
    void Bout_Symb_Click();

    // --- function, option, tool and colour-chart menus
    void MnDens_Click(short index);
    void Mnusurf_Click(short index);
    void Fdemarrage_Click(short index);
    void Mndecim_Click(short index);
    void statdef_Click(short index);
    void MNSav_Click(short index);
    void NoTexp_Click(short index);
    void Mn_Copie_Ecran_Click(short index);
    void MnuOpt_Click(short index);
    void Illus_Click(short index);
    void CalSrc_Click(short index);
    void MnuChrt_Click(short index);

    // --- option check boxes, single buttons, floating frames and text boxes
    void Check_Click(short index);
    void Check3_Click();
    void CheckExpert_Click();
    void cmd_Ch_Click();
    void cmdAlerte_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click(short index);
    void copie_Click();
    void Frame_MouseMove(short index, short Button, short Shift, float X, float Y);
    void TBox_Click(short index);
    void TBox_GotFocus(short index);

private:
    Tav() = default;
};
