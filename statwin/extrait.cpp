// The extract of the scatter plot stored two ways: as a measurement file of the
// extracted rows with its "EXTRAITS=" line, and as a table of those rows of the grid.
#include <QDate>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QStringList>
#include <QTime>
#include <algorithm>

#include "app/etat_demarrage.h"
#include "app/etat_programme.h"
#include "app/gen.h"
#include "app/messages.h"
#include "app/tav.h"
#include "app/vb.h"
#include "grid/etat_grille.h"
#include "grid/grilles.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"
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

// A number as the measurement file prints it: a blank in the sign position of a positive
// number, the locale's decimal separator, and a trailing blank.
QString imprime(const QString& chiffres, bool negatif) {
    return (negatif ? QString() : QStringLiteral(" ")) + chiffres + QLatin1Char(' ');
}
QString imprime_double(double v) { return imprime(Vb::CStr(v), v < 0); }
QString imprime_simple(float v) {
    QString s = v == 0 ? QStringLiteral("0") : QString::number(double(v), 'g', 7);
    s.replace(QLatin1Char('.'), Vb::SeparateurDecimal());
    return imprime(s, v < 0);
}

// A comment is one line of the file.
QString une_ligne(QString texte) {
    texte.replace(QLatin1Char('\r'), QLatin1Char(' '));
    texte.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return texte;
}

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
        Tav& tav = *Tav::instance();
        const std::vector<int> lignes = Lignes_extraites();
        CalibrageImage[0] = CalibrageActuel;
        const int images = std::min(ListIMGchar.ListCount(), 50);
        const int segments = std::clamp<int>(NbValeursLigne, 0, 16);
        float largeurEcran = 0;
        if (const QScreen* ecran = QGuiApplication::primaryScreen()) largeurEcran = float(ecran->geometry().width());

        l << QStringLiteral("INDPRES=") + (IndResolution ? QStringLiteral("True") : QStringLiteral("False"));
        l << QStringLiteral("NBIMAGES= ") + QString::number(images);
        l << QStringLiteral("NBLIGNES= ") + QString::number(lignes.size());
        l << QStringLiteral("NBLGMAX =") + QString::number(TailleGrille);
        l << QStringLiteral("FONCTION= ") + QString::number(NumFonction);
        l << QStringLiteral("CALIBRAGE= ");
        for (int i = 1; i <= images; ++i) l << imprime_double(CalibrageImage[i]);
        l << QStringLiteral("RESH = ") + imprime_simple(largeurEcran);
        l << QStringLiteral("PCTSW = ") + imprime_simple(float(tav.Picture1.ScaleWidth));
        l << QStringLiteral("IMAGES= ");
        for (int i = 0; i < images; ++i) l << ListIMGchar.List(i);
        l << QStringLiteral("EXTRAITS= ") + FichierSource + QStringLiteral(" / ") + ExtraitListe;
        l << QStringLiteral("COMMENT= ");
        const int commentaire = GrilleRef.Cols() - 1;
        for (size_t k = 0; k < lignes.size(); ++k)
            l << QString::number(k + 1) + QLatin1Char(';') + une_ligne(GrilleRef.TextMatrix(lignes[k], commentaire));
        l << QStringLiteral("FIN");
        l << QStringLiteral("TRAME= ");
        for (const int r : lignes) {
            const LigneTrame& t = Trame(r);
            QString ligne = QString::number(t.Zoom) + QLatin1Char(';') + QString::number(t.Image);
            for (int k = 1; k <= segments; ++k) {
                const SegmentTrame& s = t.Segments[k];
                for (const std::int32_t v : {s.x1, s.y1, s.x2, s.y2}) ligne += QLatin1Char(';') + QString::number(v);
            }
            l << ligne + QLatin1Char(';');
        }
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
        const QLocale locale;
        l << QStringLiteral(" Extrait du Résultat des mesures du ") +
                 locale.toString(QDate::currentDate(), QLocale::ShortFormat) + QStringLiteral(" à ") +
                 locale.toString(QTime::currentTime(), QStringLiteral("HH:mm:ss"));
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
            for (int c = 0; c < GrilleRef.Cols(); ++c) t += une_ligne(GrilleRef.TextMatrix(r, c)) + sep;
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
