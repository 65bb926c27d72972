#pragma once
// Shared set-up of the statistics window's tests: a grid filled with known columns and
// the window loaded and activated on it.
#include <QString>
#include <vector>

#include "base/etat_programme.h"
#include "grid/etat_grille.h"
#include "base/grilles.h"
#include "statwin/fenhisto.h"
#include "tests/common/fixture.h"
#include "base/etat_partage.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"
#include "colour/etat_couleur.h"

// Columns of cell texts, one vector per grid column 1, 2, ...; "" is an empty cell.
// The grid gets the pasted-table layout: titles "A", "B"..., then "img" and "comment".
inline void Remplir_grille(const std::vector<std::vector<QString>>& colonnes) {
    const int s = int(colonnes.size());
    int lignes = 0;
    for (const auto& c : colonnes) lignes = std::max(lignes, int(c.size()));
    NumFonction = 0;
    GrilleRef.setCols(s + 3);
    GrilleRef.setRows(std::max(lignes + 1, int(TailleGrille) + 1));
    GrilleRefP.setCols(s + 3);
    for (int j = 0; j < s; ++j) {
        const QString titre(QChar(u'A' + j));
        GrilleRef.setTextMatrix(0, j + 1, titre);
        GrilleRefP.setTextMatrix(0, j + 1, titre);
        for (int r = 0; r < int(colonnes[j].size()); ++r) GrilleRef.setTextMatrix(r + 1, j + 1, colonnes[j][r]);
    }
    NbLignesGrille = short(lignes + 1);
}

// The window as the start-up loop shows it: loaded, then activated.
class FenetreActive : public EtatPropre {
protected:
    void TearDown() override {
        FenHisto::setModalHook({});
        FenHisto::decharger();
        EtatPropre::TearDown();
    }
    FenHisto& activer(short statDef = 1) {
        StatDef = statDef;
        FenHisto* f = FenHisto::instance();
        f->placer(1000, 500);
        f->Form_Activate();
        return *f;
    }
};
