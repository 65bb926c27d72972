#include "grid/lecture_commune.h"

#include <QRegularExpression>
#include <cmath>

#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/messages.h"
#include "base/tav.h"
#include "base/vb.h"
#include "grid/etat_grille.h"
#include "platform/prompts.h"

namespace Lecture {

bool Nombre_lu(const QString& texte, double& valeur) {
    static const QRegularExpression forme(
        QStringLiteral("^[+-]?(\\d+([.,]\\d*)?|[.,]\\d+)([eEdD][+-]?\\d+)?$"));
    const QString t = texte.trimmed();
    if (!forme.match(t).hasMatch()) return false;
    // A number beyond the doubles would read as 0 (a calibration of 0 turns every length
    // into 0): it is no number.
    QString n = t;
    n.replace(QLatin1Char(','), QLatin1Char('.')).replace(QLatin1Char('d'), QLatin1Char('e')).replace(QLatin1Char('D'), QLatin1Char('e'));
    bool ok = false;
    const double d = n.toDouble(&ok);
    if (!ok || !std::isfinite(d)) return false;
    valeur = Gen::Val_decimal(t);
    return true;
}

bool Entier_lu(const QString& texte, double min, double max, long long& valeur) {
    double v = 0;
    if (!Nombre_lu(texte, v)) return false;
    const double r = Vb::ArrondiPair(v);
    if (!(r >= min && r <= max)) return false;
    valeur = static_cast<long long>(r);
    return true;
}

void Echelle_calibrage_fichier() {
    if (IndResolution) return;
    // The base picture's width is held in twips, 15 to the pixel.
    const double pixels = Tav::instance()->picbase.Width / 15.0;
    if (pixels > 0) KZoomCal = pixels * 0.001;
}

void Signale_faute(const QString& fichier, int ligne) {
    Prompts::msgBox(Lib_Langue[144] + QStringLiteral(" :  ") + fichier + SautLigne + Lib_Menu[13] +
                        QLatin1Char(' ') + QString::number(ligne),
                    Prompts::OkOnly);
}

void Vide_trames() {
    for (LigneTrame& t : TableMesures) t = LigneTrame();
}

} // namespace Lecture
