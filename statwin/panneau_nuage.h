#pragma once
// The plot view of the statistics window (view 1): histograms of up to seven grid
// columns, the scatter plot of one column against another with its regression line,
// the extraction of points with the mouse, and the two table-paste buttons that fill the
// grid from the clipboard. Holds the view's controls, form variables and procedures.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "base/liste.h"
#include "platform/surface_vue.h"
#include "statwin/controles_stat.h"
#include "statwin/histogramme_classes.h"
#include "statwin/nuage_echelle.h"

class FenHisto;

class PanneauNuage {
public:
    // --- controls of the plot view (frame stcadre(1))
    VueSurface* HistPicHist = nullptr;      // the plot
    VueSurface* Image_extr = nullptr;       // hidden copy of the plot while extracting
    QGroupBox* Frame1 = nullptr;            // covariance and correlation
    QGroupBox* Frame2 = nullptr;            // histogram / scatter plot buttons
    QGroupBox* Frame3 = nullptr;            // number of classes
    QGroupBox* Frame4 = nullptr;            // histogram legend
    QGroupBox* Frame_extraire = nullptr;    // extraction of points
    Tableau<QGroupBox> Framehist;           // 2 histogram columns, 3 scatter plot axes
    Tableau<QPushButton> Histcmd;           // 0..6: legend of a histogram column
    Tableau<QCheckBox> ChkH;                // 0..6: draw that column's histogram
    QLineEdit* Text1histo = nullptr;        // number of classes
    QScrollBar* VScroll1Hist = nullptr;     // its spinner
    Tableau<QLabel> lblNbDe;                // 15: "Nb de Classes"
    Tableau<QPushButton> CmdHist;           // 0: screen copy of the plot
    Tableau<QPushButton> CmdHist1;          // 0 "Histogramme", 1 "Nuage de pts"
    QLabel* LabelHisto = nullptr;           // histogram legend
    QListWidget* List1 = nullptr;           // column titles offered as axes
    Tableau<QPushButton> cmdH;              // 0 X axis, 1 Y axis
    Tableau<QLineEdit> Text2Hist;           // 0, 1: titles of the axis columns
    QCheckBox* Check2 = nullptr;            // "Dte regression"
    QCheckBox* CheckLgn = nullptr;          // "marquer num ligne"
    QLabel* Label8 = nullptr;               // covariance and correlation
    Tableau<QPushButton> Command_extraire;  // 0 "Extraire"
    QPushButton* Command1 = nullptr;        // arms a new selection
    Tableau<QRadioButton> Option1;          // 1 rectangle, 2 cercle, 3 ellipse
    EtiquetteLongue* Label3 = nullptr;      // the extract: count and rows
    Tableau<QPushButton> Command2;          // table paste buttons (diagram view): 0 by rows, 1 by columns
    Liste& List2(int index) { return List2_[index]; }  // plotted X (0) and Y (1) values

    // --- form variables
    short ModeHisto = 0;                    // -1 histograms, 0 scatter plot
    short NbClasses = 5;
    double ColonnesAxes[3] = {0, 0, 0};     // grid columns of the X and Y axes
    double EchelleX = 0, EchelleY = 0;      // plot units per data unit
    short ModeExtraction = 0;
    short SelectionEnCours = 0;
    short PointDepartX = 0, PointDepartY = 0;
    static constexpr int ClassesMax = Histogramme::ClassesMax;
    short TableClasses[ClassesMax][11] = {};

    // --- histogram
    void Exec_Hist(short index);
    void RAZ_Classes();
    void RAZ_Choix();
    void ChkH_Click(short index);
    void Histcmd_Click(short index);
    void CmdHist1_Click(short index);
    void Text1histo_Change();
    void VScroll1Hist_Change();

    // --- scatter plot
    void Trace_Nuage();
    void Check2_Click();
    void CheckLgn_Click();
    void cmdH_Click(short index);
    void Text2Hist_Change(short index);
    double Min_list2(short ncol);
    double Max_list2(short ncol);

    // --- extraction
    void Command_extraire_Click(short index);
    void Command1_Click();
    void HistPicHist_MouseDown(int Button, int Shift, double X, double Y);
    void HistPicHist_MouseMove(int Button, int Shift, double X, double Y);
    void Extraire(double X, double Y);
    void Trace_Croix(double x, double y, double d);

    // --- pasted tables; a paste refused or cancelled returns false and changes nothing
    void Command2_Click(short index);
    bool Excel_Coller_H();
    bool Excel_Coller_V();

protected:
    void construire_nuage(FenHisto& fen);

private:
    FenHisto& fen();
    // Shows a refusal of the figures in a message box, once per user action.
    void Refus_calcul(const QString& texte);
    // What a paste changes beyond the grid: the extract of the old table goes.
    void Apres_collage();
    // Draws the outline of the chosen shape through (x, y), around the first click.
    void Trace_forme(double x, double y);
    // The outline chosen, from the first click to the pointer at (X, Y).
    Nuage::Selection Selection_courante(double X, double Y) const;

    Liste List2_[2];
    Nuage::Echelle echelle_;               // the scale of the plot last drawn
    bool refusAnnonce_ = false;
};
