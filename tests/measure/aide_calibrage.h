#pragma once
// Shared set-up of the calibration's tests: the measuring's start with a coefficient of
// 1 micron per unit ("Ind. Res.", a 1000-pixel picture at level 0, where one view unit is
// one unit of measured length), the calibration file of the program's folder, and the
// user's gestures on the panel, the dialog and the command bar.
#include <QFile>

#include "base/etat_programme.h"
#include "base/messages.h"
#include "measure/calibrage.h"
#include "measure/etat_calibrage.h"
#include "tests/measure/aide_mesure.h"

namespace AideCalibrage {

using namespace AideMesure;

constexpr long FaceBouton = 0x8000000F;

class CalibrageTest : public MesureTest {
protected:
    QStringList Reglages_depart() const override {
        return {QStringLiteral("CALIBRAGE = 1"), QStringLiteral("INDPRES= VRAI")};
    }
    // A horizontal segment of `longueur` units, as a drag.
    void Segment(int longueur, int y = 1000) { Glisse(1000, y, 1000 + longueur, y); }
    // The user types in the dialog's box and presses its "OK" or "Annule".
    void Tape(const QString& valeur) {
        tav.TBox(5).Text = valeur;
        tav.TBox_Change(5);
    }
    void OK() { tav.Bout_Click(31); }
    void Annule() { tav.Bout_Click(32); }
    // Rows of the user's own, before a calibration is pointed.
    void Lignes_utilisateur(int n) {
        for (int k = 0; k < n; ++k) Segment(100 + 10 * k, 3000 + 300 * k);
    }
    // The edit menu's "Etalonnage/Résolution" opens the panel.
    void Panneau() { tav.MnuEDit_Click(4); }
    QString Fichier() const { return Calibrage::Chemin_fichier(); }
    static QByteArray Octets(const QString& chemin) {
        QFile f(chemin);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void Ecrit(const QString& chemin, const QByteArray& octets) {
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(octets);
    }
};

} // namespace AideCalibrage
