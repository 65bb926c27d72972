// Measurement files: hand-written files of every function read into the grid, written
// back unchanged, truncated and malformed files, and the save and load commands.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <random>

#include "app/etat.h"
#include "base/etat_demarrage.h"
#include "base/etat_programme.h"
#include "base/messages.h"
#include "base/tav.h"
#include "grid/etat_grille.h"
#include "grid/commentaires.h"
#include "grid/fichier_trm.h"
#include "grid/import_csv.h"
#include "base/grilles.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"
#include "platform/prompts.h"
#include "platform/textfile.h"
#include "platform/waits.h"
#include "tests/common/fixture.h"
#include "tests/grid/aide_fichiers.h"
#include "base/etat_partage.h"
#include "colour/etat_couleur.h"

namespace {

void Ecrit_octets(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(octets);
}

// Every line of a file but the screen width, which belongs to the machine that wrote it.
QList<QByteArray> Sans_resh(const QByteArray& octets) {
    QList<QByteArray> lignes = octets.split('\n');
    lignes.removeIf([](const QByteArray& l) { return l.startsWith("RESH = "); });
    return lignes;
}

class FichierTrm : public EtatPropre {
protected:
    void SetUp() override {
        EtatPropre::SetUp();
        Prepare();
    }
    // The state every read starts from, again for each file a test reads afresh.
    void Recommence() {
        Etat::Demarrage_test(dir_.path());
        Prepare();
    }
    void Prepare() {
        Tav& tav = *Tav::instance();
        // A base picture 1000 pixels wide (scale 1) shown at display scale 1, no zoom:
        // a length is the distance between the points times the image's calibration.
        Redimensionne_vue_a(9000);
        tav.picbase.Width = 15000;
        EchelleAffichage = 1.0;
        for (const char* image : {"spores.jpg", "spores a.jpg", "spores b.jpg", "cystides.jpg", "asques.jpg",
                                  "hymenium.jpg", "chapeau.jpg", "lames.jpg"})
            Ecrit_octets(chemin(QString::fromUtf8(image)), "image");
    }
    // A hand-written file with its images in the test folder.
    QString Golden(const QString& nom) {
        QByteArray octets = Octets(Donnees(nom));
        EXPECT_FALSE(octets.isEmpty()) << nom.toStdString();
        octets.replace("@DOSSIER@", dir_.path().toUtf8());
        const QString p = chemin(nom);
        Ecrit_octets(p, octets);
        return p;
    }
    static void Lit(const QString& p) {
        short statut = 0;
        Gen::Lit_trame(p, statut);
        EXPECT_EQ(statut, 0);
    }
    static QStringList Ligne(int r) {
        QStringList l;
        for (int c = 1; c < GrilleRef.Cols(); ++c) l << Vu_en_francais(GrilleRef.TextMatrix(r, c));
        return l;
    }
    // No row past the last one read holds anything.
    static void Rien_au_dela() {
        for (int r = NbLignesGrille; r < GrilleRef.Rows(); ++r)
            for (int c = 1; c < GrilleRef.Cols(); ++c)
                ASSERT_TRUE(GrilleRef.TextMatrix(r, c).isEmpty()) << "row " << r << " col " << c;
    }
};

struct Cas {
    const char* fichier;
    short fonction, taille;
    std::vector<QStringList> lignes;   // columns 1 to Cols - 1 of each row
};

} // namespace

TEST_F(FichierTrm, EveryFunctionReadsAsWrittenAndWritesBackUnchanged) {
    // Lengths by hand: distance between the points × the image's calibration, with the
    // display pattern "###0.00" and a decimal comma. Spores 2D: Q = L / l, V = L·l²·π/6
    // with the display pattern too (5 · 2.5² · 3.14159 / 6 = 16.362; 6.25 · 3.75² · 3.14159 / 6 = 46.020).
    // Functions 10 to 16 are rebuilt from what their records keep, at 1 micron per image
    // unit: the count of 10 beside its point (none in an older file: an empty cell); A 3
    // and B 4 of 11 and A + 2B = 11; the density's corners (0, 0)-(6, 8): the ellipse
    // Int(100 × 8/6 × 3.1416) = 418, the rectangle 48, with 209 counted 209/418 = 0.5 and
    // its root 0.71 (none counted in an older file); the triangle's vertices (100, 100),
    // (400, 100), (100, 500): surface 300 × 400 / 2, perimeter 300 + 400 + 500, angle 90
    // (an older file keeps none); the polygon's area and perimeter (×1000 in segment 2)
    // give 12, 14, Rm = 2 × 12 / 14 = 1.71 and P/S = 14/12 = 1.17.
    const Cas cas[] = {
        {"fonction01.trm", 1, 64, {{"5,00", "1", ""}, {"6,50", "1", "hyphe cloisonnée"}, {"2,50", "1", ""}}},
        {"fonction02.trm", 2, 128,
         {{"5,00", "2,50", "2,00", "16,36", "1", "ovoïde, paroi épaisse"}, {"6,25", "3,75", "1,67", "46,02", "2", ""}}},
        {"fonction03.trm", 3, 256, {{"17,00", "10,00", "5,00", "1,70", "3,40", "1", "vue de profil"}}},
        {"fonction04.trm", 4, 256, {{"2,50", "5,00", "6,50", "1", ""}}},
        {"fonction05.trm", 5, 256, {{"2,50", "5,00", "6,50", "8,50", "1", ""}}},
        {"fonction06.trm", 6, 256, {{"2,50", "5,00", "6,50", "8,50", "12,50", "1", ""}}},
        {"fonction10.trm", 10, 256, {{"", "1", ""}}},
        {"fonction10_compte.trm", 10, 256, {{"7", "1", ""}}},
        {"fonction11.trm", 11, 256, {{"3", "4", "11", "1", ""}}},
        {"fonction13.trm", 13, 256, {{"418,00", "209", "0,50", "0,71", "1", ""}}},
        {"fonction14.trm", 14, 256, {{"48,00", "", "", "", "1", ""}}},
        {"fonction15.trm", 15, 256, {{"60000", "1200", "90", "1", ""}}},
        {"fonction15_ancien.trm", 15, 256, {{"", "", "", "1", ""}}},
        {"fonction16.trm", 16, 256, {{"12", "14", "1,71", "1,17", "1", "contour fermé"}}},
        // A colour file written before colour rows kept their values: its rows show none,
        // and a row of one entry writes back as it came.
        {"fonction20.trm", 20, 256, {{"", "", "", "", "", "", "", "1", "lame jaune"}, {"", "", "", "", "", "", "", "1", ""}}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.fichier);
        Recommence();
        const QString p = Golden(QString::fromLatin1(c.fichier));
        {
            // Colour mode starts by saying that no standard file is loaded: once as the
            // function is set up, once more as the reader starts the colour part.
            Prompts::Script script;
            if (c.fonction == 20)
                script.message(QStringLiteral("fichier étalon non chargé ")).message(QStringLiteral("fichier étalon non chargé "));
            Lit(p);
        }
        EXPECT_EQ(NumFonction, c.fonction);
        EXPECT_EQ(TailleGrille, c.taille);
        EXPECT_EQ(GrilleRef.Rows(), c.taille + 1);
        EXPECT_EQ(NbLignesGrille, int(c.lignes.size()) + 1);
        EXPECT_EQ(EtapeMesure, 1);
        EXPECT_EQ(FichierSource, QString::fromLatin1(c.fichier));
        for (int r = 1; r <= int(c.lignes.size()); ++r) {
            EXPECT_EQ(GrilleRef.TextMatrix(r, 0), QString::number(r));
            EXPECT_EQ(Ligne(r), c.lignes[size_t(r - 1)]) << "row " << r;
        }
        Rien_au_dela();
        ASSERT_GE(ListIMGchar.ListCount(), 1);
        EXPECT_TRUE(ListIMGchar.List(0).startsWith(dir_.path()));
        EXPECT_EQ(ListImgAff.items(), ListIMGchar.items());
        EXPECT_EQ(ListImgIdx.List(ListImgIdx.ListCount() - 1), QString::number(ListIMGchar.ListCount() - 1));

        const QString copie = chemin(QStringLiteral("copie.trm"));
        ASSERT_TRUE(Gen::Ecrit_trame(copie));
        const QList<QByteArray> ecrit = Sans_resh(Octets(copie)), lu = Sans_resh(Octets(p));
        ASSERT_EQ(ecrit.size(), lu.size());
        for (int i = 0; i < ecrit.size() && !Locale_environnement(); ++i) EXPECT_EQ(ecrit[i].toStdString(), lu[i].toStdString()) << "line " << i;
    }
}

TEST_F(FichierTrm, WriterLinesAndBlocks) {
    // 3 rows, 2 images: 2 calibration lines, 2 image lines, 3 comments, 3 row lines.
    Lit(Golden(QStringLiteral("fonction01.trm")));
    ListIMGchar.AddItem(chemin(QStringLiteral("spores a.jpg")));
    CalibrageImage[2] = -1.25;
    IndResolution = -1;
    // A line break in a comment would shift every later block.
    GrilleRef.setTextMatrix(1, 3, QStringLiteral("deux\r\nlignes"));
    const QString p = chemin(QStringLiteral("trois.trm"));
    ASSERT_TRUE(Gen::Ecrit_trame(p));
    QStringList l;
    ASSERT_TRUE(TextFile::readLines(p, l));
    EXPECT_EQ(l[0], QStringLiteral("INDPRES=True"));
    EXPECT_EQ(l.mid(5, 3), (QStringList{"CALIBRAGE= ", Nombre_local(" 0,5 "), Nombre_local("-1,25 ")}));
    EXPECT_EQ(l.mid(10, 3), (QStringList{"IMAGES= ", chemin("spores.jpg"), chemin("spores a.jpg")}));
    EXPECT_EQ(l.mid(13, 6), (QStringList{"COMMENT= ", "1;deux  lignes", "2;hyphe cloisonnée", "3;", "FIN", "TRAME= "}));
    EXPECT_EQ(l.size(), 22);

    IndResolution = -1;
    {
        // Read over a grid holding data, the reader asks before clearing it.
        Prompts::Script s;
        s.message(QStringLiteral("effacer  la grille  ?"), Prompts::Yes).message(QStringLiteral("ligne 8"));
        Lit(p);
    }
    EXPECT_EQ(GrilleRef.TextMatrix(1, 3), QStringLiteral("deux  lignes"));
    EXPECT_EQ(GrilleRef.TextMatrix(2, 3), QStringLiteral("hyphe cloisonnée"));
    EXPECT_EQ(NbLignesGrille, 4);
}

TEST_F(FichierTrm, BothDecimalSeparatorsRoundTrip) {
    Lit(Golden(QStringLiteral("fonction02.trm")));
    const QString p = chemin(QStringLiteral("point.trm"));
    {
        LocaleScope anglais(QLocale::English, QLocale::UnitedStates);
        ASSERT_TRUE(Gen::Ecrit_trame(p));
    }
    QStringList l;
    ASSERT_TRUE(TextFile::readLines(p, l));
    EXPECT_EQ(l[6], QStringLiteral(" 0.5 "));
    EXPECT_EQ(l[7], QStringLiteral(" 0.25 "));
    Recommence();
    Lit(p);
    EXPECT_EQ(Ligne(2), (QStringList{"6,25", "3,75", "1,67", "46,02", "2", ""}));
    EXPECT_EQ(GrilleRef.TextMatrix(1, 6), QStringLiteral("ovoïde, paroi épaisse"));
}

TEST_F(FichierTrm, TruncatedFileLoadsTheRowsItHoldsAndSaysWhereItStops) {
    const QList<QByteArray> lignes = Octets(Golden(QStringLiteral("fonction01.trm"))).split('\n');
    const int total = int(lignes.size()) - 1;   // the last line break leaves an empty piece
    ASSERT_EQ(total, 20);
    for (int n = 0; n <= total; ++n) {
        SCOPED_TRACE(n);
        Recommence();
        QByteArray octets;
        for (int i = 0; i < n; ++i) octets += lignes[i] + '\n';
        const QString p = chemin(QStringLiteral("court.trm"));
        Ecrit_octets(p, octets);
        Prompts::Script s;
        // A file cut short misses lines it announced, or at least its row block.
        if (n < total) s.message(QStringLiteral("erreur fichier :  ") + p);
        Lit(p);
        EXPECT_EQ(NbLignesGrille, std::max(0, n - 17) + 1);
        Rien_au_dela();
        // A row cut in the middle of its line: its cells are the ones it holds.
        for (int r = 1; r < NbLignesGrille; ++r) EXPECT_FALSE(GrilleRef.TextMatrix(r, 1).isEmpty());
    }
    // Cut inside a row line: the row is there, the value whose points are cut is not.
    Recommence();
    QByteArray octets;
    for (int i = 0; i < 18; ++i) octets += lignes[i] + '\n';
    octets += "2;1;100;2";
    const QString p = chemin(QStringLiteral("coupe.trm"));
    Ecrit_octets(p, octets);
    Prompts::Script s;
    s.message(QStringLiteral("ligne 19"));
    Lit(p);
    EXPECT_EQ(NbLignesGrille, 3);
    EXPECT_EQ(Ligne(2), (QStringList{"", "1", "hyphe cloisonnée"}));
    Rien_au_dela();
}

TEST_F(FichierTrm, MalformedFilesLoadWhatIsSound) {
    QByteArray octets = Octets(Golden(QStringLiteral("fonction01.trm")));
    // Lower-case key with blanks around "=", a row count beyond the rows, an unreadable
    // coordinate, a blank line where a row was due, coordinates beyond 16 bits.
    octets.replace("NBLGMAX =64", "nblgmax = 128");
    octets.replace("NBLIGNES= 3", "NBLIGNES= 9");
    octets.replace("2;1;100;200;105;212;", "2;1;100;2x0;105;212;");
    octets.replace("0;1;-3;-4;0;0;", "0;1;40000;70000;40003;70004;\r\n\r\n0;1;1;1;1;1;");
    const QString p = chemin(QStringLiteral("abime.trm"));
    Ecrit_octets(p, octets);
    {
        Prompts::Script s;
        s.message(QStringLiteral("ligne 16"));
        Lit(p);
    }
    EXPECT_EQ(TailleGrille, 128);
    EXPECT_EQ(NbLignesGrille, 4);
    EXPECT_EQ(Ligne(1), (QStringList{"5,00", "1", ""}));
    EXPECT_EQ(Ligne(2), (QStringList{"", "1", "hyphe cloisonnée"}));
    // (40000, 70000) to (40003, 70004): a distance of 5, at calibration 0.5.
    EXPECT_EQ(Ligne(3), (QStringList{"2,50", "1", ""}));
    EXPECT_EQ(Trame(3).Segments[1].y2, 70004);
    Rien_au_dela();

    // Values that do not convert are skipped; a grid size the program does not offer too.
    octets = Octets(Golden(QStringLiteral("fonction01.trm")));
    octets.replace("NBLGMAX =64", "NBLGMAX =1000");
    octets.replace("FONCTION= 1", "FONCTION= 99");
    octets.replace("NBIMAGES= 1", "NBIMAGES= un");
    Recommence();
    const QString q = chemin(QStringLiteral("faux.trm"));
    Ecrit_octets(q, octets);
    {
        Prompts::Script s;
        s.message(QStringLiteral("ligne 2"));
        Lit(q);
    }
    EXPECT_EQ(TailleGrille, 256);
    EXPECT_EQ(NumFonction, 0);
    // No image is named, but the rows' image keeps its place.
    EXPECT_EQ(ListIMGchar.ListCount(), 1);
    EXPECT_EQ(NbLignesGrille, 4);
}

TEST_F(FichierTrm, RowCountAtTheSixteenBitLimitIsReportedNotThrown) {
    // 32766.6 rows plus the title row round to 32768: the count's conversion raised an
    // error that nothing caught, and the program stopped.
    QByteArray octets = Octets(Golden(QStringLiteral("fonction01.trm")));
    octets.replace("NBLIGNES= 3", "NBLIGNES= 32766,6");
    const QString p = chemin(QStringLiteral("limite.trm"));
    Ecrit_octets(p, octets);
    {
        Prompts::Script s;
        s.message(QStringLiteral("ligne 3"));
        Lit(p);
    }
    EXPECT_EQ(NumFonction, 1);
    EXPECT_EQ(NbLignesGrille, 1);
    Rien_au_dela();
}

TEST_F(FichierTrm, ScreenWidthResolutionModeAndMissingFile) {
    // A picture width written with a decimal comma is read whole; the calibrations follow it.
    QByteArray octets = Octets(Golden(QStringLiteral("fonction01.trm")));
    octets.replace("PCTSW =  9000 ", "PCTSW =  4500,5 ");
    const QString p = chemin(QStringLiteral("largeur.trm"));
    Ecrit_octets(p, octets);
    {
        Prompts::Script s;
        s.message(QStringLiteral("résolution écran corrigée"));
        Lit(p);
    }
    EXPECT_FLOAT_EQ(float(CalibrageImage[1]), 0.5f * 4500.5f / 9000.0f);

    // A file of the other resolution mode is refused before anything changes.
    GrilleRef.setTextMatrix(1, 3, QStringLiteral("à garder"));
    octets.replace("INDPRES=False", "INDPRES=True");
    Ecrit_octets(p, octets);
    short statut = 0;
    {
        Prompts::Script s;
        s.message(QStringLiteral("mode de resolution incompatible"));
        Gen::Lit_trame(p, statut);
    }
    EXPECT_EQ(statut, 1);
    EXPECT_EQ(GrilleRef.TextMatrix(1, 3), QStringLiteral("à garder"));
    EXPECT_EQ(NbLignesGrille, 4);

    // A missing file says so and changes nothing.
    {
        Prompts::Script s;
        s.message(QStringLiteral("fichier trame absent "));
        Gen::Lit_trame(chemin(QStringLiteral("absent.trm")), statut);
    }
    EXPECT_EQ(GrilleRef.TextMatrix(1, 3), QStringLiteral("à garder"));
    EXPECT_EQ(NbLignesGrille, 4);
}

TEST_F(FichierTrm, SaveCommand) {
    Lit(Golden(QStringLiteral("fonction01.trm")));
    RepData = chemin(QStringLiteral("ailleurs"));
    QDir().mkpath(RepData);
    FichierSource = QStringLiteral("sortie.v2.trm");
    const QString p = chemin(QStringLiteral("sortie.trm"));
    {
        // Cancel writes nothing and shows nothing.
        Prompts::Script s;
        s.save(std::nullopt);
        Gen::Sauve_mesures();
        ASSERT_EQ(s.seen().size(), 1u);
        EXPECT_EQ(s.seen()[0].proposedName, QStringLiteral("sortie.trm"));
        EXPECT_EQ(s.seen()[0].folder, RepData);
    }
    EXPECT_FALSE(QFileInfo::exists(p));
    {
        Prompts::Script s;
        s.save(p);
        Gen::Sauve_mesures();
    }
    EXPECT_EQ(RepData, dir_.path());
    const QByteArray premier = Octets(p);
    EXPECT_TRUE(premier.startsWith("INDPRES=False\r\n"));
    GrilleRef.setTextMatrix(1, 3, QStringLiteral("changé"));
    {
        // Cancel at the overwrite question leaves the old file.
        Prompts::Script s;
        s.save(p).message(QStringLiteral("écraser le fichier existant ?"), Prompts::Cancel);
        Gen::Sauve_mesures();
    }
    EXPECT_EQ(Octets(p), premier);
    {
        Prompts::Script s;
        s.save(p).message(QStringLiteral("écraser le fichier existant ?"), Prompts::Ok);
        Gen::Sauve_mesures();
    }
    EXPECT_TRUE(Octets(p).contains("1;chang\xe9\r\n"));
    // A folder that cannot take the file: "erreur fichier" with the path.
    const QString impossible = chemin(QStringLiteral("pas/de/dossier.trm"));
    {
        Prompts::Script s;
        s.save(impossible).message(QStringLiteral("erreur fichier :  ") + impossible);
        Gen::Sauve_mesures();
    }
    EXPECT_FALSE(QFileInfo::exists(impossible));
}

TEST_F(FichierTrm, LoadCommandShowsTheDialogBeforeClearing) {
    Lit(Golden(QStringLiteral("fonction01.trm")));
    const QString autre = Golden(QStringLiteral("fonction03.trm"));
    const auto intacte = [] {
        EXPECT_EQ(NumFonction, 1);
        EXPECT_EQ(NbLignesGrille, 4);
        EXPECT_EQ(Vu_en_francais(GrilleRef.TextMatrix(2, 1)), QStringLiteral("6,50"));
    };
    {
        // No to the question, or Cancel in the dialog: nothing changes, nothing more is shown.
        Prompts::Script s;
        s.message(QStringLiteral("La table actuelle contient des données"), Prompts::No);
        Gen::Charge_mesures();
        s.message(QStringLiteral("La table actuelle"), Prompts::Yes).open(std::nullopt);
        Gen::Charge_mesures();
        EXPECT_EQ(s.seen().size(), 3u);
    }
    intacte();
    EXPECT_EQ(InitFaite, -1);
    {
        // A file that is not there: said, and the grid kept.
        Prompts::Script s;
        s.message(QStringLiteral("La table actuelle"), Prompts::Yes)
            .open(chemin(QStringLiteral("absent.trm")))
            .message(QStringLiteral("fichier trame absent "));
        Gen::Charge_mesures();
        // One that is there but cannot be read is said to be so.
        ASSERT_TRUE(QDir().mkpath(chemin(QStringLiteral("d.trm"))));
        s.message(QStringLiteral("La table actuelle"), Prompts::Yes).open(chemin(QStringLiteral("d.trm")));
        s.message(QStringLiteral("erreur fichier :  ") + chemin(QStringLiteral("d.trm")));
        Gen::Charge_mesures();
    }
    intacte();
    {
        Prompts::Script s;
        s.message(QStringLiteral("La table actuelle"), Prompts::Yes).open(autre);
        Gen::Charge_mesures();
    }
    EXPECT_EQ(NumFonction, 3);
    EXPECT_EQ(NbLignesGrille, 2);
    EXPECT_EQ(GrilleRef.TextMatrix(1, 7), QStringLiteral("vue de profil"));
    // The picture it names holds no picture: none is shown under its number.
    EXPECT_EQ(NomImageActive, QString());
    EXPECT_EQ(IndexImageActive, 0);
    // Records of the rows the file replaced are gone.
    EXPECT_EQ(Trame(2).Segments[1].x2, 0);
    EXPECT_EQ(Trame(3).Image, 0);
}

TEST_F(FichierTrm, FullGridRoundTripsUnderBothLocales) {
    // 255 rows of spores 3D on two images, comments holding ";" and accents: written under
    // one locale and read under the other, the grid comes back cell for cell.
    QStringList l{"INDPRES=False", "NBIMAGES= 2", "NBLIGNES= 255", "NBLGMAX =256", "FONCTION= 3", "CALIBRAGE= ",
                  " 0,5 ", " 0,125 ", "RESH =  1280 ", "PCTSW =  9000 ", "IMAGES= ", chemin("spores a.jpg"),
                  chemin("spores b.jpg"), "COMMENT= "};
    for (int i = 1; i <= 255; ++i)
        l << QString::number(i) + (i % 3 ? QStringLiteral(";paroi; épaisse à l'apex n°%1").arg(i) : QStringLiteral(";"));
    l << "FIN" << "TRAME= ";
    for (int i = 1; i <= 255; ++i)
        l << QStringLiteral("0;%1;0;0;%2;%3;5;5;%4;9;-7;1;1;%5;").arg(1 + i % 2).arg(i).arg(3 * i).arg(i + 40).arg(i % 17);
    const QString source = chemin(QStringLiteral("pleine.trm"));
    ASSERT_TRUE(TextFile::writeLines(source, l));

    const auto grille = [] {
        QList<QStringList> g;
        for (int r = 0; r < GrilleRef.Rows(); ++r) g << Ligne(r);
        return g;
    };
    const auto charge = [this](const QString& p) {
        Recommence();
        Lit(p);
        EXPECT_EQ(NbLignesGrille, 256);
        EXPECT_EQ(TailleGrille, 256);
    };
    for (const bool anglaisDabord : {false, true}) {
        SCOPED_TRACE(anglaisDabord);
        const QLocale::Language premiere = anglaisDabord ? QLocale::English : QLocale::French;
        const QLocale::Language seconde = anglaisDabord ? QLocale::French : QLocale::English;
        QList<QStringList> attendu;
        const QString copie = chemin(QStringLiteral("copie.trm"));
        {
            LocaleScope l1(seconde);
            charge(source);
            attendu = grille();
            LocaleScope l2(premiere);
            ASSERT_TRUE(Gen::Ecrit_trame(copie));
        }
        LocaleScope l3(seconde);
        charge(copie);
        EXPECT_EQ(grille(), attendu);
    }
    EXPECT_EQ(Ligne(253).last(), QStringLiteral("paroi; épaisse à l'apex n°253"));
    // Row 254 by hand, image 1 at 0.5: 254·√10 · 0.5 = 401.609; √(289² + 4²) · 0.5 = 144.514;
    // √(8² + 15²) · 0.5 = 8.5; Q = 401.609 / 144.514 = 2.779; L/e = 401.609 / 8.5 = 47.248.
    EXPECT_EQ(Ligne(254).mid(0, 5), (QStringList{"401,61", "144,51", "8,50", "2,78", "47,25"}));
}

TEST_F(FichierTrm, ImagesNamedByRowsKeepTheirCalibration) {
    // A blank image line keeps its place while row 2 still names image 2: the saved file
    // keeps that image's calibration, so row 2 reads back the same.
    QByteArray octets = Octets(Golden(QStringLiteral("fonction02.trm")));
    octets.replace(chemin(QStringLiteral("spores a.jpg")).toUtf8(), "");
    const QString p = chemin(QStringLiteral("blanc.trm"));
    Ecrit_octets(p, octets);
    Lit(p);
    ASSERT_EQ(ListIMGchar.ListCount(), 2);
    const QStringList ligne2 = Ligne(2);
    EXPECT_EQ(Vu_en_francais(ligne2.first()), QStringLiteral("6,25"));
    const QString copie = chemin(QStringLiteral("copie.trm"));
    ASSERT_TRUE(Gen::Ecrit_trame(copie));
    Recommence();
    Lit(copie);
    EXPECT_EQ(Ligne(2), ligne2);
}

// Every function's report, its comment made of random pieces of report lines, imports its rows.
TEST_F(FichierTrm, EveryFunctionsReportImportsItsOwnList) {
    const char* const morceaux[] = {"LISTE =", "LISTE=", "2 mesures", " du 3/10", "Fonction : mesure Spore 3D", ";"};
    std::mt19937 alea(35);
    Waits::FakeClock horloge;
    for (const QString& nom : QDir(Donnees(QString())).entryList({QStringLiteral("*.trm")})) {
        Recommence();
        Prompts::Script s;
        if (nom.contains(QStringLiteral("20"))) s.message(QStringLiteral("étalon")).message(QStringLiteral("étalon"));
        Lit(Golden(nom));
        const QList<QStringList> avant = Grille_remplie();
        Gen::Ouvre_commentaire_grille();
        for (int k = 0; k < 3; ++k) Tav::instance()->TBox(3).Text += QString::fromUtf8(morceaux[alea() % 6]);
        const QString rapport = chemin(nom + QStringLiteral(".csv"));
        s.save(rapport);
        Tav::instance()->Bout_dial_Click(28);
        s.message(QStringLiteral("La table actuelle"), Prompts::Yes).open(rapport);
        Gen::Charge_csv();
        EXPECT_EQ(Grille_remplie(), avant) << nom.toStdString();
    }
}
