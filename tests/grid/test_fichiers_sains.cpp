// Files a user hands back never end the program nor change what they hold: odd values
// load with a message, and what is written reads back the same.
#include <QImage>
#include <limits>
#include <gtest/gtest.h>

#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/grilles.h"
#include "base/tav.h"
#include "grid/etat_grille.h"
#include "platform/bytefile.h"
#include "platform/prompts.h"
#include "tests/common/fixture.h"

namespace {

class FichiersSains : public EtatPropre {
protected:
    Tav& tav = *Tav::instance();
    QString Ecrit(const QString& nom, const QByteArray& octets) {
        EXPECT_TRUE(ByteFile::write(chemin(nom), octets));
        return chemin(nom);
    }
    // "Charger la trame" of the file menu on a file, with the messages it is to show.
    void Charge(const QString& p, const QStringList& messages = {}) {
        Prompts::Script s;
        if (EtapeMesure + NbLignesGrille > 2) s.message(QStringLiteral("La table actuelle"), Prompts::Yes);
        s.open(p);
        for (const QString& m : messages) s.message(m);
        tav.MnuFIC_Click(10);
        EXPECT_EQ(s.remaining(), 0);
    }
    void Sauve(const QString& p) {
        Prompts::Script s;
        s.save(p);
        tav.MnuFIC_Click(9);
    }
    // A file of one row on one picture of the test folder.
    QString Fichier_une_ligne(short fonction, const QByteArray& calibrage, const QByteArray& ligne) {
        const QString image = chemin(QStringLiteral("a.png"));
        QImage(8, 8, QImage::Format_RGB32).save(image);
        return Ecrit(QStringLiteral("une.trm"), "NBIMAGES= 1\r\nNBLIGNES= 1\r\nFONCTION= " + QByteArray::number(fonction) +
                                                   "\r\nCALIBRAGE= \r\n" + calibrage + "\r\nIMAGES= \r\n" +
                                                   image.toUtf8() + "\r\nTRAME= \r\n" + ligne + "\r\n");
    }
};

TEST_F(FichiersSains, TriangleTooLongToCountInPixelsLoadsWithAMessage) {
    // A side of 2^41 units: counting it in whole pixels overflowed and ended the program.
    Charge(Ecrit(QStringLiteral("triangle.trm"), "NBLIGNES= 1\r\nFONCTION= 15\r\nTRAME= \r\n0;0;0;0;2199023255552;0;\r\n"),
           {QStringLiteral("ligne 4")});
    EXPECT_EQ(NumFonction, 15);
    EXPECT_EQ(NbLignesGrille, 2);
    EXPECT_EQ(Trame(1).Segments[1].x2, 2199023255552LL);
    // The surface and the angle stand; the perimeter that cannot be counted stays empty.
    EXPECT_EQ(GrilleRef.TextMatrix(1, 1), QStringLiteral("0"));
    EXPECT_TRUE(GrilleRef.TextMatrix(1, 2).isEmpty());
}

TEST_F(FichiersSains, CommentAndCalibrationComeBackAsSaved) {
    // A calibration near the largest double, written with 15 digits, read back as no
    // number; a comment whose Windows-1252 bytes form UTF-8 read back as another text.
    Charge(Fichier_une_ligne(1, "1,7976931348623157E+308", "0;1;10;10;13;14;"));
    tav.Mntool_Click(10);
    tav.TBox(3).Text = QStringLiteral("RÃ©colte");
    tav.Bout_dial_Click(28);
    tav.Bout_dial_Click(29);
    const QString p = chemin(QStringLiteral("sauve.trm"));
    Sauve(p);
    CalibrageImage[1] = 0.5;
    Charge(p);
    EXPECT_EQ(CalibrageImage[1], std::numeric_limits<double>::max());
    EXPECT_EQ(GrilleRef.TextMatrix(1, GrilleRef.Cols() - 1), QStringLiteral("RÃ©colte"));
}

TEST_F(FichiersSains, ReportOfAnyFunctionImportsIntoItsColumns) {
    // A triangle row, its report commented with a line that begins with "LISTE" and names
    // a "Fonction :": imported, the report gives back the grid, column for column.
    Charge(Fichier_une_ligne(15, "0,5", "0;1;0;0;30;0;0;0;0;40;"));
    tav.labNomFic.Caption = chemin(QStringLiteral("a.png"));
    QStringList avant;
    for (int c = 0; c < GrilleRef.Cols(); ++c) avant << GrilleRef.TextMatrix(1, c);
    ASSERT_FALSE(avant[1].isEmpty());
    tav.MnuEDit_Click(1);
    tav.TBox(3).Text = QStringLiteral("LISTE des récoltes ; Fonction : mesure Spore 2D");
    const QString rapport = chemin(QStringLiteral("triangle.csv"));
    {
        Prompts::Script s;
        s.save(rapport);
        tav.Bout_dial_Click(28);
    }
    {
        Prompts::Script s;
        s.message(QStringLiteral("La table actuelle"), Prompts::Yes).open(rapport);
        tav.MnuEDit_Click(8);
    }
    ASSERT_EQ(GrilleRef.Cols(), avant.size());
    EXPECT_EQ(NbLignesGrille, 2);
    for (int c = 0; c < GrilleRef.Cols(); ++c) EXPECT_EQ(GrilleRef.TextMatrix(1, c), avant[c]) << c;
}

} // namespace
