#pragma once
// The statistics window's control arrays and its twips geometry. A control array is an
// indexed container of widgets, so `Histcmd(2)` reads as the designer's array did; the
// window lays its controls out in twips, at a fixed 15 twips a pixel.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <map>
#include <stdexcept>

template <class W>
class Tableau {
public:
    // The control at that index; an index the design does not hold is a programming error.
    W& operator()(int index) const {
        auto it = items_.find(index);
        if (it == items_.end()) throw std::out_of_range("control array index");
        return *it->second;
    }
    bool existe(int index) const { return items_.count(index) != 0; }
    void ajouter(int index, W* control) { items_[index] = control; }
    const std::map<int, W*>& items() const { return items_; }

private:
    std::map<int, W*> items_;
};

namespace Twips {
inline constexpr int ParPixel = 15;
inline int versPixels(int twips) { return twips / ParPixel; }

// A control keeps the twips it was given, so that a size read back is the size set
// (the screen holds whole pixels only); a control moved by other means reads its pixels.
namespace detail {
inline int lire(const QWidget& w, const char* nom, int pixels) {
    const QVariant v = w.property(nom);
    if (v.isValid() && versPixels(v.toInt()) == pixels) return v.toInt();
    return pixels * ParPixel;
}
} // namespace detail
inline int Left(const QWidget& w) { return detail::lire(w, "twipsLeft", w.x()); }
inline int Top(const QWidget& w) { return detail::lire(w, "twipsTop", w.y()); }
inline int Width(const QWidget& w) { return detail::lire(w, "twipsWidth", w.width()); }
inline int Height(const QWidget& w) { return detail::lire(w, "twipsHeight", w.height()); }
inline void setLeft(QWidget& w, int t) { w.setProperty("twipsLeft", t); w.move(versPixels(t), w.y()); }
inline void setTop(QWidget& w, int t) { w.setProperty("twipsTop", t); w.move(w.x(), versPixels(t)); }
inline void setWidth(QWidget& w, int t) { w.setProperty("twipsWidth", t); w.resize(versPixels(t), w.height()); }
inline void setHeight(QWidget& w, int t) { w.setProperty("twipsHeight", t); w.resize(w.width(), versPixels(t)); }
// Places a control: left, top, width, height in twips.
inline void placer(QWidget& w, int left, int top, int width, int height) {
    w.setGeometry(versPixels(left), versPixels(top), versPixels(width), versPixels(height));
    w.setProperty("twipsLeft", left);
    w.setProperty("twipsTop", top);
    w.setProperty("twipsWidth", width);
    w.setProperty("twipsHeight", height);
}
} // namespace Twips

// The caption of a frame, button or label, whatever its kind.
inline QString Caption(const QWidget& w) {
    if (auto g = qobject_cast<const QGroupBox*>(&w)) return g->title();
    if (auto b = qobject_cast<const QAbstractButton*>(&w)) return b->text();
    if (auto l = qobject_cast<const QLabel*>(&w)) return l->text();
    return w.windowTitle();
}
inline void setCaption(QWidget& w, const QString& text) {
    if (auto g = qobject_cast<QGroupBox*>(&w)) g->setTitle(text);
    else if (auto b = qobject_cast<QAbstractButton*>(&w)) b->setText(text);
    else if (auto l = qobject_cast<QLabel*>(&w)) l->setText(text);
    else w.setWindowTitle(text);
}

// Creates a control of the window at its place in twips, with its caption if any.
template <class W, class P>
W* cree(P* parent, int left, int top, int width, int height, const QString& texte = QString()) {
    auto* w = new W(parent);
    Twips::placer(*w, left, top, width, height);
    if (!texte.isEmpty()) setCaption(*w, texte);
    return w;
}

// A label for a text that may outgrow its place, such as a list of rows joined by ";"
// with no blank to break at: its lines break anywhere and a bar scrolls what its height
// cannot show. Read and set like a label.
class EtiquetteLongue : public QPlainTextEdit {
public:
    explicit EtiquetteLongue(QWidget* parent) : QPlainTextEdit(parent) {
        setReadOnly(true);
        setFrameShape(QFrame::NoFrame);
        setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        // The window's background shows through, as behind a label.
        viewport()->setAutoFillBackground(false);
        setBackgroundVisible(false);
    }
    QString text() const { return toPlainText(); }
    void setText(const QString& t) { setPlainText(t); }
};

// A check box's value: 1 checked, 0 cleared.
inline int Valeur(const QAbstractButton& b) { return b.isChecked() ? 1 : 0; }

// Change handlers run only for a real change: the widgets' own signals already skip a
// value equal to the one held, and these setters make that explicit for callers.
inline void setTexte(QLineEdit& t, const QString& s) { if (t.text() != s) t.setText(s); }
inline void setValeur(QScrollBar& b, int v) { if (b.value() != v) b.setValue(v); }
// A spinner moved to the value typed in its box without running its own handler: the
// box's handler, which calls this, does the work once.
inline void suitSaisie(QScrollBar& b, int v) {
    const QSignalBlocker bloque(&b);
    b.setValue(v);
}
