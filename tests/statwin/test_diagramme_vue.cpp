// The diagram view as the user sees it. The picture of the window is saved in the test's
// folder, and also in the folder named by TAVIREL_CAPTURES when it is set, for a look by eye.
#include <QDir>
#include <QImage>

#include "tests/statwin/test_diagramme_commun.h"

namespace {

class VueDiagramme : public DiagrammeTest {
protected:
    void capturer(FenHisto& f, const QString& nom) {
        const QImage image = f.grab().toImage();
        ASSERT_FALSE(image.isNull());
        EXPECT_TRUE(image.save(chemin(nom)));
        const QString dossier = qEnvironmentVariable("TAVIREL_CAPTURES");
        if (!dossier.isEmpty()) image.save(QDir(dossier).filePath(nom));
    }
};

TEST_F(VueDiagramme, LaFenetreMontreLeDiagrammeEtSonResume) {
    FenHisto& f = ouvrir();
    calculer(f, Exemple);
    f.MCheck1(2).setChecked(true);
    f.MCommand2_Click();
    f.MHistPic_MouseUp(1, 0, 6.3, 0);
    f.MHistPic_MouseUp(1, 0, 5.9, 0);
    f.MCommand5_Click(3);
    f.MCommand5_Click(4);
    // The picture in the window is the surface drawn, at the widget's own size.
    const QImage fenetre = f.grab().toImage();
    const QPoint coin = f.MHistPic->mapTo(&f, QPoint(0, 0));
    const QImage& dessin = f.MHistPic->surface().Image();
    EXPECT_EQ(dessin.size(), f.MHistPic->size());
    const QPointF p = f.MHistPic->surface().versPixels(6.0, 3.0);
    EXPECT_EQ(fenetre.pixel(coin + p.toPoint()), dessin.pixel(p.toPoint()));
    capturer(f, QStringLiteral("diagramme.png"));
}

} // namespace
