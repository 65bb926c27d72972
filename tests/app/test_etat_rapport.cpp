// The state report: its lines for a known state, and how it shows and hides.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

#include "base/etat_programme.h"
#include "base/messages.h"
#include "app/parametres.h"
#include "base/tav.h"
#include "colour/etat_couleur.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"
#include "platform/prompts.h"
#include "platform/textfile.h"
#include "tests/common/fixture.h"
#include "base/etat_partage.h"

namespace {

std::string s(const QString& q) { return q.toStdString(); }

class Rapport : public EtatPropre {
protected:
    QStringList lignes() {
        tav.Affiche_Etat_Parametres();
        EXPECT_TRUE(tav.TBox(4).Visible);
        const QString t = tav.TBox(4).Text;
        EXPECT_TRUE(t.endsWith("\r\n"));
        return t.split("\r\n");
    }
    Tav& tav = *Tav::instance();
};

TEST_F(Rapport, LinesWithNoImageLoaded) {
    // The settings ticked the automatic redraw box.
    ASSERT_TRUE(TextFile::write(Gen::Fichier_parametres(), "Logiciel\r\n\r\nAUTORETRACE=VRAI\r\n"));
    {
        Prompts::Script script;
        Gen::Lit_parametres();
    }
    CalibrageActuel = 0.125;
    CalibrageImage[0] = 0.5;   // as the settings file left it
    TolClic = 25;
    const QStringList l = lignes();
    // The screen's size in pixels, whatever screen the test runs on.
    const QSize ecran = QGuiApplication::primaryScreen()->geometry().size();
    const QString d = dir_.path();
    const QStringList attendu = {
        "options utilisateur", " * : paramètre sauvegardé", "Langue * = fr", "Fic Trame = ",
        "Img_Active = ", "Index Image = 0", "Indep_Resol * = Faux", "cal. *= 0,125",
        "K calibrage img *= 0,5",
        QStringLiteral("Res.Ecran *= %1x%2").arg(ecran.width()).arg(ecran.height()),
        " K zoom = 1", " taille grille =  256", "", "Nb images prêtes = 0", "Nb images MC = 0",
        "num image active = 0", "REP. IMAGE *: " + d, "REP. DATA *:" + d, "REP. PROG *:" + d,
        "", "Fonction = 0", "FONCTION DEMARRAGE *= 0", "Format Décimal *:###0.00",
        "FDecimAuto * =Faux", "Autotrace * =1", "Palmer * =Vrai", "Tol. Clic * =2,5",
        "Sauvegarde Auto* = 10", "Taille grille * =256", "notation éclair : d1, Dominante, d9",
        "Extension image export * = BMP", "", "Fichier étalon *:  (0)", "Fichier Scanner *:  (0)",
        "Fichier nuancier *: ", ""};
    EXPECT_EQ(l, attendu);
    EXPECT_EQ(tav.TBox(4).Left, 8000);
    EXPECT_EQ(tav.TBox(4).Top, 1000);
    EXPECT_EQ(tav.TBox(4).Width, 4500);
    EXPECT_EQ(tav.TBox(4).Height, 7500);
}

TEST_F(Rapport, ImagesNotationAndColourFiles) {
    ListIMGchar.AddItem("/photos/a.jpg");
    ListIMGchar.AddItem("C:\\photos\\b.bmp");
    NomImageActive = QStringLiteral("/photos/b.bmp");
    IndexImageActive = 2;
    CalibrageImage[2] = 0.75;
    tav.NoTexp(5).Checked = false;  // the start's notation given up for two others
    tav.NoTexp(2).Checked = true;
    tav.NoTexp(4).Checked = true;
    ASSERT_TRUE(TextFile::write(chemin("etalon.txt"), "x\r\n"));
    FicEtalon = chemin("etalon.txt");
    NbMesuresEtalon = 12;
    FicScanner = QStringLiteral("absent.txt");
    const QStringList l = lignes();
    EXPECT_EQ(s(l[4]), "Img_Active = b.bmp");
    EXPECT_EQ(s(l[5]), "Index Image = 2");
    EXPECT_EQ(s(l[8]), "K calibrage img *= 0,75");
    EXPECT_EQ(s(l[13]), "Nb images prêtes = 2");
    EXPECT_EQ(s(l[20]), "1 : a.jpg");
    EXPECT_EQ(s(l[21]), "2 : b.bmp");
    EXPECT_TRUE(l.contains("notation éclair : m ±1.96 sigma"));  // the higher of two ticked
    EXPECT_TRUE(l.contains("Fichier étalon *: etalon.txt (12)"));
    EXPECT_TRUE(l.contains("Fichier Scanner *:  (0)"));
}

TEST_F(Rapport, ButtonAndFocusHideIt) {
    tav.Bout_Click(7);
    EXPECT_TRUE(tav.TBox(4).Visible);
    tav.TBox_LostFocus(4);
    EXPECT_FALSE(tav.TBox(4).Visible);
}

TEST_F(Rapport, ActiveImageOutsideTheListStopsTheReport) {
    IndexImageActive = 51;
    const QStringList l = lignes();
    EXPECT_EQ(l.size(), 9);  // up to the calibration line, then the final line break
    EXPECT_EQ(s(l[7]), "cal. *= 1");
}

} // namespace
