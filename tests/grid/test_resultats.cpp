// Results text in its five notations, the results panel, the report against hand-written
// files, its dialogs and failures, and the clipboard copies.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "app/etat.h"
#include "base/etat_demarrage.h"
#include "base/etat_programme.h"
#include "base/tav.h"
#include "base/vb.h"
#include "grid/effacement.h"
#include "grid/etat_grille.h"
#include "grid/fichier_trm.h"
#include "grid/fonction.h"
#include "base/grilles.h"
#include "grid/rapport.h"
#include "grid/resultats.h"
#include "image/etat_image.h"
#include "platform/prompts.h"
#include "platform/waits.h"
#include "tests/common/fixture.h"
#include "tests/grid/aide_fichiers.h"
#include "base/etat_partage.h"
#include "measure/etat_mesure.h"
#include "colour/etat_couleur.h"

namespace {

class Resultats : public EtatPropre {
protected:
    void SetUp() override {
        EtatPropre::SetUp();
    }
    // The grid of function f with the given rows of values, as recording leaves it.
    static void Remplit(short f, const std::vector<std::vector<double>>& lignes) {
        Gen::Change_fonction();
        NumFonction = f;
        {
            // Colour mode starts by saying that no standard file is loaded.
            Prompts::Script script;
            if (f == 20) script.message(QStringLiteral("fichier étalon non chargé "));
            PGr::Choix_fonction();
        }
        for (size_t r = 0; r < lignes.size(); ++r) {
            GrilleRef.setTextMatrix(int(r) + 1, 0, QString::number(r + 1));
            for (size_t c = 0; c < lignes[r].size(); ++c)
                GrilleRef.setTextMatrix(int(r) + 1, int(c) + 1, Vb::Format(lignes[r][c], FormatDecimal));
        }
        NbLignesGrille = short(lignes.size() + 1);
    }
    // Values 1 to n in column 1, and (for more columns) r × c in column c.
    static void Suite(short f, int n, int colonnes = 1) {
        std::vector<std::vector<double>> lignes;
        for (int r = 1; r <= n; ++r) {
            lignes.emplace_back();
            for (int c = 1; c <= colonnes; ++c) lignes.back().push_back(double(r) * c);
        }
        Remplit(f, lignes);
    }
    static void Notation(short k) {
        Tav& tav = *Tav::instance();
        for (short i = 1; i <= 5; ++i) tav.NoTexp(i).Checked = i == k;
    }
    // The segment grid of the hand-written measurement file, its image shown.
    QString Grille_segment() {
        Tav& tav = *Tav::instance();
        Redimensionne_vue_a(9000);
        tav.picbase.Width = 15000;
        EchelleAffichage = 1.0;
        QByteArray octets = Octets(Donnees(QStringLiteral("fonction01.trm")));
        octets.replace("@DOSSIER@", dir_.path().toUtf8());
        const QString image = chemin(QStringLiteral("spores.jpg"));
        QFile(image).open(QIODevice::WriteOnly);
        QFile f(chemin(QStringLiteral("segment.trm")));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(octets);
        f.close();
        short statut = 0;
        Gen::Lit_trame(f.fileName(), statut);
        NomImageActive = image;
        tav.labNomFic.Caption = image;
        tav.TBox(3).Text = QStringLiteral("Mesures du 12 mai, hyphes du stipe");
        return image;
    }
};

} // namespace

TEST_F(Resultats, FiveNotationsOfOneColumn) {
    if (Locale_environnement()) GTEST_SKIP() << "the label \"1.96\" keeps its point in French";
    // Values 1 to 11: mean 6, population sigma √10 = 3.16, D1 at rank 1.2 = 1.2, D9 at
    // rank 10.8 = 10.8, median 6; evenly spaced values have as dominant value the mean
    // of the first two, 1.5. Bounds: 6 ∓ 3.16 and 6 ∓ 1.96 × 3.16 = 6 ∓ 6.1936.
    Suite(1, 11);
    const char* attendu[] = {
        "",
        "Longueur : N= 11 ;D1,9; (1,00)1,20-10,80(11,00)",
        "Longueur : N= 11 ;D1,5,9; (1,00)1,20-6,00-10,80(11,00)",
        "Longueur : N= 11 ; m ± sigma ; (1,00)2,84-9,16(11,00)",
        "Longueur : N= 11 ; m ± 1.96 sigma; (1,00)-0,19-12,19(11,00)",
        "Longueur : N= 11 ; dMd ; (1,00)1,20-1,5-10,80(11,00)",
    };
    for (short k = 1; k <= 5; ++k) {
        Notation(k);
        EXPECT_EQ(Gen::Texte_resultats(), QString::fromUtf8(attendu[k])) << k;
    }
    // With 10 rows D1 and D9 do not exist: the text uses m ± sigma (5.5 ∓ 2.87), the menu stays.
    Suite(1, 10);
    Notation(1);
    EXPECT_EQ(Gen::Texte_resultats(), QStringLiteral("Longueur : N= 10 ; m ± sigma ; (1,00)2,63-8,37(10,00)"));
    EXPECT_TRUE(Tav::instance()->NoTexp(1).Checked);
}

TEST_F(Resultats, LinesOfTheOtherFunctions) {
    // Spores 2D: lengths 10 and 12 (mean 11, sigma 1), widths 5 and 6 (5.5, 0.5).
    Remplit(2, {{10, 5}, {12, 6}});
    Notation(3);
    EXPECT_EQ(Vu_en_francais(Gen::Texte_resultats()),
              QStringLiteral("Lxl:N= 2 ; m ± sigma ; (10,00)10,00-12,00(12,00) x (5,00)5,00-6,00(6,00)"));
    EXPECT_TRUE(Gen::Texte_notation_LxL(5).startsWith(QStringLiteral("Lxl: N= 2 ; dMd; (")));

    // Spores 3D in D1,5,9: column c holds r × c for rows 1 to 11.
    Suite(3, 11, 5);
    Notation(2);
    EXPECT_EQ(Vu_en_francais(Gen::Texte_resultats()), QStringLiteral("Notation D1,5,9 ; N = 11\r\n"
                                                     "Longueur : (1,00)1,20-6,00-10,80(11,00)\r\n"
                                                     "largeur :  (2,00)2,40-12,00-21,60(22,00)\r\n"
                                                     "Epaisseur :  (3,00)3,60-18,00-32,40(33,00)\r\n"
                                                     "Q :  (4,00)4,80-24,00-43,20(44,00)\r\n"
                                                     "L :  (5,00)6,00-30,00-54,00(55,00)\r\n"));
    Suite(6, 3, 5);
    EXPECT_EQ(Gen::Texte_resultats().count(QStringLiteral("\r\n")), 6);
    EXPECT_TRUE(Vu_en_francais(Gen::Texte_resultats()).contains(QStringLiteral("L ++ :  (5,00)")));

    for (short f : {10, 11, 13, 14, 20, 0}) {
        Suite(f, 3);
        EXPECT_EQ(Gen::Texte_resultats(), QString()) << f;
    }

    // A mean of 12.35 and a sigma of 1.5 as the statistics grid shows them.
    Suite(1, 3);
    GrilleRefP.setTextMatrix(1, 1, QStringLiteral("12,35"));
    GrilleRefP.setTextMatrix(4, 1, QStringLiteral("1,5"));
    GrilleRefP.setTextMatrix(2, 1, QStringLiteral("10"));
    GrilleRefP.setTextMatrix(3, 1, QStringLiteral("14,1"));
    EXPECT_EQ(Vu_en_francais(Gen::Texte_colonne(3, 1)), QStringLiteral(" (10,00)10,85-13,85(14,10)"));
}

TEST_F(Resultats, PanelAndClipboard) {
    Waits::FakeClock horloge;
    Tav& tav = *Tav::instance();
    NomImageActive = QStringLiteral("C:\\photos\\lame 3.jpg");
    Suite(3, 0, 5);
    Gen::Copie_resultats_affiches();
    // Fewer than 10 rows: the notice, then one second's pause.
    EXPECT_EQ(tav.lblLabelflashx.Caption, QStringLiteral(" nombre de mesures insuffisant"));
    EXPECT_GE(horloge.time(), 1000.5);
    EXPECT_TRUE(tav.Frame(12).Visible);
    const QString texte = tav.TBox(8).Text;
    EXPECT_TRUE(texte.startsWith(QStringLiteral("Image en cours : ***lame 3.jpg\r\n\r\nlong. : \tN =0 ; dMd ; (")));
    EXPECT_TRUE(Vu_en_francais(texte).contains(QStringLiteral("\r\nMoy\t0,00\t0,00\t0,00\t0,00\t0,00\t\t\t\r\n")));
    EXPECT_TRUE(texte.contains(QStringLiteral("Vol. Approx.3D = NC \r\nNotation m ± sigma ; N = 0\r\n")));
    EXPECT_EQ(QApplication::clipboard()->text(), texte);

    Suite(1, 11);
    Notation(1);
    Gen::Copie_texte_resultats();
    EXPECT_EQ(Vu_en_francais(QApplication::clipboard()->text()), QStringLiteral("Longueur : N= 11 ;D1,9; (1,00)1,20-10,80(11,00)"));
}

TEST_F(Resultats, ReportMatchesTheHandWrittenFiles) {
    if (Locale_environnement()) GTEST_SKIP() << "files written by hand with decimal commas";
    for (const char* ext : {"csv", "txt"}) {
        SCOPED_TRACE(ext);
        Etat::Demarrage_test(dir_.path());
        ExtExport = QString::fromLatin1(ext);
        Grille_segment();
        const QString p = chemin(QStringLiteral("spores.") + ExtExport);
        {
            Prompts::Script s;
            s.save(p);
            Gen::Exporte_resultats(1);
            ASSERT_EQ(s.seen().size(), 1u);
            EXPECT_EQ(s.seen()[0].proposedName, QStringLiteral("spores.") + ExtExport);
            EXPECT_EQ(s.seen()[0].folder, dir_.path());
            EXPECT_EQ(s.seen()[0].filter,
                      QStringLiteral("*.%1|*.%1|Tous les fichiers (*.*)|*.*").arg(ExtExport));
        }
        QList<QByteArray> ecrit = Octets(p).split('\n');
        QByteArray golden = Octets(Donnees(QStringLiteral("rapport_segment.") + ExtExport));
        golden.replace("@DOSSIER@", dir_.path().toUtf8());
        QList<QByteArray> attendu = golden.split('\n');
        ASSERT_EQ(ecrit.size(), attendu.size());
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^ Résultat des mesures du \\S+ à \\d\\d:\\d\\d:\\d\\d\\r$"))
                        .match(QString::fromLatin1(ecrit[0]))
                        .hasMatch())
            << ecrit[0].toStdString();
        for (int i = 1; i < ecrit.size(); ++i) EXPECT_EQ(ecrit[i], attendu[i]) << "line " << i + 1;
        EXPECT_EQ(FichierResultats, QStringLiteral("Mesures du 12 mai, hyphes du stipe"));
    }
}

TEST_F(Resultats, ReportTimeInTheSystemsFormat) {
    if (Locale_environnement()) GTEST_SKIP() << "its first time is the French one";
    // The time as the system writes it: 24 hours in French, 12 with AM or PM in American
    // English, never a time zone.
    const auto premiere = [] { return Gen::Texte_rapport().split(QStringLiteral("\r\n")).first(); };
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^ Résultat des mesures du \\d\\d/\\d\\d/\\d{4} à \\d\\d:\\d\\d:\\d\\d$"))
                    .match(premiere())
                    .hasMatch())
        << premiere().toStdString();
    LocaleScope anglais(QLocale::English, QLocale::UnitedStates);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^ Résultat des mesures du \\d{1,2}/\\d{1,2}/\\d\\d à \\d{1,2}:\\d\\d:\\d\\d [AP]M$"))
                    .match(premiere())
                    .hasMatch())
        << premiere().toStdString();
}

TEST_F(Resultats, FullGridReportHasItsClosingLine) {
    Tav::instance()->TgrilleMax_Click(0);
    Suite(1, 63);
    // A grid without a spare row: the closing line reads no row the grid lacks.
    GrilleRef.setRows(64);
    Tav::instance()->Calcul_stat();
    const QStringList lignes = Gen::Texte_rapport().split(QStringLiteral("\r\n"));
    const qsizetype liste = lignes.indexOf(QStringLiteral("LISTE="));
    ASSERT_GT(liste, 0);
    EXPECT_EQ(lignes[liste - 1], QStringLiteral("63 mesures"));
    EXPECT_EQ(Vu_en_francais(lignes[liste + 64]), QStringLiteral("63; 63,00; ; ; "));
    EXPECT_EQ(lignes[liste + 65], QStringLiteral("; ; ; ; "));
    EXPECT_EQ(lignes[liste + 66], QStringLiteral("N°; Longueur; ; index; "));
}

TEST_F(Resultats, ReportDialogsAndFailures) {
    Grille_segment();
    Tav& tav = *Tav::instance();
    const QString defaut = QDir(RepData).filePath(QStringLiteral("spores.csv"));
    {
        // "Export grille" writes again only over an earlier report.
        Prompts::Script s;
        s.message(QStringLiteral("erreur fichier :  ") + defaut);
        Gen::Exporte_resultats(0);
    }
    EXPECT_FALSE(QFileInfo::exists(defaut));
    {
        // Cancel in the dialog is no error: nothing is written, nothing shown.
        Prompts::Script s;
        s.save(std::nullopt);
        Gen::Exporte_resultats(1);
        EXPECT_EQ(s.seen().size(), 1u);
    }
    EXPECT_FALSE(QFileInfo::exists(defaut));
    QFile f(defaut);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("ancien");
    f.close();
    tav.MnuEDit(2).Enabled = false;
    {
        Prompts::Script s;
        s.save(defaut).message(QStringLiteral("écraser le fichier existant ?\r\n") + defaut, Prompts::Cancel);
        Gen::Exporte_resultats(1);
        s.message(QStringLiteral("écraser le fichier existant ?\r\n") + defaut, Prompts::Cancel);
        Gen::Exporte_resultats(0);
    }
    EXPECT_EQ(Octets(defaut), QByteArray("ancien"));
    EXPECT_FALSE(tav.MnuEDit(2).Enabled);
    {
        Prompts::Script s;
        s.message(QStringLiteral("écraser le fichier existant ?"), Prompts::Ok);
        Gen::Exporte_resultats(0);
    }
    EXPECT_TRUE(Octets(defaut).contains("LISTE=\r\n"));
    {
        Prompts::Script s;
        s.save(defaut).message(QStringLiteral("écraser"), Prompts::Ok);
        Gen::Exporte_resultats(1);
    }
    EXPECT_TRUE(tav.MnuEDit(2).Enabled);
    // A file that cannot be written: "erreur fichier" with its path.
    const QString impossible = chemin(QStringLiteral("pas/de/dossier.csv"));
    {
        Prompts::Script s;
        s.save(impossible).message(QStringLiteral("erreur fichier :  ") + impossible);
        Gen::Exporte_resultats(1);
    }
    EXPECT_FALSE(QFileInfo::exists(impossible));
}
