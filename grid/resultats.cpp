// The results text and the results panel, built from the statistics grid (rows 1 to 7
// from the grid statistics, rows 8 to 11 from the deciles) and the per-column arrays.
#include "grid/resultats.h"

#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/messages.h"
#include "base/tav.h"
#include "base/vb.h"
#include "grid/deciles.h"
#include "grid/etat_grille.h"
#include "base/grilles.h"
#include "base/etat_partage.h"
#include "platform/waits.h"

namespace {

// The notation menu's built-in captions, for a menu whose captions were never set.
const char* const LegendesNotation[] = {"", "D1,9", "D1,5,9", "m ± sigma", "m ±1.96 sigma", "d1, Dominante, d9"};

QString Legende_notation(short k) {
    const QString legende = Tav::instance()->NoTexp(k).Caption;
    return !legende.isEmpty() ? legende : QString::fromUtf8(LegendesNotation[k]);
}

// The tags of the single-column lines and of the length x width lines, by notation.
QString Balise(short k, bool lxl) {
    switch (k) {
    case 1: return QStringLiteral(" ;D1,9; (");
    case 2: return QStringLiteral(" ;D1,5,9; (");
    case 3: return QStringLiteral(" ; m ± sigma ; (");
    case 4: return QStringLiteral(" ; m ± 1.96 sigma; (");
    case 5: return lxl ? QStringLiteral(" ; dMd; (") : QStringLiteral(" ; dMd ; (");
    default: return QString();
    }
}

QString Cellule(const Grille& g, int r, int c) {
    if (r < 0 || r >= g.Rows() || c < 0 || c >= g.Cols()) return QString();
    return g.TextMatrix(r, c);
}

// A statistics cell as the lines show it: a number reformatted with the pattern, any
// other text (titles, row lists, an empty cell) unchanged.
QString Formatee(int r, int c, const QString& motif) {
    const QString t = Cellule(GrilleRefP, r, c);
    double v = 0;
    return Gen::Nombre_lu(t, v) ? Vb::Format(v, motif) : t;
}
QString Formatee(int r, int c) { return Formatee(r, c, FormatDecimal); }

// The per-column arrays hold result columns 1 to 8.
double Colonne(const ValeursColonnes& tableau, int c) { return c >= 0 && c <= 8 ? tableau[c] : 0.0; }
QString Effectif(int c) { return Vb::CStr(Colonne(EffectifCol, c)); }

// The body of column c in notation k: min ")" the notation's values "(" max ")".
QString Corps(short k, short c) {
    const QString d1 = Formatee(9, c), mediane = Formatee(10, c), d9 = Formatee(11, c);
    QString milieu;
    switch (k) {
    case 1: milieu = d1 + QLatin1Char('-') + d9; break;
    case 2: milieu = d1 + QLatin1Char('-') + mediane + QLatin1Char('-') + d9; break;
    case 3:
    case 4: {
        const double m = Gen::Val_decimal(Cellule(GrilleRefP, 1, c));
        const double s = Gen::Val_decimal(Cellule(GrilleRefP, 4, c)) * (k == 4 ? 1.96 : 1.0);
        milieu = Vb::Format(m - s, FormatDecimal) + QLatin1Char('-') + Vb::Format(m + s, FormatDecimal);
        break;
    }
    case 5: milieu = d1 + QLatin1Char('-') + Vb::CStr(Gen::Stat_colonne(c)) + QLatin1Char('-') + d9; break;
    default: break;
    }
    return Formatee(2, c) + QLatin1Char(')') + milieu + QLatin1Char('(') + Formatee(3, c) + QLatin1Char(')');
}

// One line of the statistics table: every column, the volume column of spores 2D with
// one decimal.
QString Ligne_tableau(int r) {
    QString ligne;
    for (int c = 0; c < GrilleRefP.Cols(); ++c) {
        if (NumFonction == 2 && c == 4) ligne += Formatee(r, c, QStringLiteral("###0.0")) + QLatin1Char(' ');
        else ligne += Formatee(r, c) + QLatin1Char('\t');
    }
    return ligne;
}

} // namespace

namespace Gen {

QString Texte_colonne(short k, short c) { return QStringLiteral(" (") + Corps(k, c); }

QString Texte_notation(short k, short c) {
    return Cellule(GrilleRef, 0, c) + QStringLiteral(" : N= ") + Effectif(c) + Balise(k, false) + Corps(k, c);
}

QString Texte_notation_LxL(short k) {
    const QString prefixe = (k == 3 || k == 4) ? QStringLiteral("Lxl:N= ") : QStringLiteral("Lxl: N= ");
    return prefixe + Effectif(1) + Balise(k, true) + Corps(k, 1) + QStringLiteral(" x ") + QLatin1Char('(') +
           Corps(k, 2);
}

QString Texte_resultats() {
    Tav& tav = *Tav::instance();
    tav.Calcul_stat();
    Calcule_deciles();

    short k = 5;
    for (short i = 1; i <= 5; ++i)
        if (tav.NoTexp(i).Checked) {
            k = i;
            break;
        }
    // D1 and D9 exist only from 11 values on.
    if (NbLignesGrille < 12) k = 3;

    QStringList libelles;
    switch (NumFonction) {
    case 1: return Texte_notation(k, 1);
    case 2: return Texte_notation_LxL(k);
    case 3:
        libelles = {QStringLiteral("Longueur :"), QStringLiteral("largeur : "), QStringLiteral("Epaisseur : "),
                    QStringLiteral("Q : "), QStringLiteral("L : ")};
        break;
    case 4: case 5: case 6:
        libelles = {QStringLiteral("Longueur :"), QStringLiteral("Base : "), QStringLiteral("Col : "),
                    QStringLiteral("L + : "), QStringLiteral("L ++ : ")};
        libelles = libelles.mid(0, NumFonction - 1);
        break;
    case 15:
        libelles = {QStringLiteral("Surface :"), QStringLiteral("périmètre : "), QStringLiteral("Angle : ")};
        break;
    case 16:
        libelles = {QStringLiteral("Surface :"), QStringLiteral("périmètre : "), QStringLiteral("Rm : "),
                    QStringLiteral("F : ")};
        break;
    default: return QString();
    }
    QString texte = QStringLiteral("Notation ") + Legende_notation(k) + QStringLiteral(" ; N = ") + Effectif(1) + SautLigne;
    for (int i = 0; i < libelles.size(); ++i) texte += libelles[i] + Texte_colonne(k, short(i + 1)) + SautLigne;
    return texte;
}

void Affiche_resultats() {
    Tav& tav = *Tav::instance();
    if (NbLignesGrille < 11) {
        tav.Flash_ouvre(Lib_Langue[187]);
        Waits::processEvents();
    }
    tav.Frame(12).Visible = true;
    tav.Flash_ferme(1);

    Controle& cadre = tav.Frame(12);
    cadre.Width = 6000;
    cadre.Height = 4200;
    cadre.Left = tav.Picture1.Left + 100;
    cadre.Top = tav.Picture1.Top + tav.Picture1.Height - 4200;
    tav.bout(43).Left = 200;
    tav.bout(43).Top = 200;
    tav.bout(37).Left = 1100;
    tav.bout(37).Top = 200;
    tav.bout(38).Left = 2000;
    tav.bout(38).Top = 200;
    Controle& boite = tav.TBox(8);
    boite.Visible = true;
    boite.Left = 0;
    boite.Top = 600;
    boite.Width = cadre.Width;
    boite.Height = cadre.Height - tav.bout(37).Top - 500;

    tav.Calcul_stat();
    Calcule_deciles();

    QString t = Lib_Langue[71] + Nom_fichier(NomImageActive) + SautLigne;
    if (!FichierCSVImporte.isEmpty()) t += QStringLiteral("CSV importé : ") + Nom_fichier(FichierCSVImporte) + SautLigne;
    for (short c = 1; c <= NbColonnesStat; ++c)
        t += SautLigne + Cellule(GrilleRefP, 0, c) + QStringLiteral(" : ") + QLatin1Char('\t') + QStringLiteral("N =") +
             Effectif(c) + QStringLiteral(" ; dMd ; (") + Cellule(GrilleRefP, 2, c) + QLatin1Char(')') +
             Vb::CStr(Colonne(Decile1Col, c)) + QStringLiteral(" - ") + Vb::CStr(Stat_colonne(c)) +
             QStringLiteral(" - ") + Vb::CStr(Colonne(Decile9Col, c)) + QLatin1Char('(') +
             Cellule(GrilleRefP, 3, c) + QLatin1Char(')');
    t += SautLigne + SautLigne;
    for (int r = 0; r <= 7; ++r) t += Ligne_tableau(r) + SautLigne;
    if (NbLignesGrille > 10) t += Ligne_tableau(10) + SautLigne;
    if (NumFonction == 3) {
        if (ValeursLigne[0] > 0)
            t += QStringLiteral("Vol. Approx.3D = ") + Vb::Format(ValeursLigne[0], FormatDecimal) +
                 QStringLiteral("  Sigma_Vol = ") + Vb::Format(ValeursLigne[1], FormatDecimal);
        else
            t += QStringLiteral("Vol. Approx.3D = NC ");
    }
    t += SautLigne + Texte_resultats() + SautLigne;
    boite.Text = t;
}

} // namespace Gen
