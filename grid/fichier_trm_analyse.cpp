#include "grid/fichier_trm_analyse.h"

#include <algorithm>

#include "base/gen.h"
#include "base/vb.h"

namespace Trm {

namespace {

using Gen::Entier_lu;
using Gen::Nombre_lu;

// The lines with a cursor, and the problems found on the way.
struct Curseur {
    const QStringList& lignes;
    Analyse::Problemes& problemes;
    int pos = 0;

    bool fin() const { return pos >= lignes.size(); }
    // The line after the cursor, left there.
    const QString& prochaine() const { return lignes[pos]; }
    // The next line; false at the end of the file, which is a fault where a line was due.
    bool suivante(QString& ligne, const char* motif) {
        if (fin()) {
            faute(pos + 1, motif);
            return false;
        }
        ligne = lignes[pos++];
        return true;
    }
    void faute(int numero, const char* motif) { problemes.push_back({numero, QString::fromLatin1(motif)}); }
};

// The Boolean of "INDPRES=": True or False (in either language), or a number, non-zero
// being True.
bool Booleen_lu(const QString& texte, long long& drapeau) {
    const QString t = texte.trimmed().toLower();
    if (t == QLatin1String("true") || t == QLatin1String("vrai")) { drapeau = -1; return true; }
    if (t == QLatin1String("false") || t == QLatin1String("faux")) { drapeau = 0; return true; }
    double v = 0;
    if (!Nombre_lu(t, v)) return false;
    drapeau = v != 0 ? -1 : 0;
    return true;
}

// A field of the record: a plain decimal integer is read exactly over the 64 bits; any
// other number form (a decimal part, an exponent) as a number, rounded half to even.
std::optional<std::int64_t> Champ_lu(const QString& valeur) {
    const QString t = valeur.trimmed();
    bool ok = false;
    const qlonglong n = t.toLongLong(&ok, 10);
    if (ok) return std::int64_t(n);
    long long v = 0;
    if (Entier_lu(t, -9.2e18, 9.2e18, v)) return std::int64_t(v);
    return std::nullopt;
}

// The fields of a row line: every piece the line closes with a ";", trimmed; the text
// after the last ";" is no field.
LigneLue Ligne_lue(const QString& texte, int ligne, int rang) {
    LigneLue r;
    r.ligne = ligne;
    r.rang = rang;
    qsizetype debut = 0;
    int champ = 0;
    for (;;) {
        const qsizetype p = texte.indexOf(QLatin1Char(';'), debut);
        if (p < 0 || champ >= 2 + PointsMax) break;
        const QString valeur = texte.mid(debut, p - debut);
        debut = p + 1;
        long long v = 0;
        if (champ < 2) {
            // An image beyond the list's 50 places is as damaged as a field that does not
            // convert: no calibration slot, no place in the list.
            std::optional<std::int16_t> lu;
            if (Entier_lu(valeur, champ == 0 ? -32768 : 0, champ == 0 ? 32767 : 50, v)) lu = std::int16_t(v);
            (champ == 0 ? r.zoom : r.image) = lu;
        } else {
            r.points.push_back(Champ_lu(valeur));
        }
        ++champ;
    }
    return r;
}

} // namespace

Lecture Analyse_trame(const QStringList& lignes, const Contexte& contexte) {
    Lecture lu;
    Curseur f{lignes, lu.problemes};
    int nbImages = 0;
    int nbLignes = 1;  // NBLIGNES + 1, the row count the file announces
    int lues = 0;      // rows of the last row block
    int lignesGrille = contexte.lignesGrille;
    int taille = contexte.tailleGrille;
    bool trameVue = false;

    while (!f.fin()) {
        const QString ligne = lignes[f.pos++];
        const int numero = f.pos;
        if (ligne.trimmed().isEmpty()) continue;
        const qsizetype egal = ligne.indexOf(QLatin1Char('='));
        if (egal < 0) {
            // Only "FIN" stands without a key: any other such line is a block whose key
            // line was lost (an image path, a calibration, a row), so the file is not sound.
            if (ligne.trimmed() != QLatin1String("FIN")) f.faute(numero, "ligne sans clé");
            continue;
        }
        const QString cle = ligne.left(egal).trimmed().toUpper();
        const QString valeur = ligne.mid(egal + 1).trimmed();
        long long n = 0;
        double x = 0;
        Element e{};
        e.ligne = numero;

        if (cle == QLatin1String("INDPRES")) {
            if (!Booleen_lu(valeur, n)) { f.faute(numero, "INDPRES illisible"); continue; }
            e.cle = Cle::Indpres;
            e.entier = n;
        } else if (cle == QLatin1String("NBIMAGES")) {
            if (Entier_lu(valeur, 0, 32767, n)) nbImages = int(n); else f.faute(numero, "NBIMAGES illisible");
            continue;
        } else if (cle == QLatin1String("NBLGMAX")) {
            // Only the grid sizes the program offers: any other would not fit the records.
            // The grid takes the size at once, whatever line comes next, so that the rows
            // read never outnumber the size the file is saved with; a size too small for
            // the rows already read is refused.
            if (!(Entier_lu(valeur, 64, 256, n) && (n == 64 || n == 128 || n == 256) && n > lues)) {
                f.faute(numero, "NBLGMAX hors des tailles");
                continue;
            }
            taille = int(n);
            lignesGrille = taille + 1;
            e.cle = Cle::NbLgMax;
            e.entier = n;
        } else if (cle == QLatin1String("NBLIGNES")) {
            // The count plus one must stay a 16-bit whole number once rounded.
            if (Nombre_lu(valeur, x) && x >= 0 && Vb::ArrondiPair(x + 1) <= 32767) nbLignes = Vb::CInt(x + 1);
            else f.faute(numero, "NBLIGNES illisible");
            continue;
        } else if (cle == QLatin1String("FONCTION")) {
            if (!Entier_lu(valeur, 0, 25, n)) { f.faute(numero, "FONCTION illisible"); continue; }
            // Choosing the function lays the grid out again at the size in use.
            lignesGrille = std::max(taille + 1, 2);
            e.cle = Cle::Fonction;
            e.entier = n;
        } else if (cle == QLatin1String("CALIBRAGE")) {
            e.cle = Cle::Calibrage;
            for (int i = 1; i <= nbImages; ++i) {
                // A line that is no number is no calibration: the block ends before it.
                if (!f.fin() && !Nombre_lu(f.prochaine(), x)) {
                    f.faute(f.pos + 1, "calibrage illisible");
                    break;
                }
                QString l;
                if (!f.suivante(l, "calibrages coupés")) break;
                if (i <= 50) e.reels.push_back(x);
            }
        } else if (cle == QLatin1String("PCTSW")) {
            if (!Nombre_lu(valeur, x) || x <= 0) { f.faute(numero, "PCTSW illisible"); continue; }
            e.cle = Cle::Pctsw;
            e.reel = x;
            e.entier = nbImages;
        } else if (cle == QLatin1String("IMAGES")) {
            e.cle = Cle::Images;
            for (int i = 1; i <= nbImages; ++i) {
                QString l;
                if (!f.suivante(l, "images coupées")) break;
                if (e.textes.size() >= 50) { f.faute(f.pos, "plus de 50 images"); continue; }
                e.textes << l;
            }
        } else if (cle == QLatin1String("COMMENT")) {
            e.cle = Cle::Commentaires;
            for (int i = 1; i <= nbLignes - 1; ++i) {
                // Every comment line holds its row number and ";": a line without one
                // ("FIN" when the row count says more than the file holds) ends the block.
                if (!f.fin() && !f.prochaine().contains(QLatin1Char(';'))) {
                    f.faute(f.pos + 1, "commentaire sans ;");
                    break;
                }
                QString l;
                if (!f.suivante(l, "commentaires coupés")) break;
                e.commentaires.push_back({i, l.mid(l.indexOf(QLatin1Char(';')) + 1).trimmed()});
            }
        } else if (cle == QLatin1String("TRAME")) {
            trameVue = true;
            e.cle = Cle::Lignes;
            // One title row and one spare row: the rest holds measurements.
            const int capacite = std::min(lignesGrille - 2, LignesMax);
            lues = 0;
            for (int i = 1; i <= nbLignes - 1; ++i) {
                // The rows end with the file, or at a blank line: neither is a row.
                if (f.fin() || f.prochaine().trimmed().isEmpty()) {
                    f.faute(f.pos + 1, "lignes coupées");
                    break;
                }
                const QString l = lignes[f.pos++];
                if (i > capacite) {
                    f.faute(f.pos, "plus de lignes que la grille");
                    break;
                }
                e.lignes.push_back(Ligne_lue(l, f.pos, i));
                lues = i;
            }
        } else {
            continue;  // a key of no use to the reading (RESH, FIN=, ...)
        }
        lu.elements.push_back(std::move(e));
    }
    // Every measurement file ends with its row block, even of no row: a file without one
    // (empty, cut short, or no measurement file at all) is said to be unsound.
    if (!trameVue) f.faute(int(lignes.size()) + 1, "pas de bloc TRAME");
    return lu;
}

} // namespace Trm
