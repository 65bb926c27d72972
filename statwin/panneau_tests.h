#pragma once
// The tests and tables views of the statistics window (views 3 to 6 and the shared
// panel stcadre(7)): the tests panel, the comparison of means, the normal-law
// calculator, the Student table, and the window's captions from the message tables.
// Holds those views' controls, form variables and procedures.
#include <QLineEdit>
#include <QRadioButton>

#include "statwin/controles_stat.h"

class FenHisto;

class PanneauTests {
public:
    Tableau<QLineEdit> Ctxt;            // comparison of means: 0 mean, 1 standard error, 5 reference, 6 sigma
    Tableau<QLineEdit> LNTxt;           // normal law: 1 m, 2 s, 3 x or probability
    Tableau<QLineEdit> StText;          // Student table: 1 t or risk, 2 degrees of freedom
    Tableau<QRadioButton> StOptTInv;    // 0 "tdist", 1 "T-inv"

    void Charge_entetes();
    void Mnstat3_Click(short index);

protected:
    void construire_tests(FenHisto& fen);

private:
    FenHisto& fen();
};
