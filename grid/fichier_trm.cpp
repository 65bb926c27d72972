#include "grid/fichier_trm.h"

#include <QFileInfo>
#include <QStringList>
#include <algorithm>

#include "base/etat_demarrage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/messages.h"
#include "base/tav.h"
#include "grid/effacement.h"
#include "grid/etat_grille.h"
#include "grid/fichier_trm_ecriture.h"
#include "grid/grille_affichage.h"
#include "grid/import_csv.h"
#include "base/grilles.h"
#include "grid/lecture_commune.h"
#include "base/etat_partage.h"
#include "platform/prompts.h"
#include "platform/textfile.h"
#include "platform/ecran.h"
#include "base/rappels.h"

namespace Gen {

QStringList Lignes_trame(const std::vector<int>& lignes, const QString& extraits) {
    // Slot 0 is the coefficient of the rows measured on a picture the list does not hold:
    // it takes the coefficient in force only while such a picture is shown, so that a row
    // measured on a pasted picture keeps its value once another picture is calibrated.
    if (IndexImageActive == 0) CalibrageImage[0] = CalibrageActuel;
    Trm::Contenu c;
    c.indResolution = IndResolution != 0;
    c.tailleGrille = TailleGrille;
    c.fonction = NumFonction;
    c.valeurs = NbValeursLigne;
    c.extraits = extraits;
    c.largeurEcran = float(Ecran::taille().width());
    c.largeurImage = float(Tav::instance()->Picture1.ScaleWidth);
    c.images = ListIMGchar.items();
    // The rows' lengths come from the calibration of their image: every image a row
    // names keeps its calibration in the file, even when the list holds fewer images
    // (its missing names are written blank, which the reader passes over).
    int images = ListIMGchar.ListCount();
    const int colonnes = GrilleRef.Cols();
    for (const int r : lignes) {
        // Trame and TextMatrix raise for a row they do not hold: no half-built file.
        c.lignes.push_back(Trame(r));
        c.commentaires << (colonnes > 0 ? GrilleRef.TextMatrix(r, colonnes - 1) : QString());
        images = std::max<int>(images, c.lignes.back().Image);
    }
    images = std::min(images, 50);
    for (int i = 1; i <= images; ++i) c.calibrages.push_back(CalibrageImage[i]);
    return Trm::Lignes_fichier(c);
}

bool Ecrit_trame(const QString& chemin) {
    if (chemin.isEmpty()) return false;
    const QString fichier = QFileInfo(chemin).isRelative() ? Chemin_donnees(chemin) : chemin;
    // Only rows that the grid really has are written.
    const int n = std::clamp(NbLignesGrille - 1, 0, std::min(std::max(GrilleRef.Rows() - 1, 0), TableMesuresMax));
    std::vector<int> lignes(static_cast<size_t>(n));
    for (int r = 1; r <= n; ++r) lignes[size_t(r - 1)] = r;
    return TextFile::writeLines(fichier, Lignes_trame(lignes));
}

void Sauve_mesures() {
    // The file keeps each row's points, not its values: rows that came without points
    // would come back empty. The user is told before anything is chosen or written; the
    // values stay in the grid, and the results report keeps them.
    if (Lignes_sans_trame()) {
        Prompts::msgBox(QStringLiteral("Lignes importées sans trame : le fichier de mesures ne peut pas les garder "
                                       "(le rapport les garde)"),
                        Prompts::OkOnly | Prompts::IconExclamation);
        return;
    }
    Tav& tav = *Tav::instance();
    QString nom = tav.labNomFic.Caption.isEmpty() ? QStringLiteral("mesures.") : Dir_sur(tav.labNomFic.Caption);
    if (!FichierSource.isEmpty()) nom = FichierSource;
    const short point = Position_caractere(nom, QStringLiteral("."));
    if (point > 0) nom = nom.left(point - 1);
    nom += QStringLiteral(".trm");

    const std::optional<QString> choix =
        Prompts::saveFile(QStringLiteral("Sauver la Trame"), RepData,
                          QStringLiteral("*.trm|*.trm|Tous les fichiers (*.*)|*.*"), nom);
    if (!choix || choix->isEmpty()) return;
    const QString chemin = *choix;
    const QString dossier = QFileInfo(chemin).absolutePath();
    if (dossier != RepData) RepData = dossier;

    if (Fichier_existe(chemin) &&
        Prompts::msgBox(Lib_Langue[116], Prompts::OkCancel) == Prompts::Cancel)
        return;
    if (!Ecrit_trame(chemin))
        Prompts::msgBox(Lib_Langue[144] + QStringLiteral(" :  ") + chemin, Prompts::OkOnly);
}

bool Charge_mesures() {
    const std::optional<QString> choix = Lecture::Fichier_a_charger(
        QStringLiteral("Charger la trame"), QStringLiteral("trm"), QStringLiteral("fichier trame absent "));
    if (!choix) return false;
    short statut = 0;
    Lit_trame(*choix, statut, [] {
        RAZ_grille(1);
        Lecture::Vide_trames();
        InitFaite = 0;
        // The picture on screen is none of the file's: no row is read with its scale.
        IndexImageActive = 0;
    });
    if (statut == 1) return false;

    Mstat::Recopie_Grille(0);
    ListImgMC.Clear();
    ListImgIdx.Clear();
    // No picture stays on screen under a number that is not its own.
    InitFaite = Rappels::Montre_premiere_image() ? -1 : 0;
    return true;
}

} // namespace Gen
