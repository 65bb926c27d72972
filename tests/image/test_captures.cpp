// Screen and work-area copies, and the saves of the acquired picture and of the view:
// the names proposed, the save dialog, the scope, the file written and its failures.
#include <QDir>
#include <QFile>

#include "base/etat_demarrage.h"
#include "image/captures.h"
#include "image/services_image.h"
#include "platform/capture_ecran.h"
#include "platform/prompts.h"
#include "tests/image/aide_vue.h"
#include "tests/statwin/aide_statwin.h"

namespace {

using namespace AideVue;

class Captures : public VueTest {
protected:
    // Opens a picture file as the file menu does.
    void Ouvre_fichier(const QString& nom) {
        const QString p = chemin(nom);
        ASSERT_TRUE(Quadrants(40, 30).save(p, "PNG"));
        Prompts::Script script;
        if (ListIMGchar.ListCount() > 0) script.message(QString(), Prompts::No);
        script.open(p);
        Gen::Ouvre_image();
    }
    // The name the copy's dialog proposes for a context, the dialog cancelled.
    QString Propose(float contexte) {
        Prompts::Script script;
        script.save(std::nullopt);
        Gen::Copie_ecran(QStringLiteral("essai"), contexte);
        EXPECT_EQ(script.seen().size(), 1u);
        return script.seen().empty() ? QString() : script.seen()[0].proposedName;
    }
    // The scope menu's check marks, as the menu leaves them.
    void Etendue(short item) {
        tav.Mn_Copie_Ecran(1).Checked = item == 1;
        tav.Mn_Copie_Ecran(2).Checked = item == 2;
    }
};

// With no picture file shown the context names the copy; with one, its name before its
// first dot, whatever the context. The dialog starts in the data folder with the BMP
// filter and the all-files one.
TEST_F(Captures, DefaultNames) {
    RepData = chemin(QStringLiteral("donnees"));
    EXPECT_EQ(Propose(1.0f), QStringLiteral("ecran_mesures.bmp"));
    EXPECT_EQ(Propose(2.0f), QStringLiteral("ecran_diagramme.bmp"));
    Ouvre_fichier(QStringLiteral("spore.x.y.png"));
    for (float c : {1.0f, 2.0f, 3.0f}) EXPECT_EQ(Propose(c), QStringLiteral("ecran_spore.bmp"));
    Prompts::Script script;
    script.save(std::nullopt);
    Gen::Copie_ecran(QString(), 1.0f);
    EXPECT_EQ(script.seen()[0].folder, RepData);
    EXPECT_EQ(script.seen()[0].filter, QStringLiteral("*.bmp|*.bmp|Tous les fichiers (*.*)|*.*"));
}

// No scope checked: nothing is asked and nothing written.
TEST_F(Captures, NoScopeAsksNothing) {
    Etendue(0);
    Prompts::Script script;  // any prompt fails the test
    Gen::Copie_ecran(QString(), 1.0f);
    EXPECT_TRUE(script.seen().empty());
}

// The whole screen (the start-up scope) is copied once and written as it showed; the
// work area of the measuring window is its view as drawn.
TEST_F(Captures, ScreenAndWorkArea) {
    ASSERT_TRUE(tav.Mn_Copie_Ecran(1).Checked);
    QImage ecran(64, 48, QImage::Format_RGB32);
    ecran.fill(QColor(10, 200, 30));
    CaptureEcran::Simule simule(ecran);
    const QString p = chemin(QStringLiteral("ecran.bmp"));
    {
        Prompts::Script script;
        script.save(p);
        Gen::Copie_ecran(QString(), 1.0f);
    }
    EXPECT_EQ(simule.copies(), 1);
    EXPECT_EQ(QImage(p).convertToFormat(QImage::Format_RGB32), ecran);

    Etendue(2);
    Ouvre_fichier(QStringLiteral("zone.png"));
    const QString z = chemin(QStringLiteral("zone.bmp"));
    {
        Prompts::Script script;
        script.save(z);
        Gen::Copie_ecran(QString(), 1.0f);
    }
    EXPECT_EQ(simule.copies(), 1);
    EXPECT_EQ(QImage(z).convertToFormat(QImage::Format_RGB32), Vue().convertToFormat(QImage::Format_RGB32));
}

// An existing file: Cancel to the overwrite question leaves it untouched; OK replaces it.
// A copy that cannot be taken or written says so with the path.
TEST_F(Captures, OverwriteAndFailures) {
    const QString p = chemin(QStringLiteral("deja.bmp"));
    QFile f(p);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("ancien");
    f.close();
    QImage ecran(16, 12, QImage::Format_RGB32);
    ecran.fill(Qt::blue);
    {
        CaptureEcran::Simule simule(ecran);
        Prompts::Script script;
        script.save(p).message(QStringLiteral("écraser le fichier existant ?"), Prompts::Cancel);
        Gen::Copie_ecran(QString(), 1.0f);
        EXPECT_EQ(script.remaining(), 0);
        EXPECT_EQ(simule.copies(), 0);
    }
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("ancien"));
    f.close();
    {
        CaptureEcran::Simule simule(ecran);
        Prompts::Script script;
        script.save(p).message(QStringLiteral("écraser"), Prompts::Ok);
        Gen::Copie_ecran(QString(), 1.0f);
    }
    EXPECT_EQ(QImage(p).size(), QSize(16, 12));
    {
        CaptureEcran::Simule refus{QImage()};
        Prompts::Script script;
        const QString q = chemin(QStringLiteral("refus.bmp"));
        script.save(q).message(q);
        Gen::Copie_ecran(QString(), 1.0f);
        EXPECT_EQ(script.remaining(), 0);
        EXPECT_FALSE(QFile::exists(q));
    }
    {
        CaptureEcran::Simule simule(ecran);
        Prompts::Script script;
        const QString q = chemin(QStringLiteral("absent/x.bmp"));
        script.save(q).message(QStringLiteral("erreur fichier"));
        Gen::Copie_ecran(QString(), 1.0f);
        EXPECT_EQ(script.remaining(), 0);
    }
}

// The scanner menu's saves: the picture held and the view, proposed as "Twain_ImageTwain".
TEST_F(Captures, PictureAndViewSaves) {
    Ouvre_fichier(QStringLiteral("piece.png"));
    const QString a = chemin(QStringLiteral("image.bmp")), b = chemin(QStringLiteral("cadre.bmp"));
    {
        Prompts::Script script;
        script.save(a).save(b);
        tav.MnuTwain_Click(3);
        tav.MnuTwain_Click(4);
        EXPECT_EQ(script.seen()[0].proposedName, QStringLiteral("Twain_ImageTwain.bmp"));
    }
    EXPECT_EQ(QImage(a).convertToFormat(QImage::Format_RGB32), Quadrants(40, 30));
    EXPECT_EQ(QImage(b).convertToFormat(QImage::Format_RGB32), Vue().convertToFormat(QImage::Format_RGB32));
    // The dialog cancelled: nothing written.
    Prompts::Script script;
    script.save(std::nullopt);
    tav.MnuTwain_Click(3);
    EXPECT_EQ(QDir(dir_.path()).entryList({QStringLiteral("*.bmp")}).size(), 2);
}

// The statistics window's two copy buttons, work-area scope: the diagram and the plot,
// named after the view shown.
using CapturesStatistiques = FenetreActive;

TEST_F(CapturesStatistiques, CopyButtonsWriteTheirPictures) {
    Tav& tav = *Tav::instance();
    tav.Mn_Copie_Ecran(1).Checked = false;
    tav.Mn_Copie_Ecran(2).Checked = true;
    FenHisto& f = activer();
    const QString d = chemin(QStringLiteral("diagramme.bmp")), h = chemin(QStringLiteral("nuage.bmp"));
    QString premier;
    {
        Prompts::Script script;
        script.save(d).save(h);
        f.cmdCopie_Ecran->click();
        f.CmdHist(0).click();
        ASSERT_EQ(script.seen().size(), 2u);
        EXPECT_EQ(script.seen()[0].proposedName, QStringLiteral("ecran_diagramme.bmp"));
        premier = script.seen()[1].proposedName;
        EXPECT_EQ(premier, f.ModeHisto ? QStringLiteral("ecran_Histogramme.bmp") : QStringLiteral("ecran_Nuage.bmp"));
    }
    EXPECT_EQ(QImage(d).convertToFormat(QImage::Format_RGB32),
              f.MHistPic->surface().Image().convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(QImage(h).convertToFormat(QImage::Format_RGB32),
              f.HistPicHist->surface().Image().convertToFormat(QImage::Format_RGB32));
    // The other plot gives the other name.
    f.CmdHist1(0).click();
    Prompts::Script script;
    script.save(std::nullopt);
    f.CmdHist(0).click();
    const QString second = script.seen()[0].proposedName;
    EXPECT_NE(second, premier);
    EXPECT_TRUE(second == QStringLiteral("ecran_Histogramme.bmp") || second == QStringLiteral("ecran_Nuage.bmp"));
}

} // namespace
