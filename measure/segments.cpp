// The plain ("Bipoint") builder: every segment of an item runs from its press point to
// its release point. A release closer than TolClic to the press is a click, and the next
// release ends the segment instead; the right button asks what to do with it.
#include "base/etat_demarrage.h"
#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/messages.h"
#include "base/vb.h"
#include "grid/enregistrement.h"
#include "grid/etat_grille.h"
#include "measure/outils_mesure.h"
#include "measure/services_mesure.h"
#include "platform/prompts.h"

using namespace Mesure;

namespace PGr {

void Mesure_segment(short& EtapeMesure, int X, int Y, short& Button, short Appui) {
    Tav& t = tav();
    t.StatusBar.Text = Lib_Langue[163];
    try {
        if (Appui_ou_clic(X, Y, Appui, false)) return;
        TexteNote note;
        if (ImageRestauree) {
            ImageRestauree = 0;
            return;
        }
        const int x0 = PointDepartX, y0 = PointDepartY;
        Surface& v = vue();
        Mstat::Croix_Image(X, Y);
        v.CurrentX = x0;
        v.CurrentY = y0;
        if (t.Affmesure.Value == 1) note = {x0, y0, X, Y};
        else Imprime_numero_ligne();

        // The second segment of a 3D spore ended by the right button or with E held: the
        // width or, chosen in the menu or with E, the thickness.
        if (EtapeMesure > 1 && (Button == 2 || ToucheE) && FinClicDroit) {
            LongueurPixels = Vb::CLng(Distance_points(x0, y0, X, Y));
            if (ToucheE) EtapeMesure = 3;
            else Menu_pop3D();
            Stocke_segment(EtapeMesure, x0, y0, X, Y);
            Copie_vue(t.ImageMem);
            Enregistre_segment();
            return;
        }
        if (Button == 2) {
            LongueurPixels = Vb::CLng(Distance_points(x0, y0, X, Y));
            Menu_PopEtalon();
            if (!ChoixPopSegment) return;
        }
        Stocke_segment(EtapeMesure, x0, y0, X, Y);
        if (EtapeMesure == 1) Parametres_axe();
        const SegmentVue& s = Segment_ecran(EtapeMesure);
        LongueurPixels = Vb::CLng(Distance_points(x0, y0, s[SegX2], s[SegY2]));
        t.label(9).Caption = Vb::Format(Pixels_en_microns(LongueurPixels), QStringLiteral("##0.0000"));
        if (!ToucheModeVue) {
            v.Line(x0, y0, X, Y);
            Mstat::Ajoute_Ligne_Grille_Mesure();
        }
        Copie_vue(t.ImageMem);
        Fin_point();
        Texte_longueur(note);
    } catch (const Vb::Erreur&) {
        Restaure_image();
        RAZ_etats_trace();
        Prompts::msgBox(Lib_Langue[101] + QStringLiteral("101"), Prompts::OkOnly);
    }
}

} // namespace PGr
