#pragma once
// Helpers of the statistics tests.
#include <QLocale>
#include <QStringList>
#include <cmath>
#include <functional>
#include <utility>
#include <gtest/gtest.h>

#include "stats/rappels_stat.h"

// |got - ref| <= tol * |ref|, with the relative error in the failure message.
inline ::testing::AssertionResult ProcheRelatif(double got, double ref, double tol) {
    const double err = ref == 0 ? std::fabs(got) : std::fabs(got - ref) / std::fabs(ref);
    if (err <= tol) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got " << got << ", expected " << ref << " (relative error " << err
                                         << " > " << tol << ")";
}
#define EXPECT_REL(got, ref, tol) EXPECT_TRUE(ProcheRelatif((got), (ref), (tol)))

// Sets the default locale for the duration of a scope (the decimal separator on output).
class LocaleTemporaire {
public:
    explicit LocaleTemporaire(QLocale::Language langue, QLocale::Territory pays = QLocale::AnyTerritory)
        : avant_(QLocale()) {
        QLocale::setDefault(QLocale(langue, pays));
    }
    ~LocaleTemporaire() { QLocale::setDefault(avant_); }
    LocaleTemporaire(const LocaleTemporaire&) = delete;
    LocaleTemporaire& operator=(const LocaleTemporaire&) = delete;

private:
    QLocale avant_;
};

// Tests whose results are read with the French decimal comma, as the program's users
// in France see them.
class EnFrancais : public ::testing::Test {
private:
    LocaleTemporaire locale_{QLocale::French, QLocale::France};
};

// Collects the refusals the library reports while it lives; outside one, a report
// fails the test (see the main).
class Signalements {
public:
    Signalements() : avant_(Mstat::Signale) {
        Mstat::Signale = [this](const QString& texte) { recus_ << texte; };
    }
    ~Signalements() { Mstat::Signale = avant_; }
    Signalements(const Signalements&) = delete;
    Signalements& operator=(const Signalements&) = delete;

    const QStringList& recus() const { return recus_; }
    // The reports received so far, forgotten for the next step of a test.
    QStringList prendre() { return std::exchange(recus_, {}); }

private:
    std::function<void(const QString&)> avant_;
    QStringList recus_;
};
