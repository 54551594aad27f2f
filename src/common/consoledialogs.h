#pragma once

#include "dialogs.h"

#include <functional>

class ConsoleOutput;

// Dialogs at the command line: nobody is there to answer. A message goes to standard error as
// its text alone. A question is written out too and gets the answer that stops whatever asked
// (Cancel, No, Abort), because going on unattended past a problem could hand a machine a
// damaged program; onQuestion runs before the answer is given. Nothing is ever typed in or
// chosen, and no printer is set up.
class ConsoleDialogs : public Dialogs {
public:
    explicit ConsoleDialogs(ConsoleOutput &output) : m_output(output) {}

    // Before every line, to tell apart the machines of one command.
    QString prefix;

    // Called after a message has been written.
    std::function<void(const QString &text)> onMessage;
    // When it answers true, a message is not written (onMessage still runs): a repeated one.
    std::function<bool(const QString &text)> muted;
    // Called after a question has been written, before it is answered.
    std::function<void(const QString &text)> onQuestion;

    static Button answerFor(Buttons buttons);

    void message(const QString &text, const QString &title, Icon icon) override;
    Button question(const QString &text, Buttons buttons, const QString &title, Icon icon) override;
    std::optional<QString> inputText(const QString &prompt, const QString &title, const QString &initial,
                                     bool secret) override;
    QString openFileName(const QString &title, const QString &folder, const QString &filter) override;
    QString saveFileName(const QString &title, const QString &folder, const QString &filter) override;
    bool setUpPrinter(QPrinter &printer) override;
    void showHelp(int context) override;
    void beep() override;

private:
    ConsoleOutput &m_output;
};
