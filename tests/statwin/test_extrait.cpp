// The extract saved as a measurement file and exported as a table: a hand-written
// measurement file is read, rows 1 and 3 are extracted, the written lines are checked
// against the format, and the extract file is loaded back as a grid of its own.
#include <QDir>
#include <QFile>

#include "base/etat_demarrage.h"
#include "base/etat_programme.h"
#include "base/messages.h"
#include "base/tav.h"
#include "grid/etat_grille.h"
#include "grid/fichier_trm.h"
#include "base/grilles.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"
#include "measure/services_mesure.h"
#include "platform/pressepapier.h"
#include "platform/prompts.h"
#include "platform/textfile.h"
#include "tests/statwin/test_tests_commun.h"
#include "base/etat_partage.h"
#include "colour/etat_couleur.h"

namespace {

// Spores 2D, two images, three rows; row 2 was measured on the second image.
const char* Source =
    "INDPRES=False\r\n"
    "NBIMAGES= 2\r\n"
    "NBLIGNES= 3\r\n"
    "NBLGMAX =128\r\n"
    "FONCTION= 2\r\n"
    "CALIBRAGE= \r\n"
    " 0,5 \r\n"
    " 0,25 \r\n"
    "RESH =  1280 \r\n"
    "PCTSW =  9000 \r\n"
    "IMAGES= \r\n"
    "@/spores a.jpg\r\n"
    "@/spores b.jpg\r\n"
    "COMMENT= \r\n"
    "1;ovoïde\r\n"
    "2;\r\n"
    "3;paroi épaisse\r\n"
    "FIN\r\n"
    "TRAME= \r\n"
    "0;1;0;0;6;8;0;0;3;4;\r\n"
    "0;2;0;0;24;7;10;10;22;19;\r\n"
    "0;1;0;0;12;16;0;0;6;8;\r\n";

class Extrait : public VueStat {
protected:
    void SetUp() override {
        VueStat::SetUp();
        Tav& tav = *Tav::instance();
        Redimensionne_vue_a(9000);
        tav.picbase.Width = 15000;
        EchelleAffichage = 1.0;
        for (const char* image : {"spores a.jpg", "spores b.jpg"}) {
            QFile f(chemin(QString::fromUtf8(image)));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write("image");
        }
        ASSERT_TRUE(TextFile::write(chemin(QStringLiteral("source.trm")),
                                    QString::fromUtf8(Source).replace(QLatin1Char('@'), dir_.path())));
        short statut = 0;
        Gen::Lit_trame(chemin(QStringLiteral("source.trm")), statut);
        ASSERT_EQ(statut, 0);
        ASSERT_EQ(NbLignesGrille, 4);
        for (int r = 1; r <= 3; ++r) source_.push_back(Ligne(r));
    }
    static QStringList Ligne(int r) {
        QStringList l;
        for (int c = 1; c < GrilleRef.Cols(); ++c) l << GrilleRef.TextMatrix(r, c);
        return l;
    }
    static QStringList Lu(const QString& p) {
        QStringList l;
        EXPECT_TRUE(TextFile::readLines(p, l)) << s(p);
        return l;
    }
    std::vector<QStringList> source_;
};

TEST_F(Extrait, ExtractFileWrittenAndLoadedBack) {
    FenHisto& f = fenetre();
    ExtraitListe = QStringLiteral("1;3;");
    const QString p = chemin(QStringLiteral("lot_EX.trm"));
    {
        Prompts::Script script;
        script.save(p);
        f.exporte_trame_extrait();
        ASSERT_EQ(script.seen().size(), 1u);
        EXPECT_EQ(s(script.seen()[0].proposedName), "source_EX.trm");
        EXPECT_EQ(s(script.seen()[0].filter), "*.trm|*.trm|Tous les fichiers (*.*)|*.*");
    }
    QStringList l = Lu(p);
    ASSERT_GT(l.size(), 8);
    EXPECT_TRUE(l[8].startsWith(QStringLiteral("RESH = "))) << s(l[8]);
    l.removeAt(8);
    for (QString& ligne : l) ligne = Vu_en_francais(ligne);
    const QString d = dir_.path();
    EXPECT_EQ(l, QStringList({"INDPRES=False", "NBIMAGES= 2", "NBLIGNES= 2", "NBLGMAX =128", "FONCTION= 2",
                              "CALIBRAGE= ", " 0,5 ", " 0,25 ", "PCTSW =  9000 ", "IMAGES= ", d + "/spores a.jpg",
                              d + "/spores b.jpg", "EXTRAITS= source.trm / 1;3;", "COMMENT= ", "1;ovoïde",
                              "2;paroi épaisse", "FIN", "TRAME= ", "0;1;0;0;6;8;0;0;3;4;", "0;1;0;0;12;16;0;0;6;8;"}));

    // Loaded back, the extract is a grid of rows 1 and 3.
    {
        Prompts::Script script;
        script.message(QStringLiteral("La table actuelle"), Prompts::Yes).open(p);
        Gen::Charge_mesures();
    }
    EXPECT_EQ(NbLignesGrille, 3);
    EXPECT_EQ(Ligne(1), source_[0]);
    EXPECT_EQ(Ligne(2), source_[2]);
    EXPECT_EQ(s(FichierSource), "lot_EX.trm");
}

TEST_F(Extrait, NoExtractNothingToSave) {
    FenHisto& f = fenetre();
    ExtraitListe.clear();
    Prompts::Script script;
    script.message(QStringLiteral("Liste extraite vide")).message(QStringLiteral("Il n'y a rien à exporter"));
    f.exporte_trame_extrait();
    f.CSV_Export();
    EXPECT_EQ(script.remaining(), 0);
}

TEST_F(Extrait, CancelAndOverwrite) {
    FenHisto& f = fenetre();
    ExtraitListe = QStringLiteral("2;");
    const QString avant = RepData;
    {
        // Cancel in the dialog: nothing written, nothing said, the data folder kept.
        Prompts::Script script;
        script.save(std::nullopt).save(std::nullopt);
        f.exporte_trame_extrait();
        f.CSV_Export();
        EXPECT_EQ(script.seen().size(), 2u);
    }
    EXPECT_EQ(RepData, avant);
    EXPECT_EQ(QDir(dir_.path()).entryList({"*_EX*", "*_Extr*"}, QDir::Files).size(), 0);

    QDir(dir_.path()).mkdir(QStringLiteral("autre"));
    const QString p = chemin(QStringLiteral("autre/ancien.trm"));
    ASSERT_TRUE(TextFile::write(p, QStringLiteral("ancien\r\n")));
    {
        Prompts::Script script;
        script.save(p).message(QStringLiteral("écraser le fichier existant ?"), Prompts::Cancel);
        f.exporte_trame_extrait();
    }
    EXPECT_EQ(Lu(p), QStringList({"ancien"}));
    // The chosen folder became the data folder, even though nothing was written.
    EXPECT_EQ(RepData, chemin(QStringLiteral("autre")));
    {
        Prompts::Script script;
        script.save(p).message(QStringLiteral("écraser le fichier existant ?"), Prompts::Ok);
        f.exporte_trame_extrait();
    }
    EXPECT_TRUE(Lu(p).contains(QStringLiteral("EXTRAITS= source.trm / 2;")));
}

TEST_F(Extrait, FailedWritesAreSaid) {
    FenHisto& f = fenetre();
    ExtraitListe = QStringLiteral("1;3;");
    const QString p = chemin(QStringLiteral("absent/lot_EX.trm"));
    {
        Prompts::Script script;
        script.save(p).message(QStringLiteral("erreur fichier"));
        f.exporte_trame_extrait();
        EXPECT_EQ(script.remaining(), 0);
    }
    EXPECT_FALSE(QFile::exists(p));

    // A row the records do not hold writes nothing rather than half a file.
    ExtraitListe = QStringLiteral("1;300;");
    const QString q = chemin(QStringLiteral("lot_EX.trm"));
    {
        Prompts::Script script;
        script.save(q).message(QStringLiteral("erreur fichier"));
        f.exporte_trame_extrait();
        EXPECT_EQ(script.remaining(), 0);
    }
    EXPECT_FALSE(QFile::exists(q));

    ExtraitListe = QStringLiteral("1;3;");
    {
        Prompts::Script script;
        script.save(chemin(QStringLiteral("absent/table.csv"))).message(QStringLiteral("erreur fichier"));
        f.CSV_Export();
        EXPECT_EQ(script.remaining(), 0);
    }
}

TEST_F(Extrait, TableOfTheExtractedRows) {
    FenHisto& f = fenetre();
    ExtraitListe = QStringLiteral("1;3;");
    ExtExport = QStringLiteral("txt");
    Tav::instance()->labNomFic.Caption = chemin(QStringLiteral("spores a.jpg"));
    NomImageActive = chemin(QStringLiteral("spores a.jpg"));
    const QString p = chemin(QStringLiteral("table.txt"));
    {
        Prompts::Script script;
        script.save(p);
        f.CSV_Export();
        ASSERT_EQ(script.seen().size(), 1u);
        EXPECT_EQ(s(script.seen()[0].proposedName), "spores a_Extr.txt");
        EXPECT_EQ(s(script.seen()[0].filter), "*.txt|*.txt|Tous les fichiers (*.*)|*.*");
    }
    const QStringList l = Lu(p);
    ASSERT_EQ(l.size(), 12) << s(l.join('\n'));
    EXPECT_TRUE(l[0].startsWith(QStringLiteral(" Extrait du Résultat des mesures du "))) << s(l[0]);
    EXPECT_TRUE(l[0].contains(QStringLiteral(" à ")));
    EXPECT_EQ(s(l[1]), "indépendance Dimension");
    EXPECT_EQ(s(l[2]), s(QStringLiteral("Fonction : ") + NomFonction));
    EXPECT_EQ(s(l[3]), "Images chargées : ");
    EXPECT_EQ(s(l[4]), "num\t;fichier calibrage");
    EXPECT_EQ(s(l[5]), "");
    EXPECT_EQ(s(l[6]), "2 mesures sur 3");
    EXPECT_EQ(s(l[7]), "LISTE=");
    auto ligne = [](int r) {
        QString t;
        for (int c = 0; c < GrilleRef.Cols(); ++c) t += GrilleRef.TextMatrix(r, c) + QStringLiteral("\t;");
        return t;
    };
    EXPECT_EQ(l[8], ligne(0));
    EXPECT_EQ(l[9], ligne(1));
    EXPECT_EQ(l[10], ligne(3));
    EXPECT_TRUE(l[10].endsWith(QStringLiteral("paroi épaisse\t;")));
    EXPECT_EQ(s(l[11]), "; ; ; ; ; ; ;");

    // Without an image the name is built from "mesures_Extr."; an imported CSV is named.
    ExtExport = QStringLiteral("csv");
    Tav::instance()->labNomFic.Caption.clear();
    FichierCSVImporte = chemin(QStringLiteral("import.csv"));
    {
        Prompts::Script script;
        script.save(p).message(QStringLiteral("écraser le fichier existant ?\r\n") + p, Prompts::Ok);
        f.CSV_Export();
        EXPECT_EQ(s(script.seen()[0].proposedName), "mesures_Extr_Extr.csv");
    }
    const QStringList m = Lu(p);
    ASSERT_EQ(m.size(), 14) << s(m.join('\n'));
    EXPECT_EQ(s(m[4]), "CSV importé : import.csv");
    EXPECT_EQ(s(m[5]), "");
    EXPECT_EQ(s(m[6]), "num; fichier calibrage");
    QString titres;
    for (int c = 0; c < GrilleRef.Cols(); ++c) titres += GrilleRef.TextMatrix(0, c) + QStringLiteral("; ");
    EXPECT_EQ(m[10], titres);
    EXPECT_EQ(s(m[13]), "; ; ; ; ; ; ;");
}

TEST_F(Extrait, RowsWithoutRecordsAreToldBeforeTheSave) {
    // A pasted table has no record behind its rows, nor has row 2 of a file an extract of one wrote.
    struct Cas { const char *table, *liste, *message; QStringList ecrit; };
    const Cas cas[] = {{"1,5\n2,5\n3,5\n", "1;3;", "Rien n'est sauvé.", {}},
                       {nullptr, "1;2;3;", "Seules les lignes qui en ont un seront sauvées.",
                        {"NBLIGNES= 2", "EXTRAITS= vide.trm / 1;3;", "0;1;0;0;6;8;0;0;3;4;", "0;1;0;0;12;16;0;0;6;8;"}}};
    const QString vide = chemin(QStringLiteral("vide.trm"));
    const QString p = chemin(QStringLiteral("lot_EX.trm"));
    // Row 2 of the source keeps an empty record.
    QString source = QString::fromUtf8(Source).replace(QLatin1Char('@'), dir_.path());
    source.replace(QStringLiteral("0;2;0;0;24;7;10;10;22;19;"), QStringLiteral("0;0;0;0;0;0;0;0;0;0;"));
    ASSERT_TRUE(TextFile::write(vide, source));
    PressePapier::Simule presse;
    for (const Cas& c : cas) {
        Prompts::Script script;
        presse.texte = QString::fromUtf8(c.table);
        script.message(QString(), Prompts::Yes);  // the grid cleared, or the table replaced
        if (c.table) fenetre().Command2_Click(1);
        else script.open(vide);
        if (!c.table) Gen::Charge_mesures();
        ExtraitListe = QString::fromUtf8(c.liste);
        script.message(QStringLiteral("\"Export CSV extrait\" les garde.\r\n") + QString::fromUtf8(c.message));
        if (!c.ecrit.isEmpty()) script.save(p);
        fenetre().exporte_trame_extrait();
        EXPECT_EQ(script.remaining(), 0);
        ASSERT_EQ(QFile::exists(p), !c.ecrit.isEmpty());
        for (const QString& ligne : c.ecrit) EXPECT_TRUE(Lu(p).contains(ligne)) << s(ligne);
    }
}

} // namespace
