#pragma once
// Shared set-up of the image loader's tests: the program after start-up on a clock only
// the tests move, pictures written to the test folder, the file menu's open with its
// prompts scripted, a calibration in force read from the settings file as the start-up
// reads it, and measurement files that put rows on the loaded images.
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <memory>
#include <optional>

#include "app/parametres.h"
#include "base/etat_demarrage.h"
#include "base/etat_partage.h"
#include "base/grilles.h"
#include "base/messages.h"
#include "base/tav.h"
#include "grid/etat_grille.h"
#include "image/chargeur.h"
#include "image/etat_image.h"
#include "image/services_image.h"
#include "platform/prompts.h"
#include "platform/textfile.h"
#include "platform/waits.h"
#include "tests/common/fixture.h"

namespace AideChargeur {

inline QString Question_vider() { return QStringLiteral("effacer  la liste d'images  ? "); }

class ChargeurTest : public EtatPropre {
protected:
    void SetUp() override {
        EtatPropre::SetUp();
        horloge_ = std::make_unique<Waits::FakeClock>();
    }
    void TearDown() override {
        horloge_.reset();
        EtatPropre::TearDown();
    }

    // A picture of w x h pixels written to the test folder (a sub-folder is made), in PNG
    // whatever its name says: the reader tells pictures by their content.
    QString Image(const QString& nom, int w = 64, int h = 48, QColor couleur = QColor(200, 40, 40)) {
        const QString p = chemin(nom);
        QDir().mkpath(QFileInfo(p).absolutePath());
        QImage i(w, h, QImage::Format_RGB32);
        i.fill(couleur);
        EXPECT_TRUE(i.save(p, "PNG")) << p.toStdString();
        return p;
    }
    // A file that holds no picture.
    QString Illisible(const QString& nom) {
        QFile f(chemin(nom));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("pas une image\r\n");
        return f.fileName();
    }

    // The file menu's "Ouvrir Image" choosing `p`: `vider` answers the clear question
    // when the test expects it to be asked; `deja` expects "cette image a été traitée".
    void Ouvre(const QString& p, std::optional<bool> vider = std::nullopt, bool deja = false) {
        Prompts::Script script;
        if (vider) script.message(Question_vider(), *vider ? Prompts::Yes : Prompts::No);
        script.open(p, QStringLiteral("Ouvrir Image"));
        if (deja) script.message(QStringLiteral("cette image a été traitée"));
        tav.MnuFIC_Click(1);
        EXPECT_EQ(script.remaining(), 0);
    }

    // The calibration in force, as the settings file gives it at start-up.
    void Calibrage_en_vigueur(const QString& valeur) {
        ASSERT_TRUE(TextFile::write(Gen::Fichier_parametres(),
                                    QStringLiteral("Logiciel de mesure de spores\r\n  Ne pas modifier ! \r\n"
                                                   "CALIBRAGE = ") + valeur + QStringLiteral("\r\n")));
        Prompts::Script script;
        Gen::Lit_parametres();
    }

    // Loads through the file menu a measurement file of function 1 naming `images`, one
    // row per entry of `lignes` on that image number (its segment from (10, 10) to (40, 50)).
    void Charge_trame(const QStringList& images, const QList<int>& lignes, const QList<double>& calibrages = {}) {
        QStringList l{QStringLiteral("INDPRES=False"), QStringLiteral("NBIMAGES= %1").arg(images.size()),
                      QStringLiteral("NBLIGNES= %1").arg(lignes.size()), QStringLiteral("NBLGMAX =64"),
                      QStringLiteral("FONCTION= 1"), QStringLiteral("CALIBRAGE= ")};
        for (int i = 0; i < images.size(); ++i)
            l << QStringLiteral(" %1 ").arg(i < calibrages.size() ? calibrages[i] : 1.0).replace('.', ',');
        l << QStringLiteral("RESH =  1280 ") << QStringLiteral("PCTSW =  %1 ").arg(tav.Picture1.ScaleWidth)
          << QStringLiteral("IMAGES= ") << images << QStringLiteral("COMMENT= ");
        for (int r = 1; r <= lignes.size(); ++r) l << QString::number(r) + QLatin1Char(';');
        l << QStringLiteral("FIN") << QStringLiteral("TRAME= ");
        for (int n : lignes) l << QStringLiteral("0;%1;10;10;40;50;").arg(n);
        const QString p = chemin(QStringLiteral("lignes.trm"));
        ASSERT_TRUE(TextFile::writeLines(p, l));
        Prompts::Script script;
        if (EtapeMesure + NbLignesGrille > 2) script.message(QStringLiteral("La table actuelle"), Prompts::Yes);
        script.open(p);
        tav.MnuFIC_Click(10);
        EXPECT_EQ(script.remaining(), 0);
    }

    // The file names a list shows.
    static QStringList Noms(const Liste& l) {
        QStringList n;
        for (const QString& p : l.items()) n << QFileInfo(p).fileName();
        return n;
    }
    // The user selects exactly these entries of a list of several selections.
    static void Choisit(Liste& l, std::initializer_list<int> entrees) {
        for (int i = 0; i < l.ListCount(); ++i) l.setSelected(i, false);
        for (int i : entrees) l.setSelected(i, true);
    }
    // A click on a check box turns it over before its handler runs.
    void Coche_MC(short index, bool coche) {
        tav.chkMC(index).Value = coche ? 1 : 0;
        tav.chkMC_Click(index);
    }

    Tav& tav = *Tav::instance();

private:
    std::unique_ptr<Waits::FakeClock> horloge_;
};

} // namespace AideChargeur
