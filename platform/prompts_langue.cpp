// Qt's translations of its own dialog texts, swapped when the program's language changes.
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "platform/prompts.h"

namespace Prompts {

void setDialogLanguage(const QString& code) {
    static QTranslator* traduction = nullptr;
    static QString courante;
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || (traduction && code == courante)) return;
    if (!traduction) traduction = new QTranslator(app);
    QCoreApplication::removeTranslator(traduction);
    courante = code;
    if (traduction->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traduction);
}

} // namespace Prompts
