// A measurement file written by hand with three images named by Windows paths and rows
// on each: after the row on the second image is deleted and that image purged, the file
// saved through the file menu equals the one written by hand for that state.
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include "tests/image/aide_chargeur.h"

namespace {

using namespace AideChargeur;

QString Donnees(const QString& nom) {
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/data/") + nom;
}

QList<QByteArray> Lignes(const QString& chemin) {
    QFile f(chemin);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << chemin.toStdString();
    return f.readAll().split('\n');
}

class Trame : public ChargeurTest {};

TEST_F(Trame, LImageDeuxPurgeeLeFichierSauveEstCeluiEcritALaMain) {
    // The file was written in a view 9000 twips wide; its pictures stand in the image folder.
    Redimensionne_vue_a(9000);
    for (const char* n : {"a.jpg", "b.jpg", "c.jpg"}) Image(QString::fromLatin1(n));
    {
        Prompts::Script script;
        script.open(Donnees(QStringLiteral("trois_images.trm")));
        tav.MnuFIC_Click(10);
        EXPECT_EQ(script.remaining(), 0);
    }
    ASSERT_EQ(Noms(ListIMGchar), (QStringList{"a.jpg", "b.jpg", "c.jpg"}));
    ASSERT_EQ(NbLignesGrille, 5);
    EXPECT_EQ(IndexImageActive, 1);
    EXPECT_EQ(CalibrageImage[2], 0.25);

    // The row on b goes, then b itself.
    short ligne = 2;
    tav.Efface_ligne(ligne);
    tav.MnuCharg_Click(2);
    ASSERT_EQ(tav.ListRep.items(), QStringList{"b.jpg"});
    Choisit(tav.ListRep, {0});
    tav.cmdRep_Click(0);
    EXPECT_EQ(Noms(ListIMGchar), (QStringList{"a.jpg", "c.jpg"}));
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(GrilleRef.TextMatrix(r, GrilleRef.Cols() - 2), r == 1 ? QStringLiteral("1") : QStringLiteral("2")) << r;

    const QString sauve = chemin(QStringLiteral("purgee.trm"));
    {
        Prompts::Script script;
        script.save(sauve);
        tav.MnuFIC_Click(9);
        EXPECT_EQ(script.remaining(), 0);
    }
    const QList<QByteArray> ecrit = Lignes(sauve), attendu = Lignes(Donnees(QStringLiteral("trois_images_purge.trm")));
    ASSERT_EQ(ecrit.size(), attendu.size());
    for (int i = 0; i < ecrit.size(); ++i) {
        // The screen's width is the machine's.
        if (attendu[i].startsWith("RESH = ")) {
            EXPECT_TRUE(ecrit[i].startsWith("RESH = ")) << i;
            continue;
        }
        QByteArray a = attendu[i];
        a.replace("@DOSSIER@", dir_.path().toLocal8Bit());
        EXPECT_EQ(ecrit[i].toStdString(), a.toStdString()) << "line " << i;
    }
}

} // namespace
