#include "statwin/session_pdm.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "base/etat_programme.h"
#include "base/vb.h"
#include "stats/fenstat.h"

namespace {
constexpr int DernierSlot = 11;
} // namespace

bool SessionPdm::Bascule_marquage() {
    if (ModeMarquagePdm == 0) {
        TablePdm[0] = float(PdmCourant);
        ModeMarquagePdm = -1;
        return true;
    }
    ModeMarquagePdm = 0;
    return false;
}

std::optional<SessionPdm::Limite> SessionPdm::Clic_limite(double x) {
    if (!ModeMarquagePdm) return std::nullopt;
    if (LimiteSuivante == 0) {
        LimiteBasse = float(x);
        LimiteSuivante = -1;
        return Limite::Basse;
    }
    LimiteHaute = float(x);
    LimiteSuivante = 0;
    return Limite::Haute;
}

int SessionPdm::Cherche_Xi(const std::vector<double>& valeurs, int n, float x, short mode) {
    const int dernier = int(valeurs.size()) - 1;
    auto v = [&](int i) { return float(valeurs[size_t(i)]); };
    if (mode == 0) {
        for (int i = 1; i <= n; ++i) {
            if (i > dernier) return 0;
            if (v(i) >= x) return i;
        }
        return 0;
    }
    if (mode == 1) {
        if (n < 0 || n > dernier) return 0;
        if (v(n) <= x) return n;
        for (int i = 1; i <= n; ++i)
            if (v(i) >= x) return i - 1;
    }
    return 0;
}

std::optional<SessionPdm::Plage> SessionPdm::Prend_plage(const std::vector<double>& valeurs, int n) {
    if (LimiteHaute < LimiteBasse) std::swap(LimiteBasse, LimiteHaute);
    IndexBas = Cherche_Xi(valeurs, n, LimiteBasse, 0);
    IndexHaut = Cherche_Xi(valeurs, n, LimiteHaute, 1);
    // A lower limit above every value finds no first value: the range is empty too.
    if (IndexBas < 1 || IndexHaut < IndexBas) return std::nullopt;
    Plage p;
    for (int i = IndexBas; i <= IndexHaut; ++i) p.serie += Vb::CStr(valeurs[size_t(i)]) + QLatin1Char(';');
    p.n = IndexHaut - IndexBas + 1;
    const double largeur = std::fabs(valeurs[size_t(IndexBas)] - valeurs[size_t(IndexHaut)]);
    if (largeur <= 0.001)
        p.compte = Vb::CStr(p.n) + QStringLiteral(" ::  * ");
    else
        p.compte = Vb::CStr(p.n) + QStringLiteral(" pts # ") + Vb::Format(p.n / largeur, QStringLiteral("####.#"));
    serieMarquee_ = p.serie;
    serieDesLimites_ = valeurs;
    return p;
}

QString SessionPdm::Refus_calcul() const {
    return CompteurPdm > 10 ? QStringLiteral(" 10 PDMS maximum") : QString();
}

QString SessionPdm::Refus_table_pleine() const {
    return CompteurPdm > DernierSlot ? QStringLiteral("11") + QStringLiteral(" PDM maximum") : QString();
}

void SessionPdm::Range(bool acceptee) {
    if (CompteurPdm < 0 || CompteurPdm > DernierSlot) return;
    TablePdm[CompteurPdm] = acceptee ? float(PdmCourant) : 0.0f;
    pdmAccepte_ = acceptee;
}

QString SessionPdm::Suivant() {
    ++CompteurPdm;
    pdmAccepte_ = false;
    return Legende_compteur();
}

QString SessionPdm::Legende_compteur() const { return QStringLiteral("PDMS ") + Vb::CStr(CompteurPdm); }

void SessionPdm::Vide_table() {
    for (int i = 1; i <= DernierSlot; ++i) TablePdm[i] = 0;
}

void SessionPdm::Efface() {
    Vide_table();
    CompteurPdm = 1;
}

QString SessionPdm::Valeurs_restantes() const {
    QString reste;
    const int n = int(serieDesLimites_.size()) - 1;
    for (int i = 1; i <= n; ++i)
        if (i < IndexBas || i > IndexHaut) reste += Vb::CStr(serieDesLimites_[size_t(i)]) + QLatin1Char(';');
    return reste;
}

QString SessionPdm::Liste_pdms() {
    if (CompteurPdm >= 0 && CompteurPdm <= 10 && !pdmAccepte_) TablePdm[CompteurPdm] = TablePdm[0];
    QString lignes;
    // Past ten stored values the counter's slot is no value: the ten stay listed.
    for (int i = 1; i <= std::min<int>(CompteurPdm, 10); ++i)
        lignes += QStringLiteral(" PDMS ") + Vb::CStr(i) + QStringLiteral(" = ") +
                  Fenstat::Format_resultat(TablePdm[i], QStringLiteral("###.##")) + SautLigne;
    return lignes;
}
