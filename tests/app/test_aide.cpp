// The welcome text, the key memo, the calibration guide, the documentation, and the
// buttons of the text frame.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "app/aide.h"
#include "base/etat_demarrage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/messages.h"
#include "app/parametres.h"
#include "base/tav.h"
#include "measure/etat_mesure.h"
#include "platform/prompts.h"
#include "platform/shell_open.h"
#include "platform/textfile.h"
#include "platform/waits.h"
#include "tests/common/fixture.h"
#include "tests/common/limite_taille.h"
#include "base/etat_partage.h"
#include "image/etat_image.h"
#include "colour/etat_couleur.h"

namespace {

std::string s(const QString& q) { return q.toStdString(); }

class Aide : public EtatPropre {
protected:
    void SetUp() override {
        EtatPropre::SetUp();
        // The copied document goes to the temporary folder: this test's own.
        tmpdir_ = qgetenv("TMPDIR");
        qputenv("TMPDIR", dir_.path().toLocal8Bit());
    }
    void TearDown() override {
        if (tmpdir_.isNull()) qunsetenv("TMPDIR");
        else qputenv("TMPDIR", tmpdir_);
        EtatPropre::TearDown();
    }
    // The user closes the text frame (which saves the settings).
    void ferme_cadre() {
        tav.Bout_cadre_texte(34);
        ASSERT_FALSE(tav.Frame(9).Visible);
    }
    QByteArray tmpdir_;
    Tav& tav = *Tav::instance();
};

TEST_F(Aide, WelcomeTextIsShownLineByLine) {
    ASSERT_TRUE(TextFile::write(chemin("avert_fr.txt"), "  Bienvenue  \r\n\r\nLisez jusqu'au bout.\n"));
    ferme_cadre();
    LongueurPixels = 42;
    Prompts::Script script;
    Gen::Bienvenue();
    EXPECT_EQ(AvertissementAffiche, -1);
    EXPECT_TRUE(tav.Frame(9).Visible);
    EXPECT_EQ(s(tav.Frame(9).Caption), "Bienvenue sur Tavirel");
    EXPECT_EQ(s(tav.TBox(7).Text), "Bienvenue\r\n\r\nLisez jusqu'au bout.\r\n");
    EXPECT_EQ(s(tav.bout(33).Caption), " j'accepte");
    EXPECT_FALSE(tav.bout(33).Visible);
    EXPECT_FALSE(tav.bout(33).Enabled);
    EXPECT_EQ(s(tav.bout(34).Caption), " je refuse");
    EXPECT_TRUE(tav.bout(34).Enabled);
    EXPECT_TRUE(tav.Check(4).Visible);
    EXPECT_EQ(s(tav.TBox(5).Text), "42");
}

TEST_F(Aide, SkippedWelcomeOnlyHidesTheFrame) {
    tav.Check(4).Value = 1;
    tav.TBox(7).Text = QStringLiteral("avant");
    Prompts::Script script;  // the missing file is not even looked for
    Gen::Bienvenue();
    EXPECT_EQ(AvertissementAffiche, 0);
    EXPECT_FALSE(tav.Frame(9).Visible);
    EXPECT_EQ(s(tav.TBox(7).Text), "avant");
}

TEST_F(Aide, WelcomeTextFollowsTheLanguage) {
    ASSERT_TRUE(TextFile::write(chemin("avert_fr.txt"), "français\r\n"));
    CodeLangue = QStringLiteral("en");
    Prompts::Script script;
    script.message(chemin("avert_en.txt") + "  introuvable");
    Gen::Bienvenue();
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_TRUE(tav.TBox(7).Text.isEmpty());
}

TEST_F(Aide, KeyMemoAndCalibrationGuide) {
    // Closing either text before the warning was accepted brings the welcome text back.
    Prompts::Script script;
    script.message("avert_fr.txt  introuvable").message("avert_fr.txt  introuvable");
    tav.Mnuaide_Click(2);
    EXPECT_EQ(MemoClesAffiche, -1);
    const QString memo = tav.TBox(7).Text;
    EXPECT_TRUE(memo.startsWith(" Espace : grille\r\n ESC: annuler\r\n"));
    EXPECT_TRUE(memo.endsWith(" E : mode 3D, épaisseur\r\n\r\n\r\n"));  // entries 12, 13 empty
    tav.Bout_Click(34);
    EXPECT_EQ(MemoClesAffiche, 0);

    tav.Mnuaide_Click(5);
    EXPECT_EQ(ModeCalibrage, -1);
    const QStringList guide = tav.TBox(7).Text.split("\r\n");
    ASSERT_EQ(guide.size(), 12);  // eleven lines, each ended
    EXPECT_EQ(s(guide[6]), "   Tavirel est prêt à mesurer");
    EXPECT_EQ(s(guide[9]), "faire  'Fichier/sauver les paramètres'");
    tav.Bout_Click(34);
    EXPECT_EQ(ModeCalibrage, 0);
    EXPECT_EQ(AvertissementAffiche, -1);
}

TEST_F(Aide, DocumentationOpensWithTheDesktopViewer) {
    ferme_cadre();
    ShellOpen::Capture ouverts;
    {
        Prompts::Script script;
        script.message(chemin("Tavl2_fr.pdf") + "  introuvable");
        script.message("avert_fr.txt  introuvable");  // the welcome frame follows
        tav.Mnuaide_Click(3);
        EXPECT_EQ(script.remaining(), 0);
    }
    EXPECT_TRUE(ouverts.opened().isEmpty());
    EXPECT_TRUE(tav.Frame(9).Visible);

    ASSERT_TRUE(TextFile::write(chemin("Tavl2_en.pdf"), "%PDF-1.4\n"));
    CodeLangue = QStringLiteral("en");
    Prompts::Script script;
    tav.AFF_Aide_pdf();
    EXPECT_EQ(ouverts.opened(), QStringList{chemin("Tavl2_en.pdf")});
}

TEST_F(Aide, SecondDocumentIsCopiedToTheTemporaryFolder) {
    ferme_cadre();
    ShellOpen::Capture ouverts;
    {
        Prompts::Script script;  // no document: its message and nothing more
        script.message(chemin("Doc2_fr.pdf") + "  introuvable");
        tav.Mnuaide_Click(4);
        EXPECT_EQ(script.remaining(), 0);
    }
    EXPECT_FALSE(tav.Frame(9).Visible);

    ASSERT_TRUE(TextFile::write(chemin("Doc2_fr.pdf"), "%PDF-1.4\n"));
    ASSERT_TRUE(TextFile::write(chemin("avert_fr.txt"), "Bienvenue\r\n"));
    Waits::FakeClock horloge;
    Prompts::Script script;
    tav.Mnuaide_Click(4);
    EXPECT_EQ(s(Gen::Doc_temporaire()), s(chemin("Doc_fr.pdf")));
    EXPECT_TRUE(QFile::exists(chemin("Doc_fr.pdf")));
    EXPECT_EQ(DocPdfPrete, -1);
    EXPECT_EQ(ouverts.opened(), QStringList{chemin("Doc_fr.pdf")});
    EXPECT_TRUE(tav.Frame(9).Visible);
}

TEST_F(Aide, CopyThatNeverOpensGivesUpWithOneMessage) {
    ShellOpen::Capture ouverts;
    ASSERT_TRUE(TextFile::write(chemin("Doc2_fr.pdf"), "%PDF-1.4\n"));
    // A folder where the copy should go: the copy can never be opened as a file.
    ASSERT_TRUE(QDir(dir_.path()).mkdir("Doc_fr.pdf"));
    Waits::FakeClock horloge;
    Prompts::Script script;
    script.message(" pb chargement fic.aide");
    script.message("avert_fr.txt  introuvable");
    tav.Mnuaide_Click(4);
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_TRUE(ouverts.opened().isEmpty());
}

TEST_F(Aide, FailedCopyIsToldAndTheOlderCopyIsNotOpened) {
    ShellOpen::Capture ouverts;
    ASSERT_TRUE(TextFile::write(chemin("Doc2_fr.pdf"), QString(20000, QChar('d'))));
    ASSERT_TRUE(TextFile::write(chemin("Doc_fr.pdf"), "ancienne copie"));
    Waits::FakeClock horloge;
    Prompts::Script script;
    script.message(" pb chargement fic.aide");
    script.message("avert_fr.txt  introuvable");
    Sous_limite_de_taille(4096, [this] {   // the copy fails half way
        tav.Mnuaide_Click(4);
        return 0;
    });
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_TRUE(ouverts.opened().isEmpty());
    QString texte;
    ASSERT_TRUE(TextFile::read(chemin("Doc_fr.pdf"), texte));
    EXPECT_EQ(s(texte), "ancienne copie");
}

TEST_F(Aide, AcceptingTheWelcomeSavesTheSettings) {
    ASSERT_TRUE(TextFile::write(chemin("avert_fr.txt"), "Bienvenue\r\n"));
    Gen::Bienvenue();
    Prompts::Script script;
    script.message(" merci ");
    tav.Bout_cadre_texte(33);
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_FALSE(tav.Frame(9).Visible);
    EXPECT_TRUE(QFile::exists(Gen::Fichier_parametres()));
}

} // namespace
