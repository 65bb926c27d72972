#pragma once
// A clean program state in a temporary folder for each test.
// French, unless TAVIREL_LOCALE_ENVIRONNEMENT keeps the locale the environment gives.
#include <QLocale>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class EtatPropre : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    QString chemin(const QString& name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
private:
    QLocale locale_;
};

// True in the pass that keeps the environment's locale.
bool Locale_environnement();
// A number as the current locale writes it: the decimal commas of `francais` become its separator.
QString Nombre_local(const QString& francais);
// A displayed text as French expectations write it: under a point-decimal locale, its numbers' points read as commas.
QString Vu_en_francais(const QString& affiche);

// The user widens or narrows the measuring window until its view is `largeur` twips
// across inside (the width a measurement file was written with), through the window's
// own resize handler.
void Redimensionne_vue_a(double largeur);

// Every cell of the measurement grid's title row and filled rows.
QList<QStringList> Grille_remplie();

// Sets the default locale for the duration of a scope (the decimal separator on output).
class LocaleScope {
public:
    explicit LocaleScope(QLocale::Language lang, QLocale::Territory t = QLocale::AnyTerritory)
        : saved_(QLocale()) { QLocale::setDefault(QLocale(lang, t)); }
    ~LocaleScope() { QLocale::setDefault(saved_); }
private:
    QLocale saved_;
};
