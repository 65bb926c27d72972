// Pictures read into the holder: the formats told by their content, a picture larger than
// the reader's default allowance, an unreadable file; and the view the real start-up
// leaves, with a measurement file read into it.
#include <QDataStream>
#include <QFile>
#include <QImageWriter>
#include <gtest/gtest.h>

#include "base/etat_programme.h"
#include "base/grilles.h"
#include "base/vb.h"
#include "grid/etat_grille.h"
#include "grid/grille_affichage.h"
#include "measure/etat_mesure.h"
#include "platform/lecture_image.h"
#include "platform/programme.h"
#include "platform/prompts.h"
#include "statwin/fenhisto.h"
#include "tests/image/aide_vue.h"
#include "tests/image/png_noir.h"

namespace {

using namespace AideVue;

class Chargement : public VueTest {
protected:
    QString Ecrit(const QString& nom, const QByteArray& octets) {
        QFile f(chemin(nom));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(octets);
        return f.fileName();
    }
    unsigned Base(int x, int y) const { return Px(tav.picbase.Image(), x, y); }
};

// A 3 x 2 bitmap of 24 bits, bottom row first, each row padded to 4 bytes:
// top row red, green, blue; bottom row white, black, grey 0x808080.
QByteArray Bmp_3x2() {
    QByteArray b;
    QDataStream s(&b, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    const quint32 donnees = 2 * 12;
    s.writeRawData("BM", 2);
    s << quint32(14 + 40 + donnees) << quint16(0) << quint16(0) << quint32(14 + 40);
    s << quint32(40) << qint32(3) << qint32(2) << quint16(1) << quint16(24) << quint32(0) << quint32(donnees)
      << qint32(3780) << qint32(3780) << quint32(0) << quint32(0);
    const quint8 bas[12] = {0xFF, 0xFF, 0xFF, 0, 0, 0, 0x80, 0x80, 0x80, 0, 0, 0};       // B, G, R
    const quint8 haut[12] = {0, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0, 0, 0, 0, 0};
    s.writeRawData(reinterpret_cast<const char*>(bas), 12);
    s.writeRawData(reinterpret_cast<const char*>(haut), 12);
    return b;
}

// A 2 x 1 GIF: a red pixel and a blue one, coded by hand (LZW codes of 3 bits: clear 4,
// 0, 1, end 5, packed from the low bit: 0x44 0x0A).
QByteArray Gif_2x1() {
    const unsigned char g[] = {'G', 'I', 'F', '8', '9', 'a', 2, 0, 1, 0, 0x80, 0, 0,  // screen, 2 colours
                               0xFF, 0, 0, 0, 0, 0xFF,                                 // red, blue
                               0x2C, 0, 0, 0, 0, 2, 0, 1, 0, 0,                        // image 2 x 1
                               2, 2, 0x44, 0x0A, 0, 0x3B};
    return QByteArray(reinterpret_cast<const char*>(g), sizeof g);
}

TEST_F(Chargement, FormatsReconnusASonContenu) {
    // The bitmap written byte by byte, also under the name of a device-independent bitmap.
    for (const char* nom : {"trois.bmp", "trois.dib"}) {
        ASSERT_TRUE(BGr::Charge_image_base(Ecrit(QString::fromLatin1(nom), Bmp_3x2()))) << nom;
        EXPECT_EQ(tav.picbase.Width, 45);
        EXPECT_EQ(tav.picbase.Height, 30);
        EXPECT_EQ(Base(0, 0), Rouge);
        EXPECT_EQ(Base(1, 0), Vert);
        EXPECT_EQ(Base(2, 0), Bleu);
        EXPECT_EQ(Base(0, 1), Blanc);
        EXPECT_EQ(Base(1, 1), Noir);
        EXPECT_EQ(Base(2, 1), 0x808080u);
    }
    ASSERT_TRUE(BGr::Charge_image_base(Ecrit(QStringLiteral("deux.gif"), Gif_2x1())));
    EXPECT_EQ(tav.picbase.Width, 30);
    EXPECT_EQ(Base(0, 0), Rouge);
    EXPECT_EQ(Base(1, 0), Bleu);

    // Written by the platform's writers, read whatever the file's name says.
    const QImage q = Quadrants(40, 30);
    for (const auto& [format, nom] : {std::pair{"JPEG", "photo.tif"}, {"PNG", "photo.jpg"}, {"TIFF", "photo.png"},
                                      {"ICO", "photo.bmp"}}) {
        const QString p = chemin(QString::fromLatin1(nom));
        QImageWriter w(p, format);
        if (QByteArray(format) == "JPEG") w.setQuality(100);
        ASSERT_TRUE(w.write(q)) << format;
        ASSERT_TRUE(BGr::Charge_image_base(p)) << format;
        EXPECT_EQ(tav.picbase.Width, 600) << format;
        EXPECT_EQ(tav.picbase.Height, 450) << format;
        const QColor c(tav.picbase.Image().pixel(5, 5)), d(tav.picbase.Image().pixel(35, 25));
        EXPECT_GT(c.red(), 240) << format;
        EXPECT_LT(c.green(), 15) << format;
        EXPECT_LT(d.red() + d.green() + d.blue(), 30) << format;
    }
}

TEST_F(Chargement, UnFichierIlliblelaisseTout) {
    Ouvre(Quadrants(1000, 750));
    BGr::Decale_vue(-600, -300);
    const int ox = OrigineX, oy = OrigineY;
    const QImage vue = Vue(), base = tav.picbase.Image();
    EXPECT_FALSE(BGr::Charge_image_base(Ecrit(QStringLiteral("notes.jpg"), "pas une image\r\n")));
    EXPECT_FALSE(BGr::Erreur_chargement().isEmpty());
    EXPECT_FALSE(BGr::Charge_image_base(chemin(QStringLiteral("absente.bmp"))));
    EXPECT_EQ(tav.picbase.Image(), base);
    EXPECT_EQ(tav.picbase.Width, 15000);
    EXPECT_EQ(OrigineX, ox);
    EXPECT_EQ(OrigineY, oy);
    EXPECT_EQ(Vue(), vue);
    EXPECT_NEAR(EchelleAffichage, 26458 / 9000.0, 1e-9);
}

TEST_F(Chargement, UneImagePlusGrandeQueLaLimiteParDefautSOuvre) {
    // 9000 x 8000 pixels take 288 MB at 32 bits, beyond the reader's default of 256 MB.
    const QString p = chemin(QStringLiteral("grande.png"));
    ASSERT_TRUE(PngNoir::Ecrit(p, 9000, 8000));
    EXPECT_GE(LectureImage::LimiteAllocation(), 1024);
    ASSERT_TRUE(BGr::Charge_image_base(p)) << BGr::Erreur_chargement().toStdString();
    EXPECT_EQ(tav.picbase.Width, 135000);
    EXPECT_EQ(tav.picbase.Height, 120000);
    EXPECT_EQ(Base(8999, 7999), Noir);
    // The thumbnail comes from the reduced copy.
    EXPECT_EQ(tav.picbase.Apercu.width(), 166);
    EXPECT_EQ(Px(tav.VignP.Image(), 80, 60), Noir);
}

TEST_F(Chargement, UneLigneRameneSonImageEtCentreSonObjet) {
    // A measurement file naming the quadrant picture, one segment in its black quadrant
    // from (9000, 6000) to (9600, 6600) image units, measured at level 0.
    const QString image = chemin(QStringLiteral("quadrants.png"));
    ASSERT_TRUE(Quadrants(1000, 750).save(image));
    const QString trame = chemin(QStringLiteral("objet.trm"));
    QFile fichier(trame);
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
    fichier.write(QStringLiteral("INDPRES=False\r\nNBIMAGES= 1\r\nNBLIGNES= 1\r\nNBLGMAX =64\r\nFONCTION= 1\r\n"
                                 "CALIBRAGE= \r\n 0,5 \r\nRESH =  1280 \r\nPCTSW =  9000 \r\nIMAGES= \r\n%1\r\n"
                                 "COMMENT= \r\n1;\r\nFIN\r\nTRAME= \r\n0;1;9000;6000;9600;6600;\r\n")
                      .arg(image)
                      .toLatin1());
    fichier.close();
    Prompts::Script script;
    script.open(trame);
    tav.MnuFIC_Click(10);
    ASSERT_EQ(ListIMGchar.ListCount(), 1);

    Gen::Texte_cellule(1, 1);
    tav.Cherche_spore();
    EXPECT_EQ(IndexImageActive, 1);
    EXPECT_EQ(tav.picbase.Width, 15000);
    EXPECT_EQ(NiveauZoom, 0);
    // The centre (9300, 6300) less half the view's outer size at the display scale
    // 26458 / 9000: 9300 - 9060 * 0.5 * 2.939778 = -4017.19, 6300 - 6810 * 0.5 * 2.939778 = -3709.94.
    EXPECT_EQ(OrigineX, -4017);
    EXPECT_EQ(OrigineY, -3710);
    // The object, picture pixel (620, 420), is painted near the view's centre: (304.0, 228.5).
    EXPECT_EQ(Px(Vue(), 304, 228), Noir);
    // Picture column 500 lies at view pixel 262.9, row 375 at 213.1, column 0 at 91.7.
    EXPECT_EQ(Px(Vue(), 265, 228), Noir);
    EXPECT_EQ(Px(Vue(), 260, 228), Bleu);
    EXPECT_EQ(Px(Vue(), 304, 210), Magenta);
    EXPECT_EQ(Px(Vue(), 89, 228), Blanc);
}

// The start-up as the program runs it, with the statistics window closed at once.
class DemarrageReel : public EtatPropre {
protected:
    void TearDown() override {
        FenHisto::setModalHook({});
        FenHisto::decharger();
        EtatPropre::TearDown();
    }
};

TEST_F(DemarrageReel, LaVueEtLesGuidesSuiventLaDisposition) {
    Tav& tav = *Tav::instance();
    Prompts::Script script;
    script.message(QStringLiteral("Tavl.dat"));
    const QString image = chemin(QStringLiteral("spores.png"));
    ASSERT_TRUE(Quadrants(200, 150).save(image));
    const QString trame = chemin(QStringLiteral("mesures.trm"));
    bool vu = false;
    FenHisto::setModalHook([&](FenHisto& f) {
        vu = true;
        // The default picture, 640 x 480: extent 16933 x 12700.
        EXPECT_EQ(tav.picbase.Width, 9600);
        EXPECT_EQ(tav.picbase.LargeurHimetric, 16933);
        EXPECT_EQ(tav.Picture1.ScaleWidth, tav.Picture1.Width - 60);
        EXPECT_NEAR(EchelleAffichage, 16933 / tav.Picture1.ScaleWidth, 1e-12);
        EXPECT_EQ(DemiGuideDefaut, Vb::CInt(tav.Picture1.Width / 5.0));
        EXPECT_EQ(DemiGuide, DemiGuideDefaut);

        // A measurement file from the same screen: one segment from (10, 10) to (16, 18),
        // 10 image units long at calibration 0.5.
        QFile fichier(trame);
        ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
        fichier.write(QStringLiteral("INDPRES=False\r\nNBIMAGES= 1\r\nNBLIGNES= 1\r\nNBLGMAX =64\r\nFONCTION= 1\r\n"
                                     "CALIBRAGE= \r\n 0,5 \r\nRESH =  1280 \r\nPCTSW =  %1 \r\nIMAGES= \r\n%2\r\n"
                                     "COMMENT= \r\n1;\r\nFIN\r\nTRAME= \r\n0;1;10;10;16;18;\r\n")
                          .arg(tav.Picture1.ScaleWidth)
                          .arg(image)
                          .toLatin1());
        fichier.close();
        script.open(trame);
        tav.MnuFIC_Click(10);
        // 10 units x the file's factor for the default picture's 640 pixels (0.64) x 0.5,
        // over the display scale: 3.2 x ScaleWidth / 16933.
        const double attendu = 3.2 * tav.Picture1.ScaleWidth / 16933;
        EXPECT_EQ(GrilleRef.TextMatrix(1, 1), Vb::Format(attendu, FormatDecimal));
        EXPECT_NE(GrilleRef.TextMatrix(1, 1), QStringLiteral("0,00"));
        script.message(QStringLiteral("Quitter"), Prompts::Yes);
        f.Ferme_Histo();
    });
    tav.Form_Load();
    EXPECT_TRUE(vu);
    EXPECT_EQ(script.remaining(), 0);
}

} // namespace
