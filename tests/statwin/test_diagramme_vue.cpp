// The diagram view as the user sees it. The picture of the window is saved in the test's
// folder, and also in the folder named by TAVIREL_CAPTURES when it is set, for a look by eye.
#include <QDir>

#include "tests/statwin/test_diagramme_commun.h"

namespace {

class VueDiagramme : public DiagrammeTest {};

TEST_F(VueDiagramme, LaFenetreMontreLeDessinASaTaille) {
    FenHisto& f = ouvrir();
    calculer(f, Exemple);
    f.MCheck1(2).setChecked(true);
    const QImage fenetre = f.grab().toImage();
    const QImage& dessin = f.MHistPic->surface().Image();
    EXPECT_EQ(dessin.size(), f.MHistPic->size());
    const QPoint p = f.MHistPic->surface().versPixels(6.0, 3.0).toPoint();
    EXPECT_EQ(fenetre.pixel(f.MHistPic->mapTo(&f, p)), dessin.pixel(p));
    EXPECT_TRUE(fenetre.save(chemin(QStringLiteral("diagramme.png"))));
    const QString dossier = qEnvironmentVariable("TAVIREL_CAPTURES");
    if (!dossier.isEmpty()) fenetre.save(QDir(dossier).filePath(QStringLiteral("diagramme.png")));
}

} // namespace
