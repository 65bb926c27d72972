#include "grid/lecture_commune.h"

#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/messages.h"
#include "base/tav.h"
#include "base/etat_demarrage.h"
#include "grid/etat_grille.h"
#include "platform/prompts.h"

namespace Lecture {

std::optional<QString> Fichier_a_charger(const QString& titre, const QString& extension, const QString& absent) {
    if (EtapeMesure + NbLignesGrille > 2 &&
        Prompts::msgBox(Lib_Langue[185] + SautLigne + Lib_Langue[106],
                        Prompts::YesNo | Prompts::IconInformation, QStringLiteral("Attention !")) == Prompts::No)
        return std::nullopt;

    // The dialog comes first: the grid is cleared only once there is a file to replace it.
    const QString propose = (Tav::instance()->labNomFic.Caption.isEmpty() ? QStringLiteral("mesures.") : QStringLiteral(".")) + extension;
    const QString filtre = QStringLiteral("*.") + extension + QStringLiteral("|*.") + extension;
    const std::optional<QString> choix = Prompts::openFile(titre, RepData, filtre, propose);
    if (!choix || choix->isEmpty()) return std::nullopt;
    if (!Gen::Fichier_existe(*choix, absent, 1)) return std::nullopt;
    return choix;
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
