// The prompt layer, the wait layer and text files.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/prompts.h"
#include "platform/textfile.h"
#include "platform/waits.h"
#include "tests/common/limite_taille.h"

namespace {

std::string s(const QString& q) { return q.toStdString(); }

// Collects unexpected prompts for the duration of a test, then gives the failure hook
// back to the test program's, which turns them into test failures.
class HookCapture {
public:
    HookCapture() {
        Prompts::Script::setFailureHook([this](const QString& what) { plaintes << what; });
    }
    ~HookCapture() {
        Prompts::Script::setFailureHook([](const QString& what) { ADD_FAILURE() << what.toStdString(); });
    }
    QStringList plaintes;
};

TEST(Script, AnswersPromptsInOrder) {
    Prompts::Script script;
    script.message("continuer", Prompts::Yes)
        .input("Votre nom", QString("Camille"))
        .open(QString("/lames/lame1.jpg"), "Choix")
        .save(QString("/lames/grille.trm"))
        .input("commentaire", std::nullopt)
        .save(std::nullopt);

    EXPECT_EQ(Prompts::msgBox("Voulez-vous continuer ?", Prompts::YesNo + Prompts::IconQuestion), Prompts::Yes);
    EXPECT_EQ(Prompts::inputBox("Votre nom"), std::optional<QString>("Camille"));
    EXPECT_EQ(Prompts::openFile("Choix ", "/lames", "Tous les fichiers (*.*)|*.*"),
              std::optional<QString>("/lames/lame1.jpg"));
    EXPECT_EQ(Prompts::saveFile("Enregistrement grille", "/lames", "Trame|*.trm", "grille.trm"),
              std::optional<QString>("/lames/grille.trm"));
    EXPECT_FALSE(Prompts::inputBox("entrez le commentaire").has_value());   // Cancel
    EXPECT_FALSE(Prompts::saveFile("Enregistrement", "", "").has_value());

    EXPECT_EQ(script.remaining(), 0);
    ASSERT_EQ(script.seen().size(), 6u);
    EXPECT_EQ(script.seen()[0].kind, Prompts::Kind::Message);
    EXPECT_EQ(script.seen()[0].style, Prompts::YesNo + Prompts::IconQuestion);
    EXPECT_EQ(script.seen()[2].kind, Prompts::Kind::Open);
    EXPECT_EQ(s(script.seen()[2].folder), "/lames");
    EXPECT_EQ(s(script.seen()[3].proposedName), "grille.trm");
}

TEST(Script, UnexpectedPromptsGoToTheFailureHookAndAreDeclined) {
    HookCapture hook;
    {
        Prompts::Script script;
        script.message("effacer");
        // Nothing scripted for these: declined, and reported.
        EXPECT_EQ(Prompts::inputBox("Votre nom"), std::nullopt);
        // Wrong text for the step.
        EXPECT_EQ(Prompts::msgBox("Voulez-vous vraiment quitter ?", Prompts::YesNo), Prompts::No);
        EXPECT_EQ(hook.plaintes.size(), 2);
        EXPECT_TRUE(hook.plaintes[0].contains("Votre nom"));
        EXPECT_TRUE(hook.plaintes[1].contains("quitter"));
        // The step still waits for its prompt.
        EXPECT_EQ(Prompts::msgBox("effacer la grille  ?", Prompts::OkCancel), Prompts::Ok);
        EXPECT_EQ(Prompts::msgBox("encore", Prompts::OkCancel), Prompts::Cancel);
        EXPECT_EQ(Prompts::openFile("Choix", "", ""), std::nullopt);
        EXPECT_EQ(hook.plaintes.size(), 4);
    }
    {
        // A step never asked is reported when the script ends.
        Prompts::Script script;
        script.save(QString("/x.trm"), "Enregistrement");
        hook.plaintes.clear();
    }
    ASSERT_EQ(hook.plaintes.size(), 1);
    EXPECT_TRUE(hook.plaintes[0].contains("Enregistrement"));
}

TEST(Script, FilterInQtForm) {
    EXPECT_EQ(s(Prompts::qtFilter("Tous les fichiers (*.*)|*.*")), "Tous les fichiers (*.*)");
    EXPECT_EQ(s(Prompts::qtFilter("Trames|*.trm;*.csv")), "Trames (*.trm *.csv)");
    EXPECT_EQ(s(Prompts::qtFilter(
                  "Fichiers images(*.bmp;*.jpg;*.gif;*.ico;*.dib;*.wmf)|*.bmp;*.jpg;*.gif;*.ico;*.dib;"
                  "*.wmf,*.tif|Bitmap (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg|Windows Meta File (*.wmf)|*.wmf")),
              "Fichiers images (*.bmp *.jpg *.gif *.ico *.dib *.wmf *.tif);;Bitmap (*.bmp);;"
              "JPEG (*.jpg);;Windows Meta File (*.wmf)");
    EXPECT_EQ(s(Prompts::qtFilter("")), "");
}

TEST(Waits, PauseEndsAfterBoundedRoundsOnTheFakeClock) {
    Waits::FakeClock clock(0.1, 86399.0);   // just before midnight: nothing special happens
    Waits::pause(2.0);
    EXPECT_GE(clock.rounds(), 19);
    EXPECT_LE(clock.rounds(), 21);
    const double t = clock.time();
    Waits::pause(std::nan(""));
    Waits::pause(-1);
    EXPECT_EQ(clock.time(), t);
    clock.advance(5);
    EXPECT_DOUBLE_EQ(Waits::now(), t + 5);
}

QByteArray lit(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool ecrit(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

const QString kTexte = QString::fromUtf8("épais. 12€ œuf");

TEST(TextFile, ReadsWindows1252AndUtf8) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString text;

    // é = E9, € = 80, œ = 9C in Windows-1252.
    ASSERT_TRUE(ecrit(dir.filePath("a.txt"), QByteArray("\xE9pais. 12\x80 \x9C" "uf")));
    ASSERT_TRUE(TextFile::read(dir.filePath("a.txt"), text));
    EXPECT_EQ(s(text), s(kTexte));

    ASSERT_TRUE(ecrit(dir.filePath("u.txt"), kTexte.toUtf8()));
    ASSERT_TRUE(TextFile::read(dir.filePath("u.txt"), text));
    EXPECT_EQ(s(text), s(kTexte));

    ASSERT_TRUE(ecrit(dir.filePath("bom.txt"), "\xEF\xBB\xBF" + kTexte.toUtf8()));
    ASSERT_TRUE(TextFile::read(dir.filePath("bom.txt"), text));
    EXPECT_EQ(s(text), s(kTexte));

    EXPECT_FALSE(TextFile::read(dir.filePath("absent.txt"), text));
}

TEST(TextFile, WritesWindows1252Bytes) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(TextFile::write(dir.filePath("w.txt"), kTexte));
    EXPECT_EQ(lit(dir.filePath("w.txt")), QByteArray("\xE9pais. 12\x80 \x9C" "uf"));
    // One character Windows-1252 lacks makes the whole file UTF-8, read back whole.
    ASSERT_TRUE(TextFile::write(dir.filePath("u.txt"), kTexte + QChar(0x4E2D)));
    EXPECT_EQ(lit(dir.filePath("u.txt")), QByteArray("\xC3\xA9pais. 12\xE2\x82\xAC \xC5\x93uf\xE4\xB8\xAD"));
    QString relu;
    ASSERT_TRUE(TextFile::read(dir.filePath("u.txt"), relu));
    EXPECT_EQ(relu, kTexte + QChar(0x4E2D));

    ASSERT_TRUE(TextFile::writeLines(dir.filePath("l.txt"), {"Ä", "", "fin"}));
    EXPECT_EQ(lit(dir.filePath("l.txt")), QByteArray("\xC4\r\n\r\nfin\r\n"));
}

TEST(TextFile, FailedWritesReturnFalse) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_FALSE(TextFile::write(dir.filePath("absent/w.txt"), "x"));
    EXPECT_FALSE(QFile::exists(dir.filePath("absent")));

    // A parent that is a regular file (permissions do not stop root; this does).
    ASSERT_TRUE(ecrit(dir.filePath("plat"), "garde"));
    EXPECT_FALSE(TextFile::write(dir.filePath("plat/w.txt"), "x"));
    EXPECT_EQ(lit(dir.filePath("plat")), QByteArray("garde"));
}

TEST(TextFile, AFailedWriteLeavesTheOldFileWhole) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("grille.trm");
    ASSERT_TRUE(TextFile::write(path, "ancien contenu"));

    // A file-size limit makes the write fail half way, for root too.
    const bool ok = Sous_limite_de_taille(64, [&] { return TextFile::write(path, QString(10000, QChar('n'))); });

    EXPECT_FALSE(ok);
    EXPECT_EQ(lit(path), QByteArray("ancien contenu"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"grille.trm"}));
}

TEST(TextFile, ReadLinesWithEveryLineEnd) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QStringList lines;
    ASSERT_TRUE(ecrit(dir.filePath("m.txt"), "crlf\r\nlf\ncr\rdernier"));
    ASSERT_TRUE(TextFile::readLines(dir.filePath("m.txt"), lines));
    EXPECT_EQ(lines, QStringList({"crlf", "lf", "cr", "dernier"}));

    ASSERT_TRUE(ecrit(dir.filePath("v.txt"), "a\r\n\r\nb\r\n"));
    ASSERT_TRUE(TextFile::readLines(dir.filePath("v.txt"), lines));
    EXPECT_EQ(lines, QStringList({"a", "", "b"}));

    ASSERT_TRUE(ecrit(dir.filePath("cr.txt"), "\xE9t\xE9\r\r"));
    ASSERT_TRUE(TextFile::readLines(dir.filePath("cr.txt"), lines));
    EXPECT_EQ(lines, QStringList({QString::fromUtf8("été"), ""}));

    ASSERT_TRUE(ecrit(dir.filePath("vide.txt"), ""));
    ASSERT_TRUE(TextFile::readLines(dir.filePath("vide.txt"), lines));
    EXPECT_TRUE(lines.isEmpty());
}

} // namespace
