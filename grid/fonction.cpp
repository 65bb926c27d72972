// Switching the measurement function and laying out the grids for it.
#include "grid/fonction.h"

#include <Qt>

#include "base/declarations.h"
#include "base/etat_demarrage.h"
#include "base/etat_programme.h"
#include "base/messages.h"
#include "base/tav.h"
#include "base/vb.h"
#include "base/rappels.h"
#include "grid/effacement.h"
#include "grid/etat_grille.h"
#include "grid/grille_affichage.h"
#include "base/grilles.h"
#include "base/etat_partage.h"
#include "platform/waits.h"

namespace {

// The revision number the caption shows after the version.
constexpr int RevisionApplication = 0;

// The fields of a descriptor up to its last "$"; a text after it is not a field.
QStringList Champs_fermes(const QString& descripteur) {
    QStringList champs = descripteur.split(QLatin1Char('$'));
    champs.removeLast();
    return champs;
}

bool Code_valide(short code) { return code >= 0 && code <= 25; }

} // namespace

namespace PGr {

void Choix_fonction() {
    Tav& tav = *Tav::instance();
    NbLignesGrille = 1;
    tav.PopOrg(1).Visible = false;
    FinClicDroit = 0;
    EtapeMesure = 1;
    CapacitePoints = NbValeursLigne;
    PointEnCours = 0;

    auto regle = [](short valeurs, short points, short colonnes) {
        NbValeursLigne = valeurs;
        CapacitePoints = points;
        NbColonnesStat = colonnes;
    };
    switch (NumFonction) {
    case 1: regle(1, 1, 1); Lib_Langue[55] = Lib_Langue[166]; break;
    case 2: regle(2, 2, 4); Lib_Langue[55] = Lib_Langue[166]; break;
    case 3:
        regle(3, 2, 5);
        FinClicDroit = -1;
        tav.PopOrg(1).Visible = true;
        Lib_Langue[55] = Lib_Langue[166];
        break;
    case 4: case 5: case 6: {
        const short n = short(NumFonction - 1);
        regle(n, n, n);
        Lib_Langue[55] = Lib_Langue[166];
        break;
    }
    case 10: regle(1, 1, 1); Lib_Langue[55] = QStringLiteral("marquer l'élément"); break;
    case 11: regle(2, 2, 2); Lib_Langue[55] = Lib_Langue[202] + Lib_Langue[204]; break;
    case 13: case 14: regle(3, 2, 3); Lib_Langue[55] = Lib_Langue[202] + Lib_Langue[205]; break;
    case 15: case 16: regle(2, 1, 2); break;
    case 20:
        Rappels::Init_Couleur();
        NbValeursLigne = 6;
        NbColonnesStat = 6;
        Lib_Langue[55] = QStringLiteral(" marquer la zone couleur à mesurer");
        break;
    default: break;
    }

    Prepare_grilles_fonction(NumFonction);
    Entetes_grille_fonction(NumFonction);
    // Triangle and polygon rows show three and four results (surface, perimeter, angle
    // or Rm and F): every one of them has its summary.
    if (NumFonction == 15 || NumFonction == 16) NbColonnesStat = short(GrilleRef.Cols() - 3);

    tav.Caption = (QStringLiteral("Tavirel 2.0") + QString::number(RevisionApplication) +
                       QStringLiteral("  /  ") + NomUtilisateur + QStringLiteral(" : ") + NomFonction);
    PointEnCours = 0;
    // One title row, the measurement rows, and one spare row.
    GrilleRef.setRows(std::max(TailleGrille + 1, 2));
    MGrille.setRows(4);
    short colonne = 0;
    BGr::Style_colonnes_grille(colonne);
    for (int c = 0; c <= GrilleRef.Cols() - 3 && c < GrilleRefP.Cols(); ++c)
        GrilleRefP.setTextMatrix(0, c, GrilleRef.TextMatrix(0, c));
}

void Prepare_grilles_fonction(short code) {
    const long vert = CouleurGrille;
    GrilleRef.setColWidth(0, 350);
    GrilleRef.setRow(0);
    GrilleRef.setCol(0);
    GrilleRef.setBackColor(vert);
    GrilleRef.setText(QStringLiteral("N°"));
    MGrille.setColWidth(0, GrilleRef.ColWidth(0));
    GrilleRefP.setColWidth(0, GrilleRef.ColWidth(0));
    GrilleRefP.setRow(GrilleRef.Row());
    GrilleRefP.setCol(GrilleRef.Col());
    GrilleRefP.setBackColor(GrilleRef.BackColor());
    GrilleRefP.setText(GrilleRef.Text());

    if (!Code_valide(code)) return;
    // The table may not have been filled yet when the first function is chosen.
    Declarations::Init_TableFonctions();
    // Every field counts, the last one too when no "$" closes it.
    const QStringList champs = Declarations::Champs(Declarations::LargeursFonctions[code]);
    if (champs.isEmpty()) {
        Mstat::Recopie_Grille(0);
        return;
    }
    const int n = int(Vb::Val(champs[0].trimmed().toUpper()));
    if (n >= 3 && n <= 40) {
        GrilleRef.setCols(n);
        GrilleRefP.setCols(n);
        MGrille.setCols(n);
    }
    for (int k = 1; k < champs.size() && k < GrilleRef.Cols(); ++k) {
        const int largeur = int(Vb::Val(champs[k].trimmed().toUpper()));
        GrilleRef.setColWidth(k, largeur);
        if (k < MGrille.Cols()) MGrille.setColWidth(k, largeur);
        if (k < GrilleRefP.Cols())
            GrilleRefP.setColWidth(k, k < GrilleRef.Cols() - 1 ? largeur : GrilleRef.ColWidth(GrilleRef.Cols() - 1));
    }
    Mstat::Recopie_Grille(0);
}

void Entetes_grille_fonction(short code) {
    Declarations::Init_TableFonctions();
    GrilleRef.setRow(0);
    GrilleRef.setCol(0);
    GrilleRef.setBackColor(CouleurGrille);
    GrilleRef.setText(QStringLiteral("N°"));
    if (Code_valide(code)) {
        // A title after the last "$" is not written.
        const QStringList champs = Champs_fermes(Declarations::TitresFonctions[code]);
        if (!champs.isEmpty()) NomFonction = champs[0].trimmed();
        for (int k = 3; k <= champs.size(); ++k) {
            const int colonne = k - 2;
            if (colonne >= GrilleRef.Cols()) break;
            GrilleRef.setTextMatrix(0, colonne, champs[k - 1].trimmed());
        }
        if (code == 16) {
            Tav& tav = *Tav::instance();
            const int item = PolygoneCercles == -1 ? 2 : 3;
            NomFonction = tav.Mnusurf(item).Caption;
        }
    }
    Mstat::Recopie_Grille(0);
}

void RAZ_compteur_clics() { EtapeMesure = 1; }

} // namespace PGr

namespace BGr {

void Style_colonnes_grille(short& colonne) {
    const int style = int(Qt::AlignCenter);
    colonne = 0;
    GrilleRef.setColAlignment(colonne, style);
    for (colonne = 0; colonne < GrilleRef.Cols(); ++colonne) GrilleRef.setColAlignment(colonne, style);
}

} // namespace BGr

namespace Gen {

void Change_fonction() {
    RAZ_grille(1);
    RAZ_trame();
    Waits::processEvents();
    Mstat::Recopie_Grille(0);
    short niveau = NiveauZoom;
    Rappels::Affiche_vue(niveau);
    Rappels::Restaure_image();
    PointEnCours = 0;
    ImageRestauree = 0;
}

void RAZ_boutons_fonction() {
    Tav& tav = *Tav::instance();
    tav.FraCharte.Visible = false;
    tav.OptnVistrane.Visible = false;
    tav.bout(10).Visible = true;
    tav.bout(14).Visible = true;
    ModeComptage = 0;
    ModeDensite = 0;
    tav.bout(9).BackColor = CouleursBouton::Face;
    tav.bout(9).Enabled = true;
    tav.bout(10).Enabled = true;
    tav.MnuFIC(9).Enabled = true;
}

} // namespace Gen
