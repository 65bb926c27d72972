// The results report and the clipboard copies of the results.
#include "grid/rapport.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QTime>
#include <algorithm>

#include "base/etat_demarrage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/messages.h"
#include "base/tav.h"
#include "base/vb.h"
#include "grid/deciles.h"
#include "grid/etat_grille.h"
#include "base/grilles.h"
#include "grid/resultats.h"
#include "base/etat_partage.h"
#include "platform/prompts.h"
#include "platform/textfile.h"
#include "platform/pressepapier.h"
#include "platform/bip.h"

namespace {

QString Separateur() {
    return ExtExport == QLatin1String("txt") ? QStringLiteral("\t;") : QStringLiteral("; ");
}

// The report's base name: the displayed image's file name up to its first dot, or
// "mesures" when no image is shown.
QString Base_rapport() {
    if (Tav::instance()->labNomFic.Caption.isEmpty()) return QStringLiteral("mesures");
    const QString nom = Gen::Nom_fichier(NomImageActive);
    const short point = Gen::Position_caractere(nom, QStringLiteral("."));
    return point > 0 ? nom.left(point - 1) : nom;
}

QString Ligne_grille(const Grille& g, int r, const QString& sep) {
    QString ligne;
    for (int c = 0; c < g.Cols(); ++c) ligne += TextFile::uneLigne(g.TextMatrix(r, c)) + sep;
    return ligne;
}

QString Cellule(const Grille& g, int r, int c) {
    return r >= 0 && r < g.Rows() && c >= 0 && c < g.Cols() ? g.TextMatrix(r, c) : QString();
}

double Colonne(const ValeursColonnes& tableau, int c) { return c >= 0 && c <= 8 ? tableau[c] : 0.0; }

QString Ligne_colonnes(const QString& titre, const ValeursColonnes& tableau, const QString& sep) {
    QString ligne = titre + sep;
    for (int c = 1; c <= NbColonnesStat; ++c) ligne += Vb::CStr(Colonne(tableau, c)) + sep;
    return ligne + sep;
}

void Erreur_fichier(const QString& chemin) {
    Prompts::msgBox(Lib_Langue[144] + QStringLiteral(" :  ") + chemin, Prompts::OkOnly);
}

} // namespace

namespace Gen {

QString Texte_rapport() {
    Tav& tav = *Tav::instance();
    const QString sep = Separateur();
    QStringList l;
    l << QStringLiteral(" Résultat des mesures du ") + Vb::Date_courte(QDate::currentDate()) +
             QStringLiteral(" à ") + Vb::Heure(QTime::currentTime());
    l << (IndResolution ? QStringLiteral("indépendance Résolution") : QStringLiteral("indépendance Dimension"));
    l << QStringLiteral("Fonction : ") + NomFonction;
    // The reference image's name is never set: the line ends after " : ".
    l << Lib_Langue[131] + QStringLiteral(" : ");
    if (!FichierCSVImporte.isEmpty()) {
        l << QStringLiteral("CSV importé : ") + Nom_fichier(FichierCSVImporte);
        l << QString();
    }
    l << QStringLiteral("num") + sep + Lib_Langue[126] + QLatin1Char(' ') + Lib_Langue[109];
    for (int i = 1; i <= ListIMGchar.ListCount(); ++i)
        l << QString::number(i) + sep + TextFile::uneLigne(ListIMGchar.List(i - 1)) + sep + (i <= 50 ? Vb::CStr(CalibrageImage[i]) : QString());
    l << TextFile::uneLigne(FichierResultats);
    l << QString();

    const int n = std::clamp(NbLignesGrille - 1, 0, std::max(GrilleRef.Rows() - 1, 0));
    l << QString::number(n) + QStringLiteral(" mesures");
    l << QStringLiteral("LISTE=");
    for (int r = 0; r <= n; ++r) l << Ligne_grille(GrilleRef, r, sep);
    // The closing line of empty cells, at which the import stops; it reads no grid row,
    // so a full grid has one too.
    l << sep.repeated(GrilleRef.Cols());

    const int lignesStat = std::min(8, GrilleRefP.Rows());
    for (int r = 0; r < lignesStat; ++r) {
        const QString ligne = Ligne_grille(GrilleRefP, r, sep);
        if (ligne == QStringLiteral("N°; ; ; ; ; ; ; ")) Bip::sonner();
        l << ligne;
    }

    for (int c = 1; c <= std::min<int>(NbValeursLigne, 8); ++c) EffectifCol[c] = 0;
    for (short c = 1; c <= NbColonnesStat; ++c) tav.Cdecile(c);
    l << Ligne_colonnes(QStringLiteral("Effectif = "), EffectifCol, sep);
    l << Ligne_colonnes(QStringLiteral("1er décile"), Decile1Col, sep);
    l << Ligne_colonnes(QStringLiteral("médiane"), MedianeCol, sep);
    l << Ligne_colonnes(QStringLiteral("9ème décile"), Decile9Col, sep);
    l << QString();

    for (int c = 1; c <= NbColonnesStat; ++c)
        l << Cellule(GrilleRefP, 0, c) + QStringLiteral(" : ") + QStringLiteral("N=") + Vb::CStr(Colonne(EffectifCol, c)) +
                 QStringLiteral("; D1,9 ;(") + Cellule(GrilleRefP, 2, c) + QStringLiteral(" )") +
                 Vb::CStr(Colonne(Decile1Col, c)) + QStringLiteral(" - ") + Vb::CStr(Colonne(Decile9Col, c)) +
                 QLatin1Char('(') + Cellule(GrilleRefP, 3, c) + QLatin1Char(')');
    if (NumFonction == 3) {
        if (ValeursLigne[0] > 0) {
            const QString volume = Vb::Format(ValeursLigne[0], FormatDecimal) + QStringLiteral("  Sigma_Vol = ") +
                                   Vb::Format(ValeursLigne[1], FormatDecimal);
            l << QStringLiteral("Vol. Approx.3D = ") + volume;
            tav.TBox(8).Text += volume;
        } else {
            l << QStringLiteral("Vol. Approx.3D = NC ");
        }
    }
    l << QString();
    l << Texte_resultats() + SautLigne;
    return l.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

void Exporte_resultats(short mode) {
    Tav& tav = *Tav::instance();
    tav.Calcul_stat();
    const QString nom = Base_rapport() + QLatin1Char('.') + ExtExport;
    QString chemin;
    if (mode == 0) {
        chemin = QDir(RepData).filePath(nom);
        if (!Fichier_existe(chemin)) {
            Erreur_fichier(chemin);
            return;
        }
        if (Prompts::msgBox(Lib_Langue[116] + SautLigne + chemin, Prompts::OkCancel) == Prompts::Cancel) return;
    } else {
        // The image's folder, as its path spells it; the data folder when no image is shown.
        const qsizetype barre =
            std::max(NomImageActive.lastIndexOf(QLatin1Char('/')), NomImageActive.lastIndexOf(QLatin1Char('\\')));
        const QString dossier = barre < 0 ? RepData : NomImageActive.left(barre);
        const QString motif = QStringLiteral("*.") + ExtExport;
        const std::optional<QString> choix =
            Prompts::saveFile(QStringLiteral("Export grille sous ..."), dossier,
                              motif + QLatin1Char('|') + motif + QStringLiteral("|Tous les fichiers (*.*)|*.*"), nom);
        if (!choix || choix->isEmpty()) return;
        chemin = *choix;
        const QString choisi = QFileInfo(chemin).absolutePath();
        if (choisi != RepData) RepData = choisi;
        if (Fichier_existe(chemin)) {
            if (Prompts::msgBox(Lib_Langue[116] + SautLigne + chemin, Prompts::OkCancel) == Prompts::Cancel) return;
            tav.MnuEDit(2).Enabled = true;
        }
    }
    FichierResultats = tav.TBox(3).Text;
    if (!TextFile::write(chemin, Texte_rapport())) Erreur_fichier(chemin);
}

void Copie_texte_resultats() {
    PressePapier::mettre_texte(Texte_resultats());
}

void Copie_resultats_affiches() {
    Affiche_resultats();
    PressePapier::mettre_texte(Tav::instance()->TBox(8).Text);
}

} // namespace Gen
