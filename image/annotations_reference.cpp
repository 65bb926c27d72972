// Annotations on the full-size copy Picture2: the horizontal scale bar and the text land
// at the clicked point of the picture, at full resolution, and the copy's save is offered.
#include <cmath>

#include "base/etat_partage.h"
#include "base/messages.h"
#include "base/rappels.h"
#include "base/tav.h"
#include "base/vb.h"
#include "image/annotations.h"
#include "image/annotations_outils.h"
#include "image/etat_image.h"
#include "image/vue.h"
#include "platform/prompts.h"

using namespace Annotation;

namespace {

Tav& tav() { return *Tav::instance(); }

constexpr int kPointsParMetre96 = 3780;  // 96 dots an inch

// The copy is taken from the picture shown whenever it is not ready, whichever annotation
// comes first; taking it shares the picture until the first mark is drawn.
void Prepare_copie() {
    Tav& t = tav();
    if (ImageRefPrete) return;
    // Label sizes are in points: the copy takes the screen's 96 dpi, whatever the picture
    // file's header said, so that a label covers as many pixels on every picture.
    QImage copie = t.picbase.Image();
    copie.setDotsPerMeterX(kPointsParMetre96);
    copie.setDotsPerMeterY(kPointsParMetre96);
    t.Picture2.Charge_picture(copie);
    ImageRefPrete = -1;
}

void Depassement() { Prompts::msgBox(QStringLiteral("dépassement de capacité")); }

} // namespace

namespace BGr {

void Vue_vers_image() {
    // Picture2's twips are image units. The mark goes on the picture's pixel painted under
    // the click, so the factor is the painting's (the view's outer width), not the
    // measuring mapping's, whose inner width puts a point 0.67 % further out.
    try {
        const double f = Facteur_deplacement();
        const double x = Vb::CLng(ClicX * f + OrigineX);
        const double y = Vb::CLng(ClicY * f + OrigineY);
        PointImageReference[1] = x;
        PointImageReference[2] = y;
    } catch (const Vb::Erreur&) {
        PointImageReference[1] = -1;
    }
}

void Trait_image_reference(int x, int y, long couleur, short w) {
    Surface& p = tav().Picture2.surface();
    const int largeur = p.DrawWidth;
    p.DrawWidth = w;
    p.ForeColor = couleur;
    const int s = Vb::CInt(100.0 * w);
    p.Line(double(x) - s, y, double(x) + s, y);
    p.Line(x, double(y) - s, x, double(y) + s);
    p.DrawWidth = largeur;
}

void Echelle_image_reference() {
    Tav& t = tav();
    Prepare_copie();
    switch (EtatSaisie) {
    case 0:
        LongueurRef = 10;
        Croix_vue(ClicX, ClicY);
        Demande(Lib_Langue[192], QStringLiteral("10"));
        break;
    case 3: {
        const float L = LongueurRef;
        const QString unite = t.TBox(5).Text;
        const std::optional<double> barre = Barre_horizontale_vue(QStringLiteral("     "));
        if (!barre) return;
        const double lv = *barre;
        Surface& v = t.Picture1.surface();

        Vue_vers_image();
        if (PointImageReference[1] == -1) {
            Depassement();
            return;
        }
        const double xi = PointImageReference[1], yi = PointImageReference[2];
        try {
            Trait_image_reference(Vb::CLng(xi), Vb::CLng(yi), Couleur_dessin(), EpaisseurTrait);
            Surface& p = t.Picture2.surface();
            // The label keeps its size against the picture: the view's size scaled to the copy.
            if (t.Picture1.Height > 0) p.FontSize = v.FontSize * 1.5 * Hauteur_image() / t.Picture1.Height;
            p.FontBold = v.FontBold;
            p.Print(QLatin1Char(' ') + Vb::CStr_simple(L) + QStringLiteral("   ") + unite);
            // The bar covers on the copy what it covers of the painted view.
            const double lv2 = FacteurZoom * lv * Largeur_himetric() / t.Picture1.Width;
            p.DrawWidth = 2 * EpaisseurTrait;
            p.Line(xi, yi, xi + lv2, yi, Couleur_dessin());
            Trait_image_reference(Vb::CLng(xi + lv2), Vb::CLng(yi), Couleur_dessin(), EpaisseurTrait);
        } catch (const Vb::Erreur&) {
            Depassement();
            return;
        }
        IllusReference = 0;
        Ferme_dialogue();
        Propose_sauve_reference();
        break;
    }
    case 4:
        IllusReference = 0;
        Abandon();
        break;
    default:
        break;
    }
}

void Texte_image_reference() {
    Tav& t = tav();
    Prepare_copie();
    switch (EtatSaisie) {
    case 0: {
        Surface& v = t.Picture1.surface();
        v.CurrentX = ClicX;
        v.CurrentY = ClicY;
        Demande(Lib_Langue[74], QString());
        break;
    }
    case 1: {
        EtatSaisie = 0;
        const QString texte = QLatin1Char(' ') + t.TBox(5).Text;
        Surface& v = t.Picture1.surface();
        Surface& p = t.Picture2.surface();
        p.FontName = v.FontName;
        v.ForeColor = Couleur_dessin();
        v.Print(texte);
        Vue_vers_image();
        if (PointImageReference[1] == -1) {
            Depassement();
            return;
        }
        p.CurrentX = PointImageReference[1];
        p.CurrentY = PointImageReference[2];
        p.ForeColor = Couleur_dessin();
        p.Print(texte);
        IllusTexte = 0;
        Ferme_dialogue();
        Propose_sauve_reference();
        break;
    }
    case 4:
        IllusTexte = 0;
        Abandon();
        break;
    default:
        break;
    }
}

void Propose_sauve_reference() {
    if (NomImageActive.isEmpty()) return;
    Tav& t = tav();
    t.Frame(13).Visible = true;
    t.Frame(13).Enabled = true;
    t.Vald(2).Enabled = true;
    t.Frame(13).Caption = QStringLiteral("Enregistrement de l'image référencée");
    t.TBox(10).Visible = false;
}

void Ferme_copie_reference() {
    Tav& t = tav();
    ImageRefPrete = 0;
    // The annotated copy's memory goes at once, before a new picture takes its place.
    if (t.Picture2.Width > 0) t.Picture2.Charge_picture(QImage());
    t.Frame(13).Visible = false;
}

} // namespace BGr
