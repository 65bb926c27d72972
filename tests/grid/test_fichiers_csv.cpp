// CSV import: hand-written reports of four and six columns and a ".txt" report read into
// the grid, lists that end early or run long, and the import command.
#include <QFile>
#include <QFileInfo>

#include "app/etat.h"
#include "base/etat_demarrage.h"
#include "base/etat_programme.h"
#include "base/tav.h"
#include "grid/etat_grille.h"
#include "grid/fonction.h"
#include "base/grilles.h"
#include "grid/import_csv.h"
#include "grid/effacement.h"
#include "platform/prompts.h"
#include "platform/waits.h"
#include "tests/common/fixture.h"
#include "tests/grid/aide_fichiers.h"
#include "base/etat_partage.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"
#include "colour/etat_couleur.h"

namespace {

class ImportCsv : public EtatPropre {
protected:
    void SetUp() override {
        EtatPropre::SetUp();
    }
    QString Copie(const QString& nom, const QByteArray& octets) {
        const QString p = chemin(nom);
        QFile f(p);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(octets);
        return p;
    }
    QString Golden(const QString& nom) { return Copie(nom, Octets(Donnees(nom))); }
    static void Lit(const QString& p) {
        short statut = 0;
        Gen::Lit_csv(p, statut);
    }
    static QStringList Ligne(const Grille& g, int r) {
        QStringList l;
        for (int c = 0; c < g.Cols(); ++c) l << g.TextMatrix(r, c);
        return l;
    }
    // Nothing below the rows imported: no statistics line, no repeated row.
    static void Rien_au_dela() {
        for (int r = NbLignesGrille; r < GrilleRef.Rows(); ++r)
            for (int c = 1; c < GrilleRef.Cols(); ++c)
                ASSERT_TRUE(GrilleRef.TextMatrix(r, c).isEmpty()) << "row " << r << " col " << c;
    }
};

} // namespace

TEST_F(ImportCsv, FourColumnReportStopsAtItsLineOfEmptyCells) {
    // The closing line of a four-column grid, "; ; ; ; ", holds no run of five separators.
    for (const char* nom : {"rapport_segment.csv", "rapport_segment.txt"}) {
        SCOPED_TRACE(nom);
        Etat::Demarrage_test(dir_.path());
        const QString p = Golden(QString::fromLatin1(nom));
        Lit(p);
        EXPECT_EQ(FichierCSVImporte, p);
        EXPECT_EQ(NomFonction, QStringLiteral("mesure Segment"));
        ASSERT_EQ(GrilleRef.Cols(), 4);
        EXPECT_EQ(GrilleRefP.Cols(), 4);
        EXPECT_EQ(Ligne(GrilleRef, 0), (QStringList{"N°", "Longueur", "img", "comment"}));
        EXPECT_EQ(Ligne(GrilleRefP, 0), Ligne(GrilleRef, 0));
        EXPECT_EQ(Ligne(GrilleRef, 1), (QStringList{"1", "5,00", "1", ""}));
        EXPECT_EQ(Ligne(GrilleRef, 2), (QStringList{"2", "6,50", "1", "hyphe cloisonnée"}));
        EXPECT_EQ(Ligne(GrilleRef, 3), (QStringList{"3", "2,50", "1", ""}));
        EXPECT_EQ(NbLignesGrille, 4);
        EXPECT_EQ(NbValeursLigne, 1);
        EXPECT_EQ(NbColonnesStat, 1);
        Rien_au_dela();
    }
}

TEST_F(ImportCsv, SixColumnReportImportsEveryColumn) {
    // A path or a comment holding "LISTE" does not start the list; a comment holding ";"
    // comes back whole.
    const QString p = Golden(QStringLiteral("rapport_cystides.csv"));
    Lit(p);
    ASSERT_EQ(GrilleRef.Cols(), 6);
    EXPECT_EQ(NomFonction, QStringLiteral("mesure Cystide 3"));
    EXPECT_EQ(Ligne(GrilleRef, 0), (QStringList{"N°", "Long.", "L.base", "L.col", "img", "comment"}));
    EXPECT_EQ(Ligne(GrilleRef, 1), (QStringList{"1", "42,50", "8,25", "4,00", "1", "fusiforme"}));
    EXPECT_EQ(Ligne(GrilleRef, 3), (QStringList{"3", "51,00", "9,00", "4,25", "2", "col étroit; capitée"}));
    EXPECT_EQ(Ligne(GrilleRef, 4), (QStringList{"4", "40,00", "8,00", "3,75", "2", ""}));
    EXPECT_EQ(NbLignesGrille, 5);
    EXPECT_EQ(NbValeursLigne, 3);
    EXPECT_EQ(NbColonnesStat, 3);
    Rien_au_dela();

    // The same list cut short, with no closing line: the rows it holds, once each.
    QByteArray octets = Octets(p);
    octets.truncate(octets.indexOf("3; 51,00"));
    Etat::Demarrage_test(dir_.path());
    Lit(Copie(QStringLiteral("court.csv"), octets));
    EXPECT_EQ(NbLignesGrille, 3);
    EXPECT_EQ(GrilleRef.TextMatrix(2, 1), QStringLiteral("38,75"));
    Rien_au_dela();
}

TEST_F(ImportCsv, UnknownFunctionLongListAndGridSize) {
    // No known title: the columns of the title row; 300 rows: the grid grows to its
    // largest size and takes 255 of them, and the user is told where the import stopped.
    QByteArray octets = "Fonction : Comptage-1\r\nLISTE=\r\nN°; NB1; img; comment; \r\n";
    for (int i = 1; i <= 300; ++i) octets += QByteArray::number(i) + "; " + QByteArray::number(i % 7) + "; 1; ; \r\n";
    Tav::instance()->TgrilleMax_Click(0);
    ASSERT_EQ(TailleGrille, 64);
    const QString p = Copie(QStringLiteral("long.csv"), octets);
    {
        Prompts::Script s;
        s.message(QStringLiteral("erreur fichier :  ") + p + QStringLiteral("\r\nligne 259"));
        Lit(p);
    }
    EXPECT_EQ(GrilleRef.Cols(), 4);
    EXPECT_EQ(NbValeursLigne, 1);
    EXPECT_EQ(TailleGrille, 256);
    EXPECT_EQ(GrilleRef.Rows(), 257);
    EXPECT_TRUE(Tav::instance()->TgrilleMax(2).Checked);
    EXPECT_EQ(NbLignesGrille, 256);
    EXPECT_EQ(GrilleRef.TextMatrix(255, 0), QStringLiteral("255"));
    EXPECT_EQ(GrilleRef.TextMatrix(255, 1), QString::number(255 % 7));
    EXPECT_EQ(GrilleRef.TextMatrix(1, 2), QStringLiteral("1"));

    // 100 rows into a grid of 63: the next size that holds them.
    Etat::Demarrage_test(dir_.path());
    Tav::instance()->TgrilleMax_Click(0);
    octets.truncate(octets.indexOf("\r\n101; "));
    Lit(Copie(QStringLiteral("cent.csv"), octets));
    EXPECT_EQ(TailleGrille, 128);
    EXPECT_EQ(NbLignesGrille, 101);
}

TEST_F(ImportCsv, CommandAsksChoosesThenClears) {
    Waits::FakeClock horloge;
    Tav& tav = *Tav::instance();
    NumFonction = 1;
    PGr::Choix_fonction();
    GrilleRef.setTextMatrix(1, 1, QStringLiteral("7,00"));
    NbLignesGrille = 2;
    const auto intacte = [] {
        EXPECT_EQ(NumFonction, 1);
        EXPECT_EQ(NbLignesGrille, 2);
        EXPECT_EQ(GrilleRef.TextMatrix(1, 1), QStringLiteral("7,00"));
    };
    {
        // No, or Cancel in the dialog: nothing changes and no notice is shown.
        Prompts::Script s;
        s.message(QStringLiteral("La table actuelle contient des données"), Prompts::No);
        Gen::Charge_csv();
        s.message(QStringLiteral("continuer ?"), Prompts::Yes).open(std::nullopt, QStringLiteral("fich.CSV"));
        Gen::Charge_csv();
        s.message(QStringLiteral("continuer ?"), Prompts::Yes)
            .open(chemin(QStringLiteral("absent.csv")))
            .message(QStringLiteral("fichier absent "));
        Gen::Charge_csv();
        ASSERT_EQ(s.seen().size(), 6u);
        EXPECT_EQ(s.seen()[2].proposedName, QStringLiteral("mesures.csv"));
        EXPECT_EQ(s.seen()[2].folder, RepData);
    }
    intacte();
    EXPECT_EQ(horloge.rounds(), 0);
    EXPECT_TRUE(FichierCSVImporte.isEmpty());

    const QString p = Golden(QStringLiteral("rapport_cystides.csv"));
    {
        Prompts::Script s;
        s.message(QStringLiteral("continuer ?"), Prompts::Yes).open(p);
        Gen::Charge_csv();
    }
    EXPECT_EQ(NumFonction, 0);
    EXPECT_EQ(NbLignesGrille, 5);
    EXPECT_EQ(InitFaite, -1);
    EXPECT_EQ(tav.lblLabelflashx.Caption, QStringLiteral(" Poursuite des mesures déconseillée"));
    EXPECT_EQ(tav.FraFlash.BackColor, 65280);
    EXPECT_GT(horloge.rounds(), 0);
}
