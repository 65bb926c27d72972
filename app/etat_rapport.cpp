// The state report: a snapshot of the settings and the program's state in a text box
// of the measuring window; "*" marks what the settings file keeps.
#include <QDir>
#include <QLocale>

#include "base/etat_demarrage.h"
#include "base/etat_programme.h"
#include "base/gen.h"
#include "base/messages.h"
#include "app/parametres.h"
#include "base/tav.h"
#include "base/vb.h"
#include "colour/etat_couleur.h"
#include "grid/etat_grille.h"
#include "grid/rapport.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"
#include "platform/ecran.h"
#include "base/etat_partage.h"

namespace {

// A flag as the user's language writes a truth value.
QString Booleen(bool v) {
    switch (QLocale().language()) {
    case QLocale::French: return v ? QStringLiteral("Vrai") : QStringLiteral("Faux");
    case QLocale::Italian: return v ? QStringLiteral("Vero") : QStringLiteral("Falso");
    case QLocale::Spanish: return v ? QStringLiteral("Verdadero") : QStringLiteral("Falso");
    case QLocale::German: return v ? QStringLiteral("Wahr") : QStringLiteral("Falsch");
    default: return v ? QStringLiteral("True") : QStringLiteral("False");
    }
}

QString N(double x) { return Vb::CStr(x); }

// The name of a colour file as the folder holds it, empty when the file is absent.
QString Nom_trouve(const QString& fichier) {
    if (fichier.trimmed().isEmpty()) return QString();
    const QString chemin = QDir::isAbsolutePath(fichier) ? fichier : Gen::Chemin_programme(fichier);
    return Gen::Dir_sur(chemin);
}

} // namespace

void Tav::Affiche_Etat_Parametres() {
    Controle& boite = TBox(4);
    boite.Visible = !boite.Visible;
    if (!boite.Visible) return;  // the picture takes the focus back

    QString notation;
    for (int i = 1; i <= 5; ++i)
        if (NoTexp(i).Checked) notation = NoTexp(i).Caption;

    boite.Width = 4500;
    boite.Height = 7500;
    boite.Top = 1000;
    boite.Left = 8000;

    QString t = Lib_Menu[16];
    auto ligne = [&t](const QString& s) { t += SautLigne + s; };
    ligne(QStringLiteral(" * : ") + Lib_Menu[17]);
    ligne(QStringLiteral("Langue * = ") + CodeLangue);
    ligne(QStringLiteral("Fic Trame = ") + FichierSource);
    ligne(QStringLiteral("Img_Active = ") + Gen::Nom_fichier(NomImageActive));
    ligne(QStringLiteral("Index Image = ") + N(IndexImageActive));
    ligne(QStringLiteral("Indep_Resol * = ") + Booleen(IndResolution));
    ligne(QStringLiteral("cal. *= ") + N(CalibrageActuel));
    // Only an image of the list can be active; anything else stops the report here.
    if (IndexImageActive < 0 || IndexImageActive > 50) {
        boite.Text = t + SautLigne;
        return;
    }
    ligne(QStringLiteral("K calibrage img *= ") + N(CalibrageImage[IndexImageActive]));
    const QSize pixels = Ecran::taille();
    ligne(QStringLiteral("Res.Ecran *= ") + N(float(pixels.width())) + 'x' + N(float(pixels.height())));
    ligne(QStringLiteral(" K zoom = ") + N(FacteurZoom));
    ligne(QStringLiteral(" taille grille =  ") + N(TailleGrille));
    ligne(QString());
    ligne(QStringLiteral("Nb images prêtes = ") + N(ListIMGchar.ListCount()));
    ligne(QStringLiteral("Nb images MC = ") + N(ListImgMC.ListCount()));
    ligne(QStringLiteral("num image active = ") + N(IndexImageActive));
    ligne(QStringLiteral("REP. IMAGE *: ") + RepImage);
    ligne(QStringLiteral("REP. DATA *:") + RepData);
    ligne(QStringLiteral("REP. PROG *:") + RepProg);
    ligne(Lib_Menu[10]);
    for (int i = 0; i < ListIMGchar.ListCount(); ++i)
        ligne(N(i + 1) + QStringLiteral(" : ") + Gen::Nom_fichier(ListIMGchar.List(i)));
    if (!FichierResultats.isEmpty()) ligne(FichierResultats);
    ligne(QStringLiteral("Fonction = ") + N(NumFonction));
    ligne(QStringLiteral("FONCTION DEMARRAGE *= ") + N(FonctionDemarrage));
    ligne(QStringLiteral("Format Décimal *:") + FormatDecimal);
    ligne(QStringLiteral("FDecimAuto * =") + Booleen(DecimalesAuto));
    ligne(QStringLiteral("Autotrace * =") + N(Check(2).Value));
    ligne(QStringLiteral("Palmer * =") + Booleen(Optn(5).Value != 0));
    ligne(QStringLiteral("Tol. Clic * =") + N(TolClic / 10.0));
    ligne(Lib_Menu[22] + QStringLiteral("* = ") + N(SauveAuto));
    ligne(QStringLiteral("Taille grille * =") + N(TailleGrille));
    ligne(QStringLiteral("notation éclair : ") + notation);
    ligne(QStringLiteral("Extension image export * = ") +
          (FormatImage >= 0 && FormatImage < TabExtImage.size() ? TabExtImage[FormatImage] : QString()));
    ligne(QString());
    ligne(QStringLiteral("Fichier étalon *: ") + Nom_trouve(FicEtalon) + QStringLiteral(" (") +
          N(NbMesuresEtalon) + ')');
    ligne(QStringLiteral("Fichier Scanner *: ") + Nom_trouve(FicScanner) + QStringLiteral(" (") +
          N(NbMesuresScanner) + ')');
    ligne(QStringLiteral("Fichier nuancier *: ") + Nom_trouve(FicNuancier));
    boite.Text = t + SautLigne;
}

void Tav::TBox_LostFocus(short index) {
    if (index == 4) TBox(4).Visible = false;
}
