#include "statwin/panneau_nuage.h"

#include <QStyle>

#include "statwin/compteur.h"
#include "statwin/fenhisto.h"

FenHisto& PanneauNuage::fen() { return static_cast<FenHisto&>(*this); }


void PanneauNuage::construire_nuage(FenHisto& f) {
    QGroupBox* cadre = &f.stcadre(1);

    HistPicHist = cree<VueSurface>(cadre, 240, 240, 8500, 5580);
    HistPicHist->MouseDown = [this](int b, int s, double x, double y) { HistPicHist_MouseDown(b, s, x, y); };
    HistPicHist->MouseMove = [this](int b, int s, double x, double y) { HistPicHist_MouseMove(b, s, x, y); };
    Image_extr = cree<VueSurface>(cadre, 15000, 10000, 8500, 5580);
    Image_extr->setVisible(false);

    CmdHist.ajouter(0, cree<QPushButton>(cadre, 9000, 240, 450, 420));
    CmdHist(0).setIcon(f.style()->standardIcon(QStyle::SP_DialogSaveButton));
    CmdHist(0).setToolTip(QStringLiteral("copie d'écran"));
    QObject::connect(&CmdHist(0), &QPushButton::clicked, &f, [this] { fen().CmdHist_Click(0); });

    // Histogram columns: a check box and a legend button per column.
    Framehist.ajouter(2, cree<QGroupBox>(cadre, 9000, 720, 1335, 2055));
    for (int i = 0; i <= 6; ++i) {
        // The buttons stand far enough left for the activation's 750-twip third button.
        auto* c = cree<QCheckBox>(&Framehist(2), 60, 150 + i * 265, 480, 255);
        ChkH.ajouter(i, c);
        QObject::connect(c, &QCheckBox::clicked, &f, [this, i] { ChkH_Click(short(i)); });
        auto* b = cree<QPushButton>(&Framehist(2), 540, 150 + i * 265, 660, 255);
        b->setEnabled(false);
        Histcmd.ajouter(i, b);
        QObject::connect(b, &QPushButton::clicked, &f, [this, i] { Histcmd_Click(short(i)); });
    }

    // Number of classes, 2 to 21, with a spinner whose upper arrow adds a class.
    Frame3 = cree<QGroupBox>(cadre, 8880, 2880, 1452, 372);
    lblNbDe.ajouter(15, cree<QLabel>(Frame3, 45, 0, 840, 372, QStringLiteral("Nb de Classes")));
    lblNbDe(15).setWordWrap(true);
    QFont petite = lblNbDe(15).font();
    petite.setPointSize(7);
    lblNbDe(15).setFont(petite);
    Text1histo = cree<QLineEdit>(Frame3, 885, 45, 360, 285);
    Text1histo->setAlignment(Qt::AlignRight);
    QObject::connect(Text1histo, &QLineEdit::textChanged, &f, [this] { Text1histo_Change(); });
    VScroll1Hist = cree_compteur(Frame3, 1245, 30, 195, 315, 2, ClassesMax, 5);
    QObject::connect(VScroll1Hist, &QScrollBar::valueChanged, &f, [this] { VScroll1Hist_Change(); });

    Frame2 = cree<QGroupBox>(cadre, 8760, 3480, 1572, 612);
    CmdHist1.ajouter(0, cree<QPushButton>(Frame2, 45, 15, 1470, 285, QStringLiteral("Histogramme")));
    CmdHist1.ajouter(1, cree<QPushButton>(Frame2, 45, 300, 1470, 285, QStringLiteral("Nuage de pts")));
    for (int i = 0; i <= 1; ++i)
        QObject::connect(&CmdHist1(i), &QPushButton::clicked, &f, [this, i] { CmdHist1_Click(short(i)); });

    // Extraction of points.
    Frame_extraire = cree<QGroupBox>(cadre, 9000, 5000, 1212, 1572);
    Command_extraire.ajouter(0, cree<QPushButton>(Frame_extraire, 60, 45, 1095, 315, QStringLiteral("Extraire")));
    QObject::connect(&Command_extraire(0), &QPushButton::clicked, &f, [this] { Command_extraire_Click(0); });
    static const char* formes[4] = {"", "rectangle", "cercle", "ellipse"};
    for (int i = 1; i <= 3; ++i)
        Option1.ajouter(i, cree<QRadioButton>(Frame_extraire, 90, 390 + (i - 1) * 255, 1080, 255,
                                              QString::fromUtf8(formes[i])));
    Option1(1).setChecked(true);
    Command1 = cree<QPushButton>(Frame_extraire, 60, 1190, 1095, 315, QStringLiteral("Raz"));
    QObject::connect(Command1, &QPushButton::clicked, &f, [this] { Command1_Click(); });
    Label3 = cree<EtiquetteLongue>(cadre, 9000, 6660, 2340, 1950);

    Frame4 = cree<QGroupBox>(cadre, 120, 5900, 5532, 972);
    LabelHisto = cree<QLabel>(Frame4, 60, 120, 5400, 800);
    LabelHisto->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Frame1 = cree<QGroupBox>(cadre, 5160, 6960, 2532, 492);
    Label8 = cree<QLabel>(Frame1, 60, 15, 2430, 465);
    Label8->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    // Axes of the scatter plot.
    Framehist.ajouter(3, cree<QGroupBox>(cadre, 240, 6840, 4695, 1215, QStringLiteral("Nuage de points")));
    QGroupBox* axes = &Framehist(3);
    List1 = cree<QListWidget>(axes, 90, 240, 1110, 900);
    for (int i = 0; i <= 1; ++i) {
        cmdH.ajouter(i, cree<QPushButton>(axes, 1260, 255 + i * 390, 390, 330, i == 0 ? QStringLiteral("X") : QStringLiteral("Y")));
        QObject::connect(&cmdH(i), &QPushButton::clicked, &f, [this, i] { cmdH_Click(short(i)); });
        auto* t = cree<QLineEdit>(axes, 1680, 255 + i * 390, 1050, 330);
        t->setReadOnly(true);
        Text2Hist.ajouter(i, t);
        QObject::connect(t, &QLineEdit::textChanged, &f, [this, i] { Text2Hist_Change(short(i)); });
    }
    Check2 = cree<QCheckBox>(axes, 2760, 255, 1900, 330, QStringLiteral("Dte regression"));
    QObject::connect(Check2, &QCheckBox::clicked, &f, [this] { Check2_Click(); });
    CheckLgn = cree<QCheckBox>(axes, 2760, 645, 1900, 330, QStringLiteral("marquer num ligne"));
    QObject::connect(CheckLgn, &QCheckBox::clicked, &f, [this] { CheckLgn_Click(); });

    // The table-paste buttons stand in the diagram view, beside its data sources.
    static const char* collages[2] = {"table(H) =>grille ", "table(V)=>grille"};
    for (int i = 0; i <= 1; ++i) {
        auto* b = cree<QPushButton>(&f.stcadre(2), 120, 1650 + i * 360, 2400, 330, QString::fromUtf8(collages[i]));
        b->setVisible(false);
        Command2.ajouter(i, b);
        QObject::connect(b, &QPushButton::clicked, &f, [this, i] { Command2_Click(short(i)); });
    }
}

