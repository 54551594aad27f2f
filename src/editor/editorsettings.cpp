#include "editorsettings.h"

#include "numerictext.h"
#include "settingsstore.h"

namespace {
const QString kSection = QStringLiteral("character");
}

std::optional<TextAreaFont> storedTextAreaFont(const SettingsStore &settings)
{
    const QString name = settings.text(kSection, QStringLiteral("nome"));
    if (name.isEmpty())
        return std::nullopt;
    const int size = int(leadingNumber(settings.text(kSection, QStringLiteral("size"), QStringLiteral("99"))));
    return TextAreaFont{name, size > 0 ? size : 0};
}

int storedPrintCharSize(const SettingsStore &settings)
{
    return int(leadingNumber(settings.text(kSection, QStringLiteral("printsize"), QStringLiteral("10"))));
}
