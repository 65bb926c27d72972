#include "image/images_integrees.h"

#include "base/vb.h"

namespace Chargeur {

QImage Image_integree(int numero) {
    if (numero != 1) throw Vb::Erreur(Vb::ErrIndice, "subscript out of range");
    static const QImage defaut =
        QImage(QStringLiteral(":/image/defaut.png")).convertToFormat(QImage::Format_RGB32);
    if (defaut.isNull()) throw Vb::Erreur(Vb::ErrIndice, "built-in picture missing");
    return defaut;
}

} // namespace Chargeur
