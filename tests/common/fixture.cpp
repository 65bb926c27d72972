#include "tests/common/fixture.h"

#include <QRegularExpression>

#include "app/etat.h"
#include "base/grilles.h"
#include "base/tav.h"
#include "base/vb.h"
#include "grid/etat_grille.h"

void EtatPropre::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    locale_ = QLocale();
    if (!Locale_environnement()) QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    Etat::Demarrage_test(dir_.path());
}

bool Locale_environnement() { return qEnvironmentVariableIsSet("TAVIREL_LOCALE_ENVIRONNEMENT"); }

QString Nombre_local(const QString& francais) {
    return QString(francais).replace(QLatin1Char(','), Vb::SeparateurDecimal());
}

QString Vu_en_francais(const QString& affiche) {
    if (!Locale_environnement() || Vb::SeparateurDecimal() == QLatin1Char(',')) return affiche;
    // A point before digits ("2.5", ".325") or ending a whole number ("7."), never "a.jpg", "Long." nor after "6,60".
    static const QRegularExpression avant_chiffres(QStringLiteral(R"((?<!\p{L})\.(?=\d))"));
    static const QRegularExpression apres_entier(QStringLiteral(R"((^|[^,\d])(\d+)\.(?!\p{L}))"));
    return QString(affiche).replace(avant_chiffres, QStringLiteral(",")).replace(apres_entier, QStringLiteral("\\1\\2,"));
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
