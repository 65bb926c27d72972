#include "app/parametres.h"

#include <QFileInfo>
#include <QStringList>
#include <cmath>

#include "base/etat_demarrage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "app/langue.h"
#include "base/messages.h"
#include "base/parametres_analyse.h"
#include "base/tav.h"
#include "base/vb.h"
#include "colour/etat_couleur.h"
#include "grid/etat_grille.h"
#include "measure/etat_mesure.h"
#include "platform/prompts.h"
#include "platform/textfile.h"
#include "base/etat_partage.h"
#include "image/etat_image.h"

namespace {

void Choisit_option(Tav& tav, int choisie, int autre) {
    tav.Optn(autre).Value = 0;
    tav.Optn(choisie).Value = -1;
    tav.Optn_Click(short(choisie));
}

using FichierParametres::Cle;
using FichierParametres::OuiNon;

short Drapeau(bool vrai) { return vrai ? -1 : 0; }

// One setting read from the file, applied with what follows from it.
void Applique(const FichierParametres::Reglage& r) {
    Tav& tav = *Tav::instance();
    switch (r.cle) {
    case Cle::Utilisateur: NomUtilisateur = r.texte; break;
    case Cle::Langue: CodeLangue = r.texte; break;
    case Cle::Calibrage: CalibrageActuel = r.nombre; break;
    case Cle::FonctionDemarrage:
        FonctionDemarrage = r.entier;
        NumFonction = r.entier;
        break;
    case Cle::RepImage: RepImage = r.texte; break;
    case Cle::RepData: RepData = r.texte; break;
    case Cle::Indpres:
        IndResolution = Drapeau(r.oui_non != OuiNon::Faux);
        if (IndResolution) Choisit_option(tav, 2, 1);
        else Choisit_option(tav, 1, 2);
        break;
    case Cle::FDecimal: FormatDecimal = r.texte; break;
    case Cle::DecimAuto: DecimalesAuto = Drapeau(r.oui_non == OuiNon::Vrai); break;
    case Cle::Avert:
        tav.Check(4).Value = r.oui_non == OuiNon::Faux ? 0 : 1;
        if (tav.Check(4).Value == 0) tav.Frame(9).Visible = true;
        if (r.oui_non == OuiNon::Vrai) tav.Frame(9).Visible = false;
        break;
    case Cle::AutoRetrace:
        AutoRetraceParam = Drapeau(r.oui_non == OuiNon::Vrai);
        // The window's activation ticks the box from the setting; the window may stay
        // hidden for the whole run, and the box is what the writer saves.
        tav.Check(2).Value = AutoRetraceParam ? 1 : 0;
        break;
    case Cle::Palmer:
        // Both answers restore their measuring style; the view setting is separate.
        if (r.oui_non == OuiNon::Vrai) Choisit_option(tav, 5, 6);
        else Choisit_option(tav, 6, 5);
        break;
    case Cle::StatDef: StatDef = r.entier; break;
    case Cle::Clic: TolClic = r.entier; break;
    case Cle::TGrille: TailleGrille = r.entier; break;
    case Cle::SavAuto:
        SauveAuto = r.entier;
        for (int i = 0; i <= 2; ++i) tav.MNSav(i).Checked = false;
        tav.MNSav(Vb::CInt(SauveAuto / 10.0)).Checked = true;
        break;
    case Cle::ExtImg:
        FormatImage = r.entier;
        tav.F_Img_Click(FormatImage);
        break;
    case Cle::CoulRef: FicCoulRef = r.texte; break;
    case Cle::RefNuancier: FicNuancier = r.texte; break;
    case Cle::ZoneCouleur:
        IndexZoneCouleur = r.entier;
        tav.Lrg_Click(IndexZoneCouleur);
        break;
    case Cle::FicEtalon: FicEtalon = r.texte; break;
    case Cle::FEtalonCouleur: EtalonCouleur = Drapeau(r.oui_non == OuiNon::Vrai); break;
    case Cle::FicScanner:
        FicScanner = r.texte;
        tav.Label6(1).Caption = QStringLiteral("Scanner : ") + FicScanner;
        break;
    }
}

} // namespace

namespace Gen {

QString Texte_booleen(short flag) { return flag == 0 ? QStringLiteral("FAUX") : QStringLiteral("VRAI"); }

QString Fichier_parametres() { return Chemin_programme(QStringLiteral("Tavl.dat")); }

void Lit_parametres() {
    const QString chemin = Fichier_parametres();
    if (!QFileInfo::exists(chemin)) {
        Prompts::msgBox(Lib_Langue[114] + QStringLiteral(" Tavl.dat"), Prompts::OkOnly);
        RepData = Dossier_application();
        Sauve_parametres(0);
    } else {
        QStringList lignes;
        if (!TextFile::readLines(chemin, lignes)) {
            // A file that is there but unreadable is the user's: keep it, run on the defaults.
            Prompts::msgBox(Lib_Langue[144] + QStringLiteral(" : ") + chemin, Prompts::OkOnly);
        }
        // A value outside its setting's domain is passed over in silence: the start-up
        // value stands.
        for (const FichierParametres::Reglage& r : FichierParametres::Analyse_parametres(lignes).reglages) Applique(r);
    }
    if (CodeLangue != QLatin1String("fr")) Messages::Charge_Langue();
    CalibrageImage[0] = CalibrageActuel;
}

// A text value never breaks its line: a line break in it would start a setting of its own.
bool Sauve_parametres(short) {
    Tav& tav = *Tav::instance();
    QStringList l;
    l << Lib_Langue[139];
    l << QStringLiteral("  Ne pas modifier ! ");
    l << QStringLiteral("UTILISATEUR = ") + TextFile::uneLigne(NomUtilisateur);
    l << QStringLiteral("LANGUE = ") + TextFile::uneLigne(CodeLangue);
    l << QStringLiteral("INDPRES= ") + Texte_booleen(IndResolution);
    l << QStringLiteral("REPIMAGE= ") + TextFile::uneLigne(RepImage);
    l << QStringLiteral("REPDATA= ") + TextFile::uneLigne(RepData);
    l << QStringLiteral("REPPROG= ") + TextFile::uneLigne(RepProg);
    l << QStringLiteral("CALIBRAGE = ") + Vb::CStr_fichier(CalibrageActuel);
    l << QStringLiteral("AVERT =") + Texte_booleen(tav.Check(4).Value == 1);
    l << QStringLiteral("FONCTION_DEMARRAGE= ") + Vb::CStr_fichier(FonctionDemarrage);
    l << QStringLiteral("FDECIMAL= ") + TextFile::uneLigne(FormatDecimal);
    l << QStringLiteral("DECIMAUTO= ") + Texte_booleen(DecimalesAuto);
    l << QStringLiteral("AUTORETRACE=") + Texte_booleen(tav.Check(2).Value == 1);
    l << QStringLiteral("PALMER=") + Texte_booleen(tav.Optn(5).Value != 0);
    l << QStringLiteral("STATDEF=") + Vb::CStr_fichier(StatDef);
    l << QStringLiteral("CLIC=") + Vb::CStr_fichier(TolClic / 10.0);
    l << QStringLiteral("TGRILLE=") + Vb::CStr_fichier(TailleGrille);
    l << QStringLiteral("SAVAUTO=") + Vb::CStr_fichier(SauveAuto);
    l << QStringLiteral("EXT_IMG=") + Vb::CStr_fichier(FormatImage);
    l << QStringLiteral("REFNUANCIER= ") + TextFile::uneLigne(FicNuancier.trimmed());
    l << QStringLiteral("ZONECOULEUR= ") + Vb::CStr_fichier(IndexZoneCouleur);
    l << QStringLiteral("FICETALON= ") + TextFile::uneLigne(FicEtalon.trimmed());
    l << QStringLiteral("FETALONCOULEUR= ") + Texte_booleen(EtalonCouleur);
    l << QStringLiteral("FICSCANNER= ") + TextFile::uneLigne(FicScanner.trimmed());
    const QString chemin = Fichier_parametres();
    if (TextFile::writeLines(chemin, l)) return true;
    Prompts::msgBox(Lib_Langue[144] + QStringLiteral(" : ") + chemin, Prompts::OkOnly);
    return false;
}

} // namespace Gen
