#pragma once
// The measuring window lives for the whole test run: the controls the file, results and
// comment tests read are put back in their first state before each test.
#include <QFile>
#include <QFileInfo>

#include "base/tav.h"

// A hand-written file of the tests' data folder.
inline QString Donnees(const QString& nom) {
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/data/") + nom;
}

inline QByteArray Octets(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void Controles_fichiers_propres() {
    Tav& tav = *Tav::instance();
    tav.labNomFic.Caption.clear();
    tav.Frame(6).Visible = true;
    tav.Frame(10).Visible = false;
    tav.Frame(12).Visible = false;
    tav.Text4.Text = QStringLiteral("1");
    tav.VScroll2.Value = 1;
    tav.TBox(3).Text.clear();
    tav.TBox(8).Text.clear();
    for (int i = 1; i <= 5; ++i) tav.NoTexp(i).Checked = i == 5;
    tav.MnuEDit(2).Enabled = true;
    tav.lblLabelflashx.Caption.clear();
}
