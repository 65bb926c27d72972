// The open dialogs of the chart menu: chart, colour standard and scanner file.
#include <QFileInfo>

#include "base/etat_demarrage.h"
#include "base/gen.h"
#include "base/tav.h"
#include "colour/correction.h"
#include "colour/fichiers_couleur.h"
#include "platform/prompts.h"

namespace {

const QString FiltreNuancier = QStringLiteral("Fic Ref (*.Nua)|*.Nua|Fic Texte(.txt)|*.txt|Tous les fichiers (*.*)|*.*");
const QString FiltreEtalon = QStringLiteral("Fic Ref (*.Etl)|*.Etl|Fic Texte(.txt)|*.txt|Tous les fichiers (*.*)|*.*");
const QString FiltreScanner = QStringLiteral("Fic Ref (*.scn)|*.scn|Fic Texte(.txt)|*.txt|Tous les fichiers (*.*)|*.*");

// The dialog opens on the file as stored: a bare name in the program folder, a full path in its own.
std::optional<QString> Choisit(const QString& precedent, const QString& filtre) {
    const QFileInfo info(Vistrane::Chemin_fichier_couleur(precedent));
    const bool ailleurs = QFileInfo(precedent).isAbsolute();
    return Prompts::openFile(QString(), ailleurs ? info.absolutePath() : RepProg, filtre, info.fileName());
}

} // namespace

namespace BGr {

void Ouvre_nuancier() {
    const QString propose = Gen::Fichier_existe(FicNuancier) ? Gen::Nom_fichier(FicNuancier) : QStringLiteral("*.nua");
    const auto choisi = Prompts::openFile(QString(), RepProg, FiltreNuancier, propose);
    if (!choisi) return;
    if (Vistrane::Lit_Nuancier(*choisi)) FicNuancier = *choisi;
}

} // namespace BGr

namespace Vistrane {

void Choix_Etalon() {
    const QString p = FicEtalon.isEmpty() ? QStringLiteral("*.etl") : FicEtalon;
    const auto choisi = Choisit(p, FiltreEtalon);
    if (!choisi) return;
    FicEtalon = QFileInfo(*choisi).isFile() ? Nom_fichier_couleur(*choisi) : QString();
    if (FicEtalon != p) {
        Tav& tav = *Tav::instance();
        tav.Flash(255, QStringLiteral("Attention : Recharger le fichier scanner !"), 2);
        // The curves were built on the former standard.
        Abandonne_correction();
    }
}

void Choix_Scanner() {
    const QString p = FicScanner.isEmpty() ? QStringLiteral("*.Scn") : FicScanner;
    const auto choisi = Choisit(p, FiltreScanner);
    if (!choisi) return;
    FicScanner = Nom_fichier_couleur(*choisi);
    Tav::instance()->Label6(1).Caption = QStringLiteral("Scanner : ") + FicScanner;
    Charge_Calibrage(1);
}

} // namespace Vistrane
