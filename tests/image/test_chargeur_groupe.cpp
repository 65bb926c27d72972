// The multilayer group through its frame's buttons, its check boxes and the tools menu:
// who joins and leaves, the list frame in group mode, the framing kept across the group,
// and the calibration handed to the group.
#include <gtest/gtest.h>

#include "image/vue.h"
#include "platform/pressepapier.h"
#include "tests/image/aide_chargeur.h"

namespace {

using namespace AideChargeur;

class Groupe : public ChargeurTest {
protected:
    // Four pictures a, b, c, d opened in turn.
    QStringList Quatre_images() {
        QStringList p;
        for (const char* n : {"a.png", "b.png", "c.png", "d.png"}) {
            p << Image(QString::fromLatin1(n));
            Ouvre(p.back(), p.size() > 1 ? std::optional<bool>(false) : std::nullopt);
        }
        return p;
    }
    void Bouton(short i) { tav.BoutMC_Click(i); }
    QList<short> Drapeaux(int n) const {
        QList<short> d;
        for (int i = 0; i < n; ++i) d << ImageMC[i];
        return d;
    }
    // The list frame shown as the folder pane's block add shows it (here adding nothing).
    void Montre_cadre_liste() {
        tav.MnuCharg_Click(1);
        tav.cmdRep_Click(0);
        ASSERT_TRUE(tav.FraListeImg.Visible);
    }
};

TEST_F(Groupe, LesBoutonsFontEntrerEtSortirLesImages) {
    const QStringList p = Quatre_images();
    // ">" with nothing selected, then with b.
    Bouton(0);
    EXPECT_EQ(ListImgMC.ListCount(), 0);
    Choisit(ListIMGchar, {1});
    Bouton(0);
    EXPECT_EQ(ListImgMC.items(), QStringList{p[1]});
    // a, b and c selected: a joins, b is a member already and ends the transfer there.
    Choisit(ListIMGchar, {0, 1, 2});
    Bouton(0);
    EXPECT_EQ(ListImgMC.items(), (QStringList{p[1], p[0]}));
    EXPECT_EQ(ListImgIdx.items(), (QStringList{"1", "0"}));
    EXPECT_EQ(Drapeaux(4), (QList<short>{-1, -1, 0, 0}));

    // "<" without a group entry selected changes nothing; with b's entry, b alone leaves.
    Bouton(1);
    EXPECT_EQ(ListImgMC.ListCount(), 2);
    ListImgMC.setListIndex(0);
    Bouton(1);
    EXPECT_EQ(ListImgMC.items(), QStringList{p[0]});
    EXPECT_EQ(ListImgIdx.items(), QStringList{"0"});
    EXPECT_EQ(Drapeaux(4), (QList<short>{-1, 0, 0, 0}));
    // The entry gone, none is selected: a second press removes nothing more.
    Bouton(1);
    EXPECT_EQ(ListImgMC.items(), QStringList{p[0]});

    // ">>" twice gives the whole loader once, in its order.
    Bouton(2);
    Bouton(2);
    EXPECT_EQ(ListImgMC.items(), p);
    EXPECT_EQ(ListImgIdx.items(), (QStringList{"0", "1", "2", "3"}));
    EXPECT_EQ(Drapeaux(4), (QList<short>{-1, -1, -1, -1}));
    EXPECT_EQ(Chargeur::Incoherence(), QString());

    // "<<" empties it.
    Bouton(3);
    EXPECT_EQ(ListImgMC.ListCount(), 0);
    EXPECT_EQ(ListImgIdx.ListCount(), 0);
    EXPECT_EQ(Drapeaux(4), (QList<short>{0, 0, 0, 0}));
}

TEST_F(Groupe, LeToutSurUnChargeurVideNeDonneRien) {
    Bouton(2);
    EXPECT_EQ(ListImgMC.ListCount(), 0);
    EXPECT_EQ(ListImgIdx.ListCount(), 0);
}

TEST_F(Groupe, LeCadreSOuvreSeFermeEtLeModeRegleSesCommandes) {
    EXPECT_FALSE(tav.FraMC(0).Visible);
    tav.cmdChargeMC_Click();
    EXPECT_TRUE(tav.FraMC(0).Visible);
    EXPECT_EQ(tav.FraMC(0).Left, tav.Picture1.Left + 100);
    EXPECT_EQ(tav.FraMC(0).Top, tav.Picture1.Top + 5000);
    EXPECT_EQ(tav.StatusBar.Text, Lib_Langue[68]);
    tav.Mntool_Click(3);  // the tools menu's "Groupage MC" does the same
    EXPECT_FALSE(tav.FraMC(0).Visible);
    EXPECT_EQ(tav.StatusBar.Text, QString());

    EXPECT_FALSE(tav.chkMC(1).Enabled);
    EXPECT_FALSE(tav.Mntool(6).Enabled);
    Coche_MC(0, true);
    EXPECT_TRUE(tav.chkMC(1).Enabled);
    EXPECT_TRUE(tav.Mntool(6).Enabled);
    tav.cmdChargeMC_Click();
    Coche_MC(0, false);
    EXPECT_FALSE(tav.chkMC(1).Enabled);
    EXPECT_FALSE(tav.Mntool(6).Enabled);
    EXPECT_FALSE(tav.FraMC(0).Visible);

    // "OK" closes the frame and the list frame with it, ending the text frame's dialogue.
    Quatre_images();
    Montre_cadre_liste();
    tav.MnuEDit_Click(1);
    ASSERT_TRUE(tav.Frame(10).Visible);
    tav.cmdChargeMC_Click();
    Bouton(4);
    EXPECT_FALSE(tav.FraMC(0).Visible);
    EXPECT_FALSE(tav.FraListeImg.Visible);
    EXPECT_FALSE(tav.Frame(10).Visible);
}

TEST_F(Groupe, LeCadreDeListeMontreLeGroupeEtGardeLeCadrage) {
    const QStringList p = Quatre_images();
    Calibrage_en_vigueur(QStringLiteral("0,5"));
    Montre_cadre_liste();
    EXPECT_EQ(ListImgAff.items(), (QStringList{"a.png", "b.png", "c.png", "d.png"}));
    Choisit(ListIMGchar, {2});
    Bouton(0);
    Choisit(ListIMGchar, {0});
    Bouton(0);
    Coche_MC(0, true);
    EXPECT_EQ(ListImgAff.items(), (QStringList{"c.png", "a.png"}));

    // A click on the group's first name shows c, keeping the framing of the picture before.
    BGr::Decale_vue(-300, -200);
    const int ox = OrigineX, oy = OrigineY;
    ASSERT_NE(ox, 0);
    ListImgAff.setListIndex(0);
    tav.ListImgAff_Click();
    EXPECT_EQ(IndexImageActive, 3);
    EXPECT_EQ(NomImageActive, p[2]);
    EXPECT_EQ(tav.listImgTxt.Text, p[2]);
    EXPECT_EQ(OrigineX, ox);
    EXPECT_EQ(OrigineY, oy);
    EXPECT_EQ(CalibrageActuel, 1.0);
    // A double click on the group's second entry shows a.
    ListImgMC.setListIndex(1);
    tav.ListImgMC_DblClick();
    EXPECT_EQ(IndexImageActive, 1);
    EXPECT_EQ(NomImageActive, p[0]);

    // Out of group mode the list is the loader's again, and a picture opens at the origin.
    Coche_MC(0, false);
    EXPECT_EQ(ListImgAff.ListCount(), 4);
    ListImgAff.setListIndex(3);
    tav.ListImgAff_Click();
    EXPECT_EQ(IndexImageActive, 4);
    EXPECT_EQ(OrigineX, 0);
    EXPECT_EQ(OrigineY, 0);
}

TEST_F(Groupe, LeCalibrageDeLImageMontreeVaAuGroupe) {
    Coche_MC(0, true);
    {
        Prompts::Script script;
        script.message(QStringLiteral("Le chargeur MC est vide"));
        tav.Mntool_Click(6);
    }
    const QStringList p = Quatre_images();  // all four in the group, at 1.0
    Bouton(3);
    Calibrage_en_vigueur(QStringLiteral("0,5"));
    Ouvre(Image(QStringLiteral("e.png")), false);  // e at 0.5, shown, joins the group
    Choisit(ListIMGchar, {1, 2});
    Bouton(0);
    // The calibration in force then changes; the stored factor of e is what goes.
    Calibrage_en_vigueur(QStringLiteral("0,125"));
    const QString question = QStringLiteral("Appliquer le calibrage de l'image à toutes les images du groupe MC\r\n continuer ? ");
    {
        Prompts::Script script;
        script.message(question, Prompts::No);
        tav.Mntool_Click(6);
    }
    EXPECT_EQ(CalibrageImage[2], 1.0);
    {
        Prompts::Script script;
        script.message(question, Prompts::Yes);
        tav.Mntool_Click(6);
        EXPECT_EQ(script.seen().back().title, QStringLiteral("Attention !"));
    }
    EXPECT_EQ(CalibrageImage[2], 0.5);
    EXPECT_EQ(CalibrageImage[3], 0.5);
    EXPECT_EQ(CalibrageImage[5], 0.5);
    EXPECT_EQ(CalibrageImage[1], 1.0);
    EXPECT_EQ(CalibrageImage[4], 1.0);

    // With a pasted picture shown there is no image whose factor could go: refused.
    PressePapier::Simule presse;
    presse.image = QImage(64, 48, QImage::Format_RGB32);
    tav.MnuFIC_Click(4);
    ASSERT_EQ(IndexImageActive, 0);
    tav.Mntool_Click(6);
    EXPECT_EQ(CalibrageImage[2], 0.5);
    EXPECT_EQ(CalibrageImage[3], 0.5);
}

} // namespace
