// The routing of the view's mouse and keys, as a table of what the user does and what
// follows, each from a fresh start; then real mouse and key events on the surface widget
// that shows the view.
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <functional>
#include <gtest/gtest.h>

#include "base/etat_demarrage.h"
#include "base/etat_programme.h"
#include "image/etat_image.h"
#include "measure/clavier_vue.h"
#include "platform/souris.h"
#include "platform/surface_vue.h"
#include "tests/measure/aide_mesure.h"

namespace {

using namespace AideMesure;

class Routage;
struct Cas {
    const char* nom;
    std::function<void(Routage&)> deroule;
};

class Routage : public MesureTest, public ::testing::WithParamInterface<Cas> {
public:
    using MesureTest::Appui;
    using MesureTest::Bouge;
    using MesureTest::cell;
    using MesureTest::Fonction;
    using MesureTest::Glisse;
    using MesureTest::Relache;
    using MesureTest::Touche;
    using MesureTest::Vue;
    using MesureTest::tav;
    void TestBody() override {}
};

// The colour function, which says that no standard file is loaded.
void Couleur(Routage& r) {
    Prompts::Script script;
    script.message(QStringLiteral("étalon"));
    r.tav.MnuFonc_Click(20);
}

const Cas kCas[] = {
    {"ComptageCompteEtPasseAuRepartiteur", [](Routage& r) {
         r.tav.Mncp_Click(1);
         r.Appui(3000, 2400);
         EXPECT_EQ(r.tav.TBox(6).Text, QStringLiteral("1"));
         EXPECT_EQ(Px(r.Vue(), 206, 160), Trace0);   // the count mark
         EXPECT_FALSE(ClicArme);
         r.Relache(3000, 2400);
         EXPECT_TRUE(ClicArme);
     }},
    {"CharteSansMainMesureLaZone", [](Routage& r) {
         Couleur(r);
         // The sample's square, 7 pixels of the picture, 63 units, in the drawing colour
         // the redraw of the function's change left.
         r.Bouge(1500, 1500);
         EXPECT_EQ(Px(r.Vue(), 104, 100), Trace0);
         r.Appui(1500, 1500);
         EXPECT_EQ(NbLignesGrille, 2);
         r.Relache(1500, 1500);
         EXPECT_EQ(NbLignesGrille, 2);
     }},
    {"CharteEnModeMainDeplaceLaVue", [](Routage& r) {
         Couleur(r);
         r.Touche(17);
         r.Appui(3000, 3000);
         r.Relache(2000, 3000);
         EXPECT_EQ(NbLignesGrille, 1);
         EXPECT_GT(OrigineX, 0);
     }},
    {"ToucheDeVueRefuseeEnCoursDeMesure", [](Routage& r) {
         r.Fonction(2);
         for (short code : {67, 34, 90}) {
             r.Appui(1500, 1500);
             r.tav.Picture1_KeyDown(code, 0);
             EXPECT_FALSE(ToucheModeVue || ToucheDeplacement || ToucheZoom);
             r.tav.Picture1_KeyUp(code, 0);
             EXPECT_TRUE(TraceOrigine && TraceEnCours);   // the item is kept
             r.Bouge(2100, 1500);
             r.Relache(2100, 1500);
         }
         EXPECT_EQ(r.cell(1, 1), "300,00");
         EXPECT_EQ(r.cell(2, 1), "300,00");
     }},
    {"ToucheCCentreLaVue", [](Routage& r) {
         r.tav.Picture1_KeyDown(67, 0);
         EXPECT_TRUE(ToucheDeplacement && ToucheModeVue);
         r.Appui(6000, 4500);
         r.Relache(6000, 4500);
         EXPECT_GT(OrigineX, 0);
         EXPECT_EQ(r.cell(1, 1), "");
         r.tav.Picture1_KeyUp(67, 0);
         EXPECT_FALSE(ToucheDeplacement || ToucheModeVue);
     }},
    {"ToucheZZoomeAuClic", [](Routage& r) {
         r.tav.Picture1_KeyDown(90, 0);
         r.Appui(4500, 3375);
         r.Relache(4500, 3375);
         EXPECT_EQ(NiveauZoom, -1);
         r.tav.Picture1_KeyUp(90, 0);
         EXPECT_FALSE(ToucheZoom || ToucheModeVue);
     }},
    {"CtrlDeuxFois", [](Routage& r) {
         r.Touche(17);
         EXPECT_TRUE(ModeDeplace);
         EXPECT_EQ(r.tav.bout(5).BackColor, 0xC0FFC0);
         EXPECT_EQ(r.tav.Picture1.MousePointer, 5);
         r.Touche(17);
         EXPECT_FALSE(ModeDeplace);
         EXPECT_EQ(r.tav.bout(5).BackColor, 0x8000000F);
         EXPECT_EQ(r.tav.Picture1.MousePointer, 0);
     }},
    {"ToucheMaintenue", [](Routage& r) {
         for (int i = 0; i < 3; ++i) r.tav.Picture1_KeyDown(17, 2);
         r.tav.Picture1_KeyUp(17, 0);
         EXPECT_TRUE(ModeDeplace);
     }},
    {"VEtWPuisUnClicSurLaFenetre", [](Routage& r) {
         r.tav.Picture1_KeyDown(86, 0);
         r.tav.Picture1_KeyDown(87, 0);
         r.tav.Form_MouseDown(1, 0, 700, 9000);
         EXPECT_EQ(r.tav.VignP.Left, 700);
         EXPECT_EQ(r.tav.VignP.Top, 9000);
         EXPECT_EQ(r.tav.PLoupePic.Left, 700);
         EXPECT_EQ(r.tav.PLoupePic.Top, 9000);
         EXPECT_FALSE(ToucheV || ToucheW);
         EXPECT_EQ(ClicX, 700);
     }},
    {"EchapAbandonneEtAvaleLeRelachement", [](Routage& r) {
         r.Fonction(2);
         r.Appui(1500, 1500);
         r.Bouge(2100, 1500);
         r.tav.Picture1_KeyDown(27, 0);
         EXPECT_EQ(r.Vue(), r.tav.ImageMem.Image());
         EXPECT_FALSE(MesureBloquee);
         r.Relache(2100, 1500);
         EXPECT_EQ(r.cell(1, 1), "");
         r.Glisse(1500, 1500, 2100, 1500);
         EXPECT_EQ(r.cell(1, 1), "300,00");
     }},
    {"RetourArriereEffaceLaDerniereValeur", [](Routage& r) {
         r.Fonction(2);
         r.Glisse(1500, 1500, 2100, 1500);
         r.tav.Picture1_KeyDown(8, 0);
         EXPECT_EQ(r.cell(1, 1), "");
         EXPECT_EQ(EtapeMesure, 1);
     }},
    {"RetourArriereRemesureLaLargeurDUneSpore3D", [](Routage& r) {
         r.Fonction(3);
         r.Glisse(1500, 1500, 2100, 1500);
         r.Glisse(1500, 2000, 1500, 2200);
         r.tav.Picture1_KeyDown(8, 0);
         r.Glisse(1500, 2000, 1500, 2100);
         // 100 units at 0.5 µm a unit: the width again, no thickness.
         EXPECT_EQ(r.cell(1, 2), "50,00");
         EXPECT_EQ(r.cell(1, 3), "");
     }},
    {"ChevronsLoupeEspaceEtG", [](Routage& r) {
         r.Touche(226);
         EXPECT_EQ(ZoneLoupe, 500);
         EXPECT_EQ(DemiZoneLoupe, 250);
         r.Touche(226);
         EXPECT_EQ(ZoneLoupe, 1000);
         const bool grille = r.tav.Frame(6).Visible;
         r.Touche(32);
         EXPECT_NE(r.tav.Frame(6).Visible, grille);
         r.Touche(71);
         EXPECT_EQ(PositionPanneau, 2);
         r.tav.Picture1_KeyDown(69, 0);
         EXPECT_TRUE(ToucheE);
         r.tav.Picture1_KeyUp(69, 0);
         EXPECT_FALSE(ToucheE);
     }},
};

TEST_P(Routage, Cas) { GetParam().deroule(*this); }

INSTANTIATE_TEST_SUITE_P(Table, Routage, ::testing::ValuesIn(kCas),
                         [](const ::testing::TestParamInfo<Cas>& i) { return std::string(i.param.nom); });

// Backspace with a point or vertex pending abandons it alone, as Esc does, in every
// function: the row recorded before it stays whole. A row is made of left drags (the
// vertices of a triangle, a chain or a polygon, a density's counts after its surface),
// then of a right click where one ends the item; one click leaves the next item pending.
class EnAttente : public MesureTest, public ::testing::WithParamInterface<int> {};

TEST_P(EnAttente, RetourArriereNAbandonneQueLePointEnAttente) {
    const std::function<void()> choix[] = {
        [&] { Fonction(1); },
        [&] { Fonction(2); },
        [&] { Fonction(3); },
        [&] { Fonction(4); },
        [&] { tav.Mnusurf_Click(1); },
        [&] { tav.Mnusurf_Click(2); },
        [&] { tav.Mnusurf_Click(3); },
        [&] { tav.MnDens_Click(1); },
        [&] { tav.MnDens_Click(2); },
        [&] {
            Bipoint();
            Fonction(2);
        },
        [&] {
            tav.Check2.Value = 1;
            tav.Check2_Click();
            Fonction(1);
        },
    };
    choix[GetParam()]();
    for (int k = 0; k < 5 && NbLignesGrille == 1; ++k)
        Glisse(1000 + 500 * k, 1000 + 200 * k * k, 1000 + 500 * k + 600 / (k + 1), 1100 + 200 * k * k + 300 * k);
    if (NbLignesGrille == 1) Clic(3000, 3000, 2);
    const QList<QStringList> ligne = Grille_remplie();
    ASSERT_EQ(ligne.size(), 2);
    Clic(6000, 6000);
    ASSERT_TRUE(MesureBloquee);
    Touche(8);
    EXPECT_FALSE(MesureBloquee);
    EXPECT_EQ(Grille_remplie(), ligne);
}

INSTANTIATE_TEST_SUITE_P(Fonctions, EnAttente, ::testing::Range(0, 11));

// The pointer speed: slow while Shift is held, the speed of the start-up after it, the
// normal speed after any key without a modifier.
class Vitesse : public MesureTest {
protected:
    void SetUp() override {
        avant_ = Souris::vitesse();
        Souris::setVitesse(7);
        MesureTest::SetUp();
    }
    void TearDown() override {
        Souris::setVitesse(avant_);
        MesureTest::TearDown();
    }
    int avant_ = 10;
};

TEST_F(Vitesse, MajusculeRalentitPuisRendLaVitesseDuDemarrage) {
    tav.Picture1_KeyDown(65, 0);
    EXPECT_EQ(Souris::vitesse(), 10);
    tav.Picture1_KeyDown(16, 1);
    EXPECT_EQ(Souris::vitesse(), 2);
    tav.Picture1_KeyUp(16, 0);
    EXPECT_EQ(Souris::vitesse(), 7);
    tav.Picture1_KeyDown(65, 2);   // with Ctrl: the speed stays
    EXPECT_EQ(Souris::vitesse(), 7);
}

// The view on screen: Qt's mouse and key events on the surface widget.
class VueReelle : public MesureTest {
protected:
    void Souris_(QEvent::Type type, QPointF p, Qt::MouseButton b = Qt::LeftButton) {
        QMouseEvent e(type, p, p, type == QEvent::MouseMove ? Qt::NoButton : b,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(b), Qt::NoModifier);
        QApplication::sendEvent(&vue, &e);
    }
    void Clavier_(QEvent::Type type, int cle, Qt::KeyboardModifiers m, bool repetee = false) {
        QKeyEvent e(type, cle, m, QString(), repetee);
        QApplication::sendEvent(&vue, &e);
    }
    VueSurface vue;
};

TEST_F(VueReelle, UneSporeALaSourisEtLeModeMainAuClavier) {
    Clavier::Relie_vue(vue);
    ASSERT_EQ(vue.width(), 600);
    Fonction(2);
    Souris_(QEvent::MouseButtonPress, {100, 100});
    Souris_(QEvent::MouseMove, {110, 100});
    Souris_(QEvent::MouseMove, {120, 100});
    EXPECT_EQ(tav.label(9).Caption, QStringLiteral("150,00"));
    Souris_(QEvent::MouseButtonRelease, {120, 100});
    EXPECT_EQ(cell(1, 1), "150,00");
    Souris_(QEvent::MouseButtonPress, {110, 93});
    Souris_(QEvent::MouseMove, {113, 106});
    Souris_(QEvent::MouseButtonRelease, {113, 106});
    EXPECT_EQ(cell(1, 2), "97,50");   // from 1395 down to the foot at 1590: 195 units

    // Ctrl held: its press repeats, with the releases of the repeats; one release counts.
    Clavier_(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier);
    for (int i = 0; i < 3; ++i) {
        Clavier_(QEvent::KeyRelease, Qt::Key_Control, Qt::ControlModifier, true);
        Clavier_(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier, true);
    }
    Clavier_(QEvent::KeyRelease, Qt::Key_Control, Qt::NoModifier);
    EXPECT_TRUE(ModeDeplace);
    Clavier_(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier);
    Clavier_(QEvent::KeyRelease, Qt::Key_Control, Qt::NoModifier);
    EXPECT_FALSE(ModeDeplace);
}

TEST(CodesDeTouches, LesTouchesDeQtEnCodesDeLaFenetre) {
    for (int cle : {Qt::Key_Less, Qt::Key_Greater, Qt::Key_Bar}) EXPECT_EQ(Clavier::Code_touche(cle), 226);
    EXPECT_EQ(Clavier::Code_touche(Qt::Key_Backspace), 8);
    EXPECT_EQ(Clavier::Code_touche(Qt::Key_Escape), 27);
    EXPECT_EQ(Clavier::Code_touche(Qt::Key_Space), 32);
    EXPECT_EQ(Clavier::Code_touche(Qt::Key_PageDown), 34);
    EXPECT_EQ(Clavier::Code_touche(Qt::Key_C), 67);
    EXPECT_EQ(Clavier::Code_touche(Qt::Key_Z), 90);
    EXPECT_EQ(Clavier::Etat_majuscules(Qt::ShiftModifier | Qt::AltModifier), 5);
    EXPECT_EQ(Clavier::Etat_majuscules(Qt::ControlModifier), 2);
}

} // namespace
