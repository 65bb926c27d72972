// Colour charts, standards and scanner files: hand-written files read, charts and scanner
// files written from the grid and read back.
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "app/etat.h"
#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/grilles.h"
#include "base/messages.h"
#include "base/tav.h"
#include "colour/etat_couleur.h"
#include "colour/fichiers_couleur.h"
#include "grid/etat_grille.h"
#include "platform/prompts.h"
#include "platform/textfile.h"
#include "tests/colour/aide_couleur.h"

namespace {

QByteArray Octets(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QDateTime Cinq_mars() { return QDateTime(QDate(2024, 3, 5), QTime(14, 7, 31)); }

class Fichiers : public CouleurTest {
protected:
    // Opens a chart through the chart menu's dialog.
    static void Ouvre(const QString& chemin, Prompts::Script& script, const QString& message = QString()) {
        script.open(chemin);
        if (!message.isEmpty()) script.message(message);
        BGr::Ouvre_nuancier();
    }
    // A restart under the current locale.
    void Redemarre() {
        Etat::Demarrage_test(dir_.path());
        IndexImageActive = 1;
        EchelleAffichage = 1.0;
        Tav::instance()->picbase.LargeurHimetric = long(Tav::instance()->Picture1.ScaleWidth);
        Tav::instance()->Frame(6).Visible = true;
    }
    // Three measured rows and their comments, as a user measures a chart: two plain
    // colours and a zone whose red mean is cut to 12.34.
    void Mesure_trois_nuances() {
        Tav& tav = *Tav::instance();
        tav.Lrg_Click(2);
        Clic(Image_unie(60, 60, qRgb(200, 100, 50)), 11, 11);
        Clic(Image_unie(60, 60, qRgb(90, 60, 30)), 11, 11);
        QImage image = Image_unie(60, 60, qRgb(200, 200, 200));
        int rouges13 = 28;
        for (int y = 15; y <= 23; ++y)
            for (int x = 15; x <= 23; ++x) image.setPixel(x, y, qRgb(rouges13-- > 0 ? 13 : 12, 1, 1));
        Clic(image, 11, 11);
        ASSERT_EQ(NbLignesGrille, 4);
        tav.commenter_grille();
        for (auto [ligne, texte] : {std::pair{"1", "Rouille"}, std::pair{"2", "Ocre; clair\r\nbis"}}) {
            tav.Text4.Text = QString::fromUtf8(ligne);
            tav.Text4_Change();
            tav.TBox(3).Text = QString::fromUtf8(texte);
            tav.Bout_dial_Click(28);
        }
        tav.Bout_dial_Click(29);
    }
    // The chart menu's "Sauver nuancier" and the header frame's "Valider".
    static void Sauve_nuancier(Prompts::Script& script, const QString& chemin) {
        SauveNuancier = -1;
        BGr::Prepare_entete_nuancier();
        script.message(Lib_Langue[218], Prompts::Yes).save(chemin);
        Tav::instance()->Bout_dial_Click(28);
    }
};

TEST_F(Fichiers, NuancierAuxBordsLu) {
    const QString nua = Copie(QStringLiteral("bords.Nua"));
    Prompts::Script script;
    // The line too short to be a swatch is named once.
    Ouvre(nua, script, Lib_Langue[144] + QStringLiteral(" :  ") + nua + SautLigne + Lib_Menu[13] + QStringLiteral(" 9"));
    EXPECT_EQ(script.remaining(), 0);
    ASSERT_EQ(NbCouleurs, 3);
    const float attendu[3][7] = {{0, 120.53f, 64.2f, 30, 50.5f, -3.25f, 4},
                                 {0, 12.5f, 7, 9, 50.1f, -3.2f, 4.4f},
                                 {0, 255, 255, 255, 100, 0.42f, -0.99f}};
    const char* noms[] = {"Rouille", "Ocre", "Blanc"};
    for (int s = 1; s <= 3; ++s) {
        for (int j = 1; j <= 6; ++j) EXPECT_FLOAT_EQ(TabNuancier[s][j], attendu[s - 1][j]) << s << ' ' << j;
        EXPECT_EQ(NomsNuancier[s], QString::fromUtf8(noms[s - 1]));
    }
    EXPECT_EQ(FicNuancier, nua);
    EXPECT_EQ(NuancierLu, -1);
    // "calibragecol= 1": measured with the correction on.
    EXPECT_EQ(CalibrageCol, -1);
    EXPECT_EQ(Tav::instance()->CheckCalibre.Value, 1);
    EXPECT_TRUE(Tav::instance()->CheckCalibre.Enabled);
}

TEST_F(Fichiers, NuancierSansListeRefuse) {
    const QString bon = Copie(QStringLiteral("ecrit_fr.Nua"));
    {
        Prompts::Script script;
        Ouvre(bon, script);
    }
    ASSERT_EQ(NbCouleurs, 3);
    const QString mauvais = Copie(QStringLiteral("sans_liste.Nua"));
    const QString vide = Ecrit(QStringLiteral("vide.Nua"), {});
    for (const QString& f : {mauvais, vide}) {
        Prompts::Script script;
        Ouvre(f, script, QStringLiteral(" Fichier de référence ''") + f + QStringLiteral("'' invalide"));
        EXPECT_EQ(script.remaining(), 0);
        // The chart in memory and its file stand.
        EXPECT_EQ(NbCouleurs, 3);
        EXPECT_EQ(NomsNuancier[1], QStringLiteral("Rouille"));
        EXPECT_EQ(FicNuancier, bon);
    }
    // A missing file and a cancelled dialog read nothing and say nothing.
    Prompts::Script script;
    Ouvre(chemin(QStringLiteral("absent.Nua")), script);
    script.open(std::nullopt);
    BGr::Ouvre_nuancier();
    EXPECT_EQ(NbCouleurs, 3);
    EXPECT_EQ(FicNuancier, bon);
}

TEST_F(Fichiers, PasPlusDe256Nuances) {
    QStringList l{QStringLiteral("LISTE=")};
    for (int s = 1; s <= 258; ++s) l << QStringLiteral("%1;%1;2;3;4;5;6;8;1;n%1;").arg(s);
    const QString nua = Ecrit(QStringLiteral("grand.Nua"), l);
    Prompts::Script script;
    // Line 258 of the file holds the 257th swatch: said once, the first 256 kept.
    Ouvre(nua, script, Lib_Menu[13] + QStringLiteral(" 258"));
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(NbCouleurs, 256);
    EXPECT_EQ(NomsNuancier[256], QStringLiteral("n256"));
    EXPECT_FLOAT_EQ(TabNuancier[256][1], 256);
}

TEST_F(Fichiers, EtalonEtScannerLus) {
    short compte = -7;
    EXPECT_EQ(Vistrane::Lit_FichierRef(Copie(QStringLiteral("etalon.Etl")), MesuresEtalon, compte), 3);
    EXPECT_EQ(compte, 3);
    EXPECT_EQ(NbPointsCorrection, 3);
    EXPECT_DOUBLE_EQ(MesuresEtalon[1][1], 1);
    EXPECT_DOUBLE_EQ(MesuresEtalon[1][2], 110);
    EXPECT_DOUBLE_EQ(MesuresEtalon[2][2], 60.5);
    EXPECT_DOUBLE_EQ(MesuresEtalon[3][2], 200.25);
    EXPECT_DOUBLE_EQ(MesuresEtalon[3][4], 180);
    // Three lines announced: the fourth is read as a key line and ignored.
    EXPECT_DOUBLE_EQ(MesuresEtalon[4][2], 0);

    EXPECT_EQ(Vistrane::Lit_FichierRef(Copie(QStringLiteral("scanner.Scn")), MesuresScanner, compte), 6);
    EXPECT_EQ(compte, 6);
    // The fifth value line "7;100;110;120;...": row 5, its own number lost.
    EXPECT_DOUBLE_EQ(MesuresScanner[5][1], 5);
    EXPECT_DOUBLE_EQ(MesuresScanner[5][2], 100);
    EXPECT_DOUBLE_EQ(MesuresScanner[5][3], 110);
    EXPECT_DOUBLE_EQ(MesuresScanner[5][4], 120);
    EXPECT_DOUBLE_EQ(MesuresScanner[5][5], 45.44);
    EXPECT_DOUBLE_EQ(MesuresScanner[5][10], 0);

    // A line with one ";" ends the list; what follows is read as keys.
    EXPECT_EQ(Vistrane::Lit_FichierRef(Copie(QStringLiteral("court.Etl")), MesuresEtalon, compte), 2);
    EXPECT_EQ(compte, 5);
    EXPECT_DOUBLE_EQ(MesuresEtalon[2][2], 11);
    EXPECT_DOUBLE_EQ(MesuresEtalon[3][2], 200.25);
}

TEST_F(Fichiers, LecturesRateesEtFinDeFichier) {
    short compte = 4;
    {
        Prompts::Script script;
        const QString absent = chemin(QStringLiteral("absent.Etl"));
        script.message(QStringLiteral("fichier ") + absent + QStringLiteral(" non trouvé"));
        EXPECT_EQ(Vistrane::Lit_FichierRef(absent, MesuresEtalon, compte), 0);
        EXPECT_EQ(compte, 4);
    }
    // The end of the file, blank lines or not, ends a list normally.
    const QString fin = Ecrit(QStringLiteral("fin.Etl"), {QStringLiteral("NBMESURES=5"), QStringLiteral("LISTE="),
                                                          QStringLiteral("1;1;2;3;"), QStringLiteral("2;4;5;6;")});
    EXPECT_EQ(Vistrane::Lit_FichierRef(fin, MesuresEtalon, compte), 2);
    const QString blancs = Ecrit(QStringLiteral("blancs.Etl"), {QStringLiteral("NBMESURES=5"), QStringLiteral("LISTE="),
                                                                QStringLiteral("1;1;2;3;"), QString(), QString()});
    EXPECT_EQ(Vistrane::Lit_FichierRef(blancs, MesuresEtalon, compte), 1);
    // Lines of more than ten ";" or beyond 255 do not fit the table: the reading fails,
    // the rows already stored stay.
    const QString large = Ecrit(QStringLiteral("large.Etl"), {QStringLiteral("NBMESURES=2"), QStringLiteral("LISTE="),
                                                              QStringLiteral("1;7;7;7;"),
                                                              QStringLiteral("2;1;2;3;4;5;6;7;8;9;10;11;")});
    EXPECT_EQ(Vistrane::Lit_FichierRef(large, MesuresEtalon, compte), 0);
    EXPECT_EQ(NbPointsCorrection, 0);
    EXPECT_DOUBLE_EQ(MesuresEtalon[1][2], 7);
    QStringList l{QStringLiteral("NBMESURES=300"), QStringLiteral("LISTE=")};
    for (int i = 1; i <= 256; ++i) l << QStringLiteral("%1;1;2;3;").arg(i);
    EXPECT_EQ(Vistrane::Lit_FichierRef(Ecrit(QStringLiteral("long.Etl"), l), MesuresEtalon, compte), 0);
    l.removeLast();
    EXPECT_EQ(Vistrane::Lit_FichierRef(Ecrit(QStringLiteral("long.Etl"), l), MesuresEtalon, compte), 255);
}

// The writer, byte for byte, against the file written by hand from the layout.
TEST_F(Fichiers, NuancierEcritOctetParOctet) {
    Mode_couleur();
    Mesure_trois_nuances();
    Vistrane::Fixe_horloge(&Cinq_mars);
    const QString nua = chemin(QStringLiteral("charte.Nua"));
    Prompts::Script script;
    Sauve_nuancier(script, nua);
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(Octets(nua), Octets(Donnees(QStringLiteral("ecrit_fr.Nua"))));
    EXPECT_EQ(FicCoulRef, QStringLiteral("charte.Nua"));
    EXPECT_EQ(SauveNuancier, 0);
    EXPECT_FALSE(Tav::instance()->Frame(10).Visible);
    // Read back: the comment is the swatch's name.
    Ouvre(nua, script);
    ASSERT_EQ(NbCouleurs, 3);
    EXPECT_FLOAT_EQ(TabNuancier[3][1], 12.34f);
    EXPECT_FLOAT_EQ(TabNuancier[1][6], 45.01f);
    EXPECT_EQ(NomsNuancier[2], QStringLiteral("Ocre, clair bis"));
    EXPECT_EQ(NomsNuancier[3], QString());
}

// Notes that mention "liste=" are notes: the swatches start at the key line.
TEST_F(Fichiers, UneNoteQuiDitListeResteUneNote) {
    Mode_couleur();
    Mesure_trois_nuances();
    const QString nua = chemin(QStringLiteral("notes.Nua"));
    Prompts::Script script;
    Tav::instance()->MnuChrt_Click(3);  // "Sauver nuancier", a note added in its header frame
    Tav::instance()->TBox(3).Text.replace(QStringLiteral("NOTES="), QStringLiteral("NOTES=\r\nvoir FINNOTES\r\nliste= des lames"));
    script.message(Lib_Langue[218], Prompts::Yes).save(nua);
    Tav::instance()->Bout_dial_Click(28);
    Ouvre(nua, script);
    EXPECT_EQ(script.remaining(), 0);
    ASSERT_EQ(NbCouleurs, 3);
    EXPECT_EQ(NomsNuancier[1], QStringLiteral("Rouille"));
    // File names keep to their line in the header: none starts a list of its own.
    const QString modele = Vistrane::Modele_entete_nuancier(QStringLiteral("a\nLISTE=.jpg"), QStringLiteral("b\r\n"), 1);
    EXPECT_EQ(modele.count(QLatin1Char('\n')), 8);
}

// A chart written under either decimal separator reads back with its decimals.
TEST_F(Fichiers, AllerRetourSousLesDeuxSeparateurs) {
    for (QLocale::Language langue : {QLocale::French, QLocale::English}) {
        LocaleScope locale(langue);
        Redemarre();
        Mode_couleur();
        Mesure_trois_nuances();
        const QString nua = chemin(QStringLiteral("aller_retour.Nua"));
        QFile::remove(nua);
        Prompts::Script script;
        Sauve_nuancier(script, nua);
        QStringList lignes;
        ASSERT_TRUE(TextFile::readLines(nua, lignes));
        EXPECT_TRUE(lignes.contains(langue == QLocale::French ? QStringLiteral("3;12,34;1;1;0,94;3,02;1,05;4;1;;")
                                                              : QStringLiteral("3;12.34;1;1;0.94;3.02;1.05;4;1;;")));
        Ouvre(nua, script);
        ASSERT_EQ(NbCouleurs, 3) << langue;
        EXPECT_FLOAT_EQ(TabNuancier[3][1], 12.34f);
        EXPECT_FLOAT_EQ(TabNuancier[3][4], 0.94f);
        EXPECT_FLOAT_EQ(TabNuancier[2][4], 28.11f);
        EXPECT_EQ(NomsNuancier[1], QStringLiteral("Rouille"));
    }
}

TEST_F(Fichiers, AnnulerLEcrasementGardeLAncienFichier) {
    Mode_couleur();
    Mesure_trois_nuances();
    const QString nua = Ecrit(QStringLiteral("ancien.Nua"), {QStringLiteral("ancien")});
    const QByteArray avant = Octets(nua);
    Prompts::Script script;
    script.message(Lib_Langue[218], Prompts::Yes).save(nua).message(Lib_Langue[116], Prompts::Cancel);
    SauveNuancier = -1;
    BGr::Prepare_entete_nuancier();
    Tav::instance()->Bout_dial_Click(28);
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(Octets(nua), avant);
    EXPECT_EQ(SauveNuancier, 0);
    EXPECT_EQ(FicCoulRef, QStringLiteral("ancien.Nua"));
    // Overwriting with OK replaces it.
    script.message(Lib_Langue[218], Prompts::Yes).save(nua).message(Lib_Langue[116], Prompts::Ok);
    SauveNuancier = -1;
    BGr::Prepare_entete_nuancier();
    Tav::instance()->Bout_dial_Click(28);
    EXPECT_NE(Octets(nua), avant);
}

// A scanner file: refused while the correction is on unless confirmed; a failed save says
// so with the path and leaves the scanner file and its correction in place.
TEST_F(Fichiers, FichierScannerEtSauvegardeRatee) {
    Copie(QStringLiteral("etalon.Etl"));
    Ecrit(QStringLiteral("trois.Scn"), {QStringLiteral("NBMESURES =3"), QStringLiteral("LISTE="),
                                        QStringLiteral("1;100;100;100;"), QStringLiteral("2;50;60;70;"),
                                        QStringLiteral("3;190;180;170;")});
    Parametres({QStringLiteral("FICETALON= etalon.Etl")});
    Tav& tav = *Tav::instance();
    Prompts::Script script;
    script.message(QStringLiteral("fichier scanner absent "));
    tav.MnuFonc_Click(20);
    // The scanner dialog of the chart menu builds the correction.
    script.open(chemin(QStringLiteral("trois.Scn")));
    Vistrane::Choix_Scanner();
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(tav.Label6(1).Caption, QStringLiteral("Scanner : trois.Scn"));
    ASSERT_EQ(CorrectionPrete, -1);
    ASSERT_EQ(tav.CheckCalibre.Value, 1);
    Mesure_trois_nuances();
    SauveScanner = -1;
    script.message(Lib_Langue[217], Prompts::No);
    BGr::Prepare_entete_nuancier();
    EXPECT_EQ(tav.Frame(10).Caption, QStringLiteral("Enregistrement Calibrage Scanner"));
    EXPECT_EQ(tav.TBox(3).Text, QStringLiteral("SCANNER=\r\nRESOLUTION=\r\nLUMINANCE=\r\nCONTRASTE=\r\nNOTES=\r\nFINNOTES"));
    tav.Bout_dial_Click(28);
    EXPECT_EQ(SauveScanner, -1) << "a refused warning keeps the save pending";
    const QString rate = chemin(QStringLiteral("absent/nouveau.Scn"));
    script.message(Lib_Langue[217], Prompts::Yes).save(rate).message(Lib_Langue[144] + QStringLiteral(" :  ") + rate);
    tav.Bout_dial_Click(28);
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(FicScanner, QStringLiteral("trois.Scn"));
    EXPECT_EQ(CorrectionPrete, -1);
    EXPECT_EQ(SauveScanner, 0);
    // Saved in the program folder: its bare name becomes the scanner file, to be built again.
    SauveScanner = -1;
    BGr::Prepare_entete_nuancier();
    script.message(Lib_Langue[217], Prompts::Yes).save(chemin(QStringLiteral("nouveau.Scn")));
    tav.Bout_dial_Click(28);
    EXPECT_EQ(FicScanner, QStringLiteral("nouveau.Scn"));
    EXPECT_EQ(CorrectionPrete, 0);
    short compte = 0;
    EXPECT_EQ(Vistrane::Lit_FichierRef(chemin(QStringLiteral("nouveau.Scn")), MesuresScanner, compte), 3);
    // With both saves pending the chart's filter is offered and the file is both.
    SauveNuancier = -1;
    SauveScanner = -1;
    BGr::Prepare_entete_nuancier();
    EXPECT_TRUE(tav.TBox(3).Text.contains(QStringLiteral("FINNOTES\r\nSCANNER=")));
    script.message(Lib_Langue[217], Prompts::Yes).save(chemin(QStringLiteral("les_deux.Nua")));
    tav.Bout_dial_Click(28);
    EXPECT_EQ(script.seen().back().filter, QStringLiteral("*.Nua|*.Nua|"));
    EXPECT_EQ(FicScanner, QStringLiteral("les_deux.Nua"));
    EXPECT_EQ(FicCoulRef, QStringLiteral("les_deux.Nua"));
    EXPECT_EQ(script.remaining(), 0);
}

TEST_F(Fichiers, RienAExporter) {
    Mode_couleur();
    Prompts::Script script;
    script.message(Lib_Langue[130]);
    SauveNuancier = -1;
    BGr::Prepare_entete_nuancier();
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_FALSE(Tav::instance()->Frame(10).Visible && SaisieCommentaire);
}

} // namespace
