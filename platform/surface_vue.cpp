#include "platform/surface_vue.h"

#include <QMouseEvent>
#include <QPainter>

VueSurface::VueSurface(QWidget* parent) : QWidget(parent), surface_(1, 1) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    surface_.setOnChange([this] { update(); });
}

VueSurface::~VueSurface() { montrer(nullptr); }

void VueSurface::montrer(Surface* autre) {
    if (externe_) externe_->setOnChange({});
    externe_ = autre;
    if (externe_) {
        externe_->setOnChange([this] { suivre(); });
        suivre();
    } else {
        update();
    }
}

void VueSurface::suivre() {
    // The widget takes the size of the surface it shows.
    const QSize taille(externe_->largeurPx(), externe_->hauteurPx());
    if (size() != taille) resize(taille);
    update();
}

void VueSurface::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, surface().ImageAffichee());
}

void VueSurface::resizeEvent(QResizeEvent*) {
    if (!externe_) surface_.redimensionner(width(), height());
}

namespace {
int bouton(Qt::MouseButtons b) {
    int r = 0;
    if (b & Qt::LeftButton) r |= 1;
    if (b & Qt::RightButton) r |= 2;
    if (b & Qt::MiddleButton) r |= 4;
    return r;
}
int touches(Qt::KeyboardModifiers m) {
    int r = 0;
    if (m & Qt::ShiftModifier) r |= 1;
    if (m & Qt::ControlModifier) r |= 2;
    if (m & Qt::AltModifier) r |= 4;
    return r;
}
} // namespace

void VueSurface::envoyer(const Souris& f, QMouseEvent* e, bool relache) {
    if (!f) return;
    // A press or a release names the button that changed; a move names those held.
    const int b = relache || e->type() == QEvent::MouseButtonPress ? bouton(e->button()) : bouton(e->buttons());
    const QPointF u = surface().versUnites(e->position().x(), e->position().y());
    f(b, touches(e->modifiers()), u.x(), u.y());
}

void VueSurface::mousePressEvent(QMouseEvent* e) { envoyer(MouseDown, e, false); }
void VueSurface::mouseMoveEvent(QMouseEvent* e) { envoyer(MouseMove, e, false); }
void VueSurface::mouseReleaseEvent(QMouseEvent* e) { envoyer(MouseUp, e, true); }
