// The routing of the view's mouse events: each press, release and move goes, in a fixed
// order of tests, to the colour sampling, the count, an annotation, the zoom and pan
// keys, the hand mode or the click dispatcher; a move also keeps the live feedback (the
// magnifier, the rubber bands, the density shape, the colour square).
#include <cmath>

#include "base/etat_demarrage.h"
#include "base/etat_partage.h"
#include "base/messages.h"
#include "base/rappels.h"
#include "base/vb.h"
#include "grid/enregistrement.h"
#include "grid/etat_grille.h"
#include "image/etat_image.h"
#include "image/vignette.h"
#include "image/vue.h"
#include "measure/item_en_cours.h"
#include "measure/outils_mesure.h"
#include "measure/services_mesure.h"
#include "image/annotations.h"
#include "platform/waits.h"

using namespace Mesure;

namespace {

constexpr double kHimetricParPixel = 2540.0 / 96;

int Entier(double v) { return Vb::CLng(v); }

// A press that starts an annotation at the clicked point.
void Point_annotation(float X, float Y) {
    ClicX = Entier(X);
    ClicY = Entier(Y);
    EtatSaisie = 0;
}

// The density shape from the origin to the mouse: an ellipse (13) or a rectangle (14).
void Forme_densite(double mx, double my) {
    Surface& v = vue();
    if (NumFonction == 13) {
        // A vertical drag has no aspect: the shape waits for the next move.
        Trace_ellipse_densite(PointDepartX, PointDepartY, mx, my);
    } else if (NumFonction == 14) {
        v.Line(PointDepartX, PointDepartY, mx, my, -1, Surface::Boite);
    }
}

// The rubber bands of an item being drawn, by style.
void Elastiques(double mx, double my) {
    Tav& t = tav();
    Surface& v = vue();
    const double k = CalibrageActuel * FacteurZoom * KZoomCal / DiviseurEchelle;
    const auto etiquette_chaine = [&] {
        const double cote = std::hypot(mx - DernierPointX, my - DernierPointY);
        t.label(9).Caption = Vb::Format((PerimetreTotal + cote) * k, QStringLiteral("##0.0000"));
    };
    if (ModePalmer == 0) {
        Restaure_vue(t.Image1);
        v.Line(PointDepartX, PointDepartY, mx, my);
    }
    if (ModeDensite) {
        Restaure_vue(t.Image1);
        Forme_densite(mx, my);
        return;
    }
    if (ModePalmer == 1 && ModePoly) {
        Restaure_vue(t.Image1);
        if (EtapeMesure == 1) v.Line(DernierPointX, DernierPointY, mx, my);
        else v.Line(PointDepartX, PointDepartY, mx, my);
        etiquette_chaine();
    } else if (ModePalmer == 1) {
        if (ModeDeuxAxes && TraceOrigine) {
            Restaure_vue(t.Image1);
            v.Line(PointDepartX, PointDepartY, mx, my);
            LongueurPixels = Vb::CLng(PGr::Distance_points(PointDepartX, PointDepartY, Entier(mx), Entier(my)));
            t.label(9).Caption = Vb::Format(PGr::Pixels_en_microns(LongueurPixels), QStringLiteral("###0.000"));
        }
    } else if (ModePalmer == 2 && ModePoly) {
        Restaure_vue(t.Image1);
        if (EtapeMesure == 1) {
            v.Line(DernierPointX, DernierPointY, mx, my);
        } else {
            Restaure_vue(t.Image2);
            PGr::Trace_elastique(Entier(mx), Entier(my));
        }
        etiquette_chaine();
    } else if (ModePalmer == 2 && ModeDeuxAxes) {
        Restaure_vue(t.Image2);
        PGr::Trace_elastique(Entier(mx), Entier(my));
    }
}

} // namespace

namespace BGr {

void Souris_enfoncee(short Button, short Shift, float X, float Y) {
    Tav& t = tav();
    RelacheIgnoree = 0;
    if (IllusReferenceOrientee) {
        ClicX = Entier(X);
        ClicY = Entier(Y);
        t.Rappel_Ecran3();
        Mstat::Clic_Mesure(ClicX, ClicY, Button, 1);
        return;
    }
    AppuiX = Entier(X);
    AppuiY = Entier(Y);
    if (t.FraCharte.Visible) {
        if (!ModeDeplace) Rappels::Mesure_Zone(t.picbase.Image(), X, Entier(Y));
        return;
    }
    // A press in the hand mode starts a pan: it counts nothing and places no point.
    if (ModeComptage && !ModeDeplace) Clic_comptage(Button, Shift, X, Y);
    if (ModeDensite && EtapeMesure > 1 && !ModeDeplace) Clic_comptage(Button, Shift, X, Y);
    if (IllusReference) {
        Point_annotation(X, Y);
        Echelle_saisie();
    } else if (IllusTexte) {
        Point_annotation(X, Y);
        Texte_saisie();
    } else if (ToucheZoom) {
        float x = X, y = Y;
        Zoom_clic(Button, Shift, x, y);
        if (AutoRetrace) t.Retrace(0);
    } else if (ToucheDeplacement) {
        Deplace_vue(Entier(X), Entier(Y));
        if (AutoRetrace) t.Retrace(0);
    } else if (!ModeDeplace) {
        if (ModePoly) TraceSecondPoint = 0;
        Mstat::Clic_Mesure(Entier(X), Entier(Y), Button, 1);
    }
}

void Souris_relachee(short Button, short, float X, float Y) {
    Tav& t = tav();
    if (RelacheIgnoree) return;
    if (IllusReferenceOrientee) {
        RelacheX = Entier(X);
        RelacheY = Entier(Y);
        IllusReferenceOrientee = 0;
        IllusReferenceValeur = -1;
        EtatSaisie = 0;
        Echelle_valeur();
    }
    t.StatusBar.Text = Lib_Langue[55];
    if (ModeDeplace) {
        if (Item::Prepare(Item::Commande::Vue)) Decale_vue(Entier(double(X) - AppuiX), Entier(double(Y) - AppuiY));
        return;
    }
    if (t.FraCharte.Visible) return;
    if (ModeComptage) {
        ClicArme = -1;
        return;
    }
    if (IllusReference || IllusTexte) {
        Waits::processEvents();
        return;
    }
    if (ToucheModeVue) return;
    Mstat::Clic_Mesure(Entier(X), Entier(Y), Button, 0);
}

void Souris_deplacee(short, short, float X, float Y) {
    if (IllusReferenceValeur) {
        tav().Rappel_Ecran3();
        return;
    }
    if (LoupeFigee) return;
    // A drawing that cannot be made (a point beyond 32 bits, a shape without aspect)
    // leaves the view as it is.
    try {
        Actualise_loupe(X, Y);
        if (TraceEnCours) Elastiques(X, Y);
    } catch (const Vb::Erreur&) {
    }
}

void Place_cadre_clic(short, short, float X, float Y) {
    Tav& t = tav();
    ClicX = Entier(X);
    ClicY = Entier(Y);
    if (ToucheV) {
        t.VignP.Left = Entier(X);
        t.VignP.Top = Entier(Y);
        ToucheV = 0;
    }
    if (ToucheW) {
        t.PLoupePic.Left = Entier(X);
        t.PLoupePic.Top = Entier(Y);
        ToucheW = 0;
    }
}

} // namespace BGr

void Tav::Picture1_MouseDown(short Button, short Shift, float X, float Y) { BGr::Souris_enfoncee(Button, Shift, X, Y); }

void Tav::Picture1_MouseUp(short Button, short Shift, float X, float Y) { BGr::Souris_relachee(Button, Shift, X, Y); }

void Tav::Picture1_MouseMove(short Button, short Shift, float X, float Y) {
    BGr::Souris_deplacee(Button, Shift, X, Y);
    // The colour sample's square follows the mouse, its side the zone's in picture pixels.
    if (NumFonction != 20) return;
    try {
        if (EchelleAffichage == 0 || FacteurZoom == 0) return;
        const double h = (TailleZone - 1) * kHimetricParPixel / EchelleAffichage / FacteurZoom;
        Restaure_vue(Image1);
        Picture1.surface().Line(X - h, Y - h, X + h, Y + h, -1, Surface::Boite);
    } catch (const Vb::Erreur&) {
    }
}

void Tav::Form_MouseDown(short Button, short Shift, float X, float Y) { BGr::Place_cadre_clic(Button, Shift, X, Y); }
