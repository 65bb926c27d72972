#include "platform/shell_open.h"

#include <QDesktopServices>
#include <QUrl>

namespace ShellOpen {
namespace {
Capture* current = nullptr;
} // namespace

Capture::Capture() : previous_(current) { current = this; }
Capture::~Capture() { current = previous_; }

bool open(const QString& path) {
    if (current) {
        current->record(path);
        return true;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace ShellOpen
