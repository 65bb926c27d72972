#include "tests/grid/aide_grille.h"

#include "base/etat_programme.h"
#include "base/tav.h"
#include "grid/enregistrement.h"
#include "grid/etat_grille.h"
#include "grid/fonction.h"
#include "base/grilles.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"
#include "measure/services_mesure.h"
#include "grid/grille_affichage.h"
#include "grid/effacement.h"
#include "base/etat_partage.h"
#include "platform/prompts.h"
#include "colour/etat_couleur.h"

void GrilleTest::SetUp() {
    EtatPropre::SetUp();
    IndexImageActive = 1;
}

void GrilleTest::Choisit(short f) {
    Gen::Change_fonction();
    NumFonction = f;
    // Colour mode starts by saying that no standard file is loaded.
    Prompts::Script script;
    if (f == 20) script.message(QStringLiteral("fichier étalon non chargé "));
    PGr::Choix_fonction();
}

void GrilleTest::Mesure(short pixels) {
    LongueurPixels = pixels;
    Mstat::Ajoute_Ligne_Grille_Mesure();
}

void GrilleTest::Ligne(std::initializer_list<short> longueurs) {
    for (short l : longueurs) Mesure(l);
}

QString GrilleTest::cell(int r, int c) { return Vu_en_francais(GrilleRef.TextMatrix(r, c)); }
QString GrilleTest::stat(int r, int c) { return Vu_en_francais(GrilleRefP.TextMatrix(r, c)); }
