#pragma once
// Every message box, question, input box and file dialog goes through here, so that
// tests can script the answers and catch any prompt they did not expect.
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <deque>
#include <vector>

namespace Prompts {

// Button sets and icons as flags that add up, so a style such as 36 is Yes/No with
// the question icon.
enum Style : int {
    OkOnly = 0, OkCancel = 1, YesNo = 4,
    IconCritical = 16, IconQuestion = 32, IconExclamation = 48, IconInformation = 64
};
// Results, with fixed numbers that callers may keep and compare.
enum Answer : int { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

int msgBox(const QString& text, int style = OkOnly, const QString& title = QString());

// An input box: the text typed, or nothing on Cancel.
std::optional<QString> inputBox(const QString& prompt, const QString& title = QString(),
                                const QString& defaultText = QString());

// File dialogs. `filter` pairs labels and patterns with bars: "Label|*.a;*.b|Label2|*.c".
// The result is the chosen path, or nothing when the user cancelled.
std::optional<QString> openFile(const QString& title, const QString& folder,
                                const QString& filter, const QString& proposedName = QString());
std::optional<QString> saveFile(const QString& title, const QString& folder,
                                const QString& filter, const QString& proposedName = QString());

// One item of a pop-up menu: its index in the menu's array, its caption, and whether it
// can be chosen (an unavailable item shows greyed). Hidden items are not passed at all.
struct MenuItem {
    int index = 0;
    QString caption;
    bool enabled = true;
};
// A pop-up menu at the pointer: the index of the item chosen, or nothing when the user
// dismissed the menu. `name` names the menu for the script.
std::optional<int> popupMenu(const QString& name, const std::vector<MenuItem>& items);

// A font as the font dialog shows and returns it.
struct Police {
    QString nom;
    double taille = 0;
    bool gras = false;
};
// The font dialog, offering scalable fonts only, opened on `initiale`: the font chosen, or
// nothing when the user cancelled.
std::optional<Police> fontDialog(const Police& initiale);

// The language of Qt's own texts in the dialogs above (standard buttons, the file and
// font dialogs): Qt's translations for a language code such as "fr", English when Qt
// has none for it.
void setDialogLanguage(const QString& code);

// Turns "Label|*.a;*.b|Other|*.c" into the Qt form "Label (*.a *.b);;Other (*.c)".
QString qtFilter(const QString& filter);

// What a prompt asked, as the script sees it.
enum class Kind { Message, Input, Open, Save, Popup, Font };
struct Request {
    Kind kind;
    QString text;      // message, input prompt, dialog title, pop-up's captions ("a|b|c"), or font name
    int style = 0;
    QString title;
    QString folder;    // file dialogs
    QString filter;
    QString proposedName;
    double size = 0;   // font dialog: the initial size
};

// A scripted answer. `contains`, when not empty, must be found in the request's text.
struct Step {
    Kind kind;
    QString contains;
    int answer = Ok;                 // message boxes; the item chosen in a pop-up menu
    QString reply;                   // input and file dialogs
    bool cancel = false;             // the user cancelled the dialog or dismissed the pop-up
    Police police;                   // the font chosen in the font dialog

    std::optional<QString> result() const { return cancel ? std::nullopt : std::optional<QString>(reply); }
};

// While a script is installed no real dialog is ever shown: each prompt takes the next
// step, and a prompt that does not match it goes to the failure hook.
class Script {
public:
    Script();
    ~Script();
    Script(const Script&) = delete;
    Script& operator=(const Script&) = delete;

    Script& message(const QString& contains, int answer = Ok);
    Script& input(const QString& contains, std::optional<QString> reply);
    Script& open(std::optional<QString> path, const QString& contains = QString());
    Script& save(std::optional<QString> path, const QString& contains = QString());
    // A pop-up menu: the index of the item to choose, or nothing to dismiss it. The item
    // must be one the menu offers and can be chosen.
    Script& popup(std::optional<int> item, const QString& contains = QString());
    // The font dialog: the font to choose, or nothing to cancel.
    Script& font(std::optional<Police> choix);

    // Steps not yet consumed.
    int remaining() const { return int(steps_.size()); }
    // Every request seen, in order.
    const std::vector<Request>& seen() const { return seen_; }

    // Called with a description of each prompt that the script did not expect.
    static void setFailureHook(std::function<void(const QString&)> hook);

    Step take(const Request& request);

private:
    std::deque<Step> steps_;
    std::vector<Request> seen_;
    Script* previous_ = nullptr;
};

} // namespace Prompts
