#pragma once
// Helpers of the colour tests: a clean start, colour mode entered by the function menu,
// files of the tests' data folder, synthetic pictures and clicks on them.
#include <QFileInfo>
#include <QImage>
#include <QString>
#include <QStringList>

#include "tests/common/fixture.h"

// A hand-written file of the colour tests' data folder.
inline QString Donnees(const QString& nom) {
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/data/") + nom;
}

class CouleurTest : public EtatPropre {
protected:
    void SetUp() override;
    void TearDown() override;
    // Writes lines ended by CR LF, in Windows-1252, into the temporary folder.
    QString Ecrit(const QString& nom, const QStringList& lignes) const;
    // Copies a data file into the temporary folder (the program's folder).
    QString Copie(const QString& nom) const;
    // Settings lines read as the start-up reads them.
    void Parametres(const QStringList& lignes) const;
    // The function menu's colour item. Without a standard file the start of colour mode
    // says so ("fichier étalon non chargé "), as it does at every start.
    static void Mode_couleur(bool sansEtalon = true);
    // A picture of one colour.
    static QImage Image_unie(int largeur, int hauteur, QRgb couleur);
    // A press on the view shown at full size, on the centre step (mx, my) of the grid of
    // 2540 / 1440 pixels the zone's centre lies on; returns the beeps heard.
    static int Clic(const QImage& image, int mx, int my);
    // View units (twips) of centre step m, and the centre in pixels it gives.
    static double Twips(int m);
    static double Centre(int m);
    static QString cell(int r, int c);
};
