#pragma once
// Shared set-up of the annotations' tests: the measuring tests' start (0.5 micron a
// pixel, a 1000 x 750 grey picture at level 0), the illustration menu, the entry box and
// the OK and Annule buttons as the user uses them, and where marks land on a picture.
#include <cmath>

#include "base/gen.h"
#include "base/rappels.h"
#include "image/etat_image.h"
#include "platform/waits.h"
#include "tests/measure/aide_mesure.h"

namespace AideAnnotations {

using namespace AideMesure;

class AnnotationTest : public MesureTest {
protected:
    // Types in the entry box and presses OK (31) or Annule (32).
    void Tape(const QString& texte) { tav.TBox(5).Text = texte; }
    void OK() { tav.Bout_Click(31); }
    void Annule() { tav.Bout_Click(32); }
    // A horizontal scale bar of `longueur` at view point (x, y), with the unit proposed.
    void Barre(double x, double y, const QString& longueur) {
        tav.Illus_Click(1);
        Clic(x, y);
        Tape(longueur);
        OK();
        OK();
    }
    // The reference option of the reference submenu, on.
    void Reference_sur_image() {
        tav.CalSrc_Click(1);
        ASSERT_TRUE(ReferenceSurImage);
    }
    // The dialogue is over: no mode left set, the entry frame closed.
    void Dialogue_clos() {
        EXPECT_EQ(EtatSaisie, 0);
        EXPECT_FALSE(IllusReference);
        EXPECT_FALSE(IllusReferenceOrientee);
        EXPECT_FALSE(IllusReferenceValeur);
        EXPECT_FALSE(IllusTexte);
        EXPECT_FALSE(tav.Frame(8).Visible);
    }
    // Columns of row y of `i` whose colour differs from `fond`.
    static QList<int> Colonnes_marquees(const QImage& i, int y, unsigned fond) {
        QList<int> c;
        for (int x = 0; x < i.width(); ++x)
            if (Px(i, x, y) != fond) c << x;
        return c;
    }
    // Pixels where two pictures of one size differ.
    static QList<QPoint> Differences(const QImage& a, const QImage& b) {
        QList<QPoint> d;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (Px(a, x, y) != Px(b, x, y)) d << QPoint(x, y);
        return d;
    }
    // The length a view pixel is worth, in microns, as the measures reckon it at the
    // current level and calibration.
    static double Microns_par_pixel() { return Rappels::Distance_points(0, 0, 15, 0) * CalibrageActuel; }
    Waits::FakeClock horloge;
};

} // namespace AideAnnotations
