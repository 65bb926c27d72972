#include "platform/surface.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
// Pixel coordinates are held within this many pixels of the picture's origin: far
// beyond any picture, yet small enough that whole numbers and the painter's own fixed
// point arithmetic cannot overflow. A value a user types may map anywhere ("1e308").
constexpr double LimitePixels = 1 << 20;

double borne(double v) {
    if (std::isnan(v)) return -LimitePixels;  // no place at all: off the picture
    return std::clamp(v, -LimitePixels, LimitePixels);
}

// Device pixels are whole: a coordinate maps to the nearest pixel centre.
int pixel(double v) { return int(std::floor(borne(v) + 0.5)); }

// The part of the segment a-b within the held range, so that a far end keeps the
// segment's direction; false when no part of it lies there.
bool coupe(QPointF& a, QPointF& b) {
    if (std::isnan(a.x()) || std::isnan(a.y()) || std::isnan(b.x()) || std::isnan(b.y())) return false;
    const auto dedans = [](const QPointF& p) {
        return std::fabs(p.x()) <= LimitePixels && std::fabs(p.y()) <= LimitePixels;
    };
    if (dedans(a) && dedans(b)) return true;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    if (!std::isfinite(dx) || !std::isfinite(dy)) {
        // An infinite end: the segment runs from the finite end along the infinite one's
        // side, or it is a point at infinity.
        const auto signe = [](double v) { return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0); };
        if (std::isfinite(a.x()) && std::isfinite(a.y())) {
            b = QPointF(std::isfinite(b.x()) ? borne(b.x()) : signe(b.x()) * LimitePixels,
                        std::isfinite(b.y()) ? borne(b.y()) : signe(b.y()) * LimitePixels);
            a = QPointF(borne(a.x()), borne(a.y()));
            return true;
        }
        if (std::isfinite(b.x()) && std::isfinite(b.y())) return coupe(b, a);
        return false;
    }
    // Liang-Barsky: the parameters at which the segment enters and leaves the square.
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() + LimitePixels, LimitePixels - a.x(), a.y() + LimitePixels, LimitePixels - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0) t0 = std::max(t0, r);
        else t1 = std::min(t1, r);
        if (t0 > t1) return false;
    }
    const QPointF debut(a.x() + t0 * dx, a.y() + t0 * dy), fin(a.x() + t1 * dx, a.y() + t1 * dy);
    a = QPointF(borne(debut.x()), borne(debut.y()));
    b = QPointF(borne(fin.x()), borne(fin.y()));
    return true;
}
} // namespace

Surface::Surface(int largeurPx, int hauteurPx)
    : image_(std::max(1, largeurPx), std::max(1, hauteurPx), QImage::Format_RGB32) {
    image_.fill(couleur(BackColor));
    ScaleTwips();
}

long Surface::QBColor(int index) {
    static const long table[16] = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                   0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                   0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    return table[index & 15];
}

long Surface::RGB(int r, int g, int b) { return (long(b & 255) << 16) | (long(g & 255) << 8) | long(r & 255); }

QColor Surface::couleur(long bgr) { return QColor(int(bgr & 255), int((bgr >> 8) & 255), int((bgr >> 16) & 255)); }

long Surface::bgr(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }

void Surface::redimensionner(int largeurPx, int hauteurPx) {
    largeurPx = std::max(1, largeurPx);
    hauteurPx = std::max(1, hauteurPx);
    if (largeurPx == image_.width() && hauteurPx == image_.height()) return;
    QImage nouvelle(largeurPx, hauteurPx, QImage::Format_RGB32);
    nouvelle.fill(couleur(BackColor));
    {
        QPainter p(&nouvelle);
        p.drawImage(0, 0, image_);
    }
    image_ = std::move(nouvelle);
    transitoire_ = QImage();
    if (!echelleUtilisateur_) ScaleTwips();
    changed();
}

void Surface::Scale(double x1, double y1, double x2, double y2) {
    if (x2 == x1 || y2 == y1) return;  // a degenerate scale would divide by zero
    left_ = x1;
    top_ = y1;
    width_ = x2 - x1;
    height_ = y2 - y1;
    echelleUtilisateur_ = true;
}

void Surface::ScaleTwips() {
    left_ = top_ = 0;
    width_ = double(image_.width()) * TwipsParPixel;
    height_ = double(image_.height()) * TwipsParPixel;
    echelleUtilisateur_ = false;
}

QPointF Surface::versPixels(double x, double y) const {
    double px = (x - left_) * image_.width() / width_, py = (y - top_) * image_.height() / height_;
    // A scale of huge numbers ("1e308" typed) overflows the product on its way to a
    // pixel that exists: the quotient first keeps it within the doubles.
    if (!std::isfinite(px)) px = (x - left_) / width_ * image_.width();
    if (!std::isfinite(py)) py = (y - top_) / height_ * image_.height();
    return {px, py};
}

QPointF Surface::versUnites(double px, double py) const {
    return {left_ + px * width_ / image_.width(), top_ + py * height_ / image_.height()};
}

QFont Surface::police() const {
    QFont f(FontName);
    f.setPointSizeF(FontSize > 0 ? FontSize : 8.25);
    f.setBold(FontBold);
    return f;
}

QColor Surface::crayon(long c) const { return couleur(c < 0 ? ForeColor : c); }

QImage& Surface::cible() {
    if (AutoRedraw) {
        transitoire_ = QImage();
        return image_;
    }
    if (transitoire_.isNull()) transitoire_ = image_.copy();
    return transitoire_;
}

namespace {
// A painter set for the surface's draw mode, aliased so that lines stay crisp.
void preparer(QPainter& p, int mode) {
    p.setRenderHint(QPainter::Antialiasing, false);
    if (mode == Surface::Inverse) p.setCompositionMode(QPainter::RasterOp_NotDestination);
    else if (mode == Surface::Xor) p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    else if (mode == Surface::MasquePlume) p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    else if (mode == Surface::FusionPlumeNonEcran) p.setCompositionMode(QPainter::RasterOp_SourceOrNotDestination);
}
} // namespace

void Surface::Cls() {
    transitoire_ = QImage();
    image_.fill(couleur(BackColor));
    CurrentX = left_;
    CurrentY = top_;
    changed();
}

void Surface::Line(double x1, double y1, double x2, double y2, long c, Trait trait) {
    QPointF a = versPixels(x1, y1), b = versPixels(x2, y2);
    // A box's corners are held each on its own; a segment keeps its direction.
    const bool trace = trait != Segment || coupe(a, b);
    const QPoint pa(pixel(a.x()), pixel(a.y())), pb(pixel(b.x()), pixel(b.y()));
    const QColor col = crayon(c);
    if (trace) {
        QPainter p(&cible());
        preparer(p, DrawMode);
        QPen pen(col, std::max(1, DrawWidth), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
        if (DrawWidth <= 1) pen.setWidth(0);  // cosmetic: exactly one pixel
        const QRect r(QPoint(std::min(pa.x(), pb.x()), std::min(pa.y(), pb.y())),
                      QPoint(std::max(pa.x(), pb.x()), std::max(pa.y(), pb.y())));
        switch (trait) {
        case Segment:
            p.setPen(pen);
            p.drawLine(pa, pb);
            break;
        case Boite:
            p.setPen(pen);
            p.setBrush(FillStyle == Plein ? QBrush(couleur(FillColor)) : Qt::NoBrush);
            p.drawRect(QRect(r.topLeft(), QSize(r.width() - 1, r.height() - 1)));
            break;
        case BoitePleine:
            p.fillRect(r, col);
            break;
        }
    }
    CurrentX = x2;
    CurrentY = y2;
    changed();
}

void Surface::LineVers(double x, double y, long c, Trait trait) { Line(CurrentX, CurrentY, x, y, c, trait); }

void Surface::Circle(double x, double y, double rayon, long c, std::optional<double> debut,
                     std::optional<double> fin, double aspect) {
    const QPointF centre = versPixels(x, y);
    const QPointF ctr(pixel(centre.x()), pixel(centre.y()));
    double rx = std::min(std::abs(rayon * pixelsParUniteX()), LimitePixels), ry = rx;
    if (std::isnan(rx)) rx = ry = 0;
    if (aspect < 1) ry = rx * aspect;
    else if (aspect > 1) rx = rx / aspect;
    {
        QPainter p(&cible());
        preparer(p, DrawMode);
        QPen pen(crayon(c), std::max(1, DrawWidth));
        if (DrawWidth <= 1) pen.setWidth(0);
        p.setPen(pen);
        const QRectF boite(ctr.x() - rx, ctr.y() - ry, 2 * rx, 2 * ry);
        if (!debut && !fin) {
            p.setBrush(FillStyle == Plein ? QBrush(couleur(FillColor)) : Qt::NoBrush);
            p.drawEllipse(boite);
        } else {
            const double a0 = debut.value_or(0), a1 = fin.value_or(2 * M_PI);
            const double d0 = std::abs(a0), d1 = std::abs(a1);
            double span = d1 - d0;
            if (span <= 0) span += 2 * M_PI;
            const int s16 = int(std::lround(d0 * 180 / M_PI * 16)), l16 = int(std::lround(span * 180 / M_PI * 16));
            if (a0 < 0 || a1 < 0) {
                // A negative angle joins that end to the centre, as a pie does.
                p.drawArc(boite, s16, l16);
                auto rayonVers = [&](double angle) {
                    const QPoint bout(pixel(ctr.x() + rx * std::cos(angle)), pixel(ctr.y() - ry * std::sin(angle)));
                    p.drawLine(ctr.toPoint(), bout);
                };
                if (a0 < 0) rayonVers(d0);
                if (a1 < 0) rayonVers(d1);
            } else {
                p.drawArc(boite, s16, l16);
            }
        }
    }
    CurrentX = x;
    CurrentY = y;
    changed();
}

void Surface::PSet(double x, double y, long c) {
    const QPointF a = versPixels(x, y);
    const int px = pixel(a.x()), py = pixel(a.y());
    QImage& ou = cible();
    if (DrawWidth <= 1 && DrawMode == Copie) {
        if (ou.valid(px, py)) ou.setPixel(px, py, crayon(c).rgb());
    } else {
        QPainter p(&ou);
        preparer(p, DrawMode);
        const int w = std::max(1, DrawWidth);
        p.fillRect(QRect(px - (w - 1) / 2, py - (w - 1) / 2, w, w), crayon(c));
    }
    CurrentX = x;
    CurrentY = y;
    changed();
}

long Surface::Point(double x, double y) const {
    const QPointF a = versPixels(x, y);
    const int px = pixel(a.x()), py = pixel(a.y());
    if (!image_.valid(px, py)) return -1;
    return bgr(QColor(image_.pixel(px, py)));
}

std::optional<Surface::PoliceLogique> Surface::SelectionnePolice(std::optional<PoliceLogique> police) {
    std::optional<PoliceLogique> avant = std::move(police_);
    police_ = std::move(police);
    return avant;
}

namespace {
// The face of a logical font: its name, with a free face of the same metrics where the
// named one is missing (Liberation Sans stands for Arial).
QFont police_logique(const Surface::PoliceLogique& l) {
    static const bool substitutions = [] {
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        return true;
    }();
    (void)substitutions;
    QFont f(l.Nom);
    if (l.Hauteur < 0) {
        f.setPixelSize(-l.Hauteur);
    } else if (l.Hauteur > 0) {
        // A positive height is the cell (ascent and descent): scale the em to fit it.
        f.setPixelSize(l.Hauteur);
        const QFontMetricsF m(f);
        if (m.height() > 0) f.setPixelSize(std::max(1, int(l.Hauteur * l.Hauteur / m.height())));
    }
    f.setWeight(QFont::Weight(std::clamp(l.Graisse == 0 ? 400 : l.Graisse, 100, 900)));
    f.setItalic(l.Italique);
    f.setUnderline(l.Souligne);
    return f;
}
} // namespace

void Surface::Print(const QString& texte, bool suite) {
    const QPointF a = versPixels(CurrentX, CurrentY);
    const QFont f = police_ ? police_logique(*police_) : police();
    {
        QPainter p(&cible());
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.setFont(f);
        p.setPen(couleur(ForeColor));
        const QFontMetricsF m(f, &image_);
        // The position is the text's top left; an escapement turns the text about it.
        p.translate(pixel(a.x()), pixel(a.y()));
        if (police_ && police_->Echappement != 0) p.rotate(-police_->Echappement / 10.0);
        p.drawText(QPointF(0, m.ascent()), texte);
    }
    if (suite) {
        CurrentX += TextWidth(texte);
    } else {
        CurrentX = left_;
        CurrentY += TextHeight(texte) * (height_ < 0 ? -1 : 1);
    }
    changed();
}

double Surface::TextWidth(const QString& texte) const {
    const QFontMetricsF m(police(), &image_);
    return m.horizontalAdvance(texte) / std::abs(pixelsParUniteX());
}

double Surface::TextHeight(const QString& texte) const {
    const QFontMetricsF m(police(), &image_);
    const int lignes = std::max<qsizetype>(1, texte.count(QLatin1Char('\n')) + 1);
    return m.height() * lignes / std::abs(pixelsParUniteY());
}

void Surface::restaurer(const QImage& copie) {
    transitoire_ = QImage();
    QPainter p(&image_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, copie);
    p.end();
    changed();
}

void Surface::charger(const QImage& picture) {
    transitoire_ = QImage();
    image_ = picture.isNull() ? QImage(1, 1, QImage::Format_RGB32) : picture.convertToFormat(QImage::Format_RGB32);
    if (picture.isNull()) image_.fill(couleur(BackColor));
    ScaleTwips();
    CurrentX = CurrentY = 0;
    changed();
}

void Surface::peindre(const QImage& source, QRectF dest, QRectF orig) {
    if (source.isNull() || dest.width() <= 0 || dest.height() <= 0 || orig.width() <= 0 || orig.height() <= 0) return;
    const double kx = dest.width() / orig.width(), ky = dest.height() / orig.height();
    // The part of the source rectangle inside the picture, and where it lands.
    const QRectF dedans = orig.intersected(QRectF(source.rect()));
    if (dedans.isEmpty()) return;
    dest = QRectF(dest.left() + (dedans.left() - orig.left()) * kx, dest.top() + (dedans.top() - orig.top()) * ky,
                  dedans.width() * kx, dedans.height() * ky);
    orig = dedans;
    // Then the part of that landing place on this surface, and the source it needs.
    QImage& ou = cible();
    const QRectF visible = dest.intersected(QRectF(ou.rect()));
    if (visible.isEmpty()) return;
    orig = QRectF(orig.left() + (visible.left() - dest.left()) / kx, orig.top() + (visible.top() - dest.top()) / ky,
                  visible.width() / kx, visible.height() / ky);
    QPainter p(&ou);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(visible, source, orig);
}

void Surface::PaintPicture(const QImage& source, double x, double y, double w, double h, int sx, int sy, int sw,
                           int sh) {
    if (source.isNull()) return;
    const QPointF a = versPixels(x, y), b = versPixels(x + w, y + h);
    const int x1 = pixel(a.x()), y1 = pixel(a.y()), x2 = pixel(b.x()), y2 = pixel(b.y());
    const QRect cible(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1));
    const QRect origine = sw > 0 && sh > 0 ? QRect(sx, sy, sw, sh) : source.rect();
    peindre(source, QRectF(cible), QRectF(origine));
    changed();
}

void Surface::PaintPicture(const Surface& source, double x, double y, double w, double h, double sx, double sy,
                           double sw, double sh) {
    const QPointF a = versPixels(x, y), b = versPixels(x + w, y + h);
    const QPointF sa = source.versPixels(sx, sy), sb = source.versPixels(sx + sw, sy + sh);
    peindre(source.Image(), QRectF(a, b).normalized(), QRectF(sa, sb).normalized());
    changed();
}
