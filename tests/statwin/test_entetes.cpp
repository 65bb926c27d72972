// The statistics window's captions: the built-in French ones at each activation, and
// those of a small language file written here.
#include "base/etat_programme.h"
#include "app/langue.h"
#include "base/messages.h"
#include "platform/textfile.h"
#include "tests/statwin/test_tests_commun.h"
#include "base/etat_partage.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"
#include "colour/etat_couleur.h"

namespace {

class Entetes : public VueStat {};

TEST_F(Entetes, FrenchCaptions) {
    FenHisto& f = fenetre();
    EXPECT_EQ(s(f.Mnstat(4).text()), "Tables stats");
    // Empty entries empty their captions.
    EXPECT_EQ(s(f.Mnstat(5).text()), "");
    EXPECT_EQ(s(f.MFrame1(1).title()), "");
    EXPECT_EQ(s(f.Mnstat6(1).text()), "sauver trame extraite");
    EXPECT_EQ(s(f.MCommand3(2).text()), "Copier");
    EXPECT_EQ(s(f.MCheck1(3).text()), "Echelle X fixe");
    EXPECT_EQ(s(f.Label4->text()), "Origine X");
    EXPECT_EQ(s(f.COption1(0).text()), "E-T Est.Moy.");
    EXPECT_EQ(s(f.COption1(1).text()), "E-T. échantillon");
    for (int i = 0; i <= 4; ++i) EXPECT_EQ(f.lblMoyenne(i + 1).text(), f.lblMoyenne(i + 6).text());
    EXPECT_EQ(s(f.lblMoyenne(3).text()), "risque  alpha %");
    EXPECT_EQ(s(f.Copt(4).text()), "Aff.Calc");
    EXPECT_EQ(s(f.ChoixComp(1).text()), "2 Echant.");
    // Not in the list: left as designed.
    EXPECT_EQ(s(f.Mnstat(15).text()), "Fermer Quenlor");
    EXPECT_EQ(s(f.Tblcopie(3).text()), "copier");
}

TEST_F(Entetes, CaptionsOfALanguageFile) {
    ASSERT_TRUE(TextFile::write(Messages::Fichier_langue(QStringLiteral("en")),
                                QStringLiteral("REM ; statistics window captions\r\n"
                                               "MNUSTAT ; captions\r\n"
                                               "#1;Scatter\r\n"
                                               "#41;  Mean  \r\n"
                                               "#51;Show calc.\r\n"
                                               "#55;Sample/Reference\r\n"
                                               "#22;\r\n"
                                               "#*;\r\n")));
    CodeLangue = QStringLiteral("en");
    Messages::Charge_Langue();
    ASSERT_EQ(s(Lib_MenuStat[41]), "Mean");

    // The next activation shows them.
    FenHisto& f = fenetre();
    EXPECT_EQ(s(f.Mnstat(1).text()), "Scatter");
    EXPECT_EQ(s(f.CmdHist1(1).text()), "Scatter");
    EXPECT_EQ(s(f.lblMoyenne(2).text()), "Mean");
    EXPECT_EQ(s(f.lblMoyenne(7).text()), "Mean");
    EXPECT_EQ(s(f.Copt(3).text()), "Show calc.");
    EXPECT_EQ(s(f.Copt(4).text()), "Show calc.");
    EXPECT_EQ(s(f.ChoixComp(0).text()), "Sample/Reference");
    EXPECT_EQ(s(f.MFrame1(0).title()), "");
    // Entries the file leaves alone keep their French texts.
    EXPECT_EQ(s(f.lblMoyenne(1).text()), "Effectif");
    EXPECT_EQ(s(f.Mnstat(2).text()), "Diagramme");
}

} // namespace
