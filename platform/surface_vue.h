#pragma once
// The widget that shows a Surface: it paints the surface's picture, keeps the surface
// the widget's size, and hands mouse events over in the surface's units. It may show
// another surface instead of its own (a picture box of a window that is never shown):
// it then takes that surface's size and leaves the surface's size alone.
#include <QWidget>
#include <functional>

#include "platform/surface.h"

class VueSurface : public QWidget {
public:
    explicit VueSurface(QWidget* parent = nullptr);
    ~VueSurface() override;

    // The surface, at the widget's current size (a hidden widget gets its resize event
    // only when shown, but its picture must be drawable at once); or the surface shown
    // instead, as it stands.
    Surface& surface() {
        if (externe_) return *externe_;
        surface_.redimensionner(width(), height());
        return surface_;
    }
    const Surface& surface() const { return externe_ ? *externe_ : surface_; }

    // Shows `autre` instead of the widget's own surface (nullptr: back to its own). The
    // surface must outlive the widget or be taken back first.
    void montrer(Surface* autre);

    // Button: 1 left, 2 right, 4 middle. Shift: 1 Shift, 2 Ctrl, 4 Alt. X, Y in units.
    using Souris = std::function<void(int Button, int Shift, double X, double Y)>;
    Souris MouseDown, MouseMove, MouseUp;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    void envoyer(const Souris& f, QMouseEvent* e, bool relache);
    void suivre();
    Surface surface_;
    Surface* externe_ = nullptr;
};
