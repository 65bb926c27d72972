#include "app/aide.h"

#include <QStandardPaths>
#include <QStringList>

#include "base/etat_demarrage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/messages.h"
#include "app/parametres.h"
#include "base/tav.h"
#include "measure/etat_mesure.h"
#include "measure/services_mesure.h"
#include "platform/bytefile.h"
#include "platform/prompts.h"
#include "platform/shell_open.h"
#include "platform/textfile.h"
#include "platform/waits.h"
#include "base/etat_partage.h"
#include "image/etat_image.h"
#include "colour/etat_couleur.h"

namespace {

// Tries to open the copied document; a copy still being written gets a few chances.
constexpr int kEssaisDoc = 5;
constexpr double kAttenteDoc = 0.5;  // seconds between two tries

// The second document, copied to the user's temporary folder and opened from there;
// false when the program has no such document.
bool Ouvre_doc_copiee() {
    const QString source = Gen::Document_aide(QStringLiteral("Doc2_"));
    if (!Gen::Fichier_existe(source, QString(), 1)) return false;
    const QString copie = Gen::Doc_temporaire();
    // A copy that cannot be written leaves any older copy whole: that one is not opened.
    if (!ByteFile::copy(source, copie)) {
        Prompts::msgBox(QStringLiteral(" ") + Lib_Menu[18], Prompts::OkOnly);
        return true;
    }
    bool prete = false;
    for (int essai = 0; essai < kEssaisDoc && !prete; ++essai) {
        if (essai > 0) Waits::pause(kAttenteDoc);
        prete = Gen::Fichier_existe(copie) != 0;
    }
    if (!prete) {
        Prompts::msgBox(QStringLiteral(" ") + Lib_Menu[18], Prompts::OkOnly);
        return true;
    }
    Gen::Prepare_doc_pdf();
    ShellOpen::open(copie);
    return true;
}

void Texte_cadre(const QStringList& lignes) {
    QString texte;
    for (const QString& l : lignes) texte += l + SautLigne;
    Tav::instance()->TBox(7).Text = texte;
}

} // namespace

namespace Gen {

QString Doc_temporaire() {
    return QStandardPaths::writableLocation(QStandardPaths::TempLocation) + QStringLiteral("/Doc_fr.pdf");
}

void Bienvenue() {
    Tav& tav = *Tav::instance();
    AvertissementAffiche = -1;
    tav.Frame(9).Caption = QStringLiteral("Bienvenue sur Tavirel");
    if (tav.Check(4).Value == 1) {
        AvertissementAffiche = 0;
        tav.Frame(9).Visible = false;
        return;
    }
    tav.Frame(9).Visible = true;
    tav.bout(33).Caption = Lib_Langue[197];
    tav.bout(33).Visible = false;
    tav.bout(33).Enabled = false;
    tav.bout(34).Caption = Lib_Langue[198];
    tav.bout(34).Enabled = true;
    tav.Check(4).Visible = true;
    tav.TBox(7).Text.clear();
    tav.TBox(5).Text = QString::number(LongueurPixels);
    const QString chemin = Chemin_programme(QStringLiteral("avert_") + CodeLangue + QStringLiteral(".txt"));
    QStringList lignes;
    if (Fichier_existe(chemin, chemin + ' ' + Lib_Langue[177], 1) && TextFile::readLines(chemin, lignes)) {
        QString texte;
        for (const QString& l : lignes) texte += l.trimmed() + SautLigne;
        tav.TBox(7).Text = texte;
    }
}

void Affiche_aide_texte() {
    QStringList lignes;
    for (int i = 2; i <= 13; ++i) lignes << Lib_Langue[i];
    Texte_cadre(lignes);
}

void Aide_calibrage() {
    Texte_cadre({
        QStringLiteral("La mesure avec Tavirel nécessite un calibrage préalable."),
        QStringLiteral("Le plus simple est d'effectuer une prise de vue de la mire micrométrique de votre oculaire"),
        QStringLiteral("Charger cette image et centrez la sur les graduations"),
        QStringLiteral("Pressez ensuite le bouton 'Etalonner'"),
        QStringLiteral("Pointez un maximum de divisions, entrez la grandeur vraie et valider"),
        QString(),
        QStringLiteral("   Tavirel est prêt à mesurer"),
        QString(),
        QStringLiteral("Pour que votre calibrage soit conservé au prochain démarrage"),
        QStringLiteral("faire  'Fichier/sauver les paramètres'"),
        QString(),
    });
}

} // namespace Gen

void Tav::AFF_Aide_pdf() { Gen::Ouvre_aide_pdf(); }

void Tav::Mnuaide_Click(short index) {
    switch (index) {
    case 2:
        Frame(9).Caption = QStringLiteral("mémo clés");
        bout(33).Visible = false;
        bout(34).Caption = Lib_MenuStat[31];
        Check(4).Visible = false;
        Frame(9).Visible = true;
        Gen::Affiche_aide_texte();
        MemoClesAffiche = -1;
        break;
    case 3:
        AFF_Aide_pdf();
        Gen::Bienvenue();
        break;
    case 4:
        if (Ouvre_doc_copiee()) Gen::Bienvenue();
        break;
    case 5:
        Frame(9).Caption = QStringLiteral("Pas à pas");
        Frame(9).Visible = true;
        Check(4).Visible = false;
        bout(33).Visible = false;
        bout(34).Caption = Lib_MenuStat[31];
        TBox(7).Text.clear();
        TBox(5).Text = QString::number(LongueurPixels);
        Gen::Aide_calibrage();
        ModeCalibrage = -1;
        StatusBar.Text = Lib_Langue[167];
        break;
    default:
        Gen::Bienvenue();
        break;
    }
}

void Tav::Bout_cadre_texte(short index) {
    bool fin_commune = true;
    switch (index) {
    case 7:
        StatusBar.Text = Lib_Langue[66];
        Affiche_Etat_Parametres();
        break;
    case 33:
        if (!AvertissementAffiche) {
            Gen::Affiche_aide_texte();
            break;
        }
        Frame(9).Visible = false;
        AvertissementAffiche = 0;
        Prompts::msgBox(QStringLiteral(" ") + Lib_Menu[1], Prompts::OkOnly);
        Gen::Sauve_parametres(1);
        fin_commune = false;
        break;
    case 34:
        fin_commune = false;
        if (MemoClesAffiche || ModeCalibrage) {
            if (MemoClesAffiche) MemoClesAffiche = 0;
            else ModeCalibrage = 0;
            if (!AvertissementAccepte) {
                Gen::Bienvenue();
            } else {
                Frame(9).Visible = false;
                TBox(7).Text.clear();
            }
        } else if (AvertissementAffiche) {
            short annule = 0;
            Form_QueryUnload(annule, 0);
        } else {
            Gen::Sauve_parametres(1);
            Frame(9).Visible = false;
            TBox(7).Text.clear();
            fin_commune = true;
        }
        break;
    default:
        return;
    }
    if (fin_commune) {
        PGr::Restaure_image();
        PGr::RAZ_etats_trace();
        bout(40).BackColor = CouleursBouton::Face;
        if (!ReferenceSurImage) Retrace(0);
    }
}
