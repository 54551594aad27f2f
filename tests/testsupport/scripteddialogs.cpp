#include "scripteddialogs.h"

#include <functional>

void ScriptedDialogs::record(Shown entry)
{
    shown.append(entry);
    if (onShown)
        onShown(entry);
}

void ScriptedDialogs::message(const QString &text, const QString &title, Icon icon)
{
    record({Kind::Message, text, title, icon, Buttons::Ok, 0});
}

Dialogs::Button ScriptedDialogs::question(const QString &text, Buttons buttons, const QString &title, Icon icon)
{
    record({Kind::Question, text, title, icon, buttons, 0});
    if (!questionAnswers.isEmpty())
        return questionAnswers.dequeue();
    ++unexpected;
    switch (buttons) {
    case Buttons::YesNo: return Button::No;
    case Buttons::Ok: return Button::Ok;
    case Buttons::AbortRetryIgnore: return Button::Abort;
    default: return Button::Cancel;
    }
}

std::optional<QString> ScriptedDialogs::inputText(const QString &prompt, const QString &title, const QString &initial,
                                                  bool)
{
    inputInitials.append(initial);
    record({Kind::Input, prompt, title, Icon::None, Buttons::OkCancel, 0});
    if (!inputAnswers.isEmpty())
        return inputAnswers.dequeue();
    ++unexpected;
    return std::nullopt;
}

QString ScriptedDialogs::openFileName(const QString &title, const QString &, const QString &)
{
    record({Kind::OpenFile, {}, title, Icon::None, Buttons::OkCancel, 0});
    if (!fileAnswers.isEmpty())
        return fileAnswers.dequeue();
    ++unexpected;
    return {};
}

QString ScriptedDialogs::saveFileName(const QString &title, const QString &, const QString &)
{
    record({Kind::SaveFile, {}, title, Icon::None, Buttons::OkCancel, 0});
    if (!fileAnswers.isEmpty())
        return fileAnswers.dequeue();
    ++unexpected;
    return {};
}

bool ScriptedDialogs::setUpPrinter(QPrinter &printer)
{
    record({Kind::Printer, {}, {}, Icon::None, Buttons::OkCancel, 0});
    if (!printerAnswers.isEmpty()) {
        const bool accepted = printerAnswers.dequeue();
        if (accepted && printerChoice)
            printerChoice(printer);
        return accepted;
    }
    ++unexpected;
    return false;
}

void ScriptedDialogs::showHelp(int context)
{
    record({Kind::Help, {}, {}, Icon::None, Buttons::Ok, context});
}

void ScriptedDialogs::beep()
{
    record({Kind::Beep, {}, {}, Icon::None, Buttons::Ok, 0});
}

QStringList ScriptedDialogs::texts() const
{
    QStringList result;
    for (const Shown &entry : shown)
        result.append(entry.text);
    return result;
}

QStringList ScriptedDialogs::messageTexts() const
{
    QStringList result;
    for (const Shown &entry : shown) {
        if (entry.kind == Kind::Message)
            result.append(entry.text);
    }
    return result;
}

void ScriptedDialogs::clear()
{
    shown.clear();
    inputInitials.clear();
    unexpected = 0;
}
