// The nearest-swatch search of the adjustment window: the choice of formula, the
// result header and lines, and the six list procedures.
#include <QRegularExpression>
#include <algorithm>
#include <functional>

#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/messages.h"
#include "base/tav.h"
#include "base/vb.h"
#include "colour/ajustement_calcul.h"
#include "colour/comparaison.h"
#include "colour/ecarts.h"
#include "colour/etat_couleur.h"

namespace CalculAjustement {

namespace {

const QString TitreRVB = QStringLiteral("delta RVB quadratique");

double Nombre_voulu(const QString& texte) { return Vb::ArrondiPair(Vb::Val(texte)); }

// A text the difference can be computed from: a number stands at its start.
bool Est_nombre(const QString& texte) {
    static const QRegularExpression debut(QStringLiteral("^\\s*[+-]?(\\d|[.,]\\d)"));
    return debut.match(texte).hasMatch();
}

Ecarts::Lab Lab_saisi(const EntreesAjustement& e) {
    return {Gen::Val_decimal(e.Text3[0]), Gen::Val_decimal(e.Text3[1]), Gen::Val_decimal(e.Text3[2])};
}

Ecarts::Lab Lab_nuance(int i) {
    return {double(TabNuancier[i][4]), double(TabNuancier[i][5]), double(TabNuancier[i][6])};
}

// A channel of a frame colour, from a text or a chart value: nearest whole number, 0 to 255.
long Canal(double v) { return long(Vb::ArrondiPair(std::clamp(v, 0.0, 255.0))); }
long Couleur_RVB(double r, double v, double b) { return Canal(r) | Canal(v) << 8 | Canal(b) << 16; }

// The header and title lines, then the lines of a search run with `distance`.
SortiesAjustement Liste(const EntreesAjustement& e, const QString& titre, Marque marque,
                        const std::function<double(int)>& distance, std::vector<LigneVoisin>* lignes = nullptr) {
    SortiesAjustement s;
    s.Text2 = Texte_Entete_Ajust(e) + SautLigne + titre + SautLigne;
    const std::vector<LigneVoisin> trouvees = Cherche_voisins(Nombre_voulu(e.Text4), NbCouleurs, distance);
    for (const LigneVoisin& l : trouvees) s.TexteAjust += Ligne_resultat(l, marque, NomsNuancier[l.nuance]);
    *s.Text2 += s.TexteAjust;
    if (lignes) *lignes = trouvees;
    return s;
}

// The four formulas whose checks stopped on a zero a*: an input box without a number
// stops them instead (message 223), with the header and title already written.
SortiesAjustement Liste_Lab(const EntreesAjustement& e, const QString& titre, Marque marque,
                            double (*formule)(const Ecarts::Lab&, const Ecarts::Lab&)) {
    if (!std::all_of(e.Text3.begin(), e.Text3.end(), Est_nombre)) {
        SortiesAjustement s;
        s.Text2 = Texte_Entete_Ajust(e) + SautLigne + titre + SautLigne;
        s.Messages << Lib_Langue[223];
        return s;
    }
    const Ecarts::Lab saisi = Lab_saisi(e);
    return Liste(e, titre, marque, [&](int i) { return formule(saisi, Lab_nuance(i)); });
}

} // namespace

QString Ligne_resultat(const LigneVoisin& l, Marque marque, const QString& nom) {
    QString r;
    if (l.k == LignesMax && marque != Marque::Auto) r = QStringLiteral(" /ref:   ");
    else switch (marque) {
        case Marque::RVB: case Marque::Auto: r = QStringLiteral(" /ref:  "); break;
        case Marque::LabQuad: r = QStringLiteral(" /ref: "); break;
        case Marque::CieLab: r = QStringLiteral(" /ref:   "); break;
        case Marque::Autres: r = QStringLiteral(" /ref:"); break;
        }
    return SautLigne + QString::number(l.k) + QStringLiteral(" ") + QStringLiteral(" Cel.: ") + QString::number(l.nuance) +
           r + nom + QLatin1Char('\t') + QStringLiteral(" écart : ") + Vb::Format(l.ecart, QStringLiteral("###00.00"));
}

QString Texte_Entete_Ajust(const EntreesAjustement& e) {
    const bool corrige = Tav::instance()->CheckCalibre.Value == 1;
    return Vb::Date_courte(e.Date) + QStringLiteral("  Image : ") + Gen::Dir_sur(e.NomImage) +
           SautLigne + Lib_Couleur[11] + QStringLiteral(" : ") + Gen::Dir_sur(FicNuancier) + SautLigne +
           (corrige ? Lib_Couleur[36] : Lib_Couleur[35]);
}

bool appartient(int i, const std::vector<int>& Table, int taille) {
    const int fin = std::min<int>(taille, int(Table.size()) - 1);
    for (int k = 0; k <= fin; ++k)
        if (Table[std::size_t(k)] == i) return true;
    return false;
}

QString tbul(const QString& text, int Lrg) { return text.size() >= Lrg ? text : text.leftJustified(Lrg, QLatin1Char(' ')); }

SortiesAjustement OpDelta_Click(short index, const EntreesAjustement& e) {
    if (NbCouleurs == 0) {
        SortiesAjustement s;
        s.Messages << Lib_Langue[221];
        return s;
    }
    EntreesAjustement choix = e;
    choix.OpDelta = index;
    return calcul_Ajust(choix);
}

SortiesAjustement calcul_Ajust(const EntreesAjustement& e) {
    SortiesAjustement s;
    if (Saisie_hors_nombres(e)) {
        s = Refus_hors_nombres();
    } else if (NbCouleurs != 0) {
        switch (e.OpDelta) {
        case 1: s = Delta_RVB(e); break;
        case 4: s = Delta_CielAB_quad(e); break;
        case 5: s = Delta_CieLab_DE(e); break;
        case 6: s = Delta_CIE94(e); break;
        case 7: s = Delta_CMC(e); break;
        case 8: s = Delta_CIEDE2000(e); break;
        default: break;
        }
    } else {
        s.Messages << Lib_Langue[221];
    }
    s.CadresCaches = true;
    return s;
}

SortiesAjustement Delta_RVB(const EntreesAjustement& e) {
    if (e.Check5 == 1) return AjusteAuto_aout09(e, 1);
    std::array<double, 4> c{};
    for (int j = 1; j <= 3; ++j) c[j] = Gen::Val_decimal(e.Text3[j - 1]);
    const Ecarts::RVB saisi{c[1], c[2], c[3]};
    std::function<double(int)> distance;
    if (e.ChKRel == 0) {
        distance = [&](int i) {
            return Ecarts::Delta_RVB(saisi, {TabNuancier[i][1], TabNuancier[i][2], TabNuancier[i][3]});
        };
    } else {
        // The input divided by the sum of its three channels, the sum rounded once to the
        // nearest whole number, as a swatch's is: an identical swatch then comes out equal.
        const double S = Vb::ArrondiPair(c[1] + c[2] + c[3]);
        if (S == 0) {
            SortiesAjustement s;
            s.Text2 = Texte_Entete_Ajust(e) + SautLigne + TitreRVB + SautLigne;
            s.Messages << Lib_Langue[226];
            s.CouleurSaisie = c;
            return s;
        }
        for (int j = 1; j <= 3; ++j) c[j] /= S;
        distance = [c](int i) {
            const double T1 = TabNuancier[i][1], T2 = TabNuancier[i][2], T3 = TabNuancier[i][3];
            const double U = Vb::ArrondiPair(T2 + T1 + T3);
            // A black swatch has no relative colour: it is left out.
            if (U == 0) return std::numeric_limits<double>::quiet_NaN();
            return Ecarts::Delta_RVB({c[1], c[2], c[3]}, {T1 * (1 / U), T2 * (1 / U), T3 * (1 / U)});
        };
    }
    std::vector<LigneVoisin> lignes;
    SortiesAjustement s = Liste(e, TitreRVB, Marque::RVB, distance, &lignes);
    s.CouleurSaisie = c;
    if (lignes.size() < std::size_t(LignesMax)) {
        const int b = lignes.empty() ? 0 : lignes.back().nuance;
        const int k = int(lignes.size());
        std::array<Cadre, 2> cadres;
        cadres[0] = {true, QStringLiteral("mesure"),
                     Couleur_RVB(Gen::Val_decimal(e.Text3[0]), Gen::Val_decimal(e.Text3[1]), Gen::Val_decimal(e.Text3[2]))};
        cadres[1] = {true, QStringLiteral("nua (") + QString::number(k) + QLatin1Char(')'),
                     Couleur_RVB(TabNuancier[b][1], TabNuancier[b][2], TabNuancier[b][3])};
        s.Frame6 = cadres;
    }
    return s;
}

SortiesAjustement Delta_CielAB_quad(const EntreesAjustement& e) {
    const Ecarts::Lab saisi = Lab_saisi(e);
    return Liste(e, QStringLiteral("CIELAB delta quadratique"), Marque::LabQuad,
                 [&](int i) { return Ecarts::Delta_Lab_quadratique(saisi, Lab_nuance(i)); });
}

SortiesAjustement Delta_CieLab_DE(const EntreesAjustement& e) {
    return Liste_Lab(e, QStringLiteral("CieLab deltaE*"), Marque::CieLab, &Ecarts::Delta_CIE76);
}

SortiesAjustement Delta_CIE94(const EntreesAjustement& e) {
    return Liste_Lab(e, QStringLiteral("Delta_CIE94"), Marque::Autres, &Ecarts::Delta_CIE94);
}

SortiesAjustement Delta_CMC(const EntreesAjustement& e) {
    return Liste_Lab(e, QStringLiteral("Delta_CMC"), Marque::Autres, &Ecarts::Delta_CMC);
}

SortiesAjustement Delta_CIEDE2000(const EntreesAjustement& e) {
    return Liste_Lab(e, QStringLiteral("Delta_CIEDE2000"), Marque::Autres, &Ecarts::Delta_CIEDE2000);
}

SortiesAjustement Delta_Moule_calcul(const EntreesAjustement& e) {
    return Liste(e, TitreRVB, Marque::Autres, [](int) { return 0.0; });
}

} // namespace CalculAjustement
