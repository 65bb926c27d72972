#pragma once
// The widget that shows a Surface: it paints the surface's picture, keeps the surface
// the widget's size, and hands mouse events over in the surface's units.
#include <QWidget>
#include <functional>

#include "platform/surface.h"

class VueSurface : public QWidget {
public:
    explicit VueSurface(QWidget* parent = nullptr);

    // The surface, at the widget's current size (a hidden widget gets its resize event
    // only when shown, but its picture must be drawable at once).
    Surface& surface() {
        surface_.redimensionner(width(), height());
        return surface_;
    }
    const Surface& surface() const { return surface_; }

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
    Surface surface_;
};
