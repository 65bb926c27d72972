// The program starts from the measuring window's load, which runs the start-up and the
// statistics window's loop until the user quits.
#include <QApplication>

#include "app/application.h"
#include "platform/programme.h"
#include "base/tav.h"

int main(int argc, char** argv) {
    Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavirel"));
    Tav::instance()->Form_Load();
    return Programme::CodeSortie();
}
