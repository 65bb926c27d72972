// Pictures entering the measuring window: a file through the open dialog, the
// clipboard's picture, and the image a measurement file names.
#include <algorithm>
#include <cmath>
#include <iterator>

#include <QFileInfo>
#include <QImageWriter>

#include "base/etat_demarrage.h"
#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/messages.h"
#include "base/rappels.h"
#include "base/tav.h"
#include "base/vb.h"
#include "grid/etat_grille.h"
#include "grid/fonction.h"
#include "grid/grille_affichage.h"
#include "image/chargeur.h"
#include "image/etat_image.h"
#include "image/image_affichee.h"
#include "image/services_image.h"
#include "image/vue.h"
#include "platform/bytefile.h"
#include "platform/pressepapier.h"
#include "platform/prompts.h"
#include "platform/waits.h"

namespace {

constexpr long kVert = 0xFF00;
// The numbers the failure's title gives: a picture that cannot be read, a file that cannot be written.
constexpr int ErrImageInvalide = 481, ErrAccesFichier = 75;

// The formats the picture reader opens, then every file.
const QString kFiltre = QStringLiteral(
    "Fic.images(*.bmp;*.dib;*.jpg;*.jpeg;*.png;*.tif;*.tiff;*.gif;*.ico)|"
    "*.bmp;*.dib;*.jpg;*.jpeg;*.png;*.tif;*.tiff;*.gif;*.ico|Bitmap (*.bmp)|*.bmp|JPEG (*.jpg)|*.jpg;*.jpeg|"
    "PNG (*.png)|*.png|TIFF (*.tif)|*.tif;*.tiff|GIF (*.gif)|*.gif|Icon (*.ico)|*.ico|DIB (*.dib)|*.dib|"
    "Tous les fichiers (*.*)|*.*");

void Signale_echec(const QString& chemin, int numero) {
    Prompts::msgBox(Lib_Langue[157] + SautLigne + chemin, Prompts::IconInformation,
                    QStringLiteral("Err number ") + QString::number(numero));
}

// The chosen file could not be loaded or added: no picture is shown, and clicks stay
// off until an open succeeds.
void Echec_chargement(const QString& chemin, int numero) {
    Gen::Montre_aucune_image();
    Signale_echec(chemin, numero);
    PGr::RAZ_compteur_clics();
}

// A picture of another width than the first one is told, and the annotations' text
// follows its height.
void Controle_largeur() {
    Tav& tav = *Tav::instance();
    const int largeur = Chargeur::Largeur_pixels();
    if (LargeurRefAbsente) {
        LargeurRef = largeur;
    } else if (largeur != LargeurRef) {
        tav.Flash(kVert, Lib_Langue[75], 2);
        const double taille = Chargeur::Hauteur_pixels() * 0.01;
        tav.Picture1.surface().FontSize = taille;
        tav.Picture2.surface().FontSize = taille;
    }
    LargeurRefAbsente = 0;
}

// Whether row r's reread depends on its picture's width: lengths, densities and triangles
// measured here, not counts, polygons, colours or values that came alone.
bool Ligne_mesuree(int r) {
    const short f = NumFonction;
    if (!((f >= 1 && f <= 6) || f == 13 || f == 14 || f == 15) || Trame(r).ValeursSeules) return false;
    return std::any_of(std::begin(Trame(r).Segments) + 1, std::end(Trame(r).Segments),
                       [](const SegmentTrame& s) { return s != SegmentTrame(); });
}

// Rows named number 0 read with the width of the last pasted picture: one of another
// width would rescale rows measured on the one before, so it is not taken while they stand.
bool Autre_largeur_sous_lignes(int largeur) {
    bool lignes = false;
    for (int r = 1; r < NbLignesGrille && r <= TableMesuresMax; ++r) lignes = lignes || (Trame(r).Image == 0 && Ligne_mesuree(r));
    if (!lignes) return false;
    const double vue = Tav::instance()->Picture1.ScaleWidth;
    double echelle = EchelleAffichage, kzoom = KZoomCal;
    BGr::Echelle_image(0, echelle, kzoom);
    return std::abs(echelle * vue - Vb::CLng(largeur * 2540.0 / 96.0)) > 0.5;
}

} // namespace

namespace Gen {

void Montre_aucune_image() {
    Tav& tav = *Tav::instance();
    short premiere = 1;
    try {
        Gen::Affiche_image_liste(premiere);
    } catch (const Vb::Erreur&) {
    }
    tav.picbase = BoiteImage();
    Chargeur::Active(0);
    Chargeur::Calibrage_hors_liste();
    NomImageActive.clear();
    tav.labNomFic.Caption.clear();
    InitFaite = 0;
}

void Ouvre_image() {
    Tav& tav = *Tav::instance();
    if (!Rappels::Commande_permise(Item::Commande::Image)) return;
    QString chemin;
    const short clics = InitFaite;
    try {
        // The list is offered for clearing only while no row names its images; a Yes is
        // applied once the chosen picture has loaded.
        bool vider = false;
        if (ListIMGchar.ListCount() > 0 && !Chargeur::Lignes_sur_images())
            vider = Prompts::msgBox(Lib_Langue[190] + QLatin1Char(' ') + Lib_Langue[189] + QStringLiteral(" ? "),
                                    Prompts::YesNo | Prompts::IconQuestion) == Prompts::Yes;
        InitFaite = 0;
        const std::optional<QString> choix = Prompts::openFile(QStringLiteral("Ouvrir Image"), RepImage, kFiltre);
        if (!choix || choix->isEmpty()) {
            // Cancel leaves everything as it was.
            InitFaite = clics;
            return;
        }
        chemin = *choix;
        RepImage = QFileInfo(chemin).absolutePath();

        const int deja = vider ? -1 : Chargeur::Index_de(chemin);
        if (deja < 0 && !vider && Chargeur::Plein()) {
            Echec_chargement(chemin, Vb::ErrIndice);
            return;
        }
        if (!BGr::Charge_image_base(chemin)) {
            Echec_chargement(chemin, ErrImageInvalide);
            return;
        }
        NomImageActive = chemin;
        if (vider) Chargeur::Vide();
        if (deja >= 0) {
            // A picture already loaded comes back with its own calibration.
            Chargeur::Active(short(deja + 1));
            CalibrageActuel = CalibrageImage[IndexImageActive];
            Chargeur::Affiche_calibrage();
            Prompts::msgBox(Lib_Langue[111], Prompts::OkOnly);
        } else {
            const short numero = Chargeur::Ajoute(chemin, CalibrageActuel, tav.chkMC(0).Value != 0);
            tav.MnuEDit(2).Enabled = false;
            Chargeur::Active(numero);
        }

        BGr::Efface_vue();
        Pause(0.2);
        Waits::processEvents();
        tav.labNomFic.Caption = chemin;
        PGr::RAZ_compteur_clics();
        KZoomCal = 1.0;
        Controle_largeur();
        Chargeur::Affiche_dimensions();
        if (tav.Picture1.ScaleWidth > 0) EchelleAffichage = BGr::Largeur_himetric() / tav.Picture1.ScaleWidth;
        BGr::Retrace_vue(0, 0);
        Couleur_grille();
        Chargeur::Echelle_resolution();
        InitFaite = -1;
        if (tav.chkMC(0).Value) Rappels::Retrace(0);
    } catch (const Vb::Erreur& e) {
        if (chemin.isEmpty()) Prompts::msgBox(Lib_Langue[101] + QStringLiteral("105"), Prompts::OkOnly);
        else Echec_chargement(chemin, e.numero);
    }
}

QString Chemin_image_collee() { return Chemin_programme(QStringLiteral("ImgTempo.bmp")); }

void Colle_image_presse_papier() {
    Tav& tav = *Tav::instance();
    if (!Rappels::Commande_permise(Item::Commande::Image)) return;
    const QImage image = PressePapier::image();
    if (image.isNull()) {
        Prompts::msgBox(Lib_Langue[76], Prompts::OkOnly);
        return;
    }
    if (Autre_largeur_sous_lignes(image.width())) {
        tav.Flash(kVert, Lib_Langue[75], 2);
        return;
    }
    const QString chemin = Chemin_image_collee();
    const bool ecrit = ByteFile::write(chemin, [&image](QIODevice& d) { return QImageWriter(&d, "BMP").write(image); });
    if (!ecrit || !BGr::Charge_image_base(chemin)) {
        Signale_echec(chemin, ecrit ? ErrImageInvalide : ErrAccesFichier);
        return;
    }
    // The pasted picture is no image of the loader: its rows name no image.
    NomImageActive = chemin;
    Chargeur::Active(0);
    Chargeur::Calibrage_hors_liste();
    tav.labNomFic.Caption = chemin;
    Chargeur::Affiche_dimensions();
    Controle_largeur();
    Chargeur::Echelle_resolution();
}

QString Cherche_image(QString& chemin) {
    RepAncien = RepImage;
    if (!Fichier_existe(chemin)) {
        const QString nom = Nom_fichier(chemin);
        const QString autre = Chargeur::Chemin_dans(RepAncien, nom);
        if (!Fichier_existe(autre)) Prompts::msgBox(nom + Lib_Langue[209], Prompts::OkOnly);
        chemin = autre;
    }
    return chemin;
}

} // namespace Gen
