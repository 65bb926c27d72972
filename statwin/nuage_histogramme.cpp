// The plot view's histograms: the choice of columns and classes, the counting of each
// checked column into its classes, the bars side by side and the legend.
#include <exception>

#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/messages.h"
#include "base/vb.h"
#include "grid/etat_grille.h"
#include "base/grilles.h"
#include "statwin/fenhisto.h"
#include "statwin/histogramme_classes.h"
#include "statwin/series_grille.h"

void PanneauNuage::RAZ_Classes() {
    for (auto& classe : TableClasses)
        for (short& n : classe) n = 0;
}

void PanneauNuage::RAZ_Choix() {
    for (int i = 0; i <= 6; ++i) {
        Histcmd(i).setEnabled(false);
        Histcmd(i).setText(QString());
        ChkH(i).setText(QString());
    }
}

void PanneauNuage::ChkH_Click(short index) {
    HistPicHist->surface().Cls();
    LabelHisto->clear();
    for (int i = 0; i <= 6; ++i) {
        Histcmd(i).setEnabled(ChkH(i).isChecked());
        for (auto& classe : TableClasses) classe[i] = 0;
    }
    Exec_Hist(index);
}

void PanneauNuage::Histcmd_Click(short index) {
    HistPicHist->surface().Cls();
    Exec_Hist(index);
}

void PanneauNuage::CmdHist1_Click(short) {
    ModeHisto = ModeHisto ? 0 : -1;
    Frame_extraire->setEnabled(ModeHisto == 0);
    Frame3->setEnabled(ModeHisto != 0);
    Label8->clear();
    Exec_Hist(1);
}

void PanneauNuage::Text1histo_Change() {
    // The class count stays within what the class table holds.
    if (const auto correction = Histogramme::Correction_nombre_classes(Text1histo->text())) {
        setTexte(*Text1histo, *correction);
        return;  // the new text's own change draws
    }
    // The spinner goes on from the count typed.
    suitSaisie(*VScroll1Hist, Histogramme::Nombre_classes(Text1histo->text()));
    Exec_Hist(1);
}

void PanneauNuage::VScroll1Hist_Change() {
    setTexte(*Text1histo, QString::number(VScroll1Hist->value()));
    Exec_Hist(1);
}

void PanneauNuage::Exec_Hist(short index) {
    FenHisto& f = fen();
    Surface& pic = HistPicHist->surface();
    try {
        pic.Cls();
        RAZ_Classes();
        if (NumFonction == 1) {
            ChkH(0).setChecked(true);
            Histcmd(0).setEnabled(true);
        }
        if (ModeHisto == 0) {
            CmdHist1(1).setEnabled(false);
            CmdHist1(0).setEnabled(true);
            f.stcadre(1).setTitle(Lib_Langue[103]);
            Framehist(2).setEnabled(false);
            for (int i = 0; i <= 6; ++i) ChkH(i).setEnabled(false);
            Trace_Nuage();
            return;
        }
        Framehist(2).setEnabled(true);
        CmdHist1(0).setEnabled(false);
        CmdHist1(1).setEnabled(true);
        f.stcadre(1).setTitle(Lib_Langue[107]);
        for (int i = 0; i <= 6; ++i) ChkH(i).setEnabled(true);
        pic.Scale(0, 1000, 1000, 0);

        for (int m = 1; m <= 7; ++m) {
            if (!ChkH(m - 1).isChecked()) continue;
            const int n = Histogramme::Nombre_classes(Text1histo->text());
            NbClasses = short(n);
            const auto classes = Histogramme::Classes_colonne(SeriesGrille::Colonne(m), n);
            if (!classes) continue;
            for (int k = 0; k < n; ++k) TableClasses[k][m - 1] = short(classes->comptes[size_t(k)]);
            const int s = classes->pas;
            const int u = classes->unite;

            pic.Line(30, 100, 880, 100);
            pic.Line(30, 100, 30, 950);
            for (int j = 1; j <= n + 1; ++j) {
                const int x = (j - 1) * s + 30;
                pic.Line(x, 100, x, 80, 0, Surface::BoitePleine);
            }
            pic.Print(QStringLiteral("Max."));
            const long couleur = Surface::QBColor(m);
            pic.Line(30, u + 100, 5, u + 100, couleur, Surface::BoitePleine);
            pic.Line(30, 5 * u + 100, 5, 5 * u + 100, couleur, Surface::BoitePleine);
            pic.ForeColor = couleur;
            pic.Print(QStringLiteral("5"));
            pic.ForeColor = 0;
            for (int l = 0; l < n; ++l) {
                const int x = s * l + 20 * (m - 1) + 30;
                pic.Line(x + 2, 100, x + 20, TableClasses[l][m - 1] * u + 100, couleur, Surface::BoitePleine);
            }

            if (m == index + 1) {
                LabelHisto->setText(Histogramme::Legende(Histcmd(index).text(), *classes, FormatDecimal, SautLigne));
                GrilleRef.setCellBackColorAt(classes->etendue.ligneMin, m, CouleurMinimum);
                GrilleRef.setCellBackColorAt(classes->etendue.ligneMax, m, CouleurMaximum);
            }
        }
    } catch (const std::exception&) {
        // A drawing that fails leaves what was drawn so far, without a word.
    }
}
