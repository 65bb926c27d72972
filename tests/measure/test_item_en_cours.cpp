// What a command does while the user is in the middle of an item, for each kind of item
// (a point pending, a row half filled, counts not yet recorded, a calibration's segment
// waiting for its size); and files loaded over the picture on screen.
#include <functional>
#include <gtest/gtest.h>

#include "base/messages.h"
#include "measure/item_en_cours.h"
#include "platform/bytefile.h"
#include "platform/pressepapier.h"
#include "tests/measure/aide_calibrage.h"

namespace {

using namespace AideCalibrage;

const QString kRangee = QStringLiteral("NBLIGNES= 1\r\nFONCTION= 1\r\nFIN\r\nTRAME= \r\n0;1;0;0;600;0;\r\n");

class ItemEnCours : public CalibrageTest {
protected:
    // Row 1, then an item of kind `genre` under way.
    void Commence(unsigned genre) {
        if (genre == Item::Comptes) {
            tav.Mncp_Click(1);
            for (int x : {2000, 2500, 3000}) Clic(x, 2000);
            Clic(3500, 2000, 2);
            Clic(2000, 3000);
            return;
        }
        Fonction(genre == Item::Ligne ? 2 : 1);
        Segment(600);
        if (genre == Item::Ligne) Glisse(1300, 900, 1300, 1100);
        if (genre == Item::Pointage) tav.Bout_Click(10);
        if (genre == Item::Point) Clic(2000, 3000);
        else Segment(400, 3000);
        if (genre == Item::Arme) tav.Bout_Click(10);
    }
    static QStringList Ligne(int r) {
        QStringList l;
        for (int c = 1; c < GrilleRef.Cols(); ++c) l << GrilleRef.TextMatrix(r, c);
        return l;
    }
public:
    // The user's click on "Ind. Dim.".
    void Ind_dim() {
        tav.Optn(1).Value = -1;
        tav.Optn(2).Value = 0;
        tav.Optn_Click(1);
    }
    // A segment across the whole view: its ends fall on whole picture units, so its record
    // gives it back exactly.
    void Segment_vue() {
        Fonction(1);
        Glisse(0, 1000, 9000, 1000);
    }
    void Image_1200() {
        Image(1200, 900);
        Niveau(0);
        Segment_vue();
    }
    void Image_1000() {
        Image(1000, 750);
        Niveau(0);
    }
    void Redimension() {
        Redimensionne_vue_a(12000);
        Niveau(0);
    }
    void Raz_tout() {
        Prompts::Script s;
        s.message(QString(), Prompts::Yes);
        tav.Bout_Click(17);
    }
    // "Etalonner" and its bar drawn over a file that names no picture.
    void Barre_sans_image() {
        Segment_vue();
        Charge(chemin(QStringLiteral("sans.trm")));
        tav.Bout_Click(10);
        Segment(500);
    }
    // 1000 units of a picture taken 1200 pixels wide, shown on 9000 view units of a
    // 1000-pixel one: 1000 x 9000 x 96 / (1200 x 2540).
    void Image_absente() {
        Image_1200();
        const QString absente = QStringLiteral("absente.jpg");
        Charge(chemin(QStringLiteral("absente.trm")), {absente, absente});
        EXPECT_EQ(cell(1, 1), "283,46");
    }
    // "Importer CSV" of a one-row report, then a segment.
    void Import_segment() {
        Prompts::Script s;
        s.message(QStringLiteral("La table actuelle"), Prompts::Yes).open(chemin(QStringLiteral("rapport.csv")));
        tav.MnuEDit_Click(8);
        Segment_vue();
    }
    void Colle(int largeur) {
        presse_.image = QImage(largeur, largeur, QImage::Format_RGB32);
        tav.MnuFIC_Click(4);
    }
    void Colle_500() { Colle(500); }
    void Colle_800() { Colle(800); }
    void Colle_puis_segment() {
        Colle(500);
        Segment_vue();
    }
    // "Raz tout", "Ind. Dim.", then a file naming a missing picture, read with none shown.
    void Hors_liste() {
        tav.Bout_Click(17);
        Ind_dim();
        Prompts::Script s;
        s.open(chemin(QStringLiteral("absente.trm"))).message(QStringLiteral("absente.jpg")).message(QStringLiteral("absente.jpg"));
        tav.MnuFIC_Click(10);
    }
protected:
    PressePapier::Simule presse_;
    // "Charger la trame", the question answered Yes, with the messages expected.
    void Charge(const QString& p, const QStringList& messages = {}) {
        Prompts::Script s;
        s.message(QStringLiteral("La table actuelle"), Prompts::Yes).open(p);
        for (const QString& m : messages) s.message(m);
        tav.MnuFIC_Click(10);
        EXPECT_EQ(s.remaining(), 0);
    }
};

// A command and what it does to a point, a half row, counts, a pointing's dialog and a
// pointing armed: taken (T), refused (R) with the flash in its colour, or the item ended
// (E); Backspace takes a half row's last value back. Only the commands that clear or
// rebuild the grid (`reecrit`) change a recorded row. `agi`, where the command shows
// what it did, says whether it ran.
struct Cas {
    const char* nom;
    const char* suites;
    long couleur;
    bool reecrit;
    std::function<void(Tav&, bool pris)> fait;
    std::function<bool()> agi;
};

TEST_F(ItemEnCours, EveryCommandIsTakenRefusedOrEndsTheItem) {
    const QString trame = chemin(QStringLiteral("un.trm"));
    ASSERT_TRUE(ByteFile::write(trame, (QStringLiteral("NBIMAGES= 0\r\n") + kRangee).toUtf8()));
    const QString autre = chemin(QStringLiteral("autre.png"));
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::gray);
    ASSERT_TRUE(image.save(autre));
    const auto oui = [](const std::function<void()>& f) {
        Prompts::Script s;
        s.message(QString(), Prompts::Yes);
        f();
    };
    constexpr long orange = 0x80C0FF;
    const Cas cas[] = {
        {"Z+", "RTTTT", orange, false, [](Tav& t, bool) { t.Czoom_Click(0); }, [] { return NiveauZoom != 0; }},
        {"Ouvrir Image", "RRRRE", orange, false,
         [&](Tav& t, bool pris) {
             Prompts::Script s;
             if (pris) s.open(autre, QStringLiteral("Ouvrir Image"));
             t.MnuFIC_Click(1);
         },
         [&] { return NomImageActive == autre; }},
        {"image list", "RRRRE", 0xFF00, false, [](Tav& t, bool) { t.ListImgAff_Click(); }, nullptr},
        {"Ind. Dim.", "RRTRT", orange, false, [this](Tav&, bool) { Ind_dim(); }, [] { return IndResolution == 0; }},
        {"Etalonner", "RRRRT", orange, false, [](Tav& t, bool) { t.Bout_Click(10); }, nullptr},
        {"maj grille", "ERRRE", orange, true, [](Tav& t, bool) { t.Mntool_Click(4); }, nullptr},
        {"Backspace", "EEETT", orange, false, [](Tav& t, bool) { t.Picture1_KeyDown(8, 0); }, nullptr},
        {"Esc", "ETTTT", orange, false, [](Tav& t, bool) { t.Picture1_KeyDown(27, 0); }, nullptr},
        {"loupe", "ETTTT", orange, false, [](Tav& t, bool) { t.Bout_Click(4); }, nullptr},
        {"Bipoint", "ETTTT", orange, false, [this](Tav&, bool) { Bipoint(); }, [] { return ModePalmer == 1; }},
        {"Poly", "RTTTT", orange, false,
         [](Tav& t, bool) {
             t.Check2.Value = 1;
             t.Check2_Click();
         },
         [] { return ModePoly != 0; }},
        {"Illustrer", "RTTTT", orange, false, [](Tav& t, bool) { t.Illus_Click(1); }, [] { return IllusReference != 0; }},
        {"Export grille sous", "TRTTT", 0xFFFF, false, [](Tav& t, bool) { t.MnuEDit_Click(1); },
         [] { return Tav::instance()->Frame(10).Visible; }},
        {"Raz gril.", "EEEEE", orange, true, [&](Tav& t, bool) { oui([&] { t.Bout_Click(16); }); }, nullptr},
        {"Spores 3D", "EEEEE", orange, true, [&](Tav& t, bool) { oui([&] { t.MnuFonc_Click(3); }); },
         [] { return NumFonction == 3; }},
        {"Charger la trame", "EEEEE", orange, true, [&](Tav&, bool) { Charge(trame); }, nullptr},
    };
    for (const Cas& c : cas)
        for (unsigned k = 0; k < 5; ++k) {
            const unsigned genre = 1u << k;
            SCOPED_TRACE(std::string(c.nom) + " / kind " + std::to_string(genre));
            TearDown();
            SetUp();
            Commence(genre);
            ASSERT_TRUE(Item::En_cours() & genre);
            const QStringList ligne = Ligne(1);
            tav.lblLabelflashx.Caption.clear();
            c.fait(tav, c.suites[k] != 'R');
            const bool refuse = c.suites[k] == 'R';
            EXPECT_EQ(tav.lblLabelflashx.Caption == Lib_Langue[178], refuse);
            if (refuse) {
                EXPECT_EQ(tav.FraFlash.BackColor, c.couleur);
            }
            EXPECT_EQ((Item::En_cours() & genre) != 0, c.suites[k] != 'E');
            if (c.agi) {
                EXPECT_EQ(c.agi(), !refuse);
            }
            if (!c.reecrit) {
                EXPECT_EQ(Ligne(1), ligne);
            }
        }
}

// A file loaded over the picture on screen, another picture opened and a segment measured
// on it: a refresh, then a save and a load, give every row back as shown.
TEST_F(ItemEnCours, EveryRowOfAFileOverAPictureComesBackAsShown) {
    // No image block, a missing picture (named at its load, then at its refresh), neither.
    const std::pair<QString, QStringList> fichiers[] = {
        {QStringLiteral("NBIMAGES= 1\r\nCALIBRAGE= \r\n 0,25 \r\n"), {}},
        {QStringLiteral("NBIMAGES= 1\r\nCALIBRAGE= \r\n 2 \r\nIMAGES= \r\nautre.jpg\r\n"), {"autre.jpg", "autre.jpg"}},
        {QStringLiteral("NBIMAGES= 0\r\n"), {}},
    };
    for (const auto& [entete, absente] : fichiers) {
        SCOPED_TRACE(entete.toStdString());
        TearDown();
        SetUp();
        const QString p = chemin(QStringLiteral("f.trm"));
        const QString q = chemin(QStringLiteral("g.trm"));
        QFile::remove(q);
        ASSERT_TRUE(ByteFile::write(p, (entete + kRangee).toUtf8()));
        Fonction(1);
        Segment(100);
        Charge(p, absente);
        // No picture stays on screen under a number that is not its own.
        EXPECT_EQ(IndexImageActive, 0);
        Image(800, 600);
        Niveau(0);
        // The whole view's width: its ends fall on whole image units, so the record keeps it exactly.
        Glisse(0, 3000, 9000, 3000);
        const QStringList vu = Ligne(1) + Ligne(2);
        // The new measurement is there to be given back.
        EXPECT_NE(Ligne(2).value(0), QString());
        {
            Prompts::Script s;
            if (!absente.isEmpty()) s.message(absente[0]);
            tav.Mntool_Click(4);
        }
        EXPECT_EQ(Ligne(1) + Ligne(2), vu);
        Prompts::Script s;
        s.save(q);
        tav.MnuFIC_Click(9);
        Charge(q, absente);
        EXPECT_EQ(Ligne(1) + Ligne(2), vu);
        // A file of the other resolution mode, its INDPRES line not the first, changes nothing.
        ASSERT_TRUE(ByteFile::write(p, ("NBIMAGES= 1\r\nCALIBRAGE= \r\n 3 \r\nINDPRES= False\r\n" + kRangee).toUtf8()));
        Charge(p, {QStringLiteral("mode de resolution")});
        EXPECT_EQ(Ligne(1) + Ligne(2), vu);
        EXPECT_EQ(ListIMGchar.ListCount(), 2);
    }
}


// A command that changes what a row's value depends on, or seems to: the row shown after
// it is what "maj grille" reads from its record, and a new drag measures the picture as
// the rows were measured.
struct Entree {
    const char* nom;
    void (ItemEnCours::*avant)();     // from the fresh start, row 1 recorded
    void (ItemEnCours::*commande)();
    const char* ligne;                // row 1 after the command, and after "maj grille"
    const char* absente;              // the missing picture "maj grille" names
    int glisse;                       // a new drag from the view's left edge to there, 0 none
    const char* nouvelle;             // what it records
};

TEST_F(ItemEnCours, EveryRowReadsAsItsRecordGivesAfterACommand) {
    const QByteArray sans_image = (QStringLiteral("NBIMAGES= 0\r\n") + kRangee).toUtf8();
    ASSERT_TRUE(ByteFile::write(chemin(QStringLiteral("sans.trm")), sans_image));
    const QByteArray absente("NBIMAGES= 1\r\nCALIBRAGE= \r\n 1 \r\nIMAGES= \r\nabsente.jpg\r\n"
                             "NBLIGNES= 1\r\nFONCTION= 1\r\nFIN\r\nTRAME= \r\n0;1;0;0;1000;0;\r\n");
    ASSERT_TRUE(ByteFile::write(chemin(QStringLiteral("absente.trm")), absente));
    const QByteArray rapport("LISTE=\r\nN; L; img; c; \r\n1; 5,00; 1; ; \r\n; ; ; ; \r\n");
    ASSERT_TRUE(ByteFile::write(chemin(QStringLiteral("rapport.csv")), rapport));
    using F = ItemEnCours;
    // A wider view spans the same picture on more units; 1200 pixels count a length 1.2
    // times more in thousandths of the picture's width.
    const Entree entrees[] = {
        {"window resized", &F::Segment_vue, &F::Redimension, "9000,00", "", 12000, "9000,00"},
        {"Ind. Dim.", &F::Image_1200, &F::Ind_dim, "10800,00", "", 9000, "10800,00"},
        {"Raz tout", &F::Segment_vue, &F::Raz_tout, "", "", 9000, ""},
        {"a bar drawn on no picture", &F::Barre_sans_image, &F::Image_1000, "0,00", "", 9000, "9000,00"},
        {"a missing picture, Ind. Dim.", &F::Image_absente, &F::Ind_dim, "340,16", "absente.jpg", 0, ""},
        // The stand-in for the missing picture takes no click after an import either.
        {"Importer CSV, no picture shown", &F::Image_absente, &F::Import_segment, "", "absente.jpg", 0, ""},
        {"a paste, rows of a missing picture read with none shown", &F::Hors_liste, &F::Colle_500, "340,16", "absente.jpg", 0, ""},
        // A picture of another width is not pasted under rows of the one pasted before.
        {"a paste of another width over rows of the pasted picture", &F::Colle_puis_segment, &F::Colle_800, "9000,00", "", 9000, "9000,00"},
    };
    for (const Entree& e : entrees) {
        SCOPED_TRACE(e.nom);
        TearDown();
        SetUp();
        (this->*e.avant)();
        (this->*e.commande)();
        EXPECT_EQ(cell(1, 1), e.ligne);
        {
            Prompts::Script s;
            if (*e.absente) s.message(QString::fromUtf8(e.absente));
            tav.Mntool_Click(4);
        }
        EXPECT_EQ(cell(1, 1), e.ligne);
        EXPECT_EQ(ModeCalibrage, 0);
        if (e.glisse == 0) continue;
        Glisse(0, 3000, e.glisse, 3000);
        EXPECT_EQ(cell(2, 1), e.nouvelle);
    }
}

// A row naming an image past the list's 50 places is damaged: it pads nothing, and a
// picture opens afterwards.
TEST_F(ItemEnCours, AnImageNumberPastTheListIsADamagedField) {
    const QString p = chemin(QStringLiteral("abime.trm"));
    ASSERT_TRUE(ByteFile::write(p, QByteArray("NBLIGNES= 2\r\nFONCTION= 1\r\nFIN\r\nTRAME= \r\n0;1;0;0;1000;0;\r\n0;60;0;0;1000;0;\r\n")));
    Fonction(1);
    Segment(600);
    Charge(p, {QStringLiteral("abime.trm")});
    EXPECT_LE(ListIMGchar.ListCount(), 1);
    Image(800, 600);
    EXPECT_EQ(IndexImageActive, ListIMGchar.ListCount());
}

} // namespace
