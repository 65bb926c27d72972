#include "app/langue.h"

#include <QFileInfo>
#include <QStringList>
#include <tuple>
#include <vector>

#include "base/etat_demarrage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/langue_analyse.h"
#include "base/messages.h"
#include "base/tav.h"
#include "platform/prompts.h"
#include "platform/textfile.h"
#include "base/etat_partage.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"
#include "colour/etat_couleur.h"

static_assert(std::tuple_size_v<TableMessages> == FichierLangue::EntreesTable &&
                  std::tuple_size_v<TableMessagesStat> == FichierLangue::EntreesTableStat,
              "a language file addresses the message tables as they are");

namespace {

using FichierLangue::Legende;
using FichierLangue::Legendes;
using FichierLangue::Section;

const Legendes kBout = {{0, ""}, {1, "retrace"}, {2, "<="}, {3, "grille"}, {4, "loupe"}, {5, "<   >"},
                        {6, "Editer le fichier de calibrage"}, {7, "Voir Options"}, {8, "Images"},
                        {9, "Compter"}, {10, "Etalonner"}, {11, "Quenlor"}, {12, "Couleur1"},
                        {13, "Couleur2"}, {14, "Cherche"}, {15, "Eff.  ligne"}, {16, "Raz gril."},
                        {17, "Raz tout"}, {18, "fermer"}, {19, "Quitter calibrage"}, {20, "Valider"},
                        {21, "0 entrée  coefficient de calibrage"}, {22, "1 Balance des blancs"},
                        {23, "Calibrage sur une portion d'image"}, {24, "Charger fichier calibrage"},
                        {25, "Sauvegarde"}, {26, "5 correction/résolution"}, {27, "Etalon. Objectif"},
                        {31, "OK"}, {32, "Annule"}, {33, "aide clés"}, {34, "fermer"}, {35, ""},
                        {36, ""}, {37, "Copier"}, {38, "fermer"}, {39, "Aperçu"}, {40, ""},
                        {41, "Stock N"}, {42, ""}, {43, ""}, {44, "Corrrection calibrage"}};
// Arrays whose captions the tables give once a language is read; until then, these.
const Legendes kPopExt = {{1, "Largeur"}, {2, "épaisseur"}};
const Legendes kMnuTwain = {{1, "Sélection Source"}, {2, "Acquisition Twain"},
                            {3, "Sauver l'image Twain"}, {4, "Sauver le cadre"}};
const Legendes kMnuCharg = {{1, "Ajouter"}, {2, "Supprimer"}, {3, "Effacer liste images"}};
const Legendes kCyst = {{1, "3 mesures"}, {2, "4 mesures"}, {3, "5 mesures"}};
const Legendes kMncp = {{1, "simple"}, {2, "bosses"}};
const Legendes kMnDens = {{1, "Ellipse"}, {2, "Rectangle"}};
const Legendes kMnuChrt = {{1, ""}, {2, "Charger nuancier "}, {3, "Sauver nuancier"}, {4, ""},
                           {5, "Zone échantillon couleur"}, {6, "charger un  étalon couleur "},
                           {7, "charger un fichier scanner "}, {8, "Valider le calibrage scanner"}};
const Legendes kIllus = {{1, "Référence Simple"}, {2, "Référence orientée"}, {3, ""}, {4, "Texte"},
                         {5, "Choix police"}, {6, ""}};
const Legendes kFdemarrage = {{0, "Segments"}, {1, "Spores 2D"}, {2, "Spores 3D"}, {3, "Cystides 3"},
                              {4, "Cystides 4"}, {5, "Cystides 5"}, {20, "Brastel"}};
const Legendes kStatdef = {{1, "Nuage pts"}, {2, "histogramme"}, {3, "Diagramme"}, {4, "Tests"}};
const Legendes kCopieEcran = {{1, "Ecran"}, {2, "Zone de travail"}};
const Legendes kBoutC = {{2, "<="}, {3, "grille"}, {5, "<   >"}, {6, "retrace"}, {7, "Voir Options"},
                         {8, "Images"}, {39, "Aperçu"}};
const Legendes kMnuaide = {{1, "AIDE"}, {2, "Liste clés"}, {3, "Documentation"}, {4, "Doc Pus"},
                           {5, "Pas à Pas"}};
const Legendes kMnLang = {{1, "Français"}, {2, "Italiano"}, {3, "Español"}, {4, "Deutsch"}, {5, "English"}};
const Legendes kMnFormat = {{0, "CSV"}, {1, "TXT"}};
const Legendes kPclic = {{1, "1"}, {2, "2"}, {3, "3"}, {4, "4"}};
const Legendes kTTrace = {{1, "1"}, {2, "2"}, {5, "5"}};
const Legendes kCzoom = {{0, "Z+"}, {1, "Z-"}, {2, "Z1"}, {3, "<<"}};
const Legendes kPopOrg = {{1, "Longueur"}, {2, "Reprendre"}, {3, "Cumul"}, {4, "Valider"},
                          {5, "Annuler/Retracer"}};
const Legendes kMNSav = {{0, "Non"}, {1, "10"}, {2, "20"}};
const Legendes kNoTexp = {{1, "D1,9"}, {2, "D1,5,9"}, {3, "m ± sigma"}, {4, "m ±1.96 sigma"},
                          {5, "d1, Dominante, d9"}};
const Legendes kTgrilleMax = {{0, "63"}, {1, "127"}, {2, "255"}};
const Legendes kLrg = {{1, "8x8"}, {2, "16x16"}, {3, "32x32"}, {4, "64x64"}, {5, "128x128"}, {6, "256x256"}};

bool Existe(const Legendes& liste, int index) {
    for (const Legende& l : liste)
        if (l.index == index) return true;
    return false;
}

void Pose(TableauControles& tableau, const Legendes& liste) {
    for (const Legende& l : liste)
        if (l.texte) tableau(l.index).Caption = QString::fromUtf8(l.texte);
}

// The control array of a control section.
TableauControles& Tableau(Tav& tav, Section s) {
    switch (s) {
    case Section::MnuFonc: return tav.MnuFonc;
    case Section::MnuEdit: return tav.MnuEDit;
    case Section::MnuFic: return tav.MnuFIC;
    case Section::MnuOpt: return tav.MnuOpt;
    case Section::MnuTls: return tav.Mntool;
    case Section::Chk: return tav.Check;
    case Section::Optn: return tav.Optn;
    case Section::Etiq: return tav.label;
    default: return tav.Frame;
    }
}

void Pose_section(Tav& tav, Section s) { Pose(Tableau(tav, s), FichierLangue::Legendes_section(s)); }

// One entry of a language file, put where its section says.
void Applique(Tav& tav, const FichierLangue::Entree& e) {
    switch (e.section) {
    case Section::MnFonctions: tav.Mnfonctions.Caption = e.texte; break;
    case Section::MnEdit: tav.MnEdit.Caption = e.texte; break;
    case Section::MnFichiers: tav.Mnfichiers.Caption = e.texte; break;
    case Section::MnOptions: tav.MnOptions.Caption = e.texte; break;
    case Section::MnOutils: tav.MnOutils.Caption = e.texte; break;
    case Section::MnAide: tav.Mnaide.Caption = e.texte; break;
    case Section::MnuAide: tav.Mnuaide(1).Caption = e.texte; break;
    case Section::Boutons: {
        // A button that does not exist is skipped, a number beyond 16 bits too: cut
        // down, it would name another button.
        float echec = 0;
        if (e.index >= -32768 && e.index <= 32767) Messages::Legende_Bouton(short(e.index), e.texte, echec);
        break;
    }
    case Section::MnuFonc: case Section::MnuEdit: case Section::MnuFic: case Section::MnuOpt:
    case Section::MnuTls: case Section::Chk: case Section::Optn: case Section::Etiq: case Section::Cadr:
        Tableau(tav, e.section)(e.index).Caption = e.texte;
        break;
    case Section::Mnu: Lib_Menu[size_t(e.index)] = e.texte; break;
    case Section::Msg: Lib_Langue[size_t(e.index)] = e.texte; break;
    case Section::MStat: Lib_Stat[size_t(e.index)] = e.texte; break;
    case Section::MnuStat: Lib_MenuStat[size_t(e.index)] = e.texte; break;
    case Section::Brastel: Lib_Couleur[size_t(e.index)] = e.texte; break;
    }
}

// The captions the tables give, each from its entry as it now stands.
void Legendes_fixes() {
    Tav& tav = *Tav::instance();
    tav.PopExt(1).Caption = Lib_Langue[20];
    tav.PopExt(2).Caption = Lib_Langue[21];
    tav.MnApropos.Caption = Lib_Langue[1];
    // Entry 186 names the documentation, which is item 3; item 2 lists the keys.
    tav.Mnuaide(3).Caption = Lib_Langue[186];
    for (int i = 1; i <= 4; ++i) tav.MnuTwain(i).Caption = Lib_Menu[30 + i];
    for (int i = 1; i <= 3; ++i) tav.MnuCharg(i).Caption = Lib_Menu[35 + i];
    for (int i = 1; i <= 3; ++i) tav.Cyst(i).Caption = QString::number(i + 2) + ' ' + Lib_Menu[40];
    for (int i = 1; i <= 2; ++i) tav.Mncp(i).Caption = Lib_Menu[41 + i];
    for (int i = 1; i <= 2; ++i) tav.MnDens(i).Caption = Lib_Menu[49 + i];
    tav.OptnVistrane.Caption = Lib_Menu[55];
    for (int i = 1; i <= 8; ++i) tav.MnuChrt(i).Caption = Lib_Menu[55 + i];
    for (int i = 1; i <= 6; ++i) tav.Illus(i).Caption = Lib_Menu[65 + i];
    for (int i = 0; i <= 5; ++i) tav.Fdemarrage(i).Caption = Lib_Menu[87 + i];
    tav.Fdemarrage(20).Caption = Lib_Menu[95];
    for (int i = 1; i <= 4; ++i) tav.statdef(i).Caption = Lib_Menu[96 + i];
    for (int i = 1; i <= 2; ++i) tav.Mn_Copie_Ecran(i).Caption = Lib_Menu[101 + i];
    tav.chkMC(0).Caption = Lib_Menu[45];
    tav.cmdChargeMC.Caption = Lib_Menu[46];
    tav.Bout_C(6).Caption = Lib_Couleur[0];
    tav.Bout_C(3).Caption = Lib_Couleur[1];
    tav.cmd_Ch.Caption = Lib_Couleur[2];
    tav.Bout_C(39).Caption = Lib_Couleur[3];
    tav.Bout_C(8).Caption = Lib_Couleur[4];
    tav.Bout_C(7).Caption = Lib_Couleur[5];
    tav.CheckExpert.Caption = Lib_Couleur[6];
    tav.CheckCalibre.Caption = Lib_Couleur[7];
}

} // namespace

namespace Messages {

QString Fichier_langue(const QString& code) {
    return Gen::Chemin_programme(QStringLiteral("Tavl2_") + code + QStringLiteral(".lng"));
}

void Legende_Bouton(short index, const QString& caption, float& echec) {
    if (!Existe(kBout, index)) {
        echec = 1.0f;
        return;
    }
    Tav::instance()->bout(index).Caption = caption;
    echec = 0;
}

void Legendes_initiales() {
    Tav& tav = *Tav::instance();
    for (Section s : {Section::MnuFonc, Section::MnuEdit, Section::MnuFic, Section::MnuOpt, Section::MnuTls,
                      Section::Chk, Section::Optn, Section::Etiq, Section::Cadr})
        Pose_section(tav, s);
    Pose(tav.bout, kBout);
    Pose(tav.PopExt, kPopExt);
    Pose(tav.MnuTwain, kMnuTwain);
    Pose(tav.MnuCharg, kMnuCharg);
    Pose(tav.Cyst, kCyst);
    Pose(tav.Mncp, kMncp);
    Pose(tav.MnDens, kMnDens);
    Pose(tav.MnuChrt, kMnuChrt);
    Pose(tav.Illus, kIllus);
    Pose(tav.Fdemarrage, kFdemarrage);
    Pose(tav.statdef, kStatdef);
    Pose(tav.Mn_Copie_Ecran, kCopieEcran);
    Pose(tav.Bout_C, kBoutC);
    Pose(tav.Mnuaide, kMnuaide);
    Pose(tav.MnLang, kMnLang);
    Pose(tav.mnFormat, kMnFormat);
    Pose(tav.Pclic, kPclic);
    Pose(tav.TTrace, kTTrace);
    Pose(tav.Czoom, kCzoom);
    Pose(tav.PopOrg, kPopOrg);
    Pose(tav.MNSav, kMNSav);
    Pose(tav.NoTexp, kNoTexp);
    Pose(tav.TgrilleMax, kTgrilleMax);
    Pose(tav.Lrg, kLrg);
    tav.Mnfichiers.Caption = QStringLiteral("Fichier");
    tav.MnEdit.Caption = QStringLiteral("Edition");
    tav.Mnfonctions.Caption = QStringLiteral("Fonctions");
    tav.MnOptions.Caption = QStringLiteral("Options");
    tav.MnOutils.Caption = QStringLiteral("Outils");
    tav.Mnaide.Caption = QStringLiteral("Aide");
    tav.MnApropos.Caption = QStringLiteral("A propos");
    tav.OptnVistrane.Caption = QStringLiteral("Options Vistrane");
    tav.chkMC(0).Caption = QStringLiteral("Mode MC");
    tav.cmdChargeMC.Caption = QStringLiteral("Groupe MC");
    tav.cmd_Ch.Caption = QStringLiteral("Ajuster");
    tav.CheckExpert.Caption = QStringLiteral("Mode expert");
    tav.CheckCalibre.Caption = QStringLiteral("Calibré");
}

void Charge_Langue() {
    // Every language starts from the built-in French, so that a file translates only
    // what it names and going back to French needs no file. Entry 55 holds the current
    // function's prompt, written at run time: it survives the change.
    const QString invite = Lib_Langue[55];
    Init_Messages();
    Lib_Langue[55] = invite;
    Legendes_initiales();

    const QString code = CodeLangue;
    Prompts::setDialogLanguage(code);
    const QString chemin = Fichier_langue(code);
    if (code == QLatin1String("fr") && !QFileInfo::exists(chemin)) return;
    QStringList lignes;
    if (!Gen::Fichier_existe(chemin, QStringLiteral("fichier de langue ") + code + QStringLiteral(" non trouvé"), 1) ||
        !TextFile::readLines(chemin, lignes)) {
        Legendes_fixes();
        return;
    }
    // What comes before a line the reading could not take is applied; the user is told
    // that line, and the captions from the tables stay as they were.
    const FichierLangue::Lecture lu = FichierLangue::Analyse_langue(lignes);
    Tav& tav = *Tav::instance();
    for (const FichierLangue::Entree& e : lu.entrees) Applique(tav, e);
    if (const int ligne = Analyse::Premiere_ligne(lu.problemes)) {
        Prompts::msgBox(Lib_Langue[182] + code + QStringLiteral(", ligne ") + QString::number(ligne) + ' ' +
                            lignes[ligne - 1],
                        Prompts::OkOnly);
        return;
    }
    Legendes_fixes();
}

} // namespace Messages

void Tav::MnLang_Click(short index) {
    static const char* const codes[] = {"fr", "it", "es", "de", "en"};
    const QString avant = CodeLangue;
    if (index >= 1 && index <= 5) CodeLangue = QString::fromLatin1(codes[index - 1]);
    if (CodeLangue != avant) Messages::Charge_Langue();
}
