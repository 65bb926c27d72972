#pragma once
// The window's spinners: small vertical bars whose highest value stands at the top, so
// that the upper arrow raises the value and the lower one lowers it. Qt's vertical bars
// grow downwards; a spinner turns its arrows, its page clicks, its keys and the wheel
// round, so that each moves the value the way the bar shows it.
#include <QScrollBar>

class Compteur : public QScrollBar {
public:
    explicit Compteur(QWidget* parent);
    // For a bar whose value the user reads turned round (a scale of 100 / value): its
    // upper arrow, up key and wheel lower the value, as a plain bar's do.
    void Sens_inverse();

protected:
    bool event(QEvent* e) override;

private:
    bool monte_ = true;  // the upper arrow raises the value
};

// A spinner placed in twips (left, top, width, height) over min..max, showing `valeur`.
Compteur* cree_compteur(QWidget* parent, int left, int top, int width, int height, int min, int max, int valeur);
