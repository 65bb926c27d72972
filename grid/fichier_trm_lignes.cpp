// The row step of the reader: each row is rebuilt from its record by its own function's
// rule, with the lengths converted as the reader converts every length (the distance
// between two points in image units, times the calibration of the row's image, over the
// display scale and the zoom factor).
#include "grid/fichier_trm_lignes.h"

#include <algorithm>
#include <cmath>

#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/grilles.h"
#include "base/rappels.h"
#include "base/tav.h"
#include "base/vb.h"
#include "grid/enregistrement.h"
#include "grid/etat_grille.h"
#include "grid/grille_affichage.h"

namespace Trm {

namespace {

void Ecrit_cellule(int ligne, int colonne, const QString& texte) {
    if (ligne >= 0 && ligne < GrilleRef.Rows() && colonne >= 0 && colonne < GrilleRef.Cols())
        GrilleRef.setTextMatrix(ligne, colonne, texte);
}

QString Formate(double v) { return std::isfinite(v) ? Vb::Format(v, FormatDecimal) : QString(); }
// A value cut to the display pattern, as the measures keep their values.
double Arrondi_affiche(double v) { return Gen::Val_decimal(Vb::Format(v, FormatDecimal)); }
QString Texte_plein(double v) { return std::isfinite(v) ? Vb::CStr(v) : QString(); }

struct Point {
    double x = 0, y = 0;
};
double Ecart(const Point& a, const Point& b) { return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y)); }

// Image units of picture `image` to the measuring's pixels: its resolution factor over
// the scale divisor and its display scale, which are those of the picture shown or those
// its own width gives another picture, whatever picture is on screen. None when the
// view gives no scale.
std::optional<double> Pixels_par_unite(int image) {
    FacteurZoom = std::pow(RapportZoom, NiveauZoom);
    double echelle = EchelleAffichage, kzoom = KZoomCal;
    Rappels::Echelle_image(short(image), echelle, kzoom);
    const double diviseur = echelle * DiviseurEchelle;
    if (diviseur == 0 || !std::isfinite(diviseur)) return std::nullopt;
    return kzoom / diviseur;
}

// Microns per image unit for a row of image `image`; none when the image has no
// calibration slot or the view no scale.
std::optional<double> Microns_par_unite(int image) {
    if (image < 0 || image > 50) return std::nullopt;
    const std::optional<double> p = Pixels_par_unite(image);
    if (!p) return std::nullopt;
    return *p * CalibrageImage[image];
}

bool Vide(const SegmentTrame& s) { return s == SegmentTrame(); }

// Counting "simple": the count kept beside the numbered point, marked kept; a record
// without one (a file written before counts were kept) leaves the cell empty.
void Ligne_comptage(int i, const LigneTrame& t) {
    const std::int64_t n = t.Segments[1].x2;
    Ecrit_cellule(i, 1, n != 0 || t.Segments[1].y2 != 0 ? QString::number(n) : QString());
}

// Counting "bosses": A and B kept in the first entry, then A + 2B.
void Ligne_bosses(int i, const LigneTrame& t) {
    const std::int64_t a = t.Segments[1].x2, b = t.Segments[1].y2;
    Ecrit_cellule(i, 1, QString::number(a));
    Ecrit_cellule(i, 2, QString::number(b));
    std::int64_t deux_b = 0, somme = 0;
    if (!__builtin_mul_overflow(b, 2, &deux_b) && !__builtin_add_overflow(a, deux_b, &somme))
        Ecrit_cellule(i, 3, QString::number(somme));
}

// Density: the surface from the corners of the first entry, by the measure's rule in
// image units (an ellipse of radius the diagonal and aspect |dy / dx|, or the rectangle),
// in square microns; then the count kept in the second entry, over the surface.
void Ligne_densite(int i, const LigneTrame& t) {
    const SegmentTrame& c = t.Segments[1];
    const double dx = double(c.x2) - double(c.x1), dy = double(c.y2) - double(c.y1);
    double unites = 0;
    if (NumFonction == 13) unites = dx == 0 ? 0 : Vb::Int((dx * dx + dy * dy) * std::abs(dy / dx) * 3.1416);
    else unites = std::abs(dx * dy);
    const std::optional<double> k = Microns_par_unite(t.Image);
    if (!k) return;
    const double s = unites * *k * *k;
    ValeursLigne[1] = s;
    Ecrit_cellule(i, 1, Formate(s));
    const std::int64_t n = t.Segments[2].x1;
    if (n == 0 && t.Segments[2].y1 == 0) return;  // no count kept
    Ecrit_cellule(i, 2, QString::number(n));
    const double d = s > 0 ? double(n) / s : NAN;
    Ecrit_cellule(i, 3, Formate(d));
    Ecrit_cellule(i, 4, d >= 0 ? Formate(std::sqrt(d)) : QString());
}

// Triangle: the vertices kept in the first two entries (P1 P2, then P1 P3) give the
// surface by Heron's formula, the angle at P1 and the perimeter of sides counted in whole
// pixels, each cut to the display pattern as the measure cuts them. A side too long to
// count in whole pixels leaves the perimeter empty and the row reported faulty (false).
bool Ligne_triangle(int i, const LigneTrame& t) {
    const SegmentTrame& e1 = t.Segments[1];
    const SegmentTrame& e2 = t.Segments[2];
    if (Vide(e1) && Vide(e2)) return true;  // a file written before triangles were kept
    const Point p1{double(e1.x1), double(e1.y1)}, p2{double(e1.x2), double(e1.y2)}, p3{double(e2.x2), double(e2.y2)};
    const std::optional<double> facteur = Microns_par_unite(t.Image);
    if (!facteur) return true;
    const double k = *facteur, pixels = *Pixels_par_unite(t.Image);
    const double a = k * Ecart(p1, p2), b = k * Ecart(p1, p3), c = k * Ecart(p2, p3);
    const double m = (a + b + c) / 2;
    const double s = std::sqrt(std::max(0.0, m * (m - a) * (m - b) * (m - c)));
    const double ux = p2.x - p1.x, uy = p2.y - p1.y, vx = p3.x - p1.x, vy = p3.y - p1.y;
    const double angle = std::atan2(std::abs(ux * vy - uy * vx), ux * vx + uy * vy) * 180 / 3.14159;
    double perimetre = 0;
    bool compte = true;
    for (const double cote : {Ecart(p1, p2), Ecart(p1, p3), Ecart(p2, p3)}) {
        const double enPixels = Vb::ArrondiPair(cote * pixels);
        if (!(std::fabs(enPixels) <= 2147483647.0)) compte = false;
        else perimetre += Vb::CLng(enPixels) * CalibrageImage[t.Image];
    }
    ValeursLigne[1] = Arrondi_affiche(s);
    ValeursLigne[2] = Arrondi_affiche(angle);
    ValeursLigne[3] = compte ? Arrondi_affiche(perimetre) : 0;
    Ecrit_cellule(i, 1, Texte_plein(ValeursLigne[1]));
    Ecrit_cellule(i, 2, compte ? Texte_plein(ValeursLigne[3]) : QString());
    Ecrit_cellule(i, 3, Texte_plein(ValeursLigne[2]));
    return compte;
}

// Polygon: surface and perimeter kept x 1000 in the second entry, the ratios and the mean
// radius computed from them, the row written through the recording road. The automatic
// save is held back meanwhile: a half-read grid must not replace the last automatic save.
void Ligne_polygone(int i, const LigneTrame& t) {
    ModePolygone = -1;
    NbLignesGrille = short(i);
    auto& V = ValeursLigne;
    V[1] = double(t.Segments[2].x1) / 1000.0;
    V[2] = double(t.Segments[2].y1) / 1000.0;
    V[6] = V[2] != 0 ? Arrondi_affiche(2 * V[1] / V[2]) : 0;
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

// Functions 1 to 6: every value is the length between its two points, with the spores'
// computed columns. The distance depends only on the points' differences, which are
// measured over their whole range.
void Ligne_longueurs(int i, const LigneTrame& t, int m, const bool* lus, bool calcules = true) {
    const std::optional<double> facteur = Microns_par_unite(t.Image);
    for (int k = 1; k <= m && facteur; ++k) {
        if (!lus[k]) continue;  // a value whose points the line lacks has no length
        const SegmentTrame& s = t.Segments[k];
        // No value was measured there: the other axis of a 3D spore, a pointing taken back.
        if (Vide(s)) continue;
        const double longueur = Ecart({double(s.x1), double(s.y1)}, {double(s.x2), double(s.y2)}) * *facteur;
        if (!std::isfinite(longueur)) continue;
        Ecrit_cellule(i, k, Formate(longueur));
        if (k <= 6) ValeursLigne[k] = longueur;
    }
    // A row without its length has no ratio and no volume.
    const auto& V = ValeursLigne;
    if (!calcules || V[1] <= 0) return;
    if (NumFonction == 2) {
        if (V[2] != 0) Ecrit_cellule(i, m + 1, Formate(V[1] / V[2]));
        // The volume is read back with the display pattern, like every other column.
        Ecrit_cellule(i, m + 2, Formate(V[1] * V[2] * V[2] * 3.14159 / 6));
    } else if (NumFonction == 3) {
        if (V[2] > 0) Ecrit_cellule(i, m + 1, Formate(V[1] / V[2]));
        if (V[3] > 0) Ecrit_cellule(i, m + 2, Formate(V[1] / V[3]));
    }
}

// Colour: the values the record keeps; a row recorded before they were kept shows none.
void Ligne_couleur(int i, const LigneTrame& t) {
    const std::optional<Mstat::CouleurLigne> c = Mstat::Couleur_gardee(t);
    if (!c) return;
    try {
        Mstat::Cellules_couleur(i, *c);
    } catch (const Vb::Erreur&) {
    }
}

// Row i's cells from its record by the rule of its function; `lus` says which of its
// values the record holds. False when the record is not sound.
bool Cellules_ligne(int i, const LigneTrame& t, int m, const bool* lus) {
    switch (NumFonction) {
    case 10: Ligne_comptage(i, t); break;
    case 11: Ligne_bosses(i, t); break;
    case 13:
    case 14: Ligne_densite(i, t); break;
    case 15: return Ligne_triangle(i, t);
    case 16: Ligne_polygone(i, t); break;
    case 20: Ligne_couleur(i, t); break;
    default: Ligne_longueurs(i, t, m, lus); break;
    }
    return true;
}

} // namespace

void Recalcule_lignes_image(int image) {
    // Counts, polygons and colours keep no length of the picture's coefficient.
    const bool longueurs = NumFonction >= 1 && NumFonction <= 6;
    if (!longueurs && NumFonction != 13 && NumFonction != 14 && NumFonction != 15) return;
    const auto travail = ValeursLigne;  // the item under way keeps its own values
    const int m = std::clamp<int>(NbValeursLigne, 0, 16);
    bool lus[17] = {};
    std::fill(lus + 1, lus + 1 + m, true);
    for (int r = 1; r < NbLignesGrille && r <= TableMesuresMax && r < GrilleRef.Rows(); ++r) {
        if (Trame(r).Image != image) continue;
        for (int k = 1; k <= 6; ++k) ValeursLigne[k] = 0;
        Cellules_ligne(r, Trame(r), m, lus);
    }
    ValeursLigne = travail;
}

void Recalcule_ligne_en_cours(int image) {
    // The lengths the row under way holds so far follow too, with the values its last one
    // will compute the ratio and volume from; those columns are not written yet. A chain's
    // length, the first value under "Poly", is no segment of its record, and stays.
    const bool longueurs = NumFonction >= 1 && NumFonction <= 6;
    const int n = NbLignesGrille;
    if (!longueurs || EtapeMesure < 2 || n > TableMesuresMax || n >= GrilleRef.Rows() || Trame(n).Image != image) return;
    const auto travail = ValeursLigne;
    const int m = std::clamp<int>(NbValeursLigne, 0, 16);
    bool faits[17] = {};
    std::fill(faits + 1, faits + 1 + std::min<int>(EtapeMesure - 1, m), true);
    if (ModePoly) faits[1] = false;
    for (int k = 1; k <= 6; ++k) ValeursLigne[k] = 0;
    Ligne_longueurs(n, Trame(n), m, faits, false);
    for (int k = 1; k <= 6 && k < EtapeMesure; ++k)
        if (faits[k] && Trame(n).Segments[k] != SegmentTrame()) ValeursEtapes[k] = ValeursLigne[k];
    ValeursLigne = travail;
}

bool Etape_ligne(const LigneLue& lue, bool recalcule, SuiteLignes& suite) {
    const int i = lue.rang;
    bool sain = true;
    LigneTrame& t = Trame(i);
    t = LigneTrame();
    for (int k = 1; k <= 6; ++k) ValeursLigne[k] = 0;

    if (lue.zoom) t.Zoom = *lue.zoom; else sain = false;
    if (lue.image) t.Image = *lue.image; else sain = false;
    Ecrit_cellule(i, 0, QString::number(i));

    const int m = std::clamp<int>(NbValeursLigne, 0, 16);
    // A colour row's point is all it needs: the entries after it, and the values kept
    // past them, end with the line in the files written before the values were kept.
    // It keeps every entry its line holds, to be written back as it came.
    const bool couleur = NumFonction == 20;
    const int entieres = int(std::min<size_t>(lue.points.size() / 4, 16));
    const int entrees = couleur ? std::max({m, EntreeCouleur + 1, entieres}) : m;
    if (couleur) t.EntreesLues = std::int16_t(entieres);
    bool lus[17] = {};
    for (int k = 1; k <= entrees; ++k) {
        std::int64_t c[4] = {};
        bool lu = true;
        for (int j = 0; j < 4; ++j) {
            const size_t p = size_t(4 * (k - 1) + j);
            if (p < lue.points.size() && lue.points[p]) c[j] = *lue.points[p];
            else lu = false;
        }
        if (!lu) {
            if (!(couleur && k > 1 && size_t(4 * (k - 1)) >= lue.points.size())) sain = false;
            continue;
        }
        t.Segments[k] = {c[0], c[1], c[2], c[3]};
        lus[k] = true;
    }
    if (couleur && !(lus[EntreeCouleur] && lus[EntreeCouleur + 1])) {
        // Values cut short would show as a measured black: the row keeps none of them.
        if (t.Segments[EntreeCouleur] != SegmentTrame()) sain = false;
        t.Segments[EntreeCouleur] = SegmentTrame();
        t.Segments[EntreeCouleur + 1] = SegmentTrame();
    }

    if (recalcule) sain = Cellules_ligne(i, t, m, lus) && sain;
    // Row i's line holds the closed flag of the polygon of row i - 1.
    if (NumFonction == 16 && i >= 2) suite.polygoneFerme = t.Segments[2].x2 != 0;
    Ecrit_cellule(i, GrilleRef.Cols() - 2, QString::number(t.Image));
    return sain;
}

} // namespace Trm

namespace Gen {

void Calibre_image(int image, double coefficient) {
    if (image < 0 || image > 50) throw Vb::Erreur(Vb::ErrIndice, "Subscript out of range");
    if (CalibrageImage[image] == coefficient) return;
    CalibrageImage[image] = coefficient;
    // The grid shows at once what a refresh, or a save and a load, would give its rows.
    Trm::Recalcule_lignes_image(image);
    Trm::Recalcule_ligne_en_cours(image);
    Mstat::Recopie_Grille(NbLignesGrille);
    Tav::instance()->Calcul_stat();
}

std::vector<std::pair<int, double>> Facteurs_lignes() {
    std::vector<std::pair<int, double>> facteurs;
    for (int r = 1; r < NbLignesGrille && r <= TableMesuresMax; ++r) {
        const int image = Trame(r).Image;
        if (std::any_of(facteurs.begin(), facteurs.end(), [image](const auto& f) { return f.first == image; })) continue;
        double echelle = EchelleAffichage, kzoom = KZoomCal;
        Rappels::Echelle_image(short(image), echelle, kzoom);
        facteurs.emplace_back(image, kzoom);
    }
    return facteurs;
}

void Recalcule_lignes(const std::vector<std::pair<int, double>>& avant) {
    bool change = false;
    for (const auto& [image, kzoom] : avant) {
        double echelle = EchelleAffichage, maintenant = KZoomCal;
        Rappels::Echelle_image(short(image), echelle, maintenant);
        if (maintenant == kzoom) continue;
        Trm::Recalcule_lignes_image(image);
        Trm::Recalcule_ligne_en_cours(image);
        change = true;
    }
    if (!change) return;
    Mstat::Recopie_Grille(NbLignesGrille);
    Tav::instance()->Calcul_stat();
}

} // namespace Gen
