#pragma once
// The screen the program shows on: its size in pixels, and the part left to windows.
// Tests set a screen of their own, so that layouts and files do not depend on the
// machine running them.
#include <QRect>
#include <QSize>

namespace Ecran {
// The primary screen's size in pixels; an empty size when there is no screen.
QSize taille();
// The part of the screen windows may use; 800 × 600 when there is no screen.
QRect zone_disponible();

// While one is alive, the screen has the given size (its whole surface available).
class Simule {
public:
    explicit Simule(QSize taille);
    ~Simule();
    Simule(const Simule&) = delete;
    Simule& operator=(const Simule&) = delete;
    QSize taille() const { return taille_; }
private:
    QSize taille_;
    Simule* precedent_ = nullptr;
};
} // namespace Ecran
