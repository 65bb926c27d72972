// The statistics window's frame: the start-up loop, the views each setting opens, the
// menus that switch them, the example data and the close routine.
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>

#include "base/etat_demarrage.h"
#include "platform/programme.h"
#include "base/tav.h"
#include "platform/prompts.h"
#include "tests/statwin/aide_statwin.h"
#include "base/etat_partage.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"
#include "colour/etat_couleur.h"

namespace {

using Fenetre = FenetreActive;

bool visible(FenHisto& f, int i) { return !f.stcadre(i).isHidden(); }

TEST_F(Fenetre, LaBouclePresenteLaFenetreNeuveJusquaOui) {
    int presentations = 0;
    Prompts::Script script;
    script.message(QStringLiteral("Tavl.dat"))  // the settings file is created on the first run
          .message(QStringLiteral("Quitter Quenlor?"), Prompts::No)
          .message(QStringLiteral("Quitter Quenlor?"), Prompts::Yes);
    FenHisto::setModalHook([&](FenHisto& f) {
        ++presentations;
        EXPECT_EQ(f.leftTwips(), 3500);
        EXPECT_EQ(f.topTwips(), 2000);
        EXPECT_EQ(f.Text1histo->text(), QStringLiteral("5"));
        EXPECT_EQ(f.NbClasses, 5);
        if (presentations == 1) {
            f.setObjectName(QStringLiteral("premiere"));
            Remplir_grille({{"4,5", "5"}, {"1", "2"}});
            f.Check2->setChecked(true);
            ExtraitListe = QStringLiteral("1;");
            f.Mnstat(15).trigger();
        } else {
            EXPECT_TRUE(f.objectName().isEmpty()) << "the window must be loaded afresh";
            EXPECT_FALSE(f.Check2->isChecked());
            EXPECT_EQ(f.VueCourante(), 2);  // the default setting opens the diagram
            EXPECT_EQ(f.List1->count(), 2);
            EXPECT_TRUE(f.MOption1(3).isEnabled());
            f.close();
        }
    });
    Tav::instance()->Form_Load();
    EXPECT_EQ(presentations, 2);
    EXPECT_TRUE(Programme::Termine());
    EXPECT_EQ(Programme::CodeSortie(), 0);
    EXPECT_EQ(script.remaining(), 0);
    // The grids and the extract come through the close unchanged.
    EXPECT_EQ(GrilleRef.TextMatrix(1, 1), QStringLiteral("4,5"));
    EXPECT_EQ(GrilleRef.TextMatrix(2, 2), QStringLiteral("2"));
    EXPECT_EQ(ExtraitListe, QStringLiteral("1;"));
}

TEST_F(Fenetre, ChaqueFermetureDemandeUneFois) {
    FenHisto& f = activer();
    Prompts::Script script;
    script.message(QStringLiteral("Quitter Quenlor?"), Prompts::No);
    f.close();
    EXPECT_EQ(script.seen().size(), 1u);
    EXPECT_EQ(script.seen()[0].style, Prompts::YesNo | Prompts::IconQuestion);
    EXPECT_EQ(script.seen()[0].title, f.windowTitle());
    EXPECT_FALSE(Programme::Termine());
    f.Ferme_Histo();  // a second road into the close routine asks nothing more
    EXPECT_EQ(script.seen().size(), 1u);
}

TEST_F(Fenetre, EchapFermeParLaRoutineDeFermeture) {
    FenHisto& f = activer();
    f.show();
    Prompts::Script script;
    script.message(QStringLiteral("Quitter Quenlor?"), Prompts::Yes);
    QKeyEvent echap(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&f, &echap);
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_TRUE(Programme::Termine());
}

TEST_F(Fenetre, HorsModeStatistiqueLaFermetureNeDemandeRien) {
    FenHisto& f = activer();
    ModeStatSeul = 0;
    Prompts::Script script;
    f.Mnstat(15).trigger();
    EXPECT_TRUE(script.seen().empty());
    EXPECT_FALSE(Programme::Termine());
}

TEST_F(Fenetre, StatDefOuvreSaVue) {
    Remplir_grille({{"1", "2", "3"}, {"2", "4", "5"}});
    struct Cas { short statDef, vue, modeHisto; };
    for (Cas c : {Cas{1, 1, 0}, Cas{2, 1, -1}, Cas{3, 2, 0}, Cas{4, 3, 0}}) {
        SCOPED_TRACE(c.statDef);
        FenHisto& f = activer(c.statDef);
        EXPECT_EQ(f.VueCourante(), c.vue);
        EXPECT_TRUE(visible(f, c.vue));
        for (int i = 1; i <= 6; ++i) {
            if (i != c.vue) {
                EXPECT_FALSE(visible(f, i)) << i;
            }
        }
        if (c.vue == 1) {
            EXPECT_EQ(f.ModeHisto, c.modeHisto);
            EXPECT_EQ(f.Width(), 11412 + 200);
            EXPECT_EQ(f.Height(), 8700 + 900);
        }
        if (c.vue == 2) {
            EXPECT_EQ(f.Width(), 11700);
            EXPECT_EQ(f.Height(), 8600);
        }
        if (c.vue == 3) {
            EXPECT_TRUE(visible(f, 7));  // the comparison of a mean, not a test frame
        }
        FenHisto::decharger();
    }
}

TEST_F(Fenetre, StatDefHorsLimitesNOuvreAucuneVue) {
    for (short statDef : {short(0), short(5), short(-1)}) {
        SCOPED_TRACE(statDef);
        FenHisto& f = activer(statDef);
        EXPECT_EQ(f.VueCourante(), 0);
        for (int i = 1; i <= 7; ++i) EXPECT_FALSE(visible(f, i)) << i;
        EXPECT_EQ(f.Width(), 11612);  // the designed size
        EXPECT_EQ(f.leftTwips(), 3500);
        FenHisto::decharger();
    }
}

TEST_F(Fenetre, LesMenusBasculentLesVues) {
    FenHisto& f = activer(1);
    f.Mnstat(2).trigger();
    EXPECT_EQ(f.VueCourante(), 2);
    EXPECT_TRUE(visible(f, 2));
    EXPECT_FALSE(visible(f, 1));
    EXPECT_TRUE(f.Mnstat6(1).isEnabled());
    f.Mnstat(1).trigger();
    EXPECT_EQ(f.VueCourante(), 1);
    EXPECT_FALSE(visible(f, 2));
    EXPECT_FALSE(f.Mnstat6(1).isEnabled());

    f.Mnstat4(1).trigger();
    EXPECT_EQ(f.VueCourante(), 5);
    EXPECT_TRUE(visible(f, 5));
    EXPECT_TRUE(visible(f, 7));
    EXPECT_EQ(Vu_en_francais(f.LNTxt(3).text()), QStringLiteral("0,1"));
    EXPECT_EQ(f.Width(), 4575 + 200);
    EXPECT_EQ(f.Height(), 2800 + 900);

    // Opening a sub-menu only hides the shared panel.
    for (int i : {3, 4, 6, 7}) {
        SCOPED_TRACE(i);
        f.stcadre(7).setVisible(true);
        emit f.Mnstat(i).menu()->aboutToShow();
        EXPECT_FALSE(visible(f, 7));
        EXPECT_TRUE(visible(f, 5));
        EXPECT_EQ(f.VueCourante(), 5);
    }

    f.Mnstat4(2).trigger();
    EXPECT_EQ(f.VueCourante(), 6);
    EXPECT_TRUE(visible(f, 6));
    EXPECT_FALSE(visible(f, 5));
    EXPECT_EQ(Vu_en_francais(f.StText(1).text()), QStringLiteral("0,1"));
    EXPECT_TRUE(f.StOptTInv(0).isChecked());
    EXPECT_EQ(f.Height(), 2175 + 900);

    // The menu bar shows seven captioned entries; the captions of the first ones follow
    // the message tables, the last two are the design's.
    QStringList titres;
    for (QAction* a : f.barreMenus()->actions())
        if (a->isVisible()) titres << a->text();
    ASSERT_EQ(titres.size(), 7);
    for (const QString& t : titres) EXPECT_FALSE(t.isEmpty());
    EXPECT_EQ(titres[5], QStringLiteral("Options"));
    EXPECT_EQ(titres[6], QStringLiteral("Fermer Quenlor"));
}

TEST_F(Fenetre, ExempleRemplitLaVueVisible) {
    FenHisto& f = activer(3);
    f.Mnstat6(5).trigger();
    EXPECT_EQ(f.MstrData, QStringLiteral("1,532;1,538;1,544;1,638;1,667;1,667;1,692;1,692;1,694;1,694;1,724;"
                                         "1,774;1,833;1,855;1,867;1,867;1,923;2"));
    EXPECT_EQ(f.MText3->text(), f.MstrData);
    EXPECT_FALSE(f.MCheck1(3).isChecked());
    FenHisto::decharger();

    FenHisto& g = activer(4);
    g.Mnstat6(5).trigger();
    EXPECT_EQ(g.Ctxt(0).text(), QStringLiteral("11,1"));
    EXPECT_EQ(g.Ctxt(1).text(), QStringLiteral("0,2464"));
    EXPECT_EQ(g.Ctxt(5).text(), QStringLiteral("11,5"));
    EXPECT_EQ(g.Ctxt(6).text(), QStringLiteral("1,25"));
    FenHisto::decharger();

    FenHisto& h = activer(1);
    const QString serie = h.MstrData, moyenne = h.Ctxt(0).text();
    h.Mnstat6(5).trigger();
    EXPECT_EQ(h.MstrData, serie);
    EXPECT_EQ(h.Ctxt(0).text(), moyenne);
}

TEST_F(Fenetre, ActivationOffreLesColonnesDeLaGrille) {
    Remplir_grille({{"1", "2"}, {"3", "4"}, {"5", "6"}});
    FenHisto& f = activer(1);
    EXPECT_EQ(f.List1->count(), 3);
    EXPECT_EQ(f.Histcmd(2).text(), QStringLiteral("C"));
    EXPECT_EQ(f.ChkH(1).text(), QStringLiteral("B"));
    EXPECT_EQ(f.ChkH(1).palette().color(QPalette::WindowText), Surface::couleur(Surface::QBColor(2)));
    EXPECT_EQ(f.Histcmd(3).text(), QString());
    EXPECT_EQ(Twips::Width(f.Histcmd(2)), 750);
    EXPECT_EQ(f.ColonnesAxes[0], 1);
    EXPECT_EQ(f.ColonnesAxes[1], 2);
    EXPECT_EQ(f.Text2Hist(1).text(), QStringLiteral("B"));
    EXPECT_TRUE(f.MOption1(2).isChecked());  // statistics-only mode: typed text
    EXPECT_TRUE(f.Command2(0).isHidden());
    EXPECT_TRUE(f.Command2(1).isHidden());
}

TEST_F(Fenetre, SegmentsLesDeuxAxesSontLaColonneUn) {
    Remplir_grille({{"1", "2"}, {"3", "4"}});
    NumFonction = 1;
    FenHisto& f = activer(1);
    EXPECT_EQ(f.ColonnesAxes[0], 1);
    EXPECT_EQ(f.ColonnesAxes[1], 1);
    EXPECT_EQ(f.Text2Hist(0).text(), QStringLiteral("A"));
    EXPECT_EQ(f.Text2Hist(1).text(), QStringLiteral("A"));
}

TEST_F(Fenetre, LaFenetreMontreSesTraces) {
    Remplir_grille({{"1,2", "2,5", "3,1", "2,8", "2,2", "3,9", "4,1", "2,7", "3,3", "3,0", "2,9", "1,8"},
                    {"10", "14", "17", "15", "12", "22", "25", "16", "18", "17", "15", "11"}});
    FenHisto& f = activer(2);
    f.ChkH(0).setChecked(true);
    f.ChkH_Click(0);
    f.ChkH(1).setChecked(true);
    f.ChkH_Click(0);
    // The window's own rendering shows the bars of both columns.
    auto compte = [&f](long couleur) {
        const QImage vue = f.grab().toImage();
        int n = 0;
        for (int y = 0; y < vue.height(); ++y)
            for (int x = 0; x < vue.width(); ++x)
                if (Surface::bgr(QColor(vue.pixel(x, y))) == couleur) ++n;
        return n;
    };
    EXPECT_GT(compte(Surface::QBColor(1)), 500);
    EXPECT_GT(compte(Surface::QBColor(2)), 500);
    EXPECT_TRUE(f.grab().save(chemin(QStringLiteral("histogramme.png"))));
    f.CmdHist1_Click(1);
    f.Check2->setChecked(true);
    f.Check2_Click();
    EXPECT_GT(compte(0x0000FF), 300);  // red axes and regression line
    EXPECT_EQ(compte(Surface::QBColor(1)), 0);
}

} // namespace
