// The statistics window in the language of the settings file: English from start-up with
// the files shipped with the program, then French again from the language menu.
#include <QAbstractButton>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QSet>

#include "base/etat_programme.h"
#include "app/langue.h"
#include "base/messages.h"
#include "platform/programme.h"
#include "base/tav.h"
#include "platform/prompts.h"
#include "platform/textfile.h"
#include "tests/statwin/aide_statwin.h"
#include "base/etat_partage.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"
#include "colour/etat_couleur.h"

namespace {

std::string s(const QString& q) { return q.toStdString(); }

class LangueFenetre : public FenetreActive {
protected:
    void installe(const QString& nom) {
        const QString source = QCoreApplication::applicationDirPath() + '/' + nom;
        ASSERT_TRUE(QFile::exists(source)) << s(source);
        ASSERT_TRUE(QFile::copy(source, chemin(nom)));
    }
};

// Every caption the window shows in its current view: menu items, and the buttons,
// labels and frame titles of the view.
QStringList Legendes(FenHisto& f) {
    QStringList t;
    for (QAction* a : f.findChildren<QAction*>()) t << a->text();
    for (QAbstractButton* b : f.findChildren<QAbstractButton*>())
        if (b->isVisibleTo(&f)) t << b->text();
    for (QLabel* l : f.findChildren<QLabel*>())
        if (l->isVisibleTo(&f)) t << l->text();
    for (QGroupBox* g : f.findChildren<QGroupBox*>())
        if (g->isVisibleTo(&f)) t << g->title();
    return t;
}

// The captions of `f` that still show a text of `quitte` that `vise` translates.
QStringList Restes(FenHisto& f, const QStringList& quitte, const QStringList& vise) {
    QSet<QString> textes;
    for (int i = 0; i < quitte.size(); ++i)
        if (!quitte[i].isEmpty() && quitte[i] != vise[i]) textes.insert(quitte[i]);
    for (const QString& v : vise) textes.remove(v);  // a text both languages use
    QStringList restes;
    for (const QString& l : Legendes(f))
        if (textes.contains(l)) restes << l;
    return restes;
}

QStringList Table() {
    QStringList t;
    for (const QString& e : Lib_MenuStat) t << e;
    return t;
}

TEST_F(LangueFenetre, EnglishFromTheSettingsThenFrenchFromTheMenu) {
    const QStringList francais = Table();  // the built-in tables of the start-up
    installe(QStringLiteral("Tavl2_en.lng"));
    installe(QStringLiteral("Tavl2_fr.lng"));
    ASSERT_TRUE(TextFile::write(chemin(QStringLiteral("Tavl.dat")),
                                QStringLiteral("Logiciel de mesure de spores\r\n  Ne pas modifier ! \r\n"
                                               "LANGUE = en\r\nSTATDEF=1\r\nAVERT =VRAI\r\n")));
    QStringList anglais;
    int presentations = 0;
    Prompts::Script script;  // the quit question is a fixed text of the window
    script.message(QStringLiteral("Quitter Quenlor?"), Prompts::Yes);
    FenHisto::setModalHook([&](FenHisto& f) {
        ++presentations;
        anglais = Table();
        // The scatter plot, as the settings open it.
        EXPECT_EQ(s(f.stcadre(1).title()), "Scatter plot");
        EXPECT_EQ(s(f.CmdHist1(0).text()), "Histogram");
        EXPECT_EQ(s(f.lblNbDe(15).text()), "Number of classes");
        EXPECT_EQ(s(f.Command_extraire(0).text()), "Extract");
        EXPECT_EQ(s(f.Mnstat(4).text()), "Statistical tables");
        EXPECT_EQ(s(f.Mnstat4(2).text()), "Student's t law");
        EXPECT_EQ(s(f.Mnstat(15).text()), "Close Quenlor");
        EXPECT_EQ(s(Restes(f, francais, anglais).join(" | ")), "");
        // Every other view keeps the captions of the activation.
        f.Mnstat(2).trigger();
        EXPECT_EQ(f.VueCourante(), 2);
        EXPECT_EQ(s(f.MOption1(0).text()), "Grid");
        EXPECT_EQ(s(f.MCheck1(3).text()), "Fixed X scale");
        EXPECT_EQ(s(f.MCommand3(6).text()), "Calculate");
        EXPECT_EQ(s(Restes(f, francais, anglais).join(" | ")), "");
        f.Mnstat3(1).trigger();
        EXPECT_EQ(s(f.lblMoyenne(1).text()), "Sample size");
        EXPECT_EQ(s(f.lblMoyenne(4).text()), "Std dev.");
        EXPECT_EQ(s(f.COption1(0).text()), "SE of mean");
        EXPECT_EQ(s(f.Copt(4).text()), "Show calc.");
        EXPECT_EQ(s(Restes(f, francais, anglais).join(" | ")), "");
        f.ChoixComp(1).click();
        EXPECT_EQ(s(f.lblMoyenne(7).text()), "Mean");
        EXPECT_EQ(s(f.Copt(0).text()), "Unequal SDs");
        EXPECT_EQ(s(Restes(f, francais, anglais).join(" | ")), "");
        f.Mnstat4(1).trigger();
        EXPECT_EQ(s(f.stcadre(5).title()), "Normal law");
        EXPECT_EQ(s(Restes(f, francais, anglais).join(" | ")), "");
        f.Mnstat4(2).trigger();
        EXPECT_EQ(s(f.stcadre(6).title()), "Student's t law");
        EXPECT_EQ(s(Restes(f, francais, anglais).join(" | ")), "");
        f.Mnstat(15).trigger();
    });
    Tav::instance()->Form_Load();
    EXPECT_EQ(presentations, 1);
    EXPECT_TRUE(Programme::Termine());
    EXPECT_EQ(script.remaining(), 0);
    EXPECT_EQ(s(CodeLangue), "en");
    EXPECT_EQ(s(Lib_Stat[7]), "Mean");

    // French again from the language menu: the next showing of the window is French.
    FenHisto::setModalHook({});
    FenHisto::decharger();
    Prompts::Script francaisSeul;
    Tav::instance()->MnLang_Click(1);
    EXPECT_EQ(Table(), francais);
    EXPECT_EQ(s(Lib_Langue[161]), "Voulez-vous vraiment quitter Tavirel ?");
    FenHisto& f = activer(4);
    EXPECT_EQ(s(f.lblMoyenne(1).text()), "Effectif");
    EXPECT_EQ(s(f.Mnstat(1).text()), "Nuage Pts");
    EXPECT_EQ(s(f.Mnstat(15).text()), "Fermer Quenlor");
    EXPECT_EQ(s(f.CmdHist1(0).text()), "Histogramme");
    EXPECT_EQ(s(Restes(f, anglais, francais).join(" | ")), "");
}

} // namespace
