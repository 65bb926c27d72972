// The tests panel: the "Tests" menu, and the two movable frames from which the
// homogeneity test (code 2) and the Shapiro-Wilk test (code 3) run on the series box.
#include <QApplication>
#include <algorithm>

#include "base/etat_demarrage.h"
#include "base/messages.h"
#include "base/vb.h"
#include "grid/etat_grille.h"
#include "platform/prompts.h"
#include "statwin/fenhisto.h"
#include "statwin/tests_outils.h"

void PanneauTests::Mnstat3_Click(short index) {
    FenHisto& f = fen();
    switch (index) {
    case 1: {
        f.stcadre(7).setVisible(false);
        f.Init_cadrage_frames(3);
        f.Init_cadrage_frames(4);
        f.stcadre(7).setVisible(true);
        f.stcadre(7).setEnabled(true);
        const bool actif = !ModeStatSeul;
        lblMoyenne(5).setEnabled(actif);
        lblMoyenne(10).setEnabled(actif);
        cmdDonnes(0).setEnabled(actif);
        cmdDonnes(1).setEnabled(actif);
        ChoixComp_Click(1);
        break;
    }
    case 2:
    case 3: {
        QGroupBox& cadre = FraTest(index);
        // The spinner runs over the result columns.
        TVScroll1(index).setMaximum(std::max<int>(1, NbColonnesStat));
        f.RedimFrame(cadre, index == 2 ? QStringLiteral("Test de Möls ***") : QStringLiteral("Test de Shapiro-Wilk"),
                     3000, 3000, 1500, 4215);
        cadre.setVisible(true);
        cadre.raise();
        if (index == 3) {
            setTexte(Ttxt2(3), QStringLiteral("5"));
            setValeur(TVScroll2(3), 5);
        }
        Lance_Test(index);
        break;
    }
    default:
        break;
    }
}

void PanneauTests::Command4_Click(short index) { Lance_Test(index); }

void PanneauTests::Command3_Click(short index) { FraTest(index).setVisible(false); }

void PanneauTests::Option3_Click(short) { Lance_Test(3); }

void PanneauTests::Ttxt1_Change(short index) {
    if (index != 2 && index != 3) return;
    if (NbLignesGrille == 1) return;
    FenHisto& f = fen();
    try {
        // The box names a result column: column 0 holds the row numbers and the columns
        // after the results hold no series. Below 1 is no column (the spinner's range
        // refuses it); beyond the last one it takes the last one.
        const double v = Saisie::Nombre(Ttxt1(index).text());
        if (Vb::ArrondiPair(v) < 1) throw Vb::Erreur(Vb::ErrArgument, "Invalid property value");
        if (NbColonnesStat < 1) {
            Prompts::msgBox(Lib_Stat[1] + Lib_Stat[3], Prompts::OkOnly);
            return;
        }
        const short colonne = short(std::min<double>(Vb::ArrondiPair(v), NbColonnesStat));
        if (v > NbColonnesStat) {
            const QSignalBlocker bloque(&Ttxt1(index));
            Ttxt1(index).setText(QString::number(colonne));
        }
        // A table pasted since the frame was opened may have brought more columns.
        TVScroll1(index).setMaximum(std::max<int>(TVScroll1(index).minimum(), NbColonnesStat));
        suitSaisie(TVScroll1(index), colonne);
        f.MVScroll1->setRange(1, NbColonnesStat);
        setValeur(*f.MVScroll1, colonne);
        f.MText3_2_MstrData_test(index);
        Lance_Test(index);
    } catch (const std::exception&) {
        // A box being typed: what was set stays.
    }
}

void PanneauTests::TVScroll1_Change(short index) {
    setTexte(Ttxt1(index), QString::number(TVScroll1(index).value()));
}

void PanneauTests::Ttxt2_Change(short index) {
    if (index != 3 || risqueEnCours_) return;
    risqueEnCours_ = true;
    try {
        const short v = Saisie::Entier(Ttxt2(3).text());
        QScrollBar& b = TVScroll2(3);
        if (v < b.minimum() || v > b.maximum()) throw Vb::Erreur(Vb::ErrArgument, "Invalid property value");
        setValeur(b, v);
        Lance_Test(3);
    } catch (const std::exception&) {
        // A refused risk gives no verdict: the result label says so rather than keep the
        // verdict of the last risk accepted.
        Tlabel1(3).setText(Lib_Stat[5] + QLatin1Char(' ') + Ttxt2(3).text().trimmed() + QStringLiteral(" : ") +
                           Lib_Stat[1] + Lib_Stat[2]);
    }
    risqueEnCours_ = false;
}

void PanneauTests::TVScroll2_Change(short index) {
    setTexte(Ttxt2(index), QString::number(TVScroll2(index).value()));
}

void PanneauTests::txttest_Change() { fen().Mcalcul0_vide(); }

void PanneauTests::FraTest_MouseMove(short index, int Button, int, float X, float Y) {
    if (Button != 1) return;
    QGroupBox& cadre = FraTest(index);
    const float gauche = float(Twips::Left(cadre)) / 2 + 1.2f * X;
    const float haut = float(Twips::Top(cadre)) / 2 + 1.2f * Y;
    Twips::setLeft(cadre, int(Vb::ArrondiPair(gauche)));
    Twips::setTop(cadre, int(Vb::ArrondiPair(haut)));
}
