// The redraw of every recorded measurement: the view is repainted at the current zoom and
// origin, then each grid row is drawn from its record by its function's procedure.
#include <cmath>

#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/tav.h"
#include "base/vb.h"
#include "grid/etat_grille.h"
#include "image/etat_image.h"
#include "image/vue.h"
#include "measure/etat_mesure.h"
#include "measure/outils_mesure.h"
#include "measure/retrace.h"

using namespace Mesure;

namespace {


// The rows to draw: the row being filled too, except the one a count is filling; a count
// under way is switched off.
int Derniere_ligne(Tav& t) {
    int derniere = NbLignesGrille;
    if (ModeComptage && NumFonction != 10 && NumFonction != 11) derniere = NbLignesGrille - 1;
    if (ComptageEnCours) {
        derniere = NbLignesGrille - 1;
        ModeComptage = 0;
        ComptageEnCours = 0;
        t.bout(9).BackColor = CouleursBouton::Face;
    }
    return derniere;
}

// Row r by its function; 1 ends the redraw.
short Trace_ligne(int r) {
    switch (NumFonction) {
    case 1: case 2: case 3: case 4: case 5: case 6: return Retrace::Trace_mesures(r);
    case 10: case 11: return Retrace::Trace_comptage(r);
    case 13: case 14: return Retrace::Trace_densite(r);
    case 16: return r < NbLignesGrille ? Retrace::Trace_surface(r) : 0;
    case 20: return Retrace::Trace_couleur(r);
    default: return 0;  // triangles are not redrawn
    }
}

} // namespace

void Tav::Retrace(short mode) { retrace_1(mode); }

void Tav::retrace_1(short) {
    // A failure on the way (a point beyond the coordinates' range, a view without size)
    // ends the redraw quietly: what was drawn stays. The window holds no widget, so the
    // focus of mode 1 is the shell's business.
    try {
        if (Picture1.ScaleWidth == 0 || picbase.Width == 0 || picbase.Height == 0)
            throw Vb::Erreur(Vb::ErrDivisionZero, "division by zero");
        EchelleAffichage = BGr::Largeur_himetric() / Picture1.ScaleWidth;
        const double tx = VignP.ScaleWidth * double(OrigineX) / picbase.Width;
        const double ty = VignP.ScaleHeight * double(OrigineY) / picbase.Height;
        FacteurZoom = std::pow(RapportZoom, NiveauZoom);
        BGr::Retrace_vue(Vb::CLng(tx), Vb::CLng(ty));

        const int derniere = Derniere_ligne(*this);
        Surface& v = vue();
        short fin = 0;
        for (int r = 1; r <= derniere && fin == 0; ++r) {
            v.ForeColor = Couleur_trace(0);
            const LigneTrame& ligne = Trame(r);
            // A row of no image ends the redraw of a group.
            if (ListImgMC.ListCount() >= 1 && ligne.Image == 0) return;
            if (ligne.Image != IndexImageActive) {
                // Rows of other images show, in the second colour, only in a group with
                // both boxes ticked.
                if (chkMC(1).Value != 1) continue;
                v.ForeColor = Couleur_trace(1);
                if (chkMC(0).Value == 0) continue;
            }
            fin = Trace_ligne(r);
        }
    } catch (const Vb::Erreur&) {
    }
}
