#include "tests/common/fixture.h"

#include "app/etat.h"

void EtatPropre::SetUp() {
    ASSERT_TRUE(dir_.isValid());
    locale_ = QLocale();
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    Etat::Demarrage_test(dir_.path());
}

void EtatPropre::TearDown() { QLocale::setDefault(locale_); }
