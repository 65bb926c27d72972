// The click dispatcher: a press or a release on the view goes, in a fixed order of tests,
// to the triangle, the polygon, the scale bar's drag, the count, the density surface or
// one of the length builders.
#include "base/etat_partage.h"
#include "base/messages.h"
#include "base/vb.h"
#include "grid/etat_grille.h"
#include "grid/grille_affichage.h"
#include "image/etat_image.h"
#include "measure/outils_mesure.h"
#include "measure/services_mesure.h"
#include "platform/prompts.h"

using namespace Mesure;

namespace {


// One more in the count box.
void Compte_un() {
    Controle& boite = tav().TBox(6);
    boite.Text = Vb::CStr(Vb::Val(boite.Text) + 1);
}

// A press while counting: a cross in the colour of the step; inside a length function
// every left press counts, otherwise the point is numbered (and a right press shows the
// grid) and the next press waits for a release to arm it.
void Clic_comptage_mesure(int X, int Y, short Button) {
    if (Button == 1) {
        Mstat::Croix_Image_Couleur(X, Y, Couleur_trace(EtapeMesure - 1));
        if (NumFonction < 10) {
            Compte_un();
            return;
        }
    }
    if (EtapeMesure == 1) {
        if (Vb::Val(tav().TBox(6).Text) == 1) Mstat::Numerote_Point(X, Y);
        if (Button == 2) Mstat::Recopie_Grille(NbLignesGrille);
    }
    ClicArme = 0;
}

// The lengths: the "Poly" box starts every item with a chain; otherwise the two-axis or
// the plain builder, by style.
void Clic_longueur(int X, int Y, short& Button, short press) {
    const bool chaine = ModePoly && EtapeMesure == 1;
    if (ModeDeuxAxes && ModePalmer != 1 && ModePalmer != 2) return;
    if (chaine) {
        PGr::Mesure_ligne_brisee(EtapeMesure, X, Y, Button, press);
        TraceSecondPoint = 0;
    } else if (ModeDeuxAxes && ModePalmer == 2) {
        PGr::Mesure_spore(EtapeMesure, X, Y, Button, press);
    } else {
        PGr::Mesure_segment(EtapeMesure, X, Y, Button, press);
    }
}

} // namespace

namespace Mstat {

void Clic_Mesure(int X, int Y, short& Button, short press) {
    // A click the measure cannot take (a colour beyond the three of the palette, a count
    // box that is not a number) is ignored.
    try {
        if (!InitFaite) return;
        // A press in the hand mode moves the view: it never places a vertex nor counts;
        // only the scale bar's drag is taken there.
        if (ModeDeplace && !IllusReferenceOrientee && !IllusReferenceValeur) return;
        if (ModeTriangle) {
            Mesure_Angle(X, Y, Button, press);
            return;
        }
        if (ModePolygone) {
            Mesure_Polygone(X, Y, Button, press);
            return;
        }
        if (IllusReferenceOrientee || IllusReferenceValeur) {
            PGr::Debut_echelle(EtapeMesure, X, Y, Button, press);
            return;
        }
        Tav& t = tav();
        if (ModeComptage) {
            if (ClicArme && press == 1) Clic_comptage_mesure(X, Y, Button);
            return;
        }
        t.Frame(1).Visible = false;
        if (ModeDensite) {
            t.Frame(1).Visible = true;
            if (EtapeMesure == 1) {
                t.StatusBar.Text = Lib_Langue[72];
                if (Button != 1) return;
                PGr::Mesure_surface(EtapeMesure, X, Y, Button, press);
                t.StatusBar.Text = Lib_Langue[73];
            } else {
                t.StatusBar.Text = Lib_Langue[73];
                t.bout(9).BackColor = CouleursBouton::Face;
            }
            return;
        }
        // A table without a measuring function has no column for a length.
        if (NumFonction == 0) return;
        Clic_longueur(X, Y, Button, press);
    } catch (const Vb::Erreur&) {
    }
}

} // namespace Mstat

namespace PGr {

void Debut_echelle(short&, int X, int Y, short&, short Appui) {
    tav().StatusBar.Text = Lib_Langue[163];
    try {
        if (Appui == 1 && !TraceOrigine && !TraceSecondPoint) {
            TraceOrigine = -1;
            MesureBloquee = -1;
            TraceEnCours = -1;
            PointDepartX = X;
            PointDepartY = Y;
        }
        if (Appui == 0) Fin_point();
    } catch (const Vb::Erreur&) {
        Restaure_image();
        RAZ_etats_trace();
        Prompts::msgBox(Lib_Langue[101] + QStringLiteral("101"), Prompts::OkOnly);
    }
}

} // namespace PGr
