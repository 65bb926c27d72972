// Reading colour charts, standards and scanner files: pure readers of the lines, then
// the steps that put what was read into the chart and the tables.
#include <QDir>
#include <QFileInfo>

#include "base/etat_demarrage.h"
#include "base/gen.h"
#include "base/messages.h"
#include "base/tav.h"
#include "base/vb.h"
#include "colour/fichiers_couleur.h"
#include "grid/lecture_commune.h"
#include "platform/prompts.h"
#include "platform/textfile.h"

namespace Vistrane {

QString Chemin_fichier_couleur(const QString& nom) {
    if (nom.isEmpty() || QFileInfo(nom).isAbsolute()) return nom;
    return Gen::Chemin_programme(nom);
}

QString Nom_fichier_couleur(const QString& chemin) {
    const QFileInfo info(chemin);
    if (QDir::cleanPath(info.absolutePath()) == QDir::cleanPath(QDir(RepProg).absolutePath())) return info.fileName();
    return chemin;
}

bool Lit_Nuancier(const QString& chemin) {
    QStringList lignes;
    if (!Gen::Fichier_existe(chemin) || !TextFile::readLines(chemin, lignes)) return false;
    const LectureNuancier l = Analyse_nuancier(lignes);
    if (!l.liste) {
        Prompts::msgBox(Lib_Langue[230] + chemin + Lib_Langue[231], Prompts::OkOnly);
        return false;
    }
    Tav& tav = *Tav::instance();
    if (l.calibrageVu) {
        tav.CheckExpert.Value = 0;
        tav.CheckCalibre.Value = 0;
        tav.CheckCalibre.Enabled = false;
        CalibrageCol = l.calibrage ? -1 : 0;
        if (l.calibrage) {
            tav.CheckCalibre.Enabled = true;
            tav.CheckCalibre.Value = 1;
        }
    }
    TabNuancier = {};
    NomsNuancier = {};
    NbCouleurs = 0;
    NuancierLu = -1;
    for (const NuanceLue& n : l.nuances) {
        const int s = NbCouleurs + 1;
        for (int j = 1; j <= 6; ++j) TabNuancier[s][j] = n.valeurs[j];
        NomsNuancier[s] = n.nom;
        NbCouleurs = short(s);
    }
    if (!l.lignesIgnorees.empty()) Lecture::Signale_faute(chemin, l.lignesIgnorees.front());
    return true;
}

int Lit_FichierRef(const QString& chemin, TableMesuresRef& table, short& compte) {
    NbPointsCorrection = 0;
    QStringList lignes;
    if (!Gen::Fichier_existe(chemin, QStringLiteral("fichier ") + chemin + QStringLiteral(" non trouvé"), 1) ||
        !TextFile::readLines(chemin, lignes))
        return 0;
    const LectureRef l = Analyse_fichier_ref(lignes, compte);
    for (const LigneRef& r : l.lignes)
        for (int c = 1; c <= r.colonnes; ++c) table[r.ligne][c] = r.valeurs[c];
    compte = l.nbMesures;
    NbPointsCorrection = short(l.lues);
    return l.lues;
}

} // namespace Vistrane
