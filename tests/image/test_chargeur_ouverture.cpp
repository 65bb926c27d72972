// Pictures entering the loader through the file menu: numbers and calibrations of new
// and known paths, a file that holds no picture, the full loader, Cancel, the width check,
// multilayer mode, the clipboard's picture, and the image a measurement file names.
#include <QFileInfo>
#include <gtest/gtest.h>

#include "grid/enregistrement.h"
#include "image/vue.h"
#include "platform/pressepapier.h"
#include "tests/image/aide_chargeur.h"

namespace {

using namespace AideChargeur;

class Ouverture : public ChargeurTest {
protected:
    // The user double-clicks entry i of the loader's list.
    void Double_clic(int i) {
        ListIMGchar.setListIndex(i);
        tav.ListIMGchar_DblClick();
    }
    unsigned Vue(int x, int y) const { return tav.Picture1.Image().pixel(x, y) & 0xFFFFFF; }
};

TEST_F(Ouverture, AuDemarrageLaVueMontreLImageParDefautDuProgramme) {
    // Our own picture, 640 x 480, light grey with the program's name written dark.
    const QImage& base = tav.picbase.Image();
    ASSERT_EQ(base.size(), QSize(640, 480));
    EXPECT_EQ(base.pixel(2, 2) & 0xFFFFFF, 0xC0C0C0u);
    int sombres = 0;
    for (int x = 180; x < 460; ++x)
        if (qGray(base.pixel(x, 240)) < 120) ++sombres;
    EXPECT_GT(sombres, 20);
    EXPECT_EQ(ListIMGchar.ListCount(), 0);
    EXPECT_EQ(IndexImageActive, 0);
    short autre = 2;
    EXPECT_THROW(Gen::Affiche_image_liste(autre), Vb::Erreur);
}

TEST_F(Ouverture, UneNouvelleImagePrendLeNumeroSuivantEtLeCalibrageEnVigueur) {
    const QString a = Image(QStringLiteral("a.png"));
    Prompts::Script script;
    script.open(a, QStringLiteral("Ouvrir Image"));
    tav.MnuFIC_Click(1);
    // The dialog opens in the image folder, on the formats the reader opens.
    ASSERT_EQ(script.seen().size(), 1u);
    EXPECT_EQ(script.seen()[0].folder, dir_.path());
    for (const char* f : {"*.bmp", "*.dib", "*.jpg", "*.jpeg", "*.png", "*.tif", "*.tiff", "*.gif", "*.ico", "*.*"})
        EXPECT_TRUE(script.seen()[0].filter.contains(QLatin1String(f))) << f;
    EXPECT_FALSE(script.seen()[0].filter.contains(QLatin1String("wmf")));

    EXPECT_EQ(ListIMGchar.items(), QStringList{a});
    EXPECT_EQ(IndexImageActive, 1);
    EXPECT_EQ(NomImageActive, a);
    EXPECT_EQ(tav.labNomFic.Caption, a);
    EXPECT_EQ(CalibrageImage[1], 1.0);
    EXPECT_EQ(tav.lblWidth.Caption, QStringLiteral("64"));
    EXPECT_EQ(tav.lblHeight.Caption, QStringLiteral("48"));
    EXPECT_EQ(NiveauZoom, -2);  // shown at "Z1"
    EXPECT_EQ(InitFaite, -1);
    EXPECT_DOUBLE_EQ(KZoomCal, 0.064);  // "Ind. Dim.": the width in pixels x 0.001
    EXPECT_FALSE(tav.MnuEDit(2).Enabled);

    // A calibration read at start-up is the one in force for the next picture, which
    // lies in another folder: the image folder follows the chosen file.
    Calibrage_en_vigueur(QStringLiteral("0,4321"));
    const QString b = Image(QStringLiteral("lot 2/b.png"));
    Ouvre(b, false);
    EXPECT_EQ(RepImage, QFileInfo(b).absolutePath());
    EXPECT_EQ(ListIMGchar.items(), (QStringList{a, b}));
    EXPECT_EQ(IndexImageActive, 2);
    EXPECT_EQ(CalibrageImage[2], 0.4321);
    EXPECT_EQ(CalibrageImage[1], 1.0);

    // Choosing an image restores exactly its own factor, shown with four decimals.
    Double_clic(0);
    EXPECT_EQ(IndexImageActive, 1);
    EXPECT_EQ(CalibrageActuel, 1.0);
    EXPECT_EQ(tav.label(5).Caption, QStringLiteral("Cal. = 1,0000"));
    EXPECT_EQ(NomImageActive, a);
    Double_clic(1);
    EXPECT_EQ(IndexImageActive, 2);
    EXPECT_EQ(CalibrageActuel, 0.4321);
    EXPECT_EQ(tav.label(5).Caption, QStringLiteral("Cal. = 0,4321"));
    EXPECT_EQ(NomImageActive, b);
    EXPECT_EQ(tav.labNomFic.Caption, b);
    EXPECT_EQ(Chargeur::Incoherence(), QString());
}

TEST_F(Ouverture, UnCheminDejaChargeRevientAvecSonPropreCalibrage) {
    const QString a = Image(QStringLiteral("a.png")), b = Image(QStringLiteral("b.png"));
    Ouvre(a);
    Calibrage_en_vigueur(QStringLiteral("0,25"));
    Ouvre(b, false);
    EXPECT_EQ(CalibrageImage[2], 0.25);
    Ouvre(a, false, true);
    EXPECT_EQ(ListIMGchar.ListCount(), 2);
    EXPECT_EQ(IndexImageActive, 1);
    EXPECT_EQ(ListIMGchar.ListIndex(), 0);
    // The rows measured next are recorded with this image's factor, not the previous one's.
    EXPECT_EQ(CalibrageActuel, 1.0);
    EXPECT_EQ(tav.label(5).Caption, QStringLiteral("Cal. = 1,0000"));
    EXPECT_EQ(CalibrageImage[2], 0.25);
    EXPECT_EQ(NomImageActive, a);
}

TEST_F(Ouverture, UnFichierSansImageNAjouteRienMemeApresOui) {
    const QString a = Image(QStringLiteral("a.png")), notes = Illisible(QStringLiteral("notes.jpg"));
    Ouvre(a);
    Prompts::Script script;
    script.message(Question_vider(), Prompts::Yes).open(notes).message(QStringLiteral("Problème de chargement du fichier image  \r\n") + notes);
    tav.MnuFIC_Click(1);
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(script.seen().back().title, QStringLiteral("Err number 481"));
    // The list stays whole; the default picture is drawn and nothing shown is an image of it.
    EXPECT_EQ(ListIMGchar.items(), QStringList{a});
    EXPECT_EQ(IndexImageActive, 0);
    EXPECT_EQ(NomImageActive, QString());
    EXPECT_EQ(tav.labNomFic.Caption, QString());
    EXPECT_EQ(tav.picbase.Width, 0);
    EXPECT_EQ(Vue(2, 2), 0xC0C0C0u);
    EXPECT_EQ(InitFaite, 0);  // clicks wait for an open that succeeds
    Ouvre(a, false, true);
    EXPECT_EQ(InitFaite, -1);
    EXPECT_EQ(IndexImageActive, 1);
}

TEST_F(Ouverture, LeChargeurPleinRefuseLaCinquanteEtUniemeAvantDeCharger) {
    // Fifty pictures added as a block from the folder pane, then a 51st opened.
    for (int i = 1; i <= 50; ++i) Image(QStringLiteral("lot/p%1.png").arg(i, 2, 10, QLatin1Char('0')));
    // The image folder chosen in the pane: ".." then "lot" under the program's folder.
    tav.MnuFIC_Click(11);
    ASSERT_EQ(tav.RepDir.List(1), QStringLiteral("lot"));
    tav.RepDir.setListIndex(1);
    tav.cmdRep_Click(0);
    ASSERT_EQ(RepImage, chemin(QStringLiteral("lot")));
    tav.MnuCharg_Click(1);
    ASSERT_EQ(tav.ListRep.ListCount(), 50);
    for (int i = 0; i < 50; ++i) tav.ListRep.setSelected(i, true);
    tav.cmdRep_Click(0);
    ASSERT_EQ(ListIMGchar.ListCount(), 50);
    const QString c = Image(QStringLiteral("c.png"));
    Prompts::Script script;
    script.message(Question_vider(), Prompts::No).open(c).message(QStringLiteral("Problème de chargement du fichier image  \r\n") + c);
    tav.MnuFIC_Click(1);
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(script.seen().back().title, QStringLiteral("Err number 9"));
    EXPECT_EQ(ListIMGchar.ListCount(), 50);
    EXPECT_EQ(Chargeur::Index_de(c), -1);
    EXPECT_EQ(IndexImageActive, 0);
    EXPECT_NE(NomImageActive, c);
    // A path already loaded still opens.
    Ouvre(chemin(QStringLiteral("lot/p07.png")), false, true);
    EXPECT_EQ(IndexImageActive, 7);
    EXPECT_EQ(Chargeur::Incoherence(), QString());
}

TEST_F(Ouverture, AnnulerApresOuiNeChangeRien) {
    const QString a = Image(QStringLiteral("a.png")), b = Image(QStringLiteral("b.png"), 80, 60, Qt::blue);
    Ouvre(a);
    Ouvre(b, false);
    const QImage vue = tav.Picture1.Image();
    const double k = KZoomCal;
    Prompts::Script script;
    script.message(Question_vider(), Prompts::Yes).open(std::nullopt);
    tav.MnuFIC_Click(1);
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(ListIMGchar.items(), (QStringList{a, b}));
    EXPECT_EQ(IndexImageActive, 2);
    EXPECT_EQ(NomImageActive, b);
    EXPECT_EQ(tav.picbase.Width, 80 * 15);
    EXPECT_EQ(tav.Picture1.Image(), vue);
    EXPECT_EQ(KZoomCal, k);
    EXPECT_EQ(InitFaite, -1);
    // Yes takes effect once a picture has loaded: the list then holds it alone.
    Ouvre(a, true);
    EXPECT_EQ(ListIMGchar.items(), QStringList{a});
    EXPECT_EQ(IndexImageActive, 1);
}

TEST_F(Ouverture, LaLargeurEstCompareeALaPremiereImage) {
    Ouvre(Image(QStringLiteral("a.png"), 64, 48));
    EXPECT_EQ(LargeurRef, 64);
    EXPECT_EQ(LargeurRefAbsente, 0);
    EXPECT_EQ(tav.lblLabelflashx.Caption, QString());  // the first one sets the width
    const double police = tav.Picture1.surface().FontSize;
    Ouvre(Image(QStringLiteral("b.png"), 64, 90), false);
    EXPECT_EQ(tav.lblLabelflashx.Caption, QString());  // same width, another height
    EXPECT_EQ(tav.Picture1.surface().FontSize, police);
    Ouvre(Image(QStringLiteral("c.png"), 120, 300), false);
    EXPECT_EQ(tav.lblLabelflashx.Caption, Lib_Langue[75]);
    EXPECT_EQ(tav.FraFlash.BackColor, 0xFF00);
    EXPECT_FALSE(tav.FraFlash.Visible);
    EXPECT_DOUBLE_EQ(tav.Picture1.surface().FontSize, 3.0);
    EXPECT_DOUBLE_EQ(tav.Picture2.surface().FontSize, 3.0);
    EXPECT_EQ(LargeurRef, 64);
}

// Widths past 16 bits compare as they are: two such pictures of one width raise nothing.
TEST_F(Ouverture, UneGrandeLargeurSeCompareEntiere) {
    Ouvre(Image(QStringLiteral("a.png"), 40000, 2));
    Ouvre(Image(QStringLiteral("b.png"), 40000, 3), false);
    EXPECT_EQ(LargeurRef, 40000);
    EXPECT_EQ(tav.lblLabelflashx.Caption, QString());
}

TEST_F(Ouverture, EnModeMCLesNouvellesImagesRejoignentLeGroupe) {
    Coche_MC(0, true);
    EXPECT_TRUE(tav.chkMC(1).Enabled);
    EXPECT_TRUE(tav.Mntool(6).Enabled);
    const QString a = Image(QStringLiteral("a.png")), b = Image(QStringLiteral("b.png"));
    Ouvre(a);
    Ouvre(a, false, true);  // a known path joins nothing
    Ouvre(b, false);
    EXPECT_EQ(ListImgMC.items(), (QStringList{a, b}));
    EXPECT_EQ(ListImgIdx.items(), (QStringList{"0", "1"}));
    EXPECT_EQ(ImageMC[0], -1);
    EXPECT_EQ(ImageMC[1], -1);
    Coche_MC(0, false);
    Ouvre(Image(QStringLiteral("c.png")), false);
    EXPECT_EQ(ListImgMC.ListCount(), 2);
    EXPECT_EQ(ImageMC[2], 0);
    EXPECT_FALSE(tav.chkMC(1).Enabled);
    EXPECT_FALSE(tav.Mntool(6).Enabled);
}

TEST_F(Ouverture, UneImageColleeNEstAucuneImageDuChargeur) {
    PressePapier::Simule presse;
    const QString a = Image(QStringLiteral("a.png"));
    Ouvre(a);
    {
        Prompts::Script script;
        script.message(QStringLiteral("Le presse papier ne contient pas d'image valide"));
        tav.MnuFIC_Click(4);
    }
    EXPECT_EQ(NomImageActive, a);

    // Mid-item, a pasted picture would take the item's values: refused with the flash.
    tav.MnuFonc_Click(2);
    Mstat::Ajoute_Ligne_Grille_Mesure();
    ASSERT_EQ(EtapeMesure, 2);
    QImage colle(100, 75, QImage::Format_RGB32);
    colle.fill(Qt::green);
    presse.image = colle;
    tav.MnuFIC_Click(4);
    EXPECT_EQ(tav.lblLabelflashx.Caption, Lib_Langue[178]);
    EXPECT_EQ(NomImageActive, a);
    EXPECT_FALSE(QFileInfo::exists(chemin(QStringLiteral("ImgTempo.bmp"))));

    // The item finished, the paste shows the picture under no image number.
    Mstat::Ajoute_Ligne_Grille_Mesure();
    ASSERT_EQ(EtapeMesure, 1);
    tav.lblLabelflashx.Caption.clear();
    tav.MnuFIC_Click(4);
    const QString tempo = chemin(QStringLiteral("ImgTempo.bmp"));
    EXPECT_EQ(NomImageActive, tempo);
    EXPECT_EQ(tav.labNomFic.Caption, tempo);
    EXPECT_EQ(IndexImageActive, 0);
    EXPECT_EQ(ListIMGchar.items(), QStringList{a});
    EXPECT_EQ(tav.picbase.Width, 1500);
    EXPECT_EQ(tav.lblWidth.Caption, QStringLiteral("100"));
    EXPECT_DOUBLE_EQ(KZoomCal, 0.1);
    EXPECT_EQ(tav.lblLabelflashx.Caption, Lib_Langue[75]);  // 100 pixels, not 64
    EXPECT_EQ(QImage(tempo).pixel(5, 5) & 0xFFFFFF, 0x00FF00u);
}

TEST_F(Ouverture, UnCollageQuiNePeutEtreEcritNeChangeRien) {
    PressePapier::Simule presse;
    const QString a = Image(QStringLiteral("a.png"));
    Ouvre(a);
    // The program's folder is a folder the paste cannot write into.
    ASSERT_TRUE(QDir().mkpath(chemin(QStringLiteral("ImgTempo.bmp/"))));
    presse.image = QImage(10, 10, QImage::Format_RGB32);
    Prompts::Script script;
    script.message(QStringLiteral("Problème de chargement du fichier image  \r\n") + chemin(QStringLiteral("ImgTempo.bmp")));
    tav.MnuFIC_Click(4);
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(NomImageActive, a);
    EXPECT_EQ(IndexImageActive, 1);
    EXPECT_EQ(tav.picbase.Width, 64 * 15);
}

TEST_F(Ouverture, UneImageNommeeParUnFichierDeMesuresEstChercheeDansLeDossierImages) {
    QString stocke = QStringLiteral("C:\\photos\\a.jpg");
    {
        Prompts::Script script;
        script.message(QStringLiteral("a.jpgnon trouvé"));
        EXPECT_EQ(Gen::Cherche_image(stocke), dir_.path() + QStringLiteral("/a.jpg"));
    }
    EXPECT_EQ(stocke, dir_.path() + QStringLiteral("/a.jpg"));
    EXPECT_EQ(RepAncien, RepImage);
    // Once the file stands in the image folder, it is found there without a word.
    Image(QStringLiteral("a.jpg"));
    stocke = QStringLiteral("C:\\photos\\a.jpg");
    EXPECT_EQ(Gen::Cherche_image(stocke), dir_.path() + QStringLiteral("/a.jpg"));
    // A stored path that exists is kept as it stands.
    const QString ailleurs = Image(QStringLiteral("ailleurs/b.png"));
    QString b = ailleurs;
    EXPECT_EQ(Gen::Cherche_image(b), ailleurs);
}

TEST_F(Ouverture, UnDoubleClicTesteLImageCliquee) {
    const QString a = Image(QStringLiteral("a.png")), b = Image(QStringLiteral("b.png"));
    Ouvre(a);
    Ouvre(b, false);
    // The image shown has gone; the other one still opens.
    ASSERT_TRUE(QFile::remove(b));
    Double_clic(0);
    EXPECT_EQ(IndexImageActive, 1);
    EXPECT_EQ(NomImageActive, a);
    // The clicked one has gone: its own "introuvable", and nothing changes.
    {
        Prompts::Script script;
        script.message(b + QStringLiteral("  introuvable"));
        Double_clic(1);
    }
    EXPECT_EQ(IndexImageActive, 1);
    EXPECT_EQ(NomImageActive, a);
    // A file that holds no picture: the picture shown stays, and with it its number.
    {
        QFile f(a);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("abimee");
    }
    Double_clic(0);
    Ouvre(Image(QStringLiteral("c.png")), false);
    Double_clic(0);
    EXPECT_EQ(IndexImageActive, 3);
    EXPECT_EQ(NomImageActive, chemin(QStringLiteral("c.png")));
    // Keys over the list name the entry under the cursor; Escape leaves the list.
    ListIMGchar.setListIndex(1);
    tav.ListIMGchar_KeyDown(40, 0);
    EXPECT_TRUE(tav.lblFichier.Visible);
    EXPECT_EQ(tav.lblFichier.Caption, b);
    tav.ListIMGchar_KeyUp(40, 0);
    EXPECT_FALSE(tav.lblFichier.Visible);
}

} // namespace
