#pragma once
// The clipboard: text and pictures in and out. Tests put a clipboard of their own in
// place of the desktop's, fill it as another program would, and read what was copied.
#include <QImage>
#include <QString>

namespace PressePapier {
QString texte();
// Empties the clipboard, then puts the text on it.
void mettre_texte(const QString& t);
// The picture on the clipboard, a null picture when it holds none.
QImage image();
void mettre_image(const QImage& image);
void vider();

// While one is alive, the clipboard is this object's and the desktop's is left alone.
class Simule {
public:
    Simule();
    ~Simule();
    Simule(const Simule&) = delete;
    Simule& operator=(const Simule&) = delete;
    QString texte;
    QImage image;
private:
    Simule* precedent_ = nullptr;
};
} // namespace PressePapier
