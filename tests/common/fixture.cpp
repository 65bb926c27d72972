#include "tests/common/fixture.h"

#include "app/etat.h"
#include "base/grilles.h"
#include "base/tav.h"
#include "grid/etat_grille.h"

void EtatPropre::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    locale_ = QLocale();
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    Etat::Demarrage_test(dir_.path());
}

void EtatPropre::TearDown() { QLocale::setDefault(locale_); }

void Redimensionne_vue_a(double largeur) {
    Tav& tav = *Tav::instance();
    // The first resize lays the view out as resizes do; the second gives the difference.
    for (int essai = 0; essai < 2 && tav.Picture1.ScaleWidth != largeur; ++essai) {
        const double ecart = essai == 0 ? 0 : largeur - tav.Picture1.ScaleWidth;
        tav.Fenetre.Width += int(ecart);
        tav.Fenetre.ScaleWidth += ecart;
        tav.Form_Resize();
    }
    ASSERT_EQ(tav.Picture1.ScaleWidth, largeur);
}

QList<QStringList> Grille_remplie() {
    QList<QStringList> g(NbLignesGrille);
    for (int r = 0; r < g.size(); ++r)
        for (int c = 0; c < GrilleRef.Cols(); ++c) g[r] << GrilleRef.TextMatrix(r, c);
    return g;
}
