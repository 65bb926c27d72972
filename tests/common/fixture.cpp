#include "tests/common/fixture.h"

#include "app/etat.h"
#include "base/grilles.h"
#include "base/tav.h"
#include "base/vb.h"
#include "grid/etat_grille.h"

void EtatPropre::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    locale_ = QLocale();
    // The point-decimal pass keeps the locale the program takes from the environment.
    if (!Locale_environnement()) QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    Etat::Demarrage_test(dir_.path());
}

bool Locale_environnement() { return qEnvironmentVariableIsSet("TAVIREL_LOCALE_ENVIRONNEMENT"); }

QString Nombre_local(const QString& francais) {
    QString t = francais;
    return t.replace(QLatin1Char(','), Vb::SeparateurDecimal());
}

QString Vu_en_francais(const QString& affiche) {
    if (!Locale_environnement() || Vb::SeparateurDecimal() == QLatin1Char(',')) return affiche;
    QString t = affiche;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i] != QLatin1Char('.')) continue;
        const QChar avant = i > 0 ? t[i - 1] : QChar(), apres = i + 1 < t.size() ? t[i + 1] : QChar();
        qsizetype debut = i;
        while (debut > 0 && t[debut - 1].isDigit()) --debut;
        // "2.5", ".325" and "7." (the pattern "0.##"), never "Long.", "a.jpg" or the
        // full stop after "6,60".
        const bool fin_de_phrase = debut > 0 && t[debut - 1] == QLatin1Char(',');
        if (apres.isDigit() ? !avant.isLetter() : avant.isDigit() && !apres.isLetter() && !fin_de_phrase)
            t[i] = QLatin1Char(',');
    }
    return t;
}

QStringList Vu_en_francais(const QStringList& affiche) {
    QStringList l;
    for (const QString& t : affiche) l << Vu_en_francais(t);
    return l;
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
