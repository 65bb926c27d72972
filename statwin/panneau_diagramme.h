#pragma once
// The diagram view of the statistics window (view 2): where its series comes from
// (grid column, extract, typed or pasted text), the dot diagram, the summary text and
// the dominant values. Holds the view's controls, form variables and procedures.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QString>
#include <vector>

#include "platform/surface_vue.h"
#include "statwin/controles_stat.h"
#include "statwin/session_pdm.h"

class FenHisto;

class PanneauDiagramme : public SessionPdm {
public:
    // --- controls of the diagram view (frame stcadre(2))
    Tableau<QGroupBox> MFrame1;         // 0 sources, 1 "PDMS", 2 drawing options, 4-8 one per source, 5 output
    Tableau<QRadioButton> MOption1;     // 0 "mesures", 1 "fichier", 2 "Texte", 3 "Extrait"
    Tableau<QCheckBox> MCheck1;         // 0 "PDM", 1 "simple", 2 "Cumulé", 3 fixed X, 4 fixed Y, 5 "Optimal", 6 " S", 7 "Auto-Pdms"
    QLineEdit* MText3 = nullptr;        // the series text
    QLineEdit* MText4 = nullptr;        // grid column number
    QScrollBar* MVScroll1 = nullptr;    // its spinner
    QLineEdit* MText4E = nullptr;       // column of the extract's rows
    QScrollBar* EVScroll1 = nullptr;    // its spinner
    QLineEdit* MText5 = nullptr;        // X origin of the fixed scale
    Tableau<QScrollBar> MScroll1;       // 5: the origin, in tenths
    Tableau<QScrollBar> MVScroll2;      // 3 fixed X scale, 4 fixed Y scale, 5 resolution
    QLabel* groupe = nullptr;           // the grouping width, or "pixel"
    QLabel* NmColonne = nullptr;        // the column's title, or a prompt
    QLabel* MLabel2 = nullptr;          // "Colonne" beside the grid column number
    QLabel* MLabel3 = nullptr;          // "Diagramme", before the column's title
    QLabel* Label4 = nullptr;           // "Origine X"
    QPlainTextEdit* MText1 = nullptr;   // the summary
    VueSurface* MHistPic = nullptr;     // the dot diagram
    Tableau<QPushButton> MCommand3;     // 2 "Copier", 4 "Coller", 6 "Calcul"; 0, 1, 8 inert
    Tableau<QPushButton> Mommand3;      // 7 "Raz" of the typed series
    Tableau<QPushButton> MCommand1;     // 0..6 "1" to "7": clear the series
    QPushButton* MCommand2 = nullptr;   // marking mode of the dominant values
    Tableau<QPushButton> MCommand5;     // 2 clipboard, 3 "calcul", 4 "Ok", 5 "Annule", 14 "Raz", 15 "Xi", 16 "/Xi"
    Tableau<QLabel> MLabel5;            // 0 "limites", 1 lower, 2 upper limit
    QLabel* lblNb = nullptr;            // count and density of the marked values
    QPushButton* cmdResumeTout = nullptr;   // "Aperçu global"

    // --- form variables
    QString MstrData;                   // the series computed
    QString MstrDataTout;               // the whole series, while sub-series are marked
    std::vector<double> ValeursDiag;    // sorted values at 1..N, 0 at index 0
    short NbValeursDiag = 0;
    short EchelleXFixe = 9;
    short EchelleYFixe = 50;
    QString NomVariable;
    short PremierTexte = 0;
    double MoyenneDiag = 0, EcartTypeDiag = 0, Decile1Diag = 0, Decile9Diag = 0, MedianeDiag = 0;
    QString TexteResume[3];

    // --- data sources
    void M_init();
    void MOption1_Click(short index);
    void MVScroll1_Change();
    void MText4_Change();
    void MText3_2_MstrData();
    void MText3_2_MstrData_test(short index);
    void Mcalcul0_vide();
    void EVScroll1_Change();
    void MText4E_Change();
    void affecte_extrait(const QString& List_Extr, short num_col);
    void calcul_extrait();
    void MText5_Change();
    void MScroll1_Change(short index);
    void MCommand3_Click(short index);
    void Mommand3_Click(short index);
    void Mcharge_data(const QString& M1data);

    // --- dot diagram
    void Mcalcul0();
    void Mcalcul(const QString& serie, short code);
    void Trace_diagramme(float& y0, short code);
    void MCheck1_Click(short index);
    void MVScroll2_Change(short index);
    void MCommand1_Click(short index);

    // --- summary text
    void Msto_texte();
    void Mcalcul_moy_ET();
    void SCdecile();
    void cmdResumeTout_Click();
    // The summary as written, lines ended by SautLigne.
    QString Texte_MText1() const { return texteMText1_; }

    // --- dominant values
    double MCalcul_Dominante(short flag, const std::vector<double>& valeurs);
    void MCommand2_Click();
    void MHistPic_MouseUp(int Button, int Shift, double X, double Y);
    int Mcherche_Xi(float x, short mode);
    // False when no value lies between the limits.
    bool Mcalcul_dlms();
    void MCommand5_Click(short index);
    void Annule_PDM();
    void RazModes(short mode);
    void ReCalcul(short index);

protected:
    void construire_diagramme(FenHisto& fen);

private:
    FenHisto& fen();
    void construire_options(FenHisto& f);
    void construire_pdm(FenHisto& f);
    // The column's cells of the value rows into MText3, its title into NmColonne.
    void Colonne_vers_serie(const QString& numero);
    // A sorted value; a position outside 1..N is the array's bounds error.
    double V(int i) const;
    void setMText1(const QString& texte);
    void Statut(const QString& texte);
    // Shows a refusal of the session in a message box; false when there is none.
    bool Refuse(const QString& refus);
    // Ends the range being marked: its limits and buttons cleared, its value stored
    // ("Ok") or its slot emptied ("Annule"), the summary written again.
    void Ferme_plage(bool acceptee);
    void Couleur_MCommand2(bool marquage);
    // Tells the user that a series keeps its first Diagramme::ValeursMax values only.
    void Refus_longueur();
    // A series holding a number beyond the doubles has no value to draw: refused whole,
    // as the table pastes refuse it ("données incorrectes"); true when it is.
    bool Refus_depassement(const QString& serie);

    QString texteMText1_;
    bool decilesDiag_ = false;          // D1 and D9 were computed (11 values or more)
    int colonneChargee_ = 1;            // the grid column NmColonne names, which the summary names
};
