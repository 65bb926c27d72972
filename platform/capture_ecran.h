#pragma once
// Copies of the whole screen. The desktop's own picture is taken where the window system
// gives it; where it refuses (Wayland gives no application the screen), the program's own
// visible windows are painted at their places on a picture of the screen's size. Tests put
// a screen of their own in place and count the copies taken.
#include <QImage>
#include <QString>

namespace CaptureEcran {

// The screen as it shows, or a null picture with the reason when there is no screen.
QImage ecran(QString* raison = nullptr);

// While one is alive, the screen shows `image` (a null one: the copy fails) and every
// copy taken is counted.
class Simule {
public:
    explicit Simule(QImage image);
    ~Simule();
    Simule(const Simule&) = delete;
    Simule& operator=(const Simule&) = delete;
    const QImage& image() const { return image_; }
    int copies() const { return copies_; }
    void compte() { ++copies_; }
private:
    QImage image_;
    int copies_ = 0;
    Simule* precedent_ = nullptr;
};

} // namespace CaptureEcran
