// The flash panel: a short coloured notice held up during a wait that lets events run.
// The measuring window is hidden in statistics-only mode, so the panel goes over the
// window the user is looking at.
#include "base/tav.h"
#include "base/vb.h"
#include "platform/panneau_flash.h"
#include "platform/waits.h"

namespace {

constexpr int GaucheTwips = 5600, HautTwips = 4300, LargeurTwips = 3600, HauteurTwips = 800;

// Shows the panel at its place, with the colour of its control.
void Place_panneau(Tav& tav) {
    tav.FraFlash.Left = GaucheTwips;
    tav.FraFlash.Top = HautTwips;
    tav.FraFlash.Width = LargeurTwips;
    tav.FraFlash.Height = HauteurTwips;
    tav.FraFlash.Visible = true;
    PanneauFlash::montrer(GaucheTwips, HautTwips, LargeurTwips, HauteurTwips, tav.FraFlash.BackColor);
}

void Texte_panneau(Tav& tav, const QString& chn) {
    tav.lblLabelflashx.Caption = chn;
    PanneauFlash::texte(chn);
}

// An event handler that ran inside the wait may have hidden the panel: it comes back.
void Garde_visible(Tav& tav) {
    tav.FraFlash.Visible = true;
    PanneauFlash::garder_visible();
}

void Cache_panneau(Tav& tav) {
    tav.FraFlash.Visible = false;
    PanneauFlash::cacher();
}

// Waits until `delai` seconds after the clock's reading rounded to the second.
void Attente(Tav& tav, short delai) {
    const double debut = Vb::ArrondiPair(Waits::now());
    while (Waits::now() < debut + delai) {
        Garde_visible(tav);
        Waits::processEvents();
    }
}

} // namespace

void Tav::Flash(double couleur, const QString& Chn, short delai) {
    try {
        const long c = Vb::CLng(couleur);
        FraFlash.BackColor = c;
        lblLabelflashx.BackColor = c;
        Place_panneau(*this);
        Texte_panneau(*this, Chn);
        Attente(*this, delai);
        Cache_panneau(*this);
    } catch (const Vb::Erreur&) {
    }
}

void Tav::Flash_ouvre(const QString& Chn) {
    Place_panneau(*this);
    Texte_panneau(*this, Chn);
    Garde_visible(*this);
}

void Tav::Flash_ferme(short delai) {
    Attente(*this, delai);
    Cache_panneau(*this);
}

void Tav::cmdFlash_Click() { Flash(65535, QStringLiteral(" test"), 2); }
