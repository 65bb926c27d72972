// The plot view's scatter plot: one grid column against another, each point a cross,
// with the covariance, the correlation and the least-squares line.
#include <QApplication>
#include <QTimer>
#include <cmath>
#include <exception>

#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/vb.h"
#include "grid/etat_grille.h"
#include "base/grilles.h"
#include "platform/prompts.h"
#include "statwin/fenhisto.h"
#include "statwin/nuage_echelle.h"
#include "statwin/series_grille.h"
#include "stats/series.h"

void PanneauNuage::Refus_calcul(const QString& texte) {
    // One box per user action: the plot is redrawn several times by one action, and
    // the label keeps the refusal in view anyway.
    if (refusAnnonce_) return;
    refusAnnonce_ = true;
    Prompts::msgBox(texte, Prompts::OkOnly);
    QTimer::singleShot(0, &fen(), [this] { refusAnnonce_ = false; });
}

double PanneauNuage::Min_list2(short ncol) {
    double m = 999999999;
    for (const QString& t : List2(ncol).items()) {
        const double v = Gen::Val_decimal(t);
        if (v < m) m = v;
    }
    return m;
}

double PanneauNuage::Max_list2(short ncol) {
    double m = 0;
    for (const QString& t : List2(ncol).items()) {
        const double v = Gen::Val_decimal(t);
        if (v > m) m = v;
    }
    return m;
}

void PanneauNuage::Trace_Nuage() {
    Surface& pic = HistPicHist->surface();
    Label8->clear();
    pic.Scale(0, 1000, 1000, 0);
    pic.ForeColor = 0;
    pic.BackColor = 0xFFFFFF;
    pic.Cls();
    pic.FontSize = 8;

    const auto points = SeriesGrille::Points(int(ColonnesAxes[0]), int(ColonnesAxes[1]));
    List2(0).Clear();
    List2(1).Clear();
    for (const auto& p : points) {
        // The lists are read back for the scale: near the largest double, 15 digits
        // would read beyond it.
        List2(0).AddItem(Vb::CStr_relisible(p.x));
        List2(1).AddItem(Vb::CStr_relisible(p.y));
    }
    if (points.empty()) return;
    std::vector<double> X, Y;
    for (const auto& p : points) {
        X.push_back(p.x);
        Y.push_back(p.y);
    }

    const auto echelle = Nuage::Echelle_nuage(Min_list2(0), Max_list2(0), Min_list2(1), Max_list2(1));
    if (!echelle) return;
    echelle_ = *echelle;
    EchelleX = echelle_.EchelleX;
    EchelleY = echelle_.EchelleY;

    try {
        for (size_t i = 0; i < X.size(); ++i) {
            Trace_Croix(Vb::CInt(echelle_.X(X[i])), Vb::CInt(echelle_.Y(Y[i])), 20);
            if (CheckLgn->isChecked()) pic.Print(QString::number(i + 1));
        }
        pic.ForeColor = 0xFF;
        pic.Line(70, 70, 1050, 70);
        pic.Line(70, 70, 70, 1050);
        const QString motif = QStringLiteral("###0.0");
        auto imprime = [&pic](double x, double y, const QString& t) {
            pic.CurrentX = x;
            pic.CurrentY = y;
            pic.Print(t);
        };
        imprime(70, 70, Vb::Format(echelle_.minX, motif));
        imprime(830, 70, Vb::Format(echelle_.maxX, motif));
        imprime(0, 150, Vb::Format(echelle_.minY, motif));
        imprime(0, 900, Vb::Format(echelle_.maxY, motif));
        const long violet = Surface::QBColor(5);
        pic.Line(150, 70, 150, 50, violet);
        pic.Line(900, 70, 900, 50, violet);
        pic.Line(50, 150, 70, 150, violet);
        pic.Line(50, 900, 70, 900, violet);
    } catch (const std::exception&) {
        // The figures below are still given when a part of the drawing fails.
    }

    try {
        if (NumFonction != 1) {
            // The plot shows a refusal once per action itself, so the library stays silent.
            const Mstat::Resultat_Deux_Series c = Mstat::Covariance_Correlation(X, Y, false);
            const QString cov = Vb::Format(c.Element[1], FormatDecimal);
            if (!c.Refuse()) {
                Label8->setText(QStringLiteral(" Covariance = ") + cov + QLatin1Char('\n') +
                                QStringLiteral("Corrélation Ro= ") + Vb::Format(c.Element[2], FormatDecimal));
            } else {
                Label8->setText(QStringLiteral(" Covariance = ") + cov + QLatin1Char('\n') + c.Refus);
                Refus_calcul(c.Refus);
            }
        }
        if (Check2->isChecked()) {
            const Mstat::Resultat_Deux_Series d = Mstat::Droite_Regression(X, Y, false);
            if (d.Refuse()) {
                Refus_calcul(d.Refus);
                return;
            }
            const Nuage::Segment droite = Nuage::Droite(echelle_, d.Element[1], d.Element[2]);
            pic.Line(droite.x1, droite.y1, droite.x2, droite.y2);
        }
    } catch (const std::exception&) {
    }
}

void PanneauNuage::Check2_Click() { Trace_Nuage(); }
void PanneauNuage::CheckLgn_Click() { Trace_Nuage(); }

void PanneauNuage::cmdH_Click(short index) {
    ColonnesAxes[index] = List1->currentRow() + 1;
    const int i = int(ColonnesAxes[index]) - 1;
    setTexte(Text2Hist(index), i >= 0 && i < List1->count() ? List1->item(i)->text() : QString());
}

void PanneauNuage::Text2Hist_Change(short) { Exec_Hist(1); }
