#include "image/services_image.h"

namespace Gen {

void Copie_ecran(const QString&, float) {}
void Sauve_image_twain(short) {}

} // namespace Gen
