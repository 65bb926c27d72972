// The controls of the tests and tables views, as the window's design lays them out.
#include "statwin/panneau_tests.h"

#include <QEvent>
#include <QFont>
#include <QMouseEvent>
#include <QRegion>
#include <algorithm>

#include "base/gen.h"
#include "statwin/compteur.h"
#include "statwin/fenhisto.h"

FenHisto& PanneauTests::fen() { return static_cast<FenHisto&>(*this); }

namespace {
QLineEdit* boite(QWidget* parent, int left, int top, int width, const QString& texte) {
    auto* t = cree<QLineEdit>(parent, left, top, width, 285);
    t->setText(texte);
    t->setAlignment(Qt::AlignRight);
    return t;
}

// A typed "." becomes ",", once the locale's groups of a number pasted whole are gone:
// "1,234.5" under en_US gives "1234,5", not "1,234,5", which reads no number.
void Virgule_decimale(QLineEdit& t) {
    const QString avant = t.text();
    const QString texte = Gen::Sans_groupes(avant).replace(QLatin1Char('.'), QLatin1Char(','));
    if (texte == avant) return;
    const int pos = t.cursorPosition() - int(avant.size() - texte.size());
    t.setText(texte);
    t.setCursorPosition(std::max(pos, 0));
}

// A label that receives result lines: top-left text, wrapped, on a sunken panel.
QLabel* resultat(QWidget* parent, int left, int top, int width, int height, const QString& texte = QString()) {
    auto* l = cree<QLabel>(parent, left, top, width, height, texte);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

// A spinner beside a number box.
QScrollBar* compteur(QWidget* parent, int left, int top, int mini, int maxi, int valeur) {
    return cree_compteur(parent, left, top, 195, 315, mini, maxi, valeur);
}

// An option button's Click runs when it becomes selected, by code or by the user, and
// again when the user clicks it while it is already selected.
void sur_option(QRadioButton* o, QObject* contexte, std::function<void()> clic) {
    auto bascule = std::make_shared<bool>(false);
    QObject::connect(o, &QRadioButton::toggled, contexte, [clic, bascule](bool actif) {
        if (!actif) return;
        *bascule = true;
        clic();
    });
    QObject::connect(o, &QRadioButton::clicked, contexte, [clic, bascule] {
        if (*bascule) *bascule = false;
        else clic();
    });
}

void groupe(QWidget* parent, std::initializer_list<QRadioButton*> options) {
    auto* g = new QButtonGroup(parent);
    for (QRadioButton* o : options) g->addButton(o);
}

// Turns the left-button drags of a test's frame into FraTest_MouseMove, in twips.
class GlisseCadre : public QObject {
public:
    GlisseCadre(QObject* parent, std::function<void(int, int, float, float)> f) : QObject(parent), f_(std::move(f)) {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::MouseMove) {
            auto* m = static_cast<QMouseEvent*>(e);
            int bouton = 0;
            if (m->buttons() & Qt::LeftButton) bouton |= 1;
            if (m->buttons() & Qt::RightButton) bouton |= 2;
            if (m->buttons() & Qt::MiddleButton) bouton |= 4;
            int maj = 0;
            if (m->modifiers() & Qt::ShiftModifier) maj |= 1;
            if (m->modifiers() & Qt::ControlModifier) maj |= 2;
            if (m->modifiers() & Qt::AltModifier) maj |= 4;
            const QPointF p = m->position();
            f_(bouton, maj, float(p.x() * Twips::ParPixel), float(p.y() * Twips::ParPixel));
            return true;
        }
        return QObject::eventFilter(o, e);
    }

private:
    std::function<void(int, int, float, float)> f_;
};

// A press of the mouse in a box runs its Click.
class SurClic : public QObject {
public:
    SurClic(QObject* parent, std::function<void()> f) : QObject(parent), f_(std::move(f)) {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonPress) f_();
        return QObject::eventFilter(o, e);
    }

private:
    std::function<void()> f_;
};

} // namespace

void PanneauTests::construire_tests(FenHisto& f) {
    construire_cadres_tests(f);
    construire_moyenne(f);
    construire_deux_moyennes(f);
    construire_tables(f);

    // The shared panel holds the switch between the two comparisons. The views it serves
    // cover it whole, so it stands above them and shows only its own buttons.
    QGroupBox* partage = &f.stcadre(7);
    ChoixComp.ajouter(0, cree<QPushButton>(partage, 120, 3750, 1300, 300, QStringLiteral("Echant/Type")));
    ChoixComp.ajouter(1, cree<QPushButton>(partage, 1500, 3750, 1300, 300, QStringLiteral("2 Echant.")));
    for (int i = 0; i <= 1; ++i)
        QObject::connect(&ChoixComp(i), &QPushButton::clicked, &f, [this, i] { ChoixComp_Click(short(i)); });
    partage->setMask(QRegion(ChoixComp(0).geometry()) + QRegion(ChoixComp(1).geometry()));
    partage->raise();
}

void PanneauTests::construire_cadres_tests(FenHisto& f) {
    for (int code : {2, 3}) {
        auto* cadre = cree<QGroupBox>(f.zone(), 3000, 1500, 4215, 3000,
                                      code == 2 ? QStringLiteral("Test Möls") : QStringLiteral("Test shapiro"));
        cadre->setAutoFillBackground(true);
        cadre->setVisible(false);
        FraTest.ajouter(code, cadre);
        cadre->installEventFilter(new GlisseCadre(cadre, [this, code](int b, int s, float x, float y) {
            FraTest_MouseMove(short(code), b, s, x, y);
        }));

        // The labels' column is wide enough for "Risque %" whole.
        Tlabel.ajouter(code, cree<QLabel>(cadre, 120, 300, 900, 285, QStringLiteral("Colonne")));
        Ttxt1.ajouter(code, boite(cadre, 1020, 300, 500, QStringLiteral("1")));
        TVScroll1.ajouter(code, compteur(cadre, 1520, 285, 1, 16, 1));
        Command4.ajouter(code, cree<QPushButton>(cadre, 2250, 270, 900, 330, QStringLiteral("Calcul")));
        Command3.ajouter(code, cree<QPushButton>(cadre, 3200, 270, 900, 330, QStringLiteral("Fermer")));
        // The Shapiro-Wilk frame has two rows more, for its risk and its law.
        const int haut = code == 2 ? 680 : 1360;
        Tlabel1.ajouter(code, resultat(cadre, 120, haut, 3975, 2880 - haut, QStringLiteral("Résultats")));
    }
    Tlabel2.ajouter(3, cree<QLabel>(&FraTest(3), 120, 660, 900, 285, QStringLiteral("Risque %")));
    Ttxt2.ajouter(3, boite(&FraTest(3), 1020, 660, 500, QStringLiteral("1")));
    TVScroll2.ajouter(3, compteur(&FraTest(3), 1520, 645, 1, 99, 1));
    Tlabel3.ajouter(3, cree<QLabel>(&FraTest(3), 120, 1000, 900, 285, QStringLiteral("Loi")));
    Option3.ajouter(0, cree<QRadioButton>(&FraTest(3), 1020, 1000, 1100, 285, QStringLiteral("Normale")));
    Option3.ajouter(1, cree<QRadioButton>(&FraTest(3), 2180, 1000, 1400, 285, QStringLiteral("Log-normale")));
    groupe(&FraTest(3), {&Option3(0), &Option3(1)});
    Option3(0).setChecked(true);

    txttest = new QLineEdit(f.zone());
    txttest->setVisible(false);

    for (int code : {2, 3}) {
        const short i = short(code);
        QObject::connect(&Command4(i), &QPushButton::clicked, &f, [this, i] { Command4_Click(i); });
        QObject::connect(&Command3(i), &QPushButton::clicked, &f, [this, i] { Command3_Click(i); });
        QObject::connect(&Ttxt1(i), &QLineEdit::textChanged, &f, [this, i] { Ttxt1_Change(i); });
        QObject::connect(&TVScroll1(i), &QScrollBar::valueChanged, &f, [this, i] { TVScroll1_Change(i); });
    }
    QObject::connect(&Ttxt2(3), &QLineEdit::textChanged, &f, [this] { Ttxt2_Change(3); });
    QObject::connect(&TVScroll2(3), &QScrollBar::valueChanged, &f, [this] { TVScroll2_Change(3); });
    for (int i = 0; i <= 1; ++i) sur_option(&Option3(i), &f, [this, i] { Option3_Click(short(i)); });
    QObject::connect(txttest, &QLineEdit::textChanged, &f, [this] { txttest_Change(); });
}

void PanneauTests::construire_moyenne(FenHisto& f) {
    QGroupBox* c = &f.stcadre(3);
    lblMoyenne.ajouter(0, cree<QLabel>(c, 120, 240, 1500, 285, QStringLiteral("Echantillon")));
    QFont gras = lblMoyenne(0).font();
    gras.setBold(true);
    lblMoyenne(0).setFont(gras);
    lblMoyenne.ajouter(5, cree<QLabel>(c, 1700, 240, 1200, 285, QStringLiteral("Colonne")));

    auto ligne = [](int r) { return 600 + r * 330; };
    lblMoyenne.ajouter(1, cree<QLabel>(c, 120, ligne(0), 1550, 285, QStringLiteral("Effectif")));
    Ctxt.ajouter(2, boite(c, 1700, ligne(0), 1000, QStringLiteral("35")));
    lblMoyenne.ajouter(2, cree<QLabel>(c, 120, ligne(1), 1550, 285, QStringLiteral("Moyenne")));
    Ctxt.ajouter(0, boite(c, 1700, ligne(1), 1000, QStringLiteral("9.9")));
    lblMoyenne.ajouter(4, cree<QLabel>(c, 120, ligne(2), 1550, 285, QStringLiteral("E-Type")));
    lblMoyenne(4).setFont(gras);
    COption1.ajouter(1, cree<QRadioButton>(c, 120, ligne(3), 1550, 285, QStringLiteral("E-T. échantillon")));
    Ctxt.ajouter(6, boite(c, 1700, ligne(3), 1000, QStringLiteral("0.4")));
    COption1.ajouter(0, cree<QRadioButton>(c, 120, ligne(4), 1550, 285, QStringLiteral("E-T Est.Moy.")));
    Ctxt.ajouter(1, boite(c, 1700, ligne(4), 1000, QStringLiteral("1")));
    groupe(c, {&COption1(0), &COption1(1)});
    cree<QLabel>(c, 120, ligne(5), 1550, 285, QStringLiteral("Moyenne type"));
    Ctxt.ajouter(5, boite(c, 1700, ligne(5), 1000, QStringLiteral("10")));
    lblMoyenne.ajouter(3, cree<QLabel>(c, 120, ligne(6), 1550, 285, QStringLiteral("risque  alpha %")));
    Ctxt.ajouter(3, boite(c, 1700, ligne(6), 805, QStringLiteral("5")));
    CVScroll1.ajouter(3, compteur(c, 2505, ligne(6) - 15, 1, 99, 5));

    chkLoiNormale.ajouter(0, cree<QCheckBox>(c, 120, 2950, 1500, 285, QStringLiteral("Loi Normale")));
    Copt.ajouter(4, cree<QCheckBox>(c, 1700, 2950, 1200, 285, QStringLiteral("Aff.Calc")));
    cmdCalcul.ajouter(1, cree<QPushButton>(c, 120, 3330, 900, 330, QStringLiteral("Calcul")));
    cmdDonnes.ajouter(1, cree<QPushButton>(c, 1080, 3330, 1720, 330, QStringLiteral("Données Quenlor")));

    CLabel2 = resultat(c, 3000, 240, 3700, 930);
    CLabel3 = resultat(c, 3000, 1230, 3700, 760);
    Clabel5.ajouter(0, resultat(c, 3000, 2050, 3700, 930));
    Clabel5.ajouter(1, resultat(c, 3000, 3040, 3700, 300));
    CLabel1 = resultat(c, 3000, 3400, 1800, 300);
    CLabel4.ajouter(0, resultat(c, 4900, 3400, 1800, 300));
    Tblcopie.ajouter(3, cree<QPushButton>(c, 5750, 3780, 950, 330, QStringLiteral("copier")));

    // The standard error is computed from the sample's deviation until the user types it.
    COption1(1).setChecked(true);
    Ctxt(1).setEnabled(false);

    for (int i : {0, 1, 2, 3, 5, 6}) {
        const short k = short(i);
        QObject::connect(&Ctxt(k), &QLineEdit::textChanged, &f, [this, k] { Ctxt_Change(k); });
        Ctxt(k).installEventFilter(new SurClic(&Ctxt(k), [this, k] { Ctxt_Click(k); }));
        QObject::connect(&Ctxt(k), &QLineEdit::textEdited, &f, [this, k] { Virgule_decimale(Ctxt(k)); });
    }
    QObject::connect(&CVScroll1(3), &QScrollBar::valueChanged, &f, [this] { CVScroll1_Change(3); });
    for (int i = 0; i <= 1; ++i) sur_option(&COption1(i), &f, [this, i] { COption1_Click(short(i)); });
    QObject::connect(&chkLoiNormale(0), &QCheckBox::toggled, &f, [this] { chkLoiNormale_Click(); });
    QObject::connect(&Copt(4), &QCheckBox::toggled, &f, [this] { Copt_Click(4); });
    QObject::connect(&cmdCalcul(1), &QPushButton::clicked, &f, [this] { cmdCalcul_Click(1); });
    QObject::connect(&cmdDonnes(1), &QPushButton::clicked, &f, [this] { cmdDonnes_Click(1); });
    QObject::connect(&Tblcopie(3), &QPushButton::clicked, &f, [this] { Tblcopie_Click(3); });
}

void PanneauTests::construire_deux_moyennes(FenHisto& f) {
    QGroupBox* c = &f.stcadre(4);
    lblMoyenne.ajouter(10, cree<QLabel>(c, 120, 240, 1300, 285, QStringLiteral("Colonne")));
    QFont gras = lblMoyenne(10).font();
    gras.setBold(true);
    cree<QLabel>(c, 1450, 240, 850, 285, QStringLiteral("Ech. 1"))->setFont(gras);
    cree<QLabel>(c, 2350, 240, 850, 285, QStringLiteral("Ech. 2"))->setFont(gras);

    auto ligne = [](int r) { return 600 + r * 330; };
    static const char* textes[7] = {"", "30", "30", "10,9", "10,5", "1,2", "1,3"};
    static const int libelles[3] = {6, 7, 9};
    static const char* legendes[3] = {"Effectif", "Moyenne", "E-Type"};
    for (int r = 0; r < 3; ++r) {
        lblMoyenne.ajouter(libelles[r], cree<QLabel>(c, 120, ligne(r), 1300, 285, QString::fromUtf8(legendes[r])));
        ctxt1.ajouter(2 * r + 1, boite(c, 1450, ligne(r), 850, QString::fromUtf8(textes[2 * r + 1])));
        ctxt1.ajouter(2 * r + 2, boite(c, 2350, ligne(r), 850, QString::fromUtf8(textes[2 * r + 2])));
    }
    lblMoyenne.ajouter(8, cree<QLabel>(c, 120, ligne(3), 1300, 285, QStringLiteral("risque  alpha %")));
    ctxt1.ajouter(10, boite(c, 1450, ligne(3), 655, QStringLiteral("5")));
    CVScroll1.ajouter(0, compteur(c, 2105, ligne(3) - 15, 1, 99, 5));

    static const char* options[4] = {"E-T différents", "Ech apariés", "bilatéral", "Aff.Calc"};
    for (int i = 0; i <= 3; ++i)
        Copt.ajouter(i, cree<QCheckBox>(c, 120 + (i % 2) * 1600, 2000 + (i / 2) * 300, 1550, 285,
                                        QString::fromUtf8(options[i])));
    cmdCalcul.ajouter(2, cree<QPushButton>(c, 120, 3330, 900, 330, QStringLiteral("Calcul")));
    cmdDonnes.ajouter(0, cree<QPushButton>(c, 1080, 3330, 1720, 330, QStringLiteral("Données Quenlor")));

    CLabel6.ajouter(1, resultat(c, 3300, 240, 3400, 930));
    CLabel6.ajouter(3, resultat(c, 3300, 1230, 3400, 930));
    CLabel6.ajouter(4, resultat(c, 3300, 2220, 3400, 1050));
    CLabel6.ajouter(11, resultat(c, 3300, 3330, 2300, 720));
    Tblcopie.ajouter(4, cree<QPushButton>(c, 5750, 3780, 950, 330, QStringLiteral("copier")));

    for (int i : {1, 2, 3, 4, 5, 6, 10}) {
        const short k = short(i);
        QObject::connect(&ctxt1(k), &QLineEdit::textChanged, &f, [this, k] { ctxt1_Change(k); });
        QObject::connect(&ctxt1(k), &QLineEdit::textEdited, &f, [this, k] { Virgule_decimale(ctxt1(k)); });
    }
    QObject::connect(&CVScroll1(0), &QScrollBar::valueChanged, &f, [this] { CVScroll1_Change(0); });
    for (int i = 0; i <= 3; ++i)
        QObject::connect(&Copt(i), &QCheckBox::toggled, &f, [this, i] { Copt_Click(short(i)); });
    QObject::connect(&cmdCalcul(2), &QPushButton::clicked, &f, [this] { cmdCalcul_Click(2); });
    QObject::connect(&cmdDonnes(0), &QPushButton::clicked, &f, [this] { cmdDonnes_Click(0); });
    QObject::connect(&Tblcopie(4), &QPushButton::clicked, &f, [this] { Tblcopie_Click(4); });
}

void PanneauTests::construire_tables(FenHisto& f) {
    // Normal law (view 5).
    QGroupBox* n = &f.stcadre(5);
    LNOpt.ajouter(1, cree<QRadioButton>(n, 120, 240, 800, 285, QStringLiteral("LN")));
    LNOpt.ajouter(2, cree<QRadioButton>(n, 960, 240, 1100, 285, QStringLiteral("LN inv")));
    groupe(n, {&LNOpt(1), &LNOpt(2)});
    LNOpt(1).setChecked(true);
    static const char* libellesLN[4] = {"", "m= ", "s =", "X= "};
    static const char* textesLN[4] = {"", "2", "1", ""};
    for (int i = 1; i <= 3; ++i) {
        const int gauche = 120 + (i - 1) * 1460;
        LNLabel.ajouter(i, cree<QLabel>(n, gauche, 620, 400, 285, QString::fromUtf8(libellesLN[i])));
        LNTxt.ajouter(i, boite(n, gauche + 400, 620, 980, QString::fromUtf8(textesLN[i])));
    }
    LNLabel.ajouter(7, resultat(n, 120, 1000, 4335, 1050, QStringLiteral("p(X<x) = ")));
    LNLabel.ajouter(4, resultat(n, 120, 2080, 4335, 640, QStringLiteral("Déciles :")));
    Tblcopie.ajouter(5, cree<QPushButton>(n, 3500, 200, 950, 330, QStringLiteral("copier")));

    // Student table (view 6).
    QGroupBox* s = &f.stcadre(6);
    StOptTInv.ajouter(0, cree<QRadioButton>(s, 120, 240, 950, 285, QStringLiteral("tdist")));
    StOptTInv.ajouter(1, cree<QRadioButton>(s, 1100, 240, 950, 285, QStringLiteral("T-inv")));
    StOption2.ajouter(0, cree<QRadioButton>(s, 2150, 240, 1150, 285, QStringLiteral("Unilateral")));
    StOption2.ajouter(1, cree<QRadioButton>(s, 3350, 240, 1100, 285, QStringLiteral("Bilateral")));
    groupe(s, {&StOptTInv(0), &StOptTInv(1)});
    groupe(s, {&StOption2(0), &StOption2(1)});
    StOptTInv(0).setChecked(true);
    StOption2(0).setChecked(true);
    StLabel3.ajouter(0, cree<QLabel>(s, 120, 640, 1300, 285, QStringLiteral("t= ")));
    StText.ajouter(1, boite(s, 1450, 640, 1000, QStringLiteral("0")));
    StLabel3.ajouter(1, cree<QLabel>(s, 120, 990, 1300, 285, QStringLiteral(" Nddl (N-1) = ")));
    StText.ajouter(2, boite(s, 1450, 990, 1000, QStringLiteral("10")));
    StlblLabel1 = cree<QLabel>(s, 120, 1380, 1300, 285, QStringLiteral("p(T <= t)"));
    StLabel3.ajouter(2, resultat(s, 1450, 1360, 2950, 330));
    Tblcopie.ajouter(6, cree<QPushButton>(s, 3450, 1760, 950, 330, QStringLiteral("copier")));

    for (int i = 0; i <= 1; ++i) {
        sur_option(&StOptTInv(i), &f, [this, i] { StOptTInv_Click(short(i)); });
        sur_option(&StOption2(i), &f, [this, i] { StOption2_Click(short(i)); });
    }
    for (int i = 1; i <= 2; ++i) {
        sur_option(&LNOpt(i), &f, [this, i] { LNOpt_Click(short(i)); });
        QObject::connect(&StText(i), &QLineEdit::textChanged, &f, [this, i] { StText_Change(short(i)); });
    }
    for (int i = 1; i <= 3; ++i)
        QObject::connect(&LNTxt(i), &QLineEdit::textChanged, &f, [this, i] { LNTxt_Change(short(i)); });
    for (int i : {5, 6})
        QObject::connect(&Tblcopie(i), &QPushButton::clicked, &f, [this, i] { Tblcopie_Click(short(i)); });
}
