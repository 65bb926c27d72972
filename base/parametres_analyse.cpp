#include "base/parametres_analyse.h"

#include <initializer_list>
#include <optional>

#include "base/gen.h"
#include "base/vb.h"

namespace FichierParametres {

namespace {

// The value as a 16-bit whole number (nearest, halves to even), when it is a number that fits.
std::optional<short> Entier(const QString& valeur) {
    long long n = 0;
    if (!Gen::Entier_lu(valeur, -32768, 32767, n)) return std::nullopt;
    return short(n);
}

std::optional<short> Entier_parmi(const QString& valeur, std::initializer_list<int> domaine) {
    const auto n = Entier(valeur);
    if (!n) return std::nullopt;
    for (int v : domaine)
        if (*n == v) return n;
    return std::nullopt;
}

std::optional<short> Entier_entre(const QString& valeur, int min, int max) {
    const auto n = Entier(valeur);
    if (!n || *n < min || *n > max) return std::nullopt;
    return n;
}

OuiNon Oui_non(const QString& valeur) {
    const QString haut = valeur.toUpper();
    if (haut == QLatin1String("VRAI")) return OuiNon::Vrai;
    if (haut == QLatin1String("FAUX")) return OuiNon::Faux;
    return OuiNon::Autre;
}

// The code becomes part of file names: two letters, never a path.
bool Code_langue(const QString& v) {
    if (v.size() != 2) return false;
    for (QChar c : v)
        if (!((c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))))
            return false;
    return true;
}

struct CleTexte {
    const char* nom;
    Cle cle;
};
constexpr CleTexte kCles[] = {
    {"UTILISATEUR", Cle::Utilisateur}, {"LANGUE", Cle::Langue}, {"CALIBRAGE", Cle::Calibrage},
    {"FONCTION_DEMARRAGE", Cle::FonctionDemarrage}, {"REPIMAGE", Cle::RepImage}, {"REPDATA", Cle::RepData},
    {"INDPRES", Cle::Indpres}, {"FDECIMAL", Cle::FDecimal}, {"DECIMAUTO", Cle::DecimAuto},
    {"AVERT", Cle::Avert}, {"AUTORETRACE", Cle::AutoRetrace}, {"PALMER", Cle::Palmer},
    {"STATDEF", Cle::StatDef}, {"CLIC", Cle::Clic}, {"TGRILLE", Cle::TGrille}, {"SAVAUTO", Cle::SavAuto},
    {"EXT_IMG", Cle::ExtImg}, {"COULREF", Cle::CoulRef}, {"REFNUANCIER", Cle::RefNuancier},
    {"ZONECOULEUR", Cle::ZoneCouleur}, {"FICETALON", Cle::FicEtalon},
    {"FETALONCOULEUR", Cle::FEtalonCouleur}, {"FICSCANNER", Cle::FicScanner},
};

// The setting of one line with its value checked; false for a value outside the domain.
bool Lit_valeur(Reglage& r, const QString& valeur) {
    r.texte = valeur;
    r.oui_non = Oui_non(valeur);
    std::optional<short> n;
    switch (r.cle) {
    case Cle::Langue:
        return Code_langue(valeur);
    case Cle::Calibrage: {
        return Gen::Nombre_lu(valeur, r.nombre) && Gen::Coefficient_valable(r.nombre);
    }
    // No function (0), or any function of the function table.
    case Cle::FonctionDemarrage: n = Entier_parmi(valeur, {0, 1, 2, 3, 4, 5, 6, 10, 11, 13, 14, 15, 16, 20}); break;
    case Cle::StatDef: n = Entier_entre(valeur, 1, 4); break;
    case Cle::Clic: {
        // The tolerance is kept in tenths of a pixel.
        double x = 0;
        if (!Gen::Nombre_lu(valeur, x)) return false;
        const double t = Vb::ArrondiPair(x * 10.0);
        if (!(t >= 1 && t <= 32767)) return false;
        r.entier = short(t);
        return true;
    }
    case Cle::TGrille: n = Entier_parmi(valeur, {64, 128, 256}); break;
    case Cle::SavAuto: n = Entier_parmi(valeur, {0, 10, 20}); break;
    case Cle::ExtImg: n = Entier_parmi(valeur, {0, 1}); break;
    case Cle::ZoneCouleur: n = Entier_entre(valeur, 1, 6); break;
    case Cle::FDecimal:
        // Grid cells are written with this pattern and read back by the statistics, the
        // files and the import: a group separator there would end the number at it, a
        // literal would stand in it, and an empty pattern would write no number at all.
        return Vb::Motif_relisible(valeur);
    case Cle::Palmer:
        // Only the two answers restore a measuring style.
        return r.oui_non != OuiNon::Autre;
    default:
        return true;  // texts, and yes-or-no values where any other text means no
    }
    if (!n) return false;
    r.entier = *n;
    return true;
}

} // namespace

Lecture Analyse_parametres(const QStringList& lignes) {
    Lecture lu;
    for (int i = 0; i < lignes.size(); ++i) {
        const QString& ligne = lignes[i];
        if (ligne.trimmed().isEmpty()) continue;
        const qsizetype egal = ligne.indexOf(QLatin1Char('='));
        if (egal < 0) continue;
        const QString cle = ligne.left(egal).trimmed().toUpper();
        for (const CleTexte& k : kCles) {
            if (cle != QLatin1String(k.nom)) continue;
            Reglage r;
            r.cle = k.cle;
            r.ligne = i + 1;
            if (Lit_valeur(r, ligne.mid(egal + 1).trimmed())) lu.reglages.push_back(r);
            else lu.problemes.push_back({i + 1, QStringLiteral("valeur hors du domaine de ") + cle});
            break;
        }
    }
    return lu;
}

} // namespace FichierParametres
