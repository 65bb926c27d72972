// A dominant-value session without a window: marking two limits on the example series,
// taking the range, storing its value, going on with the values left, and the refusals.
#include <QLocale>
#include <gtest/gtest.h>

#include "statwin/session_pdm.h"
#include "tests/common/fixture.h"

namespace {

// The example series sorted, at positions 1 to 17.
std::vector<double> exemple() {
    return {0, 5.8, 5.8, 6, 6, 6, 6, 6, 6.2, 6.2, 6.2, 6.2, 6.2, 6.5, 6.5, 6.5, 6.5, 6.8};
}

class SessionPdmTest : public ::testing::Test {
protected:
    SessionPdmTest() {
        // The diagram's state once the series is computed: slot 1 next, the series'
        // dominant value current.
        s.Efface();
        s.PdmCourant = 5.8;
    }
    LocaleScope francais{QLocale::French, QLocale::France};
    SessionPdm s;
    const std::vector<double> v = exemple();
};

TEST_F(SessionPdmTest, UnePlageRetenuePuisLesValeursRestantes) {
    EXPECT_FALSE(s.Clic_limite(6.0));  // no marking yet
    EXPECT_EQ(s.LimiteSuivante, 0);
    EXPECT_TRUE(s.Bascule_marquage());
    EXPECT_FLOAT_EQ(s.TablePdm[0], 5.8f);

    // 6,3 then 5,9 frame the five 6 and the five 6,2 (positions 3 to 12).
    EXPECT_EQ(s.Clic_limite(6.3), SessionPdm::Limite::Basse);
    EXPECT_EQ(s.Clic_limite(5.9), SessionPdm::Limite::Haute);
    EXPECT_EQ(s.Refus_calcul(), QString());
    const auto plage = s.Prend_plage(v, 17);
    ASSERT_TRUE(plage);
    EXPECT_FLOAT_EQ(s.LimiteBasse, 5.9f);
    EXPECT_FLOAT_EQ(s.LimiteHaute, 6.3f);
    EXPECT_EQ(s.IndexBas, 3);
    EXPECT_EQ(s.IndexHaut, 12);
    EXPECT_EQ(plage->n, 10);
    EXPECT_EQ(plage->serie, QStringLiteral("6;6;6;6;6;6,2;6,2;6,2;6,2;6,2;"));
    // 10 values over 6,2 - 6 = 0,2: 50 a unit.
    EXPECT_EQ(plage->compte, QStringLiteral("10 pts # 50,"));
    EXPECT_EQ(s.Valeurs_marquees(), plage->serie);
    EXPECT_EQ(s.Valeurs_restantes(), QStringLiteral("5,8;5,8;6,5;6,5;6,5;6,5;6,8;"));

    // While marked, the slot shows the current value; "Ok" stores the range's value.
    EXPECT_EQ(s.Liste_pdms(), QStringLiteral(" PDMS 1 = 5,8\r\n"));
    s.PdmCourant = 6;  // the range's dominant value, as the diagram computes it
    s.Range(true);
    EXPECT_EQ(s.Liste_pdms(), QStringLiteral(" PDMS 1 = 6,\r\n"));
    EXPECT_EQ(s.Suivant(), QStringLiteral("PDMS 2"));
    EXPECT_FLOAT_EQ(s.TablePdm[1], 6.0f);
    EXPECT_EQ(s.Liste_pdms(), QStringLiteral(" PDMS 1 = 6,\r\n PDMS 2 = 5,8\r\n"));
}

TEST_F(SessionPdmTest, PlagesVidesRefusees) {
    s.Bascule_marquage();
    // Between two neighbouring values.
    s.Clic_limite(6.05);
    s.Clic_limite(6.15);
    EXPECT_FALSE(s.Prend_plage(v, 17));
    // A lower limit above every value never reaches the unused element 0, even when
    // that element would lie between the limits.
    std::vector<double> w = v;
    w[0] = 7.2;
    s.Clic_limite(7.3);
    s.Clic_limite(7.1);
    EXPECT_FALSE(s.Prend_plage(w, 17));
    // A range that takes every value leaves nothing outside it.
    s.Clic_limite(5);
    s.Clic_limite(7);
    ASSERT_TRUE(s.Prend_plage(v, 17));
    EXPECT_EQ(s.Valeurs_restantes(), QString());
    // One value only: no density.
    s.Clic_limite(6.7);
    s.Clic_limite(6.9);
    EXPECT_EQ(s.Prend_plage(v, 17)->compte, QStringLiteral("1 ::  * "));
}

TEST_F(SessionPdmTest, TablePleineEtRaz) {
    s.Bascule_marquage();
    s.CompteurPdm = 11;
    EXPECT_EQ(s.Refus_calcul(), QStringLiteral(" 10 PDMS maximum"));
    EXPECT_EQ(s.Refus_table_pleine(), QString());
    s.Range(true);
    EXPECT_FLOAT_EQ(s.TablePdm[11], 5.8f);
    EXPECT_EQ(s.Suivant(), QStringLiteral("PDMS 12"));
    EXPECT_EQ(s.Refus_table_pleine(), QStringLiteral("11 PDM maximum"));
    // Past ten the list stops at ten lines, and "Annule" leaves the table untouched
    // beyond its last slot.
    EXPECT_EQ(s.Liste_pdms().count(QStringLiteral("\r\n")), 10);
    s.Range(false);
    EXPECT_FLOAT_EQ(s.TablePdm[11], 5.8f);
    s.Efface();
    EXPECT_EQ(s.CompteurPdm, 1);
    for (int i = 1; i <= 11; ++i) EXPECT_EQ(s.TablePdm[i], 0.0f) << i;
    EXPECT_FLOAT_EQ(s.TablePdm[0], 5.8f);
}

TEST(ChercheXi, PositionsDansLaSerieTriee) {
    const std::vector<double> v = {0, 1, 2, 2, 3};
    EXPECT_EQ(SessionPdm::Cherche_Xi(v, 4, 2, 0), 2);
    EXPECT_EQ(SessionPdm::Cherche_Xi(v, 4, 2.5f, 0), 4);
    EXPECT_EQ(SessionPdm::Cherche_Xi(v, 4, 4, 0), 0);
    // Upward: the last value not past x, the values equal to x left out but for the last.
    EXPECT_EQ(SessionPdm::Cherche_Xi(v, 4, 2.5f, 1), 3);
    EXPECT_EQ(SessionPdm::Cherche_Xi(v, 4, 2, 1), 1);
    EXPECT_EQ(SessionPdm::Cherche_Xi(v, 4, 3, 1), 4);
    EXPECT_EQ(SessionPdm::Cherche_Xi(v, 4, 0.5f, 1), 0);
    // A count beyond the array finds nothing rather than reading past it.
    EXPECT_EQ(SessionPdm::Cherche_Xi(v, 9, 5, 0), 0);
    EXPECT_EQ(SessionPdm::Cherche_Xi(v, 9, 5, 1), 0);
    EXPECT_EQ(SessionPdm::Cherche_Xi(v, 4, 1, 2), 0);
}

} // namespace
