// Reading a measurement file back into the grid: the header keys, the images and their
// calibrations, the comments, and every row rebuilt from its clicked points.
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "base/declarations.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/messages.h"
#include "base/tav.h"
#include "base/vb.h"
#include "base/rappels.h"
#include "grid/effacement.h"
#include "grid/enregistrement.h"
#include "grid/etat_grille.h"
#include "grid/fichier_trm.h"
#include "grid/fonction.h"
#include "base/grilles.h"
#include "grid/lecture_commune.h"
#include "base/etat_partage.h"
#include "platform/prompts.h"
#include "platform/textfile.h"

namespace {

using Lecture::Entier_lu;
using Lecture::Nombre_lu;

// The lines of the file with a cursor, and the first line found unsound (1-based).
struct Fichier {
    QStringList lignes;
    int pos = 0;
    int premiereFaute = 0;

    bool fin() const { return pos >= lignes.size(); }
    // The next line; false at the end of the file, which is a fault where a line was due.
    bool suivante(QString& ligne) {
        if (fin()) {
            faute(pos + 1);
            return false;
        }
        ligne = lignes[pos++];
        return true;
    }
    void faute(int numero) {
        if (premiereFaute == 0) premiereFaute = numero;
    }
};

// The Boolean of "INDPRES=": True or False (in either language), or a number, non-zero
// being True.
bool Booleen_lu(const QString& texte, short& drapeau) {
    const QString t = texte.trimmed().toLower();
    if (t == QLatin1String("true") || t == QLatin1String("vrai")) { drapeau = -1; return true; }
    if (t == QLatin1String("false") || t == QLatin1String("faux")) { drapeau = 0; return true; }
    double v = 0;
    if (!Nombre_lu(t, v)) return false;
    drapeau = v != 0 ? -1 : 0;
    return true;
}

bool Court(long long v) { return v >= -32768 && v <= 32767; }

// The length behind one segment as the measuring service computes it. The service takes
// 16-bit picture coordinates; as the distance depends only on the differences, points
// beyond that range are measured from their differences. False when even they do not fit.
bool Distance_segment(const SegmentTrame& s, double& d) {
    if (Court(s.x1) && Court(s.y1) && Court(s.x2) && Court(s.y2)) {
        d = Rappels::Distance_points(short(s.x1), short(s.y1), short(s.x2), short(s.y2));
        return true;
    }
    const long long dx = static_cast<long long>(s.x2) - s.x1, dy = static_cast<long long>(s.y2) - s.y1;
    if (!Court(dx) || !Court(dy)) return false;
    d = Rappels::Distance_points(0, 0, short(dx), short(dy));
    return true;
}

void Ecrit_cellule(int ligne, int colonne, const QString& texte) {
    if (ligne >= 0 && ligne < GrilleRef.Rows() && colonne >= 0 && colonne < GrilleRef.Cols())
        GrilleRef.setTextMatrix(ligne, colonne, texte);
}

QString Formate(double v, const QString& motif) { return Vb::Format(v, motif); }
double Arrondi_affiche(double v) { return Gen::Val_decimal(Vb::Format(v, FormatDecimal)); }

// The polygon row as the surface measure records it: area and perimeter kept ×1000 in
// segment 2 of the record, the ratios computed from them, the row written through the
// recording road. The automatic save is held back meanwhile: a half-read grid must not
// replace the last automatic save.
void Ligne_polygone(int i) {
    ModePolygone = -1;
    PolygoneCercles = -1;
    NbLignesGrille = short(i);
    const SegmentTrame s2 = Trame(NbLignesGrille).Segments[2];
    auto& V = ValeursLigne;
    V[1] = s2.x1 / 1000.0;
    V[2] = s2.y1 / 1000.0;
    if (V[1] != 0) {
        V[3] = Arrondi_affiche(V[2] / V[1]);
        V[4] = Arrondi_affiche(V[2] * V[2] / (4 * V[1] * 3.1416));
        V[5] = V[4] - 1;
    } else {
        V[3] = 0;
    }
    for (int k = 1; k <= 3; ++k) V[k] = Arrondi_affiche(V[k]);
    const short sauve = SauveAuto;
    SauveAuto = 0;
    EtapeMesure = 1;
    Mstat::Ajoute_Ligne_Grille();
    BGr::Inscrit_mesure_grille();
    SauveAuto = sauve;
}

// One row line: the record's zoom level and image, then four coordinates per value, the
// lengths recomputed from them and the computed columns. False when a field was unsound.
bool Etape_ligne(int i, const QString& ligne, bool recalcule) {
    QString reste = ligne;
    auto champ = [&reste](QString& valeur) {
        const qsizetype p = reste.indexOf(QLatin1Char(';'));
        if (p < 0) return false;
        valeur = reste.left(p).trimmed();
        reste = reste.mid(p + 1);
        return true;
    };
    bool sain = true;
    LigneTrame& t = Trame(i);
    t = LigneTrame();
    for (int k = 1; k <= 6; ++k) ValeursLigne[k] = 0;

    QString texte;
    long long v = 0;
    if (champ(texte) && Entier_lu(texte, -32768, 32767, v)) t.Zoom = std::int16_t(v); else sain = false;
    if (champ(texte) && Entier_lu(texte, -32768, 32767, v)) t.Image = std::int16_t(v); else sain = false;
    Ecrit_cellule(i, 0, QString::number(i));

    const int m = std::clamp<int>(NbValeursLigne, 0, 16);
    for (int k = 1; k <= m; ++k) {
        long long c[4] = {};
        bool lu = true;
        for (long long& x : c)
            if (!(champ(texte) && Entier_lu(texte, -2147483648.0, 2147483647.0, x))) lu = false;
        if (!lu) {
            sain = false;
            continue;
        }
        SegmentTrame& s = t.Segments[k];
        s.x1 = std::int32_t(c[0]);
        s.y1 = std::int32_t(c[1]);
        s.x2 = std::int32_t(c[2]);
        s.y2 = std::int32_t(c[3]);
        if (!recalcule) continue;
        FacteurZoom = std::pow(RapportZoom, NiveauZoom);
        const double diviseur = EchelleAffichage * FacteurZoom;
        double d = 0;
        if (t.Image < 0 || t.Image > 50 || diviseur == 0 || !Distance_segment(s, d)) continue;
        const double longueur = d * CalibrageImage[t.Image] / diviseur;
        if (!std::isfinite(longueur)) continue;
        Ecrit_cellule(i, k, Formate(longueur, FormatDecimal));
        if (k <= 6) ValeursLigne[k] = longueur;
    }

    if (recalcule) {
        const auto& V = ValeursLigne;
        switch (NumFonction) {
        case 2:
            if (V[2] != 0) Ecrit_cellule(i, m + 1, Formate(V[1] / V[2], FormatDecimal));
            // The volume column keeps one decimal, as recording and the statistics show it.
            Ecrit_cellule(i, m + 2, Formate(V[1] * V[2] * V[2] * 3.14159 / 6, QStringLiteral("###0.0")));
            break;
        case 3:
            if (V[2] > 0) Ecrit_cellule(i, m + 1, Formate(V[1] / V[2], FormatDecimal));
            if (V[3] > 0) Ecrit_cellule(i, m + 2, Formate(V[1] / V[3], FormatDecimal));
            break;
        case 16:
            Ligne_polygone(i);
            break;
        default:
            break;
        }
    }

    if (NbLignesGrille >= 0 && NbLignesGrille <= TableMesuresMax)
        PolygoneCercles = Trame(NbLignesGrille).Segments[2].x2 != 0 ? -1 : 0;
    Ecrit_cellule(i, GrilleRef.Cols() - 2, QString::number(t.Image));
    return sain;
}

} // namespace

namespace Gen {

void Lit_trame(const QString& chemin, short& statut) {
    const QString fichier = chemin.isEmpty() ? Chemin_donnees(QStringLiteral("mesure.trm")) : chemin;
    // A missing file leaves the grid as it is: nothing is there to replace it.
    if (!Fichier_existe(fichier, QStringLiteral("fichier trame absent "), 1)) return;
    Fichier f;
    if (!TextFile::readLines(fichier, f.lignes)) return;
    Lecture::Echelle_calibrage_fichier();
    FichierSource = Nom_fichier(fichier);

    Tav& tav = *Tav::instance();
    int nbImages = 0;
    int nbLignes = 1;      // NBLIGNES + 1, the row count the file announces
    int lues = 0;          // rows actually read
    bool trameVue = false;

    while (!f.fin()) {
        const QString ligne = f.lignes[f.pos++];
        const int numero = f.pos;
        if (ligne.trimmed().isEmpty()) continue;
        const qsizetype egal = ligne.indexOf(QLatin1Char('='));
        if (egal < 0) {
            // Only "FIN" stands without a key: any other such line is a block whose key
            // line was lost (an image path, a calibration, a row), so the file is not sound.
            if (ligne.trimmed() != QLatin1String("FIN")) f.faute(numero);
            continue;
        }
        const QString cle = ligne.left(egal).trimmed().toUpper();
        const QString valeur = ligne.mid(egal + 1).trimmed();
        long long n = 0;
        double x = 0;

        if (cle == QLatin1String("INDPRES")) {
            short drapeau = 0;
            if (!Booleen_lu(valeur, drapeau)) { f.faute(numero); continue; }
            if ((drapeau != 0) != (IndResolution != 0)) {
                Prompts::msgBox(Lib_Langue[176], Prompts::OkOnly);
                statut = 1;
                return;
            }
            RAZ_grille(statut);
        } else if (cle == QLatin1String("NBIMAGES")) {
            if (Entier_lu(valeur, 0, 32767, n)) nbImages = int(n); else f.faute(numero);
        } else if (cle == QLatin1String("NBLGMAX")) {
            // Only the grid sizes the program offers: any other would not fit the records.
            // The grid takes the size at once, whatever line comes next, so that the rows
            // read never outnumber the size the file is saved with; a size too small for
            // the rows already read is refused.
            if (Entier_lu(valeur, 64, 256, n) && (n == 64 || n == 128 || n == 256) && n > lues) {
                TailleGrille = short(n);
                GrilleRef.setRows(TailleGrille + 1);
                for (int k = 0; k <= 2; ++k) tav.TgrilleMax(k).Checked = (64 << k) == n;
            } else {
                f.faute(numero);
            }
        } else if (cle == QLatin1String("NBLIGNES")) {
            if (Nombre_lu(valeur, x) && x >= 0 && x < 32767) nbLignes = Vb::CInt(x + 1);
            else f.faute(numero);
        } else if (cle == QLatin1String("FONCTION")) {
            if (!Entier_lu(valeur, 0, 25, n)) { f.faute(numero); continue; }
            NumFonction = short(n);
            // The colour function is laid out too, so its rows land in its own columns.
            PGr::Choix_fonction();
        } else if (cle == QLatin1String("CALIBRAGE")) {
            for (int i = 1; i <= nbImages; ++i) {
                // A line that is no number is no calibration: the block ends before it.
                if (!f.fin() && !Nombre_lu(f.lignes[f.pos], x)) {
                    f.faute(f.pos + 1);
                    break;
                }
                QString l;
                if (!f.suivante(l)) break;
                if (i <= 50) CalibrageImage[i] = x;
            }
        } else if (cle == QLatin1String("PCTSW")) {
            if (!Nombre_lu(valeur, x) || x <= 0) { f.faute(numero); continue; }
            const float largeur = float(tav.Picture1.ScaleWidth);
            if (float(x) != largeur) {
                Prompts::msgBox(Lib_Langue[210], Prompts::OkOnly);
                if (largeur > 0)
                    for (int i = 1; i <= std::min(nbImages, 50); ++i)
                        CalibrageImage[i] = float(x) * CalibrageImage[i] / largeur;
            }
        } else if (cle == QLatin1String("IMAGES")) {
            ListIMGchar.Clear();
            for (int i = 1; i <= nbImages; ++i) {
                QString l;
                if (!f.suivante(l)) break;
                if (l.trimmed().isEmpty()) continue;
                if (ListIMGchar.ListCount() >= 50) { f.faute(f.pos); continue; }
                ListIMGchar.AddItem(Rappels::Cherche_image(l));
            }
        } else if (cle == QLatin1String("COMMENT")) {
            for (int i = 1; i <= nbLignes - 1; ++i) {
                // Every comment line holds its row number and ";": a line without one
                // ("FIN" when the row count says more than the file holds) ends the block.
                if (!f.fin() && !f.lignes[f.pos].contains(QLatin1Char(';'))) {
                    f.faute(f.pos + 1);
                    break;
                }
                QString l;
                if (!f.suivante(l)) break;
                const qsizetype p = l.indexOf(QLatin1Char(';'));
                Ecrit_cellule(i, GrilleRef.Cols() - 1, l.mid(p + 1).trimmed());
            }
        } else if (cle == QLatin1String("TRAME")) {
            trameVue = true;
            const bool recalcule = NumFonction != 0 && NumFonction != 20 &&
                                   Declarations::NombreColonnes(NumFonction) > 0;
            // One title row and one spare row: the rest holds measurements.
            const int capacite = std::min(GrilleRef.Rows() - 2, TableMesuresMax - 1);
            lues = 0;
            for (int i = 1; i <= nbLignes - 1; ++i) {
                // The rows end with the file, or at a blank line: neither is a row.
                if (f.fin() || f.lignes[f.pos].trimmed().isEmpty()) {
                    f.faute(f.pos + 1);
                    break;
                }
                const QString l = f.lignes[f.pos++];
                if (i > capacite) {
                    f.faute(f.pos);
                    break;
                }
                if (!Etape_ligne(i, l, recalcule)) f.faute(f.pos);
                lues = i;
            }
        }
    }
    // Every measurement file ends with its row block, even of no row: a file without one
    // (empty, cut short, or no measurement file at all) is said to be unsound.
    if (!trameVue) f.faute(int(f.lignes.size()) + 1);

    NbLignesGrille = short(lues + 1);
    EtapeMesure = 1;
    PointEnCours = 0;
    // Rows past those read hold nothing, not even a comment of a row that never came.
    for (int r = NbLignesGrille; r < GrilleRef.Rows(); ++r)
        for (int c = 1; c < GrilleRef.Cols(); ++c) GrilleRef.setTextMatrix(r, c, QString());

    ListImgAff.Clear();
    ListImgIdx.Clear();
    for (int k = 0; k < ListIMGchar.ListCount(); ++k) {
        ListImgAff.AddItem(ListIMGchar.List(k));
        ListImgIdx.AddItem(QString::number(k));
        if (k <= 50) ImageMC[k] = 0;
    }
    if (NumFonction == 20) Rappels::Init_Couleur();

    if (f.premiereFaute) Lecture::Signale_faute(fichier, f.premiereFaute);
}

} // namespace Gen
