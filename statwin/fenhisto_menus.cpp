// The statistics window's menus, its example data and its screen-copy buttons.
#include "base/gen.h"
#include "image/services_image.h"
#include "statwin/fenhisto.h"

void FenHisto::construire_menus() {
    auto action = [this](Tableau<QAction>& tableau, int index, const QString& texte) {
        auto* a = new QAction(texte, this);
        tableau.ajouter(index, a);
        return a;
    };
    auto sousMenu = [this](int index, const QString& titre) {
        auto* menu = new QMenu(titre, barre_);
        Mnstat.ajouter(index, menu->menuAction());
        barre_->addMenu(menu);
        // Opening the sub-menu is the title's own click.
        connect(menu, &QMenu::aboutToShow, this, [this, index] { Mnstat_Click(short(index)); });
        return menu;
    };

    auto* nuage = action(Mnstat, 1, QStringLiteral("Nuage pts"));
    barre_->addAction(nuage);
    connect(nuage, &QAction::triggered, this, [this] { Mnstat_Click(1); });
    auto* diagramme = action(Mnstat, 2, QStringLiteral("Diagrammes"));
    barre_->addAction(diagramme);
    connect(diagramme, &QAction::triggered, this, [this] { Mnstat_Click(2); });

    QMenu* tests = sousMenu(3, QStringLiteral("Tests"));
    const QString titresTests[4] = {{}, QStringLiteral("Moyenne"), QStringLiteral("Homogénéité Möls"),
                                    QStringLiteral("Normalité Shapiro-Wilk")};
    for (int i = 1; i <= 3; ++i) {
        tests->addAction(action(Mnstat3, i, titresTests[i]));
        connect(&Mnstat3(i), &QAction::triggered, this, [this, i] { Mnstat3_Click(short(i)); });
    }

    QMenu* tables = sousMenu(4, QStringLiteral("Tables stat"));
    tables->addAction(action(Mnstat4, 1, QStringLiteral("Loi normale")));
    tables->addAction(action(Mnstat4, 2, QStringLiteral("Loi de Student")));
    for (int i = 1; i <= 2; ++i)
        connect(&Mnstat4(i), &QAction::triggered, this, [this, i] { Mnstat4_Click(short(i)); });

    // Item 5 has no caption and no use: it stays out of sight.
    auto* vide = action(Mnstat, 5, QString());
    vide->setVisible(false);
    barre_->addAction(vide);

    QMenu* outils = sousMenu(6, QStringLiteral("Outils"));
    outils->addAction(action(Mnstat6, 1, QStringLiteral("Sauver trame extraite")));
    outils->addAction(action(Mnstat6, 2, QStringLiteral("export CSV extrait")));
    outils->addSeparator();
    outils->addAction(action(Mnstat6, 5, QStringLiteral("Exemple")));
    outils->addAction(action(Mnstat6, 6, QStringLiteral("Documentation")));
    for (int i : {1, 2, 5, 6})
        connect(&Mnstat6(i), &QAction::triggered, this, [this, i] { Mnstat6_Click(short(i)); });
    Mnstat6(1).setEnabled(false);

    QMenu* options = sousMenu(7, QStringLiteral("Options"));
    options->addAction(action(Hopt, 1, QStringLiteral("alertes")));
    Hopt(1).setCheckable(true);
    // The handler alone toggles the check mark.
    connect(&Hopt(1), &QAction::triggered, this, [this] {
        Hopt(1).setChecked(!Hopt(1).isChecked());
        Hopt_Click(1);
    });

    auto* fermer = action(Mnstat, 15, QStringLiteral("Fermer Quenlor"));
    barre_->addAction(fermer);
    connect(fermer, &QAction::triggered, this, [this] { Mnstat_Click(15); });
}

void FenHisto::Mnstat_Click(short index) {
    stcadre(7).setVisible(false);
    switch (index) {
    case 1:
        Init_cadrage_frames(1);
        break;
    case 2:
        Init_cadrage_frames(2);
        Mcalcul0_vide();
        break;
    case 15:
        Ferme_Histo();
        break;
    default:
        break;
    }
}

void FenHisto::Mnstat4_Click(short index) {
    stcadre(7).setVisible(false);
    if (index == 1) Init_cadrage_frames(5);
    else if (index == 2) Init_cadrage_frames(6);
}

void FenHisto::Mnstat6_Click(short index) {
    switch (index) {
    case 1:
        exporte_trame_extrait();
        break;
    case 2:
        CSV_Export();
        break;
    case 5:
        Exemple();
        break;
    case 6:
        Gen::Ouvre_aide_pdf();
        break;
    default:
        break;
    }
}

void FenHisto::Hopt_Click(short index) {
    if (index == 1) Hopt(1).setChecked(!Hopt(1).isChecked());
}

void FenHisto::Exemple() {
    RazModes(1);
    if (!stcadre(2).isHidden()) {
        MstrData = QStringLiteral("1,532;1,538;1,544;1,638;1,667;1,667;1,692;1,692;1,694;1,694;1,724;1,774;"
                                  "1,833;1,855;1,867;1,867;1,923;2");
        MText3->setText(MstrData);
        MCheck1(3).setChecked(false);
        Mcalcul0();
    }
    if (!stcadre(3).isHidden()) {
        Ctxt(0).setText(QStringLiteral("11,1"));
        Ctxt(1).setText(QStringLiteral("0,2464"));
        Ctxt(5).setText(QStringLiteral("11,5"));
        Ctxt(6).setText(QStringLiteral("1,25"));
    }
    if (!stcadre(4).isHidden()) Ctxt(0).setText(QStringLiteral("10,5"));
}

void FenHisto::CmdHist_Click(short index) {
    if (index == 0) Gen::Copie_ecran(QStringLiteral("essai"), 3.0f);
}

void FenHisto::cmdCopie_Ecran_Click() { Gen::Copie_ecran(QStringLiteral("quenlor"), 2.0f); }
