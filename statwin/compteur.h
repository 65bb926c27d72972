#pragma once
// The window's spinners: small vertical bars whose highest value stands at the top, so
// that the upper arrow raises the value and the lower one lowers it. Qt's vertical bars
// grow downwards; a spinner turns its arrows, its page clicks, its keys and the wheel
// round, so that each moves the value the way the bar shows it.
#include <QScrollBar>

class Compteur : public QScrollBar {
public:
    explicit Compteur(QWidget* parent);

protected:
    bool event(QEvent* e) override;
};

// A spinner placed in twips (left, top, width, height) over min..max, showing `valeur`.
Compteur* cree_compteur(QWidget* parent, int left, int top, int width, int height, int min, int max, int valeur);
