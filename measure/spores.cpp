// The two-axis ("Palmer") builder of spores and cystidia: the first segment of an item is
// its length axis, every later one a width across it, which ends on the foot point of the
// width guide rather than where the mouse was released.
#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/messages.h"
#include "base/vb.h"
#include "grid/etat_grille.h"
#include "measure/outils_mesure.h"
#include "measure/services_mesure.h"
#include "platform/prompts.h"

using namespace Mesure;

namespace {

// The width's end for a release at (X, Y): the foot point computed from the release point
// itself, so that it holds whether the mouse moved before the release or not.
void Pied_du_relachement(int X, int Y, int& bx, int& by) {
    PGr::Pied_perpendiculaire(X, Y, bx, by);
    DernierPointX = bx;
    DernierPointY = by;
}

} // namespace

namespace PGr {

void Mesure_spore(short& EtapeMesure, int X, int Y, short& Button, short Appui) {
    Tav& t = tav();
    try {
        if (Appui_ou_clic(X, Y, Appui, true)) return;
        TexteNote note;
        if (ModeDensite) {
            Mesure_surface(EtapeMesure, X, Y, Button, Appui);
            return;
        }
        if (ImageRestauree) {
            ImageRestauree = 0;
            return;
        }
        const int x0 = PointDepartX, y0 = PointDepartY;
        const bool inscrit = t.Affmesure.Value == 1;
        Surface& v = vue();
        v.CurrentX = X;
        v.CurrentY = Y;
        if (inscrit) note = {x0, y0, X, Y};
        else Imprime_numero_ligne();
        int bx = X, by = Y;

        // The second segment of a 3D spore ended by the right button or with E held: the
        // width or, chosen in the menu or with E, the thickness; the value recorded is the
        // segment drawn, from the origin to the foot point.
        if (EtapeMesure > 1 && (Button == 2 || ToucheE) && FinClicDroit) {
            Pied_du_relachement(X, Y, bx, by);
            LongueurPixels = Vb::CLng(Distance_points(x0, y0, bx, by));
            if (ToucheE) EtapeMesure = 3;
            else Menu_pop3D();
            Stocke_segment(EtapeMesure, x0, y0, bx, by);
            Restaure_vue(t.Image1);
            v.Line(x0, y0, bx, by);
            Mstat::Croix_Image(bx, by);
            if (!inscrit) Imprime_numero_ligne();
            Enregistre_segment();
            return;
        }
        if (Button == 2) {
            LongueurPixels = Vb::CLng(Distance_points(x0, y0, X, Y));
            Menu_PopEtalon();
            if (!ChoixPopSegment) return;
        }
        if (EtapeMesure == 1) {
            v.Line(x0, y0, X, Y);
            Stocke_segment(1, x0, y0, X, Y, true);
        } else {
            Restaure_vue(t.Image1);
            Pied_du_relachement(X, Y, bx, by);
            v.Line(x0, y0, bx, by);
            Mstat::Croix_Image(bx, by);
            v.CurrentX = X;
            v.CurrentY = Y;
            if (inscrit) note = {x0, y0, bx, by};
            else Imprime_numero_ligne();
            Stocke_segment(EtapeMesure, x0, y0, bx, by);
        }
        if (EtapeMesure == 1) Parametres_axe();
        Copie_vue(t.ImageMem);
        LongueurPixels = Vb::CLng(Distance_points(x0, y0, bx, by));
        t.label(9).Caption = Vb::Format(Pixels_en_microns(LongueurPixels), FormatDecimal);
        Copie_vue(t.Image1);
        Copie_vue(t.Image2);
        Enregistre_segment();
        Texte_longueur(note);
    } catch (const Vb::Erreur&) {
        Prompts::msgBox(Lib_Langue[101] + QStringLiteral("102"), Prompts::OkOnly);
    }
}

} // namespace PGr
