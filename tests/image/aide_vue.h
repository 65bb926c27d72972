#pragma once
// Shared set-up of the view's tests: a window whose view is 600 x 450 pixels, pictures of
// known quadrants written to the test folder and opened as the file menu opens them, the
// colour of a pixel, and the test output folder where the views are kept as PNG files.
#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>

#include "base/etat_partage.h"
#include "base/tav.h"
#include "image/etat_image.h"
#include "image/services_image.h"
#include "tests/common/fixture.h"

namespace AideVue {

// Colours as the screen shows them, 0xRRGGBB.
constexpr unsigned Rouge = 0xFF0000, Vert = 0x00FF00, Bleu = 0x0000FF, Magenta = 0xFF00FF, Noir = 0x000000,
                   Blanc = 0xFFFFFF;

inline unsigned Px(const QImage& i, int x, int y) { return i.pixel(x, y) & 0xFFFFFF; }

// A picture in four quadrants: red top left, magenta top right, blue bottom left, black
// bottom right (no green: the thumbnail's rectangle is green).
inline QImage Quadrants(int w, int h) {
    QImage i(w, h, QImage::Format_RGB32);
    QPainter p(&i);
    p.fillRect(0, 0, w / 2, h / 2, QColor(Rouge));
    p.fillRect(w / 2, 0, w - w / 2, h / 2, QColor(Magenta));
    p.fillRect(0, h / 2, w / 2, h - h / 2, QColor(Bleu));
    p.fillRect(w / 2, h / 2, w - w / 2, h - h / 2, QColor(Noir));
    return i;
}

// Where the tests leave the pictures a reader may look at: inside the build tree.
inline QString Dossier_sortie() {
    const QString d = QCoreApplication::applicationDirPath() + QStringLiteral("/sortie_tests");
    QDir().mkpath(d);
    return d;
}

inline bool Sortie(const QImage& i, const QString& nom) {
    return i.save(Dossier_sortie() + QLatin1Char('/') + nom + QStringLiteral(".png"), "PNG");
}

// The view's tests: the program after start-up, its window 12180 x 8810 twips with
// borders of 120 and 1000, so that the view is 9060 x 6810 twips outside, a border of
// 30, and 9000 x 6750 inside: 600 x 450 pixels.
class VueTest : public EtatPropre {
protected:
    void SetUp() override {
        EtatPropre::SetUp();
        Fenetre(12180, 8810);
    }
    void Fenetre(int largeur, int hauteur, short etat = 0) {
        tav.Fenetre.Width = largeur;
        tav.Fenetre.Height = hauteur;
        tav.Fenetre.ScaleWidth = largeur - 120;
        tav.Fenetre.ScaleHeight = hauteur - 1000;
        tav.WindowState = etat;
        tav.Form_Resize();
    }
    // Writes the picture to the test folder and opens it as the file menu does: the holder
    // is loaded, then the view cleared and opened at "Z1".
    QString Ouvre(const QImage& image, const QString& nom = QStringLiteral("quadrants.png")) {
        const QString p = chemin(nom);
        EXPECT_TRUE(image.save(p));
        EXPECT_TRUE(BGr::Charge_image_base(p));
        BGr::Efface_vue();
        return p;
    }
    const QImage& Vue() const { return tav.Picture1.Image(); }
    Tav& tav = *Tav::instance();
};

} // namespace AideVue
