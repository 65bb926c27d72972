// Density surfaces marked through the window's handlers (by a drag and by two clicks),
// the shapes refused, the ellipse as drawn against the area recorded, then the count;
// and the counting functions 10 and 11 with the numbered point. 0.5 micron per view unit.
//
// Reference numbers (python3, by hand):
//   rectangle 600 x 300 units: 180000 x 0.25 = 45000 um2; 9 counted: 9 / 45000 = 0.0002,
//     its root 0.0141
//   ellipse dx 10, dy 5: int(125 x 0.5 x 3.1416) = 196 units2, x 0.25 = 49
//   ellipse dx 600, dy 300: int(450000 x 0.5 x 3.1416) = 706860, x 0.25 = 176715; radius
//     sqrt(450000) = 670.8 units: 44.7 pixels across, 22.4 down
//   ellipse dx 300, dy 600: int(450000 x 2 x 3.1416) = 2827440, x 0.25 = 706860; 44.7
//     pixels across, 89.4 down
//   image units: round(v x 26458 / 9000): 1500 -> 4410, 2100 -> 6174, 1800 -> 5292
#include <gtest/gtest.h>

#include "base/etat_partage.h"
#include "platform/prompts.h"
#include "tests/measure/aide_surfaces.h"

namespace {

using namespace AideMesure;

class Densite : public SurfaceTest {
protected:
    void Compte(int n) {
        for (int i = 0; i < n; ++i) Clic(1600 + 40 * i, 1600);
    }
};

TEST_F(Densite, RectangleParGlissementPuisComptage) {
    Densite_menu(2);
    Glisse(1500, 1500, 2100, 1800);
    EXPECT_EQ(tav.label(9).Caption, QStringLiteral("45000"));
    EXPECT_EQ(cell(1, 1), "45000,00");
    EXPECT_EQ(EtapeMesure, 2);
    EXPECT_EQ(entree(1, 1), (SegmentTrame{4410, 4410, 6174, 5292}));
    EXPECT_FALSE(TraceOrigine || TraceEnCours || MesureBloquee);
    Compte(9);
    EXPECT_EQ(tav.TBox(6).Text, QStringLiteral("9"));
    Clic(1700, 1700, 2);
    EXPECT_EQ(cell(1, 2), "9");
    EXPECT_EQ(cell(1, 3), "0,00");
    EXPECT_EQ(cell(1, 4), "0,01");
    EXPECT_EQ(entree(1, 2).x1, 9);   // the count kept for the file
    EXPECT_EQ(NbLignesGrille, 2);
    EXPECT_EQ(EtapeMesure, 1);
    // The rectangle's outline stays on the view.
    EXPECT_TRUE(Autour(Vue(), 140, 110, Trace1));
    EXPECT_TRUE(Autour(Vue(), 120, 120, Trace1));
}

// "<=", "Eff.  ligne" and "Raz gril." take the surface under way with its 3 counts: the next
// surface would otherwise count them too (30000,00 / 5 where its own count is 2).
TEST_F(Densite, LesComptesPartentAvecLaSurface) {
    tav.MnDens_Click(2);
    Prompts::Script script;
    script.message(QStringLiteral("effacer"), Prompts::Yes);
    for (const short bouton : {2, 15, 16}) {
        SCOPED_TRACE(bouton);
        Glisse(1500, 1500, 2100, 1900);
        Compte(3);
        GrilleRef.setRow(1);
        tav.Bout_Click(bouton);
        EXPECT_EQ(tav.TBox(6).Text, QStringLiteral("0"));
    }
}

TEST_F(Densite, DeuxClicsValentUnGlissement) {
    for (short f : {1, 2}) {
        SCOPED_TRACE(f);
        Densite_menu(f);
        Clic(1500, 1500);
        EXPECT_EQ(NbLignesGrille, 1);
        EXPECT_TRUE(TraceSecondPoint);
        Bouge(2100, 1800);
        Clic(2100, 1800);
        EXPECT_EQ(cell(1, 1), f == 2 ? "45000,00" : "176715,00");
        EXPECT_EQ(EtapeMesure, 2);
    }
}

TEST_F(Densite, FormesSansSurfaceRefusees) {
    for (short f : {1, 2}) {
        SCOPED_TRACE(f);
        Densite_menu(f);
        {
            // Horizontal, then straight down: a release far below the origin is no click.
            Prompts::Script script;
            script.message(QStringLiteral(" surface nulle ! Retracer le cadre"))
                .message(QStringLiteral(" surface nulle ! Retracer le cadre"));
            Glisse(1500, 1500, 2100, 1500);
            Relache(1500, 2100);
            EXPECT_EQ(script.remaining(), 0);
        }
        EXPECT_EQ(EtapeMesure, 1);
        EXPECT_EQ(NbLignesGrille, 1);
        EXPECT_EQ(cell(1, 1), "");
        // The item goes on from the same origin.
        Relache(2100, 1800);
        EXPECT_EQ(cell(1, 1), f == 2 ? "45000,00" : "176715,00");
    }
}

TEST_F(Densite, PetiteEllipse) {
    tav.Pclic_Click(1);   // a click within 10 units
    Densite_menu(1);
    Glisse(3000, 3000, 3010, 3005);
    EXPECT_EQ(tav.label(9).Caption, QStringLiteral("49"));
    EXPECT_EQ(cell(1, 1), "49,00");
}

TEST_F(Densite, LEllipseDessineeEntoureLaSurfaceComptee) {
    Densite_menu(1);
    // Aspect 0.5: 44.7 pixels across, 22.4 down from the centre (200, 200).
    Glisse(3000, 3000, 3600, 3300);
    EXPECT_EQ(cell(1, 1), "176715,00");
    EXPECT_TRUE(Autour(Vue(), 245, 200, Trace1));
    EXPECT_TRUE(Autour(Vue(), 200, 222, Trace1));
    EXPECT_EQ(Px(Vue(), 200, 230), Gris);
    Clic(3000, 3000, 2);
    // Aspect 2: the same 44.7 across and twice the radius down, 89.4.
    Glisse(3000, 1500, 3300, 2100);
    EXPECT_EQ(cell(2, 1), "706860,00");
    EXPECT_TRUE(Autour(Vue(), 245, 100, Trace1));
    EXPECT_TRUE(Autour(Vue(), 200, 189, Trace1));
    EXPECT_TRUE(Sortie(Vue(), QStringLiteral("densite_ellipses")));
}

TEST_F(Densite, ComptagesSimpleEtBosses) {
    tav.Mncp_Click(1);
    ASSERT_EQ(NumFonction, 10);
    for (int i = 0; i < 3; ++i) Clic(1500 + 300 * i, 1500);
    Clic(1500, 1500, 2);
    EXPECT_EQ(cell(1, 1), "3");
    // The first counted point numbered and kept, with the count beside it, marked kept.
    EXPECT_EQ(entree(1, 1), (SegmentTrame{4410, 4410, 3, 1}));
    EXPECT_EQ(NbLignesGrille, 2);

    {
        Prompts::Script script;
        script.message(QString(), Prompts::Yes);
        tav.Mncp_Click(2);
    }
    ASSERT_EQ(NumFonction, 11);
    for (int i = 0; i < 3; ++i) Clic(1500 + 300 * i, 1500);
    Clic(1500, 1500, 2);
    for (int i = 0; i < 4; ++i) Clic(1500 + 300 * i, 2100);
    Clic(1500, 1500, 2);
    EXPECT_EQ(cell(1, 1), "3");
    EXPECT_EQ(cell(1, 2), "4");
    EXPECT_EQ(cell(1, 3), "11");
    EXPECT_EQ(entree(1, 1), (SegmentTrame{4410, 4410, 3, 4}));
}

} // namespace
