#pragma once
// A picture box's drawing layer: a persistent image drawn in the box's own units.
// Units are twips (15 a pixel) until a user scale is set with Scale; then any corner
// may hold any coordinate (0..1000 with y upwards, for instance). Drawing follows the
// classic picture-box model: a current position, a fore colour, a fill colour and
// style, a pen width, a draw mode (copy, or inversion for rubber bands), text printed
// at the current position. Colours are given as &HBBGGRR values.
//
// Drawing goes to the persistent picture while AutoRedraw is on. With AutoRedraw off it
// goes to a transient layer over it, what the screen alone would show: the next drawing
// with AutoRedraw on (or a Cls) wipes that layer.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <functional>
#include <optional>

class Surface {
public:
    // Draw modes, numbered as the raster operations they name; MasquePlume keeps only what
    // the pen and the picture have in common (pen AND picture); FusionPlumeNonEcran merges
    // the pen with the inverse of the picture (pen OR NOT picture), so a cross shows over
    // any colour.
    enum Mode { Inverse = 6, Xor = 7, MasquePlume = 9, Copie = 13, FusionPlumeNonEcran = 14 };
    // Fill styles: solid, or transparent (the default).
    enum Remplissage { Plein = 0, Transparent = 1 };
    // How Line draws: a segment, a box, a filled box.
    enum Trait { Segment, Boite, BoitePleine };

    static constexpr int TwipsParPixel = 15;

    explicit Surface(int largeurPx = 1, int hauteurPx = 1);

    // The 16-colour palette and RGB composition, as &HBBGGRR values.
    static long QBColor(int index);
    static long RGB(int r, int g, int b);
    static QColor couleur(long bgr);
    static long bgr(const QColor& c);

    // Size in pixels. Resizing keeps the drawing at the top left and paints new parts
    // with the back colour; a user scale keeps its coordinates, the twips scale grows.
    void redimensionner(int largeurPx, int hauteurPx);
    int largeurPx() const { return image_.width(); }
    int hauteurPx() const { return image_.height(); }

    // --- scale
    void Scale(double x1, double y1, double x2, double y2);
    // Back to twips with the origin at the top left.
    void ScaleTwips();
    double ScaleLeft() const { return left_; }
    double ScaleTop() const { return top_; }
    double ScaleWidth() const { return width_; }
    double ScaleHeight() const { return height_; }
    // Unit conversions between the scale and pixels.
    QPointF versPixels(double x, double y) const;
    QPointF versUnites(double px, double py) const;
    double pixelsParUniteX() const { return image_.width() / width_; }
    double pixelsParUniteY() const { return image_.height() / height_; }

    // --- drawing state
    long ForeColor = 0;
    long BackColor = 0xFFFFFF;
    long FillColor = 0;
    int FillStyle = Transparent;
    int DrawWidth = 1;
    int DrawMode = Copie;
    double CurrentX = 0, CurrentY = 0;
    double FontSize = 8.25;
    bool FontBold = false;
    QString FontName = QStringLiteral("Sans Serif");
    bool AutoRedraw = true;

    // A logical font, as a program builds one for the graphics interface: a negative height
    // selects by character height in pixels, a positive one by cell height; the escapement
    // turns the text counter-clockwise, in tenths of a degree; weight 400 normal, 700 bold.
    struct PoliceLogique {
        int Hauteur = 0;
        int Echappement = 0;
        int Graisse = 400;
        bool Italique = false;
        bool Souligne = false;
        QString Nom;
        bool operator==(const PoliceLogique&) const = default;
    };
    // Selects a logical font for Print (or none: the box's own font) and returns the
    // one selected before, so that the caller can put it back.
    std::optional<PoliceLogique> SelectionnePolice(std::optional<PoliceLogique> police);
    const std::optional<PoliceLogique>& PoliceSelectionnee() const { return police_; }

    // Paints the whole picture with the back colour; the position goes to the top left.
    void Cls();
    // Line from (x1, y1) to (x2, y2), a box, or a filled box; colour -1 is the fore colour.
    // The current position ends on the second point.
    void Line(double x1, double y1, double x2, double y2, long couleur = -1, Trait trait = Segment);
    // Line -(x, y): from the current position.
    void LineVers(double x, double y, long couleur = -1, Trait trait = Segment);
    // A circle of `rayon` (horizontal units) at (x, y). Aspect below 1 flattens it
    // (vertical radius = rayon x aspect), above 1 narrows it (horizontal = rayon / aspect).
    // With start and end angles (radians, counter-clockwise from 3 o'clock) an arc is
    // drawn; a negative angle also draws the radius to that end. The position ends at the centre.
    void Circle(double x, double y, double rayon, long couleur = -1,
                std::optional<double> debut = {}, std::optional<double> fin = {}, double aspect = 1.0);
    void PSet(double x, double y, long couleur = -1);
    // The colour of the pixel under (x, y), or -1 outside the picture.
    long Point(double x, double y) const;

    // Prints at the current position (its top left). `suite` keeps the position after the
    // text, as a trailing ";" did; otherwise it goes to the start of the next line.
    void Print(const QString& texte, bool suite = false);
    double TextWidth(const QString& texte) const;
    double TextHeight(const QString& texte = QStringLiteral("X")) const;

    // The persistent picture, to keep a copy and paint it back later (rubber bands).
    const QImage& Image() const { return image_; }
    // What a screen shows: the persistent picture with the transient layer over it.
    const QImage& ImageAffichee() const { return transitoire_.isNull() ? image_ : transitoire_; }
    void restaurer(const QImage& copie);
    // Takes a picture as the whole persistent picture, at its size; the scale becomes twips.
    void charger(const QImage& picture);
    // Stretch-paints a rectangle of a picture (pixels of the source; whole source when
    // the source width is 0) onto the rectangle (x, y, w, h) of this surface's units.
    // Painting copies whatever the draw mode: a mode left on for lines never tints a picture.
    void PaintPicture(const QImage& source, double x, double y, double w, double h,
                      int sx = 0, int sy = 0, int sw = 0, int sh = 0);
    // The same from a rectangle of another surface given in that surface's units, with
    // its fractions kept. Only the part of the rectangle inside the source picture is
    // painted, onto the matching part of the destination, and only what lands on this
    // surface is computed: a huge picture costs what the visible part costs. Pixels are
    // not smoothed.
    void PaintPicture(const Surface& source, double x, double y, double w, double h,
                      double sx, double sy, double sw, double sh);

    // Called after each change, so a view can repaint. A copy of the surface does not
    // take the observer along, and an assignment keeps the target's.
    void setOnChange(std::function<void()> f) { onChange_.f = std::move(f); }

    bool operator==(const Surface&) const = default;

private:
    struct Observateur {
        std::function<void()> f;
        Observateur() = default;
        Observateur(const Observateur&) {}
        Observateur& operator=(const Observateur&) { return *this; }
        bool operator==(const Observateur&) const { return true; }
    };

    QFont police() const;
    QColor crayon(long couleur) const;
    // Where drawing goes: the persistent picture, or the transient layer with AutoRedraw off.
    QImage& cible();
    // Paints the source rectangle (source pixels) onto the target rectangle (pixels of this
    // surface), both clipped as PaintPicture describes.
    void peindre(const QImage& source, QRectF cible, QRectF origine);
    void changed() { if (onChange_.f) onChange_.f(); }

    QImage image_;
    QImage transitoire_;
    double left_ = 0, top_ = 0, width_ = 1, height_ = 1;
    bool echelleUtilisateur_ = false;
    std::optional<PoliceLogique> police_;
    Observateur onChange_;
};
