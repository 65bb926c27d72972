#include "colour/comparaison.h"

#include <cmath>

#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/grilles.h"
#include "base/messages.h"
#include "base/vb.h"
#include "colour/ecarts.h"
#include "colour/etat_couleur.h"
#include "stats/fenstat.h"

namespace CalculAjustement {

namespace {

// The reference picture's name: nothing in the program loads one, so it stays empty.
const QString NomImageReference;

QString P(double x) { return tbul(Vb::Format(x, QStringLiteral("###0.0")), 5); }
QString F(double x) { return Vb::Format(x, QStringLiteral("###0.0")); }

Couleur Couleur_nuance(int i) { return {0, TabNuancier[i][1], TabNuancier[i][2], TabNuancier[i][3]}; }

// The measured rows: the largest count of values of the grid's columns.
int Lignes_mesurees() {
    int n = 0;
    for (int c = 1; c <= GrilleRef.Cols() - 1; ++c) n = int(Maxi(n, Fenstat::Nb_Valeurs_Colonne(GrilleRef, c)));
    return n;
}

// R, V, B of a grid row, read as the grid's cursor moves over them.
Couleur Couleur_grille(Grille& grille, int ligne) {
    Couleur c{};
    grille.setRow(ligne);
    for (int j = 1; j <= 3; ++j) {
        grille.setCol(j);
        c[j] = Gen::Val_decimal(grille.Text());
    }
    return c;
}

std::array<QString, 3> Textes_grille(Grille& grille, int ligne) {
    std::array<QString, 3> t;
    grille.setRow(ligne);
    for (int j = 1; j <= 3; ++j) {
        grille.setCol(j);
        t[j - 1] = grille.Text();
    }
    return t;
}

double Rgb_distance(const Couleur& a, const Couleur& b) {
    return Ecarts::Delta_RVB({a[1], a[2], a[3]}, {b[1], b[2], b[3]});
}

QString Entete_absolu() {
    return QStringLiteral("image : ") + NomImageReference + SautLigne + QStringLiteral("Ajustement mode absolu ") +
           SautLigne;
}

void Ajoute(SortiesAjustement& total, const SortiesAjustement& s) {
    if (s.Text2) total.Text2 = s.Text2;
    total.TexteAjust = s.TexteAjust;
    total.Messages << s.Messages;
    total.CouleurSaisie = s.CouleurSaisie;
}

} // namespace

double EcartCoul(short code, const Couleur& CouleurRef, const Couleur& CouleurSaisie) {
    return code == 1 ? Rgb_distance(CouleurRef, CouleurSaisie) : 0.0;
}

double Maxi(double a, double b) { return a > b ? a : b; }

Couleur Couleur_saisie(const EntreesAjustement& e) {
    return {0, Gen::Val_decimal(e.Text3[0]), Gen::Val_decimal(e.Text3[1]), Gen::Val_decimal(e.Text3[2])};
}

bool Saisie_hors_nombres(const EntreesAjustement& e) {
    try {
        for (const QString& t : e.Text3) Gen::Val_decimal(t);
        Gen::Val_decimal(e.Text1[0]);
        Vb::Val(e.Text4);
    } catch (const Vb::Erreur&) {
        return true;
    }
    return false;
}

SortiesAjustement Refus_hors_nombres() {
    SortiesAjustement s;
    s.Messages << Lib_Langue[223];
    return s;
}

SortiesAjustement AjusteCompareColor(const EntreesAjustement& e, short TableIdx, double rge, double vrt, double blu) {
    SortiesAjustement s;
    struct Reference {
        Couleur c;
        QString etiquette;
    };
    std::vector<Reference> refs;
    if (TableIdx == 1) {
        // Without a chart there is nothing to compare with.
        if (NbCouleurs == 0) {
            s.Messages << Lib_Langue[221];
            return s;
        }
        for (int k = 1; k <= NbCouleurs; ++k) refs.push_back({Couleur_nuance(k), NomsNuancier[k]});
    } else if (TableIdx == 2) {
        const int n = Lignes_mesurees();
        for (int k = 1; k <= n && k < GrilleRef.Rows(); ++k) refs.push_back({Couleur_grille(GrilleRef, k), QString()});
    }
    s.TexteAjust = QStringLiteral("image : ") + NomImageReference;
    switch (e.Option3) {
    case 0:
        s.TexteAjust += SautLigne + QStringLiteral("Comparaison / Moyenne  : ") + F(rge) + '/' + F(vrt) + '/' + F(blu);
        break;
    case 1:
        s.TexteAjust += SautLigne + QStringLiteral("Comparaison / dernière mesure :") + Vb::CStr(rge) + '/' +
                        Vb::CStr(vrt) + '/' + Vb::CStr(blu);
        break;
    case 2:
        s.TexteAjust += SautLigne + QStringLiteral("Comparaison / valeurs :") + F(rge) + '/' + F(vrt) + '/' + F(blu);
        break;
    default: break;
    }
    s.CouleurSaisie = Couleur_saisie(e);
    for (std::size_t k = 0; k < refs.size(); ++k) {
        const Couleur& ref = refs[k].c;
        const double d = EcartCoul(1, ref, s.CouleurSaisie);
        s.TexteAjust += SautLigne + QString::number(k + 1) + ':' + P(rge - ref[1]) + QStringLiteral(" / ") +
                        P(vrt - ref[2]) + QStringLiteral(" / ") + P(blu - ref[3]) + QLatin1Char('\t') +
                        QStringLiteral(" écart = ") + P(d) + QStringLiteral(" \\ ") + refs[k].etiquette;
    }
    s.Text2 = s.TexteAjust;
    return s;
}

SortiesAjustement Fic_Ajust_Click(const EntreesAjustement& e) {
    if (Saisie_hors_nombres(e)) return Refus_hors_nombres();
    const Couleur c = Couleur_saisie(e);
    return AjusteCompareColor(e, 1, c[1], c[2], c[3]);
}

SortiesAjustement AjusteTrouveRefColor(const EntreesAjustement& e, float) {
    SortiesAjustement s;
    if (NbCouleurs == 0) {
        s.Messages << Lib_Langue[221];
        return s;
    }
    s.TexteAjust = Entete_absolu();
    s.CouleurSaisie = Couleur_saisie(e);
    double meilleur = 999.0;
    int indice = 0;
    for (int i = 1; i <= NbCouleurs; ++i) {
        const double d = Rgb_distance(s.CouleurSaisie, Couleur_nuance(i));
        if (d < meilleur) {
            meilleur = d;
            indice = i;
        }
    }
    s.TexteAjust += QStringLiteral(" / index ") + QString::number(indice) + QStringLiteral("  e= ") +
                    Vb::Format(meilleur * 10, QStringLiteral("###0.0000")) + QStringLiteral(" %") + SautLigne;
    s.Text2 = s.TexteAjust;
    return s;
}

SortiesAjustement AjusteTrouveRefColor_XX(const EntreesAjustement& e, float ITolerance, int& compte) {
    SortiesAjustement s;
    s.TexteAjust = Entete_absolu();
    s.CouleurSaisie = Couleur_saisie(e);
    double somme = 0;
    for (int j = 1; j <= 3; ++j) somme = Vb::ArrondiPair(somme + s.CouleurSaisie[j]);
    compte = 0;
    for (int i = 1; i <= NbCouleurs; ++i) {
        const float d = float(Rgb_distance(s.CouleurSaisie, Couleur_nuance(i)));
        if (d > ITolerance) continue;
        ++compte;
        if (somme > 0)
            s.TexteAjust += QStringLiteral(" /  e= ") + Vb::Format(double(d) * 10, QStringLiteral("###0.0000")) +
                            QStringLiteral(" %") + SautLigne;
    }
    s.Text2 = s.TexteAjust;
    return s;
}

SortiesAjustement AjusteTrouveRefColorRelatif(const EntreesAjustement&, double& K1, double tolerance, double rge,
                                              double vrt, double blu, int& compte) {
    SortiesAjustement s;
    compte = 0;
    s.TexteAjust = QStringLiteral("image : ") + NomImageReference + SautLigne + QStringLiteral("Ajustement mode relatif") +
                   SautLigne;
    s.CouleurSaisie = {0, rge, vrt, blu};
    const double somme = Vb::ArrondiPair(rge + vrt + blu);
    if (somme == 0) {
        s.Messages << Lib_Langue[226];
        s.Text2 = s.TexteAjust;
        return s;
    }
    if (!(K1 > 0)) K1 = 3.0 / somme;
    for (int i = 1; i <= NbCouleurs; ++i) {
        const Couleur t = Couleur_nuance(i);
        const double U = Vb::ArrondiPair(t[2] + t[1] + t[3]);
        if (U == 0) continue;
        // The swatch brought to the input's lightness, compared channel by channel.
        const Couleur ramenee{0, t[1] * somme / U, t[2] * somme / U, t[3] * somme / U};
        const double d = Rgb_distance(s.CouleurSaisie, ramenee);
        if (d * K1 > tolerance) continue;
        ++compte;
        s.TexteAjust += QStringLiteral(" /  e= ") + Vb::Format(d * 10 / somme, QStringLiteral("###0.0000")) +
                        QStringLiteral(" %") + SautLigne;
    }
    s.Text2 = s.TexteAjust;
    return s;
}

SortiesAjustement AjusteAuto_aout09(const EntreesAjustement& e, short Tdistance) {
    SortiesAjustement s;
    if (Tdistance != 1) return s;
    s.CouleurSaisie = Couleur_saisie(e);
    const Couleur saisie = s.CouleurSaisie;
    const auto lignes = Cherche_voisins(Vb::Val(e.Text4), NbCouleurs,
                                        [&](int i) { return Rgb_distance(saisie, Couleur_nuance(i)); });
    for (const LigneVoisin& l : lignes) s.TexteAjust += Ligne_resultat(l, Marque::Auto, NomsNuancier[l.nuance]);
    s.Text2 = QStringLiteral("ajustauto 09") + s.TexteAjust;
    return s;
}

SortiesAjustement AjusteAutoXX(const EntreesAjustement& e, double& tolerance) {
    constexpr int G = 1000, B = 20;
    const double N = Vb::Val(e.Text4);
    double bas = 0, haut = 0;
    int r = 0, c = 0;
    SortiesAjustement s;
    s.Text2 = QString();
    QString texte;
    auto ajuste = [&](double t) {
        const SortiesAjustement a = AjusteTrouveRefColor_XX(e, float(t), c);
        s.Text2 = a.Text2;
        s.CouleurSaisie = a.CouleurSaisie;
        texte = a.TexteAjust;
    };
    while (c < N) {
        ajuste(tolerance);
        texte += QStringLiteral(" tolerance ") + Vb::CStr(tolerance) + SautLigne;
        if (c < N) tolerance = tolerance < 256 ? tolerance * 2 : 256;
        if (c >= N) haut = tolerance;
        if (++r > G) {
            s.Messages << QStringLiteral("pb recherche auto 101");
            return s;
        }
    }
    r = 0;
    int precedent = 0;
    while (c != N) {
        tolerance = (bas + haut) / 2;
        ajuste(tolerance);
        if (c == precedent) ++r;
        precedent = c;
        if (c < N) bas = tolerance;
        else haut = tolerance;
        if (r > B) {
            s.Messages << QStringLiteral("la recherche automatique a échoué pour ") + Vb::CStr(N) +
                              QStringLiteral(" résultats ");
            return s;
        }
    }
    s.TexteAjust = texte + SautLigne;
    s.Text2 = s.TexteAjust;
    return s;
}

SortiesAjustement xAppelAjustauto(const EntreesAjustement& e, double& K1) {
    const Couleur c = Couleur_saisie(e);
    const double somme = c[1] + c[2] + c[3];
    K1 = somme > 0 ? 3 / somme : 750.0;
    SortiesAjustement s;
    s.CouleurSaisie = c;
    if (e.Check5 == 1) return AjusteAuto_aout09(e, 1);
    return s;
}

SortiesAjustement Ajuster(const EntreesAjustement& e) {
    if (Saisie_hors_nombres(e)) return Refus_hors_nombres();
    SortiesAjustement s;
    s.ChKRelActif = true;
    std::array<QString, 3> textes = e.Text3;
    switch (e.Option3) {
    case 0: textes = Textes_grille(GrilleRefP, 1); break;
    case 1: case 3: textes = Textes_grille(GrilleRef, GrilleRef.Row()); break;
    default: break;   // typed values stay
    }
    s.Text3 = textes;
    EntreesAjustement lu = e;
    lu.Text3 = textes;
    const Couleur c = Couleur_saisie(lu);
    const double somme = c[1] + c[2] + c[3];
    s.Label4 = QStringLiteral("Luminance  : ") + Vb::Format(somme / 3, QStringLiteral("##0.00"));
    if (somme == 0) {
        s.Messages << Lib_Langue[226];
        return s;
    }
    double tolerance = 0;
    if (e.Option1 == 0) {
        // The sigma row of the statistics grid, in the three colour columns.
        const Couleur sigma = Couleur_grille(GrilleRefP, 4);
        tolerance = Gen::Val_decimal(e.Text1[0]) *
                    std::sqrt((sigma[1] * sigma[1] + sigma[2] * sigma[2] + sigma[3] * sigma[3]) / 3);
        if (tolerance == 0) {
            s.Messages << Lib_Langue[227];
            return s;
        }
    } else {
        tolerance = Gen::Val_decimal(e.Text1[0]) * somme / 3 * 0.01;
    }
    if (e.Check4 == 1) {
        Ajoute(s, AjusteAuto_aout09(lu, 1));
    } else if (e.ChKRel == 0) {
        Ajoute(s, AjusteTrouveRefColor(lu, float(tolerance)));
    } else {
        double K1 = 3 / somme;
        int compte = 0;
        Ajoute(s, AjusteTrouveRefColorRelatif(lu, K1, tolerance * K1, c[1], c[2], c[3], compte));
    }
    return s;
}

SortiesAjustement xComparer(const EntreesAjustement& e) {
    if (Saisie_hors_nombres(e)) return Refus_hors_nombres();
    SortiesAjustement s;
    const int n = Lignes_mesurees();
    std::array<QString, 3> textes = e.Text3;
    if (e.Option3 == 0) {
        textes = Textes_grille(GrilleRefP, 1);
    } else if ((e.Option3 == 1 || e.Option3 == 3) && n >= 1) {
        const Couleur c = Couleur_grille(GrilleRef, n);
        for (int j = 1; j <= 3; ++j) textes[j - 1] = Vb::CStr(c[j]);
    }
    s.Text3 = textes;
    EntreesAjustement lu = e;
    lu.Text3 = textes;
    s.CouleurSaisie = Couleur_saisie(lu);
    return s;
}

} // namespace CalculAjustement
