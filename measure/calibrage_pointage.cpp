// Calibration by pointing: a known length, graduations of the ocular micrometer, or the
// objective standard's two measures. The pointing is an ordinary measured segment; the
// recording hands it over here, the dialog asks for its size, and "OK" computes the
// coefficient and takes the pointing's value back out of the grid.
#include <cmath>

#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/grilles.h"
#include "base/messages.h"
#include "base/tav.h"
#include "base/vb.h"
#include "grid/etat_grille.h"
#include "grid/fichier_trm.h"
#include "grid/grille_affichage.h"
#include "image/image_affichee.h"
#include "image/services_image.h"
#include "measure/calibrage.h"
#include "measure/etat_calibrage.h"
#include "measure/services_mesure.h"
#include "platform/bip.h"
#include "platform/prompts.h"

namespace {

constexpr long kJaune = 0xFFFF;
constexpr double kVert = 65280;
constexpr double kMaxi = 10000, kMini = 0.0001;

Tav& tav() { return *Tav::instance(); }

// The state the recording leaves right after writing (ligne, etape): the next value of
// that row, or the first of the next row.
bool Juste_apres(int ligne, int etape) {
    return (NbLignesGrille == ligne && EtapeMesure > etape) || (NbLignesGrille == ligne + 1 && EtapeMesure == 1);
}

// Takes the pending pointing's value out of the grid, and that value only: the undo when
// nothing was recorded after it, else its row (when it held nothing else) or its cell.
void Retire_pointage() {
    const int ligne = LignePointage, etape = EtapePointage;
    LignePointage = 0;
    EtapePointage = 0;
    LongueurPointage = 0;
    if (ligne < 1 || etape < 1 || ligne >= GrilleRef.Rows() || etape >= GrilleRef.Cols()) return;
    Tav& t = tav();
    if (GrilleRef.TextMatrix(ligne, etape).isEmpty()) return;  // the user has already undone it
    if (ligne == LigneDerniereMesure && etape == EtapeDerniereMesure && Juste_apres(ligne, etape)) {
        t.EffacE_1();
        return;
    }
    bool seule = true;
    for (int c = 1; c <= NbValeursLigne && c < GrilleRef.Cols() - 2; ++c)
        if (c != etape && !GrilleRef.TextMatrix(ligne, c).isEmpty()) seule = false;
    if (seule && ligne < NbLignesGrille) {
        short l = short(ligne);
        t.Efface_ligne(l);
        return;
    }
    GrilleRef.setTextMatrix(ligne, etape, QString());
    if (etape <= 16) Trame(ligne).Segments[etape] = SegmentTrame();
    // The values computed from it (a spore's ratio and volume) go with it; the image
    // number and the comment stay.
    for (int c = NbValeursLigne + 1; c < GrilleRef.Cols() - 2; ++c) GrilleRef.setTextMatrix(ligne, c, QString());
    Mstat::Recopie_Grille(NbLignesGrille);
    t.Calcul_stat();
}

// The decimals of measured values follow the coefficient in force: the fewer microns a
// picture spans, the more decimals.
void Decimales_auto() {
    const double w = Vb::Val(tav().lblWidth.Caption) * 0.001 / CalibrageActuel;
    if (w > 1) FormatDecimal = QStringLiteral("###0");
    if (w > 10) FormatDecimal = QStringLiteral("###0.0");
    if (w > 100) FormatDecimal = QStringLiteral("###0.00");
}

// The dialog asks for the size of the segment just pointed, whose place and length it keeps.
void Ouvre_dialogue(const QString& invite, bool change_invite) {
    Tav& t = tav();
    t.Frame(8).Visible = true;
    t.TBox(5).BackColor = kJaune;
    t.TBox(5).Text = Vb::Format(PGr::Pixels_en_microns(LongueurPixels), FormatDecimal);
    if (change_invite) t.label(8).Caption = invite;
    LignePointage = LigneDerniereMesure;
    EtapePointage = EtapeDerniereMesure;
    LongueurPointage = LongueurPixels;
}

void Erreur_calcul() { throw Vb::Erreur(Vb::ErrDivisionZero, "Division by zero"); }

} // namespace

namespace Calibrage {

bool Pointage_possible() {
    if (NumFonction >= 1 && NumFonction <= 6) return true;
    Bip::sonner();
    return false;
}

void Debut_pointage(short methode) {
    ModeCalibrage = -1;
    TypeCalibrage = methode;
    NbMesuresCalibrage = 0;
    LignePointage = 0;
    EtapePointage = 0;
    LongueurPointage = 0;
    EtalonPremierFait = 0;
}

void Retient_pour_image() {
    Chargeur::Affiche_calibrage();
    Gen::Calibre_image(IndexImageActive, CalibrageActuel);
}

} // namespace Calibrage

void Tav::Etalonner() {
    if (!Calibrage::Pointage_possible()) return;
    StatusBar.Text = Lib_Langue[165];
    Calibrage::Debut_pointage(0);
    bout(10).BackColor = CouleursBouton::Rouge;
    TBox(5).Text = QString::number(LongueurPixels);
}

void Tav::PasCalibr(short) {
    if (NbMesuresCalibrage == 1 && !EtalonPremierFait) {
        switch (TypeCalibrage) {
        case 0:
        case 1: Ouvre_dialogue(Lib_Langue[171], true); break;
        case 3: Ouvre_dialogue(Lib_Langue[170] + Vb::CStr(Gen::Val_decimal(TBox(2).Text)), true); break;
        case 2: Ouvre_dialogue(QString(), false); break;
        default: break;
        }
    } else if (NbMesuresCalibrage == 2 && TypeCalibrage == 2 && EtalonPremierFait) {
        Ouvre_dialogue(Lib_Langue[173], true);
    }
    // Any other segment stays an ordinary grid row.
}

void Tav::Dialogue_calibrage_OK() {
    try {
        if (ModeCalibrage) {
            const double v = Gen::Val_decimal(TBox(5).Text);
            // No number is no size: the dialog and the pointing wait for a valid one.
            if (v == 0 || !std::isfinite(v)) {
                Flash(kVert, Lib_Menu[6], 2);
                Prompts::msgBox(QStringLiteral("Mini 0.0001"), Prompts::OkOnly);
                return;
            }
            if (v > kMaxi) {
                Prompts::msgBox(QStringLiteral("Maxi 10000"), Prompts::OkOnly);
                return;
            }
            if (v < kMini) {
                Prompts::msgBox(QStringLiteral("Mini 0.0001"), Prompts::OkOnly);
                return;
            }
            const int L = LongueurPointage;
            if (L <= 0) Erreur_calcul();
            double c = v / L;
            bool seconde_mesure = false;
            if (TypeCalibrage == 3) {
                const double objectif = Gen::Val_decimal(TBox(2).Text);
                if (!(objectif > 0)) Erreur_calcul();
                c = v * (100 / objectif) / L;
            } else if (TypeCalibrage == 2) {
                if (!EtalonPremierFait) {
                    EtalonLongueur = L;
                    EtalonValeur = v;
                    EtalonCoefficient = c;
                } else {
                    // One ocular division against the standard: both pointings in the same
                    // units, so the ratio holds whatever coefficient was in force.
                    const double r = (double(L) / EtalonLongueur) * EtalonValeur / v;
                    Prompts::msgBox(Lib_Langue[181] + QLatin1Char(' ') + Vb::Format(r, QStringLiteral("###0.000")),
                                    Prompts::OkOnly);
                    // The coefficient stays the standard's: microns, not divisions, per unit.
                    c = EtalonCoefficient;
                    seconde_mesure = true;
                }
            }
            // The typed length is within its bounds; the coefficient it gives must be one
            // the program takes again from its files. The dialog waits for another length.
            if (!Gen::Coefficient_valable(c)) {
                Prompts::msgBox(Lib_Langue[208], Prompts::OkOnly);
                return;
            }
            CalibrageActuel = c;
            ModeCalibrage = 0;
            Retire_pointage();
            if (DecimalesAuto) Decimales_auto();
            if (TypeCalibrage == 2) {
                EtalonPremierFait = seconde_mesure ? 0 : -1;
                if (!seconde_mesure) {
                    // The next segment recorded is the second measure, whatever was
                    // measured while the dialog stood open.
                    StatusBar.Text = Lib_Langue[165];
                    ModeCalibrage = -1;
                    NbMesuresCalibrage = 1;
                }
            }
        }
        Calibrage::Retient_pour_image();
        Frame(8).Visible = false;
    } catch (const Vb::Erreur&) {
        // The pointing ends: its value leaves the grid as on "Annule".
        Frame(8).Visible = false;
        if (ModeCalibrage) {
            ModeCalibrage = 0;
            EtalonPremierFait = 0;
            Retire_pointage();
        }
        Prompts::msgBox(Lib_Langue[101] + QStringLiteral("99"), Prompts::OkOnly);
    }
}

void Tav::Dialogue_calibrage_Annule() {
    Frame(8).Visible = false;
    ModeCalibrage = 0;
    EtalonPremierFait = 0;
    Retire_pointage();
}
