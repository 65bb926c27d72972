// Writing a colour chart or a scanner calibration from the grid: the header frame with
// its template, the file's lines and the save.
#include <QFileInfo>

#include "base/etat_demarrage.h"
#include "base/etat_partage.h"
#include "base/gen.h"
#include "base/grille.h"
#include "base/grilles.h"
#include "base/messages.h"
#include "base/rappels.h"
#include "base/tav.h"
#include "base/vb.h"
#include "colour/fichiers_couleur.h"
#include "grid/commentaires.h"
#include "grid/etat_grille.h"
#include "platform/prompts.h"
#include "platform/textfile.h"

namespace Vistrane {

namespace {

QDateTime Horloge_systeme() { return QDateTime::currentDateTime(); }
QDateTime (*horloge)() = &Horloge_systeme;

// A cell as one field of its line: a ";" would start a new field and a line break a new line.
QString Cellule(const QString& texte) {
    QString t = texte;
    t.replace(QLatin1Char(';'), QLatin1Char(','));
    t.replace(QLatin1String("\r\n"), QLatin1String(" "));
    return TextFile::uneLigne(t);
}

QString Ligne_grille(const Grille& grille, int ligne) {
    QString l;
    for (int c = 0; c < grille.Cols(); ++c) l += Cellule(grille.TextMatrix(ligne, c)) + QLatin1Char(';');
    return l;
}

} // namespace

void Fixe_horloge(QDateTime (*h)()) { horloge = h ? h : &Horloge_systeme; }
QDateTime Maintenant() { return horloge(); }

QStringList Lignes_nuancier_scanner(const Grille& grille, int nbLignesGrille, const QString& entete,
                                    int calibre, const QDateTime& quand, const QString& nomImageReference) {
    QStringList l;
    l << QStringLiteral("Résultat des mesures du ") + Vb::Date_courte(quand.date()) + QStringLiteral(" à ") +
             QLocale().toString(quand.time(), QLocale::ShortFormat);
    l << QStringLiteral("Image de référence chargée : ") + TextFile::uneLigne(nomImageReference);
    l << QString();
    l << entete;
    l << QString();
    l << QStringLiteral("REM= les lignes suivantes ne doivent pas être modifiées !");
    l << Ligne_grille(grille, 0);
    l << QStringLiteral("CALIBRAGECOL=") + QString::number(calibre);
    l << QStringLiteral("NBMESURES =") + QString::number(nbLignesGrille - 1);
    l << QStringLiteral("LISTE=");
    for (int r = 1; r < nbLignesGrille && r < grille.Rows(); ++r) l << Ligne_grille(grille, r);
    return l;
}

// File names keep to their line: a line break in one would start a line of its own.
QString Modele_entete_nuancier(const QString& nomImage, const QString& ficScanner, int calibre) {
    const QString fin = QStringLiteral("\r\n");
    return QStringLiteral("CODE=  N01") + fin + QStringLiteral("Image nuancier= ") +
           TextFile::uneLigne(Gen::Nom_fichier(nomImage)) + fin + QStringLiteral("SCANNER= ") +
           TextFile::uneLigne(ficScanner) + fin + QStringLiteral("CALIBRAGE_COULEUR=") +
           QString::number(calibre) + fin + QStringLiteral("RESOLUTION=") + fin + QStringLiteral("LUMINANCE=") + fin +
           QStringLiteral("CONTRASTE=") + fin + QStringLiteral("NOTES=") + fin + QStringLiteral("FINNOTES");
}

QString Lignes_entete_scanner() {
    return QStringLiteral("SCANNER=\r\nRESOLUTION=\r\nLUMINANCE=\r\nCONTRASTE=\r\nNOTES=\r\nFINNOTES");
}

} // namespace Vistrane

namespace BGr {

void Prepare_entete_nuancier() {
    Tav& tav = *Tav::instance();
    Gen::Dispose_cadre_commentaire(2);
    tav.TBox(3).Text.clear();
    if (NbLignesGrille == 1) {
        Prompts::msgBox(Lib_Langue[130], Prompts::OkOnly);
        return;
    }
    if (!Rappels::Commande_permise(Item::Commande::Nuancier)) return;
    Controle& cadre = tav.Frame(10);
    if (SauveNuancier) {
        cadre.BackColor = 0xFFFF80;
        cadre.Caption = QStringLiteral("Enregistrement Nuancier");
        tav.TBox(3).Text = Vistrane::Modele_entete_nuancier(NomImageActive, FicScanner, tav.CheckCalibre.Value);
    }
    if (SauveScanner) {
        cadre.BackColor = 0xFFFF80;
        cadre.Caption = QStringLiteral("Enregistrement Calibrage Scanner");
        // With both saves pending the scanner lines start a line of their own.
        if (!tav.TBox(3).Text.isEmpty()) tav.TBox(3).Text += QStringLiteral("\r\n");
        tav.TBox(3).Text += Vistrane::Lignes_entete_scanner();
    }
    cadre.Visible = true;
    tav.Bout_dial(30).Visible = false;
    SaisieCommentaire = -1;
}

void Ecrit_nuancier_scanner() {
    Tav& tav = *Tav::instance();
    const bool calibre = tav.CheckCalibre.Value == 1;
    if (SauveScanner && calibre && Prompts::msgBox(Lib_Langue[217], Prompts::YesNo) == Prompts::No) return;
    if (SauveNuancier && !calibre && Prompts::msgBox(Lib_Langue[218], Prompts::YesNo) == Prompts::No) return;
    const bool scanner = SauveScanner != 0;
    auto fin = [] {
        SauveNuancier = 0;
        SauveScanner = 0;
    };
    tav.Frame(10).Visible = false;
    tav.Bout_dial(30).Visible = true;
    const QString motif = SauveNuancier ? QStringLiteral("*.Nua") : QStringLiteral("*.Scn");
    const auto choisi = Prompts::saveFile(QString(), RepProg, motif + QLatin1Char('|') + motif + QLatin1Char('|'),
                                          FicCoulRef);
    if (!choisi) return fin();
    const QString chemin = *choisi;
    if (QFileInfo::exists(chemin) &&
        Prompts::msgBox(Lib_Langue[116], Prompts::OkCancel) == Prompts::Cancel) {
        FicCoulRef = Gen::Nom_fichier(chemin);
        return fin();
    }
    const QStringList lignes = Vistrane::Lignes_nuancier_scanner(
        GrilleRef, NbLignesGrille, tav.TBox(3).Text, tav.CheckCalibre.Value, Vistrane::Maintenant(), QString());
    // A failed save leaves the old file, the scanner file and its correction as they were.
    if (!TextFile::writeLines(chemin, lignes)) {
        Prompts::msgBox(Lib_Langue[144] + QStringLiteral(" :  ") + chemin, Prompts::OkOnly);
        return fin();
    }
    if (scanner) {
        FicScanner = Vistrane::Nom_fichier_couleur(chemin);
        CorrectionPrete = 0;
    }
    FicCoulRef = Gen::Nom_fichier(chemin);
    fin();
}

} // namespace BGr
