// The item under way in the measuring window, its end, and the table of what every
// command does while it lasts.
#include "measure/item_en_cours.h"

#include <iterator>

#include "base/etat_partage.h"
#include "base/messages.h"
#include "base/rappels.h"
#include "base/tav.h"
#include "base/vb.h"
#include "grid/effacement.h"
#include "grid/etat_grille.h"
#include "measure/etat_mesure.h"
#include "measure/services_mesure.h"

namespace Item {

namespace {

// The flash's colours: most refusals light orange, the image lists green, the frames of the
// report's comment and of the colour files yellow.
constexpr long kOrangeClair = 0x80C0FF, kVert = 0xFF00, kJaune = 0xFFFF;

// What a command does while a kind of item is under way.
enum Suite : char {
    Prise,     // runs, and the item goes on as it was
    Refusee,   // the flash, and nothing changes
    Terminee,  // the item ends, then the command runs
    Annulee,   // the item ends, and that is all the command does
    Remise,    // runs; the clearing of the grid it makes, once the user has said Yes, ends the item
};

// What a command does to the rows already recorded. A row's cells come from its record,
// its picture's coefficient and own width, and the resolution mode: a command that changes
// one of these recomputes at once the rows it touches; no other command changes a row's
// value (the zoom, the view, the window's size and the picture shown are not among them).
enum Lignes : char {
    Intactes,     // changes nothing a row's value depends on
    Recalculees,  // changes a coefficient or the mode, and recomputes the rows it touches
    Refusees,     // would change a picture's width under its rows: refused while they stand
                  // (a paste of another width than the pasted picture rows name, with A0(75))
};

struct Regle {
    Commande commande;
    long couleur;  // the flash's colour when it refuses
    Lignes lignes;
    Suite point, ligne, comptes, pointage, arme, autre;
};

// A command that moves the view, shows another picture, changes the coefficient in force
// or rewrites the grid is never taken while a point is pending: the point was placed in
// the view as it stood, and the row's values so far were measured with that picture and
// coefficient. "maj grille" clears the grid to read it back: it abandons a point as
// every clearing does, and waits for a half-filled row, which it would lose. A pointing
// armed whose segment is not yet drawn ends with a change of picture: its segment would
// calibrate a picture other than the one it was armed for. An undo never reopens a row
// completed on another picture than the one shown, nor takes an imported one.
constexpr Regle kRegles[] = {
    {Commande::Vue,         kOrangeClair, Intactes,    Refusee,  Prise,   Prise,   Prise,   Prise, Prise},
    {Commande::Image,       kOrangeClair, Refusees,    Refusee,  Refusee, Refusee, Refusee, Terminee, Prise},
    {Commande::ListeImages, kVert,        Intactes,    Refusee,  Refusee, Refusee, Refusee, Terminee, Prise},
    {Commande::Coefficient, kOrangeClair, Recalculees, Refusee,  Refusee, Prise,   Refusee, Prise, Prise},
    {Commande::Resolution,  kOrangeClair, Recalculees, Refusee,  Refusee, Prise,   Refusee, Prise, Prise},
    {Commande::Pointage,    kOrangeClair, Recalculees, Refusee,  Refusee, Refusee, Refusee, Prise, Prise},
    {Commande::Grille,      kOrangeClair, Intactes,    Terminee, Refusee, Refusee, Refusee, Terminee, Prise},
    {Commande::Charge,      kOrangeClair, Intactes,    Remise,   Remise,  Remise,  Remise,  Remise, Prise},
    {Commande::Fonction,    kOrangeClair, Intactes,    Remise,   Remise,  Remise,  Remise,  Remise, Prise},
    {Commande::Raz,         kOrangeClair, Intactes,    Terminee, Remise,  Remise,  Remise,  Remise, Prise},
    {Commande::Defaire,     kOrangeClair, Intactes,    Annulee,  Prise,   Annulee, Prise,   Prise, Refusee},
    {Commande::Echap,       kOrangeClair, Intactes,    Annulee,  Prise,   Prise,   Prise,   Prise, Prise},
    {Commande::Bouton,      kOrangeClair, Intactes,    Terminee, Prise,   Prise,   Prise,   Prise, Prise},
    {Commande::Style,       kOrangeClair, Intactes,    Terminee, Prise,   Prise,   Prise,   Prise, Prise},
    {Commande::Poly,        kOrangeClair, Intactes,    Refusee,  Prise,   Prise,   Prise,   Prise, Prise},
    {Commande::Annotation,  kOrangeClair, Intactes,    Refusee,  Prise,   Prise,   Prise,   Prise, Prise},
    {Commande::Redimension, kOrangeClair, Intactes,    Terminee, Prise,   Prise,   Prise,   Prise, Prise},
    {Commande::Commentaire, kJaune,       Intactes,    Prise,    Refusee, Prise,   Prise,   Prise, Prise},
    {Commande::Nuancier,    kJaune,       Intactes,    Prise,    Refusee, Prise,   Prise,   Prise, Prise},
};

// Every command has its row, in the order of the commands, so a new command without one
// does not build.
constexpr bool Table_complete() {
    if (std::size(kRegles) != std::size_t(Commande::Nombre)) return false;
    for (std::size_t i = 0; i < std::size(kRegles); ++i)
        if (kRegles[i].commande != Commande(i)) return false;
    return true;
}
static_assert(Table_complete(), "every command has exactly one row of kRegles, in order");

const Regle& Regle_de(Commande c) { return kRegles[std::size_t(c)]; }

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
    else if (ModeCalibrage) g |= Arme;
    // With a point or counts pending, the undo takes them back and reopens no row.
    if (!(g & (Point | Comptes)) && Gen::Annulation_refusee()) g |= LigneProtegee;
    return g;
}

void Termine(unsigned genres) {
    Tav& t = tav();
    if (genres & (Point | Comptes)) PGr::Restaure_image();
    if ((genres & Comptes) && Compte_en_attente()) t.TBox(6).Text = QStringLiteral("0");
    // A pointing armed but not yet drawn is disarmed too: its next segment would be taken
    // for the micrometer in whatever comes next.
    if (genres & (Pointage | Arme)) {
        if (ModeCalibrage && t.Frame(8).Visible) t.Dialogue_calibrage_Annule();
        ModeCalibrage = 0;
        t.bout(10).BackColor = CouleursBouton::Face;
    }
}

bool Prepare(Commande c) {
    const unsigned g = En_cours();
    if (g == 0) return true;
    const Regle& r = Regle_de(c);
    const Suite suites[] = {r.point, r.ligne, r.comptes, r.pointage, r.arme, r.autre};
    unsigned fin = 0;
    bool seule_fin = false;
    for (unsigned k = 0; k < std::size(suites); ++k) {
        const unsigned genre = 1u << k;
        if (!(g & genre)) continue;
        switch (suites[k]) {
        case Refusee:
            tav().Flash(r.couleur, Lib_Langue[178], 2);
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
    Rappels::Commande_permise = &Prepare;
    Rappels::Termine_item = [] { Termine(); };
}

} // namespace Item
