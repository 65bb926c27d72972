// The calibration file "Tavl.Cal" of the program's folder: saving the coefficient under a
// comment, listing the saved ones, picking one, the panel's validation, and opening the
// file in the user's text editor (the desktop's own, through the document layer).
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <cmath>

#include "base/etat_partage.h"
#include "base/gen.h"
#include "base/messages.h"
#include "base/tav.h"
#include "base/vb.h"
#include "image/etat_image.h"
#include "image/image_affichee.h"
#include "measure/calibrage.h"
#include "measure/etat_calibrage.h"
#include "measure/fichier_calibrage_analyse.h"
#include "measure/item_en_cours.h"
#include "platform/bytefile.h"
#include "platform/prompts.h"
#include "platform/shell_open.h"
#include "platform/textfile.h"

namespace {

constexpr long kBlanc = 0xFFFFFF;
const QByteArray kFinLigne = QByteArrayLiteral("\r\n");


bool Utf8_valide(const QByteArray& octets) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString texte = utf8.decode(octets);
    (void)texte;
    return !utf8.hasError();
}

bool Ascii(const QByteArray& octets) {
    for (const char c : octets)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

// The file with `lignes` appended: the user's bytes as they are, the new lines in the
// file's own encoding (UTF-8 when the user's editor saved it so, Windows-1252 otherwise).
// A text Windows-1252 cannot hold turns a Windows-1252 file into UTF-8, so nothing is lost.
QByteArray Ajoute_lignes(const QByteArray& anciens, const QString& lignes) {
    QByteArray base = anciens;
    if (!base.isEmpty() && !base.endsWith('\n') && !base.endsWith('\r')) base += kFinLigne;
    if (Ascii(base)) return base + TextFile::encode(lignes);
    if (Utf8_valide(base)) return base + lignes.toUtf8();
    if (TextFile::encodable1252(lignes)) return base + TextFile::encode1252(lignes);
    return (TextFile::decode1252(base) + lignes).toUtf8();
}

void Erreur_fichier(const QString& chemin) {
    Prompts::msgBox(Lib_Langue[144] + QStringLiteral(" :  ") + chemin, Prompts::OkOnly);
}

} // namespace

namespace Calibrage {

QString Chemin_fichier() { return Gen::Chemin_programme(QStringLiteral("Tavl.Cal")); }

} // namespace Calibrage

bool Tav::Calibrage_Sauve() {
    // Only a coefficient the file gives back is saved.
    if (!Gen::Coefficient_valable(CalibrageActuel)) {
        Prompts::msgBox(Lib_Langue[208], Prompts::OkOnly);
        return false;
    }
    const QString chemin = Calibrage::Chemin_fichier();
    const QString commentaire = TextFile::uneLigne(TBox(0).Text);
    const QString entree = commentaire + QStringLiteral(" = ") + Vb::CStr_fichier(CalibrageActuel);
    QByteArray anciens;
    QString ajout;
    if (QFileInfo::exists(chemin)) {
        // A file that is there but cannot be read is never replaced by a new one.
        QFile f(chemin);
        if (!QFileInfo(chemin).isFile() || !f.open(QIODevice::ReadOnly)) {
            Erreur_fichier(chemin);
            return false;
        }
        anciens = f.readAll();
    } else {
        Gen::Fichier_existe(chemin, QStringLiteral("création ") + chemin, 1);
        ajout = QStringLiteral("ne pas modifier les données numériques !\r\n") + TextFile::uneLigne(Lib_Menu[14]) +
                QStringLiteral("\r\n\r\n");
    }
    ajout += entree + QStringLiteral("\r\n");
    if (!ByteFile::write(chemin, Ajoute_lignes(anciens, ajout))) {
        Erreur_fichier(chemin);
        return false;
    }
    ListCalib.AddItem(commentaire + QStringLiteral(" = ") + Vb::CStr(CalibrageActuel));
    return true;
}

void Tav::Calibrage_Charge() {
    const QString chemin = Calibrage::Chemin_fichier();
    QStringList lignes;
    if (Gen::Fichier_existe(chemin, Lib_Langue[137], 1) && TextFile::readLines(chemin, lignes)) {
        const FichierCalibrage::Lecture lu = FichierCalibrage::Analyse_fichier(lignes);
        ListCalib.Clear();
        ListCalib.Visible = true;
        for (const FichierCalibrage::Entree& e : lu.entrees) ListCalib.AddItem(e.texte);
    }
    bout(20).Enabled = true;
    StatusBar.Text = Lib_Langue[183];
}

void Tav::ListCalib_Click() {
    TBox(0).Text = FichierCalibrage::Analyse_entree(ListCalib.Text()).valeurTexte;
    bout(20).Enabled = true;
    bout(24).Enabled = false;
    label(7).Caption = Lib_Langue[184];
}

void Tav::Calibrage_Valide() {
    if (EtapeCalibrage == 3 && !Item::Prepare(Item::Commande::Coefficient)) return;
    TBox(0).Enabled = true;
    bout(4).Enabled = false;
    if (EtapeCalibrage == 3) {
        // The value is read with a comma or a point, whatever the locale, and must be a
        // coefficient: anything else leaves the calibration as it was.
        const FichierCalibrage::Entree e = FichierCalibrage::Analyse_entree(ListCalib.Text());
        if (ListCalib.ListIndex() < 0 || !e.valable) {
            Prompts::msgBox(Lib_Langue[101] + QStringLiteral("104"), Prompts::OkOnly);
            return;
        }
        TBox(0).Text = e.valeurTexte;
        CalibrageActuel = e.valeur;
        // The picked coefficient is the displayed image's, as a pointing's is.
        try {
            Calibrage::Retient_pour_image();
        } catch (const Vb::Erreur&) {
        }
        label(5).Caption = Lib_Langue[108] + Vb::Format(CalibrageActuel, QStringLiteral("###0.0000"));
        Frame(7).Visible = false;
    } else if (EtapeCalibrage == 4) {
        if (TBox(0).Text.contains(QLatin1Char('='))) {
            Prompts::msgBox(Lib_Langue[135], Prompts::OkOnly);
            TBox(0).BackColor = kBlanc;
            return;
        }
        Calibrage_Sauve();
        Frame(7).Visible = false;
        TBox(0).BackColor = kBlanc;
        return;
    }
    for (int i = 21; i <= 26; ++i) bout(i).Enabled = true;
    bout(1).Enabled = false;
    LoupeFigee = 0;
    TBox(0).BackColor = kBlanc;
}

void Tav::Editeur(short ouvre) {
    // The user's editor is the desktop's, outside this program: it is left to the user to close.
    if (ouvre == 0) return;
    const QString chemin = Calibrage::Chemin_fichier();
    if (Gen::Fichier_existe(chemin, QString(), 1)) ShellOpen::open(chemin);
    else Prompts::msgBox(QStringLiteral("Etalonner et sauver le calibrage préalablement"), Prompts::OkOnly);
}
