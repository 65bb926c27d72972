// Acquisitions through the scanner menu's procedures: each picture gets its own file in
// the program's folder and its own loader entry with the calibration in force; a failed
// or cancelled acquisition changes nothing.
#include <QDir>
#include <QFile>
#include <cstdlib>

#include "base/etat_demarrage.h"
#include "base/messages.h"
#include "grid/etat_grille.h"
#include "grid/enregistrement.h"
#include "image/captures.h"
#include "image/etat_image.h"
#include "platform/prompts.h"
#include "platform/scanner.h"
#include "tests/image/aide_vue.h"

namespace {

using namespace AideVue;

class Acquisition : public VueTest {
protected:
    void SetUp() override {
        VueTest::SetUp();
        ancien_ = DossierApplication;
        DossierApplication = chemin(QStringLiteral("programme"));
        QDir().mkpath(DossierApplication);
    }
    void TearDown() override {
        DossierApplication = ancien_;
        VueTest::TearDown();
    }
    // SANE's test backend alone, configured in the test's folder.
    void Sane_test() {
        const QString conf = chemin(QStringLiteral("sane"));
        QDir().mkpath(conf);
        QFile d(conf + QStringLiteral("/dll.conf")), t(conf + QStringLiteral("/test.conf"));
        ASSERT_TRUE(d.open(QIODevice::WriteOnly) && t.open(QIODevice::WriteOnly));
        d.write("test\n");
        t.write("resolution 50\n");
        d.close();
        t.close();
        Scanner::fermer();
        setenv("SANE_CONFIG_DIR", conf.toLocal8Bit().constData(), 1);
    }
    QString Fichier(const QString& nom) const { return QDir(DossierApplication).filePath(nom); }
    QString ancien_;
};

// Two acquisitions from the test backend: two files, two entries, the second shown and
// the first unchanged on disk; each entry takes the calibration in force when acquired.
TEST_F(Acquisition, EachAcquisitionHasItsOwnFileAndEntry) {
    Sane_test();
    CalibrageActuel = 0.25;
    tav.MnuTwain_Click(2);
    ASSERT_EQ(ListIMGchar.ListCount(), 1);
    const QString premier = Fichier(QStringLiteral("ImageTwain.bmp"));
    EXPECT_EQ(ListIMGchar.List(0), premier);
    EXPECT_EQ(NomImageActive, premier);
    EXPECT_EQ(IndexImageActive, 1);
    EXPECT_EQ(FonctionRep, 33);
    EXPECT_TRUE(tav.FraListeImg.Visible);
    QFile f(premier);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray octets = f.readAll();
    f.close();
    EXPECT_EQ(QImage(premier).size(), QSize(157, 196));

    CalibrageActuel = 0.75;
    tav.cmdTest_Click();  // the "test" button acquires too
    ASSERT_EQ(ListIMGchar.ListCount(), 2);
    const QString second = Fichier(QStringLiteral("ImageTwain_2.bmp"));
    EXPECT_EQ(ListIMGchar.List(1), second);
    EXPECT_EQ(NomImageActive, second);
    EXPECT_EQ(IndexImageActive, 2);
    EXPECT_DOUBLE_EQ(CalibrageImage[1], 0.25);
    EXPECT_DOUBLE_EQ(CalibrageImage[2], 0.75);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), octets);
    Scanner::fermer();
    unsetenv("SANE_CONFIG_DIR");
}

// A failure says why and changes nothing; a cancel says nothing and changes nothing.
TEST_F(Acquisition, FailureAndCancelChangeNothing) {
    Scanner::Simule scanner;
    scanner.liste = {{QStringLiteral("faux:1"), QStringLiteral("Faux scanner")}};
    scanner.resultats.push_back({QImage(), false, QStringLiteral("Document feeder jammed")});
    scanner.resultats.push_back({QImage(), true, QString()});
    const QString nom = NomImageActive;
    const QImage vue = Vue();
    {
        Prompts::Script script;
        script.message(QStringLiteral("Document feeder jammed"));
        tav.MnuTwain_Click(2);
        EXPECT_EQ(script.remaining(), 0);
    }
    tav.MnuTwain_Click(2);  // cancelled: no prompt expected
    EXPECT_EQ(scanner.demandes.size(), 2);
    EXPECT_EQ(scanner.demandes[0].nom, QStringLiteral("faux:1"));
    EXPECT_EQ(ListIMGchar.ListCount(), 0);
    EXPECT_EQ(NomImageActive, nom);
    EXPECT_EQ(Vue(), vue);
    EXPECT_TRUE(QDir(DossierApplication).entryList(QDir::Files).isEmpty());
}

// The source chosen in the menu is the one acquired from, in colour.
TEST_F(Acquisition, ChosenSourceIsUsed) {
    Scanner::Simule scanner;
    scanner.liste = {{QStringLiteral("a:1"), QStringLiteral("A")}, {QStringLiteral("b:2"), QStringLiteral("B")}};
    QImage petite(8, 6, QImage::Format_RGB32);
    petite.fill(Qt::gray);
    scanner.resultats.push_back({petite, false, QString()});
    {
        Prompts::Script script;
        script.popup(1);
        tav.MnuTwain_Click(1);
    }
    EXPECT_EQ(SourceAcquisition, QStringLiteral("b:2"));
    tav.MnuTwain_Click(2);
    ASSERT_EQ(scanner.demandes.size(), 1);
    EXPECT_EQ(scanner.demandes[0].nom, QStringLiteral("b:2"));
    EXPECT_EQ(scanner.demandes[0].mode, Scanner::Mode::Couleur);
    EXPECT_EQ(QImage(Fichier(QStringLiteral("ImageTwain.bmp"))).size(), QSize(8, 6));
}

// Past the loader's fifty pictures an acquisition is refused before scanning.
TEST_F(Acquisition, RefusedPastFifty) {
    Scanner::Simule scanner;
    scanner.liste = {{QStringLiteral("a:1"), QStringLiteral("A")}};
    QImage petite(4, 4, QImage::Format_RGB32);
    petite.fill(Qt::darkGreen);
    for (int i = 0; i < 51; ++i) scanner.resultats.push_back({petite, false, QString()});
    for (int i = 0; i < 50; ++i) tav.MnuTwain_Click(2);
    ASSERT_EQ(ListIMGchar.ListCount(), 50);
    EXPECT_EQ(ListIMGchar.List(49), Fichier(QStringLiteral("ImageTwain_50.bmp")));
    {
        Prompts::Script script;
        script.message(QString());
        tav.MnuTwain_Click(2);
    }
    EXPECT_EQ(scanner.demandes.size(), 50);
    EXPECT_EQ(ListIMGchar.ListCount(), 50);
    EXPECT_FALSE(QFile::exists(Fichier(QStringLiteral("ImageTwain_51.bmp"))));
}

// After the list is cleared, the next scan takes a name no file holds: the first scan's
// picture is kept. Mid-item a scan is refused as an open or a paste is.
TEST_F(Acquisition, AScanNeverOverwritesAnEarlierFileNorComesMidItem) {
    Scanner::Simule scanner;
    scanner.liste = {{QStringLiteral("a:1"), QStringLiteral("A")}};
    scanner.resultats = {{Quadrants(4, 4), false, QString()}, {Quadrants(4, 4).mirrored(true, true), false, QString()}};
    tav.MnuTwain_Click(2);
    {
        Prompts::Script script;
        script.message(QStringLiteral("la liste d'images"), Prompts::Yes);
        tav.MnuCharg_Click(3);
    }
    ASSERT_EQ(ListIMGchar.ListCount(), 0);
    tav.MnuTwain_Click(2);
    EXPECT_EQ(ListIMGchar.items(), QStringList{Fichier(QStringLiteral("ImageTwain_2.bmp"))});
    EXPECT_EQ(Px(QImage(Fichier(QStringLiteral("ImageTwain.bmp"))), 0, 0), Rouge);
    tav.MnuFonc_Click(2);
    Mstat::Ajoute_Ligne_Grille_Mesure();
    ASSERT_EQ(EtapeMesure, 2);
    tav.MnuTwain_Click(2);
    EXPECT_EQ(tav.lblLabelflashx.Caption, Lib_Langue[178]);
    EXPECT_EQ(scanner.demandes.size(), 2);
    EXPECT_EQ(ListIMGchar.ListCount(), 1);
}

// The screen-copy form acquires into its own picture box; closing the form drops it.
TEST_F(Acquisition, ScreenCopyFormHoldsItsPictureUntilClosed) {
    Scanner::Simule scanner;
    scanner.liste = {{QStringLiteral("a:1"), QStringLiteral("A")}};
    scanner.resultats.push_back({Quadrants(6, 4), false, QString()});
    frmCopieEcran& forme = *frmCopieEcran::instance();
    forme.Acquiert_Twain();
    EXPECT_EQ(Px(forme.Picture1.Image(), 0, 0), Rouge);
    forme.Ferme();
    EXPECT_EQ(forme.Picture1.Image().size(), QSize(1, 1));  // the empty box of a fresh load
}

} // namespace
