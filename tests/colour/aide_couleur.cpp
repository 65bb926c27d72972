#include "tests/colour/aide_couleur.h"

#include <QFile>

#include "app/parametres.h"
#include "base/etat_partage.h"
#include "base/grilles.h"
#include "base/tav.h"
#include "colour/fichiers_couleur.h"
#include "colour/zone.h"
#include "platform/bip.h"
#include "platform/prompts.h"
#include "platform/textfile.h"

void CouleurTest::SetUp() {
    EtatPropre::SetUp();
    // The picture shown at its own size from its top left corner, as the view shows a
    // freshly loaded picture at zoom level 0.
    IndexImageActive = 1;
    EchelleAffichage = 1.0;
    // The held picture's extent spans the view, so the redraw after each sample keeps
    // that display scale.
    Tav& tav = *Tav::instance();
    tav.picbase.LargeurHimetric = long(tav.Picture1.ScaleWidth);
    tav.Frame(6).Visible = true;
}

void CouleurTest::TearDown() {
    Vistrane::Fixe_horloge(nullptr);
    EtatPropre::TearDown();
}

QString CouleurTest::Ecrit(const QString& nom, const QStringList& lignes) const {
    const QString c = chemin(nom);
    EXPECT_TRUE(TextFile::writeLines(c, lignes));
    return c;
}

QString CouleurTest::Copie(const QString& nom) const {
    const QString c = chemin(nom);
    QFile::remove(c);
    EXPECT_TRUE(QFile::copy(Donnees(nom), c));
    QFile::setPermissions(c, QFile::ReadOwner | QFile::WriteOwner);
    return c;
}

void CouleurTest::Parametres(const QStringList& lignes) const {
    Ecrit(QStringLiteral("Tavl.dat"), QStringList{QStringLiteral("Paramètres"), QStringLiteral("  Ne pas modifier ! ")} + lignes);
    Gen::Lit_parametres();
}

void CouleurTest::Mode_couleur(bool sansEtalon) {
    Prompts::Script script;
    if (sansEtalon) script.message(QStringLiteral("fichier étalon non chargé "));
    Tav::instance()->MnuFonc_Click(20);
    EXPECT_EQ(script.remaining(), 0);
}

QImage CouleurTest::Image_unie(int largeur, int hauteur, QRgb couleur) {
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(couleur);
    return image;
}

double CouleurTest::Twips(int m) { return (m + 0.5) * 2540.0 * 15.0 / 1440.0; }
double CouleurTest::Centre(int m) { return m * 2540.0 / 1440.0; }

int CouleurTest::Clic(const QImage& image, int mx, int my) {
    const int avant = Bip::entendus();
    Vistrane::Mesure_Zone(image, Twips(mx), long(Twips(my)));
    return Bip::entendus() - avant;
}

QString CouleurTest::cell(int r, int c) { return GrilleRef.TextMatrix(r, c); }
