#include "app/disposition.h"


#include "app/bgr.h"
#include "base/etat_demarrage.h"
#include "base/etat_programme.h"
#include "app/langue.h"
#include "base/tav.h"
#include "base/vb.h"
#include "platform/ecran.h"
#include "base/etat_partage.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"
#include "colour/etat_couleur.h"

namespace {

constexpr int kTwipsParPixel = 15;

// The screen's width in twips; a screenless run counts a common 1024-pixel screen.
double Largeur_ecran() {
    const int pixels = Ecran::taille().width();
    return double(pixels > 0 ? pixels : 1024) * kTwipsParPixel;
}

// The window's borders: outer size minus inner size, horizontally and vertically.
int Marge_horizontale(const Tav& tav) { return Vb::CLng(tav.Fenetre.Width - tav.Fenetre.ScaleWidth); }
int Marge_verticale(const Tav& tav) { return Vb::CLng(tav.Fenetre.Height - tav.Fenetre.ScaleHeight); }

void Place(Controle& c, int left, int top, int width, int height) {
    c.Left = left;
    c.Top = top;
    c.Width = width;
    c.Height = height;
}

// The picture at its place, filling the window to its right and bottom edges.
void Place_image(Tav& tav, double facteur_largeur, double facteur_hauteur) {
    Controle& p = tav.Picture1;
    p.Left = 3000;
    p.Top = 1000;
    p.Width = Vb::CLng((tav.Fenetre.Width - p.Left - Marge_horizontale(tav)) * facteur_largeur);
    p.Height = Vb::CLng((tav.Fenetre.Height - p.Top - Marge_verticale(tav)) * facteur_hauteur);
}

} // namespace

namespace PGr {

void Dispose_fenetre() {
    Tav& tav = *Tav::instance();
    // The window's own captions stand before the layout empties some of them.
    Messages::Legendes_initiales();
    RapportVue = tav.Fenetre.Width / Largeur_ecran();
    Place_image(tav, 0.99, 0.99);
    LargeurVueInitiale = Vb::CLng(tav.Picture1.Width);

    tav.TBox(4).Visible = false;  // the state report, shown on request
    tav.Frame(1).Caption.clear();
    tav.Frame(4).Caption.clear();
    Place(tav.Frame(10), 4000, 800, 5200, 2300);
    Place(tav.FraTavl, 3000, 1000, 5800, 2000);
    Place(tav.Frame(7), 3000, 1000, 6500, 4800);
    Place(tav.Frame(9), 4000, 3000, 8000, 4000);
    tav.TBox(7).Width = tav.Frame(9).Width - 100;
    tav.TBox(7).Height = 2800;
    Place(tav.Frame(8), 7000, 1500, 3100, 1450);
    tav.Frame(8).Caption.clear();
    tav.FraMC(0).Top = tav.Picture1.Top + 5000;
    tav.FraMC(0).Width = 9700;
    tav.FraMC(0).Height = 2250;
    Place(tav.Frame(14), 3960, 3240, 2172, 972);
    tav.Frame(14).Enabled = false;
    Place(tav.Frame(13), 9500, 1400, 3000, 1095);
    tav.Frame(13).Enabled = false;
    tav.Frame(13).Caption.clear();
    tav.Frame(13).Visible = false;
}

} // namespace PGr

namespace BGr {

void Dispose_zone_image(short mode) {
    Tav& tav = *Tav::instance();
    // A minimised window has no inner size to share out.
    if (tav.WindowState == 1 || tav.Fenetre.ScaleWidth <= 0 || tav.Fenetre.ScaleHeight <= 0) return;
    RapportVue = tav.Fenetre.Width / Largeur_ecran();
    Controle& p = tav.Picture1;
    p.Width = Vb::CLng(tav.Fenetre.Width - p.Left - Marge_horizontale(tav));
    p.Height = Vb::CLng((tav.Fenetre.Height - p.Top - Marge_verticale(tav)) * 0.99);
    if (mode == 0) {
        Place_image(tav, 1.0, 1.0);
        LargeurVueInitiale = Vb::CLng(p.Width);
        // Lengths shown in the normal state are not divided by the maximised ratio.
        DiviseurEchelle = 1.0;
    } else if (mode == 2) {
        Place_image(tav, 1.0, 1.0);
        LargeurVueCourante = Vb::CLng(p.Width);
        DiviseurEchelle = LargeurVueInitiale > 0 ? double(LargeurVueCourante) / LargeurVueInitiale : 1.0;
    }
    if (ModePalmer == 2) {
        tav.Optn(6).Value = 0;
        tav.Optn(5).Value = -1;
        tav.Optn_Click(5);
    }
}

void Position_panneau() {
    Tav& tav = *Tav::instance();
    Controle& panneau = tav.Frame(6);
    const Controle& p = tav.Picture1;
    const int droite = tav.Fenetre.Width - panneau.Width - 10;
    const int bas = p.Top + p.Height - panneau.Height;
    switch (PositionPanneau) {
    case 0: panneau.Left = p.Left; panneau.Top = p.Top; break;
    case 1: panneau.Left = droite; panneau.Top = p.Top; break;
    case 2: panneau.Left = droite; panneau.Top = bas; break;
    case 3: panneau.Left = p.Left; panneau.Top = bas; break;
    default: break;
    }
}

void Dispose_depart() {
    Tav& tav = *Tav::instance();
    // Setting the outer width moves the inner width with it, the borders staying.
    const int marge = Marge_horizontale(tav);
    tav.Fenetre.Width = 13035;
    tav.Fenetre.ScaleWidth = tav.Fenetre.Width - marge;
    tav.Picture1.Left = 3360;

    // The control panel: the measurement grid, a row of buttons, the statistics grid.
    Controle& panneau = tav.Frame(6);
    panneau.Height = 6800;
    panneau.Width = 4000;
    const int haut_grille = 1000, hauteur_grille = 3900;
    const int rangee = haut_grille + hauteur_grille + 10;
    for (int i = 0; i <= 2; ++i) tav.bout(i).Top = rangee;
    tav.Check(3).Top = rangee;
    tav.Picture1.Left = panneau.Width;  // the measurement grid is as wide as the panel

    // Thumbnail, then the magnifier under the displayed copy of the grid.
    tav.VignP.Left = 0;
    tav.VignP.Top = 2500;
    const int haut_copie = tav.VignP.Top + LargeurVignette, hauteur_copie = 1250;
    tav.FraListeImg.Caption.clear();
    Place(tav.FraListeImg, tav.FraListeImg.Left, 1000, 3000, 1500);
    tav.FraListeImg.Visible = false;
    Place(tav.PLoupePic, 10, haut_copie + hauteur_copie, TailleLoupeEcran, TailleLoupeEcran);
    tav.PLoupePic.Visible = true;

    // The folder pane, hidden until asked for.
    Place(tav.FraRep, 0, 2500, 3015, 4515);
    tav.FraRep.Caption = RepImage;
    tav.FraRep.Visible = false;
}

} // namespace BGr
