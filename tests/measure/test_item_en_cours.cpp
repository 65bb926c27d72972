// What a command does while the user is in the middle of an item, for each kind of item
// (a point pending, a row half filled, counts not yet recorded, a calibration's segment
// waiting for its size), each case from a fresh start with row 1 recorded before it.
#include <gtest/gtest.h>

#include "base/messages.h"
#include "measure/item_en_cours.h"
#include "platform/bytefile.h"
#include "tests/measure/aide_calibrage.h"

namespace {

using namespace AideCalibrage;

class ItemEnCours : public CalibrageTest {
public:
    void TestBody() override {}
    using CalibrageTest::SetUp;
    using CalibrageTest::TearDown;
    using CalibrageTest::Touche;
    using CalibrageTest::Bipoint;
    using CalibrageTest::chemin;
    using CalibrageTest::tav;
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
    }
    static QStringList Ligne1() {
        QStringList l;
        for (int c = 1; c < GrilleRef.Cols(); ++c) l << GrilleRef.TextMatrix(1, c);
        return l;
    }
};

// A command and what it does to a point, a half row, counts and a pointing: taken (T),
// refused (R) or the item ended (E). A command that rewrites the grid keeps no row as it was.
struct Cas {
    const char* nom;
    const char* suites;
    bool reecrit;
    void (*fait)(ItemEnCours&);
};

const Cas kCas[] = {
    {"Z+", "RTTT", false, [](ItemEnCours& t) { t.tav.Czoom_Click(0); }},
    {"Cherche", "RRRR", false, [](ItemEnCours& t) { t.tav.Bout_Click(14); }},
    {"Ind. Dim.", "RRTR", false, [](ItemEnCours& t) {
         t.tav.Optn(1).Value = -1;
         t.tav.Optn_Click(1);
     }},
    {"Etalonner", "RRRR", false, [](ItemEnCours& t) { t.tav.Bout_Click(10); }},
    {"maj grille", "ERRR", true, [](ItemEnCours& t) { t.tav.Mntool_Click(4); }},
    {"Raz gril.", "EEEE", true, [](ItemEnCours& t) {
         Prompts::Script s;
         s.message(QString(), Prompts::Yes);
         t.tav.Bout_Click(16);
     }},
    // Backspace takes a half row's last value back: the row is no longer under way.
    {"Backspace", "EEET", false, [](ItemEnCours& t) { t.Touche(8); }},
    {"Esc", "ETTT", false, [](ItemEnCours& t) { t.Touche(27); }},
    {"loupe", "ETTT", false, [](ItemEnCours& t) { t.tav.Bout_Click(4); }},
    {"Bipoint", "ETTT", false, [](ItemEnCours& t) { t.Bipoint(); }},
    {"Poly", "RTTT", false, [](ItemEnCours& t) {
         t.tav.Check2.Value = 1;
         t.tav.Check2_Click();
     }},
    {"Spores 3D", "EEEE", true, [](ItemEnCours& t) {
         Prompts::Script s;
         s.message(QString(), Prompts::Yes);
         t.tav.MnuFonc_Click(3);
     }},
    {"Charger la trame", "EEEE", true, [](ItemEnCours& t) {
         const QString p = t.chemin(QStringLiteral("un.trm"));
         ASSERT_TRUE(ByteFile::write(p, "NBIMAGES= 0\r\nNBLIGNES= 1\r\nFONCTION= 1\r\nFIN\r\nTRAME= \r\n0;1;0;0;600;0;\r\n"));
         Prompts::Script s;
         s.message(QString(), Prompts::Yes).open(p);
         t.tav.MnuFIC_Click(10);
     }},
    {"Decimales", "TTTT", false, [](ItemEnCours& t) { t.tav.Mndecim_Click(2); }},
};

TEST(ItemEnCoursTable, EveryCommandIsTakenRefusedOrEndsTheItem) {
    for (const Cas& c : kCas)
        for (unsigned k = 0; k < 4; ++k) {
            const unsigned genre = 1u << k;
            SCOPED_TRACE(std::string(c.nom) + " / kind " + std::to_string(genre));
            ItemEnCours t;
            t.SetUp();
            t.Commence(genre);
            ASSERT_TRUE(Item::En_cours() & genre);
            const QStringList ligne = t.Ligne1();
            t.tav.lblLabelflashx.Caption.clear();
            c.fait(t);
            const char suite = c.suites[k];
            EXPECT_EQ(t.tav.lblLabelflashx.Caption == Lib_Langue[178], suite == 'R');
            EXPECT_EQ((Item::En_cours() & genre) != 0, suite != 'E');
            if (!c.reecrit) EXPECT_EQ(t.Ligne1(), ligne);
            t.TearDown();
        }
}


// A file loaded over the picture on screen, another picture opened and a segment measured
// on it: a refresh, then a save and a load, give every row back as shown.
class FichierSurImage : public CalibrageTest {
protected:
    void Charge(const QString& p, const QStringList& messages) {
        Prompts::Script s;
        s.message(QStringLiteral("La table actuelle"), Prompts::Yes).open(p);
        for (const QString& m : messages) s.message(m);
        tav.MnuFIC_Click(10);
        EXPECT_EQ(s.remaining(), 0);
    }
    static std::vector<std::string> Lignes() { return {cell(1, 1), cell(2, 1)}; }
};

TEST_F(FichierSurImage, EveryRowComesBackAsShown) {
    const QString rangee = QStringLiteral("NBLIGNES= 1\r\nFONCTION= 1\r\nFIN\r\nTRAME= \r\n0;1;0;0;600;0;\r\n");
    // No image block, a missing picture (named at its load, then again at its refresh), neither.
    const std::pair<QString, bool> fichiers[] = {
        {QStringLiteral("NBIMAGES= 1\r\nCALIBRAGE= \r\n 0,25 \r\n"), false},
        {QStringLiteral("NBIMAGES= 1\r\nCALIBRAGE= \r\n 2 \r\nIMAGES= \r\nautre.jpg\r\n"), true},
        {QStringLiteral("NBIMAGES= 0\r\n"), false},
    };
    int n = 0;
    for (const auto& [entete, manque] : fichiers) {
        SCOPED_TRACE(entete.toStdString());
        TearDown();
        SetUp();
        const QString p = chemin(QStringLiteral("f.trm")), q = chemin(QStringLiteral("g%1.trm").arg(++n));
        const QStringList absente = manque ? QStringList{"autre.jpg", "autre.jpg"} : QStringList{};
        ASSERT_TRUE(ByteFile::write(p, (entete + rangee).toUtf8()));
        Fonction(1);
        Segment(100);
        Charge(p, absente);
        // No picture stays on screen under a number that is not its own.
        EXPECT_EQ(IndexImageActive, 0);
        Image(800, 600);
        Niveau(0);
        // The whole view's width: its ends fall on whole image units, so the record keeps it exactly.
        Glisse(0, 3000, 9000, 3000);
        const std::vector<std::string> vu = Lignes();
        {
            Prompts::Script s;
            if (manque) s.message(QStringLiteral("autre.jpg"));
            tav.Mntool_Click(4);
        }
        EXPECT_EQ(Lignes(), vu);
        Prompts::Script s;
        s.save(q);
        tav.MnuFIC_Click(9);
        Charge(q, absente);
        EXPECT_EQ(Lignes(), vu);
        // A file of the other resolution mode, its INDPRES line not the first, changes nothing.
        ASSERT_TRUE(ByteFile::write(p, ("NBIMAGES= 1\r\nCALIBRAGE= \r\n 3 \r\nINDPRES= False\r\n" + rangee).toUtf8()));
        Charge(p, {QStringLiteral("mode de resolution")});
        EXPECT_EQ(Lignes(), vu);
        EXPECT_EQ(ListIMGchar.ListCount(), 2);
    }
}

} // namespace
