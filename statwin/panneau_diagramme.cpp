// The diagram view's controls and its data sources: a grid column, the extract's
// rows, typed or pasted text; the series text and its parsing into sorted values.
#include "statwin/panneau_diagramme.h"

#include <QSignalBlocker>
#include <QStringList>
#include <limits>

#include "base/etat_demarrage.h"
#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/messages.h"
#include "base/vb.h"
#include "grid/etat_grille.h"
#include "base/grilles.h"
#include "stats/series.h"
#include "statwin/compteur.h"
#include "statwin/diagramme_calcul.h"
#include "statwin/fenhisto.h"
#include "platform/pressepapier.h"
#include "platform/prompts.h"

FenHisto& PanneauDiagramme::fen() { return static_cast<FenHisto&>(*this); }

namespace {
// A spinner beside a number box.
QScrollBar* spinner(QWidget* parent, int left, int top, int min, int max, int valeur) {
    return cree_compteur(parent, left, top, 195, 315, min, max, valeur);
}

// A whole number typed in a box, rounded half to even; any other text is the
// conversion error that the change handlers trap.
int entier(const QString& texte) {
    double v = 0;
    if (!Gen::Nombre_lu(texte, v)) throw Vb::Erreur(Vb::ErrTypeIncompatible, "type mismatch");
    return Vb::CLng(v);
}

// A bar takes a value within its range only, as the designer's bars refused others.
void regler(QScrollBar& b, int v) {
    if (v < b.minimum() || v > b.maximum()) throw Vb::Erreur(Vb::ErrArgument, "invalid property value");
    setValeur(b, v);
}

// The spinner of the grid columns runs from 1 to the result columns of the function.
void borne_colonnes(QScrollBar& b) { b.setRange(1, std::max<int>(1, NbColonnesStat)); }

// The current grid cell added to a series text. An empty cell is no value: a pasted
// series shorter than its neighbours ends at its last value, as the tests, the deciles
// and the scatter plot read it.
void Ajoute_cellule(QString& serie) {
    const QString cellule = GrilleRef.Text();
    if (!cellule.trimmed().isEmpty()) serie += cellule + QLatin1Char(';');
}

} // namespace

void PanneauDiagramme::construire_diagramme(FenHisto& f) {
    QGroupBox* cadre = &f.stcadre(2);
    static const char* titres[9] = {"entrée", "PDMS", "options graphique", "", "Mesure", "Fichier", "texte", "fichier", "Extrait"};
    for (int i = 0; i <= 8; ++i) {
        auto* g = new QGroupBox(QString::fromUtf8(titres[i]), cadre);
        MFrame1.ajouter(i, g);
    }
    MFrame1(3).setVisible(false);
    Twips::placer(MFrame1(0), 120, 240, 1215, 1300);
    // The source frames share one place: the view's layout shows "Mesure" while another
    // source's frame may still be shown there, so each frame paints its own background
    // and the upper one hides the controls of the one below.
    for (int i : {4, 6, 7, 8}) {
        Twips::placer(MFrame1(i), 1400, 240, 1215, 1300);
        MFrame1(i).setAutoFillBackground(true);
        MFrame1(i).setVisible(i == 4);
    }
    static const char* sources[4] = {"mesures", "fichier", "Texte", "Extrait"};
    for (int i = 0; i <= 3; ++i) {
        auto* o = cree<QRadioButton>(&MFrame1(0), 90, 240 + i * 255, 1050, 255, QString::fromUtf8(sources[i]));
        MOption1.ajouter(i, o);
        QObject::connect(o, &QRadioButton::toggled, &f, [this, i](bool on) { if (on) MOption1_Click(short(i)); });
    }
    // The extract is offered once an extraction has made one.
    MOption1(3).setEnabled(false);

    // "Mesure": the grid column.
    MLabel2 = cree<QLabel>(&MFrame1(4), 90, 240, 1000, 255, QStringLiteral("Colonne"));
    MText4 = cree<QLineEdit>(&MFrame1(4), 90, 510, 600, 315);
    MText4->setText(QStringLiteral("1"));
    MVScroll1 = spinner(&MFrame1(4), 720, 510, 1, 1, 1);
    MCommand3.ajouter(2, cree<QPushButton>(&MFrame1(4), 60, 900, 1095, 315, QStringLiteral("Copier")));
    // "texte": typed or pasted series.
    MCommand3.ajouter(4, cree<QPushButton>(&MFrame1(6), 60, 240, 1095, 315, QStringLiteral("Coller")));
    MCommand3.ajouter(6, cree<QPushButton>(&MFrame1(6), 60, 585, 1095, 315, QStringLiteral("Calcul")));
    Mommand3.ajouter(7, cree<QPushButton>(&MFrame1(6), 60, 930, 1095, 315, QStringLiteral("Raz")));
    // "fichier": a source with nothing behind it yet.
    MCommand3.ajouter(0, cree<QPushButton>(&MFrame1(7), 60, 240, 1095, 315, QStringLiteral("charger")));
    MCommand3.ajouter(1, cree<QPushButton>(&MFrame1(7), 60, 585, 1095, 315, QStringLiteral("Calcul")));
    MCommand3(0).setEnabled(false);
    MCommand3(1).setEnabled(false);
    // "Extrait": a column of the extract's rows.
    cree<QLabel>(&MFrame1(8), 90, 240, 1000, 255, QStringLiteral("Colonne"));
    MText4E = cree<QLineEdit>(&MFrame1(8), 90, 510, 600, 315);
    MText4E->setText(QStringLiteral("1"));
    EVScroll1 = spinner(&MFrame1(8), 720, 510, 1, 15, 1);
    MCommand3.ajouter(8, cree<QPushButton>(&MFrame1(8), 60, 900, 1095, 315, QStringLiteral("Copier")));

    for (int i : {0, 1, 2, 4, 6, 8})
        QObject::connect(&MCommand3(i), &QPushButton::clicked, &f, [this, i] { MCommand3_Click(short(i)); });
    QObject::connect(&Mommand3(7), &QPushButton::clicked, &f, [this] { Mommand3_Click(7); });
    QObject::connect(MText4, &QLineEdit::textChanged, &f, [this] { MText4_Change(); });
    QObject::connect(MVScroll1, &QScrollBar::valueChanged, &f, [this] { MVScroll1_Change(); });
    QObject::connect(MText4E, &QLineEdit::textChanged, &f, [this] { MText4E_Change(); });
    QObject::connect(EVScroll1, &QScrollBar::valueChanged, &f, [this] { EVScroll1_Change(); });

    // The picture, the column's title and the series.
    MHistPic = cree<VueSurface>(cadre, 2640, 240, 8200, 4080);
    MHistPic->MouseUp = [this](int b, int s, double x, double y) { MHistPic_MouseUp(b, s, x, y); };
    MLabel3 = cree<QLabel>(cadre, 2640, 4380, 1020, 285, QStringLiteral("Diagramme"));
    NmColonne = cree<QLabel>(cadre, 3660, 4380, 3180, 285);
    MText3 = cree<QLineEdit>(cadre, 120, 6930, 6720, 330);
    // A pasted column of thousands of values outgrows a line box's usual 32,767 characters.
    MText3->setMaxLength(std::numeric_limits<int>::max());
    MText1 = cree<QPlainTextEdit>(cadre, 6960, 4380, 3880, 2880);
    MText1->setReadOnly(true);
    MText1->setLineWrapMode(QPlainTextEdit::NoWrap);

    // Clearing buttons "1" to "7", under the output frame.
    for (int i = 0; i <= 6; ++i) {
        auto* b = cree<QPushButton>(cadre, 120 + i * 345, 6510, 330, 315, QString::number(i + 1));
        MCommand1.ajouter(i, b);
        QObject::connect(b, &QPushButton::clicked, &f, [this, i] { MCommand1_Click(short(i)); });
    }

    construire_options(f);
    construire_pdm(f);
}

void PanneauDiagramme::M_init() {
    MstrData = QStringLiteral("5,8;5,8;6;6;6;6;6;6,2;6,2;6,2;6,2;6,2;6,5;6,5;6,5;6,5;6,8;7,5");
    MstrDataTout = MstrData;
    ValeursDiag.clear();
    NbValeursDiag = 0;
    PdmCourant = 0;
    for (float& t : TablePdm) t = 0;
    CompteurPdm = 0;
    ModeMarquagePdm = 0;
    LimiteSuivante = 0;
    EchelleXFixe = 9;
    EchelleYFixe = 50;
    NomVariable.clear();
    setMText1(QString());
    setTexte(*MText5, QStringLiteral("0"));
    MCheck1(3).setText(QStringLiteral("Ech. X fixe ") + Vb::CStr(EchelleXFixe));
    MCheck1(4).setText(QStringLiteral("Ech. Y fixe ") + Vb::CStr(EchelleYFixe));
}

void PanneauDiagramme::MOption1_Click(short index) {
    FenHisto& f = fen();
    MFrame1(8).setVisible(false);
    f.Command2(0).setVisible(false);
    f.Command2(1).setVisible(false);
    // The source frames stack in one place; the output frame 5 is no source and stays.
    for (int i : {4, 6, 7, 8}) {
        Twips::setTop(MFrame1(i), Twips::Top(MFrame1(0)));
        Twips::setLeft(MFrame1(i), 1400);
        MFrame1(i).setVisible(false);
    }
    switch (index) {
    case 0:
        MFrame1(4).setVisible(true);
        MText4_Change();
        break;
    case 1:
        MFrame1(7).setVisible(true);
        break;
    case 2:
        MFrame1(6).setVisible(true);
        NomVariable = QStringLiteral("X");
        f.Command2(0).setVisible(true);
        f.Command2(1).setVisible(true);
        break;
    case 3:
        try {
            affecte_extrait(ExtraitListe, 1);
        } catch (const std::exception&) {
            // A row the grid no longer holds leaves the series as far as it was read.
        }
        MFrame1(8).setVisible(true);
        calcul_extrait();
        break;
    default:
        break;
    }
    borne_colonnes(*MVScroll1);
}

void PanneauDiagramme::MVScroll1_Change() { setTexte(*MText4, QString::number(MVScroll1->value())); }

void PanneauDiagramme::MText4_Change() {
    try {
        RazModes(1);
        // The range first: a column typed before a paste brought it is loaded now.
        borne_colonnes(*MVScroll1);
        // Beyond the last series the box comes back to it, as the tests' column boxes do:
        // it never names a series the grid does not hold. A grid without any series keeps
        // the number typed for the table a paste will bring.
        int colonne = entier(MText4->text());
        if (NbColonnesStat >= 1 && colonne > MVScroll1->maximum()) {
            colonne = MVScroll1->maximum();
            const QSignalBlocker bloque(MText4);
            MText4->setText(QString::number(colonne));
        }
        regler(*MVScroll1, colonne);
        MCheck1(6).setChecked(false);
        Vide_table();
        MText3_2_MstrData();
        Mcalcul0_vide();
    } catch (const std::exception&) {
        // A column that is no number, or that the grid refuses, stops here silently.
    }
}

void PanneauDiagramme::Colonne_vers_serie(const QString& numero) {
    MText3->clear();
    GrilleRef.setCol(entier(numero));
    GrilleRef.setRow(0);
    colonneChargee_ = GrilleRef.Col();
    NmColonne->setText(GrilleRef.Text());
    // A column holding no value at all still gives its empty piece, the prompt's cue below.
    QString serie;
    for (int ligne = 1; ligne <= NbLignesGrille - 1; ++ligne) {
        GrilleRef.setRow(ligne);
        Ajoute_cellule(serie);
    }
    if (serie.isEmpty() && NbLignesGrille > 1) serie = QStringLiteral(";");
    MText3->setText(serie);
    // The diagram and its summary follow the column whose name they show, unless " S" keeps
    // the series: a summary titled with one column and computed on another would mislead.
    if (!MCheck1(6).isChecked()) MstrData = MText3->text();
    if (MstrData == QLatin1String(";")) {
        MText3->clear();
        NmColonne->setText(QStringLiteral(" entrer les données + ;  et presser 'calcul'"));
    }
}

void PanneauDiagramme::MText3_2_MstrData() { Colonne_vers_serie(MText4->text()); }

void PanneauDiagramme::MText3_2_MstrData_test(short index) { Colonne_vers_serie(fen().Ttxt1(index).text()); }

void PanneauDiagramme::Mcalcul0_vide() {
    if (MstrData == QLatin1String(";")) {
        MText3->clear();
        NmColonne->setText(Lib_Stat[16]);
    }
    Mcalcul0();
}

void PanneauDiagramme::EVScroll1_Change() { setTexte(*MText4E, QString::number(EVScroll1->value())); }

void PanneauDiagramme::MText4E_Change() {
    try {
        regler(*EVScroll1, entier(MText4E->text()));
        MCheck1(6).setChecked(false);
        Vide_table();
        affecte_extrait(ExtraitListe, short(EVScroll1->value()));
        MFrame1(8).setVisible(true);
        calcul_extrait();
    } catch (const std::exception&) {
        // A column the grid refuses stops here silently.
    }
}

void PanneauDiagramme::affecte_extrait(const QString& List_Extr, short num_col) {
    const QStringList morceaux = List_Extr.split(QLatin1Char(';'));
    std::vector<int> lignes;
    for (int i = 0; i + 1 < int(morceaux.size()); ++i) {
        // The extract holds at most 256 rows: a longer list is out of the table's bounds.
        if (i > 256) throw Vb::Erreur(Vb::ErrIndice, "subscript out of range");
        lignes.push_back(Vb::CInt(Vb::Val(morceaux[i])));
    }
    MText3->clear();
    GrilleRef.setCol(num_col);
    QString serie;
    for (int ligne : lignes) {
        GrilleRef.setRow(ligne);
        Ajoute_cellule(serie);
        MText3->setText(serie);
    }
}

void PanneauDiagramme::calcul_extrait() {
    if (Refus_depassement(MText3->text())) return;
    MstrData = MText3->text();
    if (ModeMarquagePdm) MCommand2_Click();
    MFrame1(1).setTitle(QString());
    MHistPic->surface().Cls();
    Mcalcul0();
}

void PanneauDiagramme::MText5_Change() {
    try {
        regler(MScroll1(5), Vb::CInt(10 * Gen::Val_decimal(MText5->text())));
        Mcalcul(MstrData, 0);
    } catch (const std::exception&) {
        // An origin out of the bar's range stops here silently.
    }
}

void PanneauDiagramme::MScroll1_Change(short index) {
    if (index == 5) setTexte(*MText5, Vb::CStr(MScroll1(5).value() * 0.1));
}

void PanneauDiagramme::MCommand3_Click(short index) {
    borne_colonnes(*MVScroll1);
    switch (index) {
    case 2:
        PressePapier::mettre_texte(MstrData);
        break;
    case 4: {
        QString serie = Diagramme::Texte_colle(PressePapier::texte());
        if (Diagramme::Limite_serie(serie)) Refus_longueur();
        MCheck1(3).setChecked(false);
        MText3->setText(serie);
        break;
    }
    case 6:
        ReCalcul(1);
        break;
    default:
        break;
    }
}

void PanneauDiagramme::Refus_longueur() {
    Prompts::msgBox(QString::number(Diagramme::ValeursMax) + QStringLiteral(" mesures au maximum)"), Prompts::OkOnly);
}

bool PanneauDiagramme::Refus_depassement(const QString& serie) {
    if (!Diagramme::Analyse_serie(serie).depassement) return false;
    Prompts::msgBox(Lib_Stat[1] + Lib_Stat[2], Prompts::OkOnly);
    return true;
}

void PanneauDiagramme::Mommand3_Click(short index) {
    if (index == 7) MText3->clear();
}

void PanneauDiagramme::Mcharge_data(const QString& M1data) {
    Diagramme::LectureSerie lu = Diagramme::Analyse_serie(M1data);
    // The typed series and the extract's are refused before; a grid column may still
    // bring a number beyond the doubles: an overflow, which the callers trap.
    if (lu.depassement) throw Vb::Erreur(Vb::ErrDepassement, "Overflow");
    if (!lu.valeurs) {
        setMText1(QString());
        return;
    }
    ValeursDiag = std::move(*lu.valeurs);
    const int k = int(ValeursDiag.size()) - 1;
    Mstat::Tri_Rapide(ValeursDiag, 1, k);
    PdmCourant = MCalcul_Dominante(0, ValeursDiag);
}

double PanneauDiagramme::V(int i) const {
    if (i < 0 || i >= int(ValeursDiag.size())) throw Vb::Erreur(Vb::ErrIndice, "subscript out of range");
    return ValeursDiag[size_t(i)];
}

void PanneauDiagramme::setMText1(const QString& texte) {
    texteMText1_ = texte;
    QString affiche = texte;
    affiche.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    MText1->setPlainText(affiche);
}

void PanneauDiagramme::Statut(const QString& texte) {
    if (fen().StatusBar2) fen().StatusBar2->setText(texte);
}
