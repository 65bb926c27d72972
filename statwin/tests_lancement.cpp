// Runs a test of the statistics library on the diagram's series box and shows its lines.
#include "grid/etat_grille.h"
#include "stats/test_serie.h"
#include "statwin/fenhisto.h"

void PanneauTests::Lance_Test(short code) {
    Mstat::Entree_Test entree;
    entree.Code = code;
    entree.Serie = fen().MText3->text();
    entree.Log_Normale = Option3(1).isChecked();
    entree.Risque = Ttxt2(3).text();
    const Mstat::Sortie_Test sortie = Mstat::Lance_Test(entree);
    // The column box and its spinner wait for a grid that holds rows.
    const bool colonne_active = NbLignesGrille != 1;
    if (Ttxt1.existe(code)) {
        Ttxt1(code).setEnabled(colonne_active);
        TVScroll1(code).setEnabled(colonne_active);
    }
    if (sortie.Resultat_Change && Tlabel1.existe(code)) Tlabel1(code).setText(sortie.Resultat);
}
