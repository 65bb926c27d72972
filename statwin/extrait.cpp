// The extract of the scatter plot stored two ways: as a measurement file of the
// extracted rows with its "EXTRAITS=" line, and as a table of those rows of the grid.
#include <QDate>
#include <QFileInfo>
#include <QStringList>
#include <QTime>
#include <algorithm>
#include <iterator>

#include "base/etat_demarrage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/messages.h"
#include "base/tav.h"
#include "base/vb.h"
#include "grid/etat_grille.h"
#include "grid/import_csv.h"
#include "grid/fichier_trm.h"
#include "base/grilles.h"
#include "base/etat_partage.h"
#include "platform/prompts.h"
#include "platform/textfile.h"
#include "statwin/fenhisto.h"

namespace {

// The extract's grid rows, in list order; an entry that is no row number is the
// conversion error, so nothing is written from a damaged list.
std::vector<int> Lignes_extraites() {
    const QStringList morceaux = ExtraitListe.split(QLatin1Char(';'));
    std::vector<int> lignes;
    for (qsizetype i = 0; i + 1 < morceaux.size() && i < TableMesuresMax; ++i) {
        bool ok = false;
        const int r = morceaux[i].trimmed().toInt(&ok);
        if (!ok) throw Vb::Erreur(Vb::ErrTypeIncompatible, "Type mismatch");
        lignes.push_back(r);
    }
    return lignes;
}

// A measured row keeps its record beside it; a pasted or imported row has none, and a
// measurement file, which holds records only, would give it back empty.
bool Avec_enregistrement(int ligne) { return !Gen::Ligne_sans_trame(ligne) && Trame(ligne) != LigneTrame(); }

std::vector<int> Lignes_avec_enregistrement(const std::vector<int>& lignes) {
    std::vector<int> gardees;
    std::copy_if(lignes.begin(), lignes.end(), std::back_inserter(gardees), Avec_enregistrement);
    return gardees;
}

const QString SansEnregistrement = QStringLiteral(
    "Le fichier de mesures ne peut pas garder les lignes sans enregistrement de mesure (table collée) : "
    "\"Export CSV extrait\" les garde.");

void Erreur_fichier(const QString& chemin) {
    Prompts::msgBox(Lib_Langue[144] + QStringLiteral(" :  ") + chemin, Prompts::OkOnly);
}

} // namespace

// --- tools menu

void FenHisto::exporte_trame_extrait() {
    if (ExtraitListe.isEmpty()) {
        Prompts::msgBox(QStringLiteral("Liste extraite vide"), Prompts::OkOnly);
        return;
    }
    // Told before a name is asked: rows without a record cannot go into the file.
    try {
        const std::vector<int> lignes = Lignes_extraites();
        const std::size_t gardees = Lignes_avec_enregistrement(lignes).size();
        if (gardees == 0) {
            Prompts::msgBox(SansEnregistrement + SautLigne + QStringLiteral("Rien n'est sauvé."), Prompts::OkOnly);
            return;
        }
        if (gardees < lignes.size())
            Prompts::msgBox(SansEnregistrement + SautLigne +
                                QStringLiteral("Seules les lignes qui en ont un seront sauvées."),
                            Prompts::OkOnly);
    } catch (const std::exception&) {
        // A damaged list or a row beyond the records: the save refuses it and says so.
    }
    Tav& tav = *Tav::instance();
    QString nom = tav.labNomFic.Caption.isEmpty() ? QStringLiteral("Extrait.") : Gen::Dir_sur(tav.labNomFic.Caption);
    if (!FichierSource.isEmpty()) nom = FichierSource;
    const short point = Gen::Position_caractere(nom, QStringLiteral("."));
    if (point > 0) nom = nom.left(point - 1);
    nom += QStringLiteral("_EX");
    const std::optional<QString> chemin = Nom_extrait(nom + QStringLiteral(".trm"), QStringLiteral("trm"), false);
    if (chemin) Extrait_Sauve(*chemin);
}

void FenHisto::CSV_Export() {
    if (ExtraitListe.isEmpty()) {
        Prompts::msgBox(Lib_Langue[130], Prompts::OkOnly);
        return;
    }
    CSVexportGrille(1);
}

// --- name dialog

std::optional<QString> PanneauTests::Nom_extrait(const QString& nom, const QString& extension, bool tableau) {
    const QString motif = QStringLiteral("*.") + extension + QLatin1Char('|');
    const std::optional<QString> choix =
        Prompts::saveFile(tableau ? QStringLiteral("Export CSV extrait") : QStringLiteral("Sauver trame extraite"),
                          RepData, motif + motif + QStringLiteral("Tous les fichiers (*.*)|*.*"), nom);
    // Cancel is the user's choice, not a failure: nothing is written and nothing said.
    if (!choix || choix->isEmpty()) return std::nullopt;
    const QString dossier = QFileInfo(*choix).absolutePath();
    if (dossier != RepData) RepData = dossier;
    if (Gen::Fichier_existe(*choix)) {
        const QString question = tableau ? Lib_Langue[116] + SautLigne + *choix : Lib_Langue[116];
        if (Prompts::msgBox(question, Prompts::OkCancel) == Prompts::Cancel) return std::nullopt;
    }
    return choix;
}

// --- the extract as a measurement file

void PanneauTests::Extrait_Sauve(const QString& FichierTrame) {
    const QString fichier = QFileInfo(FichierTrame).isRelative() ? Gen::Chemin_donnees(FichierTrame) : FichierTrame;
    QStringList l;
    try {
        // Only rows with a record are written; the file's list then names those rows alone.
        const std::vector<int> lignes = Lignes_extraites();
        const std::vector<int> gardees = Lignes_avec_enregistrement(lignes);
        if (gardees.empty()) return;
        QString liste = ExtraitListe;
        if (gardees.size() < lignes.size()) {
            liste.clear();
            for (const int r : gardees) liste += QString::number(r) + QLatin1Char(';');
        }
        l = Gen::Lignes_trame(gardees, FichierSource + QStringLiteral(" / ") + liste);
    } catch (const std::exception&) {
        // A row of the list that the grid does not hold: no half-written extract.
        Erreur_fichier(fichier);
        return;
    }
    if (!TextFile::writeLines(fichier, l)) Erreur_fichier(fichier);
}

// --- the extract as a table

void PanneauTests::CSVexportGrille(short mode) {
    if (mode != 1) return;
    Tav& tav = *Tav::instance();
    const QString sep = ExtExport == QLatin1String("txt") ? QStringLiteral("\t;") : QStringLiteral("; ");
    tav.Calcul_stat();

    QString nom = tav.labNomFic.Caption.isEmpty() ? QStringLiteral("mesures_Extr.") : Gen::Nom_fichier(NomImageActive);
    const short point = Gen::Position_caractere(nom, QStringLiteral("."));
    if (point > 0) nom = nom.left(point - 1);
    nom += QStringLiteral("_Extr.") + ExtExport;
    const std::optional<QString> chemin = Nom_extrait(nom, ExtExport, true);
    if (!chemin) return;

    QStringList l;
    try {
        const std::vector<int> lignes = Lignes_extraites();
        l << QStringLiteral(" Extrait du Résultat des mesures du ") +
                 Vb::Date_courte(QDate::currentDate()) + QStringLiteral(" à ") +
                 Vb::Heure(QTime::currentTime());
        l << (IndResolution ? QStringLiteral("indépendance Résolution") : QStringLiteral("indépendance Dimension"));
        l << QStringLiteral("Fonction : ") + NomFonction;
        l << Lib_Langue[131] + QStringLiteral(" : ");
        if (!FichierCSVImporte.isEmpty()) {
            l << QStringLiteral("CSV importé : ") + Gen::Nom_fichier(FichierCSVImporte);
            l << QString();
        }
        l << QStringLiteral("num") + sep + Lib_Langue[126] + QLatin1Char(' ') + Lib_Langue[109];
        l << QString();
        l << QString::number(lignes.size()) + QStringLiteral(" mesures sur ") + QString::number(NbLignesGrille - 1);
        l << QStringLiteral("LISTE=");
        auto ligne_grille = [&](int r) {
            QString t;
            for (int c = 0; c < GrilleRef.Cols(); ++c) t += TextFile::uneLigne(GrilleRef.TextMatrix(r, c)) + sep;
            return t;
        };
        l << ligne_grille(0);
        for (const int r : lignes) l << ligne_grille(r);
        l << QStringLiteral("; ; ; ; ; ; ;");
    } catch (const std::exception&) {
        Erreur_fichier(*chemin);
        return;
    }
    if (!TextFile::writeLines(*chemin, l)) Erreur_fichier(*chemin);
}
