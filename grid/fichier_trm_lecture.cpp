// Applying a measurement file read by Trm::Analyse_trame: the header keys, the images
// and their calibrations, the comments, and every row rebuilt from its record
// (Trm::Etape_ligne).
#include <QStringList>
#include <functional>
#include <algorithm>
#include <cmath>

#include "base/declarations.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/messages.h"
#include "base/tav.h"
#include "base/vb.h"
#include "base/rappels.h"
#include "grid/effacement.h"
#include "grid/enregistrement.h"
#include "grid/etat_grille.h"
#include "grid/fichier_trm.h"
#include "grid/fichier_trm_analyse.h"
#include "grid/fichier_trm_lignes.h"
#include "grid/fonction.h"
#include "base/grilles.h"
#include "grid/lecture_commune.h"
#include "base/etat_partage.h"
#include "platform/prompts.h"
#include "platform/textfile.h"

static_assert(Trm::LignesMax == TableMesuresMax - 1, "the parser's rows are the records' rows");

namespace {
void Ecrit_cellule(int ligne, int colonne, const QString& texte) {
    if (ligne >= 0 && ligne < GrilleRef.Rows() && colonne >= 0 && colonne < GrilleRef.Cols())
        GrilleRef.setTextMatrix(ligne, colonne, texte);
}
} // namespace

namespace Gen {

void Lit_trame(const QString& chemin, short& statut, const std::function<void()>& avant) {
    const QString fichier = chemin.isEmpty() ? Chemin_donnees(QStringLiteral("mesure.trm")) : chemin;
    // A missing file leaves the grid as it is: nothing is there to replace it.
    if (!Fichier_existe(fichier, QStringLiteral("fichier trame absent "), 1)) return;
    QStringList lignes;
    if (!TextFile::readLines(fichier, lignes)) return;
    Lecture::Echelle_calibrage_fichier();
    FichierSource = Nom_fichier(fichier);

    const Trm::Lecture lu = Trm::Analyse_trame(lignes, {GrilleRef.Rows(), TailleGrille});
    // A file of the other resolution mode is refused before anything of it is applied.
    for (const Trm::Element& e : lu.elements)
        if (e.cle == Trm::Cle::Indpres && (e.entier != 0) != (IndResolution != 0)) {
            Prompts::msgBox(Lib_Langue[176], Prompts::OkOnly);
            statut = 1;
            return;
        }
    if (avant) avant();
    int premiereFaute = Analyse::Premiere_ligne(lu.problemes);
    const auto Faute = [&premiereFaute](int ligne) {
        if (premiereFaute == 0 || ligne < premiereFaute) premiereFaute = ligne;
    };
    Tav& tav = *Tav::instance();
    int lues = 0;  // rows of the last row block
    Trm::SuiteLignes suite;
    const short fermeAvant = PolygoneCercles;
    // A file that is not refused replaces the images and their calibrations whole, as it
    // replaces the rows: an image whose coefficient the file refuses or does not hold is
    // never calibrated (0), and no row reads a coefficient of the file read before.
    bool imagesRemplacees = false;
    const auto Remplace_images = [&imagesRemplacees] {
        if (imagesRemplacees) return;
        imagesRemplacees = true;
        ListIMGchar.Clear();
        std::fill(CalibrageImage.begin() + 1, CalibrageImage.end(), 0.0);
    };

    for (const Trm::Element& e : lu.elements) {
        Remplace_images();
        switch (e.cle) {
        case Trm::Cle::Indpres:
            RAZ_grille(statut);
            break;
        case Trm::Cle::NbLgMax:
            TailleGrille = short(e.entier);
            GrilleRef.setRows(TailleGrille + 1);
            for (int k = 0; k <= 2; ++k) tav.TgrilleMax(k).Checked = (64 << k) == e.entier;
            break;
        case Trm::Cle::Fonction:
            NumFonction = short(e.entier);
            // The colour function is laid out too, so its rows land in its own columns.
            PGr::Choix_fonction();
            break;
        case Trm::Cle::Calibrage:
            // A number that is no coefficient leaves its image never calibrated (0), as the
            // writer finds such an image.
            for (size_t i = 0; i < e.reels.size(); ++i) {
                if (Gen::Coefficient_valable(e.reels[i]) || e.reels[i] == 0) CalibrageImage[i + 1] = e.reels[i];
                else Faute(e.ligne + int(i) + 1);
            }
            break;
        case Trm::Cle::Pctsw: {
            const float largeur = float(tav.Picture1.ScaleWidth);
            if (float(e.reel) != largeur) {
                Prompts::msgBox(Lib_Langue[210], Prompts::OkOnly);
                if (largeur > 0)
                    for (int i = 1; i <= std::min<int>(int(e.entier), 50); ++i) {
                        const double c = float(e.reel) * CalibrageImage[i] / largeur;
                        if (Gen::Coefficient_valable(c)) CalibrageImage[i] = c;
                    }
            }
            break;
        }
        case Trm::Cle::Images:
            // A blank name keeps its place: the images after it keep their numbers, which
            // their rows and their calibrations go by.
            ListIMGchar.Clear();
            for (QString l : e.textes) ListIMGchar.AddItem(l.trimmed().isEmpty() ? QString() : Rappels::Cherche_image(l));
            break;
        case Trm::Cle::Commentaires:
            for (const Trm::Commentaire& c : e.commentaires) Ecrit_cellule(c.rang, GrilleRef.Cols() - 1, c.texte);
            break;
        case Trm::Cle::Lignes: {
            const bool recalcule = NumFonction != 0 && Declarations::NombreColonnes(NumFonction) > 0;
            for (const Trm::LigneLue& l : e.lignes)
                if (!Trm::Etape_ligne(l, recalcule, suite)) Faute(l.ligne);
            lues = int(e.lignes.size());
            break;
        }
        }
    }

    Remplace_images();  // a file that holds no key at all
    NbLignesGrille = short(lues + 1);
    // Every image a row names has its place in the list, a blank one when the file gives
    // no name, so that a picture opened later takes a number of its own.
    int derniere = 0;
    for (int r = 1; r <= lues && r <= TableMesuresMax; ++r) derniere = std::max<int>(derniere, Trame(r).Image);
    while (ListIMGchar.ListCount() < std::min(derniere, 50)) ListIMGchar.AddItem(QString());
    // The polygons go on closing as the file's last flag says, else as the user chose.
    PolygoneCercles = suite.polygoneFerme ? (*suite.polygoneFerme ? -1 : 0) : fermeAvant;
    EtapeMesure = 1;
    PointEnCours = 0;
    // Rows past those read hold nothing, not even a comment of a row that never came.
    for (int r = NbLignesGrille; r < GrilleRef.Rows(); ++r)
        for (int c = 1; c < GrilleRef.Cols(); ++c) GrilleRef.setTextMatrix(r, c, QString());

    ListImgAff.Clear();
    ListImgIdx.Clear();
    for (int k = 0; k < ListIMGchar.ListCount(); ++k) {
        ListImgAff.AddItem(ListIMGchar.List(k));
        ListImgIdx.AddItem(QString::number(k));
        if (k <= 50) ImageMC[k] = 0;
    }
    if (NumFonction == 20) Rappels::Init_Couleur();

    if (premiereFaute) Lecture::Signale_faute(fichier, premiereFaute);
}

} // namespace Gen
