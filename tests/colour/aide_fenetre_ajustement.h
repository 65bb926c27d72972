#pragma once
// Helpers of the adjustment window's tests: three colour rows measured as a user measures
// them, the hand-written 12-swatch chart opened by the chart menu, the window opened by
// the measuring window's "Ajuster", and the window's result lines.
#include <QDateTime>

#include "base/etat_programme.h"
#include "base/grilles.h"
#include "base/tav.h"
#include "colour/ajustement.h"
#include "colour/fichiers_couleur.h"
#include "platform/prompts.h"
#include "tests/colour/aide_ajustement.h"

class FenetreAjustement : public AjustementTest {
protected:
    void SetUp() override {
        AjustementTest::SetUp();
        Vistrane::Fixe_horloge([] { return QDateTime(QDate(2024, 3, 5), QTime(14, 7)); });
    }
    // Colour mode, then three zones measured on plain pictures: (200, 100, 50),
    // (90, 60, 30) and (100, 80, 40), whose means are (130, 80, 40).
    void Trois_lignes() const {
        Mode_couleur();
        Tav::instance()->Lrg_Click(2);
        Clic(Image_unie(60, 60, qRgb(200, 100, 50)), 11, 11);
        Clic(Image_unie(60, 60, qRgb(90, 60, 30)), 11, 11);
        Clic(Image_unie(60, 60, qRgb(100, 80, 40)), 11, 11);
    }
    // The hand-written chart of 12 swatches, opened by the chart menu.
    QString Nuancier12() const {
        const QString c = Copie(QStringLiteral("details12.Nua"));
        Prompts::Script script;
        script.open(c);
        BGr::Ouvre_nuancier();
        return c;
    }
    // "Ajuster" in the measuring window, with the prompts it is expected to raise.
    static void Ouvre(const QStringList& messages = {}) {
        Prompts::Script script;
        for (const QString& m : messages) script.message(m);
        Ajustement::Ouvre();
        EXPECT_EQ(script.remaining(), 0);
    }
    // The result lines after the header, the title and the empty line.
    QStringList Lignes() const { return aj.Text2.Text.split(SautLigne).mid(5); }
    // The header and title of a search on the 12-swatch chart.
    static QString Entete12(const QString& titre, const QString& donnees = QStringLiteral("données brutes")) {
        return QStringLiteral("05/03/2024  Image : ") + SautLigne + QStringLiteral("Nuancier : details12.Nua") + SautLigne +
               donnees + SautLigne + titre + SautLigne;
    }

    Ajustement& aj = *Ajustement::instance();
};
