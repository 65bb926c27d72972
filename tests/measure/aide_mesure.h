#pragma once
// Shared set-up of the measuring's tests: the program after start-up with its view of
// 600 x 450 pixels (9000 x 6750 view units) on a clock only the tests move, a settings
// file read as the start-up reads it, a picture opened through the file menu's
// "Ouvrir Image", and the user's presses, moves and releases on the view through the
// window's handlers.
#include <QStringList>
#include <memory>

#include "app/parametres.h"
#include "base/etat_partage.h"
#include "grid/etat_grille.h"
#include "base/grilles.h"
#include "image/chargeur.h"
#include "measure/etat_mesure.h"
#include "platform/prompts.h"
#include "platform/textfile.h"
#include "platform/waits.h"
#include "tests/image/aide_vue.h"

namespace AideMesure {

using namespace AideVue;

// Palette colours of the drawing as the screen shows them: CouleursTrace 12 and 10.
constexpr unsigned Trace0 = 0xFF0000, Trace1 = 0x00FF00, Gris = 0x202020;

class MesureTest : public VueTest {
protected:
    // The usual start: 0.5 micron per unit, "Ind. Res." (no factor of the picture's
    // width), a 1000 x 750 picture shown at level 0.
    void SetUp() override {
        horloge_ = std::make_unique<Waits::FakeClock>();
        VueTest::SetUp();
        Reglages(Reglages_depart());
        Image(1000, 750);
        Niveau(0);
    }
    virtual QStringList Reglages_depart() const {
        return {QStringLiteral("CALIBRAGE = 0,5"), QStringLiteral("INDPRES= VRAI")};
    }
    // The settings file holds these lines, and the start-up reads it.
    void Reglages(const QStringList& lignes) {
        const QString texte = QStringLiteral("Logiciel de mesure de spores\r\n  Ne pas modifier ! \r\n") +
                              lignes.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
        ASSERT_TRUE(TextFile::write(Gen::Fichier_parametres(), texte));
        Gen::Lit_parametres();
    }
    void TearDown() override {
        VueTest::TearDown();
        horloge_.reset();
    }
    // A dark grey picture, on which the drawing's colours stand out, opened by the file
    // menu's "Ouvrir Image"; the loader selects it and gives it the calibration in force.
    void Image(int largeur, int hauteur) {
        QImage i(largeur, hauteur, QImage::Format_RGB32);
        i.fill(QColor(Gris));
        const QString p = chemin(QStringLiteral("image%1.png").arg(largeur));
        ASSERT_TRUE(i.save(p));
        Prompts::Script script;
        // While no row names the loaded pictures, the loader offers to clear its list: No.
        if (ListIMGchar.ListCount() > 0 && !Chargeur::Lignes_sur_images())
            script.message(QStringLiteral("la liste d'images"), Prompts::No);
        const bool deja = Chargeur::Index_de(p) >= 0;
        script.open(p, QStringLiteral("Ouvrir Image"));
        // A picture opened again comes back with its own calibration, and says so.
        if (deja) script.message(QStringLiteral("cette image a été traitée"));
        tav.MnuFIC_Click(1);
        ASSERT_EQ(script.remaining(), 0);
        ASSERT_EQ(NomImageActive, p);
    }
    // The zoom buttons "Z-" (a level up, more of the picture) and "Z+" until the level is reached.
    void Niveau(short n) {
        for (int essai = 0; essai < 20 && NiveauZoom < n; ++essai) tav.Czoom_Click(1);
        for (int essai = 0; essai < 20 && NiveauZoom > n; ++essai) tav.Czoom_Click(0);
        ASSERT_EQ(NiveauZoom, n);
    }
    // The function menu: 1 to 3 from the functions menu, 4 to 6 from the cystidia menu,
    // whose question is answered Yes.
    // The question before clearing a grid that holds rows is answered Yes.
    void Fonction(short f) {
        Prompts::Script script;
        if (f <= 3) {
            if (NumFonction != f && NbLignesGrille > 1) script.message(QString(), Prompts::Yes);
            tav.MnuFonc_Click(f);
        } else {
            if (NumFonction != f) script.message(QString(), Prompts::Yes);
            tav.Cyst_Click(short(f - 3));
        }
        ASSERT_EQ(NumFonction, f);
        ASSERT_EQ(NbLignesGrille, 1);
    }
    // The "Bipoint" option button: the plain style.
    void Bipoint() {
        tav.Optn(5).Value = 0;
        tav.Optn(6).Value = -1;
        tav.Optn_Click(6);
    }
    void Appui(double x, double y, short b = 1) { tav.Picture1_MouseDown(b, 0, float(x), float(y)); }
    void Bouge(double x, double y, short b = 1) { tav.Picture1_MouseMove(b, 0, float(x), float(y)); }
    void Relache(double x, double y, short b = 1) { tav.Picture1_MouseUp(b, 0, float(x), float(y)); }
    // A drag with a move on the way.
    void Glisse(double x0, double y0, double x1, double y1, short b = 1) {
        Appui(x0, y0, b);
        Bouge((x0 + x1) / 2, (y0 + y1) / 2, b);
        Bouge(x1, y1, b);
        Relache(x1, y1, b);
    }
    void Clic(double x, double y, short b = 1) {
        Appui(x, y, b);
        Relache(x, y, b);
    }
    void Touche(short code, short shift = 0) {
        tav.Picture1_KeyDown(code, shift);
        tav.Picture1_KeyUp(code, shift);
    }
    static std::string cell(int r, int c) { return GrilleRef.TextMatrix(r, c).toStdString(); }
    static SegmentTrame entree(int ligne, int e) { return TableMesures[ligne].Segments[e]; }
    // Whether the colour shows in the square of side 2r + 1 around a pixel.
    static bool Autour(const QImage& i, int x, int y, unsigned couleur, int r = 1) {
        for (int dy = -r; dy <= r; ++dy)
            for (int dx = -r; dx <= r; ++dx)
                if (i.valid(x + dx, y + dy) && Px(i, x + dx, y + dy) == couleur) return true;
        return false;
    }

private:
    std::unique_ptr<Waits::FakeClock> horloge_;
};

} // namespace AideMesure

inline std::ostream& operator<<(std::ostream& o, const SegmentTrame& s) {
    return o << '(' << s.x1 << ", " << s.y1 << ", " << s.x2 << ", " << s.y2 << ')';
}
