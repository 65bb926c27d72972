// Annotations with the reference option: the same marks on the full-size copy, where the
// user clicked on the picture, and the copy written beside the picture by "Enregistre".
#include <QDir>
#include <QFile>

#include "image/services_image.h"
#include "platform/pointeur.h"
#include "platform/prompts.h"
#include "tests/image/aide_annotations.h"

namespace {

using namespace AideAnnotations;

class Copie : public AnnotationTest {
protected:
    // A picture whose colour tells the pixel: red grows with x, green with y.
    static QImage Degrade(int w, int h) {
        QImage i(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) i.setPixel(x, y, qRgb(x * 255 / (w - 1), y * 255 / (h - 1), 40));
        return i;
    }
    // Opens a picture file as the file menu does (an earlier list is kept).
    void Ouvre_fichier(const QString& chemin) {
        Prompts::Script script;
        if (ListIMGchar.ListCount() > 0) script.message(QString(), Prompts::No);
        script.open(chemin);
        Gen::Ouvre_image();
        ASSERT_EQ(NomImageActive, chemin);
    }
    QString Ecrit(const QImage& i, const QString& nom) {
        const QString p = chemin(nom);
        QDir().mkpath(QFileInfo(p).absolutePath());
        EXPECT_TRUE(i.save(p, "PNG"));
        return p;
    }
    // The point of the copy under the first cross of a bar: the bar's row is the longest
    // unbroken run of marks on a row (a text has gaps), the cross's arm the first longest
    // unbroken run down a column along it.
    static QPoint Centre_croix(const QImage& copie, const QImage& base) {
        const auto marque = [&](int x, int y) { return Px(copie, x, y) != Px(base, x, y); };
        int meilleure = 0, ligne = 0, debut = 0;
        for (int y = 0; y < copie.height(); ++y)
            for (int x = 0, n = 0; x < copie.width(); ++x) {
                n = marque(x, y) ? n + 1 : 0;
                if (n > meilleure) {
                    meilleure = n;
                    ligne = y;
                    debut = x - n + 1;
                }
            }
        int haute = 0, colonne = debut;
        for (int x = debut; x < debut + meilleure; ++x) {
            int n = 0, plus = 0;
            for (int y = std::max(0, ligne - 60); y < std::min(copie.height(), ligne + 60); ++y) {
                n = marque(x, y) ? n + 1 : 0;
                plus = std::max(plus, n);
            }
            if (plus > haute) {
                haute = plus;
                colonne = x;
            }
        }
        // The bar and the arm are a few pixels thick: their middles.
        int y1 = ligne;
        while (y1 + 1 < copie.height() && marque(colonne - 5, y1 + 1)) ++y1;
        int x1 = colonne;
        while (x1 + 1 < copie.width() && marque(x1 + 1, ligne - 8)) ++x1;
        return QPoint((colonne + x1) / 2, (ligne + y1) / 2);
    }
    // The picture's pixel a colour of the gradient comes from.
    static QPointF Pixel_de(QRgb c, int w, int h) {
        return QPointF(qRed(c) * (w - 1) / 255.0, qGreen(c) * (h - 1) / 255.0);
    }
};

// At two levels and after a pan, the cross on the copy lands on the picture's pixel that
// was under the click; the copy holds the picture everywhere else.
TEST_F(Copie, MarksLandOnTheClickedPixel) {
    Ouvre_fichier(Ecrit(Degrade(1000, 750), QStringLiteral("degrade.png")));
    Reference_sur_image();
    struct Cas {
        short niveau;
        int dx, dy;  // a pan of the view
        int vx, vy;  // the click, view pixels
    };
    for (const Cas& c : {Cas{0, 0, 0, 300, 220}, Cas{-4, 0, 0, 560, 420}, Cas{-4, -1000, -600, 560, 420}}) {
        SCOPED_TRACE(testing::Message() << c.niveau << " " << c.dx);
        tav.Vald_Click(3);  // a clean copy for each
        Niveau(c.niveau);
        if (c.dx || c.dy) BGr::Decale_vue(c.dx, c.dy);
        const int vx = c.vx, vy = c.vy;
        const QPointF vise = Pixel_de(Vue().pixel(vx, vy), 1000, 750);
        Barre(vx * 15, vy * 15, QStringLiteral("50"));
        Dialogue_clos();
        const QImage& copie = tav.Picture2.Image();
        ASSERT_EQ(copie.size(), QSize(1000, 750));
        const QPoint centre = Centre_croix(copie, tav.picbase.Image());
        // A view pixel covers up to three of the picture's at level 0.
        EXPECT_NEAR(centre.x(), vise.x(), 3);
        EXPECT_NEAR(centre.y(), vise.y(), 3);
        EXPECT_LT(Differences(copie, tav.picbase.Image()).size(), 1000 * 750 / 20);
        EXPECT_TRUE(tav.Frame(13).Visible);
        EXPECT_TRUE(tav.Vald(2).Enabled);
    }
    Sortie(tav.Picture1.Image(), QStringLiteral("annotations_vue_annotee"));
}

// A label's marks on the copy are those of the same picture at 96 dpi, whatever its file's
// dpi; choosing again the loader entry of the picture shown keeps its unsaved copy.
TEST_F(Copie, LabelSizeIgnoresTheFilesDpiAndTheCopyStaysWithItsPicture) {
    QList<QPoint> reference;
    Reference_sur_image();
    for (int dpi : {96, 72, 300, 10}) {
        SCOPED_TRACE(dpi);
        QImage i = Degrade(400, 300);
        i.setDotsPerMeterX(qRound(dpi / 0.0254)), i.setDotsPerMeterY(qRound(dpi / 0.0254));
        Ouvre_fichier(Ecrit(i, QStringLiteral("dpi%1.png").arg(dpi)));
        Barre(1500, 1500, QStringLiteral("50"));
        const QList<QPoint> marques = Differences(tav.Picture2.Image(), tav.picbase.Image());
        if (dpi == 96) reference = marques;
        EXPECT_TRUE(marques == reference);
    }
    const QImage copie = tav.Picture2.Image();
    ListIMGchar.setListIndex(IndexImageActive - 1);
    tav.ListIMGchar_DblClick();
    EXPECT_TRUE(ImageRefPrete && tav.Frame(13).Visible);
    EXPECT_EQ(tav.Picture2.Image(), copie);
}

// A text as the first annotation copies the picture first: the copy is the picture with
// the text on it, not a blank page.
TEST_F(Copie, TextFirstHoldsThePicture) {
    Ouvre_fichier(Ecrit(Degrade(400, 300), QStringLiteral("petit.png")));
    Reference_sur_image();
    tav.Illus_Click(4);
    Clic(1500, 1500);
    Tape(QStringLiteral("Asci"));
    OK();
    Dialogue_clos();
    const QImage& copie = tav.Picture2.Image();
    ASSERT_EQ(copie.size(), QSize(400, 300));
    const qsizetype marques = Differences(copie, tav.picbase.Image()).size();
    EXPECT_GT(marques, 5);
    EXPECT_LT(marques, 400 * 300 / 20);
}

// A new picture closes the copy of the old one: its marks are gone, the save no longer
// offered, and the next annotation copies the new picture.
TEST_F(Copie, NewPictureClosesTheCopy) {
    Ouvre_fichier(Ecrit(Degrade(400, 300), QStringLiteral("a.png")));
    Reference_sur_image();
    Barre(1500, 1500, QStringLiteral("50"));
    ASSERT_TRUE(tav.Frame(13).Visible);
    QImage autre(500, 200, QImage::Format_RGB32);
    autre.fill(QColor(0, 0, 200));
    Ouvre_fichier(Ecrit(autre, QStringLiteral("b.png")));
    EXPECT_FALSE(ImageRefPrete);
    EXPECT_FALSE(tav.Frame(13).Visible);
    Barre(1500, 1500, QStringLiteral("50"));
    ASSERT_EQ(tav.Picture2.Image().size(), QSize(500, 200));
    EXPECT_LT(Differences(tav.Picture2.Image(), tav.picbase.Image()).size(), 500 * 200 / 10);
}

// "Enregistre" in BMP writes base_Ref.bmp equal to the copy and is then disabled; in
// JPG only base_Ref.JPG, close to the copy, and an earlier _Ref.bmp stays as it was.
// "Ferme" drops the marks: the next copy starts from the clean picture.
TEST_F(Copie, SaveBesideThePicture) {
    const QString image = Ecrit(Degrade(400, 300), QStringLiteral("photos/champignon.png"));
    Ouvre_fichier(image);
    Reference_sur_image();
    tav.F_Img_Click(0);
    Barre(1500, 1500, QStringLiteral("50"));
    tav.Vald_Click(2);
    const QString bmp = chemin(QStringLiteral("photos/champignon_Ref.bmp"));
    ASSERT_TRUE(QFile::exists(bmp));
    EXPECT_EQ(QImage(bmp).convertToFormat(QImage::Format_RGB32), tav.Picture2.Image().convertToFormat(QImage::Format_RGB32));
    EXPECT_FALSE(tav.Vald(2).Enabled);
    EXPECT_TRUE(tav.Frame(13).MousePointer == Pointeur::Fleche && Pointeur::ecran() == Pointeur::Defaut);
    QFile f(bmp);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray avant = f.readAll();
    f.close();

    tav.F_Img_Click(1);
    Barre(4500, 3000, QStringLiteral("20"));
    EXPECT_TRUE(tav.Vald(2).Enabled);
    tav.Vald_Click(2);
    const QString jpg = chemin(QStringLiteral("photos/champignon_Ref.JPG"));
    ASSERT_TRUE(QFile::exists(jpg));
    const QImage lu = QImage(jpg).convertToFormat(QImage::Format_RGB32);
    const QImage& copie = tav.Picture2.Image();
    ASSERT_EQ(lu.size(), copie.size());
    double ecart = 0;
    for (int y = 0; y < lu.height(); ++y)
        for (int x = 0; x < lu.width(); ++x)
            ecart += std::abs(qRed(lu.pixel(x, y)) - qRed(copie.pixel(x, y))) +
                     std::abs(qGreen(lu.pixel(x, y)) - qGreen(copie.pixel(x, y)));
    EXPECT_LT(ecart / (2.0 * lu.width() * lu.height()), 2.0);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), avant);
    EXPECT_EQ(QDir(chemin(QStringLiteral("photos"))).entryList(QDir::Files).size(), 3);
    Sortie(lu, QStringLiteral("annotations_copie_Ref"));

    tav.Vald_Click(3);
    EXPECT_FALSE(tav.Frame(13).Visible);
    EXPECT_FALSE(ImageRefPrete);
    tav.Illus_Click(4);
    Clic(6000, 4500);
    Tape(QStringLiteral("x"));
    OK();
    // The first bar's marks are not on the new copy.
    const QList<QPoint> d = Differences(tav.Picture2.Image(), tav.picbase.Image());
    ASSERT_FALSE(d.isEmpty());
    const QPoint vieux = Centre_croix(QImage(bmp).convertToFormat(QImage::Format_RGB32), tav.picbase.Image());
    for (const QPoint& p : d) EXPECT_GT((p - vieux).manhattanLength(), 20);
}

// A save that cannot be written says so with the path, and the button stays enabled. A
// dot in a folder's name and a picture without extension keep the copy beside it.
TEST_F(Copie, FailedSaveAndDottedFolder) {
    QImage i = Degrade(200, 150);
    const QString image = chemin(QStringLiteral("x.d/photo"));
    QDir().mkpath(chemin(QStringLiteral("x.d")));
    ASSERT_TRUE(i.save(image, "PNG"));
    Ouvre_fichier(image);
    Reference_sur_image();
    tav.F_Img_Click(0);
    Barre(1500, 1500, QStringLiteral("50"));
    // A folder where the file should go: it cannot be replaced.
    const QString cible = chemin(QStringLiteral("x.d/photo_Ref.bmp"));
    ASSERT_TRUE(QDir().mkpath(cible));
    {
        Prompts::Script script;
        script.message(cible);
        tav.Vald_Click(2);
        EXPECT_EQ(script.remaining(), 0);
        ASSERT_FALSE(script.seen().empty());
        EXPECT_TRUE(script.seen()[0].text.startsWith(QStringLiteral("erreur fichier")));
    }
    EXPECT_TRUE(tav.Vald(2).Enabled);
    ASSERT_TRUE(QDir().rmdir(cible));
    tav.Vald_Click(2);
    EXPECT_TRUE(QFileInfo(cible).isFile());
    EXPECT_FALSE(QFile::exists(chemin(QStringLiteral("x_Ref.bmp"))));
}

} // namespace
