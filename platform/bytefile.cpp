#include "platform/bytefile.h"

#include <QFile>
#include <QSaveFile>

namespace ByteFile {

bool write(const QString& path, const std::function<bool(QIODevice&, QString&)>& fill, QString* raison) {
    const auto echec = [raison](const QString& r) {
        if (raison) *raison = r;
        return false;
    };
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return echec(f.errorString());
    // A short write (disk full, size limit) can be reported as a whole one; the size the
    // file really reached is what tells, and a partial file must never replace the old one.
    QString motif;
    if (!fill(f, motif) || !f.flush() || f.size() != f.pos()) {
        const QString r = f.error() != QFileDevice::NoError || motif.isEmpty() ? f.errorString() : motif;
        f.cancelWriting();
        return echec(r);
    }
    if (!f.commit()) return echec(f.errorString());
    if (raison) raison->clear();
    return true;
}

bool write(const QString& path, const std::function<bool(QIODevice&)>& fill) {
    return write(path, [&fill](QIODevice& d, QString&) { return fill(d); }, nullptr);
}

bool write(const QString& path, const QByteArray& bytes) {
    return write(path, [&bytes](QIODevice& d) { return d.write(bytes) == bytes.size(); });
}

bool copy(const QString& source, const QString& destination) {
    QFile entree(source);
    if (!entree.open(QIODevice::ReadOnly)) return false;
    return write(destination, [&entree](QIODevice& d) {
        constexpr qint64 kMorceau = 1 << 16;
        while (!entree.atEnd()) {
            const QByteArray morceau = entree.read(kMorceau);
            if (entree.error() != QFileDevice::NoError) return false;
            if (d.write(morceau) != morceau.size()) return false;
        }
        return entree.error() == QFileDevice::NoError;
    });
}

} // namespace ByteFile
