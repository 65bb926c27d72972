#include <QCoreApplication>
#include <cmath>
#include <exception>

#include "app/bgr.h"
#include "app/disposition.h"
#include "app/etat.h"
#include "app/programme_rappels.h"
#include "base/etat_demarrage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/messages.h"
#include "app/parametres.h"
#include "platform/programme.h"
#include "base/tav.h"
#include "base/vb.h"
#include "colour/etat_couleur.h"
#include "grid/etat_grille.h"
#include "base/grilles.h"
#include "image/etat_image.h"
#include "image/services_image.h"
#include "measure/etat_mesure.h"
#include "platform/lecture_image.h"
#include "platform/prompts.h"
#include "platform/souris.h"
#include "statwin/fenhisto.h"
#include "base/etat_partage.h"

namespace {

// The start-up values that depend on the layout, taken once the picture has its laid-out
// size; every other value is its group's default.
void Valeurs_de_disposition() {
    DemiGuideDefaut = Vb::CInt(Tav::instance()->Picture1.Width / 5.0);
    DemiGuide = DemiGuideDefaut;
}

// The 16-colour palette's RGB values, as &HBBGGRR.
long QBColor(int i) {
    static const long table[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                   0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                   0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    return table[i & 15];
}

// The controls' start-up state, in the order the start-up sets them.
void Controles_de_depart() {
    Tav& tav = *Tav::instance();
    PGr::Dispose_fenetre();
    tav.Check(3).Value = 1;
    tav.bout(12).BackColor = QBColor(12);
    tav.bout(13).BackColor = QBColor(10);
    tav.Optn(1).Value = -1;
    tav.Optn(2).Value = 0;
    GrilleRefP.setRows(12);
    BGr::Dispose_depart();
    tav.MNSav(1).Checked = true;
    tav.NoTexp(5).Checked = true;  // the results are written "d1, Dominante, d9" until another is chosen
    tav.bout(41).Enabled = false;
    tav.MnuNuancierOptions.Visible = false;
    tav.Lrg_Click(3);
    tav.CheckCalibre.Enabled = false;
    tav.Label8(0).Caption = QStringLiteral("dim Ech.");
    tav.TTrace_Click(2);
    tav.F_Img_Click(1);
    for (int i = 0; i < TabExtImage.size(); ++i) {
        tav.F_Img(i).Caption = TabExtImage[i];
        tav.F_Img(i).Enabled = false;
    }
    tav.F_Img(0).Enabled = true;
    tav.F_Img(1).Enabled = true;
    tav.F_Img_Click(0);
}

} // namespace

namespace BGr {

void Init_programme() {
    Messages::Init_Messages();
    try {
        Controles_de_depart();
    } catch (const std::exception& e) {
        // The settings stand whatever happens here; the user hears of it once.
        Prompts::msgBox(Lib_Langue[101] + QStringLiteral("Init ") + QString::fromUtf8(e.what()), Prompts::OkOnly);
    }
    Valeurs_de_disposition();
}

} // namespace BGr

namespace PGr {

void Grille_vide_initiale() {
    NumFonction = 0;
    NbLignesGrille = 1;
    EtapeMesure = 1;
    PointEnCours = 0;
    NbValeursLigne = 0;
    NbColonnesStat = 0;
    // Title row, one row per possible measurement, and one spare row.
    const int colonnes = 3;
    GrilleRef.setCols(colonnes);
    GrilleRef.setRows(TailleGrille + 1);
    GrilleRef.Clear();
    GrilleRef.setTextMatrix(0, 0, QStringLiteral("N°"));
    GrilleRef.setTextMatrix(0, 1, QStringLiteral("img"));
    GrilleRef.setTextMatrix(0, 2, QStringLiteral("comment"));
    GrilleRefP.setCols(colonnes);
    GrilleRefP.setRows(12);
    GrilleRefP.Clear();
    MGrille.setCols(colonnes);
    MGrille.setRows(4);
    MGrille.Clear();
    for (int c = 0; c < colonnes; ++c) MGrille.setTextMatrix(0, c, GrilleRef.TextMatrix(0, c));
    for (int c = 0; c < colonnes; ++c) {
        const int largeur = c == 0 ? 350 : (c == colonnes - 1 ? 1500 : 220);
        GrilleRef.setColWidth(c, largeur);
        GrilleRefP.setColWidth(c, largeur);
        MGrille.setColWidth(c, largeur);
    }
    GrilleRef.setBackColor(CouleurGrille);
    GrilleRefP.setBackColor(CouleurGrille);
}

void Ouverture_fenetre(bool lire_parametres) {
    Tav& tav = *Tav::instance();
    Installe_rappels();
    const QString dossier = Dossier_application();
    RepImage = dossier;
    RepData = dossier;
    RepProg = dossier;
    VitesseSouris = Souris::vitesse();
    tav.FraMC(0).Visible = false;
    tav.FraTavl.Visible = false;
    tav.Picture1.ScaleMode = 1;
    DiviseurEchelle = 1.0;
    BGr::Init_programme();
    // The default user name is a message entry: taken once the tables are filled, or the
    // default settings file would keep an empty name.
    NomUtilisateur = Lib_Langue[105];
    Grille_vide_initiale();
    BGr::Dispose_zone_image(1);
    // The layout set the view's outer size; its drawable size follows, and so do the
    // guide lengths taken from its width.
    tav.Picture1.Interieur_suit();
    Valeurs_de_disposition();
    TraceOrigine = TraceEnCours = TraceLargeur = TraceSecondPoint = 0;
    BGr::Position_panneau();
    ToucheModeVue = 0;
    LectureImage::Prepare();
    // The default picture: the view, its display scale and the thumbnail stand from here.
    short premiere = 1;
    try {
        Gen::Affiche_image_liste(premiere);
    } catch (const Vb::Erreur&) {
    }
    RepProg = Dossier_application();
    if (lire_parametres) Gen::Lit_parametres();
    // Qt's dialog texts follow the language the settings chose, French by default.
    Prompts::setDialogLanguage(CodeLangue);
    if (TailleGrille + 1 != GrilleRef.Rows() && NbLignesGrille <= 1) GrilleRef.setRows(TailleGrille + 1);
    tav.label(5).Caption = Lib_Langue[108] + Vb::Format(CalibrageActuel, QStringLiteral("###0.0000"));
    ModeStatSeul = -1;
    tav.Visible = false;
}

void Demarrage_fenetre() {
    Ouverture_fenetre(true);
    Tav& tav = *Tav::instance();
    while (!Programme::Termine()) {
        tav.Calcul_stat();
        FenHisto* fen = FenHisto::instance();
        fen->placer(1000, 500);
        fen->montrer_modal();
        if (!Programme::Termine()) FenHisto::decharger();
    }
}

} // namespace PGr
