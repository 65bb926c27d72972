#include "platform/panneau_flash.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <algorithm>

#include "platform/ecran.h"

namespace {

constexpr int TwipsParPixel = 15;

QPointer<QFrame> panneau;
QPointer<QLabel> etiquette;

bool est_panneau(const QWidget* w) { return panneau && w == panneau.data(); }

// The window the user sees: the active or modal window, else any visible top-level window.
QWidget* Fenetre_visible() {
    if (QWidget* w = QApplication::activeModalWidget(); w && w->isVisible() && !est_panneau(w)) return w;
    if (QWidget* w = QApplication::activeWindow(); w && w->isVisible() && !est_panneau(w)) return w;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !est_panneau(w) && w->windowType() != Qt::Tool && w->windowType() != Qt::ToolTip &&
            w->windowType() != Qt::Popup)
            return w;
    return nullptr;
}

QString Couleur_css(long bgr) {
    return QStringLiteral("background-color: rgb(%1, %2, %3);")
        .arg(bgr & 0xFF).arg((bgr >> 8) & 0xFF).arg((bgr >> 16) & 0xFF);
}

bool avec_fenetres() { return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr; }

} // namespace

namespace PanneauFlash {

void montrer(int gauche, int haut, int largeur, int hauteur, long bgr) {
    if (!avec_fenetres()) return;
    QWidget* hote = Fenetre_visible();
    if (!panneau) {
        panneau = new QFrame;
        panneau->setObjectName(QStringLiteral("FraFlash"));
        panneau->setFrameShape(QFrame::Box);
        etiquette = new QLabel(panneau);
        etiquette->setObjectName(QStringLiteral("lblLabelflashx"));
        etiquette->setAlignment(Qt::AlignCenter);
        etiquette->setWordWrap(true);
        auto* mise = new QHBoxLayout(panneau);
        mise->setContentsMargins(4, 4, 4, 4);
        mise->addWidget(etiquette);
    }
    const QSize taille(largeur / TwipsParPixel, hauteur / TwipsParPixel);
    if (hote) {
        if (panneau->parentWidget() != hote) panneau->setParent(hote);
        // Within the window even when it is smaller than the measuring window.
        const int x = std::max(0, std::min(gauche / TwipsParPixel, hote->width() - taille.width()));
        const int y = std::max(0, std::min(haut / TwipsParPixel, hote->height() - taille.height()));
        panneau->setGeometry(QRect(QPoint(x, y), taille));
    } else {
        if (panneau->parentWidget() || panneau->windowType() != Qt::Tool)
            panneau->setParent(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                                            Qt::WindowDoesNotAcceptFocus);
        const QRect zone = Ecran::zone_disponible();
        panneau->setGeometry(QRect(zone.center() - QPoint(taille.width() / 2, taille.height() / 2), taille));
    }
    panneau->setStyleSheet(Couleur_css(bgr));
    panneau->show();
    panneau->raise();
}

void texte(const QString& t) {
    if (etiquette) etiquette->setText(t);
}

void garder_visible() {
    if (panneau && !panneau->isVisible()) panneau->show();
}

void cacher() {
    if (panneau) panneau->hide();
}

} // namespace PanneauFlash
