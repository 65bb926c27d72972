// The folder pane: choosing the image folder, adding a block of its pictures to the
// loader, and (purge.cpp) removing the images no row uses; the loader menu that opens it.
#include <QDir>
#include <QFileInfo>

#include "base/etat_demarrage.h"
#include "base/etat_partage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/messages.h"
#include "base/rappels.h"
#include "base/tav.h"
#include "base/vb.h"
#include "image/chargeur.h"
#include "image/etat_image.h"
#include "image/services_image.h"
#include "image/volumes.h"
#include "platform/prompts.h"

namespace {

// The endings of the files the picture reader opens.
const QStringList kExtensions{QStringLiteral("BMP"), QStringLiteral("DIB"), QStringLiteral("JPG"),
                              QStringLiteral("JPEG"), QStringLiteral("PNG"), QStringLiteral("TIF"),
                              QStringLiteral("TIFF"), QStringLiteral("GIF"), QStringLiteral("ICO")};

// The folder list shows `dossier`: ".." (below a root) and its subfolders. A folder
// that cannot be read leaves the list as it was.
bool Liste_dossier(Liste& rep, const QString& dossier) {
    const QDir d(dossier);
    if (dossier.isEmpty() || !d.exists() || !d.isReadable()) return false;
    rep.Clear();
    rep.Path = QDir::cleanPath(d.absolutePath());
    if (!d.isRoot()) rep.AddItem(QStringLiteral(".."));
    for (const QString& s : d.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) rep.AddItem(s);
    return true;
}

// The highlighted folder: the list's own folder while none is highlighted.
QString Dossier_surligne(const Liste& rep) {
    if (rep.ListIndex() < 0) return rep.Path;
    return QDir::cleanPath(QDir(rep.Path).filePath(rep.Text()));
}

// The volumes, the one holding the listed folder chosen.
void Liste_volumes(Tav& tav) {
    const QStringList racines = Volumes::Montes();
    tav.RepDrive.Clear();
    for (const QString& r : racines) tav.RepDrive.AddItem(r);
    tav.RepDrive.setListIndex(Volumes::Volume_de(racines, tav.RepDir.Path));
}

// The picture files of a folder, by name; folders and names without an ending are not pictures.
QStringList Fichiers_images(const QString& dossier) {
    QStringList noms;
    for (const QFileInfo& f : QDir(dossier).entryInfoList(QDir::Files, QDir::Name)) {
        const QString nom = f.fileName();
        if (!nom.contains(QLatin1Char('.'))) continue;
        if (kExtensions.contains(nom.mid(nom.lastIndexOf(QLatin1Char('.')) + 1).toUpper())) noms << nom;
    }
    return noms;
}

// The files chosen in the pane join the loader, each once, with the calibration in force;
// they load when they are selected. Those the full loader cannot take are named.
void Ajoute_fichiers_choisis(Tav& tav) {
    QStringList laisses;
    for (int k = 0; k < tav.ListRep.ListCount(); ++k) {
        if (!tav.ListRep.Selected(k)) continue;
        const QString chemin = Chargeur::Chemin_dans(RepImage, tav.ListRep.List(k));
        if (Chargeur::Index_de(chemin) >= 0) continue;
        if (!Chargeur::Ajoute(chemin, CalibrageActuel, false)) laisses << tav.ListRep.List(k);
    }
    if (!laisses.isEmpty())
        Prompts::msgBox(Lib_Langue[157] + SautLigne + laisses.join(SautLigne), Prompts::IconInformation);
    tav.FraListeImg.Visible = true;
    tav.aff_liste_images();
    tav.Gest_FraRep(1);
}

} // namespace

void Tav::Gest_FraRep(short Fn_Index) {
    try {
        FraRep.Visible = true;
        RepDir.Visible = true;
        switch (Fn_Index) {
        case 0:
            cmdRep(0).Caption = QStringLiteral("Valider");
            cmdRep(1).Visible = false;
            cmdRep(2).Caption = QStringLiteral("Annule");
            repText1.Text = RepImage;
            NouveauRep(RepAncien, 0);
            break;
        case 1:
            RepDir.Visible = false;
            RepDrive.Visible = false;
            cmdRep(0).Caption = Lib_Menu[3];
            cmdRep(1).Caption = Lib_Menu[20];
            cmdRep(1).Visible = true;
            cmdRep(2).Caption = Lib_MenuStat[31];
            ListRep.Clear();
            for (const QString& nom : Fichiers_images(RepImage)) ListRep.AddItem(nom);
            break;
        case 2:
            RepDir.Visible = false;
            RepDrive.Visible = false;
            cmdRep(0).Caption = QStringLiteral("Effacer");
            cmdRep(1).Caption.clear();
            cmdRep(1).Visible = false;
            FraRep.Caption = Lib_Menu[11];
            AffListeImgUT();
            break;
        default:
            break;
        }
    } catch (const Vb::Erreur&) {
    }
}

void Tav::NouveauRep(const QString&, short) {
    FraRep.Visible = true;
    Liste_dossier(RepDir, RepImage);
    RepDir.Visible = true;
    RepDrive.Visible = true;
    Liste_volumes(*this);
}

void Tav::MnuCharg_Click(short Index) {
    switch (Index) {
    case 1:
        StatusBar.Text = Lib_Menu[2];
        FonctionRep = 1;
        Gest_FraRep(1);
        break;
    case 2:
        StatusBar.Text = Lib_Menu[25];
        FonctionRep = 2;
        Gest_FraRep(2);
        break;
    case 3:
        if (!Rappels::Commande_permise(Item::Commande::Image)) break;
        try {
            // Rows name their images by number: a cleared list would hand those numbers
            // to other pictures.
            if (Chargeur::Lignes_sur_images())
                Prompts::msgBox(Lib_Langue[185], Prompts::OkOnly | Prompts::IconExclamation);
            else if (Prompts::msgBox(Lib_Langue[190] + QLatin1Char(' ') + Lib_Langue[189] + QStringLiteral(" ? "),
                                     Prompts::YesNo | Prompts::IconQuestion) == Prompts::Yes) {
                Chargeur::Vide();
                Chargeur::Calibrage_hors_liste();
            }
            Bout_dial_Click(8);
            Bout_dial_Click(8);
        } catch (const Vb::Erreur&) {
        }
        break;
    default:
        break;
    }
}

void Tav::cmdRep_Click(short Index) {
    StatusBar.Text.clear();
    switch (FonctionRep) {
    case 0:
        if (Index == 0) RepImage = Dossier_surligne(RepDir);
        if (Index == 0 || Index == 2) FraRep.Visible = false;
        break;
    case 1:
        if (RepDir.Visible) {
            // The folder chooser opened from the file list goes back to the list.
            if (Index == 0) {
                RepImage = Dossier_surligne(RepDir);
                Gest_FraRep(1);
            } else if (Index == 2) {
                Gest_FraRep(1);
                FraListeImg.Visible = false;
            }
        } else if (Index == 0) {
            if (Rappels::Commande_permise(Item::Commande::Image)) Ajoute_fichiers_choisis(*this);
        } else if (Index == 1) {
            Gest_FraRep(0);
        } else if (Index == 2) {
            FraRep.Visible = false;
            FraListeImg.Visible = false;
        }
        break;
    case 2:
        if (Index == 0) {
            if (!Rappels::Commande_permise(Item::Commande::Image)) break;
            Gen::Efface_images_choisies();
            Gest_FraRep(2);
        } else if (Index == 2) {
            FraRep.Visible = false;
        }
        break;
    default:
        break;  // opened for a scanned image: the buttons do nothing
    }
}

void Tav::ListRep_Click() {
    if (ListRep.ListIndex() < 0) return;
    repText1.Text = Chargeur::Chemin_dans(RepImage, ListRep.Text());
    RepAncien = RepDir.Path;
}

void Tav::RepDir_Click() { repText1.Text = Dossier_surligne(RepDir); }

void Tav::RepDir_DblClick() {
    if (Liste_dossier(RepDir, Dossier_surligne(RepDir))) RepDrive.setListIndex(Volumes::Volume_de(RepDrive.items(), RepDir.Path));
}

void Tav::RepDrive_Change() {
    if (Liste_dossier(RepDir, RepDrive.Text())) return;
    Prompts::msgBox(Lib_Menu[12], Prompts::OkOnly);
    // The folder list stays where it was, and the volumes show its volume again.
    RepDrive.setListIndex(Volumes::Volume_de(RepDrive.items(), RepDir.Path));
}
