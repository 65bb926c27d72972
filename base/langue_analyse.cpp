#include "base/langue_analyse.h"


namespace FichierLangue {

namespace {

// The control arrays a language file may address by section, with the indexes that
// exist and their captions as the window is laid out.
const Legendes kMnuFonc = {{1, "Mesure segment"}, {2, "Spores 2D"}, {3, "Spores 3D "}, {4, "Cystides "},
                           {5, "Surface"}, {6, "Comptage"}, {7, "Densité"}, {20, "Brastel"}};
const Legendes kMnuEDit = {{1, "Export grille sous ..."}, {2, "Export grille"}, {3, "-"},
                           {4, "Etalonnage/Résolution"}, {5, "-"}, {6, "-"},
                           {7, "Copie d'écran"}, {8, "fich.CSV=> grille"}};
const Legendes kMnuFIC = {{1, "Ouvrir Image"}, {2, "-"}, {3, "-"}, {4, "Charger image presse papier"},
                          {5, "-"}, {6, "-"}, {7, "-"}, {8, "Sauver les paramètres"},
                          {9, "Sauver la Trame"}, {10, "Charger la trame"}, {11, "Répertoire Image"},
                          {12, "Quitter"}};
const Legendes kMnuOpt = {{1, "Fonction de démarrage"}, {2, "Decimales"}, {3, "Stats par défaut"},
                          {4, "Sauvegarde Auto"}, {5, "Notation éclair"}, {6, "Copie d'écran "},
                          {7, "format image export"}, {8, "Taille grille"}, {9, "-"},
                          {10, "Tolérance clic"}, {16, "Format export"}, {17, "Langue"},
                          {18, "Machine rapide"}};
const Legendes kMntool = {{1, "copie écran"}, {2, "Illustrer"}, {3, "Groupage MC"}, {4, "maj grille"},
                          {5, "Quenlor"}, {6, "caliibr => groupe MC"}, {7, ""}, {8, ""}, {9, ""},
                          {10, "commenter la grille"}, {11, ""}, {12, ""}};
const Legendes kCheck = {{1, "chkdispo"}, {2, "AutoRetrace"}, {3, "Calc..stat."}, {4, "ignorer au démarrage"}};
const Legendes kOptn = {{1, "Ind. Dim."}, {2, "Ind. Res."}, {3, "Calibrage / longueur"},
                        {4, "Calibrage / graduations"}, {5, "Palmer"}, {6, "Bipoint"}};
// Labels carry values (zoom, calibration, prompts): the layout gives them no caption.
const Legendes kLabel = {{0, nullptr}, {1, nullptr}, {2, nullptr}, {3, nullptr}, {4, nullptr},
                         {5, nullptr}, {6, nullptr}, {7, nullptr}, {8, nullptr}, {9, nullptr},
                         {10, nullptr}};
// Frames 1, 4, 8 and 13 have their captions emptied by the layout; 9 is recaptioned
// by each text it shows.
const Legendes kFrame = {{1, nullptr}, {4, nullptr}, {6, "Grille"}, {7, "Calibrage "}, {8, nullptr},
                         {9, "Bienvenue sur Tavirel"}, {10, "enregistrement tableau"},
                         {11, "Mode calibrage"}, {12, "Aperçu"}, {13, nullptr},
                         {14, "correction calibrage"}};
const Legendes kAucune;

struct NomSection {
    const char* cle;
    Section section;
};
constexpr NomSection kSections[] = {
    {"MNFONCTIONS", Section::MnFonctions}, {"MNEDIT", Section::MnEdit}, {"MNFICHIERS", Section::MnFichiers},
    {"MNOPTIONS", Section::MnOptions}, {"MNOUTILS", Section::MnOutils}, {"MNAIDE", Section::MnAide},
    {"MNUAIDE", Section::MnuAide}, {"BOUTONS", Section::Boutons}, {"MNUFONC", Section::MnuFonc},
    {"MNUEDIT", Section::MnuEdit}, {"MNUFIC", Section::MnuFic}, {"MNUOPT", Section::MnuOpt},
    {"MNUTLS", Section::MnuTls}, {"CHK", Section::Chk}, {"OPTN", Section::Optn},
    {"ETIQ", Section::Etiq}, {"CADR", Section::Cadr}, {"MNU", Section::Mnu}, {"MSG", Section::Msg},
    {"MSTAT", Section::MStat}, {"MNUSTAT", Section::MnuStat}, {"BRASTEL", Section::Brastel},
};

bool Une_ligne(Section s) { return s <= Section::MnuAide; }

// Whether entry `n` of a section exists.
bool Existe(Section s, int n) {
    switch (s) {
    case Section::Boutons: return true;
    case Section::Mnu: case Section::Msg: case Section::MStat: case Section::Brastel: return n >= 0 && n < EntreesTable;
    case Section::MnuStat: return n >= 0 && n < EntreesTableStat;
    default:
        for (const Legende& l : Legendes_section(s))
            if (l.index == n) return true;
        return false;
    }
}

// The lines with a cursor counting every line read, blank ones too.
class Lecteur {
public:
    Lecteur(const QStringList& lignes, Lecture& lu) : lignes_(lignes), lu_(lu) {}

    // Reads the whole file; false at the first line it cannot take.
    bool Lit() {
        for (;;) {
            QString ligne;
            // The end of the file between two sections is the file's normal end.
            if (!Suivante(ligne)) return true;
            const qsizetype pv = ligne.indexOf(QLatin1Char(';'));
            if (pv < 0) return Faute("ligne sans ;");
            const QString cle = ligne.left(pv).trimmed().toUpper();
            const QString reste = ligne.mid(pv + 1).trimmed();
            if (cle.isEmpty() || cle == QLatin1String("REM")) continue;
            const NomSection* trouvee = nullptr;
            for (const NomSection& s : kSections)
                if (cle == QLatin1String(s.cle)) trouvee = &s;
            if (!trouvee) continue;  // any other key is ignored, with its line
            if (Une_ligne(trouvee->section)) lu_.entrees.push_back({trouvee->section, 0, reste, n_});
            else if (!Section_lue(trouvee->section)) return false;
        }
    }

private:
    // The next line that is not blank, trimmed; false at the end of the file.
    bool Suivante(QString& ligne) {
        while (n_ < lignes_.size()) {
            ligne = lignes_[n_++].trimmed();
            if (!ligne.isEmpty()) return true;
        }
        return false;
    }

    bool Faute(const char* motif) {
        lu_.problemes.push_back({n_, QString::fromLatin1(motif)});
        return false;
    }

    // Entry lines "#n;text" up to the section's end line "#*;".
    bool Section_lue(Section s) {
        for (;;) {
            QString ligne;
            if (!Suivante(ligne)) return Faute("section sans fin");
            const qsizetype pv = ligne.indexOf(QLatin1Char(';'), 1);
            if (pv < 0) return Faute("entrée sans ;");
            if (ligne.left(pv).trimmed().toUpper() == QLatin1String("REM")) continue;
            const QString numero = ligne.mid(1, pv - 1).trimmed();
            if (numero == QLatin1String("*")) return true;
            bool ok = false;
            const int n = numero.toInt(&ok);
            if (!ok) return Faute("numéro illisible");
            if (!Existe(s, n)) return Faute("entrée qui n'existe pas");
            lu_.entrees.push_back({s, n, ligne.mid(pv + 1).trimmed(), n_});
        }
    }

    const QStringList& lignes_;
    Lecture& lu_;
    int n_ = 0;  // lines read, so the 1-based number of the last one
};

} // namespace

const Legendes& Legendes_section(Section section) {
    switch (section) {
    case Section::MnuFonc: return kMnuFonc;
    case Section::MnuEdit: return kMnuEDit;
    case Section::MnuFic: return kMnuFIC;
    case Section::MnuOpt: return kMnuOpt;
    case Section::MnuTls: return kMntool;
    case Section::Chk: return kCheck;
    case Section::Optn: return kOptn;
    case Section::Etiq: return kLabel;
    case Section::Cadr: return kFrame;
    default: return kAucune;
    }
}

Lecture Analyse_langue(const QStringList& lignes) {
    Lecture lu;
    Lecteur(lignes, lu).Lit();
    return lu;
}

} // namespace FichierLangue
