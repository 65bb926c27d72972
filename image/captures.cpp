// The save dialog of pictures, the saves of the acquired picture and of the view, and the
// screen and work-area copies.
#include "image/captures.h"

#include <QFileInfo>
#include <QImage>

#include "base/etat_demarrage.h"
#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/etat_struct.h"
#include "base/gen.h"
#include "base/messages.h"
#include "base/rappels.h"
#include "base/tav.h"
#include "platform/capture_ecran.h"
#include "platform/ecriture_image.h"
#include "platform/prompts.h"
#include "platform/waits.h"

frmCopieEcran* frmCopieEcran::instance() {
    static frmCopieEcran* forme = new frmCopieEcran;
    return forme;
}

void frmCopieEcran::Ferme() { *this = frmCopieEcran(); }

namespace {
// The form is part of the program's reset: unloaded.
const bool enregistre =
    Etat::enregistrer({"frmCopieEcran", [] { frmCopieEcran::instance()->Ferme(); },
                       [](Etat::Visiteur& v) { v.champ("Picture1", frmCopieEcran::instance()->Picture1); },
                       [] { return frmCopieEcran::instance()->au_depart(); }});
} // namespace

namespace Gen {

QString Dialogue_sauve_fichier(const QString& nom, const QString& ext, short& annule) {
    annule = 0;
    const QString motif = QStringLiteral("*.") + ext;
    const QString filtre = motif + QLatin1Char('|') + motif + QStringLiteral("|Tous les fichiers (*.*)|*.*");
    const std::optional<QString> choisi =
        Prompts::saveFile(QString(), RepData, filtre, nom + QLatin1Char('.') + ext);
    if (!choisi || choisi->isEmpty()) {
        annule = 1;
        return QString();
    }
    const QString chemin = *choisi;
    // The folder the user went to is where the next dialog starts.
    const QString dossier = QFileInfo(chemin).absolutePath();
    if (!dossier.isEmpty() && dossier != RepData) RepData = dossier;
    if (Fichier_existe(chemin, QString(), 0)) {
        const int r = Prompts::msgBox(chemin + SautLigne + Lib_Langue[116], Prompts::OkCancel);
        if (r != Prompts::Ok) return QString();
    }
    return chemin;
}

void Signale_echec_ecriture(const QString& chemin, const QString& raison) {
    QString texte = Lib_Langue[144] + SautLigne + chemin;
    if (!raison.isEmpty()) texte += SautLigne + raison;
    Prompts::msgBox(texte, Prompts::OkOnly | Prompts::IconExclamation);
}

namespace {

void Ecrit_bmp(const QImage& image, const QString& chemin, const QString& raison_absente) {
    QString raison = raison_absente;
    if (image.isNull() || !EcritureImage::bmp(image, chemin, &raison)) Signale_echec_ecriture(chemin, raison);
}

} // namespace

void Sauve_image_twain(short genre) {
    if (genre != 1 && genre != 2) return;
    // "Twain_" and the acquired picture's name before its first dot.
    short annule = 0;
    const QString chemin = Dialogue_sauve_fichier(QStringLiteral("Twain_ImageTwain"), QStringLiteral("bmp"), annule);
    Waits::processEvents();
    if (chemin.isEmpty()) return;
    Tav& t = *Tav::instance();
    Ecrit_bmp(genre == 1 ? t.picbase.Image() : t.Picture1.Image(), chemin, QStringLiteral("no picture"));
}

QString Nom_copie_ecran(float contexte) {
    const Tav& t = *Tav::instance();
    QString base;
    if (!t.labNomFic.Caption.isEmpty() && !NomImageActive.isEmpty()) base = Nom_fichier(NomImageActive);
    else if (contexte == 1.0f) base = QStringLiteral("mesures.");
    else if (contexte == 2.0f) base = QStringLiteral("diagramme.");
    else if (contexte == 3.0f) base = Rappels::Nom_trace_statistiques();
    if (base.isEmpty()) base = Nom_fichier(NomImageActive);
    const int point = base.indexOf(QLatin1Char('.'));
    return point >= 0 ? base.left(point) : base;
}

void Copie_ecran(const QString&, float contexte) {
    Tav& t = *Tav::instance();
    // The scope first: with none checked, or no work area for the context, nothing is asked.
    const short etendue = t.Mn_Copie_Ecran(1).Checked ? 1 : t.Mn_Copie_Ecran(2).Checked ? 2 : 0;
    if (etendue == 0) return;
    if (etendue == 2 && contexte != 1.0f && contexte != 2.0f && contexte != 3.0f) return;
    short annule = 0;
    const QString chemin =
        Dialogue_sauve_fichier(QStringLiteral("ecran_") + Nom_copie_ecran(contexte), QStringLiteral("bmp"), annule);
    Waits::processEvents();
    if (chemin.isEmpty()) return;
    QImage image;
    QString raison;
    if (etendue == 1) {
        image = CaptureEcran::ecran(&raison);
    } else if (contexte == 1.0f) {
        image = t.Picture1.Image();
    } else if (!Rappels::Zone_statistiques(contexte, image)) {
        image = QImage();
    }
    if (image.isNull() && raison.isEmpty()) raison = QStringLiteral("no picture");
    Ecrit_bmp(image, chemin, raison);
}

} // namespace Gen
