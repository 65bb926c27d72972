// Byte files: written whole or not at all, the old file kept on any failure.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/bytefile.h"
#include "tests/common/limite_taille.h"

namespace {

QByteArray lit(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

const QByteArray Ancien("ancienne image", 14);

TEST(ByteFile, WritesEveryByteAndReplacesTheOldFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("vue.bmp");
    const QByteArray octets("BM\0\xFF\r\n\x1A fin", 11);
    ASSERT_TRUE(ByteFile::write(path, octets));
    EXPECT_EQ(lit(path), octets);
    ASSERT_TRUE(ByteFile::write(path, QByteArray("x")));
    EXPECT_EQ(lit(path), QByteArray("x"));
    ASSERT_TRUE(ByteFile::write(path, [](QIODevice& d) { return d.write("a") == 1 && d.write("bc") == 2; }));
    EXPECT_EQ(lit(path), QByteArray("abc"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"vue.bmp"}));  // no stray save file
}

// Runs `ecrit` as an ordinary user and gives its result (-1 when it could not be run):
// root writes into a read-only folder all the same, so a root run makes the attempt from
// a child process that has given up its rights.
int Sans_droits(const std::function<bool()>& ecrit) {
    if (geteuid() != 0) return ecrit() ? 1 : 0;
    const pid_t pid = fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0) _exit(2);
        _exit(ecrit() ? 1 : 0);
    }
    int statut = 0;
    if (waitpid(pid, &statut, 0) != pid || !WIFEXITED(statut) || WEXITSTATUS(statut) > 1) return -1;
    return WEXITSTATUS(statut);
}

TEST(ByteFile, FailedWriteIntoAReadOnlyFolderLeavesTheOldFileWhole) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString dossier = dir.filePath("images");
    ASSERT_TRUE(QDir(dir.path()).mkdir("images"));
    const QString path = dossier + "/vue.bmp";
    ASSERT_TRUE(ByteFile::write(path, Ancien));
    const auto lecture = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                         QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(dir.path(), lecture | QFileDevice::WriteOwner));
    ASSERT_TRUE(QFile::setPermissions(dossier, lecture));
    const int ecrit = Sans_droits([&] { return ByteFile::write(path, QByteArray(5000, 'n')); });
    const int copie = Sans_droits([&] { return ByteFile::copy(path, dossier + "/copie.bmp"); });
    QFile::setPermissions(dossier, lecture | QFileDevice::WriteOwner);
    EXPECT_EQ(ecrit, 0);
    EXPECT_EQ(copie, 0);
    EXPECT_EQ(lit(path), Ancien);
    EXPECT_EQ(QDir(dossier).entryList(QDir::Files), QStringList({"vue.bmp"}));
}

TEST(ByteFile, WriteFailingHalfWayLeavesTheOldFileWhole) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("vue.bmp");
    ASSERT_TRUE(ByteFile::write(path, Ancien));

    EXPECT_FALSE(Sous_limite_de_taille(64, [&] { return ByteFile::write(path, QByteArray(10000, 'n')); }));
    EXPECT_EQ(lit(path), Ancien);
    // A writer that gives up half way (a picture it could not encode) keeps it too.
    EXPECT_FALSE(ByteFile::write(path, [](QIODevice& d) { return d.write("debut") == 5 && false; }));
    EXPECT_EQ(lit(path), Ancien);
    // And so does a folder that cannot exist: its parent is a regular file.
    EXPECT_FALSE(ByteFile::write(path + "/x.bmp", QByteArray("x")));
    EXPECT_EQ(lit(path), Ancien);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"vue.bmp"}));
}

TEST(ByteFile, CopyTakesEveryByteOrLeavesTheDestination) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString source = dir.filePath("Doc2_fr.pdf");
    QByteArray document;
    for (int i = 0; i < 200000; ++i) document += char(i * 7);  // several read blocks
    ASSERT_TRUE(ByteFile::write(source, document));
    const QString copie = dir.filePath("Doc_fr.pdf");
    ASSERT_TRUE(ByteFile::copy(source, copie));
    EXPECT_EQ(lit(copie), document);

    ASSERT_TRUE(ByteFile::write(copie, Ancien));
    EXPECT_FALSE(ByteFile::copy(dir.filePath("absent.pdf"), copie));
    EXPECT_EQ(lit(copie), Ancien);
    EXPECT_FALSE(Sous_limite_de_taille(4096, [&] { return ByteFile::copy(source, copie); }));
    EXPECT_EQ(lit(copie), Ancien);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"Doc2_fr.pdf", "Doc_fr.pdf"}));
}

} // namespace
