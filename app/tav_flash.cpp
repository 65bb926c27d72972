// The flash panel: a short coloured notice held up during a wait that lets events run.
// The measuring window is hidden in statistics-only mode, so the panel goes over the
// window the user is looking at, or stands alone on top when none is shown.
#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QScreen>

#include "app/tav.h"
#include "app/vb.h"
#include "platform/waits.h"

namespace {

constexpr int TwipsParPixel = 15;
constexpr int GaucheTwips = 5600, HautTwips = 4300, LargeurTwips = 3600, HauteurTwips = 800;

QPointer<QFrame> panneau;
QPointer<QLabel> texte;

bool est_panneau(const QWidget* w) { return panneau && w == panneau.data(); }

// The window the user sees: the measuring window when shown, else the active or modal
// window, else any visible top-level window.
QWidget* Fenetre_visible() {
    Tav* tav = Tav::instance();
    if (tav->isVisible()) return tav;
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

// Shows the panel at its place over the visible window, with the colour of its control.
void Place_panneau(Tav& tav) {
    tav.FraFlash.Left = GaucheTwips;
    tav.FraFlash.Top = HautTwips;
    tav.FraFlash.Width = LargeurTwips;
    tav.FraFlash.Height = HauteurTwips;
    tav.FraFlash.Visible = true;
    if (!QApplication::instance()) return;

    QWidget* hote = Fenetre_visible();
    if (!panneau) {
        panneau = new QFrame;
        panneau->setObjectName(QStringLiteral("FraFlash"));
        panneau->setFrameShape(QFrame::Box);
        texte = new QLabel(panneau);
        texte->setObjectName(QStringLiteral("lblLabelflashx"));
        texte->setAlignment(Qt::AlignCenter);
        texte->setWordWrap(true);
        auto* mise = new QHBoxLayout(panneau);
        mise->setContentsMargins(4, 4, 4, 4);
        mise->addWidget(texte);
    }
    const QSize taille(LargeurTwips / TwipsParPixel, HauteurTwips / TwipsParPixel);
    if (hote) {
        if (panneau->parentWidget() != hote) panneau->setParent(hote);
        // Within the window even when it is smaller than the measuring window.
        const int x = std::max(0, std::min(GaucheTwips / TwipsParPixel, hote->width() - taille.width()));
        const int y = std::max(0, std::min(HautTwips / TwipsParPixel, hote->height() - taille.height()));
        panneau->setGeometry(QRect(QPoint(x, y), taille));
    } else {
        if (panneau->parentWidget() || panneau->windowType() != Qt::Tool)
            panneau->setParent(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                                            Qt::WindowDoesNotAcceptFocus);
        QRect zone(0, 0, 800, 600);
        if (const QScreen* ecran = QGuiApplication::primaryScreen()) zone = ecran->availableGeometry();
        panneau->setGeometry(QRect(zone.center() - QPoint(taille.width() / 2, taille.height() / 2), taille));
    }
    panneau->setStyleSheet(Couleur_css(tav.FraFlash.BackColor));
    panneau->show();
    panneau->raise();
}

void Texte_panneau(Tav& tav, const QString& chn) {
    tav.lblLabelflashx.Caption = chn;
    if (texte) texte->setText(chn);
}

// An event handler that ran inside the wait may have hidden the panel: it comes back.
void Garde_visible(Tav& tav) {
    tav.FraFlash.Visible = true;
    if (panneau && !panneau->isVisible()) panneau->show();
}

void Cache_panneau(Tav& tav) {
    tav.FraFlash.Visible = false;
    if (panneau) panneau->hide();
}

// Waits until `delai` seconds after the clock's reading rounded to the second.
void Attente(Tav& tav, short delai) {
    const double debut = Vb::ArrondiPair(Waits::now());
    while (Waits::now() < debut + delai) {
        Garde_visible(tav);
        Waits::processEvents();
    }
}

} // namespace

void Tav::Flash(double couleur, const QString& Chn, short delai) {
    try {
        const long c = Vb::CLng(couleur);
        FraFlash.BackColor = c;
        lblLabelflashx.BackColor = c;
        Place_panneau(*this);
        Texte_panneau(*this, Chn);
        Attente(*this, delai);
        Cache_panneau(*this);
    } catch (const Vb::Erreur&) {
    }
}

void Tav::Flash_ouvre(const QString& Chn) {
    Place_panneau(*this);
    Texte_panneau(*this, Chn);
    Garde_visible(*this);
}

void Tav::Flash_ferme(short delai) {
    Attente(*this, delai);
    Cache_panneau(*this);
}

void Tav::cmdFlash_Click() { Flash(65535, QStringLiteral(" test"), 2); }
