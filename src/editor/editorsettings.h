#pragma once

#include <QString>

#include <optional>

class Dialogs;
class SettingsStore;
struct EditorSession;

// The editor's stored fonts, section "character".
struct TextAreaFont {
    QString name;
    int size = 0;
};

// The text area's font, when a name is stored; a size that is not a usable font size is 0.
std::optional<TextAreaFont> storedTextAreaFont(const SettingsStore &settings);
void storeTextAreaFont(SettingsStore &settings, const TextAreaFont &font);
// The printer font size; one that is no font size at all gives the default 10.
int storedPrintCharSize(const SettingsStore &settings);

// "A&ltezza carattere": asks for the text area's font size, 8 to 30; nothing (after telling the
// user) for any other answer.
std::optional<int> askTextAreaFontSize(Dialogs &dialogs);
// "Alte&zza car. stampa mm.": asks for the printer font size, 3 to 15, and keeps it for the run and
// in the settings; any other number is refused with a message.
void askPrintCharSize(SettingsStore &settings, EditorSession &session, Dialogs &dialogs);
