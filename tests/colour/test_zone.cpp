// The colour of a zone: a press in colour mode on a synthetic picture, through the view
// mapping, to the grid row and the record.
#include <gtest/gtest.h>
#include <random>

#include "base/etat_partage.h"
#include "base/grilles.h"
#include "base/tav.h"
#include "colour/etat_couleur.h"
#include "colour/fichiers_couleur.h"
#include "colour/zone.h"
#include "grid/etat_grille.h"
#include "grid/fichier_trm.h"
#include "platform/bip.h"
#include "platform/prompts.h"
#include "tests/colour/aide_couleur.h"

namespace {

class Zone : public CouleurTest {
protected:
    void SetUp() override {
        CouleurTest::SetUp();
        Mode_couleur();
    }
    static QString legende() { return Tav::instance()->Label7.Caption; }
};

TEST_F(Zone, TailleDeZoneMoitieDuCote) {
    Tav& tav = *Tav::instance();
    // Item 3 "32x32" at start-up.
    EXPECT_EQ(TailleZone, 8);
    for (short i = 1; i <= 6; ++i) {
        tav.Lrg_Click(i);
        EXPECT_EQ(TailleZone, 1 << i);
        EXPECT_EQ(IndexZoneCouleur, i);
        EXPECT_TRUE(tav.Lrg(i).Checked);
        EXPECT_EQ(tav.Label8(1).Caption, QStringLiteral("%1x%1").arg(4 << i));
    }
    tav.Lrg_Click(0);
    EXPECT_EQ(TailleZone, 64);
}

// Lab of (200, 100, 50), worked by hand as in test_conversion.cpp: 53.625760, 36.590306, 45.013960.
TEST_F(Zone, ZoneUnieEnregistreSaLigneEtSonPoint) {
    Tav::instance()->Lrg_Click(2);
    const QImage image = Image_unie(100, 80, qRgb(200, 100, 50));
    EXPECT_EQ(Clic(image, 20, 10), 0);
    const char* attendu[] = {"1", "200", "100", "50", "53,63", "36,59", "45,01", "4", "1", ""};
    for (int c = 0; c < 10; ++c) EXPECT_EQ(cell(1, c), QString::fromUtf8(attendu[c])) << c;
    EXPECT_EQ(NbLignesGrille, 2);
    EXPECT_EQ(legende(), QStringLiteral("4     / R = 200 / V = 100 / B = 50"));
    // The clicked point in image units, with the image and the zoom level of the row.
    EXPECT_EQ(Trame(1).Segments[1].x1, qRound(Twips(20)));
    EXPECT_EQ(Trame(1).Segments[1].y1, long(Twips(10)));
    EXPECT_EQ(Trame(1).Image, 1);
    EXPECT_EQ(Trame(1).Zoom, 0);
}

// The view mapping: the press lands at origin + view units x zoom factor x display scale.
TEST_F(Zone, PointVuParLaVue) {
    Tav::instance()->Lrg_Click(1);
    QImage image = Image_unie(200, 200, qRgb(10, 10, 10));
    // The step-100 centre: 176.39 pixels, so columns and rows 174 to 178.
    for (int y = 174; y <= 178; ++y)
        for (int x = 174; x <= 178; ++x) image.setPixel(x, y, qRgb(70, 80, 90));
    OrigineX = int(Twips(100) - 2 * Twips(20));
    OrigineY = int(Twips(100) - 2 * Twips(20));
    FacteurZoom = 2;
    Vistrane::Mesure_Zone(image, Twips(20), long(Twips(20)));
    EXPECT_EQ(cell(1, 1), QStringLiteral("70"));
    EXPECT_EQ(cell(1, 3), QStringLiteral("90"));
}

TEST_F(Zone, NoirPurIgnore) {
    Tav::instance()->Lrg_Click(2);
    QImage image = Image_unie(100, 100, qRgb(90, 60, 30));
    for (int y = 0; y < 100; y += 2) for (int x = 0; x < 100; ++x) image.setPixel(x, y, qRgb(0, 0, 0));
    // Centre step 20: rows and columns 31 to 39, rows 32 to 38 even, so black. A pixel
    // all but black in a black row counts: (45 x 90 + 0) / 46, (45 x 60) / 46, (45 x 30 + 1) / 46.
    image.setPixel(35, 34, qRgb(0, 0, 1));
    Clic(image, 20, 20);
    EXPECT_EQ(cell(1, 1), QStringLiteral("88,04"));
    EXPECT_EQ(cell(1, 2), QStringLiteral("58,69"));
    EXPECT_EQ(cell(1, 3), QStringLiteral("29,37"));
    Vistrane::Mesure_Zone(Image_unie(100, 100, qRgb(90, 60, 30)), Twips(20), long(Twips(20)));
    EXPECT_EQ(cell(2, 1), QStringLiteral("90"));
    EXPECT_EQ(cell(2, 4), QStringLiteral("28,11"));    // by hand: 28.111880, 9.848825, 23.294064
    EXPECT_EQ(cell(2, 5), QStringLiteral("9,85"));
    EXPECT_EQ(cell(2, 6), QStringLiteral("23,29"));
}

TEST_F(Zone, ToutNoirDonneZero) {
    Clic(Image_unie(100, 100, qRgb(0, 0, 0)), 20, 20);
    for (int c = 1; c <= 6; ++c) EXPECT_EQ(cell(1, c), QStringLiteral("0")) << c;
    EXPECT_EQ(NbLignesGrille, 2);
}

// A 9 x 9 zone whose red sums to 1000: 12.345679 is cut to 12.34, not rounded to 12.35;
// every pixel around the zone is far off, so a zone one pixel too wide would show.
TEST_F(Zone, MoyenneCoupeeAuCentieme) {
    Tav::instance()->Lrg_Click(2);
    QImage image = Image_unie(60, 60, qRgb(200, 200, 200));
    // Centre step 11: 19.40 pixels, so columns and rows 15 to 23.
    int rouges13 = 28;
    for (int y = 15; y <= 23; ++y)
        for (int x = 15; x <= 23; ++x) image.setPixel(x, y, qRgb(rouges13-- > 0 ? 13 : 12, 1, 1));
    Clic(image, 11, 11);
    EXPECT_EQ(cell(1, 1), QStringLiteral("12,34"));
    // Lab of (12.34, 1, 1) by hand: 0.944260, 3.024025, 1.050549.
    EXPECT_EQ(cell(1, 4), QStringLiteral("0,94"));
    EXPECT_EQ(cell(1, 5), QStringLiteral("3,02"));
    EXPECT_EQ(cell(1, 6), QStringLiteral("1,05"));
    EXPECT_EQ(legende(), QStringLiteral("4     / R = 12,34 / V = 1 / B = 1"));
    {
        LocaleScope point(QLocale::C);
        Clic(image, 11, 11);
        EXPECT_EQ(legende(), QStringLiteral("4     / R = 12.34 / V = 1 / B = 1"));
        EXPECT_EQ(cell(2, 1), QStringLiteral("12.34"));
    }
    EXPECT_EQ(Vistrane::Legende_zone(8, 120.5f, 64.25f, 30), QStringLiteral("8     / R = 120,5 / V = 64,25 / B = 30"));
    EXPECT_FLOAT_EQ(Vistrane::Coupe_moyenne(12.3496), 12.35f);
    EXPECT_FLOAT_EQ(Vistrane::Coupe_moyenne(12.3456), 12.34f);
}

TEST_F(Zone, MargeRefuseeParUnBip) {
    const QImage image = Image_unie(200, 200, qRgb(100, 100, 100));
    Tav::instance()->Label7.Caption = QStringLiteral("ancienne");
    // T = 8: a centre below 9 pixels is refused, step 5 (8.82) too, step 6 (10.58) is measured.
    EXPECT_EQ(Clic(image, 5, 50), 1);
    EXPECT_EQ(Clic(image, 50, 5), 1);
    EXPECT_EQ(NbLignesGrille, 1);
    EXPECT_TRUE(legende().isEmpty());
    EXPECT_EQ(Clic(image, 6, 6), 0);
    EXPECT_EQ(NbLignesGrille, 2);
    // On the right and bottom the press must stay (T - 1) pixels counted in HIMETRIC units,
    // CInt(7 x 15 x 2540 / 1440) = 185 twips, inside the 1515 twips of the picture.
    const QImage petite = Image_unie(101, 101, qRgb(10, 20, 30));
    int avant = Bip::entendus();
    Vistrane::Mesure_Zone(petite, 1331, 700);
    Vistrane::Mesure_Zone(petite, 700, 1331);
    EXPECT_EQ(Bip::entendus() - avant, 2);
    EXPECT_EQ(NbLignesGrille, 2);
    avant = Bip::entendus();
    Vistrane::Mesure_Zone(petite, 1330, 1330);
    EXPECT_EQ(Bip::entendus() - avant, 0);
    EXPECT_EQ(NbLignesGrille, 3);
}

// T = 2 near the right and bottom edges: the margin lets the square reach one column and
// one row past the picture, which is no part of the zone.
TEST_F(Zone, BordDeLImageCoupe) {
    Tav::instance()->Lrg_Click(1);
    QImage image = Image_unie(101, 101, qRgb(10, 20, 30));
    const int avant = Bip::entendus();
    // 1489 twips: the last press the margin of 26 HIMETRIC units lets through on a 1515-twip
    // picture; its centre 98.78 gives columns 97 to 101.
    Vistrane::Mesure_Zone(image, 1489, 1489);
    EXPECT_EQ(Bip::entendus(), avant);
    EXPECT_EQ(Vistrane::Moyenne_zone(image, 98.78, 98.78, 2).n, 16);
    EXPECT_EQ(cell(1, 1), QStringLiteral("10"));
    EXPECT_EQ(cell(1, 2), QStringLiteral("20"));
    EXPECT_EQ(cell(1, 3), QStringLiteral("30"));
    EXPECT_EQ(Vistrane::Lit_pixel(image, 101, 50), 0xFFFFFFFFL);
    EXPECT_EQ(Vistrane::Lit_pixel(image, 100, 100), 0x1E140AL);
}

// A chart measured with the correction on ticks CheckCalibre; without curves a press
// takes the error path: a beep and no row.
TEST_F(Zone, CorrectionSansCourbeNeMesureRien) {
    const QString nua = Ecrit(QStringLiteral("calibre.Nua"), {QStringLiteral("CALIBRAGECOL=1"), QStringLiteral("LISTE="),
                                                              QStringLiteral("1;1;2;3;4;5;6;8;1;un;")});
    {
        Prompts::Script script;
        script.open(nua);
        BGr::Ouvre_nuancier();
    }
    EXPECT_EQ(FicNuancier, nua);
    ASSERT_EQ(Tav::instance()->CheckCalibre.Value, 1);
    EXPECT_EQ(Clic(Image_unie(100, 100, qRgb(50, 50, 50)), 20, 20), 1);
    EXPECT_EQ(NbLignesGrille, 1);
}

TEST_F(Zone, UneVueDePlusDe32767Unites) {   // a press at 40000 units records its point
    EXPECT_EQ(Clic(Image_unie(3000, 100, qRgb(200, 100, 50)), 1511, 20), 0);
    EXPECT_EQ(Trame(1).Segments[1].x1, qRound(Twips(1511)));
}

// Random zones come back cell for cell from "maj grille" and a saved file; each read starts colour mode twice.
TEST_F(Zone, LignesRevenuesDeLeurFichier) {
    std::mt19937 alea(35);
    QImage image(80, 80, QImage::Format_RGB32);
    for (int n = 1; n <= 8; ++n) {
        Tav::instance()->Lrg_Click(short(1 + alea() % 3));
        for (int p = 0; p < 80 * 80; ++p) image.setPixel(p % 80, p / 80, alea() | 0x10);
        ASSERT_EQ(Clic(image, 10 + int(alea() % 20), 10 + int(alea() % 20)), 0);
    }
    const QList<QStringList> avant = Grille_remplie();
    Prompts::Script script;
    script.save(chemin(QStringLiteral("c.trm"))).message(QStringLiteral("étalon")).message(QStringLiteral("étalon"));
    script.message(QStringLiteral("La table actuelle"), Prompts::Yes).open(chemin(QStringLiteral("c.trm")));
    script.message(QStringLiteral("étalon")).message(QStringLiteral("étalon"));
    Gen::Sauve_mesures();
    Tav::instance()->Mntool_Click(4);
    EXPECT_EQ(Grille_remplie(), avant);
    Gen::Charge_mesures();
    EXPECT_EQ(Grille_remplie(), avant);
}

} // namespace
