#pragma once
// Reading picture files: BMP and DIB, JPEG, PNG, TIFF, GIF and ICO, told apart by their
// content rather than their name. Pictures come out as 32-bit RGB, as the screen shows
// them; a picture that cannot be read or held in memory comes out null with the reason.
#include <QImage>
#include <QString>

namespace LectureImage {

struct Resultat {
    QImage image;        // null when the file could not be read
    QString erreur;      // why, in the reader's words
    bool lu() const { return !image.isNull(); }
};

// Raises the reader's allocation limit above its default, so that pictures of a hundred
// megapixels open; run once at start-up, and again harmlessly by every read.
void Prepare();

Resultat Lire(const QString& chemin);

// The size a read would give, from the file's header alone; invalid when it tells none.
QSize Taille(const QString& chemin);

// The megabytes a read may allocate.
int LimiteAllocation();

} // namespace LectureImage
