#include "app/application.h"

#include "base/messages.h"
#include "base/vb.h"
#include "platform/prompts.h"

namespace {
// "alerte " with the error's number when it has one, then what went wrong.
void Signale(const QString& numero, const char* quoi) {
    Prompts::msgBox(Lib_Langue[101] + numero + QString::fromUtf8(quoi), Prompts::OkOnly);
}
} // namespace

bool Application::notify(QObject* destinataire, QEvent* evenement) {
    try {
        return QApplication::notify(destinataire, evenement);
    } catch (const Vb::Erreur& e) {
        Signale(QString::number(e.numero) + QStringLiteral(" : "), e.what());
    } catch (const std::exception& e) {
        Signale(QString(), e.what());
    }
    return false;
}
