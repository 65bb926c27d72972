// The measuring window's function, options, tools and reference menus: their check marks,
// the question before a change of function (and No changing nothing), the decimals, the
// slow-machine switch, the grid refresh through a file and the settings file they feed.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <functional>

#include "app/parametres.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/grilles.h"
#include "colour/etat_couleur.h"
#include "image/etat_image.h"
#include "platform/prompts.h"
#include "platform/surface.h"
#include "platform/textfile.h"
#include "tests/app/aide_commandes.h"

namespace {

std::string s(const QString& q) { return q.toStdString(); }

const QString kQuestion = QStringLiteral("effacer");

// The items of `menu` that carry a check mark.
std::vector<int> Coches(TableauControles& menu) {
    std::vector<int> l;
    for (auto& [i, item] : menu.items())
        if (item.Checked) l.push_back(i);
    return l;
}

TEST_F(FenetreMesure, ChoiceMenusKeepOneCheckMarkAndTheirValue) {
    struct Menu {
        std::function<void(short)> clic;
        TableauControles* menu;
        std::vector<int> items;
    };
    const std::vector<Menu> menus = {
        {[&](short i) { tav.Fdemarrage_Click(i); }, &tav.Fdemarrage, {0, 1, 2, 3, 4, 5, 20}},
        {[&](short i) { tav.Mndecim_Click(i); }, &tav.Mndecim, {0, 1, 2, 3}},
        {[&](short i) { tav.statdef_Click(i); }, &tav.statdef, {1, 2, 3, 4}},
        {[&](short i) { tav.MNSav_Click(i); }, &tav.MNSav, {0, 1, 2}},
        {[&](short i) { tav.NoTexp_Click(i); }, &tav.NoTexp, {1, 2, 3, 4, 5}},
        {[&](short i) { tav.Mn_Copie_Ecran_Click(i); }, &tav.Mn_Copie_Ecran, {1, 2}},
        {[&](short i) { tav.F_Img_Click(i); }, &tav.F_Img, {0, 1}},
    };
    for (const Menu& m : menus)
        for (int i : m.items) {
            m.clic(short(i));
            const std::vector<int> coches = Coches(*m.menu), attendu = {i};
            EXPECT_EQ(coches, attendu);
        }
    // The values the last choices left: "Brastel", "2", "Tests", "20".
    EXPECT_EQ(FonctionDemarrage, 20);
    tav.Fdemarrage_Click(3);
    EXPECT_EQ(FonctionDemarrage, 4);
    EXPECT_EQ(s(FormatDecimal), "###0.00");
    EXPECT_EQ(StatDef, 4);
    EXPECT_EQ(SauveAuto, 20);
    tav.MNSav_Click(1);
    EXPECT_EQ(SauveAuto, 10);
    tav.MNSav_Click(0);
    EXPECT_EQ(SauveAuto, 0);
}

TEST_F(FenetreMesure, FixedDecimalsStopTheAutomaticChoice) {
    tav.Mndecim_Click(0);
    EXPECT_EQ(DecimalesAuto, -1);
    tav.Mndecim_Click(2);
    EXPECT_EQ(DecimalesAuto, 0);
    EXPECT_FALSE(tav.Mndecim(0).Checked);
    EXPECT_EQ(s(FormatDecimal), "###0.0");
    Segments({10});
    EXPECT_EQ(s(GrilleRef.TextMatrix(1, 1)), "10,0");
    tav.Mndecim_Click(1);
    EXPECT_EQ(s(FormatDecimal), "###0");
}

TEST_F(FenetreMesure, DensityAnsweredNoLeavesTheLengthFunctionWhole) {
    Segments({10, 20});
    for (short item : {short(1), short(2)}) {
        Prompts::Script script;
        script.message(kQuestion, Prompts::No);
        tav.MnDens_Click(item);
        EXPECT_EQ(script.remaining(), 0);
        EXPECT_EQ(NumFonction, 1);
        EXPECT_EQ(ModeDensite, 0);
        EXPECT_TRUE(tav.Optn(5).Enabled);
        EXPECT_TRUE(tav.Optn(6).Enabled);
        EXPECT_TRUE(tav.bout(10).Enabled);
        EXPECT_EQ(NbLignesGrille, 3);
        EXPECT_EQ(s(GrilleRef.TextMatrix(2, 1)), "20,00");
    }
    Prompts::Script script;
    script.message(kQuestion, Prompts::Yes);
    tav.MnDens_Click(2);
    EXPECT_EQ(NumFonction, 14);
    EXPECT_EQ(ModeDensite, -1);
    EXPECT_FALSE(tav.Optn(5).Enabled);
    EXPECT_FALSE(tav.Optn(6).Enabled);
    EXPECT_FALSE(tav.bout(10).Enabled);
    EXPECT_FALSE(tav.MnuFIC(9).Enabled);
    EXPECT_EQ(s(tav.TBox(6).Text), "0");
    EXPECT_EQ(NbLignesGrille, 1);
    EXPECT_EQ(s(tav.StatusBar.Text), " 1° marquer la surface . 2° clic Gauche = compter ; Clic droit = valider***");
}

TEST_F(FenetreMesure, TheQuestionComesOnlyWhereTheMenuAsksIt) {
    {
        Prompts::Script script;  // an empty grid: density and surfaces ask nothing
        tav.MnDens_Click(1);
        EXPECT_EQ(NumFonction, 13);
        tav.Mnusurf_Click(1);
        EXPECT_EQ(NumFonction, 15);
        EXPECT_EQ(ModeTriangle, -1);
        EXPECT_TRUE(tav.bout(42).Visible);
        tav.Mnusurf_Click(2);
        EXPECT_EQ(NumFonction, 16);
        EXPECT_EQ(ModePolygone, -1);
        EXPECT_EQ(PolygoneCercles, -1);
        tav.Mnusurf_Click(3);
        EXPECT_EQ(PolygoneCercles, 0);
        EXPECT_EQ(ModeTriangle, 0);
    }
    {
        // The cystidia menu asks on any grid, the empty one included.
        Prompts::Script script;
        script.message(kQuestion, Prompts::No);
        tav.Cyst_Click(1);
        EXPECT_EQ(script.remaining(), 0);
        EXPECT_EQ(NumFonction, 16);
    }
    Segments({10, 20});
    Prompts::Script script;
    script.message(kQuestion, Prompts::No);
    tav.Mnusurf_Click(3);
    EXPECT_EQ(NumFonction, 1);
    EXPECT_EQ(NbLignesGrille, 3);
}

TEST_F(FenetreMesure, ColourZoneFollowsItsMenuAndScrollBar) {
    tav.Lrg_Click(3);
    EXPECT_EQ(TailleZone, 8);
    EXPECT_EQ(tav.VScroll3.Value, 3);
    EXPECT_EQ(Coches(tav.Lrg), std::vector<int>{3});
    tav.VScroll3.Value = 5;  // the user moves the scroll bar
    tav.VScroll3_Change();
    EXPECT_EQ(TailleZone, 32);
    EXPECT_EQ(s(tav.Label8(1).Caption), "128x128");
    EXPECT_EQ(Coches(tav.Lrg), std::vector<int>{5});
}

TEST_F(FenetreMesure, SlowMachineOffAndOnAgain) {
    ASSERT_TRUE(tav.MnuOpt(18).Checked);
    tav.Check(2).Value = 1;
    tav.Check_Click(2);
    tav.Optn(6).Value = 0;
    tav.Optn(5).Value = -1;
    tav.Optn_Click(5);
    ASSERT_EQ(ModePalmer, 2);
    tav.MnuOpt_Click(18);
    EXPECT_EQ(ModeDeuxAxes, 0);
    EXPECT_FALSE(tav.Optn(5).Enabled);
    EXPECT_EQ(tav.Optn(6).Value, -1);
    EXPECT_EQ(ModePalmer, 1);
    EXPECT_EQ(tav.Check(2).Value, 0);
    EXPECT_EQ(AutoRetrace, 0);
    EXPECT_EQ(tav.Check(3).Value, 0);
    tav.MnuOpt_Click(18);
    EXPECT_EQ(ModeDeuxAxes, -1);
    EXPECT_TRUE(tav.Optn(5).Enabled);
    EXPECT_EQ(AutoRetrace, 0);
}

TEST_F(FenetreMesure, CalibrationToAnEmptyGroupOnlySaysSo) {
    const double avant = CalibrageImage[1];
    Prompts::Script script;
    script.message(QStringLiteral("Le chargeur MC est vide"));
    tav.Mntool_Click(6);
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(CalibrageImage[1], avant);
}

TEST_F(FenetreMesure, QuenlorOpensTheDefaultStatisticsView) {
    Segments({10, 20, 30, 40});
    short vue = 0;
    FenHisto::setModalHook([&](FenHisto& f) { vue = f.VueCourante(); });
    // "Diagramme" lays out the diagram's frames, "Tests" the tests' frames.
    tav.statdef_Click(3);
    tav.Mntool_Click(5);
    EXPECT_EQ(vue, 2);
    tav.statdef_Click(4);
    tav.Mntool_Click(5);
    EXPECT_EQ(vue, 3);
}

TEST_F(FenetreMesure, OptionsChosenInTheMenusGoToTheSettingsFile) {
    tav.Mndecim_Click(1);
    tav.statdef_Click(1);
    tav.MNSav_Click(2);
    tav.MnuFIC_Click(8);  // "sauver les paramètres"
    QStringList lignes;
    ASSERT_TRUE(TextFile::readLines(Gen::Fichier_parametres(), lignes));
    EXPECT_TRUE(lignes.contains(QStringLiteral("FDECIMAL= ###0")));
    EXPECT_TRUE(lignes.contains(QStringLiteral("DECIMAUTO= FAUX")));
    EXPECT_TRUE(lignes.contains(QStringLiteral("STATDEF= 1")));
    EXPECT_TRUE(lignes.contains(QStringLiteral("SAVAUTO= 20")));
}

} // namespace

namespace {

// "Choix police": the dialog opens at 1 % of the picture's height; the font chosen goes to
// the view, its name to the full-size copy; a cancel changes nothing.
TEST_F(FenetreMesure, FontChoiceGoesToTheViewAndItsNameToTheCopy) {
    QImage image(2000, 1500, QImage::Format_RGB32);
    image.fill(Qt::gray);
    ASSERT_TRUE(image.save(chemin(QStringLiteral("photo.png"))));
    {
        Prompts::Script script;
        script.open(chemin(QStringLiteral("photo.png")), QStringLiteral("Ouvrir Image"));
        tav.MnuFIC_Click(1);
    }
    Surface& vue = tav.Picture1.surface();
    {
        Prompts::Script script;
        script.font(Prompts::Police{QStringLiteral("Liberation Serif"), 24, true});
        tav.Illus_Click(5);
        ASSERT_EQ(script.seen().size(), 1u);
        EXPECT_DOUBLE_EQ(script.seen()[0].size, 15.0);
    }
    EXPECT_EQ(vue.FontName.toStdString(), "Liberation Serif");
    EXPECT_DOUBLE_EQ(vue.FontSize, 24);
    EXPECT_TRUE(vue.FontBold);
    EXPECT_EQ(tav.Picture2.surface().FontName.toStdString(), "Liberation Serif");
    {
        Prompts::Script script;
        script.font(std::nullopt);
        tav.Illus_Click(5);
    }
    EXPECT_EQ(vue.FontName.toStdString(), "Liberation Serif");
    EXPECT_DOUBLE_EQ(vue.FontSize, 24);
}

} // namespace
