// Putting a picture into the hidden holder `picbase`: from a file, or the built-in
// picture shown at start-up; the display scale and the aspect ratio follow it.
#include <QImage>

#include "base/etat_partage.h"
#include "base/tav.h"
#include "base/vb.h"
#include "grid/etat_grille.h"
#include "image/etat_image.h"
#include "image/image_affichee.h"
#include "image/images_integrees.h"
#include "image/services_image.h"
#include "image/annotations.h"
#include "image/vue.h"
#include "platform/lecture_image.h"

namespace {

QString derniere_erreur;

constexpr int kTwips = Surface::TwipsParPixel;
constexpr double kPointsParPouce = 96.0;

// The thumbnail's size in pixels for a picture of w x h pixels.
QSize Taille_apercu(int w, int h) {
    const int largeur = std::max(1, LargeurVignette / kTwips);
    return QSize(largeur, std::max(1, int(double(largeur) * h / std::max(1, w))));
}

// A reduced copy for the thumbnail: a fast pass down to a few times its size, then a
// smooth one; a pass over every pixel of a large picture at each redraw is spared.
QImage Apercu(const QImage& image) {
    const QSize cible = Taille_apercu(image.width(), image.height());
    if (image.width() <= cible.width()) return QImage();
    QImage etape = image;
    if (image.width() > 4 * cible.width())
        etape = image.scaled(cible * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return etape.scaled(cible, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// A picture's width or height in pixels as its extent, in HIMETRIC.
long Himetrique(int pixels) { return Vb::CLng(pixels * 2540.0 / kPointsParPouce); }

// `picbase` takes the picture, with its sizes in image units and its extent.
void Tient_picture(const QImage& image, bool garde_copie = false) {
    BoiteImage& base = Tav::instance()->picbase;
    // The annotated copy belonged to the picture leaving.
    if (!garde_copie) BGr::Ferme_copie_reference();
    base.Charge_picture(image);
    base.LargeurHimetric = Himetrique(image.width());
    base.HauteurHimetric = Himetrique(image.height());
    base.Apercu = Apercu(image);
}

// The aspect ratio and the display scale of the picture held.
void Echelles_picture() {
    const Tav& tav = *Tav::instance();
    const double wh = BGr::Largeur_himetric(), hh = BGr::Hauteur_himetric();
    if (hh == 0 || tav.Picture1.ScaleWidth == 0) throw Vb::Erreur(Vb::ErrDivisionZero, "division by zero");
    RapportImage = wh / hh;
    EchelleAffichage = wh / tav.Picture1.ScaleWidth;
}

} // namespace

namespace BGr {

void Echelle_image(short numero, double& echelle, double& kzoom) {
    echelle = EchelleAffichage;
    kzoom = KZoomCal;
    if (numero >= 1 && numero == IndexImageActive) return;
    // Number 0 is the picture the list does not hold: the last one pasted.
    QString chemin;
    if (numero == 0) chemin = Gen::Chemin_image_collee();
    else if (numero >= 1 && numero <= ListIMGchar.ListCount()) chemin = ListIMGchar.List(numero - 1);
    const QSize taille = chemin.isEmpty() ? QSize() : LectureImage::Taille(chemin);
    const double vue = Tav::instance()->Picture1.ScaleWidth;
    if (taille.isValid() && taille.width() > 0 && vue > 0) {
        echelle = Himetrique(taille.width()) / vue;
        if (!IndResolution) kzoom = taille.width() * 0.001;
        return;
    }
    // Pictures that cannot be read take the display scale and width of the picture in
    // force the first time one was needed, until "Raz tout": their rows read the same
    // whatever comes on screen, and in the resolution mode in force.
    if (vue <= 0) return;
    if (LargeurInconnue <= 0) {
        // With no picture shown, the built-in drawing shown in its place gives the extent;
        // with none held, the width is the one that extent gives, so that under "Ind. Dim."
        // their rows never fall back on the factor of what comes later.
        LargeurInconnue = echelle > 0 ? echelle * vue : Himetrique(Chargeur::Image_integree(1).width());
        PixelsInconnus = Chargeur::Largeur_pixels();
        if (PixelsInconnus <= 0) PixelsInconnus = Vb::CLng(LargeurInconnue * kPointsParPouce / 2540.0);
    }
    echelle = LargeurInconnue / vue;
    if (!IndResolution && PixelsInconnus > 0) kzoom = PixelsInconnus * 0.001;
}

bool Charge_image_base(const QString& chemin, bool garde_copie) {
    Tav& tav = *Tav::instance();
    LectureImage::Resultat lu = LectureImage::Lire(chemin);
    if (!lu.lu()) {
        // The picture held, the origin and the view stay as they were, consistent.
        derniere_erreur = lu.erreur;
        return false;
    }
    derniere_erreur.clear();
    // A multilayer group keeps its framing from one picture to the next.
    if (tav.chkMC(0).Value == 0) {
        OrigineX = 0;
        OrigineY = 0;
    }
    Tient_picture(lu.image, garde_copie);
    try {
        Echelles_picture();
        Retrace_vue(0, 0);
    } catch (const Vb::Erreur&) {
    }
    return true;
}

QString Erreur_chargement() { return derniere_erreur; }

} // namespace BGr

namespace Gen {

void Affiche_image_liste(short& numero) {
    const QImage image = Chargeur::Image_integree(numero);
    OrigineX = 0;
    OrigineY = 0;
    Tient_picture(image);
    Echelles_picture();
    BGr::Retrace_vue(0, 0);
}

} // namespace Gen
