#include "colour/correction.h"

#include <algorithm>

#include "base/gen.h"
#include "base/messages.h"
#include "base/tav.h"
#include "base/vb.h"
#include "colour/etat_couleur.h"
#include "colour/fichiers_couleur.h"
#include "platform/prompts.h"

namespace Vistrane {

namespace {

QString Comptes() {
    return QString::number(NbMesuresEtalon) + QStringLiteral(" , ") + QString::number(NbMesuresScanner) +
           QLatin1Char(')');
}

void Oublie_courbes() {
    CorrectionPrete = 0;
    PointsConstruits = 0;
}

[[noreturn]] void Erreur_indice() { throw Vb::Erreur(Vb::ErrIndice, "Subscript out of range"); }

struct PointCorrection {
    short NumeroLigne = 0;
    double ValeurScanner = 0, ValeurEtalon = 0;
};

} // namespace

void Charge_Calibrage(short) {
    const QString etalon = Chemin_fichier_couleur(FicEtalon);
    const QString scanner = Chemin_fichier_couleur(FicScanner);
    // A missing file fails the build like a refused count: the curves of the former pair
    // go, or the check box would apply them under the new pair's names.
    if (!Gen::Fichier_existe(etalon, QStringLiteral("fichier étalon non chargé "), 1)) {
        Oublie_courbes();
        return;
    }
    if (!Gen::Fichier_existe(scanner, QStringLiteral("fichier scanner absent "), 1)) {
        Oublie_courbes();
        return;
    }
    Construit_correction(etalon, scanner);
}

bool Construit_correction(const QString& etalon, const QString& scanner) {
    Tav& tav = *Tav::instance();
    tav.CheckCalibre.Value = 0;
    NbMesuresEtalon = 0;
    NbMesuresScanner = 0;
    const int lusScanner = Lit_FichierRef(scanner, MesuresScanner, NbMesuresScanner);
    const int lusEtalon = Lit_FichierRef(etalon, MesuresEtalon, NbMesuresEtalon);
    // Only the lines both files hold make points: a shorter list never meets the rows
    // an earlier reading left in the other table.
    const int N = std::min(lusScanner, lusEtalon);
    // A pair that cannot be used drops the curves of the former pair, so that neither a
    // chart measured with the correction nor the check box can apply them later.
    if (NbMesuresEtalon == 0 || NbMesuresScanner == 0 || N == 0) {
        Prompts::msgBox(Lib_Langue[228] + Comptes(), Prompts::OkOnly);
        Oublie_courbes();
        return false;
    }
    if (NbMesuresEtalon != NbMesuresScanner) {
        Prompts::msgBox(Lib_Langue[229] + Comptes(), Prompts::OkOnly);
        Oublie_courbes();
        return false;
    }
    Affiche_Correction(N);
    CorrectionPrete = -1;
    tav.CheckCalibre.Enabled = true;
    tav.CheckCalibre.Value = 1;
    return true;
}

void Abandonne_correction() {
    Tav& tav = *Tav::instance();
    Oublie_courbes();
    tav.CheckCalibre.Enabled = false;
    tav.CheckCalibre.Value = 0;
}

void Affiche_Correction(int N) {
    Liste& test = Tav::instance()->test;
    Ligne_Correction(1, N);
    test.AddItem(QStringLiteral("-Vert-"));
    Ligne_Correction(2, N);
    test.AddItem(QStringLiteral("-Bleu-"));
    Ligne_Correction(3, N);
    test.AddItem(QStringLiteral("----"));
    PointsConstruits = short(N);
}

void Ligne_Correction(short ch, int N) {
    if (ch < 1 || ch > 3 || N < 0 || N > 255) Erreur_indice();
    PointCorrection p[257];
    for (int d = 1; d <= N; ++d) {
        p[d].NumeroLigne = Vb::CInt(MesuresScanner[d][1]);
        p[d].ValeurScanner = MesuresScanner[d][ch + 1];
        p[d].ValeurEtalon = MesuresEtalon[d][ch + 1];
    }
    p[0] = {0, 0, 0};
    p[N + 1] = {short(N + 1), 255, 255};
    // A stable sort by scanner value: equal values keep the files' order.
    std::stable_sort(p + 1, p + N + 1,
                     [](const PointCorrection& a, const PointCorrection& b) { return a.ValeurScanner < b.ValeurScanner; });
    Liste& test = Tav::instance()->test;
    for (int i = 0; i <= N + 1; ++i) {
        NumeroLigne[i][ch] = p[i].NumeroLigne;
        ValeurScanner[i][ch] = p[i].ValeurScanner;
        ValeurEtalon[i][ch] = p[i].ValeurEtalon;
        if (i >= 1)
            test.AddItem(Vb::CStr(i) + QStringLiteral(" / ") + Vb::CStr(p[i].NumeroLigne) + QLatin1Char('\t') +
                         Vb::CStr(p[i].ValeurScanner) + QLatin1Char('\t') + Vb::CStr(p[i].ValeurEtalon));
    }
}

double Corrige_Canal(short ch, double v) {
    if (ch < 1 || ch > 3 || PointsConstruits < 1) Erreur_indice();
    const int dernier = PointsConstruits + 1;
    for (int i = 0; i <= dernier; ++i) {
        if (!(v <= ValeurScanner[i][ch])) continue;
        if (i == 0) return 0;
        const double xp = ValeurScanner[i - 1][ch], yp = ValeurEtalon[i - 1][ch];
        const double xq = ValeurScanner[i][ch], yq = ValeurEtalon[i][ch];
        return yp + (yq - yp) * (v - xp) / (xq - xp);
    }
    Erreur_indice();
}

double Corrige_Valeur(short ch, double v) { return Corrige_Canal(ch, v); }

} // namespace Vistrane
