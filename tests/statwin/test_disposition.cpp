// The statistics window as the user sees it: in every view, each control lies inside its
// frame and shows its caption whole, and the data-source frames that share one place do
// not show through one another.
#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QImage>
#include <QRadioButton>
#include <QStyle>

#include "tests/statwin/aide_statwin.h"

namespace {

using Disposition = FenetreActive;

// The controls shown in a frame that stick out of it or cut their caption.
QStringList Defauts(QWidget& racine) {
    QStringList defauts;
    for (QWidget* w : racine.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&racine) || !qobject_cast<QGroupBox*>(w->parentWidget())) continue;
        const QString nom = QString::fromLatin1(w->metaObject()->className()) + QStringLiteral(" \"") +
                            Caption(*w) + QStringLiteral("\" in \"") + Caption(*w->parentWidget()) + QStringLiteral("\"");
        if (!w->parentWidget()->rect().contains(w->geometry())) defauts << nom + QStringLiteral(" sticks out");
        const QString texte = Caption(*w);
        if (texte.isEmpty()) continue;
        const int largeur = w->fontMetrics().horizontalAdvance(texte);
        if (auto* l = qobject_cast<QLabel*>(w); l && !l->wordWrap() && !texte.contains(QLatin1Char('\n'))) {
            if (largeur > l->contentsRect().width()) defauts << nom + QStringLiteral(" is cut");
        } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
            const bool radio = qobject_cast<QRadioButton*>(w) != nullptr;
            QStyle* st = w->style();
            const int marque = st->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr, w) +
                               st->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing, nullptr, w);
            if (marque + largeur > w->width()) defauts << nom + QStringLiteral(" is cut");
        }
    }
    return defauts;
}

TEST_F(Disposition, ChaqueVueMontreSesControlesEntiers) {
    // Long enough titles for the activation to widen the third column button.
    Remplir_grille({{"1", "2"}, {"3", "4"}, {"5", "6"}});
    FenHisto& f = activer(1);
    for (short vue = 1; vue <= 6; ++vue) {
        SCOPED_TRACE(vue);
        f.Init_cadrage_frames(vue);
        const QStringList defauts = Defauts(*f.zone());
        EXPECT_TRUE(defauts.isEmpty()) << defauts.join(QLatin1Char('\n')).toStdString();
    }
    f.MText3->setText(QStringLiteral("1;2;3;4;5;6;"));
    for (short test : {short(2), short(3)}) {
        SCOPED_TRACE(test);
        f.Mnstat3(test).trigger();
        const QStringList defauts = Defauts(f.FraTest(test));
        EXPECT_TRUE(defauts.isEmpty()) << defauts.join(QLatin1Char('\n')).toStdString();
    }
}

TEST_F(Disposition, LeCadreDeLaSourceChoisieCacheCeluiDeDessous) {
    FenHisto& f = activer(3);
    // The "Texte" source is chosen; the diagram's layout then shows "Mesure" as well, at
    // the same place.
    f.MOption1(0).setChecked(true);
    f.MOption1(2).setChecked(true);
    f.Mnstat(2).trigger();
    ASSERT_TRUE(f.MFrame1(4).isVisibleTo(&f.stcadre(2)));
    ASSERT_TRUE(f.MFrame1(6).isVisibleTo(&f.stcadre(2)));
    const QRect place = f.MFrame1(6).geometry();
    const QImage avec = f.stcadre(2).grab(place).toImage();
    f.MFrame1(4).setVisible(false);
    const QImage sans = f.stcadre(2).grab(place).toImage();
    EXPECT_EQ(avec, sans) << "the frame below shows through the chosen source's frame";
}

} // namespace
