// The item under way in the measuring window, its end, and the table of what every
// command does while it lasts.
#include "measure/item_en_cours.h"

#include <iterator>

#include "base/etat_partage.h"
#include "base/messages.h"
#include "base/rappels.h"
#include "base/tav.h"
#include "base/vb.h"
#include "grid/etat_grille.h"
#include "measure/etat_mesure.h"
#include "measure/services_mesure.h"

namespace Item {

namespace {

constexpr long kOrangeClair = 0x80C0FF;

// What a command does while a kind of item is under way.
enum Suite : char {
    Prise,     // runs, and the item goes on as it was
    Refusee,   // the flash, and nothing changes
    Terminee,  // the item ends, then the command runs
    Annulee,   // the item ends, and that is all the command does
    Remise,    // runs; the clearing of the grid it makes, once the user has said Yes, ends the item
};

struct Regle {
    Commande commande;
    Suite point, ligne, comptes, pointage;
};

// A command that moves the view, shows another picture, changes the coefficient in force
// or rewrites the grid is never taken while a point is pending: the point was placed in
// the view as it stood, and the row's values so far were measured with that picture and
// coefficient. "maj grille" clears the grid to read it back: it abandons a point as
// every clearing does, and waits for a half-filled row, which it would lose.
constexpr Regle kRegles[] = {
    {Commande::Vue,         Refusee,  Prise,   Prise,   Prise},
    {Commande::Image,       Refusee,  Refusee, Refusee, Refusee},
    {Commande::Coefficient, Refusee,  Refusee, Prise,   Refusee},
    {Commande::Pointage,    Refusee,  Refusee, Refusee, Refusee},
    {Commande::Grille,      Terminee, Refusee, Refusee, Refusee},
    {Commande::Charge,      Remise,   Remise,  Remise,  Remise},
    {Commande::Fonction,    Remise,   Remise,  Remise,  Remise},
    {Commande::Raz,         Terminee, Remise,  Remise,  Remise},
    {Commande::Defaire,     Annulee,  Prise,   Annulee, Prise},
    {Commande::Echap,       Annulee,  Prise,   Prise,   Prise},
    {Commande::Bouton,      Terminee, Prise,   Prise,   Prise},
    {Commande::Style,       Terminee, Prise,   Prise,   Prise},
    {Commande::Poly,        Refusee,  Prise,   Prise,   Prise},
    {Commande::Annotation,  Refusee,  Prise,   Prise,   Prise},
    {Commande::Redimension, Terminee, Prise,   Prise,   Prise},
};

const Regle& Regle_de(Commande c) {
    for (const Regle& r : kRegles)
        if (r.commande == c) return r;
    return kRegles[0];
}

Tav& tav() { return *Tav::instance(); }

bool Compte_en_attente() {
    if (NumFonction != 10 && NumFonction != 11 && !ModeComptage) return false;
    try {
        return Vb::Val(tav().TBox(6).Text) != 0;
    } catch (const Vb::Erreur&) {
        return true;
    }
}

} // namespace

unsigned En_cours() {
    unsigned g = 0;
    if (MesureBloquee || NbSommets > 0 || TraceOrigine || TraceSecondPoint || TraceEnCours) g |= Point;
    if (EtapeMesure >= 2) g |= Ligne;
    if (Compte_en_attente()) g |= Comptes;
    if (ModeCalibrage && tav().Frame(8).Visible) g |= Pointage;
    return g;
}

void Termine(unsigned genres) {
    Tav& t = tav();
    if (genres & (Point | Comptes)) PGr::Restaure_image();
    if ((genres & Comptes) && Compte_en_attente()) t.TBox(6).Text = QStringLiteral("0");
    // A pointing armed but not yet drawn is disarmed too: its next segment would be taken
    // for the micrometer in whatever comes next.
    if (genres & Pointage) {
        if (ModeCalibrage && t.Frame(8).Visible) t.Dialogue_calibrage_Annule();
        ModeCalibrage = 0;
        t.bout(10).BackColor = CouleursBouton::Face;
    }
}

bool Permet(Commande c) {
    const unsigned g = En_cours();
    if (g == 0) return true;
    const Regle& r = Regle_de(c);
    const Suite suites[] = {r.point, r.ligne, r.comptes, r.pointage};
    unsigned fin = 0;
    bool seule_fin = false;
    for (unsigned k = 0; k < std::size(suites); ++k) {
        const unsigned genre = 1u << k;
        if (!(g & genre)) continue;
        switch (suites[k]) {
        case Refusee:
            tav().Flash(kOrangeClair, Lib_Langue[178], 2);
            return false;
        case Terminee: fin |= genre; break;
        case Annulee:
            fin |= genre;
            seule_fin = true;
            break;
        case Prise:
        case Remise: break;
        }
    }
    if (fin) Termine(fin);
    return !seule_fin;
}

void Installe() {
    Rappels::Commande_permise = &Permet;
    Rappels::Termine_item = [] { Termine(); };
}

} // namespace Item
