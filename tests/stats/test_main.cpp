// Runs the statistics library's tests under a bare QCoreApplication: the library needs
// no window. A refusal reported while no test collects the reports fails the test that
// caused it, as an unexpected message box would.
#include <QCoreApplication>
#include <gtest/gtest.h>

#include "stats/rappels_stat.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    Mstat::Signale = [](const QString& texte) { ADD_FAILURE() << "unexpected report: " << texte.toStdString(); };
    return RUN_ALL_TESTS();
}
