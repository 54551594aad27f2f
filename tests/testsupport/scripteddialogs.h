#pragma once

#include "dialogs.h"

#include <QList>
#include <QQueue>

#include <functional>

// Dialogs for tests: records everything shown and answers from a script. An unscripted
// question answers Cancel (or No when there is no Cancel) and is counted as unexpected.
class ScriptedDialogs : public Dialogs {
public:
    enum class Kind { Message, Question, Input, OpenFile, SaveFile, Printer, Help, Beep };
    struct Shown {
        Kind kind;
        QString text;
        QString title;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        int helpContext = 0;
    };

    QQueue<Button> questionAnswers;
    QQueue<std::optional<QString>> inputAnswers;
    QQueue<QString> fileAnswers;
    QQueue<bool> printerAnswers;
    // The user's choices in an accepted print dialog, e.g. printing to a PDF file.
    std::function<void(QPrinter &)> printerChoice;
    // Called while a message is shown, as a modal box would let the event loop run.
    std::function<void(const Shown &)> onShown;

    QList<Shown> shown;
    // The proposed answers of the input boxes shown, in order.
    QStringList inputInitials;
    int unexpected = 0;

    void message(const QString &text, const QString &title, Icon icon) override;
    Button question(const QString &text, Buttons buttons, const QString &title, Icon icon) override;
    std::optional<QString> inputText(const QString &prompt, const QString &title, const QString &initial,
                                     bool secret) override;
    QString openFileName(const QString &title, const QString &folder, const QString &filter) override;
    QString saveFileName(const QString &title, const QString &folder, const QString &filter) override;
    bool setUpPrinter(QPrinter &printer) override;
    void showHelp(int context) override;
    void beep() override;

    // Texts of every box shown, in order.
    QStringList texts() const;
    QStringList messageTexts() const;
    void clear();

private:
    void record(Shown entry);
};
