// Files a user hands back never end the program nor change what they hold.
#include <QImage>
#include <gtest/gtest.h>
#include <random>

#include "base/etat_partage.h"
#include "base/grilles.h"
#include "base/tav.h"
#include "grid/etat_grille.h"
#include "platform/bytefile.h"
#include "platform/prompts.h"
#include "tests/common/fixture.h"
#include "tests/grid/aide_fichiers.h"

namespace {

class FichiersSains : public EtatPropre {
protected:
    Tav& tav = *Tav::instance();
    // A menu command on a file, answering the questions and messages it is to show.
    void Commande(void (Tav::*menu)(short), short i, const QString& p, bool sauve, const QStringList& messages = {}) {
        Prompts::Script s;
        if (!sauve && EtapeMesure + NbLignesGrille > 2) s.message(QStringLiteral("La table actuelle"), Prompts::Yes);
        sauve ? s.save(p) : s.open(p);
        for (const QString& m : messages) s.message(m);
        (tav.*menu)(i);
        EXPECT_EQ(s.remaining(), 0);
    }
    // A measurement file of one row, on one picture of the test folder when it has one.
    QString Fichier(short fonction, const QByteArray& calibrage, const QByteArray& ligne) {
        const QString image = chemin(QStringLiteral("a.png"));
        QImage(8, 8, QImage::Format_RGB32).save(image);
        const QString p = chemin(QStringLiteral("une.trm"));
        EXPECT_TRUE(ByteFile::write(p, "NBIMAGES= 1\r\nNBLIGNES= 1\r\nFONCTION= " + QByteArray::number(fonction) +
                                           "\r\nCALIBRAGE= \r\n" + calibrage + "\r\nIMAGES= \r\n" + image.toUtf8() +
                                           "\r\nTRAME= \r\n" + ligne + "\r\n"));
        return p;
    }
    static QStringList Premiere_ligne() {
        QStringList l;
        for (int c = 0; c < GrilleRef.Cols(); ++c) l << GrilleRef.TextMatrix(1, c);
        return l;
    }
};

TEST_F(FichiersSains, TriangleTooLongToCountInPixelsLoadsWithAMessage) {
    // A side of 2^41 units: the surface and angle stand, the perimeter stays empty.
    Commande(&Tav::MnuFIC_Click, 10, Fichier(15, "1", "0;0;0;0;2199023255552;0;"), false, {QStringLiteral("ligne 9")});
    EXPECT_EQ(Trame(1).Segments[1].x2, 2199023255552LL);
    EXPECT_EQ(GrilleRef.TextMatrix(1, 1), QStringLiteral("0"));
    EXPECT_TRUE(GrilleRef.TextMatrix(1, 2).isEmpty());
}

TEST_F(FichiersSains, CommentAndCalibrationComeBackAsSaved) {
    // The largest coefficient as a calibration; a comment whose Windows-1252 bytes form UTF-8.
    Commande(&Tav::MnuFIC_Click, 10, Fichier(1, "1000000", "0;1;10;10;13;14;"), false);
    tav.Mntool_Click(10);
    tav.TBox(3).Text = QStringLiteral("RÃ©colte");
    tav.Bout_dial_Click(28), tav.Bout_dial_Click(29);  // "Valider", then close the comment frame
    const QString p = chemin(QStringLiteral("sauve.trm"));
    Commande(&Tav::MnuFIC_Click, 9, p, true);
    CalibrageImage[1] = 0.5;
    Commande(&Tav::MnuFIC_Click, 10, p, false);
    EXPECT_EQ(CalibrageImage[1], 1e6);
    EXPECT_EQ(GrilleRef.TextMatrix(1, GrilleRef.Cols() - 1), QStringLiteral("RÃ©colte"));
}

TEST_F(FichiersSains, ReportOfAnyFunctionImportsIntoItsColumns) {
    // A triangle's report, commented with a line that begins with "LISTE" and names a "Fonction :".
    Commande(&Tav::MnuFIC_Click, 10, Fichier(15, "0,5", "0;1;0;0;30;0;0;0;0;40;"), false);
    const QStringList avant = Premiere_ligne();
    ASSERT_FALSE(avant[1].isEmpty());
    tav.MnuEDit_Click(1);
    tav.TBox(3).Text = QStringLiteral("LISTE des récoltes ; Fonction : mesure Spore 2D");
    const QString rapport = chemin(QStringLiteral("triangle.csv"));
    Commande(&Tav::Bout_dial_Click, 28, rapport, true);
    Commande(&Tav::MnuEDit_Click, 8, rapport, false);
    EXPECT_EQ(NbLignesGrille, 2);
    EXPECT_EQ(Premiere_ligne(), avant);
}

// One-row files of random coefficients, refused ones among them, each loaded after another:
// the row reads 0,00 exactly where its own file refuses the coefficient, and is saved with 0.
TEST_F(FichiersSains, NoFileReadsTheCoefficientOfTheFileBefore) {
    const char* const coefficients[] = {"1E-13", "-0,5", "NaN", "1 000,5", "0,75", "2", "0,5", "1,25"};
    std::mt19937 alea(39);
    for (int n = 0; n < 40; ++n) {
        const size_t k = alea() % 8;
        Commande(&Tav::MnuFIC_Click, 10, Fichier(1, coefficients[k], "0;1;0;0;6;8;"), false, QStringList(k < 4, QStringLiteral("ligne 5")));
        EXPECT_EQ(Vu_en_francais(GrilleRef.TextMatrix(1, 1)) == QStringLiteral("0,00"), k < 4);
        Commande(&Tav::MnuFIC_Click, 9, chemin(QString::number(n)), true);
        EXPECT_EQ(Octets(chemin(QString::number(n))).contains("\r\n 0 \r\n"), k < 4);
    }
}

// A colour row cut in its values (entry 7 without entry 8, an entry 8 of two fields) is
// reported and shows no colour, where it showed R 120, V 50, B 30 and L*, a*, b* of 0.
TEST_F(FichiersSains, ColourRowCutInItsValuesShowsNoColour) {
    const QByteArray point = "0;1;10;20;42;52;" + QByteArray("0;").repeated(20) + "12000;5000;3000;8;";
    for (const QByteArray& ligne : {point, point + "6000;-100;"}) {
        Commande(&Tav::MnuFIC_Click, 10, Fichier(20, "1", ligne), false, {QStringLiteral("étalon"), QStringLiteral("étalon"), QStringLiteral("ligne 9")});
        EXPECT_EQ(Premiere_ligne().mid(1, 6), QStringList(6, QString()));
    }
}

} // namespace
