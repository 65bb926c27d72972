#include "grid/etat_grille.h"

#include "base/vb.h"

LigneTrame& Trame(int ligne) {
    if (ligne < 0 || ligne > TableMesuresMax) throw Vb::Erreur(Vb::ErrIndice, "Subscript out of range");
    return TableMesures[ligne];
}
