// The calibration file "Tavl.Cal" through the panel: hand-written files listed and picked
// under French and English locales, saves checked byte for byte, a folder that cannot be
// written, a missing file, and the text editor.
#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>
#include <grp.h>
#include <random>

#include "base/etat_demarrage.h"
#include "base/vb.h"
#include "platform/bytefile.h"
#include "platform/shell_open.h"
#include "tests/measure/aide_calibrage.h"

namespace {

using namespace AideCalibrage;

QString Donnees(const QString& nom) {
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/data/") + nom;
}

const QByteArray Entete1252 = QByteArrayLiteral("ne pas modifier les donn\xE9""es num\xE9riques !\r\n\r\n\r\n");

class FichierCal : public CalibrageTest {
protected:
    // The hand-written file becomes the program folder's "Tavl.Cal".
    void Installe(const QString& nom) {
        QFile::remove(Fichier());
        ASSERT_TRUE(QFile::copy(Donnees(nom), Fichier()));
        QFile::setPermissions(Fichier(), QFile::ReadOwner | QFile::WriteOwner);
    }
    // The panel's "Charger fichier calibrage".
    void Charge() {
        Panneau();
        tav.Bout_Click(24);
    }
    // A click on a list item, then the panel's "Valider".
    void Choisit(int i) {
        tav.ListCalib.setListIndex(i);
        tav.ListCalib_Click();
        tav.Bout_Click(20);
    }
    // The panel's "Sauvegarde" under a comment, validated with Enter.
    void Sauve(const QString& commentaire) {
        Panneau();
        tav.Bout_Click(25);
        tav.TBox(0).Text = commentaire;
        tav.TBox_Change(0);
        tav.TBox_KeyPress(0, 13);
    }
};

TEST_F(FichierCal, ListeDesLignesALaMain) {
    Installe(QStringLiteral("entete_seul.Cal"));
    Charge();
    EXPECT_EQ(tav.ListCalib.ListCount(), 0);
    EXPECT_TRUE(tav.ListCalib.Visible);
    EXPECT_EQ(tav.StatusBar.Text, QStringLiteral(" Choisir le calibrage dans la liste puis valider"));

    Installe(QStringLiteral("lignes.Cal"));
    Charge();
    Charge();   // loading twice gives the same list
    const QStringList attendu{QStringLiteral("x40 =  0,25"), QStringLiteral("x100 = 0.1"),
                              QStringLiteral("  blancs   =    0,125   "), QStringLiteral("exposant = 1,5E-02"),
                              QStringLiteral("exposant point = 2.5e-1"), QStringLiteral("deux = 0,5 = 1"),
                              QStringLiteral("zero = 0"), QStringLiteral("négatif = -0,5"),
                              QStringLiteral("x10 =\t0,5")};
    EXPECT_EQ(tav.ListCalib.items(), attendu);
    EXPECT_FALSE(tav.bout(20).Enabled);
    tav.ListCalib.setListIndex(2);
    tav.ListCalib_Click();
    EXPECT_EQ(tav.TBox(0).Text, QStringLiteral("0,125"));
    EXPECT_TRUE(tav.bout(20).Enabled);
    EXPECT_FALSE(tav.bout(24).Enabled);
    EXPECT_EQ(tav.label(7).Caption, QStringLiteral(" Valider le coefficient de calibrage"));
}

TEST_F(FichierCal, ChoixSousLesDeuxLocales) {
    Installe(QStringLiteral("lignes.Cal"));
    for (QLocale::Language langue : {QLocale::French, QLocale::English}) {
        LocaleScope locale(langue);
        SCOPED_TRACE(int(langue));
        // item, coefficient (the file's text read with a comma or a point)
        for (auto [i, c] : {std::pair{0, 0.25}, {1, 0.1}, {2, 0.125}, {3, 0.015}, {4, 0.25}, {8, 0.5}}) {
            SCOPED_TRACE(i);
            Charge();
            Choisit(i);
            EXPECT_DOUBLE_EQ(CalibrageActuel, c);
            EXPECT_DOUBLE_EQ(CalibrageImage[1], c);
            EXPECT_EQ(tav.label(5).Caption, Lib_Langue[108] + Vb::Format(c, QStringLiteral("###0.0000")));
            EXPECT_FALSE(tav.Frame(7).Visible);
        }
        // Two "=", a 0, a negative value: no coefficient, nothing changes.
        for (int i : {5, 6, 7}) {
            SCOPED_TRACE(i);
            Charge();
            const double avant = CalibrageActuel;
            Prompts::Script script;
            script.message(QStringLiteral("alerte 104"));
            Choisit(i);
            EXPECT_EQ(script.remaining(), 0);
            EXPECT_EQ(CalibrageActuel, avant);
            EXPECT_EQ(CalibrageImage[1], avant);
            EXPECT_TRUE(tav.Frame(7).Visible);
        }
    }
    // Valider with no item chosen.
    Charge();
    Prompts::Script script;
    script.message(QStringLiteral("alerte 104"));
    tav.Bout_Click(20);
    EXPECT_EQ(script.remaining(), 0);
}

TEST_F(FichierCal, UnCoefficientHorsDesBornesDuDialogueEstRefuse) {
    // 1e300, the largest double and 1e-300 are refused; the dialog's own bounds are taken.
    ASSERT_TRUE(ByteFile::write(Fichier(), Entete1252 + "grand = 1E300\r\nplus grand = 1,7976931348623157E+308\r\n"
                                                       "petit = 1e-300\r\nmini = 0,0001\r\nmaxi = 10000\r\n"));
    for (auto [i, c] : {std::pair{0, 0.0}, {1, 0.0}, {2, 0.0}, {3, 0.0001}, {4, 10000.0}}) {
        SCOPED_TRACE(i);
        Charge();
        const double avant = CalibrageActuel;
        Prompts::Script script;
        if (c == 0) script.message(QStringLiteral("alerte 104"));
        Choisit(i);
        EXPECT_EQ(script.remaining(), 0);
        EXPECT_DOUBLE_EQ(CalibrageActuel, c == 0 ? avant : c);
    }
}

// Random coefficients the dialog accepts (0,02 over 400 units, 5E-05, first), once saved, are picked again whole.
TEST_F(FichierCal, ToutCoefficientDuDialogueEstRepris) {
    Fonction(1);
    std::mt19937 alea(35);
    Prompts::Script script;
    script.message(QStringLiteral("création ") + Fichier());
    for (int n = 0; n < 12; ++n) {
        tav.Bout_Click(10);
        Segment(n == 0 ? 400 : 20 + int(alea() % 3000));
        Tape(n == 0 ? QStringLiteral("0,02") : QStringLiteral("%1E%2").arg(1000 + alea() % 9000).arg(int(alea() % 8) - 7));
        OK();
        const QString coefficient = Vb::CStr(CalibrageActuel);
        Sauve(QStringLiteral("k"));
        Charge();
        Choisit(n);
        EXPECT_EQ(Vb::CStr(CalibrageActuel), coefficient) << n;
    }
}

TEST_F(FichierCal, UneMesureApresLeChoixGardeSonCoefficient) {
    Installe(QStringLiteral("lignes.Cal"));
    Fonction(1);
    Charge();
    Choisit(0);
    Segment(40);
    EXPECT_EQ(Vu_en_francais(QString::fromStdString(cell(1, 1))).toStdString(), "10,00");
    // Another picture, then back: the picked coefficient is the first picture's.
    Image(800, 600);
    EXPECT_DOUBLE_EQ(CalibrageImage[2], 0.25);
    Charge();
    Choisit(1);
    ListIMGchar.setListIndex(0);
    tav.ListIMGchar_DblClick();
    EXPECT_DOUBLE_EQ(CalibrageActuel, 0.25);
}

TEST_F(FichierCal, AccentsUtf8Et1252) {
    for (const char* nom : {"accents_utf8.Cal", "accents_1252.Cal"}) {
        SCOPED_TRACE(nom);
        Installe(QString::fromLatin1(nom));
        Charge();
        EXPECT_EQ(tav.ListCalib.items(),
                  QStringList({QStringLiteral("Objectif × 40 µm = 0,25"), QStringLiteral("Immersion à l'huile = 0,0625")}));
        Choisit(1);
        EXPECT_DOUBLE_EQ(CalibrageActuel, 0.0625);
    }
    // A save keeps the user's bytes and writes its line in the file's own encoding.
    Installe(QStringLiteral("accents_utf8.Cal"));
    const QByteArray utf8 = Octets(Fichier());
    Sauve(QStringLiteral("Réglé"));
    EXPECT_EQ(Octets(Fichier()), utf8 + QByteArrayLiteral("R\xC3\xA9gl\xC3\xA9 =  0,0625\r\n"));
    Installe(QStringLiteral("accents_1252.Cal"));
    const QByteArray w1252 = Octets(Fichier());
    Sauve(QStringLiteral("Réglé"));
    EXPECT_EQ(Octets(Fichier()), w1252 + QByteArrayLiteral("R\xE9gl\xE9 =  0,0625\r\n"));
    // A comment Windows-1252 cannot hold makes the file UTF-8, its text whole.
    Sauve(QStringLiteral("Объектив"));
    QStringList lignes;
    ASSERT_TRUE(TextFile::readLines(Fichier(), lignes));
    EXPECT_EQ(lignes.mid(3), QStringList({QStringLiteral("Objectif × 40 µm = 0,25"), QStringLiteral("Immersion à l'huile = 0,0625"),
                                          QStringLiteral("Réglé =  0,0625"), QStringLiteral("Объектив =  0,0625")}));
}

TEST_F(FichierCal, SauvegardeOctetParOctet) {
    Fonction(1);
    tav.Bout_Click(10);
    Segment(400);
    Tape(QStringLiteral("100"));
    OK();
    Prompts::Script script;
    script.message(QStringLiteral("création ") + Fichier());
    Sauve(QStringLiteral("x40"));
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(Octets(Fichier()), Entete1252 + QByteArrayLiteral("x40 =  0,25\r\n"));
    EXPECT_EQ(tav.ListCalib.items(), QStringList({QStringLiteral("x40 = 0,25")}));
    EXPECT_FALSE(tav.Frame(7).Visible);
    {
        LocaleScope anglais(QLocale::English);
        tav.Bout_Click(10);
        Segment(400);
        Tape(QStringLiteral("50"));
        OK();
        Sauve(QStringLiteral("x100 huile"));
    }
    EXPECT_EQ(Octets(Fichier()), Entete1252 + QByteArrayLiteral("x40 =  0,25\r\nx100 huile =  0.125\r\n"));
    // The header is never listed; the saved lines are, and a pick brings one back.
    Charge();
    EXPECT_EQ(tav.ListCalib.items(), QStringList({QStringLiteral("x40 =  0,25"), QStringLiteral("x100 huile =  0.125")}));
    Choisit(0);
    EXPECT_DOUBLE_EQ(CalibrageActuel, 0.25);
    // A hand-edited file without a last line break gets one before the new line.
    Installe(QStringLiteral("lignes.Cal"));
    const QByteArray avant = Octets(Fichier());
    Sauve(QStringLiteral("x60"));
    EXPECT_EQ(Octets(Fichier()), avant + QByteArrayLiteral("\r\nx60 =  0,25\r\n"));
}

TEST_F(FichierCal, LocaleAuSeparateurArabe) {
    // A locale whose separator is neither "," nor "." still writes lines and cells that read back.
    LocaleScope arabe(QLocale::Arabic, QLocale::Egypt);
    Fonction(1), tav.Bout_Click(10), Segment(400), Tape(QStringLiteral("100")), OK();  // a bar of 100 um
    Prompts::Script script;
    script.message(QStringLiteral("création ") + Fichier());
    Sauve(QStringLiteral("x40")), Charge(), Choisit(0);
    EXPECT_DOUBLE_EQ(CalibrageActuel, 0.25);
    Segment(40);
    EXPECT_EQ(cell(1, 1), "10.00");
}

TEST_F(FichierCal, CommentaireAvecSigneEgal) {
    Prompts::Script script;
    script.message(QStringLiteral("le commentaire ne doit pas contenir de signe ' = "));
    Sauve(QStringLiteral("a = b"));
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_FALSE(QFileInfo::exists(Fichier()));
    EXPECT_EQ(tav.TBox(0).BackColor, 0xFFFFFF);
    EXPECT_TRUE(tav.Frame(7).Visible);
}

// Runs `f` as an ordinary user and gives its exit code (-1 when it could not be run):
// root writes into a read-only folder all the same.
int Sans_droits(const std::function<int()>& f) {
    if (geteuid() != 0) return f();
    const pid_t pid = fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0) _exit(9);
        _exit(f());
    }
    int statut = 0;
    if (waitpid(pid, &statut, 0) != pid || !WIFEXITED(statut)) return -1;
    return WEXITSTATUS(statut);
}

TEST_F(FichierCal, DossierEnLectureSeule) {
    Installe(QStringLiteral("accents_1252.Cal"));
    const QByteArray avant = Octets(Fichier());
    Charge();
    const auto lecture = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                         QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(Fichier(), QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
    ASSERT_TRUE(QFile::setPermissions(dir_.path(), lecture));
    // 0: refused, told, nothing listed; 1: reported saved; 2: a prompt went unseen.
    const int r = Sans_droits([this] {
        Prompts::Script script;
        script.message(QStringLiteral("erreur fichier :  ") + Fichier());
        const bool ok = tav.Calibrage_Sauve();
        if (script.remaining() != 0) return 2;
        return ok || tav.ListCalib.ListCount() != 2 ? 1 : 0;
    });
    QFile::setPermissions(dir_.path(), lecture | QFileDevice::WriteOwner);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(Octets(Fichier()), avant);
    EXPECT_EQ(QDir(dir_.path()).entryList({QStringLiteral("Tavl.Cal*")}, QDir::Files), QStringList({QStringLiteral("Tavl.Cal")}));

    // A program folder that cannot be made: the file cannot be created either.
    Ecrit(chemin(QStringLiteral("fichier")), "x");
    RepProg = chemin(QStringLiteral("fichier/dossier"));
    Prompts::Script script;
    script.message(QStringLiteral("création "));
    script.message(QStringLiteral("erreur fichier :  ") + Fichier());
    Sauve(QStringLiteral("x40"));
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(tav.ListCalib.ListCount(), 2);
}

TEST_F(FichierCal, FichierAbsent) {
    Installe(QStringLiteral("accents_1252.Cal"));
    Charge();
    QFile::remove(Fichier());
    const QStringList liste = tav.ListCalib.items();
    Prompts::Script script;
    script.message(QStringLiteral("le fichier de calibrage n'existe pas"));
    Charge();
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(tav.ListCalib.items(), liste);
    // bout(20) is enabled by the loading, then the step leaves it for a click on the list.
    EXPECT_EQ(tav.StatusBar.Text, QStringLiteral(" Choisir le calibrage dans la liste puis valider"));
}

TEST_F(FichierCal, Editeur) {
    ShellOpen::Capture capture;
    {
        Prompts::Script script;
        script.message(QStringLiteral("introuvable"));
        script.message(QStringLiteral("Etalonner et sauver le calibrage préalablement"));
        tav.Bout_Click(6);
        EXPECT_EQ(script.remaining(), 0);
    }
    EXPECT_TRUE(capture.opened().isEmpty());
    Installe(QStringLiteral("lignes.Cal"));
    tav.Bout_Click(6);
    EXPECT_EQ(capture.opened(), QStringList({Fichier()}));
    // Nothing ends the user's editor.
    Prompts::Script script;
    tav.Editeur(0);
    EXPECT_EQ(capture.opened(), QStringList({Fichier()}));
}

} // namespace
