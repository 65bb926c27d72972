#pragma once
// The tests and tables views of the statistics window (views 3 to 6 and the shared
// panel stcadre(7)): the tests panel, the comparison of means, the normal-law
// calculator, the Student table, the extract files and the window's captions from the
// message tables. Holds those views' controls, form variables and procedures.
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QString>
#include <optional>

#include "statwin/controles_stat.h"

class FenHisto;

class PanneauTests {
public:
    // --- tests panel: two movable frames over the window, indexed by the test code
    //     (2 homogeneity, 3 Shapiro-Wilk)
    Tableau<QGroupBox> FraTest;
    Tableau<QLabel> Tlabel;             // "Colonne"
    Tableau<QLineEdit> Ttxt1;           // grid column tested
    Tableau<QScrollBar> TVScroll1;      // its spinner
    Tableau<QLabel> Tlabel2;            // 3: "Risque %"
    Tableau<QLineEdit> Ttxt2;           // 3: risk of the verdict, in percent
    Tableau<QScrollBar> TVScroll2;      // 3: its spinner
    Tableau<QLabel> Tlabel3;            // 3: "Loi"
    Tableau<QRadioButton> Option3;      // 0 "Normale", 1 "Log-normale"
    Tableau<QPushButton> Command4;      // "Calcul"
    Tableau<QPushButton> Command3;      // "Fermer"
    Tableau<QLabel> Tlabel1;            // result lines
    QLineEdit* txttest = nullptr;       // a change recomputes the dot diagram

    // --- one-sample comparison (view 3) and two-sample comparison (view 4)
    Tableau<QLineEdit> Ctxt;            // 0 mean, 1 standard error, 2 size, 3 risk %, 5 reference, 6 sigma
    Tableau<QLineEdit> ctxt1;           // 1, 3, 5: N1, m1, s1; 2, 4, 6: N2, m2, s2; 10 risk %
    Tableau<QScrollBar> CVScroll1;      // 3: spinner of Ctxt(3); 0: spinner of ctxt1(10)
    Tableau<QRadioButton> COption1;     // standard error from 0 Ctxt(1), 1 Ctxt(6)
    Tableau<QCheckBox> chkLoiNormale;   // 0: power from the normal law
    Tableau<QCheckBox> Copt;            // 0 unequal variances, 1 paired, 2 two-sided, 3 details; 4 (view 3) show t
    Tableau<QPushButton> cmdCalcul;     // 1 one sample, 2 two samples
    Tableau<QPushButton> cmdDonnes;     // the diagram's series: 1 into view 3, 0 into view 4
    Tableau<QLabel> lblMoyenne;         // 0-5 captions of view 3, 6-10 of view 4
    QLabel* CLabel1 = nullptr;          // t
    QLabel* CLabel2 = nullptr;          // hypotheses
    QLabel* CLabel3 = nullptr;          // verdict and risk of the second kind
    Tableau<QLabel> Clabel5;            // 0 critical probability and power, 1 estimated standard error
    Tableau<QLabel> CLabel4;            // 0: emptied on an error
    Tableau<QLabel> CLabel6;            // 1 hypotheses, 3 verdict, 4 power and warnings, 11 details
    Tableau<QPushButton> ChoixComp;     // shared panel: 0 "Echant/Type", 1 "2 Echant."

    // --- Student table (view 6) and normal-law calculator (view 5)
    Tableau<QRadioButton> StOptTInv;    // 0 "tdist", 1 "T-inv"
    Tableau<QRadioButton> StOption2;    // 0 "Unilateral", 1 "Bilateral"
    Tableau<QLineEdit> StText;          // 1 t or risk, 2 degrees of freedom
    Tableau<QLabel> StLabel3;           // 0, 1 the boxes' labels, 2 the result
    QLabel* StlblLabel1 = nullptr;      // names the probability shown
    Tableau<QRadioButton> LNOpt;        // 1 "LN" (x given), 2 "LN inv" (probability given)
    Tableau<QLineEdit> LNTxt;           // 1 m, 2 s, 3 x or probability
    Tableau<QLabel> LNLabel;            // 1-3 the boxes' labels, 7 results, 4 deciles
    Tableau<QPushButton> Tblcopie;      // "copier" of views 3 to 6

    // --- the window's captions
    void Charge_entetes();

    // --- tests panel
    void Mnstat3_Click(short index);
    void Command4_Click(short index);
    void Command3_Click(short index);
    void Option3_Click(short index);
    void Ttxt1_Change(short index);
    void TVScroll1_Change(short index);
    void Ttxt2_Change(short index);
    void TVScroll2_Change(short index);
    void txttest_Change();
    void FraTest_MouseMove(short index, int Button, int Shift, float X, float Y);
    // Runs test `code` of the statistics library on the series box and shows its lines.
    void Lance_Test(short code);

    // --- comparison of means
    void ChoixComp_Click(short index);
    void cmdCalcul_Click(short index);
    void cmdDonnes_Click(short index);
    void COption1_Click(short index);
    void chkLoiNormale_Click();
    void Copt_Click(short index);
    void Ctxt_Change(short index);
    void Ctxt_Click(short index);
    void ctxt1_Change(short index);
    void CVScroll1_Change(short index);
    void CompMoy_1();
    void CompMoy_2();

    // --- Student table and normal law
    void StOptTInv_Click(short index);
    void StOption2_Click(short index);
    void StText_Change(short index);
    void LNOpt_Click(short index);
    void LNTxt_Change(short index);
    void Tblcopie_Click(short index);
    void Calcul_Student();
    void CalculS_LN();

    // --- extract files
    void Extrait_Sauve(const QString& FichierTrame);
    void CSVexportGrille(short mode);

protected:
    void construire_tests(FenHisto& fen);
    // Where the extract's name dialog and overwrite question leave the chosen path;
    // nothing when the user cancelled.
    std::optional<QString> Nom_extrait(const QString& nom, const QString& extension, bool tableau);

private:
    FenHisto& fen();
    void construire_cadres_tests(FenHisto& f);
    void construire_moyenne(FenHisto& f);
    void construire_deux_moyennes(FenHisto& f);
    void construire_tables(FenHisto& f);

    bool risqueEnCours_ = false;        // Ttxt2_Change is running
};
