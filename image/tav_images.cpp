// The measuring window's procedures that bring back a row's image: clearing the grid
// with the image list, and showing the measured object of a row.
#include <cmath>

#include "base/etat_partage.h"
#include "base/grilles.h"
#include "base/messages.h"
#include "base/rappels.h"
#include "base/tav.h"
#include "base/vb.h"
#include "grid/effacement.h"
#include "grid/etat_grille.h"
#include "grid/fonction.h"
#include "grid/grille_affichage.h"
#include "image/chargeur.h"
#include "image/services_image.h"
#include "image/vue.h"
#include "platform/prompts.h"

void Tav::RAZ_Grille_total() {
    if (Gen::Grille_tient_donnees()) {
        const int r = Prompts::msgBox(Lib_Langue[190] + QLatin1Char(' ') + Lib_Langue[188] + QStringLiteral(" & ") +
                                          Lib_Langue[189] + QStringLiteral(" ? "),
                                      Prompts::YesNo | Prompts::IconQuestion);
        if (r != Prompts::Yes) {
            Frame(6).Visible = false;
            GrilleRef.setBackColor(CouleurGrille);
            ModeCalibrage = 0;
            return;
        }
    }
    Gen::Change_fonction();
    Gen::RAZ_trame();
    Gen::Init_calibrages();
    const bool de_la_liste = IndexImageActive >= 1;
    Chargeur::Vide();
    LargeurInconnue = 0;
    PixelsInconnus = 0;
    // The picture on screen left the list with the rest: its rows would be recorded under
    // a number that is not its own, so none is shown, as after a load naming none.
    if (de_la_liste) Gen::Montre_aucune_image();
    Chargeur::Calibrage_hors_liste();
    Gen::Couleur_grille();
    ImageRestauree = 0;
}

void Tav::Cherche_spore() {
    try {
        const int r = GrilleRef.Row();
        const LigneTrame& t = Trame(r);
        if (t.Image != IndexImageActive) {
            const int index = t.Image - 1;
            const bool connue = index >= 0 && index < ListIMGchar.ListCount();
            if (connue) ListIMGchar.setListIndex(index);
            const QString chemin = connue ? ListIMGchar.List(index) : QString();
            Rappels::Restaure_image();
            // A row whose picture cannot be shown leaves no other picture under its number.
            if (chemin.isEmpty() || !appel_img_listchar(chemin)) Gen::Montre_aucune_image();
        }
        if (IndexImageActive >= 0 && IndexImageActive <= 50) CalibrageActuel = CalibrageImage[IndexImageActive];
        label(5).Caption = QStringLiteral("Cal. = ") + Vb::Format(CalibrageActuel, QStringLiteral("###0.0000"));

        const SegmentTrame& s = t.Segments[1];
        double cx = 0, cy = 0;
        if ((NumFonction >= 1 && NumFonction <= 6) || NumFonction == 13) {
            cx = (double(s.x1) + s.x2) / 2;
            cy = (double(s.y1) + s.y2) / 2;
        } else if (NumFonction == 10 || NumFonction == 11 || NumFonction == 16) {
            cx = s.x1;
            cy = s.y1;
        }
        NiveauZoom = t.Zoom;
        FacteurZoom = std::pow(RapportZoom, NiveauZoom);
        OrigineX = Vb::CLng(cx - Picture1.Width * 0.5 * BGr::Facteur_vue_image());
        OrigineY = Vb::CLng(cy - Picture1.Height * 0.5 * BGr::Facteur_vue_image());
        ZoomActif = -1;
        BGr::Calcule_rectangle_vignette(0, 0);
        BGr::Retrace_vue(0, 0);
    } catch (const Vb::Erreur&) {
    }
}
