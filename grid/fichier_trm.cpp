#include "grid/fichier_trm.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>

#include "base/etat_demarrage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/messages.h"
#include "base/tav.h"
#include "base/vb.h"
#include "grid/effacement.h"
#include "grid/etat_grille.h"
#include "grid/grille_affichage.h"
#include "base/grilles.h"
#include "grid/lecture_commune.h"
#include "base/etat_partage.h"
#include "platform/prompts.h"
#include "platform/textfile.h"
#include "platform/ecran.h"
#include "base/rappels.h"

namespace {

QString entier(long long n) { return QString::number(n); }

// A number as the file's print statement writes it: a blank in the sign position of a
// positive number, the locale's decimal separator, and a trailing blank.
QString nombre_imprime(const QString& chiffres, bool negatif) {
    return (negatif ? QString() : QStringLiteral(" ")) + chiffres + QLatin1Char(' ');
}

QString double_imprime(double v) { return nombre_imprime(Vb::CStr(v), v < 0); }

// Single-precision values print with at most 7 significant digits.
QString simple_imprime(float v) {
    QString s = QString::number(double(v), 'g', 7);
    s.replace(QLatin1Char('.'), Vb::SeparateurDecimal());
    return nombre_imprime(s, v < 0);
}

} // namespace

namespace Gen {

QStringList Lignes_trame(const std::vector<int>& lignes, const QString& extraits) {
    Tav& tav = *Tav::instance();
    CalibrageImage[0] = CalibrageActuel;
    // The rows' lengths come from the calibration of their image: every image a row
    // names keeps its calibration in the file, even when the list holds fewer images
    // (its missing names are written blank, which the reader passes over).
    int images = ListIMGchar.ListCount();
    for (const int r : lignes) images = std::max<int>(images, Trame(r).Image);
    images = std::min(images, 50);
    const int colonnes = GrilleRef.Cols();
    const int segments = std::clamp<int>(NbValeursLigne, 0, 16);

    float largeurEcran = 0;
    largeurEcran = float(Ecran::taille().width());

    QStringList l;
    l << QStringLiteral("INDPRES=") + (IndResolution ? QStringLiteral("True") : QStringLiteral("False"));
    l << QStringLiteral("NBIMAGES= ") + entier(images);
    l << QStringLiteral("NBLIGNES= ") + entier(qsizetype(lignes.size()));
    l << QStringLiteral("NBLGMAX =") + entier(TailleGrille);
    l << QStringLiteral("FONCTION= ") + entier(NumFonction);
    l << QStringLiteral("CALIBRAGE= ");
    for (int i = 1; i <= images; ++i) l << double_imprime(CalibrageImage[i]);
    l << QStringLiteral("RESH = ") + simple_imprime(largeurEcran);
    l << QStringLiteral("PCTSW = ") + simple_imprime(float(tav.Picture1.ScaleWidth));
    l << QStringLiteral("IMAGES= ");
    for (int i = 0; i < images; ++i) l << (i < ListIMGchar.ListCount() ? ListIMGchar.List(i) : QString());
    if (!extraits.isEmpty()) l << QStringLiteral("EXTRAITS= ") + extraits;
    l << QStringLiteral("COMMENT= ");
    for (size_t k = 0; k < lignes.size(); ++k)
        l << entier(qsizetype(k + 1)) + QLatin1Char(';') +
                 (colonnes > 0 ? TextFile::uneLigne(GrilleRef.TextMatrix(lignes[k], colonnes - 1)) : QString());
    l << QStringLiteral("FIN");
    l << QStringLiteral("TRAME= ");
    for (const int r : lignes) {
        const LigneTrame& t = Trame(r);
        QString ligne = entier(t.Zoom) + QLatin1Char(';') + entier(t.Image) + QLatin1Char(';');
        for (int k = 1; k <= segments; ++k) {
            const SegmentTrame& s = t.Segments[k];
            for (long long v : {s.x1, s.y1, s.x2, s.y2}) ligne += entier(v) + QLatin1Char(';');
        }
        l << ligne;
    }
    return l;
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

void Charge_mesures() {
    Tav& tav = *Tav::instance();
    if (EtapeMesure + NbLignesGrille > 2 &&
        Prompts::msgBox(Lib_Langue[185] + SautLigne + Lib_Langue[106],
                        Prompts::YesNo | Prompts::IconInformation, QStringLiteral("Attention !")) == Prompts::No)
        return;

    // The dialog comes first: the grid is cleared only once there is a file to replace it.
    const QString propose = tav.labNomFic.Caption.isEmpty() ? QStringLiteral("mesures.trm") : QStringLiteral(".trm");
    const std::optional<QString> choix =
        Prompts::openFile(QStringLiteral("Charger la trame"), RepData, QStringLiteral("*.trm|*.trm"), propose);
    if (!choix || choix->isEmpty()) return;
    const QString chemin = *choix;
    if (!Fichier_existe(chemin, QStringLiteral("fichier trame absent "), 1)) return;

    RAZ_grille(1);
    Lecture::Vide_trames();
    InitFaite = 0;
    short statut = 0;
    Lit_trame(chemin, statut);
    if (statut == 1) return;

    Mstat::Recopie_Grille(0);
    ListImgMC.Clear();
    ListImgIdx.Clear();
    if (ListIMGchar.ListCount() > 0) {
        ListIMGchar.setListIndex(0);
        Rappels::appel_img_listchar(ListIMGchar.Text());
        NomImageActive = ListIMGchar.Text();
    }
}

} // namespace Gen
