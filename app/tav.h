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

private:
    Tav();
};
