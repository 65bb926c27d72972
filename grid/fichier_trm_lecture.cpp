// Applying a measurement file read by Trm::Analyse_trame: the header keys, the images
// and their calibrations, the comments, and every row rebuilt from its clicked points.
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
#include "grid/fichier_trm_analyse.h"
#include "grid/fonction.h"
#include "base/grilles.h"
#include "grid/lecture_commune.h"
#include "base/etat_partage.h"
#include "platform/prompts.h"
#include "platform/textfile.h"

static_assert(Trm::LignesMax == TableMesuresMax - 1, "the parser's rows are the records' rows");

namespace {

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

// One row as the file gives it: the record's zoom level and image, then four
// coordinates per value, the lengths recomputed from them and the computed columns.
// False when a field the function needs was missing or unsound.
bool Etape_ligne(const Trm::LigneLue& lue, bool recalcule) {
    const int i = lue.rang;
    bool sain = true;
    LigneTrame& t = Trame(i);
    t = LigneTrame();
    for (int k = 1; k <= 6; ++k) ValeursLigne[k] = 0;

    if (lue.zoom) t.Zoom = *lue.zoom; else sain = false;
    if (lue.image) t.Image = *lue.image; else sain = false;
    Ecrit_cellule(i, 0, QString::number(i));

    const int m = std::clamp<int>(NbValeursLigne, 0, 16);
    for (int k = 1; k <= m; ++k) {
        std::int32_t c[4] = {};
        bool lu = true;
        for (int j = 0; j < 4; ++j) {
            const size_t p = size_t(4 * (k - 1) + j);
            if (p < lue.points.size() && lue.points[p]) c[j] = *lue.points[p];
            else lu = false;
        }
        if (!lu) {
            sain = false;
            continue;
        }
        SegmentTrame& s = t.Segments[k];
        s.x1 = c[0];
        s.y1 = c[1];
        s.x2 = c[2];
        s.y2 = c[3];
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
            // The volume is read back with the display pattern, like every other column.
            Ecrit_cellule(i, m + 2, Formate(V[1] * V[2] * V[2] * 3.14159 / 6, FormatDecimal));
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
    QStringList lignes;
    if (!TextFile::readLines(fichier, lignes)) return;
    Lecture::Echelle_calibrage_fichier();
    FichierSource = Nom_fichier(fichier);

    const Trm::Lecture lu = Trm::Analyse_trame(lignes, {GrilleRef.Rows(), TailleGrille});
    int premiereFaute = Analyse::Premiere_ligne(lu.problemes);
    Tav& tav = *Tav::instance();
    int lues = 0;  // rows of the last row block

    for (const Trm::Element& e : lu.elements) {
        switch (e.cle) {
        case Trm::Cle::Indpres:
            if ((e.entier != 0) != (IndResolution != 0)) {
                Prompts::msgBox(Lib_Langue[176], Prompts::OkOnly);
                statut = 1;
                return;
            }
            RAZ_grille(statut);
            break;
        case Trm::Cle::NbLgMax:
            TailleGrille = short(e.entier);
            GrilleRef.setRows(TailleGrille + 1);
            for (int k = 0; k <= 2; ++k) tav.TgrilleMax(k).Checked = (64 << k) == e.entier;
            break;
        case Trm::Cle::Fonction:
            NumFonction = short(e.entier);
            // The colour function is laid out too, so its rows land in its own columns.
            PGr::Choix_fonction();
            break;
        case Trm::Cle::Calibrage:
            for (size_t i = 0; i < e.reels.size(); ++i) CalibrageImage[i + 1] = e.reels[i];
            break;
        case Trm::Cle::Pctsw: {
            const float largeur = float(tav.Picture1.ScaleWidth);
            if (float(e.reel) != largeur) {
                Prompts::msgBox(Lib_Langue[210], Prompts::OkOnly);
                if (largeur > 0)
                    for (int i = 1; i <= std::min<int>(int(e.entier), 50); ++i)
                        CalibrageImage[i] = float(e.reel) * CalibrageImage[i] / largeur;
            }
            break;
        }
        case Trm::Cle::Images:
            ListIMGchar.Clear();
            for (QString l : e.textes) ListIMGchar.AddItem(Rappels::Cherche_image(l));
            break;
        case Trm::Cle::Commentaires:
            for (const Trm::Commentaire& c : e.commentaires) Ecrit_cellule(c.rang, GrilleRef.Cols() - 1, c.texte);
            break;
        case Trm::Cle::Lignes: {
            const bool recalcule = NumFonction != 0 && NumFonction != 20 &&
                                   Declarations::NombreColonnes(NumFonction) > 0;
            for (const Trm::LigneLue& l : e.lignes)
                if (!Etape_ligne(l, recalcule) && (premiereFaute == 0 || l.ligne < premiereFaute))
                    premiereFaute = l.ligne;
            lues = int(e.lignes.size());
            break;
        }
        }
    }

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

    if (premiereFaute) Lecture::Signale_faute(fichier, premiereFaute);
}

} // namespace Gen
