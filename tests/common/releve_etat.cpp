#include "tests/common/releve_etat.h"

#include <QHash>
#include <type_traits>

#include "base/etat_struct.h"
#include "base/grille.h"
#include "base/liste.h"
#include "grid/etat_grille.h"
#include "platform/controles.h"
#include "platform/surface_boite.h"

// A field type added to ETAT_TYPES_CHAMPS needs one `texte` and one `derange` here.
namespace {

template <class T>
QString texte(const T& v) requires std::is_arithmetic_v<T> {
    if constexpr (std::is_same_v<T, bool>) return v ? QStringLiteral("vrai") : QStringLiteral("faux");
    else if constexpr (std::is_floating_point_v<T>) return QString::number(double(v), 'g', 17);
    else return QString::number(v);
}

QString texte(const QString& v) { return '"' + v + '"'; }
QString texte(const QStringList& v) { return '[' + v.join('|') + ']'; }
QString texte(const Liste& v) {
    QString choix;
    for (int i = 0; i < v.ListCount(); ++i) choix += v.Selected(i) ? QLatin1Char('x') : QLatin1Char('-');
    return texte(v.items()) + QStringLiteral(" @") + texte(v.ListIndex()) + QStringLiteral(" choix=") + choix +
           QStringLiteral(" Visible=") + texte(v.Visible) + QStringLiteral(" Path=") + texte(v.Path);
}

QString texte(const Grille& g) {
    QString t = QStringLiteral("%1x%2 @%3,%4 fond %5").arg(g.Rows()).arg(g.Cols()).arg(g.Row()).arg(g.Col()).arg(g.BackColor());
    for (int c = 0; c < g.Cols(); ++c) t += QStringLiteral(" col%1:%2/%3").arg(c).arg(g.ColWidth(c)).arg(g.ColAlignment(c));
    for (int r = 0; r < g.Rows(); ++r)
        for (int c = 0; c < g.Cols(); ++c)
            t += QStringLiteral(" (%1,%2)%3/%4").arg(r).arg(c).arg(texte(g.TextMatrix(r, c))).arg(g.CellBackColorAt(r, c));
    return t;
}

QString texte(const Controle& c) {
    return QStringLiteral("Visible=%1 Enabled=%2 Checked=%3 Value=%4 Caption=%5 Text=%6 ToolTipText=%7 "
                          "BackColor=%8 ForeColor=%9 ")
               .arg(texte(c.Visible), texte(c.Enabled), texte(c.Checked), texte(c.Value), texte(c.Caption),
                    texte(c.Text), texte(c.ToolTipText), texte(c.BackColor), texte(c.ForeColor)) +
           QStringLiteral("Left=%1 Top=%2 Width=%3 Height=%4 ScaleWidth=%5 ScaleHeight=%6 ScaleMode=%7 Min=%8 Max=%9")
               .arg(texte(c.Left), texte(c.Top), texte(c.Width), texte(c.Height), texte(c.ScaleWidth),
                    texte(c.ScaleHeight), texte(c.ScaleMode), texte(c.Min), texte(c.Max)) +
           QStringLiteral(" MousePointer=%1").arg(texte(c.MousePointer));
}

QString texte(TableauControles& t) {
    QString s;
    for (const auto& [index, c] : t.items()) s += QStringLiteral("(%1){%2}").arg(index).arg(texte(c));
    return s;
}

QString texte(const LigneTrame& l) {
    QString s = QStringLiteral("Image=%1 Zoom=%2 Entrees=%3 Seules=%4 Texte=%5").arg(l.Image).arg(l.Zoom).arg(l.EntreesLues).arg(l.ValeursSeules).arg(texte(l.Texte));
    for (const SegmentTrame& g : l.Segments) s += QStringLiteral(" %1,%2-%3,%4").arg(g.x1).arg(g.y1).arg(g.x2).arg(g.y2);
    return s;
}

const QString Marque = QStringLiteral("§");

template <class T>
void derange(T& v) requires std::is_arithmetic_v<T> {
    if constexpr (std::is_same_v<T, bool>) v = !v;
    else if constexpr (std::is_floating_point_v<T>) v = v == v ? T(v + 1.5) : T(0);
    else v = T(v ^ 1);
}

void derange(QString& v) { v += Marque; }
void derange(QStringList& v) { v << Marque; }

void derange(Liste& v) {
    v.AddItem(Marque);
    v.setListIndex(v.ListCount() - 1);
    if (v.MultiSelect()) v.setSelected(0, !v.Selected(0));
    derange(v.Visible);
    derange(v.Path);
}

void derange(Grille& g) {
    g.setCols(g.Cols() + 1);
    g.setRows(g.Rows() + 1);
    g.setBackColor(g.BackColor() ^ 0x010101);
    g.setRow(g.Rows() - 1);
    g.setCol(g.Cols() - 1);
    g.setText(Marque);
    g.setColWidth(0, g.ColWidth(0) + 15);
    g.setColAlignment(0, g.ColAlignment(0) ^ 1);
}

void derange(Controle& c) {
    derange(c.Visible);
    derange(c.Enabled);
    derange(c.Checked);
    derange(c.Value);
    derange(c.Caption);
    derange(c.Text);
    derange(c.ToolTipText);
    derange(c.BackColor);
    derange(c.ForeColor);
    derange(c.Left);
    derange(c.Top);
    derange(c.Width);
    derange(c.Height);
    derange(c.ScaleWidth);
    derange(c.ScaleHeight);
    c.ScaleMode = c.ScaleMode == 1 ? 3 : 1;
    derange(c.Min);
    derange(c.Max);
    derange(c.MousePointer);
}

void derange(TableauControles& t) {
    for (auto& [index, c] : t.items()) derange(c);
    // And one index the code never used.
    derange(t(t.items().empty() ? 0 : t.items().rbegin()->first + 1));
}

void derange(LigneTrame& l) {
    for (SegmentTrame& g : l.Segments) {
        derange(g.x1);
        derange(g.y1);
        derange(g.x2);
        derange(g.y2);
    }
    derange(l.Image);
    derange(l.Zoom);
    derange(l.EntreesLues);
    derange(l.ValeursSeules);
    derange(l.Texte);
}

// A picture box: its control, its scale and extent, and what it holds, down to the pixels.
QString texte(const BoiteImage& b) {
    const QImage& i = b.Image();
    const QByteArray pixels(reinterpret_cast<const char*>(i.constBits()), i.isNull() ? 0 : i.sizeInBytes());
    return texte(static_cast<const Controle&>(b)) +
           QStringLiteral(" bord=%1 echelle=%2,%3 himetric=%4x%5 image=%6x%7#%8 apercu=%9x%10")
               .arg(b.Bordure).arg(b.ScaleLeft).arg(b.ScaleTop).arg(b.LargeurHimetric).arg(b.HauteurHimetric)
               .arg(i.width()).arg(i.height()).arg(qHash(pixels)).arg(b.Apercu.width()).arg(b.Apercu.height());
}

void derange(BoiteImage& b) {
    derange(static_cast<Controle&>(b));
    derange(b.Bordure);
    derange(b.ScaleLeft);
    derange(b.ScaleTop);
    derange(b.LargeurHimetric);
    derange(b.HauteurHimetric);
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    b.Charge_picture(image);
    b.Apercu = image;
}

} // namespace

namespace Releve {

std::vector<Champ> Lit() {
    std::vector<Champ> champs;
    for (const Etat::Groupe& g : Etat::groupes()) {
        QHash<QString, int> vus;
        Etat::VisiteurDe lecteur([&](const char* nom, auto& v) {
            QString n = QString::fromLatin1(g.nom) + '.' + QString::fromLatin1(nom);
            const int k = vus[n]++;
            if (k > 0) n += QStringLiteral("[%1]").arg(k);
            champs.push_back({n, texte(v)});
        });
        g.visiter(lecteur);
    }
    return champs;
}

void Derange() {
    Etat::VisiteurDe derangeur([](const char*, auto& v) { derange(v); });
    for (const Etat::Groupe& g : Etat::groupes()) g.visiter(derangeur);
}

QStringList Differences(const std::vector<Champ>& avant, const std::vector<Champ>& apres) {
    QStringList d;
    QHash<QString, QString> valeurs;
    for (const Champ& c : apres) valeurs.insert(c.nom, c.valeur);
    for (const Champ& c : avant) {
        const auto it = valeurs.constFind(c.nom);
        if (it == valeurs.constEnd()) d << c.nom + QStringLiteral(": absent");
        else if (*it != c.valeur) d << c.nom + QStringLiteral(": ") + c.valeur.left(200) + QStringLiteral(" -> ") + it->left(200);
    }
    if (apres.size() != avant.size()) d << QStringLiteral("%1 fields, then %2").arg(avant.size()).arg(apres.size());
    return d;
}

} // namespace Releve
