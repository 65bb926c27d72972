#pragma once
// Helpers of the adjustment tests: a chart opened through the chart menu, and what the
// adjustment window's controls hold.
#include "base/etat_programme.h"
#include "colour/ajustement_calcul.h"
#include "colour/fichiers_couleur.h"
#include "platform/prompts.h"
#include "tests/colour/aide_couleur.h"

class AjustementTest : public CouleurTest {
protected:
    // A chart of swatches "R;V;B;L;a;b;name" opened by the chart menu's dialog.
    QString Nuancier(const QString& nom, const QStringList& nuances) const {
        QStringList l{QStringLiteral("CALIBRAGECOL=0"), QStringLiteral("LISTE=")};
        int s = 0;
        for (const QString& n : nuances) {
            const QStringList c = n.split(QLatin1Char(';'));
            l << QStringLiteral("%1;%2;%3;%4;%5;%6;%7;8;1;%8;").arg(++s).arg(c[0], c[1], c[2], c[3], c[4], c[5], c[6]);
        }
        const QString chemin = Ecrit(nom, l);
        Prompts::Script script;
        script.open(chemin);
        BGr::Ouvre_nuancier();
        return chemin;
    }
    // The window's controls with the colour typed in Text3 and N results asked.
    static CalculAjustement::EntreesAjustement Entrees(const QString& a, const QString& b, const QString& c,
                                                       const QString& n = QStringLiteral("1")) {
        CalculAjustement::EntreesAjustement e;
        e.Text3 = {a, b, c};
        e.Text4 = n;
        e.Date = QDate(2024, 3, 5);
        return e;
    }
    // The result header for a chart file named `nuancier`, raw data.
    static QString Entete(const QString& nuancier) {
        return QStringLiteral("05/03/2024  Image : ") + SautLigne + QStringLiteral("Nuancier : ") + nuancier + SautLigne +
               QStringLiteral("données brutes");
    }
};
