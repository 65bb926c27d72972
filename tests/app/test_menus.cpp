// The measuring window's menus: their effect on the settings, the grid and the files.
#include <gtest/gtest.h>

#include <QFile>
#include <QCoreApplication>
#include <QTimer>

#include "app/aide.h"
#include "base/etat_programme.h"
#include "base/messages.h"
#include "app/parametres.h"
#include "base/tav.h"
#include "base/vb.h"
#include "grid/etat_grille.h"
#include "base/grilles.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"
#include "platform/prompts.h"
#include "platform/textfile.h"
#include "tests/common/fixture.h"
#include "base/etat_partage.h"
#include "colour/etat_couleur.h"

namespace {

std::string s(const QString& q) { return q.toStdString(); }

class Menus : public EtatPropre {
protected:
    void SetUp() override {
        EtatPropre::SetUp();
        tmpdir_ = qgetenv("TMPDIR");
        qputenv("TMPDIR", dir_.path().toLocal8Bit());
    }
    void TearDown() override {
        if (tmpdir_.isNull()) qunsetenv("TMPDIR");
        else qputenv("TMPDIR", tmpdir_);
        EtatPropre::TearDown();
    }
    // Two measured rows of the segment function.
    void deux_lignes() {
        {
            Prompts::Script script;
            tav.MnuFonc_Click(1);
        }
        GrilleRef.setTextMatrix(1, 1, QStringLiteral("12,50"));
        GrilleRef.setTextMatrix(2, 1, QStringLiteral("13,00"));
        NbLignesGrille = 3;
    }
    QByteArray tmpdir_;
    Tav& tav = *Tav::instance();
};

TEST_F(Menus, RadioOptionsSetTheirSetting) {
    tav.mnFormat_Click(1);
    EXPECT_EQ(s(ExtExport), "txt");
    EXPECT_FALSE(tav.mnFormat(0).Checked);
    EXPECT_TRUE(tav.mnFormat(1).Checked);
    tav.mnFormat_Click(0);
    EXPECT_EQ(s(ExtExport), "csv");
    EXPECT_FALSE(tav.mnFormat(1).Checked);

    tav.Pclic_Click(4);
    EXPECT_EQ(TolClic, 40);
    tav.Pclic_Click(1);
    EXPECT_EQ(TolClic, 10);
    EXPECT_FALSE(tav.Pclic(4).Checked);
    tav.Pclic_Click(9);  // no such item
    EXPECT_EQ(TolClic, 10);

    tav.TTrace_Click(5);
    EXPECT_EQ(EpaisseurTrait, 5);
    EXPECT_FALSE(tav.TTrace(1).Checked);
    EXPECT_FALSE(tav.TTrace(2).Checked);
    EXPECT_TRUE(tav.TTrace(5).Checked);
    tav.TTrace_Click(3);  // no such item
    EXPECT_EQ(EpaisseurTrait, 5);
    EXPECT_FALSE(tav.TTrace.existe(3));
}

TEST_F(Menus, FunctionChoiceOnAnEmptyGridAsksNothing) {
    Prompts::Script script;
    tav.MnuFonc_Click(2);
    EXPECT_EQ(NumFonction, 2);
    EXPECT_EQ(NbLignesGrille, 1);
    EXPECT_EQ(GrilleRef.Cols(), 7);
    EXPECT_EQ(s(GrilleRef.TextMatrix(0, 1)), "Long.");
    EXPECT_TRUE(tav.bout(42).Visible);
    EXPECT_TRUE(tav.MnuFonc(6).Enabled);
}

TEST_F(Menus, FunctionChoiceKeepsAGridUnlessTheUserAgrees) {
    deux_lignes();
    {
        Prompts::Script script;  // the function in use: nothing asked, nothing changed
        tav.MnuFonc_Click(1);
    }
    EXPECT_EQ(NbLignesGrille, 3);
    EXPECT_EQ(s(GrilleRef.TextMatrix(2, 1)), "13,00");
    {
        Prompts::Script script;
        script.message("effacer la grille  ?", Prompts::No);
        tav.MnuFonc_Click(3);
        EXPECT_EQ(script.remaining(), 0);
    }
    EXPECT_EQ(NumFonction, 1);
    EXPECT_EQ(s(GrilleRef.TextMatrix(1, 1)), "12,50");
    {
        Prompts::Script script;
        script.message("effacer la grille  ?", Prompts::Yes);
        tav.MnuFonc_Click(3);
    }
    EXPECT_EQ(NumFonction, 3);
    EXPECT_EQ(NbLignesGrille, 1);
    EXPECT_TRUE(GrilleRef.TextMatrix(1, 1).isEmpty());
    EXPECT_EQ(s(GrilleRef.TextMatrix(0, 3)), "épais.");
}

TEST_F(Menus, CountingClearsTheGridAfterTheQuestion) {
    deux_lignes();
    {
        Prompts::Script script;
        script.message("effacer la grille  ?", Prompts::No);
        tav.Mncp_Click(2);
    }
    EXPECT_EQ(NumFonction, 1);
    EXPECT_EQ(NbLignesGrille, 3);
    {
        Prompts::Script script;
        script.message("effacer la grille  ?", Prompts::Yes);
        tav.Mncp_Click(2);
    }
    EXPECT_EQ(NumFonction, 11);
    EXPECT_EQ(ModeComptage, -1);
    EXPECT_EQ(ClicArme, -1);
    EXPECT_EQ(s(tav.TBox(6).Text), "0");
    EXPECT_EQ(NbLignesGrille, 1);
    EXPECT_TRUE(GrilleRef.TextMatrix(1, 1).isEmpty());
    EXPECT_FALSE(tav.MnuFIC(9).Enabled);
    EXPECT_FALSE(tav.bout(9).Enabled);
    EXPECT_EQ(s(tav.StatusBar.Text), "marquer les bosses externes");
}

TEST_F(Menus, FileMenuSavesSettingsAndMeasurements) {
    Prompts::Script script;
    tav.MnuFIC_Click(8);
    EXPECT_TRUE(QFile::exists(Gen::Fichier_parametres()));

    deux_lignes();
    GrilleRef.setTextMatrix(2, GrilleRef.Cols() - 1, QStringLiteral("récolte du 3 mai"));
    const QString trame = chemin("essai.trm");
    script.save(trame);
    tav.MnuFIC_Click(9);
    EXPECT_TRUE(QFile::exists(trame));

    // Loading it back: the question (the grid holds rows), the file, the same rows with
    // their comments (the lengths are recomputed from the clicked points).
    Prompts::Script lecture;
    lecture.message("La table actuelle contient des données", Prompts::Yes).open(trame);
    tav.MnuFIC_Click(10);
    EXPECT_EQ(lecture.remaining(), 0);
    EXPECT_EQ(NumFonction, 1);
    EXPECT_EQ(NbLignesGrille, 3);
    EXPECT_EQ(s(GrilleRef.TextMatrix(2, GrilleRef.Cols() - 1)), "récolte du 3 mai");
    // The file names no picture: none is shown, and clicks wait for one to be opened.
    EXPECT_EQ(IndexImageActive, 0);
    EXPECT_EQ(InitFaite, 0);
}

TEST_F(Menus, QuitRemovesTheCopiedDocumentAndAsks) {
    ASSERT_TRUE(TextFile::write(Gen::Doc_temporaire(), "%PDF\n"));
    Prompts::Script script;
    script.message("Voulez-vous vraiment quitter Tavirel ?", Prompts::No);
    tav.MnuFIC_Click(12);
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_FALSE(QFile::exists(Gen::Doc_temporaire()));
}

TEST_F(Menus, FolderMenuAndEditMenu) {
    Prompts::Script script;
    tav.MnuFIC_Click(11);
    EXPECT_EQ(s(tav.StatusBar.Text), "Choisir le Répertoire Image");
    EXPECT_EQ(FonctionRep, 0);

    // The CSV import cancelled: the grid stays, its statistics are recomputed.
    deux_lignes();
    script.message("La table actuelle contient des données", Prompts::Yes).open(std::nullopt);
    tav.MnuEDit_Click(8);
    EXPECT_EQ(NbLignesGrille, 3);
    EXPECT_EQ(s(GrilleRefP.TextMatrix(1, 1)), "12,75");  // the mean of the two rows
}

TEST_F(Menus, AnErrorLeftByAHandlerIsShownAndTheProgramGoesOn) {
    Prompts::Script script;
    script.message(QStringLiteral("alerte 6 : Overflow"));
    QTimer::singleShot(0, [] { throw Vb::Erreur(Vb::ErrDepassement, "Overflow"); });
    QCoreApplication::processEvents();
    EXPECT_EQ(script.remaining(), 0);
}

} // namespace
