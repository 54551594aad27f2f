#include "consoledialogs.h"

#include "consoleoutput.h"

Dialogs::Button ConsoleDialogs::answerFor(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok: return Button::Ok;
    case Buttons::OkCancel:
    case Buttons::YesNoCancel: return Button::Cancel;
    case Buttons::YesNo: return Button::No;
    case Buttons::AbortRetryIgnore: return Button::Abort;
    }
    return Button::Cancel;
}

void ConsoleDialogs::message(const QString &text, const QString &, Icon)
{
    if (!muted || !muted(text))
        m_output.line(prefix + text);
    if (onMessage)
        onMessage(text);
}

Dialogs::Button ConsoleDialogs::question(const QString &text, Buttons buttons, const QString &, Icon)
{
    // The title is a hint for someone at the box ("Scegliere Annulla..."): nobody is.
    m_output.line(prefix + text);
    if (onQuestion)
        onQuestion(text);
    return answerFor(buttons);
}

std::optional<QString> ConsoleDialogs::inputText(const QString &, const QString &, const QString &, bool)
{
    return std::nullopt;
}

QString ConsoleDialogs::openFileName(const QString &, const QString &, const QString &)
{
    return {};
}

QString ConsoleDialogs::saveFileName(const QString &, const QString &, const QString &)
{
    return {};
}

bool ConsoleDialogs::setUpPrinter(QPrinter &)
{
    return false;
}

void ConsoleDialogs::showHelp(int) {}

void ConsoleDialogs::beep()
{
    m_output.beep();
}
