#pragma once
// What the tests of the tests and tables views share: the window loaded and activated
// on a clean state, and the numbers read back from a result label.
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include "statwin/fenhisto.h"
#include "tests/common/fixture.h"

class VueStat : public EtatPropre {
protected:
    void TearDown() override {
        FenHisto::setModalHook({});
        FenHisto::decharger();
        EtatPropre::TearDown();
    }
    FenHisto& fenetre() {
        FenHisto* f = FenHisto::instance();
        f->Form_Activate();
        return *f;
    }
};

// The lines of a result text, split at CR LF.
inline QStringList Lignes(const QString& texte) { return texte.split(QStringLiteral("\r\n")); }

// The number written right after `debut` in `texte` (decimal comma or point, an
// exponent "E-05" allowed); NaN when `debut` is absent.
inline double Nombre_apres(const QString& texte, const QString& debut) {
    const qsizetype i = texte.indexOf(debut);
    if (i < 0) return std::nan("");
    qsizetype j = i + debut.size();
    QString n;
    while (j < texte.size()) {
        const QChar c = texte[j];
        if (c.isDigit() || c == QLatin1Char(',') || c == QLatin1Char('.') || c == QLatin1Char('-') ||
            c == QLatin1Char('+') || c == QLatin1Char('E'))
            n += c;
        else
            break;
        ++j;
    }
    n.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = n.toDouble(&ok);
    return ok ? v : std::nan("");
}

inline std::string s(const QString& q) { return Vu_en_francais(q).toStdString(); }
