// The program starts from the measuring window's load, which runs the start-up and the
// statistics window's loop until the user quits.
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/application.h"
#include "platform/programme.h"
#include "base/tav.h"

int main(int argc, char** argv) {
    Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavirel"));
    // The standard buttons of message boxes and file dialogs speak the desktop's language,
    // as the system's own dialogs do.
    QTranslator boutons;
    if (boutons.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&boutons);
    Tav::instance()->Form_Load();
    return Programme::CodeSortie();
}
