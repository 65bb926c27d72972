// Recording a finished measurement: its values in the grid row being filled, the
// computed columns, the counters, the displayed copy, the statistics, the automatic
// save and the full grid.
#include "grid/enregistrement.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/messages.h"
#include "base/tav.h"
#include "base/vb.h"
#include "base/etat_partage.h"
#include "grid/deciles.h"
#include "grid/etat_grille.h"
#include "grid/fichier_trm.h"
#include "grid/grille_affichage.h"
#include "base/grilles.h"
#include "base/rappels.h"
#include "platform/prompts.h"
#include "platform/bip.h"

namespace {

Tav& tav() { return *Tav::instance(); }

QString entier(long long n) { return QString::number(n); }

// A cell never shows "inf" or "NaN": a value that is not a number leaves it empty.
QString texte_format(double v, const QString& motif) { return std::isfinite(v) ? Vb::Format(v, motif) : QString(); }
QString texte_plein(double v) { return std::isfinite(v) ? Vb::CStr(v) : QString(); }
QString texte_simple(float v) { return std::isfinite(v) ? Vb::CStr_simple(v) : QString(); }

// The count box as a whole number of the record.
std::int64_t Compte(const QString& texte) {
    const double n = Vb::ArrondiPair(Vb::Val(texte));
    return std::abs(n) < 9.2e18 ? std::int64_t(n) : 0;
}

void Erreur_grille() { throw Vb::Erreur(Vb::ErrIndiceGrille, "Subscript out of range"); }

// A value column of the row: never the row number, "img" or the comment.
void Ecrit_valeur(int ligne, int colonne, const QString& texte) {
    if (colonne < 1 || colonne > GrilleRef.Cols() - 3) Erreur_grille();
    GrilleRef.setTextMatrix(ligne, colonne, texte);
}

// The rows a grid can hold, whatever size a file asked for: one record per row.
int Capacite() { return std::min<int>(TailleGrille, TableMesuresMax); }

// The full grid stops the recording: on the row after the last measurement row the grid
// is saved first and the user told whether it was; a row beyond the grid (after the size
// was lowered) is refused.
bool Refus_grille_pleine() {
    if (NbLignesGrille < 1) return true;
    if (NbLignesGrille == Capacite()) {
        if (Gen::Sauve_trame_auto()) Prompts::msgBox(Lib_Langue[214], Prompts::OkOnly);
        return true;
    }
    if (NbLignesGrille > Capacite() || NbLignesGrille >= GrilleRef.Rows()) {
        Prompts::msgBox(Lib_Langue[174], Prompts::OkOnly);
        return true;
    }
    return false;
}

void Regle_sauvegarde_auto() {
    if (SauveAuto > 0 && EtapeMesure == 1 && NbLignesGrille > 1 && NbLignesGrille % SauveAuto == 1)
        Gen::Sauve_trame_auto();
}

void Regle_statistiques() {
    if (!tav().Frame(6).Visible) return;
    tav().Calcul_stat();
    Gen::Calcule_deciles();
}

// A length recorded while a calibration waits for its pointing is that pointing; no other
// value (a surface, an angle, a colour) has a length to calibrate on.
void Regle_calibrage(bool longueur) {
    if (!ModeCalibrage || !longueur) return;
    NbMesuresCalibrage += 1;
    if (TypeCalibrage < 4) Rappels::PasCalibr(0);
}

// The row number in both grids; the value column being filled becomes current.
void Numero_ligne(int ligne, int colonne) {
    MGrille.setTextMatrix(1, 0, entier(ligne));
    GrilleRef.setTextMatrix(ligne, 0, entier(ligne));
    GrilleRef.setRow(ligne);
    if (colonne >= 0 && colonne < GrilleRef.Cols()) GrilleRef.setCol(colonne);
    if (colonne >= 0 && colonne < MGrille.Cols()) MGrille.setCol(colonne);
}

// A complete row gets its image index and an empty comment.
void Fin_de_ligne(int ligne) {
    tav().bout(41).Enabled = true;
    GrilleRef.setTextMatrix(ligne, GrilleRef.Cols() - 2, entier(IndexImageActive));
    GrilleRef.setTextMatrix(ligne, GrilleRef.Cols() - 1, QString());
}

void Vide_etapes() {
    for (int i = 1; i <= 6; ++i) ValeursEtapes[i] = 0;
}

void Message_erreur(const QString& code) { Prompts::msgBox(Lib_Langue[101] + code, Prompts::OkOnly); }

// The steps every recording of a row shares. The full grid refuses the row; otherwise
// come the automatic save, the row number with column `colonne` current, the row's own
// values (`valeurs`, given the row), the displayed copy of the latest rows, the counters
// (`compteurs`), then the statistics and, for a `longueur`, the calibration count.
// `retient_etape` keeps the value column for the undo. A grid error on the way is reported
// with `code`.
void Enregistre_ligne(const char* code, int colonne, bool retient_etape, const std::function<void(int)>& valeurs,
                      const std::function<void()>& compteurs, bool longueur = false) {
    try {
        if (Refus_grille_pleine()) return;
        tav().StatusBar.Text.clear();
        Regle_sauvegarde_auto();
        if (retient_etape) EtapeDerniereMesure = EtapeMesure;
        LigneDerniereMesure = NbLignesGrille;
        const int ligne = NbLignesGrille;
        Numero_ligne(ligne, colonne);
        valeurs(ligne);
        Mstat::Recopie_Grille(NbLignesGrille);
        tav().Frame(1).Visible = true;
        compteurs();
        ChoixPopSegment = 0;
        Regle_statistiques();
        Regle_calibrage(longueur);
    } catch (const Vb::Erreur&) {
        Message_erreur(QString::fromLatin1(code));
    }
}

} // namespace

namespace Gen {

bool Sauve_trame_auto() {
    const QString chemin = Chemin_donnees(QStringLiteral("TrameSav.trm"));
    if (Ecrit_trame(chemin)) return true;
    Prompts::msgBox(Lib_Langue[144] + QStringLiteral(" :  ") + chemin, Prompts::OkOnly);
    return false;
}

} // namespace Gen

namespace Mstat {

void Ajoute_Ligne_Grille_Mesure() {
    if (CalibrageActuel == 0) Prompts::msgBox(Lib_Langue[136], Prompts::OkOnly);
    const auto valeurs = [](int ligne) {
        double v;
        if (ModeDensite) v = ValeursLigne[1];
        else if (ModePoly && EtapeMesure == 1) v = LongueurPolygone;
        else v = Rappels::Pixels_en_microns(LongueurPixels);
        Ecrit_valeur(ligne, EtapeMesure, texte_format(v, FormatDecimal));
        if (v == 0) Bip::sonner();

        if (EtapeMesure <= NbValeursLigne && EtapeMesure >= 1 && EtapeMesure <= 6) {
            ValeursEtapes[EtapeMesure] = Rappels::Pixels_en_microns(LongueurPixels);
            if (ModePoly && EtapeMesure == 1) ValeursEtapes[1] = v;
        }

        tav().bout(41).Enabled = false;
        if (FinClicDroit && EtapeMesure == CapacitePoints) EtapeMesure += 1;

        if (EtapeMesure >= NbValeursLigne) {
            Fin_de_ligne(ligne);
            const double L = ValeursEtapes[1], l = ValeursEtapes[2], e = ValeursEtapes[3];
            const int c = EtapeMesure;
            // The rule a reread applies to the row: without a length no ratio and no volume;
            // a width of 0 has no ratio and a volume of 0.
            if (NumFonction == 2 && L > 0) {
                if (l > 0) Ecrit_valeur(ligne, c + 1, texte_format(L / l, FormatDecimal));
                Ecrit_valeur(ligne, c + 2, texte_format(l * (L * l) * 3.14159 / 6, QStringLiteral("###0.0")));
            } else if (NumFonction == 3 && L > 0) {
                if (l > 0) Ecrit_valeur(ligne, c + 1, texte_format(L / l, FormatDecimal));
                if (e > 0) Ecrit_valeur(ligne, c + 2, texte_format(L / e, FormatDecimal));
            }
        }
    };
    // The row counter never passes the grid's capacity (at most 256, the last record),
    // so the counters are always left ready for the next value.
    const auto compteurs = [] {
        EtapeMesure += 1;
        if (EtapeMesure > NbValeursLigne) {
            Vide_etapes();
            NbLignesGrille += 1;
            EtapeMesure = 1;
            PointEnCours = -1;
        }
        PointEnCours += 1;
        if (PointEnCours >= CapacitePoints) {
            if (!ModeDensite) NbLignesGrille += 1;
            EtapeMesure = 1;
            PointEnCours = 0;
        }
    };
    // The density's first value is its surface.
    Enregistre_ligne("95", EtapeMesure, true, valeurs, compteurs, !ModeDensite);
}

void Ajoute_Ligne_Grille() {
    const auto valeurs = [](int ligne) {
        if (EtapeMesure >= NbValeursLigne) Fin_de_ligne(ligne);
    };
    const auto compteurs = [] {
        EtapeMesure += 1;
        if (EtapeMesure > NbValeursLigne) {
            Vide_etapes();
            EtapeMesure = 1;
            PointEnCours = -1;
        }
    };
    Enregistre_ligne("95", EtapeMesure, true, valeurs, compteurs);
}

void Ajoute_Ligne_Grille_Couleur() {
    EtapeMesure = 1;
    if (CalibrageActuel == 0) Prompts::msgBox(Lib_Langue[136], Prompts::OkOnly);
    const auto valeurs = [](int ligne) {
        CouleurLigne c;
        for (int i = 1; i <= 3; ++i) {
            c.valeurs[i - 1] = RVBMesure[i];
            c.valeurs[i + 2] = LabCouleur[i];
        }
        c.zone = TailleZone;
        Cellules_couleur(ligne, c);
        Garde_couleur(Trame(ligne), c);
        NbLignesGrille += 1;
        Fin_de_ligne(ligne);
    };
    // The colour rows obey the same full-grid rule as every other row.
    Enregistre_ligne("95_m", 1, false, valeurs, [] {});
}

void Cellules_couleur(int ligne, const CouleurLigne& c) {
    for (int i = 1; i <= 6; ++i) Ecrit_valeur(ligne, i, texte_simple(c.valeurs[i - 1]));
    Ecrit_valeur(ligne, 7, entier(c.zone));
}

void Garde_couleur(LigneTrame& t, const CouleurLigne& c) {
    t.Segments[EntreeCouleur] = SegmentTrame();
    t.Segments[EntreeCouleur + 1] = SegmentTrame();
    if (c.zone <= 0 || c.zone > 32767) return;
    std::int64_t n[6] = {};
    for (int i = 0; i < 6; ++i) {
        const double centiemes = Vb::ArrondiPair(double(c.valeurs[i]) * 100);
        // A value beyond what the file's whole numbers hold exactly keeps no value at all.
        if (!(std::fabs(centiemes) < 1e15)) return;
        n[i] = std::int64_t(centiemes);
    }
    t.Segments[EntreeCouleur] = {n[0], n[1], n[2], c.zone};
    t.Segments[EntreeCouleur + 1] = {n[3], n[4], n[5], 0};
}

std::optional<CouleurLigne> Couleur_gardee(const LigneTrame& t) {
    const SegmentTrame& a = t.Segments[EntreeCouleur];
    const SegmentTrame& b = t.Segments[EntreeCouleur + 1];
    // The zone is never 0 in a row that keeps its values.
    if (a.y2 <= 0 || a.y2 > 32767) return std::nullopt;
    CouleurLigne c;
    const std::int64_t n[6] = {a.x1, a.y1, a.x2, b.x1, b.y1, b.x2};
    for (int i = 0; i < 6; ++i) {
        if (std::llabs(n[i]) >= 1000000000000000LL) return std::nullopt;
        c.valeurs[i] = float(double(n[i]) / 100);
    }
    c.zone = int(a.y2);
    return c;
}

} // namespace Mstat

namespace BGr {

void Inscrit_mesure_grille() {
    try {
        const int ligne = NbLignesGrille;
        // The recording has refused a row the grid cannot hold; nothing is written.
        if (ligne < 1 || ligne >= Capacite() || ligne >= GrilleRef.Rows()) return;
        Tav& t = tav();
        const int cols = GrilleRef.Cols();
        bool ecrit = true;
        switch (NumFonction) {
        case 10: case 13: case 14: case 15: case 16: {
            GrilleRef.setTextMatrix(ligne, 0, entier(ligne));
            // The row holds the whole item: nothing is left under way.
            EtapeMesure = 1;
            if (NumFonction == 10) {
                NbLignesGrille += 1;
                Ecrit_valeur(ligne, 1, t.TBox(6).Text);
                // The count is kept beside the numbered point, so that a file gives it back,
                // with a mark that it is kept: a count of 0 is a count too.
                LigneTrame& tr = Trame(ligne);
                tr.Segments[1].x2 = Compte(t.TBox(6).Text);
                tr.Segments[1].y2 = 1;
                tr.Zoom = NiveauZoom;
                tr.Image = IndexImageActive;
            } else if (NumFonction == 13 || NumFonction == 14) {
                const double nb = Vb::Val(t.TBox(6).Text);
                const double s = ValeursLigne[1];
                Ecrit_valeur(ligne, 2, t.TBox(6).Text);
                // The count is kept after the surface's corners, so that a file gives it back,
                // with a mark that it is kept: a count of 0 is a count too.
                LigneTrame& tr = Trame(ligne);
                tr.Segments[2].x1 = Compte(t.TBox(6).Text);
                tr.Segments[2].y1 = 1;
                // The row is complete on the picture shown: its record names it, whatever
                // an undo of the count left there, so that a reread finds the surface's scale.
                tr.Zoom = NiveauZoom;
                tr.Image = IndexImageActive;
                // Without a surface there is no density: the cells stay empty.
                const double d = s > 0 ? nb / s : NAN;
                Ecrit_valeur(ligne, 3, texte_format(d, FormatDecimal));
                Ecrit_valeur(ligne, 4, d >= 0 ? texte_format(std::sqrt(d), FormatDecimal) : QString());
            } else if (NumFonction == 15) {
                NbLignesGrille += 1;
                Ecrit_valeur(ligne, 1, texte_plein(ValeursLigne[1]));
                Ecrit_valeur(ligne, 2, texte_plein(ValeursLigne[3]));
                Ecrit_valeur(ligne, 3, texte_plein(ValeursLigne[2]));
            } else {
                NbLignesGrille += 1;
                Ecrit_valeur(ligne, 1, texte_plein(ValeursLigne[1]));
                Ecrit_valeur(ligne, 2, texte_plein(ValeursLigne[2]));
                Ecrit_valeur(ligne, 3, texte_plein(ValeursLigne[6]));
                Ecrit_valeur(ligne, 4, texte_plein(ValeursLigne[3]));
            }
            GrilleRef.setTextMatrix(ligne, cols - 2, entier(IndexImageActive));
            t.TBox(6).Text = QStringLiteral("0");
            break;
        }
        case 11: {
            GrilleRef.setTextMatrix(ligne, 0, entier(ligne));
            Ecrit_valeur(ligne, EtapeMesure, t.TBox(6).Text);
            GrilleRef.setTextMatrix(ligne, cols - 2, entier(IndexImageActive));
            t.TBox(6).Text = QStringLiteral("0");
            EtapeMesure += 1;
            Lib_Langue[55] = Lib_Langue[202] + Lib_Langue[203];
            if (EtapeMesure >= 3) {
                // Counts add up in 32 bits: A + 2B overflows 16 bits from 10923 bosses on.
                const std::int32_t a = Vb::CLng(Gen::Val_decimal(GrilleRef.TextMatrix(ligne, 1)));
                const std::int32_t b = Vb::CLng(Gen::Val_decimal(GrilleRef.TextMatrix(ligne, 2)));
                const std::int32_t somme = Vb::CLng(double(a) + 2.0 * double(b));
                Ecrit_valeur(ligne, 3, entier(somme));
                LigneTrame& tr = Trame(ligne);
                tr.Segments[1].x2 = a;
                tr.Segments[1].y2 = b;
                tr.Zoom = NiveauZoom;
                tr.Image = IndexImageActive;
                NbLignesGrille += 1;
                EtapeMesure = 1;
                Lib_Langue[55] = Lib_Langue[202] + Lib_Langue[204];
            }
            break;
        }
        default:
            ecrit = false;
            break;
        }
        if (ecrit) GrilleRef.setColAlignment(cols - 1, 0);
        t.Frame(1).Visible = true;
    } catch (const Vb::Erreur&) {
        Message_erreur(QStringLiteral("95"));
    }
}

void Clic_comptage(short bouton, short, float x, float y) {
    try {
        Tav& t = tav();
        auto compte_un = [&t] { t.TBox(6).Text = Vb::CStr(Vb::Val(t.TBox(6).Text) + 1); };
        if (ModeDensite && EtapeMesure > 1) {
            if (bouton == 1) {
                compte_un();
                Rappels::Croix_Image(Vb::CLng(x), Vb::CLng(y));
            } else if (bouton == 2) {
                if (Refus_grille_pleine()) return;
                Inscrit_mesure_grille();
                NbLignesGrille += 1;
            }
        } else if (NumFonction == 10 || NumFonction == 11) {
            if (bouton == 1) {
                compte_un();
                short b = bouton;
                Rappels::Clic_Mesure(Vb::CLng(x), Vb::CLng(y), b, 1);
            } else if (bouton == 2) {
                if (!Refus_grille_pleine()) Inscrit_mesure_grille();
            }
            t.StatusBar.Text = Lib_Langue[207];
        }
    } catch (const Vb::Erreur&) {
        Message_erreur(QStringLiteral("95"));
    }
}

} // namespace BGr
