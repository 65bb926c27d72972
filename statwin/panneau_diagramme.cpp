#include "statwin/panneau_diagramme.h"

#include "statwin/fenhisto.h"

FenHisto& PanneauDiagramme::fen() { return static_cast<FenHisto&>(*this); }

void PanneauDiagramme::construire_diagramme(FenHisto& f) {
    QGroupBox* cadre = &f.stcadre(2);
    static const char* titres[9] = {"entrée", "PDMS", "options graphique", "", "Mesure", "Fichier", "texte", "fichier", "Extrait"};
    for (int i = 0; i <= 8; ++i) {
        auto* g = new QGroupBox(QString::fromUtf8(titres[i]), cadre);
        g->setVisible(i == 0);
        MFrame1.ajouter(i, g);
    }
    Twips::placer(MFrame1(0), 120, 240, 1215, 1300);
    static const char* sources[4] = {"mesures", "fichier", "Texte", "Extrait"};
    for (int i = 0; i <= 3; ++i) {
        auto* o = new QRadioButton(QString::fromUtf8(sources[i]), &MFrame1(0));
        Twips::placer(*o, 90, 240 + i * 255, 1050, 255);
        MOption1.ajouter(i, o);
        QObject::connect(o, &QRadioButton::toggled, &f, [this, i](bool on) { if (on) MOption1_Click(short(i)); });
    }
    static const char* cases[8] = {"PDM", "Simple", "Cumulé", "Ech. X fixe 9", "Ech. Y fixe 50", "", " S", ""};
    for (int i = 0; i <= 7; ++i) {
        auto* c = new QCheckBox(QString::fromUtf8(cases[i]), cadre);
        c->setVisible(false);
        MCheck1.ajouter(i, c);
    }
    MText4 = new QLineEdit(QStringLiteral("1"), &MFrame1(4));
    Twips::placer(*MText4, 120, 300, 600, 300);
    QObject::connect(MText4, &QLineEdit::textChanged, &f, [this] { MText4_Change(); });
    MText3 = new QLineEdit(cadre);
    Twips::placer(*MText3, 120, 6900, 11000, 330);
    MHistPic = new VueSurface(cadre);
    Twips::placer(*MHistPic, 2640, 240, 8600, 4800);
}

void PanneauDiagramme::M_init() {
    MstrData = QStringLiteral("5,8;5,8;6;6;6;6;6;6,2;6,2;6,2;6,2;6,2;6,5;6,5;6,5;6,5;6,8;7,5");
}

void PanneauDiagramme::MOption1_Click(short index) {
    FenHisto& f = fen();
    MFrame1(8).setVisible(false);
    f.Command2(0).setVisible(false);
    f.Command2(1).setVisible(false);
    for (int i = 4; i <= 8; ++i) MFrame1(i).setVisible(false);
    if (index == 0) {
        MFrame1(4).setVisible(true);
        MText4_Change();
    } else if (index == 1) {
        MFrame1(7).setVisible(true);
    } else if (index == 2) {
        MFrame1(6).setVisible(true);
        f.Command2(0).setVisible(true);
        f.Command2(1).setVisible(true);
    } else if (index == 3) {
        MFrame1(8).setVisible(true);
    }
}

void PanneauDiagramme::MText4_Change() {}
void PanneauDiagramme::Mcalcul0() {}
void PanneauDiagramme::Mcalcul0_vide() { Mcalcul0(); }
void PanneauDiagramme::RazModes(short) {}
