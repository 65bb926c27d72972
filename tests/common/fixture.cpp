#include "tests/common/fixture.h"

#include "app/etat.h"
#include "base/tav.h"
#include "base/vb.h"

void EtatPropre::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    locale_ = QLocale();
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    Etat::Demarrage_test(dir_.path());
}

QString Nombre_local(const QString& francais) {
    QString t = francais;
    return t.replace(QLatin1Char(','), Vb::SeparateurDecimal());
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
