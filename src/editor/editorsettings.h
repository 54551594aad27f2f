#pragma once

#include <QString>

#include <optional>

class SettingsStore;

// The editor's stored fonts, section "character".
struct TextAreaFont {
    QString name;
    int size = 0;
};

// The text area's font, when a name is stored; a size that is not a usable font size is 0.
std::optional<TextAreaFont> storedTextAreaFont(const SettingsStore &settings);
// The printer font size.
int storedPrintCharSize(const SettingsStore &settings);
