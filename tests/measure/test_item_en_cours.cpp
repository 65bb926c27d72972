// What a command does while the user is in the middle of an item, for each kind of item
// (a point pending, a row half filled, counts not yet recorded, a calibration's segment
// waiting for its size); and files loaded over the picture on screen.
#include <functional>
#include <gtest/gtest.h>

#include "base/messages.h"
#include "measure/item_en_cours.h"
#include "platform/bytefile.h"
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
    }
    static QStringList Ligne(int r) {
        QStringList l;
        for (int c = 1; c < GrilleRef.Cols(); ++c) l << GrilleRef.TextMatrix(r, c);
        return l;
    }
    // "Charger la trame", the question answered Yes, with the messages expected.
    void Charge(const QString& p, const QStringList& messages = {}) {
        Prompts::Script s;
        s.message(QStringLiteral("La table actuelle"), Prompts::Yes).open(p);
        for (const QString& m : messages) s.message(m);
        tav.MnuFIC_Click(10);
        EXPECT_EQ(s.remaining(), 0);
    }
};

// A command and what it does to a point, a half row, counts and a pointing: taken (T),
// refused (R) or the item ended (E); Backspace takes a half row's last value back. Only
// the commands that clear or rebuild the grid (`reecrit`) change a recorded row.
struct Cas {
    const char* nom;
    const char* suites;
    bool reecrit;
    std::function<void(Tav&)> fait;
};

TEST_F(ItemEnCours, EveryCommandIsTakenRefusedOrEndsTheItem) {
    const QString trame = chemin(QStringLiteral("un.trm"));
    ASSERT_TRUE(ByteFile::write(trame, (QStringLiteral("NBIMAGES= 0\r\n") + kRangee).toUtf8()));
    const auto oui = [](const std::function<void()>& f) {
        Prompts::Script s;
        s.message(QString(), Prompts::Yes);
        f();
    };
    const Cas cas[] = {
        {"Z+", "RTTT", false, [](Tav& t) { t.Czoom_Click(0); }},
        {"Cherche", "RRRR", false, [](Tav& t) { t.Bout_Click(14); }},
        {"Ind. Dim.", "RRTR", false, [](Tav& t) { t.Optn_Click(1); }},
        {"Etalonner", "RRRR", false, [](Tav& t) { t.Bout_Click(10); }},
        {"maj grille", "ERRR", true, [](Tav& t) { t.Mntool_Click(4); }},
        {"Backspace", "EEET", false, [](Tav& t) { t.Picture1_KeyDown(8, 0); }},
        {"Esc", "ETTT", false, [](Tav& t) { t.Picture1_KeyDown(27, 0); }},
        {"loupe", "ETTT", false, [](Tav& t) { t.Bout_Click(4); }},
        {"Bipoint", "ETTT", false, [](Tav& t) { t.Optn_Click(6); }},
        {"Poly", "RTTT", false, [](Tav& t) { t.Check2_Click(); }},
        {"Illustrer", "RTTT", false, [](Tav& t) { t.Illus_Click(1); }},
        {"Raz gril.", "EEEE", true, [&](Tav& t) { oui([&] { t.Bout_Click(16); }); }},
        {"Spores 3D", "EEEE", true, [&](Tav& t) { oui([&] { t.MnuFonc_Click(3); }); }},
        {"Charger la trame", "EEEE", true, [&](Tav&) { Charge(trame); }},
    };
    for (const Cas& c : cas)
        for (unsigned k = 0; k < 4; ++k) {
            const unsigned genre = 1u << k;
            SCOPED_TRACE(std::string(c.nom) + " / kind " + std::to_string(genre));
            TearDown();
            SetUp();
            Commence(genre);
            ASSERT_TRUE(Item::En_cours() & genre);
            const QStringList ligne = Ligne(1);
            c.fait(tav);
            EXPECT_EQ(tav.lblLabelflashx.Caption == Lib_Langue[178], c.suites[k] == 'R');
            EXPECT_EQ((Item::En_cours() & genre) != 0, c.suites[k] != 'E');
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

} // namespace
