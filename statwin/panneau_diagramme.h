#pragma once
// The diagram view of the statistics window (view 2): where its series comes from
// (grid column, extract, typed or pasted text), the dot diagram, the summary text and
// the dominant values. Holds the view's controls, form variables and procedures.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QString>

#include "platform/surface_vue.h"
#include "statwin/controles_stat.h"

class FenHisto;

class PanneauDiagramme {
public:
    // --- controls of the diagram view (frame stcadre(2))
    Tableau<QGroupBox> MFrame1;         // 0..8: the panel's frames
    Tableau<QRadioButton> MOption1;     // 0 "mesures", 1 "fichier", 2 "Texte", 3 "Extrait"
    Tableau<QCheckBox> MCheck1;         // 0 "PDM", 3 fixed X scale, 4 fixed Y scale, ...
    QLineEdit* MText3 = nullptr;        // the series text
    QLineEdit* MText4 = nullptr;        // grid column number
    VueSurface* MHistPic = nullptr;     // the dot diagram

    // --- form variables
    QString MstrData;
    short PremierTexte = 0;
    short CompteurPdm = 0;

    // --- procedures
    void M_init();
    void MOption1_Click(short index);
    void MText4_Change();
    void Mcalcul0();
    void Mcalcul0_vide();
    void RazModes(short mode);

protected:
    void construire_diagramme(FenHisto& fen);

private:
    FenHisto& fen();
};
