// The annotation dialogues on the view: the horizontal scale bar, its unit step, the
// oriented scale bar and the text, with what they share.
#include <cmath>
#include <limits>

#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/messages.h"
#include "base/rappels.h"
#include "base/tav.h"
#include "base/vb.h"
#include "image/annotations.h"
#include "image/annotations_outils.h"
#include "image/etat_image.h"
#include "image/vue.h"
#include "platform/waits.h"

namespace {

constexpr long kJaune = 0xFFFF, kOrangeClair = 0x80C0FF;

Tav& tav() { return *Tav::instance(); }
Surface& vue() { return Tav::instance()->Picture1.surface(); }

// A view coordinate the drawing can hold: a whole number within 32 bits.
bool Coordonnee_valide(double v) {
    return std::isfinite(v) && std::abs(v) < double(std::numeric_limits<std::int32_t>::max());
}

} // namespace

namespace Annotation {

std::optional<double> Barre_horizontale_vue(const QString& prefixe) {
    const float L = LongueurRef;
    // A calibration changed since the value was accepted is refused the same way.
    const double lv = Longueur_vue(L);
    if (!(lv > 0) || !Coordonnee_valide(ClicX + lv)) {
        Refuse(CalibrageActuel == 0 ? Lib_Langue[136] : Lib_Menu[6]);
        Demande(Lib_Langue[192], Vb::CStr_simple(L));
        return std::nullopt;
    }
    EtatSaisie = 0;
    Surface& v = vue();
    const double taille = v.FontSize;
    v.FontBold = true;
    v.Print(prefixe + Vb::CStr_simple(L) + tav().TBox(5).Text);
    v.FontSize = taille;
    v.FontBold = false;
    v.DrawWidth = 3;
    v.Line(ClicX, ClicY, ClicX + lv, ClicY, Couleur_dessin());
    v.DrawWidth = 1;
    Rappels::Croix_Image(Vb::CLng(ClicX + lv), ClicY);
    return lv;
}

void Demande(const QString& invite, const QString& texte) {
    Tav& t = tav();
    t.Frame(8).Visible = true;
    t.TBox(5).BackColor = kJaune;
    t.label(8).Caption = invite;
    t.TBox(5).Text = texte;
    EtatSaisie = 1;
    Waits::processEvents();
}

void Ferme_dialogue() {
    EtatSaisie = 0;
    tav().Frame(8).Visible = false;
}

void Abandon() {
    // The view is painted again from the picture, then the recorded items over it.
    short niveau = NiveauZoom;
    try {
        BGr::Affiche_vue(niveau);
    } catch (const Vb::Erreur&) {
    }
    Rappels::Retrace(0);
    Ferme_dialogue();
}

long Couleur_dessin() { return Surface::QBColor(int(CouleursTrace[0])); }

void Croix_vue(int x, int y) {
    vue().ForeColor = Couleur_dessin();
    Rappels::Croix_Image(x, y);
}

double Longueur_vue(double L) {
    return L * (1 / CalibrageActuel) / FacteurZoom / KZoomCal * DiviseurEchelle;
}

std::optional<QString> Refus_longueur() {
    double v = 0;
    const QString texte = tav().TBox(5).Text;
    if (!Gen::Nombre_lu(texte, v) || !(v > 0) || !std::isfinite(float(v)) || float(v) <= 0)
        return Lib_Menu[6] + QLatin1Char(' ') + texte.trimmed();
    if (CalibrageActuel == 0) return Lib_Langue[136];
    // The bar must end where a coordinate can say, whichever way it is dragged.
    const double lv = Longueur_vue(float(v));
    if (!(lv > 0) || !Coordonnee_valide(std::abs(double(ClicX)) + lv) ||
        !Coordonnee_valide(std::abs(double(ClicY)) + lv))
        return Lib_Menu[6] + QLatin1Char(' ') + texte.trimmed();
    LongueurRef = float(v);
    return std::nullopt;
}

void Refuse(const QString& raison) { tav().Flash(kOrangeClair, raison, 2); }

} // namespace Annotation

using namespace Annotation;

namespace BGr {

void Commentaire_saisie() {
    if (!IllusReference) return;
    Croix_vue(ClicX, ClicY);
    Demande(QStringLiteral("commentaire"), QStringLiteral("microns"));
    EtatSaisie = 3;
}

void Echelle_saisie() {
    if (ReferenceSurImage) {
        Echelle_image_reference();
        return;
    }
    switch (EtatSaisie) {
    case 0:
        LongueurRef = 10;
        Croix_vue(ClicX, ClicY);
        Demande(Lib_Langue[192], QStringLiteral("10"));
        break;
    case 3:
        if (!Barre_horizontale_vue(QStringLiteral(" "))) return;
        IllusReference = 0;
        Ferme_dialogue();
        break;
    case 4:
        IllusReference = 0;
        Abandon();
        break;
    default:
        break;
    }
}

void Echelle_valeur() {
    Tav& t = tav();
    switch (EtatSaisie) {
    case 0: {
        LongueurRef = 10;
        Demande(Lib_Langue[192], QString());
        // The dragged length in microns, as the measures show it; a drag of no length proposes 10.
        const double microns = Gen::Val_decimal(Vb::Format(LongueurPixels * CalibrageActuel, FormatDecimal));
        LongueurRef = std::isfinite(float(microns)) ? float(microns) : 0.0f;
        if (LongueurRef == 0) LongueurRef = 10;
        t.TBox(5).Text = Vb::CStr_simple(LongueurRef);
        break;
    }
    case 3:
        try {
            EtatSaisie = 0;
            Surface& v = vue();
            v.DrawWidth = 3;
            const float L = LongueurRef;
            const int dx = RelacheX - ClicX, dy = RelacheY - ClicY;
            const double sens = RelacheX < ClicX ? -1 : 1;
            const double a = RelacheX == ClicX ? 1.5708 : std::atan(double(dy) / double(dx));
            const double lv = Longueur_vue(L);
            const int x2 = Vb::CLng(sens * lv * std::cos(a) + ClicX);
            const int y2 = Vb::CLng(sens * lv * std::sin(a) + ClicY);
            const QString unite = t.TBox(5).Text;
            t.TextIncline(QLatin1Char(' ') + Vb::CStr_simple(L) + QLatin1Char(' ') + unite, ClicX, ClicY, float(sens), x2, y2);
            IllusReferenceValeur = 0;
            v.Line(ClicX, ClicY, x2, y2, Couleur_dessin());
            // The end ticks, 200 units across the bar, in the view's own colour.
            v.DrawWidth = 2;
            const double s = 100 * std::sin(a), c = 100 * std::cos(a);
            v.Line(ClicX + s, ClicY - c, ClicX - s, ClicY + c);
            v.Line(x2 + s, y2 - c, ClicX + sens * lv * std::cos(a) - s, ClicY + sens * lv * std::sin(a) + c);
            v.DrawWidth = 1;
            t.Sauve_Ecran3();
            IllusReferenceOrientee = 0;
            Ferme_dialogue();
        } catch (const Vb::Erreur&) {
            // A bar that cannot be drawn leaves no dialogue half open.
            vue().DrawWidth = 1;
            IllusReferenceValeur = 0;
            IllusReferenceOrientee = 0;
            Abandon();
        }
        break;
    case 4:
        IllusReferenceOrientee = 0;
        IllusReferenceValeur = 0;
        Abandon();
        break;
    default:
        break;
    }
}

void Texte_saisie() {
    if (ReferenceSurImage) {
        Texte_image_reference();
        return;
    }
    Tav& t = tav();
    switch (EtatSaisie) {
    case 0:
        vue().CurrentX = ClicX;
        vue().CurrentY = ClicY;
        Demande(Lib_Langue[74], QString());
        break;
    case 1: {
        EtatSaisie = 0;
        Surface& v = vue();
        v.FontBold = true;  // and so it stays
        v.Print(QLatin1Char(' ') + t.TBox(5).Text);
        IllusTexte = 0;
        Ferme_dialogue();
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

bool Saisie_OK() {
    Tav& t = tav();
    t.bout(10).BackColor = CouleursBouton::Face;
    t.Bout_Symb.Visible = false;
    // The value step: a length the bar cannot be drawn with is refused there.
    const auto valeur_acceptee = [] {
        const std::optional<QString> refus = Refus_longueur();
        if (refus) Refuse(*refus);
        return !refus;
    };
    if (IllusReferenceValeur) {
        t.Rappel_Ecran3();
        if (EtatSaisie == 1) {
            if (!valeur_acceptee()) return true;
            EtatSaisie = 2;
            t.Bout_Symb.Visible = true;
            IllusReference = -1;
            Commentaire_saisie();
            IllusReference = 0;
            return true;
        }
        if (EtatSaisie == 3) {
            Waits::processEvents();
            Echelle_valeur();
            return true;
        }
    }
    if (IllusReference) {
        if (EtatSaisie == 1) {
            if (!valeur_acceptee()) return true;
            EtatSaisie = 2;
            t.Bout_Symb.Visible = true;
            Commentaire_saisie();
            return true;
        }
        if (EtatSaisie == 3) {
            Echelle_saisie();
            Waits::processEvents();
            return true;
        }
    }
    if (IllusTexte && EtatSaisie == 1) {
        Texte_saisie();
        Waits::processEvents();
        return true;
    }
    return false;
}

bool Saisie_Annule() {
    tav().bout(10).BackColor = CouleursBouton::Face;
    if (IllusReferenceOrientee || IllusReferenceValeur) {
        EtatSaisie = 4;
        Echelle_valeur();
        return true;
    }
    if (IllusReference) {
        EtatSaisie = 4;
        Echelle_saisie();
        return true;
    }
    if (IllusTexte) {
        EtatSaisie = 4;
        Texte_saisie();
        return true;
    }
    return false;
}

} // namespace BGr
