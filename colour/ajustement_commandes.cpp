// The adjustment window's buttons and menus: close, grid, copy, the chart's details, the
// comparison with the chart and the chart files.

#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/messages.h"
#include "base/tav.h"
#include "base/vb.h"
#include "colour/ajustement.h"
#include "colour/ajustement_calcul.h"
#include "colour/comparaison.h"
#include "colour/etat_couleur.h"
#include "colour/fichiers_couleur.h"
#include "platform/bip.h"
#include "platform/pressepapier.h"
#include "platform/textfile.h"

void Ajustement::Command1_Click(short) { Unload(); }

void Ajustement::Command2_Click() {
    Controle& grille = Tav::instance()->Frame(6);
    grille.Visible = !grille.Visible;
}

void Ajustement::Command3_Click() {
    PressePapier::vider();
    PressePapier::mettre_texte(Text2.Text);
    Bip::sonner();
}

namespace {
bool Contient(const QString& ligne, const char* cle) { return ligne.contains(QLatin1String(cle), Qt::CaseInsensitive); }
bool Blanche(const QString& ligne) { return ligne.trimmed().isEmpty(); }
} // namespace

void Ajustement::Comm_nuancier_Click() {
    // The measuring window's command bar calls it with this window hidden: using the
    // window loads it, as showing it would.
    if (!Charge) Form_Load();
    // The chart is read where it was opened, whatever the current folder.
    QStringList lignes;
    if (!Gen::Fichier_existe(FicNuancier) || !TextFile::readLines(FicNuancier, lignes)) return;
    QString t = Vb::Date_courte(Vistrane::Maintenant().date()) + QStringLiteral("   Image : ") +
                Gen::Dir_sur(NomImageActive) + SautLigne + QStringLiteral(".................. ") + SautLigne +
                Lib_Couleur[11] + QStringLiteral(" : ") + Gen::Nom_fichier(FicNuancier) + SautLigne;
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        const QString& ligne = lignes[i];
        if (Blanche(ligne)) continue;
        if (Contient(ligne, "CODE=")) t += QLatin1Char(' ') + ligne + SautLigne;
        for (const char* cle : {"SCANNER=", "RESOLUTION=", "LUMINANCE=", "CONTRASTE=", "CALIBRAGECOL="})
            if (Contient(ligne, cle)) t += ligne + SautLigne;
        if (!Contient(ligne, "NOTES=")) continue;
        // The notes, from their first line to the one that ends them (left out).
        t += ligne + SautLigne;
        for (++i; i < lignes.size() && !Contient(lignes[i], "FINNOTES"); ++i)
            if (!Blanche(lignes[i])) t += lignes[i] + SautLigne;
    }
    Text2.Text = t + Lib_Langue[219] + QString::number(NbCouleurs) + SautLigne;
}

void Ajustement::Fic_Ajust_Click(short Index) {
    // "Fichiers" and "Outils" only open their submenus.
    if (Index == 1 || Index == 10) return;
    Applique(CalculAjustement::Fic_Ajust_Click(Entrees()));
}

void Ajustement::Fic_Charte_Click(short Index) {
    if (Index == 1) {
        BGr::Ouvre_nuancier();
        Affiche_nuancier();
    } else if (Index == 5) {
        // A colour standard, as the measuring window's chart menu loads one.
        Vistrane::Choix_Etalon();
    }
}
