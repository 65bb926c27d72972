#pragma once
// A clean program state in a temporary folder for each test.
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
