#include "editorsettings.h"

#include "dialogs.h"
#include "editorsession.h"
#include "editortext.h"
#include "numerictext.h"
#include "settingsstore.h"

namespace {
const QString kSection = QStringLiteral("character");
const QString kPrintSizeKey = QStringLiteral("printsize");
constexpr int kDefaultPrintSize = 10;
}

std::optional<TextAreaFont> storedTextAreaFont(const SettingsStore &settings)
{
    const QString name = settings.text(kSection, QStringLiteral("nome"));
    if (name.isEmpty())
        return std::nullopt;
    const int size = int(leadingNumber(settings.text(kSection, QStringLiteral("size"), QStringLiteral("99"))));
    return TextAreaFont{name, size > 0 ? size : 0};
}

void storeTextAreaFont(SettingsStore &settings, const TextAreaFont &font)
{
    settings.setValue(kSection, QStringLiteral("nome"), font.name);
    settings.setValue(kSection, QStringLiteral("size"), QString::number(font.size));
}

int storedPrintCharSize(const SettingsStore &settings)
{
    const qint64 size = leadingNumber(settings.text(kSection, kPrintSizeKey, QString::number(kDefaultPrintSize)));
    return size > 0 ? int(size) : kDefaultPrintSize;
}

std::optional<int> askTextAreaFontSize(Dialogs &dialogs)
{
    const std::optional<QString> answer = dialogs.inputText(EditorText::TextSizePrompt, EditorText::TextSizePrompt);
    const qint64 size = leadingNumber(answer.value_or(QString()));
    if (size < 8 || size > 30) {
        dialogs.message(EditorText::TextSizeOutOfRange);
        return std::nullopt;
    }
    return int(size);
}

void askPrintCharSize(SettingsStore &settings, EditorSession &session, Dialogs &dialogs)
{
    const QString current = settings.text(kSection, kPrintSizeKey, QString::number(kDefaultPrintSize));
    const std::optional<QString> answer =
        dialogs.inputText(EditorText::PrintSizePrompt, EditorText::PrintSizeTitle, current);
    if (!answer || answer->isEmpty())
        return;
    const qint64 size = leadingNumber(*answer);
    if (size < 3 || size > 15) {
        // A refused size is not kept: a later print must never meet a size it cannot use.
        dialogs.message(EditorText::PrintSizeOutOfRange);
        return;
    }
    session.printCharSize = int(size);
    settings.setValue(kSection, kPrintSizeKey, QString::number(size));
}
