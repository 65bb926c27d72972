#include "grid/fichier_trm.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>
#include <algorithm>

#include "app/etat_programme.h"
#include "app/gen.h"
#include "app/tav.h"
#include "app/vb.h"
#include "grid/etat_grille.h"
#include "grid/grilles.h"
#include "image/etat_image.h"
#include "measure/etat_mesure.h"
#include "platform/textfile.h"

namespace {

QString entier(long long n) { return QString::number(n); }

// A number as the file's print statement writes it: a blank in the sign position of a
// positive number, the locale's decimal separator, and a trailing blank.
QString nombre_imprime(const QString& chiffres, bool negatif) {
    return (negatif ? QString() : QStringLiteral(" ")) + chiffres + QLatin1Char(' ');
}

QString double_imprime(double v) { return nombre_imprime(Vb::CStr(v), v < 0); }

// Single-precision values print with at most 7 significant digits.
QString simple_imprime(float v) {
    QString s = QString::number(double(v), 'g', 7);
    s.replace(QLatin1Char('.'), Vb::SeparateurDecimal());
    return nombre_imprime(s, v < 0);
}

// A comment is one line of the file: a line break inside it would shift every later block.
QString une_ligne(QString texte) {
    texte.replace(QLatin1Char('\r'), QLatin1Char(' '));
    texte.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return texte;
}

} // namespace

namespace Gen {

bool Ecrit_trame(const QString& chemin) {
    if (chemin.isEmpty()) return false;
    const QString fichier = QFileInfo(chemin).isRelative() ? Chemin_donnees(chemin) : chemin;
    Tav& tav = *Tav::instance();

    CalibrageImage[0] = CalibrageActuel;
    const int images = std::min(ListIMGchar.ListCount(), 50);
    // Only rows that the grid really has are written.
    const int lignes = std::clamp(NbLignesGrille - 1, 0, std::min(std::max(GrilleRef.Rows() - 1, 0), TableMesuresMax));
    const int colonnes = GrilleRef.Cols();
    const int segments = std::clamp<int>(NbValeursLigne, 0, 16);

    float largeurEcran = 0;
    if (const QScreen* ecran = QGuiApplication::primaryScreen()) largeurEcran = float(ecran->geometry().width());

    QStringList l;
    l << QStringLiteral("INDPRES=") + (IndResolution ? QStringLiteral("True") : QStringLiteral("False"));
    l << QStringLiteral("NBIMAGES= ") + entier(images);
    l << QStringLiteral("NBLIGNES= ") + entier(lignes);
    l << QStringLiteral("NBLGMAX =") + entier(TailleGrille);
    l << QStringLiteral("FONCTION= ") + entier(NumFonction);
    l << QStringLiteral("CALIBRAGE= ");
    for (int i = 1; i <= images; ++i) l << double_imprime(CalibrageImage[i]);
    l << QStringLiteral("RESH = ") + simple_imprime(largeurEcran);
    l << QStringLiteral("PCTSW = ") + simple_imprime(float(tav.Picture1.ScaleWidth));
    l << QStringLiteral("IMAGES= ");
    for (int i = 0; i < images; ++i) l << ListIMGchar.List(i);
    l << QStringLiteral("COMMENT= ");
    for (int r = 1; r <= lignes; ++r)
        l << entier(r) + QLatin1Char(';') + (colonnes > 0 ? une_ligne(GrilleRef.TextMatrix(r, colonnes - 1)) : QString());
    l << QStringLiteral("FIN");
    l << QStringLiteral("TRAME= ");
    for (int r = 1; r <= lignes; ++r) {
        const LigneTrame& t = Trame(r);
        QString ligne = entier(t.Zoom) + QLatin1Char(';') + entier(t.Image) + QLatin1Char(';');
        for (int k = 1; k <= segments; ++k) {
            const SegmentTrame& s = t.Segments[k];
            for (long long v : {s.x1, s.y1, s.x2, s.y2}) ligne += entier(v) + QLatin1Char(';');
        }
        l << ligne;
    }
    return TextFile::writeLines(fichier, l);
}

} // namespace Gen
