// The folder pane through the loader menu and its buttons: the image folder, blocks of
// files added to the loader, the purge of the images no row uses, and the clear command.
#include <QDir>
#include <gtest/gtest.h>

#include "image/volumes.h"
#include "tests/image/aide_chargeur.h"

namespace {

using namespace AideChargeur;

class Panneau : public ChargeurTest {
protected:
    // The pane's block add choosing entries of its list, then "Ajouter".
    void Ajoute(std::initializer_list<int> entrees) {
        Choisit(tav.ListRep, entrees);
        tav.cmdRep_Click(0);
    }
    QString Img(int r) const { return GrilleRef.TextMatrix(r, GrilleRef.Cols() - 2); }
};

TEST_F(Panneau, UnBlocDImagesEntreUneFoisAvecLeCalibrageDuMoment) {
    for (const char* n : {"a.JPG", "b.jpeg", "c.Png", "d.tif", "e.bmp", "x.gif", "notes.txt", "LISEZMOI", "vieux.wmf"})
        Image(QString::fromLatin1(n));
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("photos.jpg")));  // a folder, not a picture
    Calibrage_en_vigueur(QStringLiteral("0,75"));

    tav.MnuCharg_Click(1);
    EXPECT_EQ(tav.StatusBar.Text, QStringLiteral("Ajouter un bloc d'image au chargeur"));
    EXPECT_EQ(FonctionRep, 1);
    EXPECT_TRUE(tav.FraRep.Visible);
    EXPECT_FALSE(tav.RepDir.Visible);
    EXPECT_FALSE(tav.RepDrive.Visible);
    EXPECT_EQ(tav.cmdRep(0).Caption, QStringLiteral("Ajouter"));
    EXPECT_EQ(tav.cmdRep(1).Caption, QStringLiteral("Répertoire "));
    EXPECT_TRUE(tav.cmdRep(1).Visible);
    EXPECT_EQ(tav.cmdRep(2).Caption, QStringLiteral("fermer"));
    EXPECT_EQ(tav.ListRep.items(), (QStringList{"a.JPG", "b.jpeg", "c.Png", "d.tif", "e.bmp", "x.gif"}));

    // A click on a name shows its path.
    tav.ListRep.setListIndex(2);
    tav.ListRep_Click();
    EXPECT_EQ(tav.repText1.Text, chemin(QStringLiteral("c.Png")));

    Ajoute({0, 2});
    EXPECT_EQ(Noms(ListIMGchar), (QStringList{"a.JPG", "c.Png"}));
    EXPECT_EQ(CalibrageImage[1], 0.75);
    EXPECT_EQ(CalibrageImage[2], 0.75);
    // Added, not shown: they load when chosen.
    EXPECT_EQ(IndexImageActive, 0);
    EXPECT_EQ(tav.picbase.Width, 640 * 15);
    EXPECT_TRUE(tav.FraListeImg.Visible);
    EXPECT_EQ(ListImgAff.items(), (QStringList{"a.JPG", "c.Png"}));
    EXPECT_EQ(tav.ListRep.SelCount(), 0);  // listed afresh, still open
    EXPECT_TRUE(tav.FraRep.Visible);

    // Again with a, c and e, under another calibration: e alone joins, with it.
    Calibrage_en_vigueur(QStringLiteral("0,3"));
    Ajoute({0, 2, 4});
    EXPECT_EQ(Noms(ListIMGchar), (QStringList{"a.JPG", "c.Png", "e.bmp"}));
    EXPECT_EQ(CalibrageImage[1], 0.75);
    EXPECT_EQ(CalibrageImage[3], 0.3);
    EXPECT_EQ(ListImgAff.ListCount(), 3);

    // A name of the list frame shows its picture with its own calibration.
    ListImgAff.setListIndex(1);
    tav.ListImgAff_Click();
    EXPECT_EQ(IndexImageActive, 2);
    EXPECT_EQ(CalibrageActuel, 0.75);
    EXPECT_EQ(tav.label(5).Caption, QStringLiteral("Cal. = 0,7500"));
    EXPECT_EQ(tav.listImgTxt.Text, chemin(QStringLiteral("c.Png")));

    // "fermer" closes the pane and the list frame.
    tav.cmdRep_Click(2);
    EXPECT_FALSE(tav.FraRep.Visible);
    EXPECT_FALSE(tav.FraListeImg.Visible);
    EXPECT_EQ(Chargeur::Incoherence(), QString());
}

TEST_F(Panneau, LeBlocSArreteACinquanteEtNommeLesFichiersLaisses) {
    Ouvre(Image(QStringLiteral("premiere.png")));
    for (int i = 1; i <= 51; ++i) Image(QStringLiteral("p%1.png").arg(i, 2, 10, QLatin1Char('0')));
    tav.MnuCharg_Click(1);
    ASSERT_EQ(tav.ListRep.ListCount(), 52);
    ASSERT_EQ(tav.ListRep.List(0), QStringLiteral("p01.png"));
    for (int i = 0; i < 52; ++i) tav.ListRep.setSelected(i, true);
    Prompts::Script script;
    script.message(QStringLiteral("Problème de chargement du fichier image  \r\np50.png\r\np51.png"));
    tav.cmdRep_Click(0);
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(ListIMGchar.ListCount(), 50);
    EXPECT_EQ(ListIMGchar.List(49), chemin(QStringLiteral("p49.png")));
    EXPECT_EQ(IndexImageActive, 1);
}

TEST_F(Panneau, LeDossierImageSeChoisitDansLesDossiersEtLesVolumes) {
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("récolte/sous")));
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("autre")));
    Image(QStringLiteral("récolte/r.png"));
    Volumes::Simule volumes({QStringLiteral("/"), dir_.path(), chemin(QStringLiteral("débranché"))});

    tav.MnuFIC_Click(11);
    EXPECT_EQ(FonctionRep, 0);
    EXPECT_EQ(tav.cmdRep(0).Caption, QStringLiteral("Valider"));
    EXPECT_FALSE(tav.cmdRep(1).Visible);
    EXPECT_EQ(tav.cmdRep(2).Caption, QStringLiteral("Annule"));
    EXPECT_EQ(tav.repText1.Text, dir_.path());
    EXPECT_TRUE(tav.RepDir.Visible);
    EXPECT_TRUE(tav.RepDrive.Visible);
    EXPECT_EQ(tav.RepDir.Path, dir_.path());
    EXPECT_EQ(tav.RepDir.items(), (QStringList{"..", "autre", "récolte"}));
    EXPECT_EQ(tav.RepDrive.ListIndex(), 1);  // the volume holding the folder

    // "Annule" keeps the folder; "Valider" takes the highlighted one.
    tav.RepDir.setListIndex(2);
    tav.RepDir_Click();
    EXPECT_EQ(tav.repText1.Text, chemin(QStringLiteral("récolte")));
    tav.cmdRep_Click(2);
    EXPECT_FALSE(tav.FraRep.Visible);
    EXPECT_EQ(RepImage, dir_.path());
    tav.MnuFIC_Click(11);
    tav.RepDir.setListIndex(2);
    tav.cmdRep_Click(0);
    EXPECT_EQ(RepImage, chemin(QStringLiteral("récolte")));
    EXPECT_FALSE(tav.FraRep.Visible);

    // In the block add, "Répertoire" opens the chooser; ".." there lists the folder above.
    tav.MnuCharg_Click(1);
    EXPECT_EQ(tav.ListRep.items(), QStringList{"r.png"});
    tav.cmdRep_Click(1);
    EXPECT_TRUE(tav.RepDir.Visible);
    EXPECT_EQ(tav.RepDir.items(), (QStringList{"..", "sous"}));
    tav.RepDir.setListIndex(0);
    tav.cmdRep_Click(0);
    EXPECT_EQ(RepImage, dir_.path());
    EXPECT_FALSE(tav.RepDir.Visible);
    EXPECT_EQ(tav.ListRep.items(), QStringList{});
    // "Annule" in the chooser goes back to the files and closes the list frame.
    tav.cmdRep_Click(1);
    tav.cmdRep_Click(2);
    EXPECT_FALSE(tav.RepDir.Visible);
    EXPECT_TRUE(tav.FraRep.Visible);
    EXPECT_FALSE(tav.FraListeImg.Visible);

    // A double click goes into a folder; a volume that cannot be read is said, and the
    // folder list stays where it was.
    tav.cmdRep_Click(1);
    tav.RepDir.setListIndex(2);
    tav.RepDir_DblClick();
    EXPECT_EQ(tav.RepDir.Path, chemin(QStringLiteral("récolte")));
    tav.RepDrive.setListIndex(2);
    {
        Prompts::Script script;
        script.message(QStringLiteral("lecteur inconnu"));
        tav.RepDrive_Change();
    }
    EXPECT_EQ(tav.RepDir.Path, chemin(QStringLiteral("récolte")));
    EXPECT_EQ(tav.RepDrive.ListIndex(), 1);
    tav.RepDrive.setListIndex(0);
    tav.RepDrive_Change();
    EXPECT_EQ(tav.RepDir.Path, QStringLiteral("/"));
    EXPECT_FALSE(tav.RepDir.items().contains(QStringLiteral("..")));
}

TEST_F(Panneau, LaPurgeRetireLesImagesInutiliseesEtRenumeroteTout) {
    // Seven images, rows on images 1, 2, 4, 5 and 7; 3 and 6 are used by no row.
    QStringList p;
    for (int i = 1; i <= 7; ++i) p << Image(QStringLiteral("i%1.png").arg(i));
    Charge_trame(p, {1, 2, 4, 5, 7, 4}, {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7});
    ASSERT_EQ(ListIMGchar.ListCount(), 7);
    // Images 6 and 7 in the group, image 7 shown.
    Choisit(ListIMGchar, {5, 6});
    tav.BoutMC_Click(0);
    ListIMGchar.setListIndex(6);
    tav.ListIMGchar_DblClick();
    ASSERT_EQ(IndexImageActive, 7);

    tav.MnuCharg_Click(2);
    EXPECT_EQ(tav.StatusBar.Text, QStringLiteral("Suppression des images inutiles du chargeur"));
    EXPECT_EQ(tav.FraRep.Caption, QStringLiteral("Images inutilisées"));
    EXPECT_EQ(tav.cmdRep(0).Caption, QStringLiteral("Effacer"));
    EXPECT_FALSE(tav.cmdRep(1).Visible);
    EXPECT_EQ(tav.ListRep.items(), (QStringList{"i3.png", "i6.png"}));
    EXPECT_EQ(ImagesInutilisees[0], 2);
    EXPECT_EQ(ImagesInutilisees[1], 5);
    EXPECT_EQ(ImagesInutilisees[2], -1);

    // Nothing selected: nothing goes.
    tav.cmdRep_Click(0);
    EXPECT_EQ(ListIMGchar.ListCount(), 7);

    Choisit(tav.ListRep, {0, 1});
    tav.cmdRep_Click(0);
    EXPECT_EQ(Noms(ListIMGchar), (QStringList{"i1.png", "i2.png", "i4.png", "i5.png", "i7.png"}));
    // Records and "img" cells: 7 is now 5, 4 is now 3.
    const QList<int> attendu{1, 2, 3, 4, 5, 3};
    for (int r = 1; r <= 6; ++r) {
        EXPECT_EQ(Trame(r).Image, attendu[r - 1]) << r;
        EXPECT_EQ(Img(r), QString::number(attendu[r - 1])) << r;
    }
    // Calibrations, the group and the image shown follow their pictures.
    const QList<double> facteurs{0.1, 0.2, 0.4, 0.5, 0.7};
    for (int n = 1; n <= 5; ++n) EXPECT_EQ(CalibrageImage[n], facteurs[n - 1]) << n;
    EXPECT_EQ(ListImgMC.items(), QStringList{p[6]});
    EXPECT_EQ(ListImgIdx.items(), QStringList{"4"});
    EXPECT_EQ(ImageMC[4], -1);
    EXPECT_EQ(ImageMC[5], 0);
    EXPECT_EQ(IndexImageActive, 5);
    EXPECT_EQ(NomImageActive, p[6]);
    EXPECT_EQ(Chargeur::Incoherence(), QString());
    // Listed again: nothing unused is left, and the pane stays open.
    EXPECT_EQ(tav.ListRep.ListCount(), 0);
    EXPECT_TRUE(tav.FraRep.Visible);
}

TEST_F(Panneau, LImageMontreeNEstJamaisInutilisee) {
    const QString a = Image(QStringLiteral("a.png")), b = Image(QStringLiteral("b.png"));
    Ouvre(a);
    Ouvre(b, false);
    tav.MnuCharg_Click(2);
    EXPECT_EQ(tav.ListRep.items(), QStringList{"a.png"});
    // Shown after the list was made, it is kept by the removal all the same.
    Choisit(tav.ListRep, {0});
    ListIMGchar.setListIndex(0);
    tav.ListIMGchar_DblClick();
    tav.cmdRep_Click(0);
    EXPECT_EQ(ListIMGchar.items(), (QStringList{a, b}));
    EXPECT_EQ(tav.ListRep.items(), QStringList{"b.png"});
    tav.cmdRep_Click(2);
    EXPECT_FALSE(tav.FraRep.Visible);

    // In multilayer mode the purge lists nothing.
    Coche_MC(0, true);
    tav.MnuCharg_Click(2);
    EXPECT_EQ(tav.ListRep.ListCount(), 0);
    EXPECT_EQ(ImagesInutilisees[0], -1);
    tav.cmdRep_Click(0);
    EXPECT_EQ(ListIMGchar.ListCount(), 2);
}

TEST_F(Panneau, LaPurgeRetireLesImagesListeesMemeApresUnChangementDuChargeur) {
    const QString a = Image(QStringLiteral("a.png")), b = Image(QStringLiteral("b.png")),
                  c = Image(QStringLiteral("c.png"));
    Ouvre(a), Ouvre(b, false), Ouvre(c, false);
    tav.MnuCharg_Click(2);
    ASSERT_EQ(tav.ListRep.items(), (QStringList{"a.png", "b.png"}));
    // The list cleared and loaded again in another order while the purge lines stay up.
    {
        Prompts::Script script;
        script.message(Question_vider(), Prompts::Yes);
        tav.MnuCharg_Click(3);
    }
    Ouvre(c), Ouvre(a, false), Ouvre(b, false);
    Choisit(tav.ListRep, {0});
    tav.cmdRep_Click(0);
    EXPECT_EQ(ListIMGchar.items(), (QStringList{c, b}));
}

TEST_F(Panneau, EffacerLaListeDemandeEtRefuseSousDesLignes) {
    const QString a = Image(QStringLiteral("a.png")), b = Image(QStringLiteral("b.png"));
    Ouvre(a);
    Ouvre(b, false);
    tav.BoutMC_Click(2);
    {
        Prompts::Script script;
        script.message(Question_vider(), Prompts::No);
        tav.MnuCharg_Click(3);
    }
    EXPECT_EQ(ListIMGchar.ListCount(), 2);
    EXPECT_EQ(ListImgMC.ListCount(), 2);
    {
        Prompts::Script script;
        script.message(Question_vider(), Prompts::Yes);
        tav.MnuCharg_Click(3);
    }
    EXPECT_EQ(ListIMGchar.ListCount(), 0);
    EXPECT_EQ(ListImgMC.ListCount(), 0);
    EXPECT_EQ(ListImgIdx.ListCount(), 0);
    EXPECT_EQ(ListImgAff.ListCount(), 0);
    EXPECT_EQ(ImageMC[0], 0);
    EXPECT_EQ(ImageMC[1], 0);
    EXPECT_EQ(IndexImageActive, 0);

    // Rows measured on the images: the list is kept under them, and the open does not
    // offer to clear it.
    Charge_trame({a, b}, {2}, {0.5, 0.25});
    tav.BoutMC_Click(2);
    {
        Prompts::Script script;
        script.message(QStringLiteral("  La table actuelle contient des données"));
        tav.MnuCharg_Click(3);
    }
    EXPECT_EQ(ListIMGchar.items(), (QStringList{a, b}));
    EXPECT_EQ(ListImgMC.ListCount(), 2);
    Ouvre(Image(QStringLiteral("c.png")));
    EXPECT_EQ(ListIMGchar.ListCount(), 3);
    EXPECT_EQ(IndexImageActive, 3);

    // Clearing the grid with the image list empties the group too.
    {
        Prompts::Script script;
        script.message(QStringLiteral("la liste d'images"), Prompts::Yes);
        tav.RAZ_Grille_total();
    }
    EXPECT_EQ(ListIMGchar.ListCount(), 0);
    EXPECT_EQ(ListImgMC.ListCount(), 0);
    EXPECT_EQ(ImageMC[0], 0);
    EXPECT_EQ(IndexImageActive, 0);
}

} // namespace
