#include "statwin/compteur.h"

#include <QWheelEvent>

#include "statwin/controles_stat.h"

Compteur::Compteur(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
    setInvertedAppearance(true);
    // The bar has already stepped its way (down for the upper arrow): the step is taken
    // again from the value, the other way, before the value changes.
    connect(this, &QAbstractSlider::actionTriggered, this, [this](int action) {
        if (!monte_) return;
        switch (action) {
        case SliderSingleStepAdd: setSliderPosition(value() - singleStep()); break;
        case SliderSingleStepSub: setSliderPosition(value() + singleStep()); break;
        case SliderPageStepAdd: setSliderPosition(value() - pageStep()); break;
        case SliderPageStepSub: setSliderPosition(value() + pageStep()); break;
        default: break;
        }
    });
}

void Compteur::Sens_inverse() {
    monte_ = false;
    setInvertedAppearance(false);
}

bool Compteur::event(QEvent* e) {
    if (e->type() != QEvent::Wheel || !monte_) return QScrollBar::event(e);
    // Turning the wheel up raises the value, as the upper arrow does.
    auto* w = static_cast<QWheelEvent*>(e);
    QWheelEvent inverse(w->position(), w->globalPosition(), -w->pixelDelta(), -w->angleDelta(), w->buttons(),
                        w->modifiers(), w->phase(), w->inverted(), w->source());
    const bool traite = QScrollBar::event(&inverse);
    e->setAccepted(inverse.isAccepted());
    return traite;
}

Compteur* cree_compteur(QWidget* parent, int left, int top, int width, int height, int min, int max, int valeur) {
    auto* b = new Compteur(parent);
    Twips::placer(*b, left, top, width, height);
    b->setRange(min, max);
    b->setValue(valeur);
    return b;
}
