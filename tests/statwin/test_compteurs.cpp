// The window's spinners as the user works them: the upper arrow raises the value, the
// lower one lowers it, and so do the keyboard's up key and the wheel turned up.
#include <QTest>
#include <QWheelEvent>

#include "platform/pressepapier.h"
#include "tests/statwin/aide_statwin.h"
#include "tests/statwin/test_tests_commun.h"

namespace {

class Compteurs : public FenetreActive {
protected:
    static void haut(QScrollBar& b) { QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(b.width() / 2, 2)); }
    static void bas(QScrollBar& b) { QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(b.width() / 2, b.height() - 3)); }
    static void molette_haut(QScrollBar& b) {
        const QPointF p(b.width() / 2.0, b.height() / 2.0);
        QWheelEvent e(p, b.mapToGlobal(p), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
        QCoreApplication::sendEvent(&b, &e);
    }
    // ▲ raises the value by its step, ▼ lowers it, the up key and the wheel raise it.
    static void monte_et_descend(QScrollBar& b, QLineEdit* boite, const char* nom) {
        SCOPED_TRACE(nom);
        const int v = b.value();
        int pas = b.singleStep();
        haut(b);
        EXPECT_EQ(b.value(), v + pas);
        if (boite) { EXPECT_EQ(s(boite->text()), std::to_string(v + pas)); }
        // Some bars change their step with their value.
        const int monte = b.value();
        pas = b.singleStep();
        bas(b);
        EXPECT_EQ(b.value(), monte - pas);
        if (boite) { EXPECT_EQ(s(boite->text()), std::to_string(monte - pas)); }
        const int avant_touche = b.value();
        QTest::keyClick(&b, Qt::Key_Up);
        EXPECT_GT(b.value(), avant_touche);
        b.setValue(b.minimum());
        molette_haut(b);
        EXPECT_GT(b.value(), b.minimum());
        QTest::keyClick(&b, Qt::Key_Down);
        EXPECT_LT(b.value(), b.maximum());
        // At its highest value the upper arrow has nothing more to give.
        b.setValue(b.maximum());
        haut(b);
        EXPECT_EQ(b.value(), b.maximum());
        b.setValue(v);
    }
};

TEST_F(Compteurs, LaFlecheHauteMonte) {
    // Two series pasted from a spreadsheet, then the histograms.
    FenHisto& f = activer(3);
    f.show();
    PressePapier::Simule presse;
    presse.texte = QStringLiteral("1\t2\t3\t4\t5\n2\t3\t5\t7\t11\n");
    f.MOption1(0).click();
    f.MOption1(2).click();
    f.Command2(0).click();
    ASSERT_EQ(NbColonnesStat, 2);
    f.Mnstat(1).trigger();

    // Risk of the Shapiro-Wilk frame: 5 % as the menu sets it, 6 % after ▲.
    f.Mnstat3(3).trigger();
    EXPECT_EQ(s(f.Ttxt2(3).text()), "5");
    monte_et_descend(f.TVScroll2(3), &f.Ttxt2(3), "risque %");
    haut(f.TVScroll2(3));
    EXPECT_EQ(s(f.Ttxt2(3).text()), "6");
    EXPECT_TRUE(Vu_en_francais(f.Tlabel1(3).text()).contains(QStringLiteral("risque du rejet  : 0,06"))) << s(f.Tlabel1(3).text());

    monte_et_descend(f.TVScroll1(3), &f.Ttxt1(3), "colonne du test");
    monte_et_descend(*f.VScroll1Hist, f.Text1histo, "classes");
    // A spinner goes on from the number typed in its box.
    f.Text1histo->selectAll(), QTest::keyClicks(f.Text1histo, QStringLiteral("9")), haut(*f.VScroll1Hist);
    EXPECT_EQ(s(f.Text1histo->text()), "10");
    f.Ttxt1(3).selectAll(), QTest::keyClicks(&f.Ttxt1(3), QStringLiteral("2")), bas(f.TVScroll1(3));
    EXPECT_EQ(s(f.Ttxt1(3).text()), "1");
    monte_et_descend(f.CVScroll1(3), &f.Ctxt(3), "risque de la moyenne");
    monte_et_descend(f.CVScroll1(0), &f.ctxt1(10), "risque des deux moyennes");

    f.Mnstat(2).trigger();
    f.MOption1(0).click();
    monte_et_descend(*f.MVScroll1, f.MText4, "colonne du diagramme");
    monte_et_descend(*f.EVScroll1, f.MText4E, "colonne de l'extrait");
    f.MCheck1(3).setChecked(true);
    f.MCheck1(4).setChecked(true);
    // The X scale read is 100 / the bar's value: ▲ widens it.
    const double x = Nombre_apres(f.MCheck1(3).text(), QStringLiteral("Ech. X fixe "));
    haut(f.MVScroll2(3));
    EXPECT_GT(Nombre_apres(f.MCheck1(3).text(), QStringLiteral("Ech. X fixe ")), x) << s(f.MCheck1(3).text());
    monte_et_descend(f.MVScroll2(4), nullptr, "échelle Y");
    const int y = f.MVScroll2(4).value() + f.MVScroll2(4).singleStep();
    haut(f.MVScroll2(4));
    EXPECT_EQ(s(f.MCheck1(4).text()), "Ech. Y fixe " + std::to_string(y));
    // Resolution: from "pixel" one step up to the finest grouping, 10^(0.5 - 4).
    monte_et_descend(f.MVScroll2(5), nullptr, "résolution");
    haut(f.MVScroll2(5));
    EXPECT_EQ(s(f.groupe->text()), ",000");
}

} // namespace
