#include "measure/clavier_vue.h"

#include <QEvent>
#include <QKeyEvent>

#include "base/tav.h"
#include "platform/surface_vue.h"

namespace Clavier {

namespace {

// Hands the keys of the widget it watches to the window.
class Filtre : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* objet, QEvent* e) override {
        if (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease)
            return Transmet(*static_cast<QKeyEvent*>(e));
        return QObject::eventFilter(objet, e);
    }
};

} // namespace

short Code_touche(int cle) {
    // Letters and digits share their codes.
    if ((cle >= Qt::Key_A && cle <= Qt::Key_Z) || (cle >= Qt::Key_0 && cle <= Qt::Key_9)) return short(cle);
    if (cle >= Qt::Key_F1 && cle <= Qt::Key_F12) return short(112 + (cle - Qt::Key_F1));
    switch (cle) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Less:
    case Qt::Key_Greater:
    case Qt::Key_Bar: return 226;
    default: return 0;
    }
}

short Etat_majuscules(Qt::KeyboardModifiers m) {
    short s = 0;
    if (m & Qt::ShiftModifier) s |= 1;
    if (m & Qt::ControlModifier) s |= 2;
    if (m & Qt::AltModifier) s |= 4;
    return s;
}

bool Transmet(const QKeyEvent& e) {
    Tav& tav = *Tav::instance();
    const short code = Code_touche(e.key()), etat = Etat_majuscules(e.modifiers());
    if (e.type() == QEvent::KeyPress) {
        tav.Picture1_KeyDown(code, etat);
        return true;
    }
    if (e.type() == QEvent::KeyRelease) {
        if (!e.isAutoRepeat()) tav.Picture1_KeyUp(code, etat);
        return true;
    }
    return false;
}

void Relie_vue(VueSurface& vue) {
    Tav& tav = *Tav::instance();
    vue.montrer(&tav.Picture1.surface());
    vue.MouseDown = [&tav](int b, int s, double x, double y) {
        tav.Picture1_MouseDown(short(b), short(s), float(x), float(y));
    };
    vue.MouseMove = [&tav](int b, int s, double x, double y) {
        tav.Picture1_MouseMove(short(b), short(s), float(x), float(y));
    };
    vue.MouseUp = [&tav](int b, int s, double x, double y) {
        tav.Picture1_MouseUp(short(b), short(s), float(x), float(y));
    };
    vue.setFocusPolicy(Qt::StrongFocus);
    vue.installEventFilter(new Filtre(&vue));
}

} // namespace Clavier
