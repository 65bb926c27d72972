#include "grid/taille_grille.h"

#include "base/etat_programme.h"
#include "base/grilles.h"
#include "base/messages.h"
#include "base/tav.h"
#include "grid/etat_grille.h"
#include "platform/prompts.h"

namespace Gen {

void Taille_grille_max(short index) {
    if (index < 0 || index > 2) return;
    // A smaller grid would cut off measured rows: refuse rather than lose them.
    if (NbLignesGrille > (64 << index)) {
        Prompts::msgBox(Lib_Langue[185], Prompts::OkOnly | Prompts::IconExclamation);
        return;
    }
    Tav& tav = *Tav::instance();
    for (int i = 0; i <= 2; ++i) tav.TgrilleMax(i).Checked = false;
    tav.TgrilleMax(index).Checked = true;
    TailleGrille = short(64 << index);
    GrilleRef.setRows(TailleGrille + 1);
}

} // namespace Gen
