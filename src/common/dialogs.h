#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QPrinter;

// Every message box, question, input box, file chooser, print dialog and help page goes
// through this interface, so that windows and logic can be driven by a scripted one in tests.
class Dialogs {
public:
    enum class Icon { None, Information, Exclamation, Critical, Question };
    enum class Button { Ok, Cancel, Yes, No, Abort, Retry, Ignore };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, AbortRetryIgnore };

    virtual ~Dialogs() = default;

    // An empty title shows the program's own title.
    virtual void message(const QString &text, const QString &title = {}, Icon icon = Icon::None) = 0;
    virtual Button question(const QString &text, Buttons buttons, const QString &title = {},
                            Icon icon = Icon::Question) = 0;
    // nullopt when the user cancels. A secret answer is not shown while typed.
    virtual std::optional<QString> inputText(const QString &prompt, const QString &title,
                                             const QString &initial = {}, bool secret = false) = 0;
    // Empty when the user cancels.
    virtual QString openFileName(const QString &title, const QString &folder, const QString &filter) = 0;
    virtual QString saveFileName(const QString &title, const QString &folder, const QString &filter) = 0;
    // Lets the user choose and set up the printer; false when cancelled.
    virtual bool setUpPrinter(QPrinter &printer) = 0;
    virtual void showHelp(int context) = 0;
    virtual void beep() = 0;
};
