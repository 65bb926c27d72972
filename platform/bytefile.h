#pragma once
// Files of raw bytes (pictures, copied documents). Every write goes through a save file:
// the new content replaces the old file only once it is whole, so a failed save leaves
// the old file as it was. Each function returns false on failure; the caller tells the user.
#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>

namespace ByteFile {

// Replaces the file with `bytes`.
bool write(const QString& path, const QByteArray& bytes);

// Replaces the file with what `fill` writes into the device it is given (a picture
// writer, a stream); `fill` returns false when it could not write everything.
bool write(const QString& path, const std::function<bool(QIODevice&)>& fill);

// The same, with the reason of a failure for the user in `raison` (emptied on success): the
// file's own error when it has one, else what `fill` put in the string it is given.
bool write(const QString& path, const std::function<bool(QIODevice&, QString&)>& fill, QString* raison);

// Copies a file; false when the source cannot be read or the copy cannot be written.
bool copy(const QString& source, const QString& destination);

} // namespace ByteFile
