#include "platform/prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QCursor>
#include <QRegularExpression>

namespace Prompts {
namespace {
Script* current = nullptr;
std::function<void(const QString&)> failureHook;

QString describe(const Request& r) {
    static const char* names[] = {"message", "input", "open dialog", "save dialog", "pop-up menu", "font dialog"};
    return QStringLiteral("unexpected %1: \"%2\"").arg(names[int(r.kind)], r.text);
}

QString appTitle(const QString& title) {
    return title.isEmpty() ? QApplication::applicationName() : title;
}
} // namespace

Script::Script() : previous_(current) { current = this; }
Script::~Script() {
    current = previous_;
    if (!steps_.empty() && failureHook)
        failureHook(QStringLiteral("%1 scripted prompt(s) never asked, first: \"%2\"")
                        .arg(steps_.size()).arg(steps_.front().contains));
}

Script& Script::message(const QString& contains, int answer) {
    steps_.push_back({Kind::Message, contains, answer, {}, false, {}});
    return *this;
}
Script& Script::input(const QString& contains, std::optional<QString> reply) {
    steps_.push_back({Kind::Input, contains, Ok, reply.value_or(QString()), !reply, {}});
    return *this;
}
Script& Script::open(std::optional<QString> path, const QString& contains) {
    steps_.push_back({Kind::Open, contains, Ok, path.value_or(QString()), !path, {}});
    return *this;
}
Script& Script::save(std::optional<QString> path, const QString& contains) {
    steps_.push_back({Kind::Save, contains, Ok, path.value_or(QString()), !path, {}});
    return *this;
}

Script& Script::popup(std::optional<int> item, const QString& contains) {
    steps_.push_back({Kind::Popup, contains, item.value_or(0), {}, !item, {}});
    return *this;
}

Script& Script::font(std::optional<Police> choix) {
    Step s{Kind::Font, {}, Ok, {}, !choix, {}};
    if (choix) s.police = *choix;
    steps_.push_back(s);
    return *this;
}

void Script::setFailureHook(std::function<void(const QString&)> hook) { failureHook = std::move(hook); }

Step Script::take(const Request& request) {
    seen_.push_back(request);
    if (steps_.empty() || steps_.front().kind != request.kind ||
        (!steps_.front().contains.isEmpty() && !request.text.contains(steps_.front().contains))) {
        if (failureHook) failureHook(describe(request));
        // An unexpected prompt is declined, the safest answer for the data.
        Step refusal{request.kind, {}, Cancel, {}, true, {}};
        if (request.kind == Kind::Message)
            refusal.answer = (request.style & 7) == YesNo ? No : ((request.style & 7) == OkOnly ? Ok : Cancel);
        return refusal;
    }
    Step s = steps_.front();
    steps_.pop_front();
    return s;
}

int msgBox(const QString& text, int style, const QString& title) {
    if (current) return current->take({Kind::Message, text, style, title, {}, {}, {}}).answer;
    QMessageBox box;
    box.setWindowTitle(appTitle(title));
    box.setText(text);
    switch (style & 0x70) {
    case IconCritical: box.setIcon(QMessageBox::Critical); break;
    case IconQuestion: box.setIcon(QMessageBox::Question); break;
    case IconExclamation: box.setIcon(QMessageBox::Warning); break;
    case IconInformation: box.setIcon(QMessageBox::Information); break;
    default: break;
    }
    switch (style & 7) {
    case OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    default: box.setStandardButtons(QMessageBox::Ok); break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel: return Cancel;
    case QMessageBox::Yes: return Yes;
    case QMessageBox::No: return No;
    default: return (style & 7) == OkCancel && box.clickedButton() == nullptr ? Cancel : Ok;
    }
}

std::optional<QString> inputBox(const QString& prompt, const QString& title, const QString& defaultText) {
    if (current) return current->take({Kind::Input, prompt, 0, title, {}, {}, defaultText}).result();
    bool ok = false;
    QString text = QInputDialog::getText(nullptr, appTitle(title), prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok) return std::nullopt;
    return text;
}

QString qtFilter(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QRegularExpression(QStringLiteral("[;,]")), QStringLiteral(" "));
        QString label = parts[i];
        label.remove(QRegularExpression(QStringLiteral("\\s*\\(.*\\)\\s*$")));
        out << QStringLiteral("%1 (%2)").arg(label.trimmed(), patterns.simplified());
    }
    return out.join(QStringLiteral(";;"));
}

static std::optional<QString> fileDialog(Kind kind, const QString& title, const QString& folder,
                                         const QString& filter, const QString& proposedName) {
    if (current) return current->take({kind, title, 0, title, folder, filter, proposedName}).result();
    QString start = folder;
    if (!proposedName.isEmpty()) start = folder.isEmpty() ? proposedName : folder + '/' + proposedName;
    QString path = kind == Kind::Open
        ? QFileDialog::getOpenFileName(nullptr, title, start, qtFilter(filter))
        : QFileDialog::getSaveFileName(nullptr, title, start, qtFilter(filter), nullptr,
                                       QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty()) return std::nullopt;
    return path;
}

std::optional<QString> openFile(const QString& title, const QString& folder, const QString& filter,
                                const QString& proposedName) {
    return fileDialog(Kind::Open, title, folder, filter, proposedName);
}
std::optional<QString> saveFile(const QString& title, const QString& folder, const QString& filter,
                                const QString& proposedName) {
    return fileDialog(Kind::Save, title, folder, filter, proposedName);
}

std::optional<int> popupMenu(const QString& name, const std::vector<MenuItem>& items) {
    if (current) {
        QStringList captions;
        for (const MenuItem& i : items) captions << i.caption;
        const Step s = current->take({Kind::Popup, captions.join(QLatin1Char('|')), 0, name, {}, {}, {}});
        if (s.cancel) return std::nullopt;
        for (const MenuItem& i : items)
            if (i.index == s.answer && i.enabled) return s.answer;
        if (failureHook) failureHook(QStringLiteral("pop-up menu %1 offers no item %2").arg(name).arg(s.answer));
        return std::nullopt;
    }
    QMenu menu;
    for (const MenuItem& i : items) {
        QAction* a = menu.addAction(i.caption);
        a->setEnabled(i.enabled);
        a->setData(i.index);
    }
    const QAction* choisie = menu.exec(QCursor::pos());
    if (!choisie) return std::nullopt;
    return choisie->data().toInt();
}

std::optional<Police> fontDialog(const Police& initiale) {
    if (current) {
        Request r{Kind::Font, initiale.nom, 0, {}, {}, {}, {}};
        r.size = initiale.taille;
        const Step s = current->take(r);
        if (s.cancel) return std::nullopt;
        return s.police;
    }
    QFont f(initiale.nom);
    if (initiale.taille > 0) f.setPointSizeF(initiale.taille);
    f.setBold(initiale.gras);
    bool ok = false;
    const QFont choisie = QFontDialog::getFont(&ok, f, nullptr, QString(), QFontDialog::ScalableFonts);
    if (!ok) return std::nullopt;
    return Police{choisie.family(), choisie.pointSizeF(), choisie.bold()};
}

} // namespace Prompts
