// The measurement-file parser on its own: the hand-written files of every function, the
// same files cut at every line and damaged, the grid sizes it must respect, and the
// lines the pure writer builds read back as they were written, under both separators.
#include "grid/fichier_trm_analyse.h"
#include "grid/fichier_trm_ecriture.h"
#include "tests/parsers/aide_parsers.h"

namespace {

using Trm::Cle;

const Trm::Element* Cherche(const Trm::Lecture& lu, Cle cle) {
    for (const Trm::Element& e : lu.elements)
        if (e.cle == cle) return &e;
    return nullptr;
}

std::vector<std::optional<std::int64_t>> Points(std::initializer_list<std::optional<std::int64_t>> p) { return p; }

TEST(AnalyseTrm, GoldenFileGivesEveryKeyBlockAndRowWithItsLine) {
    const Trm::Lecture lu = Trm::Analyse_trame(Lignes_source(QStringLiteral("tests/grid/data/fonction01.trm")));
    EXPECT_TRUE(lu.problemes.empty());
    std::vector<std::pair<Cle, int>> cles;
    for (const Trm::Element& e : lu.elements) cles.push_back({e.cle, e.ligne});
    const std::vector<std::pair<Cle, int>> attendu = {{Cle::Indpres, 1}, {Cle::NbLgMax, 4}, {Cle::Fonction, 5},
                                                      {Cle::Calibrage, 6}, {Cle::Pctsw, 9}, {Cle::Images, 10},
                                                      {Cle::Commentaires, 12}, {Cle::Lignes, 17}};
    EXPECT_EQ(cles, attendu);
    EXPECT_EQ(Cherche(lu, Cle::Indpres)->entier, 0);
    EXPECT_EQ(Cherche(lu, Cle::NbLgMax)->entier, 64);
    EXPECT_EQ(Cherche(lu, Cle::Fonction)->entier, 1);
    EXPECT_EQ(Cherche(lu, Cle::Calibrage)->reels, std::vector<double>{0.5});
    EXPECT_EQ(Cherche(lu, Cle::Pctsw)->reel, 9000.0);
    EXPECT_EQ(Cherche(lu, Cle::Pctsw)->entier, 1);  // the image count it scales
    EXPECT_EQ(Cherche(lu, Cle::Images)->textes, QStringList{QStringLiteral("@DOSSIER@/spores.jpg")});
    const auto& c = Cherche(lu, Cle::Commentaires)->commentaires;
    ASSERT_EQ(c.size(), 3u);
    EXPECT_EQ(c[1].rang, 2);
    EXPECT_EQ(c[1].texte, QStringLiteral("hyphe cloisonnée"));  // Windows-1252 in the file
    const auto& r = Cherche(lu, Cle::Lignes)->lignes;
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[2].ligne, 20);
    EXPECT_EQ(r[2].rang, 3);
    EXPECT_EQ(r[2].zoom, 0);
    EXPECT_EQ(r[2].image, 1);
    EXPECT_EQ(r[2].points, Points({-3, -4, 0, 0}));

    // Every other golden file is sound too, whatever its function.
    for (const char* f : {"fonction02", "fonction03", "fonction04", "fonction05", "fonction06", "fonction10",
                          "fonction11", "fonction13", "fonction14", "fonction15", "fonction16", "fonction20"}) {
        SCOPED_TRACE(f);
        const Trm::Lecture l =
            Trm::Analyse_trame(Lignes_source(QStringLiteral("tests/grid/data/%1.trm").arg(QLatin1String(f))));
        EXPECT_TRUE(l.problemes.empty());
        EXPECT_NE(Cherche(l, Cle::Lignes), nullptr);
    }
}

TEST(AnalyseTrm, FileCutAtEveryLineStopsAtTheNextLine) {
    const QStringList tout = Lignes_source(QStringLiteral("tests/grid/data/fonction01.trm"));
    ASSERT_EQ(tout.size(), 20);
    for (int n = 0; n <= 20; ++n) {
        SCOPED_TRACE(n);
        const Trm::Lecture lu = Trm::Analyse_trame(tout.mid(0, n));
        // Whatever the line where the file stops, the next one was due.
        EXPECT_EQ(Analyse::Premiere_ligne(lu.problemes), n < 20 ? n + 1 : 0);
        const Trm::Element* rangs = Cherche(lu, Cle::Lignes);
        EXPECT_EQ(rangs ? int(rangs->lignes.size()) : 0, std::max(0, n - 17));
    }
    // Cut inside a row: the row is there with the fields its line closes.
    QStringList coupe = tout.mid(0, 18);
    coupe << QStringLiteral("2;1;100;2");
    const Trm::Lecture lu = Trm::Analyse_trame(coupe);
    EXPECT_EQ(Lignes_fautives(lu.problemes), std::vector<int>{20});
    const auto& r = Cherche(lu, Cle::Lignes)->lignes;
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[1].points, Points({100}));
}

TEST(AnalyseTrm, MalformedLinesAreReportedWithTheirLine) {
    const Trm::Lecture lu = Trm::Analyse_trame(Lignes(
        "indpres = vrai\n"            // 1: either language, any case
        "NBIMAGES= un\n"              // 2: not a number
        "NBLGMAX =1000\n"             // 3: no grid of that size
        "FONCTION= 99\n"              // 4: no such function
        "perdue\n"                    // 5: a line without its key
        "FIN\n"                       // 6: the one line that stands alone
        "NBLIGNES= 2\n"
        "PCTSW = 0\n"                 // 8: no width
        "TRAME=\n"
        "0;1;10;2x0;16;18;\n"         // 10: an unreadable coordinate is left empty
        "70000;1;1;1;1;1;\n"));       // 11: a zoom beyond 16 bits
    EXPECT_EQ(Lignes_fautives(lu.problemes), (std::vector<int>{2, 3, 4, 5, 8}));
    EXPECT_EQ(Cherche(lu, Cle::Indpres)->entier, -1);
    EXPECT_EQ(Cherche(lu, Cle::Fonction), nullptr);
    const auto& r = Cherche(lu, Cle::Lignes)->lignes;
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].points, Points({10, std::nullopt, 16, 18}));
    EXPECT_EQ(r[1].zoom, std::nullopt);
    EXPECT_EQ(r[1].image, 1);
}

TEST(AnalyseTrm, RowCountNearTheSixteenBitLimitIsAFaultNotACrash) {
    // 32766.6 + 1 rounds to 32768, beyond a 16-bit count: the conversion used to raise an
    // error that nothing caught. Now it is a fault of its line, and the rows read stop.
    for (const char* n : {"32766,6", "32766.5", "32767", "-1", "1e9"}) {
        SCOPED_TRACE(n);
        const QStringList l = {QStringLiteral("NBLIGNES= ") + QLatin1String(n), QStringLiteral("TRAME=")};
        const Trm::Lecture lu = Trm::Analyse_trame(l);
        EXPECT_EQ(Lignes_fautives(lu.problemes), std::vector<int>{1});
        EXPECT_TRUE(Cherche(lu, Cle::Lignes)->lignes.empty());
    }
    const Trm::Lecture lu = Trm::Analyse_trame(Lignes("NBLIGNES= 32766,4\nTRAME=\n0;1;\n"));
    // 32766 rows announced: the one there is read, the file ends where the second was due.
    EXPECT_EQ(Lignes_fautives(lu.problemes), std::vector<int>{4});
    EXPECT_EQ(Cherche(lu, Cle::Lignes)->lignes.size(), 1u);
}

TEST(AnalyseTrm, RowsFollowTheGridSizeTheFileSets) {
    QStringList cent = {QStringLiteral("NBLIGNES= 100"), QStringLiteral("TRAME=")};
    for (int i = 1; i <= 100; ++i) cent << QStringLiteral("0;1;%1;0;0;0;").arg(i);
    // A grid of 64: one title row and one spare row leave 63 rows; the 64th is the fault.
    Trm::Lecture lu = Trm::Analyse_trame(cent, {65, 64});
    EXPECT_EQ(Cherche(lu, Cle::Lignes)->lignes.size(), 63u);
    EXPECT_EQ(Analyse::Premiere_ligne(lu.problemes), 66);
    // The file's own size, before its rows, makes room for them.
    QStringList grand = cent;
    grand.insert(0, QStringLiteral("NBLGMAX =128"));
    lu = Trm::Analyse_trame(grand, {65, 64});
    EXPECT_EQ(Cherche(lu, Cle::Lignes)->lignes.size(), 100u);
    EXPECT_TRUE(lu.problemes.empty());
    // A function lays the grid out at the size in use, here the file's.
    grand.insert(1, QStringLiteral("FONCTION= 1"));
    EXPECT_EQ(Cherche(Trm::Analyse_trame(grand, {65, 64}), Cle::Lignes)->lignes.size(), 100u);
    // A size too small for the rows already read is refused.
    QStringList apres = grand;
    apres << QStringLiteral("NBLGMAX =64");
    lu = Trm::Analyse_trame(apres, {65, 64});
    EXPECT_EQ(Lignes_fautives(lu.problemes), std::vector<int>{105});
    EXPECT_EQ(lu.elements.back().cle, Cle::Lignes);
}

TEST(AnalyseTrm, BlocksStopAtTheirFirstUnsoundLine) {
    const Trm::Lecture lu = Trm::Analyse_trame(Lignes(
        "NBIMAGES= 3\n"
        "CALIBRAGE=\n"
        " 0,5\n"
        "1.25E-1\n"
        "RESH = 1280\n"        // 5: not a calibration, the block ends before it
        "NBLIGNES= 3\n"
        "IMAGES=\n"
        "a.jpg\n"
        "\n"                   // a blank image line keeps its place
        "b.jpg\n"
        "COMMENT=\n"
        "1;un; deux\n"
        "FIN\n"                // 13: a comment line was due
        "TRAME=\n"
        "0;1;\n"
        "\n"));                // 16: a blank line ends the rows
    EXPECT_EQ(Lignes_fautives(lu.problemes), (std::vector<int>{5, 13, 16}));
    EXPECT_EQ(Cherche(lu, Cle::Calibrage)->reels, (std::vector<double>{0.5, 0.125}));
    EXPECT_EQ(Cherche(lu, Cle::Images)->textes, (QStringList{"a.jpg", "", "b.jpg"}));
    ASSERT_EQ(Cherche(lu, Cle::Commentaires)->commentaires.size(), 1u);
    EXPECT_EQ(Cherche(lu, Cle::Commentaires)->commentaires[0].texte, QStringLiteral("un; deux"));
    // A file with no row block at all is no measurement file.
    EXPECT_EQ(Lignes_fautives(Trm::Analyse_trame(Lignes("INDPRES=False\nNBIMAGES= 0\n")).problemes),
              std::vector<int>{3});
}

TEST(AnalyseTrm, WrittenLinesReadBackUnderBothSeparators) {
    Trm::Contenu c;
    c.indResolution = true;
    c.tailleGrille = 128;
    c.fonction = 3;
    c.calibrages = {0.5, -1.25, 0.0625};
    c.largeurEcran = 1280;
    c.largeurImage = 4500.5f;
    c.images = {QStringLiteral("/a/spores.jpg"), QStringLiteral("/a/deux\nlignes.jpg")};
    c.extraits = QStringLiteral("x.trm / 1;2;");
    c.commentaires = {QStringLiteral("paroi; épaisse"), QStringLiteral("deux\r\nlignes")};
    c.valeurs = 3;
    c.lignes.resize(2);
    c.lignes[0].Zoom = 2;
    c.lignes[0].Image = 3;
    c.lignes[0].Segments[1] = {1, 2, 3, 4};
    c.lignes[0].Segments[3] = {-2147483647 - 1, 2147483647, 0, -5};
    c.lignes[1].Image = 1;
    for (const QLocale::Language langue : {QLocale::French, QLocale::English}) {
        SCOPED_TRACE(langue);
        Locale l(langue);
        const QStringList ecrit = Trm::Lignes_fichier(c);
        EXPECT_EQ(ecrit[7], langue == QLocale::French ? QStringLiteral("-1,25 ") : QStringLiteral("-1.25 "));
        const Trm::Lecture lu = Trm::Analyse_trame(ecrit);
        EXPECT_TRUE(lu.problemes.empty());
        EXPECT_EQ(Cherche(lu, Cle::Indpres)->entier, -1);
        EXPECT_EQ(Cherche(lu, Cle::NbLgMax)->entier, 128);
        EXPECT_EQ(Cherche(lu, Cle::Fonction)->entier, 3);
        EXPECT_EQ(Cherche(lu, Cle::Calibrage)->reels, c.calibrages);
        EXPECT_EQ(Cherche(lu, Cle::Pctsw)->reel, 4500.5);
        // A line break in a path or a comment never shifts the lines after it; the third
        // image, named by a row only, keeps its blank place.
        EXPECT_EQ(Cherche(lu, Cle::Images)->textes, (QStringList{"/a/spores.jpg", "/a/deux lignes.jpg", ""}));
        const auto& com = Cherche(lu, Cle::Commentaires)->commentaires;
        ASSERT_EQ(com.size(), 2u);
        EXPECT_EQ(com[0].texte, c.commentaires[0]);
        EXPECT_EQ(com[1].texte, QStringLiteral("deux  lignes"));
        const auto& r = Cherche(lu, Cle::Lignes)->lignes;
        ASSERT_EQ(r.size(), 2u);
        EXPECT_EQ(r[0].zoom, 2);
        EXPECT_EQ(r[0].image, 3);
        EXPECT_EQ(r[0].points, Points({1, 2, 3, 4, 0, 0, 0, 0, -2147483647 - 1, 2147483647, 0, -5}));
        EXPECT_EQ(r[1].points, Points({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    }
}

} // namespace
