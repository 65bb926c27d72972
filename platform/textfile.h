#pragma once
// Text files as the program's users exchange them: written in Windows-1252, read as
// UTF-8 when the bytes are valid UTF-8 and as Windows-1252 otherwise. A text that holds
// a character Windows-1252 lacks (a folder named in Cyrillic) is written in UTF-8, so
// that nothing is lost and the reader takes it back whole. Every write goes through a
// save file, so a failed save leaves the old file whole.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace TextFile {

// A text written as one field of one line: its line breaks become blanks, so that it can
// never shift the lines after it.
QString uneLigne(QString text);

QString decode(const QByteArray& bytes);        // UTF-8 if valid, else Windows-1252
QByteArray encode1252(const QString& text);     // characters outside Windows-1252 become '?'
bool encodable1252(const QString& text);        // every character has its Windows-1252 byte
QByteArray encode(const QString& text);         // Windows-1252 when it reads back the same, else UTF-8
QString decode1252(const QByteArray& bytes);

// Reads the whole file; false when it cannot be opened.
bool read(const QString& path, QString& text);
// Reads the file as lines, CR LF, LF or CR ending each; false when it cannot be opened.
bool readLines(const QString& path, QStringList& lines);
// The lines of a text as readLines cuts them.
QStringList splitLines(const QString& text);
// Replaces the file with `text` (encode: Windows-1252, or UTF-8 when it must); false
// (old file untouched) on any failure.
bool write(const QString& path, const QString& text);
// Joins the lines with CR LF, each line ending with one.
bool writeLines(const QString& path, const QStringList& lines);

} // namespace TextFile
