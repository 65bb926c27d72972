#include "statwin/fenhisto.h"

#include <QCloseEvent>
#include <QStyle>
#include <QVBoxLayout>

#include "base/etat_demarrage.h"
#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "platform/programme.h"
#include "grid/etat_grille.h"
#include "base/grilles.h"
#include "base/vb.h"
#include "platform/prompts.h"

namespace {
FenHisto* courante = nullptr;
std::function<void(FenHisto&)> modalHook;
} // namespace

FenHisto* FenHisto::instance() {
    if (!courante) {
        courante = new FenHisto;
        courante->Form_Load();
    }
    return courante;
}

bool FenHisto::charge() { return courante != nullptr; }

void FenHisto::decharger() {
    delete courante;
    courante = nullptr;
}

void FenHisto::setModalHook(std::function<void(FenHisto&)> hook) { modalHook = std::move(hook); }

FenHisto::FenHisto() {
    setWindowTitle(QStringLiteral("Quenlor"));
    setModal(true);
    // The designed geometry is laid out for small captions.
    QFont police = font();
    police.setPointSize(8);
    setFont(police);
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->setSpacing(0);
    barre_ = new QMenuBar(this);
    disposition->setMenuBar(barre_);
    zone_ = new QWidget(this);
    disposition->addWidget(zone_);
    StatusBar2 = new QLabel(this);
    StatusBar2->setFrameShape(QFrame::StyledPanel);
    StatusBar2->setFrameShadow(QFrame::Sunken);
    StatusBar2->setContentsMargins(4, 1, 4, 1);
    disposition->addWidget(StatusBar2);

    // The shared panel is created first, so that the views it serves stand above it.
    static const char* titres[8] = {"", "Nuage de points", "Diagramme", "Comparaison de moyennes",
                                    "Comparaison de deux moyennes", "Loi Normale", "Loi de Student", ""};
    for (int i : {7, 1, 2, 3, 4, 5, 6}) {
        auto* cadre = new QGroupBox(QString::fromUtf8(titres[i]), zone_);
        cadre->setVisible(false);
        stcadre.ajouter(i, cadre);
    }
    // Designed sizes, before any view is laid out.
    Twips::placer(stcadre(1), 480, 240, 11412, 8700);
    Twips::placer(stcadre(2), 10, 10, 11500, 7700);
    for (int i = 3; i <= 7; ++i) Twips::placer(stcadre(i), 0, 0, 6850, 4655);

    construire_menus();
    construire_nuage(*this);
    construire_diagramme(*this);
    construire_tests(*this);
    cmdCopie_Ecran = new QPushButton(&stcadre(2));
    cmdCopie_Ecran->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    cmdCopie_Ecran->setToolTip(QStringLiteral("copie d'écran"));
    Twips::placer(*cmdCopie_Ecran, 10900, 240, 450, 420);
    connect(cmdCopie_Ecran, &QPushButton::clicked, this, [this] { cmdCopie_Ecran_Click(); });
    dimensionner(11612, 9600);
}

FenHisto::~FenHisto() {
    // The controls go while the panels that handle their signals still stand.
    const auto enfants = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* w : enfants) w->blockSignals(true);
    qDeleteAll(enfants);
}

void FenHisto::placer(int leftTwips, int topTwips) {
    Twips::setLeft(*this, leftTwips);
    Twips::setTop(*this, topTwips);
}
int FenHisto::leftTwips() const { return Twips::Left(*this); }
int FenHisto::topTwips() const { return Twips::Top(*this); }

void FenHisto::dimensionner(int largeur, int hauteur) {
    largeurTwips_ = largeur;
    hauteurTwips_ = hauteur;
    // The twips size counts the borders, caption and menu bar; the area under the menu
    // bar gets the rest, and never less than the frames shown need.
    int w = Twips::versPixels(largeur) - 16, h = Twips::versPixels(hauteur) - 60;
    for (const auto& [i, cadre] : stcadre.items()) {
        if (cadre->isHidden()) continue;
        w = std::max(w, cadre->geometry().right() + 8);
        h = std::max(h, cadre->geometry().bottom() + 8);
    }
    zone_->setFixedSize(w, h);
    layout()->activate();
    resize(sizeHint());
}

void FenHisto::montrer_modal() {
    fermeture_ = false;
    Form_Activate();
    if (modalHook) {
        modalHook(*this);
        return;
    }
    exec();
}

void FenHisto::Form_Load() { M_init(); }

void FenHisto::Form_Activate() {
    RAZ_Choix();
    placer(3500, 2000);
    switch (StatDef) {
    case 1:
        Init_cadrage_frames(1);
        ModeHisto = 0;
        break;
    case 2:
        Init_cadrage_frames(1);
        ModeHisto = -1;
        break;
    case 3:
        Init_cadrage_frames(2);
        MText4_Change();
        break;
    case 4:
        Init_cadrage_frames(3);
        break;
    default:
        break;
    }
    Charge_entetes();
    if (!ExtraitListe.isEmpty()) MOption1(3).setEnabled(true);
    MCheck1(0).setChecked(false);
    if (AutoPdms) MCheck1(0).setChecked(true);
    PremierTexte = -1;
    CompteurPdm = 1;

    GrilleRefP.setRow(0);
    Twips::setWidth(Histcmd(2), 750);
    ChkH(2).setEnabled(true);
    Histcmd(0).setEnabled(ChkH(0).isEnabled());

    setTexte(*Text1histo, QStringLiteral("5"));
    NbClasses = 5;
    // The plot view offers the grid's value columns, as many as it has buttons for.
    const int derniere = std::min(GrilleRef.Cols() - 4, 6);
    for (int i = 0; i <= derniere; ++i) {
        const QString titre = GrilleRefP.TextMatrix(0, i + 1);
        Histcmd(i).setText(titre);
        ChkH(i).setText(titre);
        QPalette pal = ChkH(i).palette();
        pal.setColor(QPalette::WindowText, Surface::couleur(Surface::QBColor(i + 1)));
        ChkH(i).setPalette(pal);
        List1->addItem(titre);
    }
    setTexte(*Text1histo, QStringLiteral("5"));
    NbClasses = 5;
    setValeur(*VScroll1Hist, 5);

    auto item = [this](int i) { return i < List1->count() ? List1->item(i)->text() : QString(); };
    ColonnesAxes[0] = 1;
    ColonnesAxes[1] = 2;
    if (NumFonction == 1) {
        ColonnesAxes[1] = 1;
        setTexte(Text2Hist(0), item(0));
        setTexte(Text2Hist(1), item(0));
    } else {
        setTexte(Text2Hist(0), item(0));
        setTexte(Text2Hist(1), item(1));
    }

    if (ModeStatSeul == 0) MOption1(0).setChecked(true);
    else if (ModeStatSeul == -1) MOption1(2).setChecked(true);
    Command2(0).setVisible(false);
    Command2(1).setVisible(false);
}

void FenHisto::Form_QueryUnload(short& Cancel, short UnloadMode) {
    (void)Cancel;
    (void)UnloadMode;
    Ferme_Histo();
}

void FenHisto::reject() {
    // A bare dialog would hide without the close routine, skipping the quit question.
    close();
}

void FenHisto::closeEvent(QCloseEvent* event) {
    // The close box runs the close routine once; the routine itself hides the window.
    if (!fermeture_) {
        short cancel = 0;
        Form_QueryUnload(cancel, 0);
    }
    event->accept();
}

void FenHisto::Ferme_Histo() {
    if (fermeture_) return;
    fermeture_ = true;
    hide();
    if (!ModeStatSeul) return;
    const int r = Prompts::msgBox(QStringLiteral("Quitter Quenlor?"), Prompts::YesNo | Prompts::IconQuestion,
                                  windowTitle());
    if (r == Prompts::Yes) Programme::Terminer(0);
}

// --- views

void FenHisto::RedimFrame(QGroupBox& c, const QString& caption, int height, int left, int top, int width) {
    Twips::setTop(c, top);
    Twips::setWidth(c, width);
    Twips::setLeft(c, left);
    Twips::setHeight(c, height);
    c.setTitle(caption);
}

void FenHisto::RedimPicbox(QWidget& c, const QString&, int height, int left, int top, int width) {
    Twips::setTop(c, top);
    Twips::setWidth(c, width);
    Twips::setLeft(c, left);
    Twips::setHeight(c, height);
}

void FenHisto::Masque_cadres() {
    for (int i = 1; i <= 7; ++i) stcadre(i).setVisible(false);
    Mnstat6(1).setEnabled(false);
}

void FenHisto::Init_cadrage_frames(short mode) {
    if (mode < 1 || mode > 6) return;
    Masque_cadres();
    Twips::setLeft(MFrame1(1), 2640);
    Twips::setTop(MFrame1(1), 5160);
    QGroupBox& cadre = stcadre(mode);
    Twips::setLeft(cadre, 10);
    Twips::setTop(cadre, 10);
    switch (mode) {
    case 1:
        init_cadre_nuage();
        break;
    case 2:
        Twips::setHeight(cadre, 7700);
        Twips::setWidth(cadre, 11500);
        Mnstat6(1).setEnabled(true);
        for (int i : {4, 6, 8}) RedimFrame(MFrame1(i), QString(), 1300, 1400, 240, 1215);
        MFrame1(4).setVisible(true);
        break;
    case 3:
        RedimFrame(stcadre(7), QString(), 4600, 0, 0, 6850);
        RedimFrame(stcadre(3), QString(), 4655, 0, 0, 6852);
        Twips::setLeft(stcadre(7), 0);
        stcadre(7).setVisible(true);
        Mnstat6(1).setEnabled(true);
        break;
    case 4:
        RedimFrame(stcadre(4), QString(), 4655, 0, 0, 6850);
        stcadre(4).setVisible(true);
        Twips::setLeft(stcadre(7), 0);
        stcadre(7).setVisible(true);
        break;
    case 5:
        stcadre(7).setVisible(true);
        stcadre(7).setEnabled(true);
        RedimFrame(stcadre(7), QString(), 4111, 0, 0, 6850);
        Twips::setHeight(cadre, 2800);
        Twips::setWidth(cadre, 4575);
        LNTxt(3).setText(Vb::CStr(0.1));
        break;
    case 6:
        stcadre(7).setVisible(true);
        stcadre(7).setEnabled(true);
        RedimFrame(stcadre(7), QString(), 6650, 0, 0, 5295);
        RedimFrame(stcadre(3), QString(), 6650, 0, 0, 5295);
        Twips::setHeight(cadre, 2175);
        Twips::setWidth(cadre, 4575);
        StText(1).setText(Vb::CStr(0.1));
        StOptTInv(0).setChecked(true);
        break;
    }
    cadre.setVisible(true);
    vue_ = mode;
    dimensionner(Twips::Width(cadre) + 200, Twips::Height(cadre) + 900);
}

void FenHisto::init_cadre_nuage() {
    Twips::setLeft(*Image_extr, 15000);
    Twips::setTop(*Image_extr, 10000);
    RedimFrame(stcadre(1), QStringLiteral("Nuage de points"), 8700, 480, 240, 11412);
    RedimFrame(*Frame1, QString(), 492, 5160, 6960, 2532);
    RedimFrame(*Frame2, QString(), 612, 8760, 3480, 1572);
    RedimFrame(*Frame3, QString(), 372, 8880, 2880, 1452);
    RedimFrame(*Frame4, QString(), 972, 120, 5900, 5532);
    RedimFrame(*Frame_extraire, QString(), 1572, 9000, 5000, 1212);
    RedimPicbox(*HistPicHist, QString(), 5580, 240, 240, 8500);
    RedimFrame(Framehist(2), QString(), 2055, 9000, 720, 1335);
    RedimFrame(Framehist(3), QStringLiteral("Nuage de points"), 1215, 240, 6840, 4695);
}
