// The scanner correction: curves built from a standard and a scanner file when colour
// mode starts or a scanner file is chosen, their listing, and measured colours corrected.
#include <QDir>
#include <gtest/gtest.h>

#include "base/etat_partage.h"
#include "base/messages.h"
#include "base/tav.h"
#include "colour/correction.h"
#include "colour/etat_couleur.h"
#include "colour/fichiers_couleur.h"
#include "platform/prompts.h"
#include "platform/waits.h"
#include "tests/colour/aide_couleur.h"

namespace {

class Correction : public CouleurTest {
protected:
    // A standard or scanner file of value lines "f;R;V;B;".
    QString Fichier_ref(const QString& nom, int nbMesures, const QList<std::array<double, 3>>& lignes) const {
        QStringList l{QStringLiteral("REM= essai"), QStringLiteral("NBMESURES = %1").arg(nbMesures), QStringLiteral("LISTE=")};
        int f = 0;
        for (const auto& c : lignes) l << QStringLiteral("%1;%2;%3;%4;").arg(++f).arg(c[0]).arg(c[1]).arg(c[2]);
        return Ecrit(nom, l);
    }
    // The settings name the pair; colour mode starts from the function menu.
    void Demarre(const QString& etalon, const QString& scanner, const QString& attendu = QString()) const {
        Parametres({QStringLiteral("FICETALON= ") + etalon, QStringLiteral("FICSCANNER= ") + scanner});
        Prompts::Script script;
        if (!attendu.isEmpty()) script.message(attendu);
        Tav::instance()->MnuFonc_Click(20);
        EXPECT_EQ(script.remaining(), 0);
    }
    static QStringList Liste() { return Tav::instance()->test.items(); }
};

// One pair for red, scanner 100 and standard 110; green and blue unchanged.
TEST_F(Correction, UnPointParCanal) {
    Fichier_ref(QStringLiteral("un.Etl"), 1, {{110, 100, 100}});
    Fichier_ref(QStringLiteral("un.Scn"), 1, {{100, 100, 100}});
    Demarre(QStringLiteral("un.Etl"), QStringLiteral("un.Scn"));
    Tav& tav = *Tav::instance();
    EXPECT_EQ(tav.CheckCalibre.Value, 1);
    EXPECT_TRUE(tav.CheckCalibre.Enabled);
    EXPECT_DOUBLE_EQ(Vistrane::Corrige_Canal(1, 50), 55);
    EXPECT_DOUBLE_EQ(Vistrane::Corrige_Canal(1, 100), 110);
    EXPECT_NEAR(Vistrane::Corrige_Canal(1, 200), 110 + 145.0 * 100 / 155, 1e-12);   // 203.548
    EXPECT_DOUBLE_EQ(Vistrane::Corrige_Canal(1, 0), 0);
    EXPECT_DOUBLE_EQ(Vistrane::Corrige_Canal(1, 255), 255);
    EXPECT_DOUBLE_EQ(Vistrane::Corrige_Canal(2, 77), 77);
    EXPECT_THROW(Vistrane::Corrige_Canal(4, 10), Vb::Erreur);
    EXPECT_THROW(Vistrane::Corrige_Canal(1, 256), Vb::Erreur);

    // A zone of (50, 50, 50) records the corrected (55, 50, 50): Lab by hand 21.296328,
    // 2.356565, 0.489507. Without the correction the plain means.
    Tav::instance()->Lrg_Click(2);
    Clic(Image_unie(60, 60, qRgb(50, 50, 50)), 11, 11);
    EXPECT_EQ(cell(1, 1), QStringLiteral("55"));
    EXPECT_EQ(cell(1, 2), QStringLiteral("50"));
    EXPECT_EQ(cell(1, 4), QStringLiteral("21,3"));
    EXPECT_EQ(cell(1, 5), QStringLiteral("2,36"));
    EXPECT_EQ(cell(1, 6), QStringLiteral("0,49"));
    // 203.548... written with two decimals and read back.
    Clic(Image_unie(60, 60, qRgb(200, 100, 100)), 11, 11);
    EXPECT_EQ(cell(2, 1), QStringLiteral("203,55"));
    tav.CheckCalibre.Value = 0;
    Clic(Image_unie(60, 60, qRgb(50, 50, 50)), 11, 11);
    EXPECT_EQ(cell(3, 1), QStringLiteral("50"));
}

TEST_F(Correction, PointsTriesEtListes) {
    Fichier_ref(QStringLiteral("trois.Etl"), 3, {{90, 1, 1}, {50, 2, 2}, {110, 3, 3}});
    Fichier_ref(QStringLiteral("trois.Scn"), 3, {{80, 10, 10}, {40, 10, 20}, {120, 10, 30}});
    Demarre(QStringLiteral("trois.Etl"), QStringLiteral("trois.Scn"));
    const QStringList l = Liste();
    ASSERT_EQ(l.size(), 15);
    EXPECT_EQ(l.mid(0, 5), (QStringList{QStringLiteral("1 / 2\t40\t50"), QStringLiteral("2 / 1\t80\t90"),
                                        QStringLiteral("3 / 3\t120\t110"), QStringLiteral("4 / 4\t255\t255"),
                                        QStringLiteral("-Vert-")}));
    // Three equal scanner values: the order of the files stands; the search stops at the first.
    EXPECT_EQ(l.mid(5, 3), (QStringList{QStringLiteral("1 / 1\t10\t1"), QStringLiteral("2 / 2\t10\t2"),
                                        QStringLiteral("3 / 3\t10\t3")}));
    EXPECT_EQ(l[9], QStringLiteral("-Bleu-"));
    EXPECT_EQ(l[14], QStringLiteral("----"));
    EXPECT_DOUBLE_EQ(Vistrane::Corrige_Canal(1, 60), 70);
    EXPECT_DOUBLE_EQ(Vistrane::Corrige_Canal(2, 10), 1);
    EXPECT_DOUBLE_EQ(Vistrane::Corrige_Canal(2, 5), 0.5);
    EXPECT_NEAR(Vistrane::Corrige_Canal(2, 20), 3 + 252.0 * 10 / 245, 1e-12);
    // Each build adds its listing to the list.
    Vistrane::Charge_Calibrage(1);
    EXPECT_EQ(Liste().size(), 30);
}

TEST_F(Correction, TaillesIncompatibles) {
    QList<std::array<double, 3>> douze, dix;
    for (int i = 0; i < 12; ++i) douze << std::array<double, 3>{10.0 * i, 10.0 * i, 10.0 * i};
    dix = douze.mid(0, 10);
    Fichier_ref(QStringLiteral("douze.Etl"), 12, douze);
    Fichier_ref(QStringLiteral("dix.Scn"), 10, dix);
    Demarre(QStringLiteral("douze.Etl"), QStringLiteral("dix.Scn"),
            QStringLiteral("Tailles des fichiers Etalon et Scanner incompatibles (12 , 10)"));
    EXPECT_EQ(Tav::instance()->CheckCalibre.Value, 0);
    EXPECT_EQ(PointsConstruits, 0);
    EXPECT_TRUE(Liste().isEmpty());
}

// 255 value lines fit between (0, 0) and (255, 255); a 256th is refused by the reading.
TEST_F(Correction, DeuxCentCinquanteCinqLignes) {
    QList<std::array<double, 3>> etalon, scanner;
    for (int i = 1; i <= 255; ++i) {
        etalon << std::array<double, 3>{double(i - 1), double(i - 1), double(i - 1)};
        scanner << std::array<double, 3>{i - 0.5, i - 0.5, i - 0.5};
    }
    Fichier_ref(QStringLiteral("long.Etl"), 255, etalon);
    Fichier_ref(QStringLiteral("long.Scn"), 255, scanner);
    Demarre(QStringLiteral("long.Etl"), QStringLiteral("long.Scn"));
    EXPECT_EQ(PointsConstruits, 255);
    EXPECT_EQ(Liste().size(), 3 * 256 + 3);
    EXPECT_EQ(Liste()[255], QStringLiteral("256 / 256\t255\t255"));
    EXPECT_DOUBLE_EQ(Vistrane::Corrige_Canal(3, 254.5), 254);
    EXPECT_DOUBLE_EQ(Vistrane::Corrige_Canal(3, 254.75), 254.5);
    EXPECT_DOUBLE_EQ(Vistrane::Corrige_Canal(3, 0.25), 0);

    etalon << std::array<double, 3>{255, 255, 255};
    scanner << std::array<double, 3>{255, 255, 255};
    Fichier_ref(QStringLiteral("long.Etl"), 256, etalon);
    Fichier_ref(QStringLiteral("long.Scn"), 256, scanner);
    Prompts::Script script;
    script.message(Lib_Langue[228] + QStringLiteral("256 , 256)"));
    Vistrane::Charge_Calibrage(1);
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(Tav::instance()->CheckCalibre.Value, 0);
    EXPECT_EQ(CorrectionPrete, 0);
}

// Readings that fail build nothing and say so: no straight line taken for a correction.
TEST_F(Correction, LecturesRatees) {
    Fichier_ref(QStringLiteral("bon.Scn"), 3, {{10, 10, 10}, {20, 20, 20}, {30, 30, 30}});
    // A standard whose list cannot be read (a line of eleven ";").
    Ecrit(QStringLiteral("faux.Etl"), {QStringLiteral("NBMESURES=3"), QStringLiteral("LISTE="),
                                      QStringLiteral("1;1;2;3;4;5;6;7;8;9;10;11;")});
    Demarre(QStringLiteral("faux.Etl"), QStringLiteral("bon.Scn"), Lib_Langue[228] + QStringLiteral("3 , 3)"));
    Tav& tav = *Tav::instance();
    EXPECT_EQ(tav.CheckCalibre.Value, 0);
    EXPECT_EQ(CorrectionPrete, 0);
    EXPECT_THROW(Vistrane::Corrige_Canal(1, 10), Vb::Erreur);

    // A standard that is missing: said at start, nothing else changes.
    Demarre(QStringLiteral("absent.Etl"), QStringLiteral("bon.Scn"), QStringLiteral("fichier étalon non chargé "));
    Fichier_ref(QStringLiteral("bon.Etl"), 3, {{11, 11, 11}, {21, 21, 21}, {31, 31, 31}});
    Demarre(QStringLiteral("bon.Etl"), QStringLiteral("absent.Scn"), QStringLiteral("fichier scanner absent "));

    // A scanner list shorter than announced: only the lines both files hold make points,
    // never the rows an earlier reading left behind.
    Demarre(QStringLiteral("bon.Etl"), QStringLiteral("bon.Scn"));
    EXPECT_EQ(PointsConstruits, 3);
    Fichier_ref(QStringLiteral("court.Scn"), 3, {{100, 100, 100}, {200, 200, 200}});
    Prompts::Script script;
    script.open(chemin(QStringLiteral("court.Scn")));
    Vistrane::Choix_Scanner();
    EXPECT_EQ(PointsConstruits, 2);
    EXPECT_EQ(tav.CheckCalibre.Value, 1);
    EXPECT_EQ(Liste().mid(Liste().size() - 4),
              (QStringList{QStringLiteral("1 / 1\t100\t11"), QStringLiteral("2 / 2\t200\t21"),
                           QStringLiteral("3 / 3\t255\t255"), QStringLiteral("----")}));
    EXPECT_NEAR(Vistrane::Corrige_Canal(1, 227.5), 21 + 234 * 27.5 / 55, 1e-12);
    // A scanner file of another count is refused from the chart menu: the former curve goes.
    Fichier_ref(QStringLiteral("un.Scn"), 1, {{100, 100, 100}});
    script.open(chemin(QStringLiteral("un.Scn")));
    script.message(Lib_Langue[229] + QStringLiteral("3 , 1)"));
    tav.MnuChrt_Click(7);
    tav.CheckCalibre.Value = 1;  // ticked by hand
    EXPECT_EQ(Clic(Image_unie(60, 60, qRgb(100, 100, 100)), 11, 11), 1);
}

// A chart measured with the correction on, and no pair in the settings: the program's own
// standard is tried with the scanner file, with the same checks.
TEST_F(Correction, EtalonDuProgrammeEnSecours) {
    Ecrit(QStringLiteral("calibre.Nua"), {QStringLiteral("CALIBRAGECOL=1"), QStringLiteral("LISTE="),
                                          QStringLiteral("1;1;2;3;4;5;6;8;1;un;")});
    Fichier_ref(QStringLiteral("bon.Scn"), 1, {{100, 100, 100}});
    Parametres({QStringLiteral("REFNUANCIER= ") + chemin(QStringLiteral("calibre.Nua")),
                QStringLiteral("FICSCANNER= bon.Scn")});
    {
        const QString defaut = chemin(QStringLiteral("EtalonCouleur.Etl"));
        Prompts::Script script;
        script.message(QStringLiteral("fichier étalon non chargé "))
            .message(QStringLiteral("fichier ") + defaut + QStringLiteral(" non trouvé"))
            .message(Lib_Langue[228] + QStringLiteral("0 , 1)"));
        Tav::instance()->MnuFonc_Click(20);
        EXPECT_EQ(script.remaining(), 0);
        EXPECT_EQ(NuancierOK, -1);
        EXPECT_EQ(Tav::instance()->CheckCalibre.Value, 0);
        EXPECT_EQ(CorrectionPrete, 0);
    }
    Fichier_ref(QStringLiteral("EtalonCouleur.Etl"), 1, {{120, 100, 100}});
    Prompts::Script script;
    script.message(QStringLiteral("fichier étalon non chargé "));
    Tav::instance()->MnuFonc_Click(20);
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(Tav::instance()->CheckCalibre.Value, 1);
    EXPECT_DOUBLE_EQ(Vistrane::Corrige_Canal(1, 100), 120);
}

// Bare names lie in the program folder whatever the process's own folder; a file chosen
// elsewhere keeps its full path.
TEST_F(Correction, NomsNusDansLeDossierDuProgramme) {
    ASSERT_NE(QDir::currentPath(), QDir(dir_.path()).absolutePath());
    Fichier_ref(QStringLiteral("un.Etl"), 1, {{110, 100, 100}});
    Fichier_ref(QStringLiteral("un.Scn"), 1, {{100, 100, 100}});
    Demarre(QStringLiteral("un.Etl"), QStringLiteral("un.Scn"));
    EXPECT_EQ(PointsConstruits, 1);
    EXPECT_EQ(Vistrane::Nom_fichier_couleur(chemin(QStringLiteral("un.Etl"))), QStringLiteral("un.Etl"));

    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("ailleurs")));
    const QString ailleurs = chemin(QStringLiteral("ailleurs/autre.Etl"));
    Fichier_ref(QStringLiteral("ailleurs/autre.Etl"), 1, {{130, 100, 100}});
    Waits::FakeClock horloge;
    Prompts::Script script;
    script.open(ailleurs);
    Vistrane::Choix_Etalon();
    Tav& tav = *Tav::instance();
    EXPECT_EQ(FicEtalon, ailleurs);
    EXPECT_EQ(script.seen().back().folder, dir_.path());
    EXPECT_EQ(script.seen().back().proposedName, QStringLiteral("un.Etl"));
    // Another standard: the correction waits for the scanner file again.
    EXPECT_EQ(tav.lblLabelflashx.Caption, QStringLiteral("Attention : Recharger le fichier scanner !"));
    EXPECT_EQ(CorrectionPrete, 0);
    EXPECT_FALSE(tav.CheckCalibre.Enabled);
    EXPECT_EQ(tav.CheckCalibre.Value, 0);
    script.open(Ecrit(QStringLiteral("c.Nua"), {QStringLiteral("CALIBRAGECOL=1"), QStringLiteral("LISTE=")}));
    BGr::Ouvre_nuancier();   // a chart measured with the correction: the old curve is gone
    EXPECT_EQ(Clic(Image_unie(60, 60, qRgb(100, 100, 100)), 11, 11), 1);
    script.open(chemin(QStringLiteral("un.Scn")));
    Vistrane::Choix_Scanner();
    EXPECT_EQ(FicScanner, QStringLiteral("un.Scn"));
    EXPECT_DOUBLE_EQ(Vistrane::Corrige_Canal(1, 100), 130);
    // The dialog opens again in the standard's own folder.
    script.open(std::nullopt);
    Vistrane::Choix_Etalon();
    EXPECT_EQ(script.seen().back().folder, chemin(QStringLiteral("ailleurs")));
    EXPECT_EQ(script.seen().back().proposedName, QStringLiteral("autre.Etl"));
    EXPECT_EQ(FicEtalon, ailleurs);
    // The standard moved since the build: the scanner file chosen then builds nothing, and the
    // box still ticked finds no curve; the former one would record 130.
    QDir().remove(ailleurs);
    script.open(chemin(QStringLiteral("un.Scn"))).message(QStringLiteral("fichier étalon non chargé "));
    Vistrane::Choix_Scanner();
    EXPECT_EQ(Clic(Image_unie(60, 60, qRgb(100, 100, 100)), 11, 11), 1);
}

} // namespace
