// Files a user hands back never end the program nor change what they hold: odd values
// load with a message, and what is written reads back the same.
#include <QFile>
#include <gtest/gtest.h>

#include "base/etat_programme.h"
#include "base/grilles.h"
#include "base/tav.h"
#include "grid/etat_grille.h"
#include "platform/prompts.h"
#include "tests/common/fixture.h"

namespace {

class FichiersSains : public EtatPropre {
protected:
    Tav& tav = *Tav::instance();
    QString Ecrit(const QString& nom, const QByteArray& octets) {
        const QString p = chemin(nom);
        QFile f(p);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(octets);
        return p;
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

} // namespace
