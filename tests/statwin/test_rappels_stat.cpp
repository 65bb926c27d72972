// The statistics library speaks through the window layer once the program has started:
// its refusals come up as message boxes in the language loaded, and its beep is the
// desktop's.
#include <QCoreApplication>
#include <QFile>

#include "base/tav.h"
#include "platform/bip.h"
#include "platform/prompts.h"
#include "stats/loi_normale.h"
#include "stats/loi_student.h"
#include "stats/test_serie.h"
#include "tests/common/fixture.h"

namespace {

class RappelsStat : public EtatPropre {
protected:
    static Mstat::Sortie_Test lance(short code, const QString& serie) {
        return Mstat::Lance_Test({code, serie, false, QStringLiteral("5")});
    }
};

TEST_F(RappelsStat, RefusEnBoiteDeMessageEtBipDuBureau) {
    Prompts::Script script;
    script.message(QStringLiteral("alerte CLNI")).message(QStringLiteral("données incorrectes"));
    EXPECT_EQ(Mstat::Normale_Inverse(1), 0.0);
    EXPECT_FALSE(lance(Mstat::Code_Homogeneite, QStringLiteral("3;3;3;3;3;3;")).Resultat_Change);
    EXPECT_EQ(script.remaining(), 0);

    const int avant = Bip::entendus();
    EXPECT_EQ(Mstat::Beta_Incomplete(0.3, 0, 0), 0.0);
    EXPECT_EQ(Bip::entendus(), avant + 1);
}

TEST_F(RappelsStat, TextesDeLaLangueChoisie) {
    const QString nom = QStringLiteral("Tavl2_en.lng");
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + '/' + nom, chemin(nom)));
    Tav::instance()->MnLang_Click(5);
    Prompts::Script script;
    script.message(QStringLiteral("incorrect data"));
    EXPECT_FALSE(lance(Mstat::Code_Homogeneite, QStringLiteral("3;3;3;3;3;3;")).Resultat_Change);
    EXPECT_EQ(script.remaining(), 0);
    const Mstat::Sortie_Test s = lance(Mstat::Code_Shapiro_Wilk, QStringLiteral("0,7;0,7;0,7;0,7;0,7;"));
    EXPECT_TRUE(s.Resultat.startsWith(QStringLiteral("Shapiro-Wilk : incorrect data"))) << s.Resultat.toStdString();
}

} // namespace
