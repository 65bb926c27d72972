// The dot diagram: the computation every change of the diagram view ends in, the
// drawing, and the display options with their scale bars.
#include <QPalette>
#include <cmath>

#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/vb.h"
#include "stats/fenstat.h"
#include "statwin/compteur.h"
#include "statwin/diagramme_calcul.h"
#include "statwin/fenhisto.h"

namespace {
constexpr long Noir = 0x000000;
constexpr long Violet = 0xC000C0;
constexpr long Magenta = 0xFF00FF;
constexpr long Vert = 0x00FF00;
constexpr long Bleu = 0xFF0000;
constexpr long Rouge = 0x0000FF;
// A box that takes no input has the colour of the window around it, as menus do.
void fond(QLineEdit& t, bool blanc) {
    QPalette p = t.palette();
    p.setColor(QPalette::Base, blanc ? QColor(Qt::white) : p.color(QPalette::Window));
    t.setPalette(p);
}

// The series box holds nothing but blanks.
bool vide(const QString& texte) {
    for (QChar c : texte)
        if (c != QLatin1Char(' ')) return false;
    return true;
}
} // namespace

void PanneauDiagramme::construire_options(FenHisto& f) {
    QGroupBox* options = &MFrame1(2);
    Twips::placer(*options, 120, 2400, 2400, 2640);
    static const char* cases[8] = {"PDM", "simple", "Cumulé", "Ech. X fixe 9", "Ech. Y fixe 50", "Optimal", " S", "Auto-Pdms"};
    // Place of each box: the display options here, " S" and "Auto-Pdms" in the PDMS frame.
    const int places[6][2] = {{90, 510}, {90, 240}, {1200, 240}, {90, 825}, {90, 1170}, {1200, 510}};
    for (int i = 0; i <= 5; ++i) {
        const int largeur = i == 3 || i == 4 ? 1750 : 1080;
        MCheck1.ajouter(i, cree<QCheckBox>(options, places[i][0], places[i][1], largeur, 255, QString::fromUtf8(cases[i])));
    }
    MCheck1.ajouter(6, cree<QCheckBox>(&MFrame1(1), 2880, 1020, 600, 255, QString::fromUtf8(cases[6])));
    MCheck1.ajouter(7, cree<QCheckBox>(&MFrame1(1), 2880, 1290, 1260, 255, QString::fromUtf8(cases[7])));
    // The sticks are what the diagram is for: drawn from the start.
    MCheck1(1).setChecked(true);

    const int barres[3][4] = {{3, 1, 100, 11}, {4, 1, 1000, 50}, {5, 0, 8, 0}};
    for (const auto& b : barres) {
        MVScroll2.ajouter(b[0], cree_compteur(options, 2010, 795 + (b[0] - 3) * 345, 195, 315, b[1], b[2], b[3]));
    }
    // The X scale read is 100 / the bar's value: its arrows run the plain bar's way, so
    // that the upper arrow, the up key and the wheel turned up widen the scale.
    static_cast<Compteur&>(MVScroll2(3)).Sens_inverse();
    cree<QLabel>(options, 90, 1515, 900, 255, QStringLiteral("résolution"));
    groupe = cree<QLabel>(options, 1050, 1515, 900, 255, QStringLiteral("pixel"));
    groupe->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    Label4 = cree<QLabel>(options, 90, 1890, 900, 255, QStringLiteral("Origine X"));
    MText5 = cree<QLineEdit>(options, 1050, 1860, 900, 315);
    MText5->setText(QStringLiteral("0"));
    MText5->setEnabled(false);
    fond(*MText5, false);
    auto* origine = cree<QScrollBar>(options, 90, 2250, 2220, 240);
    origine->setOrientation(Qt::Horizontal);
    origine->setRange(0, 2000);
    MScroll1.ajouter(5, origine);

    for (int i = 0; i <= 7; ++i)
        QObject::connect(&MCheck1(i), &QCheckBox::toggled, &f, [this, i] { MCheck1_Click(short(i)); });
    for (int i = 3; i <= 5; ++i)
        QObject::connect(&MVScroll2(i), &QScrollBar::valueChanged, &f, [this, i] { MVScroll2_Change(short(i)); });
    QObject::connect(MText5, &QLineEdit::textChanged, &f, [this] { MText5_Change(); });
    QObject::connect(origine, &QScrollBar::valueChanged, &f, [this] { MScroll1_Change(5); });
}

void PanneauDiagramme::Mcalcul0() {
    if (ModeMarquagePdm) {
        MCommand2_Click();
        CompteurPdm = 1;
        MCommand2->setText(QStringLiteral("PDMS "));
        MFrame1(1).setTitle(QStringLiteral("PDMS"));
    }
    Mcalcul(MstrData, 0);
}

void PanneauDiagramme::Mcalcul(const QString& serie, short code) {
    setMText1(QString());
    if (ModeMarquagePdm == 0) MstrDataTout = serie;
    if (vide(MText3->text())) return;
    Mcharge_data(serie);
    if (AutoPdms) PdmCourant = MCalcul_Dominante(0, ValeursDiag);
    if (ModeMarquagePdm == 0) TablePdm[0] = float(PdmCourant);
    Msto_texte();
    float y0 = 0;
    Trace_diagramme(y0, code);
}

void PanneauDiagramme::Trace_diagramme(float& y0, short code) {
    Surface& s = MHistPic->surface();
    try {
        s.BackColor = 0xFFFFFF;
        s.Cls();
        const int n = NbValeursDiag;
        const Diagramme::Fenetre donnees = Diagramme::Fenetre_donnees(V(1), V(n));
        double xmin = donnees.xmin, xmax = donnees.xmax;
        // Values too far apart for a window of real numbers cannot be drawn.
        if (!std::isfinite(xmax - xmin)) throw Vb::Erreur(Vb::ErrDepassement, "overflow");
        const int v = MVScroll2(5).value();
        const double r = v != 0 ? 0.5 * std::pow(10.0, 0.5 * v - 4) : (xmax - xmin) / Twips::Width(*MHistPic);
        double o = 0;
        if (MCheck1(3).isChecked()) {
            xmin = 0;
            xmax = EchelleXFixe;
            o = Gen::Val_decimal(MText5->text());
        }
        const double ymax = MCheck1(4).isChecked() ? double(EchelleYFixe) : (n + 3) * 2.0;
        s.Scale(xmin, ymax, xmax, 0);
        s.DrawMode = Surface::MasquePlume;
        s.DrawWidth = 1;
        y0 = float(ymax * 5 / 100);
        // The axis spans the whole window, whatever side of 0 the values lie.
        s.Line(xmin, y0, xmax, y0, Noir);
        s.DrawWidth = 2;
        const double h = y0 * 50.0 / EchelleYFixe;
        const double p = PdmCourant - o;
        s.Line(p, y0, p, y0 - h, code == 1 ? Violet : Magenta);
        for (int i = 1; i <= 11; ++i)
            if (TablePdm[i] > 0) s.Line(TablePdm[i] - o, y0, TablePdm[i] - o, y0 - h, Vert);
        if (MCheck1(1).isChecked())
            for (const Diagramme::Baton& b : Diagramme::Batons(ValeursDiag, 2 * r))
                s.Line(b.x - o, y0, b.x - o, y0 + b.nombre * h, Bleu);
        if (MCheck1(2).isChecked()) {
            for (int i = 1; i <= n; ++i) s.Line(V(i - 1) - o, y0 + 2.0 * (i - 1), V(i) - o, y0 + 2.0 * (i - 1), Rouge);
            s.Line(V(n) - o, y0 + 2.0 * n, V(n) + 1 - o, y0 + 2.0 * n, Rouge);
        }
        s.DrawMode = Surface::Copie;
        s.DrawWidth = 1;
        s.FontSize = 7;
        s.ForeColor = Noir;
        // The extremes under the axis, on one line and just clear of their ticks: the
        // largest kept clear of the smallest and inside the picture, so both stay readable.
        const double ecartX = 3 / std::fabs(s.pixelsParUniteX()), ecartY = 2 / std::fabs(s.pixelsParUniteY());
        const QString premiere = Vb::Format(V(1), QStringLiteral("#.0"));
        const QString derniere = Vb::Format(V(n), QStringLiteral("#.0"));
        s.CurrentX = V(1) - o + ecartX;
        s.CurrentY = y0 - ecartY;
        s.Print(premiere);
        double x = std::max(V(n) - o + ecartX, V(1) - o + ecartX + s.TextWidth(premiere + QStringLiteral("  ")));
        x = std::min(x, s.ScaleLeft() + s.ScaleWidth() - s.TextWidth(derniere + QStringLiteral(" ")));
        s.CurrentX = x;
        s.CurrentY = y0 - ecartY;
        s.Print(derniere);
        s.CurrentX = MCheck1(3).isChecked() ? 0.2 * V(1) - o : V(1) - o;
        s.CurrentY = y0 + 2.0 * n;
        s.Print(Vb::CStr(n) + QStringLiteral(" données"));
    } catch (const std::exception&) {
        // What was drawn before the fault stays.
    }
    s.DrawMode = Surface::Copie;
    s.DrawWidth = 1;
}

void PanneauDiagramme::MCheck1_Click(short) {
    MText5->setEnabled(false);
    fond(*MText5, false);
    AutoPdms = 0;
    if (MCheck1(3).isChecked()) {
        MText5->setEnabled(true);
        fond(*MText5, true);
        if (NbValeursDiag > 0 && NbValeursDiag < int(ValeursDiag.size())) {
            // Twice the largest value cut to one digit, kept within the bar's range.
            const int echelle = 2 * Fenstat::Arrondi_Un_Chiffre(ValeursDiag[size_t(NbValeursDiag)]);
            setValeur(MVScroll2(3), std::clamp(echelle, MVScroll2(3).minimum(), MVScroll2(3).maximum()));
        }
    }
    if (MCheck1(0).isChecked()) AutoPdms = -1;
    Mcalcul(MstrData, 0);
}

void PanneauDiagramme::MVScroll2_Change(short index) {
    QScrollBar& barre = MVScroll2(index);
    const int v = barre.value();
    if (index == 5) {
        if (v == 0) {
            groupe->setText(QStringLiteral("pixel"));
        } else {
            groupe->setText(Vb::Format(std::pow(10.0, 0.5 * v - 4), QStringLiteral("#.000")));
            barre.setSingleStep(Vb::CInt(Fenstat::Puissance10(v) + 0.1));
        }
        Mcalcul0();
    }
    if (!MCheck1(index).isChecked()) return;
    if (index == 3) {
        EchelleXFixe = Vb::CInt(100.0 / v);
        MCheck1(3).setText(QStringLiteral("Ech. X fixe ") + Vb::Format(100.0 / v, QStringLiteral("#.0")));
        barre.setSingleStep(int(Vb::Int(Fenstat::Puissance10(v) * 0.2)) + 1);
    } else if (index == 4) {
        EchelleYFixe = short(v);
        MCheck1(4).setText(QStringLiteral("Ech. Y fixe ") + Vb::CStr(v));
        barre.setSingleStep(int(Vb::Int(Fenstat::Puissance10(v) * 0.2)) + 1);
    }
    Mcalcul(MstrData, 0);
}

void PanneauDiagramme::MCommand1_Click(short) {
    try {
        MText3->clear();
        Mcalcul0();
    } catch (const std::exception&) {
    }
}
