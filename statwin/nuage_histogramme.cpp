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
    const double v = Vb::Val(Text1histo->text());
    if (v < 2) {
        setTexte(*Text1histo, QStringLiteral("2"));
        return;  // the new text's own change draws
    }
    if (v > ClassesMax) {
        setTexte(*Text1histo, QString::number(ClassesMax));
        return;
    }
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
            const int n = std::clamp<int>(Vb::CInt(Vb::Val(Text1histo->text())), 2, ClassesMax);
            NbClasses = short(n);
            const auto valeurs = SeriesGrille::Colonne(m);
            const int N = int(valeurs.size());
            if (N < 2) continue;
            SeriesGrille::Etendue e = SeriesGrille::Extremes(valeurs);
            double mini = e.min, maxi = e.max;
            // A constant column gets a unit range around its value, so its bar stands
            // in the middle class instead of dividing by a zero width.
            if (maxi == mini) {
                mini -= 0.5;
                maxi += 0.5;
            }
            const double w = (maxi - mini) / n;
            for (const auto& x : valeurs) {
                int k = int(Vb::Int((x.v - mini) / w));
                if (k >= n) k = n - 1;
                if (k < 0) k = 0;
                ++TableClasses[k][m - 1];
            }
            const int s = Vb::CInt(850.0 / n);
            const int u = Vb::CInt(750.0 * n / (2.0 * N));

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
                LabelHisto->setText(Histcmd(index).text() + QStringLiteral(" :   ") + QString::number(n) +
                                    QStringLiteral("  classes de largeur ") + Vb::Format(w, FormatDecimal) +
                                    SautLigne + QString(18, QLatin1Char(' ')) + QStringLiteral("Min (") +
                                    QString::number(e.ligneMin) + QStringLiteral(")= ") +
                                    Vb::Format(e.min, FormatDecimal) + QStringLiteral("   Max(") +
                                    QString::number(e.ligneMax) + QStringLiteral(")= ") +
                                    Vb::Format(e.max, FormatDecimal));
                GrilleRef.setCellBackColorAt(e.ligneMin, m, CouleurMinimum);
                GrilleRef.setCellBackColorAt(e.ligneMax, m, CouleurMaximum);
            }
        }
    } catch (const std::exception&) {
        // A drawing that fails leaves what was drawn so far, without a word.
    }
}
