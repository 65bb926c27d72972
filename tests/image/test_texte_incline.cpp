// Labels turned along segments on the view, and the view's snapshot.
#include <QRect>
#include <gtest/gtest.h>

#include "image/texte_incline.h"
#include "tests/image/aide_vue.h"

namespace {

using namespace AideVue;

class Etiquettes : public VueTest {
protected:
    void SetUp() override {
        VueTest::SetUp();
        Vide();
    }
    // An empty white view.
    void Vide() {
        Surface& s = tav.Picture1.surface();
        s.BackColor = 0xFFFFFF;
        s.Cls();
        s.ForeColor = 0x000000;
    }
    // The box around the ink of the view.
    // The ink of `b` laid over `a`.
    static void Superpose(QImage& a, const QImage& b) {
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x)
                if (Px(b, x, y) != Blanc) a.setPixel(x, y, b.pixel(x, y));
    }
    QRect Encre() const {
        QRect r;
        const QImage& v = Vue();
        for (int y = 0; y < v.height(); ++y)
            for (int x = 0; x < v.width(); ++x)
                if (Px(v, x, y) != Blanc) r |= QRect(x, y, 1, 1);
        return r;
    }
};

TEST_F(Etiquettes, HorizontaleVerticaleEtDroiteAGauche) {
    // Horizontal: 10-point bold Arial is 13 pixels high, from the segment's start.
    tav.SegmentTextIncline(QStringLiteral("12,34"), 1500, 1500, 1, 6000, 1500);
    QRect r = Encre();
    EXPECT_NEAR(r.left(), 100, 2);
    EXPECT_GE(r.top(), 100);
    EXPECT_LE(r.bottom(), 100 + 13);
    EXPECT_GE(r.height(), 8);
    EXPECT_GT(r.width(), 2 * r.height());
    // The box's own font is selected again once the label is printed.
    EXPECT_FALSE(tav.Picture1.contenu().PoliceSelectionnee().has_value());
    QImage toutes = Vue();

    // Vertical, drawn upward: angle 90 turned to -90, the label runs down from its start.
    Vide();
    tav.SegmentTextIncline(QStringLiteral("12,34"), 3000, 4500, 1, 3000, 1500);
    r = Encre();
    EXPECT_GE(r.top(), 299);
    EXPECT_LE(r.top(), 302);
    EXPECT_LE(r.right(), 200);
    EXPECT_GE(r.left(), 200 - 14);
    EXPECT_GT(r.height(), 2 * r.width());
    Superpose(toutes, Vue());

    // Drawn from right to left: the label starts at the left end and reads rightward.
    Vide();
    tav.SegmentTextIncline(QStringLiteral("12,34"), 7500, 3000, 1, 4500, 3000);
    r = Encre();
    EXPECT_NEAR(r.left(), 300, 2);
    EXPECT_GE(r.top(), 200);
    EXPECT_LE(r.bottom(), 200 + 13);
    EXPECT_GT(r.width(), 2 * r.height());
    Superpose(toutes, Vue());

    // Rising at 45 degrees: the label climbs to the right from the lower left end.
    Vide();
    tav.SegmentTextIncline(QStringLiteral("12,34"), 4500, 6000, 1, 7500, 3000);
    r = Encre();
    EXPECT_NEAR(r.left(), 300, 3);
    EXPECT_LE(r.bottom(), 400 + 10);
    EXPECT_LT(r.top(), 400 - 20);
    EXPECT_NEAR(r.width(), r.height(), 8);
    Superpose(toutes, Vue());
    Sortie(toutes, QStringLiteral("etiquettes"));
}

TEST_F(Etiquettes, BarreDEchelleOrienteeParSesPoints) {
    // The scale bar's label takes its angle from the bar's press and release (none yet:
    // a vertical bar, the label runs down) and starts at the end `sens` names.
    tav.TextIncline(QStringLiteral("10 µm"), 1500, 1500, 1, 4500, 3000);
    QRect r = Encre();
    EXPECT_NEAR(r.top(), 100, 2);
    EXPECT_LE(r.right(), 100);
    EXPECT_GT(r.height(), 2 * r.width());
    Vide();
    tav.TextIncline(QStringLiteral("10 µm"), 1500, 1500, -1, 4500, 3000);
    r = Encre();
    EXPECT_NEAR(r.top(), 200, 2);
    EXPECT_LE(r.right(), 300);
    EXPECT_GE(r.left(), 300 - 16);  // the descent of "µ" included
}

TEST_F(Etiquettes, UnePoliceHorsDesSeizeBitsEstUneErreur) {
    PoliceTexte p;
    p.Nom = QStringLiteral("Arial");
    p.Taille = 2000;  // -20 x 2000 leaves the 16-bit range
    EXPECT_THROW(BGr::Texte_incline_GDI(tav.Picture1, QStringLiteral("x"), p, 0, 0), Vb::Erreur);
    p.Taille = 10;
    p.Angle = 4000;
    EXPECT_THROW(BGr::Texte_incline_GDI(tav.Picture1, QStringLiteral("x"), p, 0, 0), Vb::Erreur);
    EXPECT_FALSE(tav.Picture1.contenu().PoliceSelectionnee().has_value());
    EXPECT_EQ(Encre(), QRect());
}

TEST_F(Etiquettes, InstantaneEtRappelIdentiques) {
    Vide();
    tav.SegmentTextIncline(QStringLiteral("5,00"), 1500, 1500, 1, 6000, 3000);
    tav.Sauve_Ecran3();
    const QImage instantane = Vue();
    tav.Picture1.surface().Line(0, 0, 9000, 6750, 0x0000FF);
    ASSERT_NE(Vue(), instantane);
    tav.Rappel_Ecran3();
    EXPECT_EQ(Vue(), instantane);
    EXPECT_EQ(tav.Image3.Image(), instantane);
}

} // namespace
