#include "grid/fichier_trm_ecriture.h"

#include <algorithm>
#include <cmath>

#include "base/gen.h"
#include "base/vb.h"
#include "platform/textfile.h"

namespace Trm {

namespace {

QString entier(long long n) { return QString::number(n); }

// A number as the file's print statement writes it: a blank in the sign position of a
// positive number, the locale's decimal separator, and a trailing blank.
QString nombre_imprime(const QString& chiffres, bool negatif) {
    return (negatif ? QString() : QStringLiteral(" ")) + chiffres + QLatin1Char(' ');
}

QString double_imprime(double v) { return nombre_imprime(Vb::CStr_relisible(v), v < 0); }

QString simple_imprime(float v) { return nombre_imprime(Vb::CStr_simple(v), v < 0); }

} // namespace

QStringList Lignes_fichier(const Contenu& c) {
    const int images = int(c.calibrages.size());
    const int valeurs = std::clamp(c.valeurs, 0, 16);
    QStringList l;
    l << QStringLiteral("INDPRES=") + (c.indResolution ? QStringLiteral("True") : QStringLiteral("False"));
    l << QStringLiteral("NBIMAGES= ") + entier(images);
    l << QStringLiteral("NBLIGNES= ") + entier(qsizetype(c.lignes.size()));
    l << QStringLiteral("NBLGMAX =") + entier(c.tailleGrille);
    l << QStringLiteral("FONCTION= ") + entier(c.fonction);
    l << QStringLiteral("CALIBRAGE= ");
    for (const double x : c.calibrages) l << double_imprime(x);
    l << QStringLiteral("RESH = ") + simple_imprime(c.largeurEcran);
    l << QStringLiteral("PCTSW = ") + simple_imprime(c.largeurImage);
    l << QStringLiteral("IMAGES= ");
    for (int i = 0; i < images; ++i) l << (i < c.images.size() ? TextFile::uneLigne(c.images[i]) : QString());
    if (!c.extraits.isEmpty()) l << QStringLiteral("EXTRAITS= ") + TextFile::uneLigne(c.extraits);
    l << QStringLiteral("COMMENT= ");
    for (size_t k = 0; k < c.lignes.size(); ++k)
        l << entier(qsizetype(k + 1)) + QLatin1Char(';') +
                 (qsizetype(k) < c.commentaires.size() ? TextFile::uneLigne(c.commentaires[qsizetype(k)]) : QString());
    l << QStringLiteral("FIN");
    l << QStringLiteral("TRAME= ");
    for (const LigneTrame& t : c.lignes) {
        QString ligne = entier(t.Zoom) + QLatin1Char(';') + entier(t.Image) + QLatin1Char(';');
        // A colour row that keeps its values writes them after its point; one that keeps
        // none keeps the shape of the files written before values were kept, and a row
        // read from a file the number of entries its line held.
        const bool couleur = c.fonction == 20 && (t.Segments[EntreeCouleur] != SegmentTrame() ||
                                                  t.Segments[EntreeCouleur + 1] != SegmentTrame());
        const int forme = c.fonction == 20 && t.EntreesLues > 0 ? std::min<int>(t.EntreesLues, 16) : valeurs;
        const int segments = couleur ? std::max(forme, EntreeCouleur + 1) : forme;
        for (int k = 1; k <= segments; ++k) {
            const SegmentTrame& s = t.Segments[k];
            for (long long v : {s.x1, s.y1, s.x2, s.y2}) ligne += entier(v) + QLatin1Char(';');
        }
        l << ligne;
    }
    return l;
}

} // namespace Trm
