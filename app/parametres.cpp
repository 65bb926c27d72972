#include "app/parametres.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <cmath>
#include <optional>

#include "base/etat_demarrage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "app/langue.h"
#include "base/messages.h"
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

// A number written with a decimal comma or point, with an optional sign and exponent;
// anything else (letters, two numbers, an empty value) is not a setting's value.
std::optional<double> Nombre(const QString& valeur) {
    static const QRegularExpression forme(
        QStringLiteral("^[+-]?(\\d+([.,]\\d*)?|[.,]\\d+)([eEdD][+-]?\\d+)?$"));
    if (!forme.match(valeur).hasMatch()) return std::nullopt;
    const double x = Gen::Val_decimal(valeur);
    if (!std::isfinite(x)) return std::nullopt;
    return x;
}

// The value as a 16-bit integer (nearest, halves to even), when it is a number that fits.
std::optional<short> Entier(const QString& valeur) {
    const auto x = Nombre(valeur);
    if (!x) return std::nullopt;
    const double r = Vb::ArrondiPair(*x);
    if (r < -32768.0 || r > 32767.0) return std::nullopt;
    return short(r);
}

std::optional<short> Entier_parmi(const QString& valeur, std::initializer_list<int> domaine) {
    const auto n = Entier(valeur);
    if (!n) return std::nullopt;
    for (int v : domaine)
        if (*n == v) return n;
    return std::nullopt;
}

std::optional<short> Entier_entre(const QString& valeur, int min, int max) {
    const auto n = Entier(valeur);
    if (!n || *n < min || *n > max) return std::nullopt;
    return n;
}

// A number as the file holds it: the locale's text, a blank before a non-negative one.
QString Ecrit_nombre(double x) {
    const QString t = Vb::CStr(x);
    return x >= 0 ? ' ' + t : t;
}

void Choisit_option(Tav& tav, int choisie, int autre) {
    tav.Optn(autre).Value = 0;
    tav.Optn(choisie).Value = -1;
    tav.Optn_Click(short(choisie));
}

void Applique(const QString& cle, const QString& valeur) {
    Tav& tav = *Tav::instance();
    const QString haut = valeur.toUpper();

    if (cle == QLatin1String("UTILISATEUR")) {
        NomUtilisateur = valeur;
    } else if (cle == QLatin1String("LANGUE")) {
        // The code becomes part of file names: two letters, never a path.
        static const QRegularExpression code(QStringLiteral("^[A-Za-z]{2}$"));
        if (code.match(valeur).hasMatch()) CodeLangue = valeur;
    } else if (cle == QLatin1String("CALIBRAGE")) {
        // A calibration is a length per pixel: zero or less would turn every measure to nothing.
        const auto x = Nombre(valeur);
        if (x && *x > 0) CalibrageActuel = *x;
    } else if (cle == QLatin1String("FONCTION_DEMARRAGE")) {
        if (const auto n = Entier_parmi(valeur, {0, 1, 2, 3, 4, 5, 6, 20})) {
            FonctionDemarrage = *n;
            NumFonction = *n;
        }
    } else if (cle == QLatin1String("REPIMAGE")) {
        RepImage = valeur;
    } else if (cle == QLatin1String("REPDATA")) {
        RepData = valeur;
    } else if (cle == QLatin1String("INDPRES")) {
        IndResolution = haut == QLatin1String("FAUX") ? 0 : -1;
        if (IndResolution) Choisit_option(tav, 2, 1);
        else Choisit_option(tav, 1, 2);
    } else if (cle == QLatin1String("FDECIMAL")) {
        FormatDecimal = valeur;
    } else if (cle == QLatin1String("DECIMAUTO")) {
        DecimalesAuto = haut == QLatin1String("VRAI") ? -1 : 0;
    } else if (cle == QLatin1String("AVERT")) {
        tav.Check(4).Value = 1;
        if (haut == QLatin1String("FAUX")) tav.Check(4).Value = 0;
        if (tav.Check(4).Value == 0) tav.Frame(9).Visible = true;
        if (haut == QLatin1String("VRAI")) tav.Frame(9).Visible = false;
    } else if (cle == QLatin1String("AUTORETRACE")) {
        AutoRetraceParam = haut == QLatin1String("VRAI") ? -1 : 0;
        // The window's activation ticks the box from the setting; the window may stay
        // hidden for the whole run, and the box is what the writer saves.
        tav.Check(2).Value = AutoRetraceParam ? 1 : 0;
    } else if (cle == QLatin1String("PALMER")) {
        // Both answers restore their measuring style; the view setting is separate.
        if (haut == QLatin1String("VRAI")) Choisit_option(tav, 5, 6);
        else if (haut == QLatin1String("FAUX")) Choisit_option(tav, 6, 5);
    } else if (cle == QLatin1String("STATDEF")) {
        if (const auto n = Entier_entre(valeur, 1, 4)) StatDef = *n;
    } else if (cle == QLatin1String("CLIC")) {
        const auto x = Nombre(valeur);
        if (x) {
            const double t = Vb::ArrondiPair(*x * 10.0);
            if (t >= 1 && t <= 32767) TolClic = short(t);
        }
    } else if (cle == QLatin1String("TGRILLE")) {
        if (const auto n = Entier_parmi(valeur, {64, 128, 256})) TailleGrille = *n;
    } else if (cle == QLatin1String("SAVAUTO")) {
        if (const auto n = Entier_parmi(valeur, {0, 10, 20})) {
            SauveAuto = *n;
            for (int i = 0; i <= 2; ++i) tav.MNSav(i).Checked = false;
            tav.MNSav(Vb::CInt(SauveAuto / 10.0)).Checked = true;
        }
    } else if (cle == QLatin1String("EXT_IMG")) {
        if (const auto n = Entier_parmi(valeur, {0, 1})) {
            FormatImage = *n;
            tav.F_Img_Click(FormatImage);
        }
    } else if (cle == QLatin1String("COULREF")) {
        FicCoulRef = valeur;
    } else if (cle == QLatin1String("REFNUANCIER")) {
        FicNuancier = valeur;
    } else if (cle == QLatin1String("ZONECOULEUR")) {
        if (const auto n = Entier_entre(valeur, 1, 6)) {
            IndexZoneCouleur = *n;
            tav.Lrg_Click(IndexZoneCouleur);
        }
    } else if (cle == QLatin1String("FICETALON")) {
        FicEtalon = valeur;
    } else if (cle == QLatin1String("FETALONCOULEUR")) {
        EtalonCouleur = haut == QLatin1String("VRAI") ? -1 : 0;
    } else if (cle == QLatin1String("FICSCANNER")) {
        FicScanner = valeur;
        tav.Label6(1).Caption = QStringLiteral("Scanner : ") + FicScanner;
    }
    // REPPROG (the program's folder stays the application folder), CORRECTIONRVB and
    // unknown keys change nothing.
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
        for (const QString& ligne : lignes) {
            if (ligne.trimmed().isEmpty()) continue;
            const qsizetype egal = ligne.indexOf('=');
            if (egal < 0) continue;
            Applique(ligne.left(egal).trimmed().toUpper(), ligne.mid(egal + 1).trimmed());
        }
    }
    if (CodeLangue != QLatin1String("fr")) Messages::Charge_Langue();
    CalibrageImage[0] = CalibrageActuel;
}

bool Sauve_parametres(short) {
    Tav& tav = *Tav::instance();
    QStringList l;
    l << Lib_Langue[139];
    l << QStringLiteral("  Ne pas modifier ! ");
    l << QStringLiteral("UTILISATEUR = ") + NomUtilisateur;
    l << QStringLiteral("LANGUE = ") + CodeLangue;
    l << QStringLiteral("INDPRES= ") + Texte_booleen(IndResolution);
    l << QStringLiteral("REPIMAGE= ") + RepImage;
    l << QStringLiteral("REPDATA= ") + RepData;
    l << QStringLiteral("REPPROG= ") + RepProg;
    l << QStringLiteral("CALIBRAGE = ") + Ecrit_nombre(CalibrageActuel);
    l << QStringLiteral("AVERT =") + Texte_booleen(tav.Check(4).Value == 1);
    l << QStringLiteral("FONCTION_DEMARRAGE= ") + Ecrit_nombre(FonctionDemarrage);
    l << QStringLiteral("FDECIMAL= ") + FormatDecimal;
    l << QStringLiteral("DECIMAUTO= ") + Texte_booleen(DecimalesAuto);
    l << QStringLiteral("AUTORETRACE=") + Texte_booleen(tav.Check(2).Value == 1);
    l << QStringLiteral("PALMER=") + Texte_booleen(tav.Optn(5).Value != 0);
    l << QStringLiteral("STATDEF=") + Ecrit_nombre(StatDef);
    l << QStringLiteral("CLIC=") + Ecrit_nombre(TolClic / 10.0);
    l << QStringLiteral("TGRILLE=") + Ecrit_nombre(TailleGrille);
    l << QStringLiteral("SAVAUTO=") + Ecrit_nombre(SauveAuto);
    l << QStringLiteral("EXT_IMG=") + Ecrit_nombre(FormatImage);
    l << QStringLiteral("REFNUANCIER= ") + FicNuancier.trimmed();
    l << QStringLiteral("ZONECOULEUR= ") + Ecrit_nombre(IndexZoneCouleur);
    l << QStringLiteral("FICETALON= ") + FicEtalon.trimmed();
    l << QStringLiteral("FETALONCOULEUR= ") + Texte_booleen(EtalonCouleur);
    l << QStringLiteral("FICSCANNER= ") + FicScanner.trimmed();
    const QString chemin = Fichier_parametres();
    if (TextFile::writeLines(chemin, l)) return true;
    Prompts::msgBox(Lib_Langue[144] + QStringLiteral(" : ") + chemin, Prompts::OkOnly);
    return false;
}

} // namespace Gen
