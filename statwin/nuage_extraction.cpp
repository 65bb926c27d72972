// Extraction of points on the scatter plot: a rectangle, circle or ellipse drawn with
// the mouse around a first click; the grid rows of the points inside become the extract.
#include <QApplication>
#include <cmath>
#include <exception>

#include "base/vb.h"
#include "grid/etat_grille.h"
#include "statwin/fenhisto.h"
#include "statwin/nuage_echelle.h"
#include "statwin/series_grille.h"
#include "platform/bip.h"

namespace {
void copier(VueSurface& vers, const Surface& depuis) {
    vers.surface().redimensionner(depuis.largeurPx(), depuis.hauteurPx());
    vers.surface().restaurer(depuis.Image());
}
} // namespace

void PanneauNuage::Trace_Croix(double x, double y, double d) {
    Surface& pic = HistPicHist->surface();
    pic.Line(x + d, y, x - d, y);
    pic.Line(x, y + d, x, y - d);
}

void PanneauNuage::Command_extraire_Click(short index) {
    if (index != 0) return;
    Trace_Nuage();
    fen().StatusBar2->setText(QStringLiteral("B.G. : encadrer les points / B.D. : valider le choix"));
    copier(*Image_extr, HistPicHist->surface());
    ModeExtraction = -1;
}

void PanneauNuage::Command1_Click() {
    ModeExtraction = -1;
    Option1(1).setChecked(true);
}

void PanneauNuage::HistPicHist_MouseDown(int Button, int, double X, double Y) {
    if (Button == 1 && ModeExtraction) {
        PointDepartX = Vb::CInt(X);
        PointDepartY = Vb::CInt(Y);
        SelectionEnCours = -1;
        Command_extraire(0).setEnabled(false);
    } else if (Button == 2 && !Command_extraire(0).isEnabledTo(Frame_extraire)) {
        copier(*Image_extr, HistPicHist->surface());
        Command_extraire(0).setEnabled(true);
        SelectionEnCours = 0;
        ModeExtraction = 0;
        Extraire(X, Y);
    }
}

void PanneauNuage::HistPicHist_MouseMove(int, int, double X, double Y) {
    if (!SelectionEnCours) return;
    HistPicHist->surface().restaurer(Image_extr->surface().Image());
    Trace_forme(X, Y);
}

void PanneauNuage::Trace_forme(double x, double y) {
    Surface& pic = HistPicHist->surface();
    const double x0 = PointDepartX, y0 = PointDepartY;
    // The outline inverts what lies under it, so it shows on the crosses and the axes.
    pic.DrawMode = Surface::Inverse;
    if (Option1(1).isChecked()) {
        pic.Line(2 * x0 - x, 2 * y0 - y, x, y, -1, Surface::Boite);
    } else if (Option1(2).isChecked()) {
        pic.Circle(x0, y0, std::sqrt((x - x0) * (x - x0) + 0.5 * (y - y0) * (y - y0)));
        pic.Circle(x0, y0, 5);
    } else if (Option1(3).isChecked()) {
        // The ellipse fills the box that the rectangle would draw.
        const double ax = std::abs(x - x0) * std::abs(pic.pixelsParUniteX());
        const double by = std::abs(y - y0) * std::abs(pic.pixelsParUniteY());
        if (ax > 0 && by > 0) {
            const double aspect = by / ax;
            const double rayon = (aspect <= 1 ? ax : by) / std::abs(pic.pixelsParUniteX());
            pic.Circle(x0, y0, rayon, -1, {}, {}, aspect);
        }
    }
    pic.DrawMode = Surface::Copie;
}

Nuage::Selection PanneauNuage::Selection_courante(double X, double Y) const {
    const Surface& pic = HistPicHist->surface();
    Nuage::Selection s;
    for (int i = 1; i <= 3; ++i)
        if (Option1(i).isChecked()) s.forme = Nuage::Forme(i);
    s.x0 = PointDepartX;
    s.y0 = PointDepartY;
    s.x = X;
    s.y = Y;
    // Distances are compared in screen pixels, where the outline was drawn.
    s.kx = std::abs(pic.pixelsParUniteX());
    s.ky = std::abs(pic.pixelsParUniteY());
    return s;
}

void PanneauNuage::Extraire(double X, double Y) {
    FenHisto& f = fen();
    f.StatusBar2->setText(QStringLiteral("Sauvegarde extrait : menu Outil  ou  reselection  : extraire"));
    ExtraitListe.clear();
    int compte = 0;
    try {
        Surface& pic = HistPicHist->surface();
        const auto points = SeriesGrille::Points(int(ColonnesAxes[0]), int(ColonnesAxes[1]));
        for (const auto& p : Nuage::Points_choisis(points, echelle_, Selection_courante(X, Y))) {
            Trace_Croix(Vb::CInt(echelle_.X(p.x)), Vb::CInt(echelle_.Y(p.y)), 20);
            if (CheckLgn->isChecked()) pic.Print(QString::number(p.ligne));
            ++compte;
            ExtraitListe += QString::number(p.ligne) + QLatin1Char(';');
        }
        f.MOption1(3).setEnabled(false);
        if (compte == 0) {
            Bip::sonner();
            Command_extraire(0).setEnabled(true);
        } else {
            f.MOption1(3).setEnabled(true);
        }
    } catch (const std::exception&) {
        // The menu entry and the result line still show the extract built so far.
    }
    f.Mnstat6(1).setEnabled(false);
    if (!ExtraitListe.isEmpty()) f.Mnstat6(1).setEnabled(true);
    Label3->setText(QString::number(compte) + QStringLiteral(" pts : ") + ExtraitListe);
}
