// Runs every test with a headless application, prompts scripted and failures reported.
#include <gtest/gtest.h>

#include "app/application.h"
#include "platform/prompts.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavirel"));
    ::testing::InitGoogleTest(&argc, argv);
    // A prompt that no script expects is a failure of the test that raised it, and
    // no real dialog ever blocks a test run.
    Prompts::Script::setFailureHook([](const QString& what) { ADD_FAILURE() << what.toStdString(); });
    Prompts::Script guard;  // declines anything not scripted by a test
    return RUN_ALL_TESTS();
}
