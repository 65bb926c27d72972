// Byte files: written whole or not at all, the old file kept on any failure.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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

TEST(ByteFile, FailedWriteIntoAReadOnlyFolderLeavesTheOldFileWhole) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString dossier = dir.filePath("images");
    ASSERT_TRUE(QDir(dir.path()).mkdir("images"));
    const QString path = dossier + "/vue.bmp";
    ASSERT_TRUE(ByteFile::write(path, Ancien));
    const auto droits = QFile::permissions(dossier);
    ASSERT_TRUE(QFile::setPermissions(dossier, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    // Root writes into a read-only folder all the same; the size limit below stands for it.
    QFile sonde(dossier + "/sonde");
    const bool ecrivable = sonde.open(QIODevice::WriteOnly);
    if (ecrivable) sonde.remove();
    const bool ok = ByteFile::write(path, QByteArray(5000, 'n'));
    const bool copie = ByteFile::copy(path, dossier + "/copie.bmp");
    QFile::setPermissions(dossier, droits);
    if (ecrivable) GTEST_SKIP() << "the folder stays writable for this user";
    EXPECT_FALSE(ok);
    EXPECT_FALSE(copie);
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
