#pragma once
// The procedures of the colour adjustment window, as functions of what they read of the
// window (its texts, formula, check boxes and colour source) returning what they write
// (the result text, the two colour frames, the message boxes). The chart, the grids and
// the main window's CheckCalibre are read from the shared state.
#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace CalculAjustement {

// What the procedures read of the window.
struct EntreesAjustement {
    std::array<QString, 3> Text3;   // the colour compared: R, V, B or L*, a*, b*
    QString Text4 = QStringLiteral("1");  // number of results wanted
    std::array<QString, 3> Text1;   // Text1(0): the tolerance value
    int OpDelta = 0;                // the selected formula button, 1 to 8; 0 none
    int ChKRel = 0;                 // "Relatif"
    int Check4 = 0;                 // "Auto "
    int Check5 = 0;                 // automatic list instead of the RGB search
    int Option1 = 1;                // tolerance kind: 0 " sigma Lum.", 1 "% de donnée"
    int Option3 = 0;                // colour source: 0 mean, 1 last measure, 2 typed values, 3 grid row
    QString NomImage;               // path of the image shown
    QDate Date;                     // today, for the result header
};

// One of the two colour frames Frame6(0) (the input) and Frame6(1) (the swatch found).
struct Cadre {
    bool Visible = false;
    QString Caption;
    long BackColor = 0;             // &HBBGGRR
    bool operator==(const Cadre&) const = default;
};

// What they write. Unset optionals leave their control as it was.
struct SortiesAjustement {
    std::optional<QString> Text2;
    QString TexteAjust;
    bool CadresCaches = false;                    // both frames hidden first
    std::optional<std::array<Cadre, 2>> Frame6;   // both frames painted and shown
    QStringList Messages;                         // message boxes with an OK button, in order
    std::array<double, 4> CouleurSaisie{};        // 1 to 3: the input as last read
    std::optional<std::array<QString, 3>> Text3;
    std::optional<QString> Label4;
    std::optional<bool> ChKRelActif;
};

// --- the search shared by the list procedures
struct LigneVoisin {
    int k = 0;          // line number, from 1
    int nuance = 0;     // swatch number
    double ecart = 0;
};
inline constexpr int LignesMax = 15;

// The swatches 1..nbNuances nearest by `distance` (a NaN leaves a swatch out), each
// pass taking the nearest swatch not yet listed, the lowest number on ties. The list
// ends after N lines, at 15 lines, or when no swatch is left.
template <class Distance>
std::vector<LigneVoisin> Cherche_voisins(double N, int nbNuances, Distance&& distance) {
    std::vector<LigneVoisin> lignes;
    std::vector<char> listee(std::size_t(nbNuances > 0 ? nbNuances : 0) + 1, 0);
    while (double(lignes.size()) < N && lignes.size() < std::size_t(LignesMax)) {
        double minimum = std::numeric_limits<double>::infinity();
        int meilleure = 0;
        for (int i = 1; i <= nbNuances; ++i) {
            if (listee[std::size_t(i)]) continue;
            const double d = distance(i);
            if (d < minimum) {
                minimum = d;
                meilleure = i;
            }
        }
        if (meilleure == 0) break;
        listee[std::size_t(meilleure)] = 1;
        lignes.push_back({int(lignes.size()) + 1, meilleure, minimum});
    }
    return lignes;
}

// The reference marker each procedure writes between the swatch number and its name;
// line 15 of a list procedure has a marker of its own, the automatic list keeps its one.
enum class Marque { RVB, LabQuad, CieLab, Autres, Auto };
// One result line: line break, k, " " " Cel.: ", swatch, marker, name, TAB, " écart : ", d.
QString Ligne_resultat(const LigneVoisin& l, Marque marque, const QString& nom);

// --- the window's procedures
SortiesAjustement OpDelta_Click(short index, const EntreesAjustement& e);
SortiesAjustement calcul_Ajust(const EntreesAjustement& e);
SortiesAjustement Delta_RVB(const EntreesAjustement& e);
SortiesAjustement Delta_CielAB_quad(const EntreesAjustement& e);
SortiesAjustement Delta_CieLab_DE(const EntreesAjustement& e);
SortiesAjustement Delta_CIE94(const EntreesAjustement& e);
SortiesAjustement Delta_CMC(const EntreesAjustement& e);
SortiesAjustement Delta_CIEDE2000(const EntreesAjustement& e);
// The list procedures' template: every swatch scores 0.
SortiesAjustement Delta_Moule_calcul(const EntreesAjustement& e);
// Date and image, chart, raw or corrected data: three lines, no final line break.
QString Texte_Entete_Ajust(const EntreesAjustement& e);
// True when some entry Table(0) .. Table(taille) equals i (within the array).
bool appartient(int i, const std::vector<int>& Table, int taille);
// The text padded with blanks on the right to Lrg characters.
QString tbul(const QString& text, int Lrg);

} // namespace CalculAjustement
