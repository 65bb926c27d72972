#pragma once
// The window's built-in pictures, shipped inside the program.
#include <QImage>

namespace Chargeur {

// Built-in picture `numero`: 1 is the default picture, shown at start-up and when an open
// fails. Any other number raises the index error.
QImage Image_integree(int numero);

} // namespace Chargeur
