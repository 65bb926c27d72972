// The flash panel: shown over the window the user sees, for the time asked, on a clock
// that only the test moves.
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include "tests/common/fixture.h"
#include "base/tav.h"
#include "platform/waits.h"

namespace {

QFrame* Panneau() {
    for (QWidget* w : QApplication::allWidgets())
        if (w->objectName() == QLatin1String("FraFlash")) return qobject_cast<QFrame*>(w);
    return nullptr;
}

// Looks at the panel from inside the wait, as an event handler would.
struct Observation {
    bool visible = false;
    QWidget* hote = nullptr;
    QString texte;
};

void Observe_pendant_attente(Observation& o) {
    QTimer::singleShot(0, [&o] {
        QFrame* p = Panneau();
        if (!p) return;
        o.visible = p->isVisible();
        o.hote = p->parentWidget();
        if (auto* l = p->findChild<QLabel*>(QStringLiteral("lblLabelflashx"))) o.texte = l->text();
    });
}

class FlashTest : public EtatPropre {};

} // namespace

TEST_F(FlashTest, NoticeOverTheVisibleWindowForItsTime) {
    QWidget fenetre;   // the statistics window the user is looking at
    fenetre.resize(700, 500);
    fenetre.show();
    Tav& tav = *Tav::instance();
    Waits::FakeClock horloge(0.05, 1000.0);
    Observation o;
    Observe_pendant_attente(o);
    tav.Flash(65535, QStringLiteral(" test"), 2);
    EXPECT_TRUE(o.visible);
    EXPECT_EQ(o.hote, &fenetre);
    EXPECT_EQ(o.texte, QStringLiteral(" test"));
    // From the rounded start 1000 to 1002, at 0.05 s a round.
    EXPECT_GE(horloge.time(), 1002.0);
    EXPECT_LT(horloge.time(), 1002.1);
    EXPECT_FALSE(tav.FraFlash.Visible);
    ASSERT_NE(Panneau(), nullptr);
    EXPECT_FALSE(Panneau()->isVisible());
    EXPECT_EQ(tav.FraFlash.BackColor, 65535);
    EXPECT_EQ(tav.lblLabelflashx.BackColor, 65535);
    EXPECT_EQ(tav.FraFlash.Left, 5600);
    EXPECT_EQ(tav.FraFlash.Top, 4300);
    EXPECT_EQ(tav.FraFlash.Width, 3600);
    EXPECT_EQ(tav.FraFlash.Height, 800);
}

TEST_F(FlashTest, AloneOnTopWhenNoWindowIsShown) {
    Tav& tav = *Tav::instance();
    Waits::FakeClock horloge(0.1, 500.2);
    Observation o;
    Observe_pendant_attente(o);
    tav.cmdFlash_Click();
    EXPECT_TRUE(o.visible);
    EXPECT_EQ(o.hote, nullptr);
    EXPECT_EQ(o.texte, QStringLiteral(" test"));
    EXPECT_GE(horloge.time(), 502.0);
}

TEST_F(FlashTest, PanelHiddenByAHandlerComesBack) {
    Tav& tav = *Tav::instance();
    Waits::FakeClock horloge(0.05, 10.0);
    bool revu = false;
    QTimer::singleShot(0, [] { if (QFrame* p = Panneau()) p->hide(); });
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] { revu = Panneau() && Panneau()->isVisible(); });
    });
    tav.Flash(255, QStringLiteral("x"), 1);
    EXPECT_TRUE(revu);
}

TEST_F(FlashTest, ZeroDelayEndsAtTheRoundedSecond) {
    Tav& tav = *Tav::instance();
    {
        Waits::FakeClock horloge(0.05, 1000.3);
        tav.Flash(65280, QStringLiteral("a"), 0);
        EXPECT_EQ(horloge.rounds(), 0);
    }
    Waits::FakeClock horloge(0.05, 999.7);
    tav.Flash(65280, QStringLiteral("a"), 0);
    EXPECT_GE(horloge.time(), 1000.0);
    EXPECT_LE(horloge.rounds(), 7);
}

TEST_F(FlashTest, OpenAndCloseAroundAPieceOfWork) {
    Tav& tav = *Tav::instance();
    Waits::FakeClock horloge(0.05, 20.0);
    tav.Flash(65535, QStringLiteral("a"), 0);
    tav.Flash_ouvre(QStringLiteral(" calcul"));
    EXPECT_TRUE(tav.FraFlash.Visible);
    EXPECT_EQ(tav.lblLabelflashx.Caption, QStringLiteral(" calcul"));
    EXPECT_EQ(tav.FraFlash.BackColor, 65535);   // the colour stays
    ASSERT_NE(Panneau(), nullptr);
    EXPECT_TRUE(Panneau()->isVisible());
    tav.Flash_ferme(1);
    EXPECT_FALSE(tav.FraFlash.Visible);
    EXPECT_FALSE(Panneau()->isVisible());
    EXPECT_GE(horloge.time(), 21.0);
}

