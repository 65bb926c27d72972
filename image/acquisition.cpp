// Pictures from a scanner or a camera: the source chosen, then each acquisition written
// to a file of its own in the program's folder and added to the loader.
#include <QDir>
#include <QFileInfo>

#include "base/etat_demarrage.h"
#include "base/etat_partage.h"
#include "base/gen.h"
#include "base/messages.h"
#include "base/rappels.h"
#include "base/tav.h"
#include "grid/etat_grille.h"
#include "image/captures.h"
#include "image/chargeur.h"
#include "image/etat_image.h"
#include "image/services_image.h"
#include "platform/ecriture_image.h"
#include "platform/prompts.h"
#include "platform/scanner.h"

namespace {

// The first acquisition's file is "ImageTwain.bmp", the next ones "ImageTwain_2.bmp" and
// on: the first name neither a loader entry nor a file on disk holds, so an earlier
// acquisition keeps its picture, even one the list has forgotten that a saved
// measurement file still names.
QString Fichier_acquisition() {
    const QString dossier = Dossier_application();
    for (int n = 1;; ++n) {
        const QString nom = n == 1 ? QStringLiteral("ImageTwain.bmp") : QStringLiteral("ImageTwain_%1.bmp").arg(n);
        const QString chemin = QDir(dossier).filePath(nom);
        if (!ListIMGchar.items().contains(chemin) && !QFileInfo::exists(chemin)) return chemin;
    }
}

// The source chosen, or the first one found; empty with the reason when there is none.
QString Source(QString& raison) {
    if (!SourceAcquisition.isEmpty()) return SourceAcquisition;
    const QList<Scanner::Source> liste = Scanner::sources(&raison);
    if (liste.isEmpty()) {
        if (raison.isEmpty()) raison = QStringLiteral("no scanner or camera found");
        return QString();
    }
    return liste.front().nom;
}

void Signale(const QString& texte) { Prompts::msgBox(texte, Prompts::OkOnly | Prompts::IconExclamation); }

// One picture from the source; a null one when there is none, the user told why unless
// the scan was cancelled.
QImage Acquiert() {
    QString raison;
    const QString source = Source(raison);
    if (source.isEmpty()) {
        Signale(raison);
        return QImage();
    }
    const Scanner::Resultat r = Scanner::acquerir(source, Scanner::Mode::Couleur);
    if (!r.annule && !r.reussi()) Signale(r.erreur.isEmpty() ? QStringLiteral("the acquisition failed") : r.erreur);
    return r.annule ? QImage() : r.image;
}

} // namespace

void Tav::Twain_Selection_Source() {
    QString raison;
    const QList<Scanner::Source> liste = Scanner::sources(&raison);
    if (liste.isEmpty()) {
        Signale(raison.isEmpty() ? QStringLiteral("no scanner or camera found") : raison);
        return;
    }
    std::vector<Prompts::MenuItem> items;
    for (int i = 0; i < liste.size(); ++i) items.push_back({i, liste[i].description + QStringLiteral(" - ") + liste[i].nom});
    const std::optional<int> choix = Prompts::popupMenu(QStringLiteral("sources"), items);
    if (choix && *choix >= 0 && *choix < liste.size()) SourceAcquisition = liste[*choix].nom;
}

void Tav::Twain_Selection_Source_bis() { Twain_Selection_Source(); }

void Tav::Twain_Acquisition() {
    if (!Rappels::Commande_permise(Item::Commande::Image)) return;
    // A full loader could not take the picture: nothing is scanned.
    if (ListIMGchar.ListCount() >= Chargeur::Capacite) {
        Signale(Lib_Langue[144] + QStringLiteral(" : %1 images").arg(Chargeur::Capacite));
        return;
    }
    // A failed or cancelled scan changes nothing.
    const QImage image = Acquiert();
    if (image.isNull()) return;
    const QString chemin = Fichier_acquisition();
    QString raison;
    if (!EcritureImage::bmp(image, chemin, &raison)) {
        Gen::Signale_echec_ecriture(chemin, raison);
        return;
    }
    AjouteImageTwain(chemin);
}

void frmCopieEcran::Acquiert_Twain() {
    const QImage image = Acquiert();
    if (!image.isNull()) Picture1.Charge_picture(image);
}

void Tav::Twain_Sauve_Image() { Gen::Sauve_image_twain(1); }
void Tav::Twain_Sauve_Cadre() { Gen::Sauve_image_twain(2); }
void Tav::cmdTest_Click() { Twain_Acquisition(); }

void Tav::MnuTwain_Click(short index) {
    switch (index) {
    case 1: Twain_Selection_Source(); break;
    case 2: Twain_Acquisition(); break;
    case 3: Twain_Sauve_Image(); break;
    case 4: Twain_Sauve_Cadre(); break;
    default: break;
    }
}

void Tav::AjouteImageTwain(const QString& chemin) {
    FonctionRep = 33;
    const int deja = ListIMGchar.items().indexOf(chemin);
    if (deja >= 0) {
        Chargeur::Active(short(deja + 1));
    } else {
        // A new entry takes the calibration in force.
        const short numero = Chargeur::Ajoute(chemin, CalibrageActuel, false);
        if (numero == 0) return;
        Chargeur::Active(numero);
    }
    appel_img_listchar(chemin);
    FraListeImg.Visible = true;
    aff_liste_images();
}
