#pragma once

#include <QByteArray>

class AccessPassword;
class ArchiveStore;
class Dialogs;
class ProgramFolder;

enum class SaveOutcome {
    Saved,
    PasswordRefused,
    NotSaved, // told to the user; the text is still only in the window
};

// SaveEditorText for one window's text: behind the access password, into dati/P + number,
// written atomically so that a failed save leaves the previous text intact.
SaveOutcome saveProgramText(const QByteArray &text, qint32 number, ArchiveStore &archive,
                            const ProgramFolder &folder, const AccessPassword &password, Dialogs &dialogs);
