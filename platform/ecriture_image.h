#pragma once
// Writing pictures to files, in BMP or JPEG, through a save file: the new file replaces
// the old one only once it is whole, so a failed write leaves the old file as it was.
// Each returns false on failure, with the reason for the user.
#include <QImage>
#include <QString>

namespace EcritureImage {

// A BMP file, 24 bits a pixel (32 for a picture with transparency).
bool bmp(const QImage& image, const QString& chemin, QString* raison = nullptr);

// A JPEG file at a quality from 0 (smallest) to 100 (best); at 90 and above the colours
// keep every pixel's own, with no chroma shared between neighbours.
bool jpeg(const QImage& image, const QString& chemin, int qualite, QString* raison = nullptr);

} // namespace EcritureImage

namespace Conversion_BMP_JPG {

// Writes the picture as a JPEG file at `qualite` (0 to 100); false on failure, with the reason.
bool Sauve_JPG(const QImage& image, const QString& chemin, long qualite, QString* raison = nullptr);

} // namespace Conversion_BMP_JPG
